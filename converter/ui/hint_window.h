#pragma once
// frmHint: a small topmost window that explains a situation once, with a
// "Noted" button and a box that switches that hint off for good.

#include "converter/ui/converter_context.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;

namespace quantora {

class IconSet;

class HintWindow : public QWidget {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> beforeShow;  // the main window leaves the topmost state
        std::function<void()> closed;      // the topmost states are re-applied
    };
    HintWindow(ConverterContext& context, const IconSet& icons, Hooks hooks, QWidget* owner);

    // Shows hint index unless its switch is off (mShowHint).
    void showHint(int index);
    bool isOpen() const { return m_open; }
    int currentHint() const { return m_index; }
    // One tick of the icon animation (Timer1).
    void animationTick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ConverterContext& m_context;
    const IconSet& m_icons;
    Hooks m_hooks;
    QLabel* m_text;
    QLabel* m_picture;
    QCheckBox* m_show;
    QPushButton* m_ok;
    QTimer* m_timer;
    int m_index = 0;
    int m_ticks = 0;
    bool m_open = false;
};

}  // namespace quantora
