#include "calculator/eval/result_notation.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "common/numeric_text.h"
#include "common/text_rules.h"

namespace tallix {

namespace {

int ClampDigits(int digits) { return std::clamp(digits, 1, 15); }

std::string ReplaceChar(std::string_view text, char from, char to) {
    std::string out(text);
    std::replace(out.begin(), out.end(), from, to);
    return out;
}

}  // namespace

std::string ScientificText(double value, int digits) {
    std::string pattern = "0.";
    pattern.append(static_cast<std::size_t>(ClampDigits(digits) - 1), '0');
    pattern += "E+00";
    return ReplaceChar(common::FormatPattern(value, pattern), ',', '.');
}

std::string RegularText(double value, int digits) {
    digits = ClampDigits(digits);
    const std::string probe = common::FormatPattern(value, "#.##E+000");
    const std::string_view tail =
        std::string_view(probe).substr(probe.size() >= 4 ? probe.size() - 4 : 0);
    const int exponent =
        static_cast<int>(common::RoundHalfEven(common::NumericTextValue(tail) + 0.01));
    const int n = exponent + 1;  // digits before the point
    if (digits < n) {
        return ScientificText(value, digits);
    }
    std::string pattern = "0.";
    if (digits > n) {
        pattern.append(static_cast<std::size_t>(digits - n), '0');
    }
    std::string text = common::FormatPattern(value, pattern);
    if (!text.empty() && (text.back() == '.' || text.back() == ',')) {
        text.pop_back();
    }
    return ReplaceChar(text, ',', '.');
}

std::string IntegerText(double value) {
    std::string text = common::FormatPattern(value, "0.");
    if (!text.empty()) {
        text.pop_back();
    }
    return text;
}

std::string FormatResult(double value, const NotationOptions& options) {
    const double a = std::fabs(value);
    if (a <= 1000000.0 && (a >= 0.000001 || options.integer == 1)) {
        if (options.integer == 1) {
            return IntegerText(value);
        }
        if (options.notation == 1) {
            return ScientificText(value, options.digits);
        }
        return RegularText(value, options.digits);
    }
    return ScientificText(value, options.digits);
}

std::string mRemoveZeros(std::string_view s) {
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

bool IsNumericText(std::string_view text, int decimalSep) {
    if (decimalSep == 1) {
        return common::StrictDecimalValue(ReplaceChar(text, ',', '.')).has_value();
    }
    return common::StrictDecimalValue(text).has_value();
}

std::optional<std::string> SendResultText(std::string_view resultText, int decimalSep) {
    if (!IsNumericText(resultText, decimalSep)) {
        return std::nullopt;
    }
    return mRemoveZeros(common::TrimBlanks(resultText));
}

int mCheckNumberLocale(std::string_view formattedSample) {
    if (formattedSample.find('.') != std::string_view::npos) {
        return 0;
    }
    return formattedSample.find(',') != std::string_view::npos ? 1 : 0;
}

std::string pDotToComma(std::string_view text, int decimalSep) {
    if (decimalSep == 0 || common::TrimBlanks(text).empty()) {
        return std::string(text);
    }
    return ReplaceChar(text, '.', ',');
}

std::string pCommaToDot(std::string_view text) {
    if (common::TrimBlanks(text).empty()) {
        return std::string(text);
    }
    return ReplaceChar(text, ',', '.');
}

}  // namespace tallix
