#include "calculator/eval/evaluator.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <vector>

#include "common/number_format.h"
#include "common/numeric_text.h"
#include "common/text_rules.h"

namespace tallix {

namespace {

// The platform raises an arithmetic failure as an error that unwinds to the
// innermost operation that catches failures. Thrown only on failure, so the
// usual path costs nothing.
struct RaisedFailure {};

// Nested bracket or function levels before the evaluation gives up the way the
// platform does when its stack runs out: as a raised failure.
constexpr int kMaxDepth = 256;

inline double checked(double value) {
    if (!std::isfinite(value)) {
        throw RaisedFailure{};
    }
    return value;
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

inline double sgn(double x) {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}

// The power operation: a negative base with a fractional exponent, zero to a
// negative power and overflow are failures.
inline double power(double base, double exponent) {
    return checked(std::pow(base, exponent));
}

enum class Func {
    Abs,
    Atan,
    Cos,
    Exp,
    Int,
    Log,
    Rnd,
    Sgn,
    Sin,
    Sqr,
    Tan,
    Log10,
    Cur,
    Cot,
    Sec,
    Cosec,
    Asin,
    Acos,
    Acot,
    Asec,
    Acosec,
    Sinh,
    Cosh,
    Tanh,
    Coth,
    Sech,
    Cosech,
    Asinh,
    Acosh,
    Atanh,
    Acoth,
    Asech,
    Acosech,
    Unknown
};

struct FuncName {
    std::string_view name;
    Func func;
};

constexpr std::array<FuncName, 33> kFunctions{{
    {"ABS", Func::Abs},         {"ATAN", Func::Atan},   {"COS", Func::Cos},       {"E_P", Func::Exp},
    {"INT", Func::Int},         {"LOG", Func::Log},     {"RND", Func::Rnd},       {"SGN", Func::Sgn},
    {"SIN", Func::Sin},         {"SQR", Func::Sqr},     {"TAN", Func::Tan},       {"LOG10", Func::Log10},
    {"CUR", Func::Cur},         {"COT", Func::Cot},     {"SEC", Func::Sec},       {"COSEC", Func::Cosec},
    {"ASIN", Func::Asin},       {"ACOS", Func::Acos},   {"ACOT", Func::Acot},     {"ASEC", Func::Asec},
    {"ACOSEC", Func::Acosec},   {"SINH", Func::Sinh},   {"COSH", Func::Cosh},     {"TANH", Func::Tanh},
    {"COTH", Func::Coth},       {"SECH", Func::Sech},   {"COSECH", Func::Cosech}, {"ASINH", Func::Asinh},
    {"ACOSH", Func::Acosh},     {"ATANH", Func::Atanh}, {"ACOTH", Func::Acoth},   {"ASECH", Func::Asech},
    {"ACOSECH", Func::Acosech},
}};

Func lookUpFunction(std::string_view name) {
    for (const FuncName& entry : kFunctions) {
        if (entry.name == name) {
            return entry.func;
        }
    }
    return Func::Unknown;
}

// Restores the nesting depth however a level is left.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : m_depth(depth) {
        if (++m_depth > kMaxDepth) {
            --m_depth;
            throw RaisedFailure{};
        }
    }
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& m_depth;
};

}  // namespace

// The parts of a split sum or product: views into the expression, kept on the
// stack for the usual short lists.
class PartList {
public:
    void push_back(std::string_view part) {
        if (m_count < m_inline.size()) {
            m_inline[m_count] = part;
        } else {
            if (m_more.empty()) {
                m_more.assign(m_inline.begin(), m_inline.end());
            }
            m_more.push_back(part);
        }
        ++m_count;
    }
    std::size_t size() const { return m_count; }
    std::string_view operator[](std::size_t i) const {
        return m_count <= m_inline.size() ? m_inline[i] : m_more[i];
    }

private:
    std::array<std::string_view, 16> m_inline{};
    std::vector<std::string_view> m_more;
    std::size_t m_count = 0;
};

bool isExponentMark(std::string_view text, std::size_t i) {
    if (i <= 1 || i > text.size()) {
        return false;
    }
    const char c = text[i - 1];
    return (c == 'e' || c == 'E') && isDigit(text[i - 2]);
}

