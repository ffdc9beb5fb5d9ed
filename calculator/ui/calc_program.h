#pragma once
// The calculator as one object (frmCalcMain): what the window works with
// (the context with the store and the calculator core, and the icons) is
// made first and outlives the window, which is made last and goes first.
// start() is the program's start-up: "Form"/"Run" = "1", the settings read,
// the separator detected, the window shown.

#include "calculator/ui/calc_context.h"
#include "calculator/ui/calc_icons.h"
#include "calculator/ui/calc_window.h"

namespace tallix {

class CalcProgram {
public:
    CalcProgram(common::SettingsStore& store, common::MessagePresenter& messages, ColorChooser& colors);

    void start();
    CalcWindow& window() { return m_window; }
    const CalcContext& context() const { return m_context; }

private:
    void measureScreen();

    CalcContext m_context;
    CalcIcons m_icons;
    CalcWindow m_window;
};

}  // namespace tallix
