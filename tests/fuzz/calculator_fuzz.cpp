// The calculator: pre-processing, the evaluator and the evaluation cycle.
// The evaluator never gives a non-finite value without an error code, and
// its message is the value's text or the message of its code; the
// pre-processor keeps the bracket balance and fails only on a fourth argument
// value; the cycle shows a number only for a finite value, as readable text
// within its digits, and otherwise a message or an empty result box.
//
// Input: one byte of options, then the typed text.

#include "calculator/eval/evaluation_cycle.h"
#include "calculator/eval/preprocess.h"
#include "calculator/eval/result_notation.h"
#include "common/decimal_separator.h"
#include "common/numeric_text.h"
#include "common/text_rules.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

using namespace tallix;

namespace {

std::string shown(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

long bracketBalance(std::string_view text, std::string_view open, std::string_view close) {
    long balance = 0;
    for (const char c : text) {
        balance += open.find(c) != std::string_view::npos;
        balance -= close.find(c) != std::string_view::npos;
    }
    return balance;
}

void checkEvaluator(std::string_view text, double angleFactor) {
    Evaluator evaluator(angleFactor);
    const double value = evaluator.evaluate(text);
    if (evaluator.escaped())
        return;
    const std::string& message = evaluator.message();
    if (evaluator.error() != EvalError::Ok) {
        const std::string_view want =
            evaluator.error() == EvalError::FunctionFailure ? kErroneousArgument : kErroneousExpression;
        FUZZ_CHECK(message == want, fuzz::escaped(text) + " gives the message " + fuzz::escaped(message));
        return;
    }
    FUZZ_CHECK(std::isfinite(value),
               fuzz::escaped(text) + " gives " + shown(value) + " without an error code");
    const double read = common::numericTextValue(message);
    FUZZ_CHECK(
        std::isinf(read) || std::fabs(read - value) <= std::fabs(value) * 5.3e-15,
        fuzz::escaped(text) + " gives " + shown(value) + " with the message " + fuzz::escaped(message));
}

void checkPreProcessing(std::string_view text, const NamedConstantTable& constants) {
    const std::optional<std::string> processed = preProc(text, constants);
    const auto colons = std::count(text.begin(), text.end(), ':');
    FUZZ_CHECK(processed.has_value() == (colons <= 3),
               fuzz::escaped(text) + (processed ? " has a fourth value but passes" : " fails"));
    if (!processed || colons > 0)
        return;  // argument values may be inserted more than once
    FUZZ_CHECK(processed->find_first_of(" {}[]") == std::string::npos,
               fuzz::escaped(text) + " becomes " + fuzz::escaped(*processed));
    FUZZ_CHECK(bracketBalance(text, "({[", ")}]") == bracketBalance(*processed, "(", ")"),
               fuzz::escaped(text) + " changes its bracket balance: " + fuzz::escaped(*processed));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::uint8_t choice = input.byte();
    const std::string_view text = input.rest();
    CalculatorSettings settings;
    settings.options.digits = static_cast<std::int16_t>(6 + choice % 10);
    settings.options.integer = choice >> 4 & 1;
    settings.options.notation = choice >> 5 & 1;
    settings.options.trig = choice >> 6 & 1;
    const auto separator =
        (choice & 0x80) != 0 ? common::DecimalSeparator::Comma : common::DecimalSeparator::Dot;
    const double angleFactor = angleFactorFor(settings.options.trig, Evaluator::kDegreeFactor);

    checkEvaluator(text, angleFactor);
    Calculator calculator(settings, separator);
    checkPreProcessing(text, calculator.constants());

    Evaluator evaluator(angleFactor);
    const CalcResult calc = calculate(common::commaToDot(text), evaluator, calculator.constants());
    if (!calc.escaped && calc.message.empty())
        FUZZ_CHECK(std::isfinite(calc.value), fuzz::escaped(text) + " calculates " + shown(calc.value));

    const CycleOutcome outcome = calculator.run(text);
    if (common::trimBlanks(text).empty()) {
        FUZZ_CHECK(outcome.kind == CycleOutcome::Kind::Cleared, "a blank input is not cleared");
        return 0;
    }
    switch (outcome.kind) {
        case CycleOutcome::Kind::Number: {
            FUZZ_CHECK(!calc.escaped && calc.message.empty(), fuzz::escaped(text) + " shows a number");
            FUZZ_CHECK(isNumericText(outcome.resultText, separator),
                       fuzz::escaped(text) + " shows " + fuzz::escaped(outcome.resultText));
            const double read = common::numericTextValue(common::commaToDot(outcome.resultText));
            const double size = std::max(std::fabs(read), std::fabs(calc.value));
            const double unit =
                settings.options.integer == 1 && std::fabs(calc.value) <= 1000000.0
                    ? 1.0
                    : std::pow(10.0, std::floor(std::log10(size)) + 2 - settings.options.digits);
            FUZZ_CHECK(size == 0 || std::fabs(read - calc.value) <= 0.5 * unit * (1 + 1e-9) + size * 5.3e-15,
                       fuzz::escaped(text) + " is " + shown(calc.value) + " but shows " + outcome.resultText);
            break;
        }
        case CycleOutcome::Kind::Message:
            FUZZ_CHECK(!calc.escaped && outcome.resultText == common::trimmed(calc.message) &&
                           !outcome.resultText.empty(),
                       fuzz::escaped(text) + " shows the message " + fuzz::escaped(outcome.resultText));
            break;
        case CycleOutcome::Kind::Escaped:
            FUZZ_CHECK(calc.escaped && outcome.resultText.empty(), fuzz::escaped(text) + " escaped");
            break;
        default:
            FUZZ_CHECK(false, fuzz::escaped(text) + " was ignored or cleared");
    }
    return 0;
}
