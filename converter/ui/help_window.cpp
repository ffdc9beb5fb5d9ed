#include "converter/ui/help_window.h"

#include "converter/settings/product_title.h"
#include "converter/settings/window_layout.h"

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

HelpWindow::HelpWindow(QWidget* owner)
    : common::HelpWindow(owner, QStringLiteral("Quantora 2000 Help"), QSize(760, 620),
                         [](const QRect& frame, const QSize& size, const QRect& area) {
                             const layout::Point at = layout::besideOwner(
                                 {frame.x(), frame.y(), frame.width(), frame.height()}, size.width(),
                                 size.height(), {area.x(), area.y(), area.width(), area.height()});
                             return QPoint(at.x, at.y);
                         }) {}

}  // namespace quantora
