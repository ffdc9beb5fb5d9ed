#pragma once
// What the parts of the calculator window share: the store, the message
// presenter, the calculator core with its settings and history, the glyph
// colours and the screen's twips per pixel. The program owns one and hands
// it to the window.

#include "calculator/eval/button_colors.h"
#include "calculator/eval/evaluation_cycle.h"
#include "calculator/eval/window_layout.h"
#include "common/qt/message_presenter.h"
#include "common/settings_store.h"

#include <QPoint>
#include <QString>

namespace tallix {

struct CalcContext {
    CalcContext(common::SettingsStore& settingsStore, common::MessagePresenter& presenter)
        : store(settingsStore), messages(presenter) {}

    common::SettingsStore& store;
    common::MessagePresenter& messages;
    Calculator calculator;
    ButtonColors buttonColors;  // resolved to RGB values
    QString helpFile;           // Tallix.hlp beside the program

    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;

    // CalcLeft, CalcTop as a window position and back.
    QPoint savedPosition() const {
        const CalculatorSettings& s = calculator.settings();
        return {twipsToPixels(s.calcLeft, twipsPerPixelX), twipsToPixels(s.calcTop, twipsPerPixelY)};
    }
    void recordPosition(QPoint at) {
        CalculatorSettings& s = calculator.settings();
        s.calcLeft = pixelsToTwips(at.x(), twipsPerPixelX);
        s.calcTop = pixelsToTwips(at.y(), twipsPerPixelY);
    }
};

}  // namespace tallix