bool isExponentSign(std::string_view text, std::size_t i) {
    if (i <= 2 || i > text.size()) {
        return false;
    }
    const char c = text[i - 1];
    const char before = text[i - 2];
    return (c == '+' || c == '-') && (before == 'e' || before == 'E');
}

Evaluator::Evaluator(double angleFactor) : m_angleFactor(angleFactor) {}

std::string Evaluator::replaceText(std::string_view sourceText, std::string_view strToReplace,
                                   std::string_view strToInsert) {
    if (strToReplace.empty()) {
        return std::string(sourceText);
    }
    if (strToInsert.find(strToReplace) != std::string_view::npos) {
        // Restarting at the first character would never end: resume after the insertion.
        return common::replaceAll(sourceText, strToReplace, strToInsert);
    }
    std::string text(sourceText);
    std::size_t pos = text.find(strToReplace);
    while (pos != std::string::npos) {
        text.replace(pos, strToReplace.size(), strToInsert);
        // Restarting at the first character finds nothing wholly before pos, which
        // did not change: an occurrence can begin at most one search length before it.
        const std::size_t back = strToReplace.size() - 1;
        pos = text.find(strToReplace, pos > back ? pos - back : 0);
    }
    return text;
}

std::string Evaluator::stripSpaces(std::string_view text) {
    return replaceText(text, " ", "");
}

void Evaluator::setExpression(std::string_view newExpr) {
    m_expression = replaceText(common::toUpperAscii(stripSpaces(newExpr)), ".", ",");
}

double Evaluator::result() {
    m_error = EvalError::Ok;
    m_escaped = false;
    m_depth = 0;
    double value = 0.0;
    try {
        value = evalSum(m_expression);
    } catch (const RaisedFailure&) {
        m_escaped = true;
        m_assigned = false;
        return m_result;
    }
    m_result = value;
    m_assigned = (m_error == EvalError::Ok);
    return value;
}

double Evaluator::evaluate(std::string_view expressn, bool silent) {
    setExpression(expressn);
    result();
    if (m_escaped) {
        return m_result;
    }
    if (!silent) {
        switch (m_error) {
            case EvalError::Ok:
                m_message = common::plainNumberText(m_result);
                break;
            case EvalError::FunctionFailure:
                m_message = kErroneousArgument;
                break;
            default:
                m_message = kErroneousExpression;
                break;
        }
    }
    return m_result;
}

double Evaluator::evalSum(std::string_view text) {
    DepthGuard guard(m_depth);
    PartList parts;
    splitTerms(text, '+', '-', parts);
    double sum = 0.0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        // An overflow here is caught by the nearest enclosing product or function,
        // or by no one at all in the outermost sum.
        sum = checked(sum + evalProduct(parts[i]));
    }
    return sum;
}

void Evaluator::splitTerms(std::string_view text, char op1, char op2, PartList& parts) {
    std::string_view rest = text;
    std::size_t pos = findOperator(rest, op1, op2, 1);
    while (pos != 0) {
        parts.push_back(rest.substr(0, pos - 1));
        rest.remove_prefix(pos - 1);
        pos = findOperator(rest, op1, op2, 1);
    }
    parts.push_back(rest);
}

std::size_t Evaluator::findOperator(std::string_view text, char op1, char op2, std::size_t start) {
    int depth = 0;
    for (std::size_t i = start; i <= text.size(); ++i) {
        const char c = text[i - 1];
        if (c == op1 || c == op2) {
            if (!isExponentSign(text, i) && depth == 0 && i > 1) {
                return i;
            }
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
            if (depth < 0) {
                m_error = EvalError::Brackets;
                return 0;
            }
        }
    }
    return 0;
}

double Evaluator::evalProduct(std::string_view text) {
    if (m_error != EvalError::Ok) {
        return 0.0;
    }
    try {
        double acc = 0.0;
        PartList parts;
        splitTerms(text, '*', '/', parts);
        char op = '+';
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const double v = evalFactor(parts[i], op);
            switch (op) {
                case '+':
                    acc = checked(acc + v);
                    break;
                case '*':
                    acc = checked(acc * v);
                    break;
                case '/':
                    acc = checked(acc / v);
                    break;
                default:
                    break;
            }
        }
        return acc;
    } catch (const RaisedFailure&) {
        m_error = EvalError::ArithmeticFailure;
        return 0.0;
    }
}

