#include "common/notice.h"

namespace common {

Notice errorCodeNotice(std::string_view title, std::string_view marker) {
    return Notice{NoticeIcon::Critical, std::string(title), "Error Code = " + std::string(marker)};
}

}  // namespace common
