#pragma once
// The calculator's help window ("Tallix.hlp"), first opened below the
// calculator's strip.

#include "common/qt/help_pane.h"

namespace tallix {

class CalcHelpWindow : public common::HelpWindow {
    Q_OBJECT
public:
    explicit CalcHelpWindow(QWidget* owner);
};

}  // namespace tallix
