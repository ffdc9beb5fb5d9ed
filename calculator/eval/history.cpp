#include "calculator/eval/history.h"

#include <algorithm>
#include <utility>

namespace tallix {

History::History() {
    m_entries[0] = std::string(kEmptyHistoryEntry);
}

void History::add(std::string s) {
    for (int i = kSize - 2; i >= 0; --i) {
        m_entries[i + 1] = std::move(m_entries[i]);
    }
    if (m_listCount < kMaxListCount) {
        ++m_listCount;
    }
    m_entries[0] = std::move(s);
}

bool History::clear() {
    if (m_listCount <= 0) {
        return false;
    }
    for (int i = 1; i <= m_listCount && i < kSize; ++i) {
        m_entries[i].clear();
    }
    m_entries[0] = std::string(kEmptyHistoryEntry);
    m_listCount = 0;
    return true;
}

const std::string& History::entry(int index) const {
    static const std::string s_none;
    if (index < 0 || index >= kSize) {
        return s_none;
    }
    return m_entries[index];
}

void History::setEntry(int index, std::string text) {
    if (index >= 0 && index < kSize) {
        m_entries[index] = std::move(text);
    }
}

void History::setListCount(int count) {
    m_listCount = std::clamp(count, 0, kMaxListCount);
}

bool History::visibleInList(int index) const {
    const std::string& text = entry(index);
    if (text.empty()) {
        return false;
    }
    return !(text == kEmptyHistoryEntry && index != 0);
}

std::string History::pickedInput(std::string_view caption) {
    if (caption == kEmptyHistoryEntry) {
        return {};
    }
    return std::string(caption);
}

}  // namespace tallix
