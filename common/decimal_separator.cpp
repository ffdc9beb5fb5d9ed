#include "common/decimal_separator.h"

#include "common/text_rules.h"

#include <algorithm>

namespace common {

namespace {

std::string swapped(std::string_view text, char from, char to) {
    std::string out(text);
    if (!trimBlanks(text).empty())
        std::replace(out.begin(), out.end(), from, to);
    return out;
}

}  // namespace

DecimalSeparator detectDecimalSeparator(std::string_view formattedSample, DecimalSeparator current) {
    if (formattedSample.find('.') != std::string_view::npos)
        return DecimalSeparator::Dot;
    if (formattedSample.find(',') != std::string_view::npos)
        return DecimalSeparator::Comma;
    return current;
}

std::string_view separatorName(DecimalSeparator separator) {
    return separator == DecimalSeparator::Comma ? "comma" : "dot";
}

std::string commaToDot(std::string_view text) {
    return swapped(text, ',', '.');
}

std::string dotToComma(std::string_view text, DecimalSeparator separator) {
    if (separator == DecimalSeparator::Dot)
        return std::string(text);
    return swapped(text, '.', ',');
}

}  // namespace common
