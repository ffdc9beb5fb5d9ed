#include "calculator/ui/calc_help_window.h"

#include "common/qt/help_pane.h"

#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace tallix {

CalcHelpWindow::CalcHelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_pane(new common::HelpPane(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Tallix Help"));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(m_pane);
    resize(740, 600);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void CalcHelpWindow::placeBelowOwner() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : nullptr;
    if (!owner || !screen)
        return;
    const QRect frame = owner->frameGeometry();
    const QRect area = screen->availableGeometry();
    // Below the strip when there is room, else above it; always on the screen.
    int y = frame.bottom() + 8;
    if (y + height() > area.bottom())
        y = frame.top() - 8 - height();
    const int x = std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() - width()));
    move(x, std::clamp(y, area.top(), std::max(area.top(), area.bottom() - height())));
}

bool CalcHelpWindow::showTopic(const QString& helpFile, int topic) {
    if (!m_pane->showAnchor(helpFile, topic > 0 ? QStringLiteral("topic") + QString::number(topic)
                                                : QStringLiteral("contents")))
        return false;
    if (!m_placed) {
        placeBelowOwner();
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
    return true;
}

QString CalcHelpWindow::currentAnchor() const {
    return m_pane->currentAnchor();
}

}  // namespace tallix
