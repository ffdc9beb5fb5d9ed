#include "calculator/eval/evaluation_cycle.h"

#include <algorithm>

#include "calculator/eval/preprocess.h"
#include "calculator/eval/result_notation.h"
#include "common/numeric_text.h"
#include "common/text_rules.h"

namespace tallix {

CalcResult calculate(std::string_view text, Evaluator& evaluator, const NamedConstantTable& constants) {
    CalcResult result;
    const std::optional<std::string> t = preProc(common::trimBlanks(text), constants);
    if (!t) {
        result.escaped = true;
        return result;
    }
    const auto left = std::count(t->begin(), t->end(), '(');
    const auto right = std::count(t->begin(), t->end(), ')');
    if (left > right) {
        result.message = kTooManyLeft;
        return result;
    }
    if (right > left) {
        result.message = kTooManyRight;
        return result;
    }
    evaluator.evaluate(*t, false);
    if (evaluator.escaped()) {
        result.escaped = true;
        return result;
    }
    const std::string& m = evaluator.message();
    if (isNumericText(m, common::DecimalSeparator::Dot)) {
        result.value = common::numericTextValue(common::commaToDot(m));
    } else if (evaluator.error() == kEvalOk) {
        // The value's own text, rounded to 15 digits beyond the double range
        // (1.79769313486232E+308): the read-back overflows, a failure of this step.
        result.escaped = true;
    } else {
        result.message = m;
    }
    return result;
}

double angleFactorFor(int trig, double current) {
    if (trig == 0) {
        return Evaluator::kDegreeFactor;
    }
    if (trig == 1) {
        return 1.0;
    }
    return current;
}

std::string titleText(int trig) {
    std::string title = "Tallix - Math Expression Evaluator";
    title += trig == 1 ? " (radian)" : " (degree)";
    return title;
}

Calculator::Calculator(CalculatorSettings settings, common::DecimalSeparator separator)
    : m_settings(std::move(settings)),
      m_separator(separator),
      m_angleFactor(angleFactorFor(m_settings.options.trig, Evaluator::kDegreeFactor)),
      m_constants(makeNamedConstants(Evaluator::kPi)) {
    if (m_settings.history.entry(0).empty()) {
        m_settings.history.setEntry(0, std::string(kEmptyHistoryEntry));
    }
    m_clearEnabled = m_settings.history.listCount() > 0;
}

CycleOutcome Calculator::run(std::string_view inputText) {
    CycleOutcome outcome;
    if (m_dialogOpen > 0) {
        return outcome;
    }
    const std::string_view s = common::trimBlanks(inputText);
    if (s.empty()) {
        outcome.kind = CycleOutcome::Kind::Cleared;
        return outcome;
    }
    if (!m_fromHistory) {
        m_settings.history.add(std::string(s));
    }
    m_clearEnabled = true;

    if (!m_evaluator) {
        m_evaluator.emplace(m_angleFactor);
    }
    m_evaluator->setAngleFactor(m_angleFactor);
    const CalcResult calc = calculate(common::commaToDot(inputText), *m_evaluator, m_constants);
    if (calc.escaped) {
        outcome.kind = CycleOutcome::Kind::Escaped;
    } else if (calc.message.empty()) {
        outcome.kind = CycleOutcome::Kind::Number;
        outcome.resultText =
            common::dotToComma(formatResult(calc.value, m_settings.options.notationOptions()), m_separator);
    } else {
        outcome.kind = CycleOutcome::Kind::Message;
        outcome.resultText = common::trimmed(calc.message);
    }
    return outcome;
}

std::string Calculator::pickFromHistory(int index) const {
    return History::pickedInput(m_settings.history.entry(index));
}

CycleOutcome Calculator::runFromHistory(int index) {
    if (m_dialogOpen > 0) {
        return {};
    }
    const std::string input = pickFromHistory(index);
    m_fromHistory = true;
    CycleOutcome outcome = run(input);
    m_fromHistory = false;
    return outcome;
}

bool Calculator::clearHistory() {
    if (!m_settings.history.clear()) {
        return false;
    }
    m_clearEnabled = false;
    return true;
}

void Calculator::selectDigits(int index) {
    m_settings.options.digits = static_cast<std::int16_t>(6 + std::clamp(index, 0, 9));
    m_settings.options.integer = 0;
}

void Calculator::selectNotation(int index) {
    CalculatorOptions& o = m_settings.options;
    switch (index) {
        case 0:
            o.integer = 0;
            o.notation = 0;
            break;
        case 1:
            o.integer = 0;
            o.notation = 1;
            break;
        case 2:
            o.integer = 1;
            break;
        default:
            break;
    }
}

void Calculator::selectTrig(int index) {
    m_settings.options.trig = static_cast<std::int16_t>(index);
    m_angleFactor = angleFactorFor(index, m_angleFactor);
}

void Calculator::toggleStayTop() {
    m_settings.options.stayTop = m_settings.options.stayTop == 1 ? 0 : 1;
}

void Calculator::toggleToolTip() {
    m_settings.options.toolTip = static_cast<std::int16_t>(1 - m_settings.options.toolTip);
}

const std::array<std::string_view, 24> kPasterCaptions{
    "sqr(x): square root",
    "cur(x): cubic root",
    "log(x): natural logarithm",
    "log10(x): common logarithm",
    "exp(x): exponent",
    "",
    "sin(x): sine",
    "cos(x): cosine",
    "tan(x): tangent",
    "cot(x): cotangent",
    "sec(x): secant",
    "cosec(x): cosecant",
    "",
    "asin(x): arc sine",
    "acos(x): arc cosine",
    "atan(x): arc tangent",
    "acot(x): arc cotangent",
    "asec(x): arc secant",
    "acosec(x): arc cosecant",
    "",
    "",
    "",
    "",
    "",
};

const std::array<std::string_view, 13> kPasterHypCaptions{
    "sinh(x): hyperbolic sine",
    "cosh(x): hyperbolic cosine",
    "tanh(x): hyperbolic tangent",
    "coth(x): hyperbolic cotangent",
    "sech(x): hyperbolic secant",
    "cosech(x): hyperbolic cosecant",
    "",
    "asinh(x): hyperbolic arc sine",
    "acosh(x): hyperbolic arc cosine",
    "atanh(x): hyperbolic arc tangent",
    "acoth(x): hyperbolic arc cotangent",
    "asech(x): hyperbolic arc secant",
    "acosech(x): hyperbolic arc cosecant",
};

std::string pasterName(std::string_view caption) {
    const std::string text = common::replaceAll(caption, "(x)", "(");
    return text.substr(0, text.find(':'));
}

std::string replaceSelection(std::string_view text, std::size_t start, std::size_t length,
                             std::string_view insert) {
    start = std::min(start, text.size());
    length = std::min(length, text.size() - start);
    std::string out;
    out.reserve(text.size() - length + insert.size());
    out.append(text.substr(0, start));
    out.append(insert);
    out.append(text.substr(start + length));
    return out;
}

}  // namespace tallix
