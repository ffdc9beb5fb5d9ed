#include "calculator/ui/calc_help_window.h"

#include <QFileInfo>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace tallix {

CalcHelpWindow::CalcHelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Tallix Help"));
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setOpenExternalLinks(true);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(m_browser);
    resize(560, 600);
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
    const QFileInfo file(helpFile);
    if (!file.isFile() || !file.isReadable())
        return false;
    QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    url.setFragment(topic > 0 ? QStringLiteral("topic") + QString::number(topic)
                              : QStringLiteral("contents"));
    // The document is HTML whatever its name ends in.
    m_browser->setSource(url, QTextDocument::HtmlResource);
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
    return m_browser->source().fragment();
}

}  // namespace tallix
