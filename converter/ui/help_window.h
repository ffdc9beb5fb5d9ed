#pragma once
// The help window: shows the HTML help document beside the program
// ("Quantora.hlp"), at its contents or at a topic number (anchor "topic<n>").
// A contents list and a search field sit beside the text. It first opens
// beside its owner; after that it keeps where the user put it and its size.
// Escape closes it.

#include "common/notice.h"

#include <QWidget>

namespace common {
class HelpPane;
}

namespace quantora {

// The report when the help document cannot be read.
common::Notice helpFileMissing(const QString& helpFile);

// The help window of owner (made the first time), at a topic; false when the
// document cannot be read. A dialog's help window stays usable while the
// dialog holds the rest of the program.
bool showHelpFor(QWidget& owner, const QString& helpFile, int topic);

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
