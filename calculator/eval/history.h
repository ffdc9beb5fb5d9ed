#pragma once
// The evaluation history: twelve expressions, newest at 0. A fresh or cleared
// history holds only "Empty" at entry 0.

#include <array>
#include <string>
#include <string_view>

namespace tallix {

inline constexpr std::string_view kEmptyHistoryEntry = "Empty";

class History {
public:
    static constexpr int kSize = 12;
    static constexpr int kMaxListCount = kSize - 1;

    History();

    // Shifts every entry down one place (the oldest falls out), raises the count
    // while it is below 11 and puts s at entry 0.
    void add(std::string s);
    // When the count is above 0: entries 1 to count emptied, entry 0 "Empty",
    // count 0; returns true. Otherwise nothing changes and it returns false.
    bool clear();

    // Empty text for an index outside 0..11.
    const std::string& entry(int index) const;
    void setEntry(int index, std::string text);
    // pnListCount: entries in use beyond the newest, 0 to 11.
    int listCount() const { return m_listCount; }
    void setListCount(int count);

    // A list item is hidden when its entry is empty, or "Empty" below the top.
    bool visibleInList(int index) const;
    // The input text a picked entry gives ("Empty" gives an empty input).
    static std::string pickedInput(std::string_view caption);

    friend bool operator==(const History&, const History&) = default;

private:
    std::array<std::string, kSize> m_entries;
    int m_listCount = 0;
};

}  // namespace tallix
