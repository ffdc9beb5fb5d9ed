#include "converter/engine/linear_conversion.h"

#include "common/number_format.h"
#include "common/text_encoding.h"
#include "common/text_rules.h"
#include "converter/engine/number_input.h"
#include "converter/engine/result_format.h"
#include "converter/settings/product_title.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace quantora {
namespace {

// A stored field as a number; a decimal comma counts as a point.
double fieldValue(std::string_view text) {
    if (text.find(',') == std::string_view::npos)
        return leadingNumber(text);
    return leadingNumber(common::commaToDot(text));
}

bool allFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

// The significant digits of a rate as the plain number text writes them, with
// leading and trailing zeros dropped: two rates with the same digits differ by
// a power of ten only.
std::string significantDigits(double rate) {
    std::string text = common::trimmed(removeDot(common::plainNumberText(rate)));
    const auto e = text.find_first_of("Ee");
    if (e != std::string::npos)
        text.erase(e);
    if (!text.empty() && text.front() == '-')
        text.erase(text.begin());
    const auto first = text.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of('0');
    return text.substr(first, last - first + 1);
}

// Error of a rate or an offset: the stated one, or half a unit of the last
// written digit when none is stated.
double fieldError(const std::string& valueText, const std::string& errorText) {
    if (common::trimBlanks(errorText).empty())
        return roundingError(valueText);
    return leadingNumber(errorText);
}

std::string exactError() {
    return std::string(common::kPlusMinus) + "0";
}

}  // namespace

common::Notice invalidFactorsNotice() {
    return common::Notice{common::NoticeIcon::Exclamation, std::string(kNoticeTitle),
                          "The conversion factors currently used seem to be invalid."};
}

std::optional<UnitPair> selectedUnits(const ConversionTable& table, const UnitChoice& choice) {
    if (choice.quantity < 1 || choice.quantity > table.quantityCount)
        return std::nullopt;
    const int count = std::min<int>(table.quantity(choice.quantity).unitCount, table.unitDimension());
    auto valid = [count](int j) { return j >= 1 && j <= count; };
    if (!valid(choice.from) || !valid(choice.into))
        return std::nullopt;
    return UnitPair{&table.unit(choice.quantity, choice.from), &table.unit(choice.quantity, choice.into)};
}

LinearFactors::LinearFactors(const UnitItem& from, const UnitItem& into)
    : m_rateFrom(fieldValue(from.rate)),
      m_offsetFrom(fieldValue(from.offset)),
      m_rateInto(fieldValue(into.rate)),
      m_offsetInto(fieldValue(into.offset)) {
    m_valid = allFinite({m_rateFrom, m_offsetFrom, m_rateInto, m_offsetInto});
}

ConvertResult LinearFactors::apply(double value) const {
    if (!m_valid || !std::isfinite(value))
        return {value, true};
    if (!(std::fabs(m_rateInto) > 0))
        return {0.0, false};
    // In this order: product, add the from offset, subtract the into offset, divide.
    double result = m_rateFrom * value;
    result += m_offsetFrom;
    result -= m_offsetInto;
    result /= m_rateInto;
    return {result, !std::isfinite(result)};
}

ConvertResult convert(const UnitItem& from, const UnitItem& into, std::string_view input) {
    return LinearFactors(from, into).apply(leadingNumber(input));
}

std::optional<std::string> errorEstimate(const UnitItem& from, const UnitItem& into, std::string_view input,
                                         bool inputExact) {
    const double x = leadingNumber(input);
    const std::string rateFromText = common::commaToDot(from.rate),
                      offsetFromText = common::commaToDot(from.offset);
    const std::string rateIntoText = common::commaToDot(into.rate),
                      offsetIntoText = common::commaToDot(into.offset);
    const std::string rateErrFromText = common::commaToDot(from.rateError),
                      offsetErrFromText = common::commaToDot(from.offsetError);
    const std::string rateErrIntoText = common::commaToDot(into.rateError),
                      offsetErrIntoText = common::commaToDot(into.offsetError);
    const double rateFrom = leadingNumber(rateFromText);
    const double rateInto = leadingNumber(rateIntoText);
    const double offsetFrom = leadingNumber(offsetFromText);
    const double offsetInto = leadingNumber(offsetIntoText);
    if (!allFinite({x, rateFrom, rateInto, offsetFrom, offsetInto}))
        return std::nullopt;

    // A pure decimal shift (same digits, no offsets) converts exactly.
    if (significantDigits(rateFrom) == significantDigits(rateInto) && offsetFrom == 0 && offsetInto == 0) {
        return exactError();
    }

    const double eRateFrom = fieldError(rateFromText, rateErrFromText);
    const double eRateInto = fieldError(rateIntoText, rateErrIntoText);
    const double eOffsetFrom = fieldError(offsetFromText, offsetErrFromText);
    const double eOffsetInto = fieldError(offsetIntoText, offsetErrIntoText);
    const double errInput = inputExact ? 0.0 : roundingError(input);
    if (!allFinite({eRateFrom, eRateInto, eOffsetFrom, eOffsetInto, errInput}))
        return std::nullopt;

    const double maxDivisor = rateInto - eRateInto;
    const double minDivisor = rateInto + eRateInto;
    if (maxDivisor == 0 || minDivisor == 0)
        return std::nullopt;
    const double dMax =
        ((x + errInput) * (rateFrom + eRateFrom) + (offsetFrom + eOffsetFrom) - (offsetInto - eOffsetInto)) /
        maxDivisor;
    const double dMin =
        ((rateFrom - eRateFrom) * (x - errInput) + (offsetFrom - eOffsetFrom) - (offsetInto + eOffsetInto)) /
        minDivisor;
    const double dErr = std::fabs(dMax - (dMin + dMax) / 2);
    if (!allFinite({dMax, dMin, dErr}))
        return std::nullopt;
    return std::string(common::kPlusMinus) + formatScientific(dErr, 3);
}

double roundingError(std::string_view text) {
    std::string digits = common::toUpperAscii(removeDot(text));
    const auto e = digits.find('E');
    if (e != std::string::npos)
        digits.erase(e);
    const double mantissa = leadingNumber(digits);
    if (!(std::fabs(mantissa) > 0))
        return 0.0;
    return std::fabs(leadingNumber(text) / mantissa * 0.5);
}

void specialTemperatureConversion(double& result, std::string& errorText, const UnitItem& from,
                                  const UnitItem& into, std::int16_t digits) {
    const std::string fromOffset = common::commaToDot(common::trimBlanks(from.offset));
    const std::string intoOffset = common::commaToDot(common::trimBlanks(into.offset));
    const double threshold = 1.0 / std::pow(10.0, digits - 1);
    auto residue = [&](const std::string& fahrenheit, const std::string& celsius) {
        return common::startsWith(fahrenheit, "255.3722") && common::startsWith(celsius, "273.15") &&
               threshold > std::fabs(result);
    };
    if (residue(fromOffset, intoOffset) || residue(intoOffset, fromOffset)) {
        result = 0;
        errorText = exactError();
    }
}

std::string removeDot(std::string_view text) {
    std::string result(text);
    const auto dot = result.find('.');
    if (dot != std::string::npos)
        result.erase(dot, 1);
    return result;
}

}  // namespace quantora
