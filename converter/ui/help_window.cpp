#include "converter/ui/help_window.h"

#include "common/qt/help_pane.h"
#include "converter/settings/product_title.h"
#include "converter/settings/window_layout.h"

#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace quantora {

common::Notice helpFileMissing(const QString& helpFile) {
    return {common::NoticeIcon::Exclamation, std::string(kCaptionTitle),
            "The help file '" + helpFile.toStdString() + "' cannot be found."};
}

bool showHelpFor(QWidget& owner, const QString& helpFile, int topic) {
    auto* help = owner.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help)
        help = new HelpWindow(&owner);
    return help->showTopic(helpFile, topic);
}

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window), m_pane(new common::HelpPane(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Quantora 2000 Help"));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(m_pane);
    resize(760, 620);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::placeBesideOwner() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : nullptr;
    if (!owner || !screen)
        return;
    const QRect frame = owner->frameGeometry();
    const QRect area = screen->availableGeometry();
    const layout::Point at =
        layout::besideOwner({frame.x(), frame.y(), frame.width(), frame.height()}, width(), height(),
                            {area.x(), area.y(), area.width(), area.height()});
    move(at.x, at.y);
}

bool HelpWindow::showTopic(const QString& helpFile, int topic) {
    if (!m_pane->showAnchor(helpFile, topic > 0 ? QStringLiteral("topic") + QString::number(topic)
                                                : QStringLiteral("contents")))
        return false;
    if (!m_placed) {
        placeBesideOwner();
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
    return true;
}

QString HelpWindow::currentAnchor() const {
    return m_pane->currentAnchor();
}

}  // namespace quantora
