#include "calculator/eval/custom_functions.h"

#include "common/text_rules.h"

namespace tallix {

std::string_view customFunctionExpression(std::string_view entry) {
    const std::size_t colon = entry.find(':');
    return colon == std::string_view::npos ? entry : entry.substr(colon + 1);
}

CustomFunctionEditor::CustomFunctionEditor(const std::vector<std::string>& functions,
                                           std::string_view calculatorInput) {
    m_entries.reserve(functions.size());
    for (const std::string& entry : functions) {
        m_entries.push_back(common::trimmed(entry));
    }
    const std::string_view input = common::trimBlanks(calculatorInput);
    m_text = std::string(input.substr(0, input.find(':')));
}

void CustomFunctionEditor::select(int index) {
    if (index < 0 || index >= static_cast<int>(m_entries.size())) {
        m_selected = -1;
        return;
    }
    m_selected = index;
    m_text = m_entries[static_cast<std::size_t>(index)];
}

void CustomFunctionEditor::setText(std::string text) {
    m_text = std::move(text);
}

void CustomFunctionEditor::add() {
    if (addEnabled()) {
        m_entries.push_back(common::trimmed(m_text));
    }
}

void CustomFunctionEditor::remove() {
    if (m_selected >= 0 && m_selected < static_cast<int>(m_entries.size())) {
        m_entries.erase(m_entries.begin() + m_selected);
    }
    m_selected = -1;
}

CustomFunctionEditor::Accepted CustomFunctionEditor::ok() const {
    Accepted accepted{m_entries, std::nullopt};
    const std::string_view text = common::trimBlanks(m_text);
    if (!text.empty()) {
        accepted.input = std::string(customFunctionExpression(text)) + ":";
    }
    return accepted;
}

}  // namespace tallix
