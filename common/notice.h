#pragma once
// A message for the person at the screen. The core never shows anything: it
// returns notices, and the window shows one message box per notice.

#include <string>
#include <string_view>
#include <vector>

namespace common {

enum class NoticeIcon { Critical, Exclamation, Question, Information };

struct Notice {
    NoticeIcon icon = NoticeIcon::Exclamation;
    std::string title;
    std::string text;

    friend bool operator==(const Notice&, const Notice&) = default;
};

using Notices = std::vector<Notice>;

// "Error Code = " followed by a position marker, the report of a fault caught
// at a procedure's boundary.
Notice errorCodeNotice(std::string_view title, std::string_view marker);

}  // namespace common
