#include "converter/settings/copy_history.h"

#include "common/numeric_text.h"
#include "common/text_encoding.h"
#include "common/text_rules.h"
#include "converter/engine/conversion_driver.h"

#include <algorithm>

namespace quantora {

void CopyHistory::push(std::string text) {
    std::move_backward(m_slots.begin(), m_slots.end() - 1, m_slots.end());
    m_slots[0] = std::move(text);
    m_count = std::min(m_count + 1, kSlots);
}

const std::string& CopyHistory::entry(int slot) const {
    static const std::string kEmpty;
    if (slot < 0 || slot >= m_count)
        return kEmpty;
    return m_slots[static_cast<std::size_t>(slot)];
}

CopyTexts conversionResultCopy(std::string_view input, std::string_view fromUnit, std::string_view output,
                               std::string_view intoUnit, bool showError) {
    CopyTexts texts;
    texts.clipboard = showError && !output.empty() ? bareResult(output) : std::string(output);
    texts.history = std::string(input) + " " + std::string(fromUnit) + " = " + std::string(output) + " " +
                    std::string(intoUnit);
    texts.clipboard = common::trimmed(texts.clipboard);
    texts.history = common::trimmed(texts.history);
    return texts;
}

CopyTexts unitPropertiesCopy(const UnitItem& unit) {
    const std::string text = common::trimmed(unit.name + " " + unit.rate + " " + unit.offset + " " +
                                             unit.rateError + " " + unit.offsetError + " " + unit.memo);
    return {text, text};
}

bool clipboardHasNumber(const std::optional<std::string>& clipboardText) {
    if (!clipboardText || clipboardText->empty())
        return false;
    if (clipboardText->find(',') != std::string::npos)
        return false;
    return common::strictDecimalValue(*clipboardText).has_value();
}

}  // namespace quantora
