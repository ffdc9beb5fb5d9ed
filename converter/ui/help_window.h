#pragma once
// The help window: shows the HTML help document beside the program
// ("Quantora.hlp"), at its contents or at a topic number (anchor "topic<n>").
// A contents list and a search field sit beside the text. It first opens
// beside its owner; after that it keeps where the user put it and its size.
// Escape closes it.

#include <QWidget>

namespace common {
class HelpPane;
}

namespace quantora {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);

    // topic 0: the contents. False when the file cannot be read.
    bool showTopic(const QString& helpFile, int topic);
    QString currentAnchor() const;

private:
    void placeBesideOwner();

    common::HelpPane* m_pane;
    bool m_placed = false;
};

}  // namespace quantora
