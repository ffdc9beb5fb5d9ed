#include "converter/engine/conversion_driver.h"

#include "common/text_encoding.h"
#include "common/text_rules.h"
#include "converter/engine/linear_conversion.h"
#include "converter/engine/number_input.h"

namespace quantora {
namespace {

bool isSignOnly(std::string_view text) {
    return text.empty() || text == "-" || text == "+";
}

}  // namespace

std::string bareResult(std::string_view output) {
    const auto sign = output.find(common::kPlusMinus);
    if (sign != std::string_view::npos)
        output = output.substr(0, sign);
    return common::trimmed(output);
}

ConversionOutcome runConversion(const ConversionRequest& request) {
    ConversionOutcome outcome;
    const ConversionTable& table = request.table;
    // No unit chosen; a choice the table cannot honour counts the same.
    const std::optional<UnitPair> units = selectedUnits(table, request.units);
    if (!units)
        return outcome;

    std::string_view typed = common::trimBlanks(request.inputText);
    if (isSignOnly(typed))
        return outcome;

    if (request.numberSystem) {
        outcome.output = convertNumberSystem(typed, units->from->rate, units->into->rate);
        return outcome;
    }

    if (typed.back() == '?') {
        typed.remove_suffix(1);
        outcome.inputExact = false;
    }
    // "?" with no number before it is not a value of 0.
    if (isSignOnly(typed)) {
        outcome.output = std::string(kInputError);
        return outcome;
    }

    outcome.showDecimalSepHint = foreignSeparatorUsed(typed, request.separator);
    const std::string value = common::commaToDot(typed);
    if (valueRejected(value) > 0) {
        outcome.output = std::string(kInputError);
        return outcome;
    }

    const ConvertResult converted = convert(*units->from, *units->into, value);
    if (converted.fault) {
        // Nothing sensible to show, and nothing stale to copy.
        outcome.notices.push_back(invalidFactorsNotice());
        outcome.dest = std::string();
        return outcome;
    }
    double result = converted.value;

    std::string errorText;
    if (request.showError) {
        if (auto estimate = errorEstimate(*units->from, *units->into, value, outcome.inputExact)) {
            errorText = std::move(*estimate);
        } else {
            outcome.notices.push_back(invalidFactorsNotice());
        }
    }
    if (outcome.inputExact)
        specialTemperatureConversion(result, errorText, *units->from, *units->into, request.notation.digits);

    const std::string resultText = formatResult(result, request.notation);
    outcome.output = common::dotToComma(resultText, request.separator);
    if (request.showError) {
        outcome.output += ' ';
        outcome.output += common::dotToComma(errorText, request.separator);
    }
    outcome.dest = request.showError ? bareResult(outcome.output) : common::trimmed(outcome.output);
    return outcome;
}

}  // namespace quantora
