#include "calculator/ui/calc_help_window.h"

#include <algorithm>

namespace tallix {
namespace {

// Below the strip when there is room, else above it; always on the screen.
QPoint belowOwner(const QRect& frame, const QSize& size, const QRect& area) {
    int y = frame.bottom() + 8;
    if (y + size.height() > area.bottom())
        y = frame.top() - 8 - size.height();
    const int x = std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() - size.width()));
    return {x, std::clamp(y, area.top(), std::max(area.top(), area.bottom() - size.height()))};
}

}  // namespace

CalcHelpWindow::CalcHelpWindow(QWidget* owner)
    : common::HelpWindow(owner, QStringLiteral("Tallix Help"), QSize(740, 600), belowOwner) {}

}  // namespace tallix
