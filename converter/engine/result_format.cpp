#include "converter/engine/result_format.h"

#include "common/number_format.h"

#include <algorithm>
#include <cmath>

namespace quantora {
namespace {

double powerOfTen(int exponent) {
    // Exact for the exponents the options allow; pow beyond.
    static constexpr double kExact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (exponent >= 0 && exponent <= 22)
        return kExact[exponent];
    return std::pow(10.0, exponent);
}

// "," back to "." in a text the pattern formatter wrote.
void restoreDot(std::string& text) {
    std::replace(text.begin(), text.end(), ',', '.');
}

}  // namespace

namespace {

// "0." followed by N - 1 zeros and "E+00".
std::string formatSci(const common::DecimalDigits& decimal, int digits) {
    std::string text = common::formatScientificPattern(decimal, std::max(digits - 1, 0));
    restoreDot(text);
    return text;
}

}  // namespace

std::string formatScientific(double value, int digits) {
    return formatSci(common::decimalDigitsOf(value), digits);
}

std::string formatFixed(double value, int digits) {
    // The exponent of the value at three significant digits, as its
    // "#.##E+000" form shows it; one decimal form serves every step.
    const common::DecimalDigits decimal = common::decimalDigitsOf(value);
    const int exponent = decimal.exponentAt(3);
    if (digits < exponent + 1)
        return formatSci(decimal, digits);
    // "0." followed by D zeros; "0." alone leaves the separator to drop.
    std::string text = common::formatFixedPattern(decimal, digits - exponent - 1);
    if (!text.empty() && (text.back() == '.' || text.back() == ','))
        text.pop_back();
    restoreDot(text);
    return text;
}

std::string formatInteger(double value) {
    std::string text = common::formatPattern(value, "0.");
    if (!text.empty() && (text.back() == '.' || text.back() == ','))
        text.pop_back();  // the separator
    return text;
}

std::string formatResult(double value, const NotationOptions& options) {
    bool fixedRange = value == 0.0 || options.sciDigits <= 0;
    if (!fixedRange) {
        const double upperLimit = powerOfTen(options.sciDigits);
        const double lowerLimit = 1.0 / upperLimit;
        const double magnitude = std::fabs(value);
        fixedRange = lowerLimit <= magnitude && magnitude <= upperLimit;
    }
    if (!fixedRange)
        return formatScientific(value, options.digits);
    if (options.integer == 1)
        return formatInteger(value);
    if (options.numFormat == 0)
        return formatFixed(value, options.digits);
    return formatScientific(value, options.digits);
}

}  // namespace quantora
