#include "calculator/ui/stay_on_top.h"

#include <QWidget>

namespace tallix {

void setStayOnTop(QWidget& window, bool on) {
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    const bool visible = window.isVisible();
    const QPoint at = window.pos();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible) {
        window.move(at);
        window.show();
    }
}

}  // namespace tallix
