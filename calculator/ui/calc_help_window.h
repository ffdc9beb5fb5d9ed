#pragma once
// The calculator's help window: the HTML document Tallix.hlp beside the
// program, at its contents or at a topic number (anchor "topic<n>"). It first
// opens below the calculator, with a contents list and a search field beside
// the text; after that it stays where the user put it.
// Escape closes it.

#include <QWidget>

namespace common {
class HelpPane;
}

namespace tallix {

class CalcHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalcHelpWindow(QWidget* owner);

    // topic 0: the contents. False when the file cannot be read.
    bool showTopic(const QString& helpFile, int topic);
    QString currentAnchor() const;

private:
    void placeBelowOwner();

    common::HelpPane* m_pane;
    bool m_placed = false;
};

}  // namespace tallix
