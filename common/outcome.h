#pragma once
// The one result shape of a core operation that can fail: the value, or the
// failure; either way the notices to show, in order. The window shows the
// notices and looks at the value; the core never shows anything.
//
//   Outcome<Table> read = readTable(...);
//   messages.presentAll(window, read.notices());
//   if (read) use(read.take());

#include "common/notice.h"

#include <optional>
#include <utility>

namespace common {

// The value of an operation that gives nothing but success.
struct Done {
    friend bool operator==(const Done&, const Done&) = default;
};

template <typename T>
class [[nodiscard]] Outcome {
public:
    static Outcome success(T value, Notices notices = {}) {
        Outcome outcome;
        outcome.m_value.emplace(std::move(value));
        outcome.m_notices = std::move(notices);
        return outcome;
    }
    // A failure says why in its notices (at least one).
    static Outcome failure(Notice why, Notices before = {}) {
        Outcome outcome;
        outcome.m_notices = std::move(before);
        outcome.m_notices.push_back(std::move(why));
        return outcome;
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }

    // Only on success.
    const T& value() const& { return *m_value; }
    T& value() & { return *m_value; }
    T take() { return std::move(*m_value); }

    const Notices& notices() const { return m_notices; }
    // Why it failed; none on success.
    std::optional<Notice> failure() const {
        if (ok() || m_notices.empty())
            return std::nullopt;
        return m_notices.back();
    }
    void addNotice(Notice notice) { m_notices.push_back(std::move(notice)); }

private:
    Outcome() = default;
    std::optional<T> m_value;
    Notices m_notices;
};

using Status = Outcome<Done>;

inline Status succeeded(Notices notices = {}) {
    return Status::success(Done{}, std::move(notices));
}

}  // namespace common
