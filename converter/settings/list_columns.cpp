#include "converter/settings/list_columns.h"

#include "common/text_rules.h"

namespace quantora {

std::array<ColumnHeader, 4> setColumnHeaders(ConverterSettings& settings, int mode) {
    for (auto& layout : settings.headerText) {
        for (std::string& text : layout) {
            if (text.empty())
                text.assign(1, ' ');
        }
    }
    for (auto& layout : settings.headerWidth) {
        for (float& width : layout) {
            if (!(width >= kMinHeaderWidth))
                width = kMinHeaderWidth;
        }
    }
    const std::size_t m = mode >= 0 && mode <= 2 ? static_cast<std::size_t>(mode) : 0;
    std::array<ColumnHeader, 4> columns;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const bool titled = m != 2 || k < 2;
        const std::string& text = titled ? settings.headerText[m][k] : std::string(" ");
        columns[k].text = common::replaceAll(text, "&", "");
        columns[k].width = settings.headerWidth[m][k];
    }
    return columns;
}

}  // namespace quantora
