#include "common/qt/message_presenter.h"

#include <QMessageBox>

namespace common {
namespace {
QMessageBox::Icon iconOf(NoticeIcon icon) {
    switch (icon) {
        case NoticeIcon::Critical:
            return QMessageBox::Critical;
        case NoticeIcon::Exclamation:
            return QMessageBox::Warning;
        case NoticeIcon::Question:
            return QMessageBox::Question;
        case NoticeIcon::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(NoticeButtons buttons) {
    switch (buttons) {
        case NoticeButtons::Ok:
            return QMessageBox::Ok;
        case NoticeButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case NoticeButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case NoticeButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}
}  // namespace

NoticeAnswer MessageBoxPresenter::present(QWidget* parent, const Notice& notice, NoticeButtons buttons) {
    QMessageBox box(iconOf(notice.icon), QString::fromStdString(notice.title),
                    QString::fromStdString(notice.text), buttonsOf(buttons), parent);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return NoticeAnswer::Yes;
        case QMessageBox::No:
            return NoticeAnswer::No;
        case QMessageBox::Cancel:
            return NoticeAnswer::Cancel;
        default:
            return NoticeAnswer::Ok;
    }
}

}  // namespace common
