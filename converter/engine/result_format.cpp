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

namespace {

// "0." followed by N - 1 zeros and "E+00".
std::string formatSci(const common::DecimalDigits& decimal, int digits) {
    std::string text = common::FormatScientificPattern(decimal, std::max(digits - 1, 0));
    commaToDot(text);
    return text;
}

}  // namespace

std::string pFormatSci(double value, int digits) { return formatSci(common::DecimalDigitsOf(value), digits); }

std::string pFormatFixed(double value, int digits) {
    // The exponent of the value at three significant digits, as its
    // "#.##E+000" form shows it; one decimal form serves every step.
    const common::DecimalDigits decimal = common::DecimalDigitsOf(value);
    const int exponent = decimal.exponentAt(3);
    if (digits < exponent + 1) return formatSci(decimal, digits);
    // "0." followed by D zeros; "0." alone leaves the separator to drop.
    std::string text = common::FormatFixedPattern(decimal, digits - exponent - 1);
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
