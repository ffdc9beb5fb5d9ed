#include "calculator/eval/result_notation.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "common/numeric_text.h"
#include "common/text_rules.h"

namespace tallix {

namespace {

int clampDigits(int digits) {
    return std::clamp(digits, 1, 15);
}

std::string replaceChar(std::string_view text, char from, char to) {
    std::string out(text);
    std::replace(out.begin(), out.end(), from, to);
    return out;
}

}  // namespace

std::string scientificText(double value, int digits) {
    std::string pattern = "0.";
    pattern.append(static_cast<std::size_t>(clampDigits(digits) - 1), '0');
    pattern += "E+00";
    return common::formatPattern(value, pattern);
}

std::string regularText(double value, int digits) {
    digits = clampDigits(digits);
    const std::string probe = common::formatPattern(value, "#.##E+000");
    const std::string_view tail = std::string_view(probe).substr(probe.size() >= 4 ? probe.size() - 4 : 0);
    const int exponent = static_cast<int>(common::roundHalfEven(common::numericTextValue(tail) + 0.01));
    const int n = exponent + 1;  // digits before the point
    if (digits < n) {
        return scientificText(value, digits);
    }
    std::string pattern = "0.";
    if (digits > n) {
        pattern.append(static_cast<std::size_t>(digits - n), '0');
    }
    std::string text = common::formatPattern(value, pattern);
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string integerText(double value) {
    std::string text = common::formatPattern(value, "0.");
    if (!text.empty()) {
        text.pop_back();
    }
    return text;
}

std::string formatResult(double value, const NotationOptions& options) {
    const double a = std::fabs(value);
    if (a <= 1000000.0 && (a >= 0.000001 || options.integer == 1)) {
        if (options.integer == 1) {
            return integerText(value);
        }
        if (options.notation == 1) {
            return scientificText(value, options.digits);
        }
        return regularText(value, options.digits);
    }
    return scientificText(value, options.digits);
}

std::string removeZeros(std::string_view s) {
    if (s.find('.') == std::string_view::npos) {
        return std::string(s);
    }
    const std::size_t e = s.find_first_of("Ee");
    std::string mantissa(s.substr(0, e));
    const std::string_view exponentPart = e == std::string_view::npos ? std::string_view{} : s.substr(e);
    while (!mantissa.empty() && mantissa.back() == '0') {
        mantissa.pop_back();
    }
    if (!mantissa.empty() && mantissa.back() == '.') {
        mantissa.pop_back();
    }
    return mantissa + std::string(exponentPart);
}

bool isNumericText(std::string_view text, common::DecimalSeparator separator) {
    if (separator == common::DecimalSeparator::Comma) {
        return common::strictDecimalValue(replaceChar(text, ',', '.')).has_value();
    }
    return common::strictDecimalValue(text).has_value();
}

std::optional<std::string> sendResultText(std::string_view resultText, common::DecimalSeparator separator) {
    if (!isNumericText(resultText, separator)) {
        return std::nullopt;
    }
    return removeZeros(common::trimBlanks(resultText));
}

}  // namespace tallix
