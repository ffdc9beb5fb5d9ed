#pragma once
// Every message box of a program goes through one presenter, so a window
// test can answer them instead of blocking on them.

#include "common/notice.h"

class QWidget;

namespace common {

enum class NoticeButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class NoticeAnswer { Ok, Yes, No, Cancel };

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual NoticeAnswer present(QWidget* parent, const Notice& notice,
                                 NoticeButtons buttons = NoticeButtons::Ok) = 0;
    void presentAll(QWidget* parent, const Notices& notices) {
        for (const Notice& notice : notices)
            present(parent, notice);
    }
};

// Shows a modal QMessageBox with the notice's icon, title and text.
class MessageBoxPresenter final : public MessagePresenter {
public:
    NoticeAnswer present(QWidget* parent, const Notice& notice, NoticeButtons buttons) override;
};

}  // namespace common
