#include "converter/ui/topmost.h"

#include <QWidget>

namespace quantora {

void setStayOnTop(QWidget& window, int value) {
    if (value != 0 && value != 1) {
        window.raise();
        return;
    }
    const bool on = value == 1;
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    // A new flag re-creates the native window, which hides it.
    const bool visible = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible)
        window.show();
}

}  // namespace quantora
