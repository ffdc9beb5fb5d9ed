#include "converter/settings/list_columns.h"

#include "common/text_rules.h"

namespace quantora {

std::array<ColumnHeader, 4> pSetColumnHeaders(ConverterSettings& settings, int mode) {
    for (auto& layout : settings.HeaderText) {
        for (std::string& text : layout) {
            if (text.empty()) text.assign(1, ' ');
        }
    }
    for (auto& layout : settings.HeaderWidth) {
        for (float& width : layout) {
            if (!(width >= kMinHeaderWidth)) width = kMinHeaderWidth;
        }
    }
    const std::size_t m = mode >= 0 && mode <= 2 ? static_cast<std::size_t>(mode) : 0;
    std::array<ColumnHeader, 4> columns;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const bool titled = m != 2 || k < 2;
        const std::string& text = titled ? settings.HeaderText[m][k] : std::string(" ");
        columns[k].text = common::pReplaceAll(text, "&", "");
        columns[k].width = settings.HeaderWidth[m][k];
    }
    return columns;
}

}  // namespace quantora
