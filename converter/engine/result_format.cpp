#include "converter/engine/result_format.h"

#include "common/number_format.h"

#include <algorithm>
#include <cmath>

namespace quantora {
namespace {

double powerOfTen(int exponent) {
    // Exact for the exponents the options allow; pow beyond.
    static constexpr double kExact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (exponent >= 0 && exponent <= 22) return kExact[exponent];
    return std::pow(10.0, exponent);
}

// pCommaToDot for a text the pattern formatter wrote.
void commaToDot(std::string& text) { std::replace(text.begin(), text.end(), ',', '.'); }

}  // namespace

std::string pFormatSci(double value, int digits) {
    std::string pattern = "0.";
    if (digits > 1) pattern.append(static_cast<std::size_t>(digits - 1), '0');
    pattern += "E+00";
    std::string text = common::FormatPattern(value, pattern);
    commaToDot(text);
    return text;
}

std::string pFormatFixed(double value, int digits) {
    // The exponent of the value at three significant digits, as its
    // "#.##E+000" form shows it; one decimal form serves both steps.
    const common::DecimalDigits decimal = common::DecimalDigitsOf(value);
    const int exponent = decimal.exponentAt(3);
    if (digits < exponent + 1) return pFormatSci(value, digits);
    const int decimals = digits - exponent - 1;
    std::string pattern = "0.";
    pattern.append(static_cast<std::size_t>(decimals), '0');
    std::string text = common::FormatPattern(decimal, pattern);
    if (!text.empty() && (text.back() == '.' || text.back() == ',')) text.pop_back();
    commaToDot(text);
    return text;
}

std::string pFormatInteger(double value) {
    std::string text = common::FormatPattern(value, "0.");
    if (!text.empty() && (text.back() == '.' || text.back() == ',')) text.pop_back();  // the separator
    return text;
}

std::string pFormatResult(double value, const NotationOptions& options) {
    bool fixedRange = value == 0.0 || options.SciDigits <= 0;
    if (!fixedRange) {
        const double upperLimit = powerOfTen(options.SciDigits);
        const double lowerLimit = 1.0 / upperLimit;
        const double magnitude = std::fabs(value);
        fixedRange = lowerLimit <= magnitude && magnitude <= upperLimit;
    }
    if (!fixedRange) return pFormatSci(value, options.Digits);
    if (options.Integer == 1) return pFormatInteger(value);
    if (options.NumFormat == 0) return pFormatFixed(value, options.Digits);
    return pFormatSci(value, options.Digits);
}

}  // namespace quantora