double Evaluator::evalFactor(std::string_view text, char& op) {
    if (m_error != EvalError::Ok) {
        return 0.0;
    }
    enum class Kind { Number, Bracket, Function };
    const auto choose = [](std::string_view work) {
        if (!work.empty() && work.front() == '(') {
            return Kind::Bracket;
        }
        if (work.empty() || !isDigit(work.front())) {
            return Kind::Function;
        }
        return Kind::Number;
    };
    const auto read = [this](Kind kind, std::string_view& work) {
        switch (kind) {
            case Kind::Bracket: {
                const std::string_view inner = extractBracket(work);
                return evalSum(inner);
            }
            case Kind::Function: {
                std::string_view arg;
                const std::string_view name = extractFunction(work, arg);
                return applyFunction(name, arg);
            }
            case Kind::Number:
                break;
        }
        return extractNumber(work);
    };

    op = '+';
    bool negate = false;
    std::string_view work = text;
    const char c = work.empty() ? '\0' : work.front();
    Kind kind = Kind::Function;
    if (isDigit(c)) {
        kind = Kind::Number;
    } else if (c == '-') {
        negate = true;
        work.remove_prefix(1);
        kind = choose(work);
    } else if (c == '+' || c == '*' || c == '/') {
        op = c;
        work.remove_prefix(1);
        kind = choose(work);
    } else if (c == '(') {
        kind = Kind::Bracket;
    }

    double v = read(kind, work);

    if (!work.empty()) {
        const char o = work.front();
        work.remove_prefix(1);
        const double e = read(choose(work), work);
        if (o == '^') {
            try {
                v = power(v, e);
            } catch (const RaisedFailure&) {
                m_error = EvalError::ArithmeticFailure;
                return 0.0;
            }
        } else {
            m_error = EvalError::NotPower;
        }
    }
    if (!work.empty()) {
        m_error = EvalError::Syntax;
    }
    return negate ? -v : v;
}

double Evaluator::extractNumber(std::string_view& work) {
    // At most the whole text; the separator "," is written as ".".
    std::string num;
    num.reserve(work.size());
    bool seenSep = false;
    for (std::size_t i = 1; i <= work.size(); ++i) {
        const char c = work[i - 1];
        if (isDigit(c) || isExponentMark(work, i) || isExponentSign(work, i)) {
            num.push_back(c);
        } else if (c == ',') {
            if (seenSep) {
                m_error = EvalError::SecondSeparator;
                break;
            }
            seenSep = true;
            num.push_back('.');
        } else {
            break;
        }
    }
    if (num.empty()) {
        m_error = EvalError::Syntax;
        return 0.0;
    }
    work.remove_prefix(num.size());
    // A number beyond the double range overflows like the platform's conversion.
    return checked(common::numericTextValue(num));
}

std::string_view Evaluator::extractBracket(std::string_view& work) {
    int depth = 1;
    for (std::size_t i = 2; i <= work.size(); ++i) {
        const char c = work[i - 1];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
            if (depth == 0) {
                const std::string_view inner = work.substr(1, i - 2);
                work.remove_prefix(i);
                return inner;
            }
        }
    }
    m_error = EvalError::Brackets;
    return {};
}

std::string_view Evaluator::extractFunction(std::string_view& work, std::string_view& arg) {
    const std::size_t p = work.find('(');
    if (p == std::string_view::npos) {
        m_error = EvalError::Syntax;
        return {};
    }
    const std::string_view name = work.substr(0, p);
    work.remove_prefix(p);
    arg = extractBracket(work);
    return name;
}

