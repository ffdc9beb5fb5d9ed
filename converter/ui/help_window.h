#pragma once
// The converter's help: the document "Quantora.hlp" beside the program,
// opened at a topic by any window or dialog.

#include "common/notice.h"
#include "common/qt/help_pane.h"

namespace quantora {

// The report when the help document cannot be read.
common::Notice helpFileMissing(const QString& helpFile);

// The help window of owner (made the first time), at a topic; false when the
// document cannot be read. A dialog's help window stays usable while the
// dialog holds the rest of the program.
bool showHelpFor(QWidget& owner, const QString& helpFile, int topic);

// The converter's help window ("Quantora.hlp"), first opened beside its owner.
class HelpWindow : public common::HelpWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);
};

}  // namespace quantora
