#pragma once
// The clipboard side of the converter: what the copy commands put on the
// clipboard and into the history of copied texts, and when the clipboard
// holds a number worth pasting as conversion input.
//
// copy command -> (clipboard text, history text) -> history push (newest first,
// at most eight) -> Edit "&History" items

#include "converter/table/conversion_table.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quantora {

class CopyHistory {
public:
    static constexpr int kSlots = 8;

    // The new text goes to slot 0; the others move down, the oldest of eight
    // is dropped.
    void push(std::string text);
    int count() const { return m_count; }
    // Slot i (0 newest); empty beyond the count.
    const std::string& entry(int slot) const;

private:
    std::array<std::string, kSlots> m_slots;
    int m_count = 0;
};

struct CopyTexts {
    std::string clipboard;
    std::string history;
};

// Copying the conversion result: the clipboard gets the convert-into text,
// without its error part when the error is shown; the history keeps the whole
// line "input from-unit = output into-unit". Both trimmed.
CopyTexts conversionResultCopy(std::string_view input, std::string_view fromUnit, std::string_view output,
                               std::string_view intoUnit, bool showError);

// Copying unit properties: Name, Rate, Offset, RateError and OffsetError each
// followed by one blank, then the Memo; trimmed. The same text for both.
CopyTexts unitPropertiesCopy(const UnitItem& unit);

// A clipboard text is a number to paste when it is not empty, holds no ","
// and converts as a whole by the strict number conversion. No text offered
// (nothing, or something other than text) is no number (pClipboardHasNumber).
bool clipboardHasNumber(const std::optional<std::string>& clipboardText);

}  // namespace quantora