double Evaluator::rnd(double x) {
    // The platform's generator: a 24-bit linear congruential sequence; a negative
    // argument seeds it from the bits of its single-precision value.
    if (std::fabs(x) > FLT_MAX) {
        throw RaisedFailure{};  // the argument has no single-precision value: overflow
    }
    if (x < 0) {
        const float single = static_cast<float>(x);
        std::uint32_t bits = 0;
        std::memcpy(&bits, &single, sizeof bits);
        m_rndSeed = (bits + (bits >> 24)) & 0xFFFFFFu;
    }
    if (x != 0) {
        m_rndSeed = (m_rndSeed * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    }
    return static_cast<double>(static_cast<float>(m_rndSeed / 16777216.0));
}

double Evaluator::applyFunction(std::string_view name, std::string_view argText) {
    if (m_error != EvalError::Ok) {
        return 0.0;
    }
    try {
        const double x = evalSum(argText);
        const double k = m_angleFactor;
        const auto c = checked;
        const double atan1 = std::atan(1.0);
        switch (lookUpFunction(name)) {
            case Func::Abs:
                return std::fabs(x);
            case Func::Atan:
                return c(std::atan(x) / k);
            case Func::Cos:
                return c(std::cos(c(k * x)));
            case Func::Exp:
                return c(std::exp(x));
            case Func::Int:
                return std::floor(x);
            case Func::Log:
                return c(std::log(x));
            case Func::Rnd:
                return rnd(x);
            case Func::Sgn:
                return sgn(x);
            case Func::Sin:
                return c(std::sin(c(k * x)));
            case Func::Sqr:
                return c(std::sqrt(x));
            case Func::Tan:
                return c(std::tan(c(k * x)));
            case Func::Log10:
                return c(c(std::log(x)) / std::log(10.0));
            case Func::Cur:
                return power(x, 1.0 / 3.0);
            case Func::Cot:
                return c(1.0 / c(std::tan(c(k * x))));
            case Func::Sec:
                return c(1.0 / c(std::cos(c(k * x))));
            case Func::Cosec:
                return c(1.0 / c(std::sin(c(k * x))));
            case Func::Asin:
                return c(std::atan(c(x / c(std::sqrt(c(1.0 - c(x * x)))))) / k);
            case Func::Acos: {
                const double t = std::atan(c(c(std::sqrt(c(1.0 - c(x * x)))) / x));
                return c(c(t - 2.0 * (sgn(x) - 1.0) * atan1) / k);
            }
            case Func::Acot:
                return c(c(2.0 * atan1 - std::atan(x)) / k);
            case Func::Asec: {
                const double t = std::atan(c(std::sqrt(c(c(x * x) - 1.0)))) * sgn(x);
                return c(c(t - 2.0 * (sgn(x) - 1.0) * atan1) / k);
            }
            case Func::Acosec:
                return c(std::atan(c(1.0 / c(std::sqrt(c(c(x * x) - 1.0))))) * sgn(x) / k);
            case Func::Sinh:
                return c(c(c(std::exp(x)) - c(std::exp(-x))) / 2.0);
            case Func::Cosh:
                return c(c(c(std::exp(x)) + c(std::exp(-x))) / 2.0);
            case Func::Tanh:
                return c(c(c(std::exp(x)) - c(std::exp(-x))) / c(c(std::exp(-x)) + c(std::exp(x))));
            case Func::Coth:
                return c(c(c(std::exp(x)) + c(std::exp(-x))) / c(c(std::exp(x)) - c(std::exp(-x))));
            case Func::Sech:
                return c(2.0 / c(c(std::exp(-x)) + c(std::exp(x))));
            case Func::Cosech:
                return c(2.0 / c(c(std::exp(x)) - c(std::exp(-x))));
            case Func::Asinh:
                return c(std::log(c(c(std::sqrt(c(c(x * x) + 1.0))) + x)));
            case Func::Acosh:
                return c(std::log(c(c(std::sqrt(c(c(x * x) - 1.0))) + x)));
            case Func::Atanh:
                return c(c(std::log(c(c(x + 1.0) / c(1.0 - x)))) / 2.0);
            case Func::Acoth:
                return c(c(std::log(c(c(x + 1.0) / c(x - 1.0)))) / 2.0);
            case Func::Asech:
                return c(std::log(c(c(c(std::sqrt(c(1.0 - c(x * x)))) + 1.0) / x)));
            case Func::Acosech:
                return c(std::log(c(c(c(sgn(x) * c(std::sqrt(c(c(x * x) + 1.0)))) + 1.0) / x)));
            case Func::Unknown:
                break;
        }
        m_error = EvalError::Syntax;
        return 0.0;
    } catch (const RaisedFailure&) {
        m_error = EvalError::FunctionFailure;
        return 0.0;
    }
}

}  // namespace tallix
