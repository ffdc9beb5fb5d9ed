#include "converter/engine/conversion_driver.h"

#include "common/text_encoding.h"
#include "common/text_rules.h"
#include "converter/engine/linear_conversion.h"
#include "converter/engine/number_input.h"

namespace quantora {
namespace {

bool isSignOnly(std::string_view text) { return text.empty() || text == "-" || text == "+"; }

}  // namespace

std::string BareResult(std::string_view output) {
    const auto sign = output.find(common::kPlusMinus);
    if (sign != std::string_view::npos) output = output.substr(0, sign);
    return common::Trimmed(output);
}

ConversionOutcome pExecConversion(const ConversionRequest& request) {
    ConversionOutcome outcome;
    const ConversionTable& table = request.table;
    const SelectionIndices& selection = table.selection;

    // No unit chosen; a selection the table cannot honour counts the same.
    if (selection.pnConvFromIndex <= 0 || selection.pnConvIntoIndex <= 0) return outcome;
    const std::optional<UnitPair> units = SelectedUnits(table);
    if (!units) return outcome;

    std::string_view typed = common::TrimBlanks(request.inputText);
    if (isSignOnly(typed)) return outcome;

    if (selection.pnSelNodeIndex == table.numberSystemNode()) {
        outcome.output = pFormatNumber(typed, units->from->rate, units->into->rate);
        return outcome;
    }

    if (typed.back() == '?') {
        typed.remove_suffix(1);
        outcome.pfInputExact = false;
    }
    // "?" with no number before it is not a value of 0.
    if (isSignOnly(typed)) {
        outcome.output = std::string(kInputError);
        return outcome;
    }

    outcome.showDecimalSepHint = pCheckDecimalSep(typed, request.pnDecimalSep) == 1;
    const std::string value = pCommaToDot(typed);
    if (pConvValCheck(value) > 0) {
        outcome.output = std::string(kInputError);
        return outcome;
    }

    const ConvertResult converted = pConvert(*units->from, *units->into, value);
    if (converted.fault) {
        // Nothing sensible to show, and nothing stale to copy.
        outcome.notices.push_back(InvalidFactorsNotice());
        outcome.dest = std::string();
        return outcome;
    }
    double result = converted.value;

    std::string errorText;
    if (request.ShowError) {
        if (auto estimate = pGetErrString(*units->from, *units->into, value, outcome.pfInputExact)) {
            errorText = std::move(*estimate);
        } else {
            outcome.notices.push_back(InvalidFactorsNotice());
        }
    }
    if (outcome.pfInputExact) pSpecialTempConv(result, errorText, *units->from, *units->into, request.notation.Digits);

    const std::string resultText = pFormatResult(result, request.notation);
    outcome.output = pDotToComma(resultText, request.pnDecimalSep);
    if (request.ShowError) {
        outcome.output += ' ';
        outcome.output += pDotToComma(errorText, request.pnDecimalSep);
    }
    outcome.dest = request.ShowError ? BareResult(outcome.output) : common::Trimmed(outcome.output);
    return outcome;
}

}  // namespace quantora
