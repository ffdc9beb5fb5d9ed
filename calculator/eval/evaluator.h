#pragma once
// The expression evaluator: one arithmetic expression text in, one double out.
//
// A recursive-descent evaluator that works directly on the text: a sum is split
// into terms at top-level "+" and "-", each term into factors at top-level "*"
// and "/", and each factor is a number, a bracket group or a function call,
// optionally raised to one power with "^". It knows no named constants and no
// variables (pre-processing substitutes those first, see preprocess.h).
//
// Errors are values. Every failure is recorded as a code (the last one assigned
// wins) and turned into one of two messages:
//   0  no error                                   the result as text
//   1  a second decimal separator in a number     "Erroneous expression"
//   2  number expected / name without "(" /       "Erroneous expression"
//      unknown function / text left after a factor
//   4  a factor followed by a character not "^"   "Erroneous expression"
//   8  broken bracket structure                   "Erroneous expression"
//   16 arithmetic failure inside a function        "Erroneous argument"
//   32 arithmetic failure inside a product,        "Erroneous expression"
//      quotient or power
// C++ does not trap floating-point failures, so every operation checks its
// result: a non-finite value (overflow, division by zero, square root or
// logarithm out of range, a negative base to a fractional power) is a failure,
// caught by the innermost product, power step or function application. A
// failure in the additions of the outermost sum is caught by none of them; it
// is reported by Escaped() instead of a code.

#include <cstdint>
#include <string>
#include <string_view>

namespace tallix {

class PartList;

// 1-based positions, as in the pre-processing rules that share them.
// True when i > 1, the character at i is "e" or "E" and the one before is a digit.
bool isExponentMark(std::string_view text, std::size_t i);
// True when i > 2, the character at i is "+" or "-" and the one before is "e" or "E".
bool isExponentSign(std::string_view text, std::size_t i);

// The evaluator's error codes; the values are the codes people and the help see.
enum class EvalError : std::int32_t {
    Ok = 0,
    SecondSeparator = 1,
    Syntax = 2,
    NotPower = 4,
    Brackets = 8,
    FunctionFailure = 16,
    ArithmeticFailure = 32,
};

inline constexpr std::string_view kErroneousExpression = "Erroneous expression";
inline constexpr std::string_view kErroneousArgument = "Erroneous argument";

class Evaluator {
public:
    // The angle factor multiplies the argument of the trigonometric functions and
    // divides the result of the inverse ones: pi/180 for degrees, 1 for radians.
    explicit Evaluator(double angleFactor = kDegreeFactor);

    static constexpr double kPi = 3.14159265358979323846;  // 4 * atan(1) (pdPi)
    static constexpr double kDegreeFactor = kPi / 180.0;

    // Stores the text without blanks, upper-cased, every "." turned into ",".
    void setExpression(std::string_view newExpr);
    const std::string& expression() const { return m_expression; }
    EvalError error() const { return m_error; }
    const std::string& message() const { return m_message; }

    // Computes the stored expression: Error is reset to 0, the value is stored
    // and returned, Assigned becomes (Error == 0). After an escaped failure the
    // stored value is left as it was and Assigned is false.
    double result();
    bool assigned() const { return m_assigned; }

    // Assigns the expression and computes it. Unless silent, Message becomes the
    // value as plain number text ("." as decimal point; the window localises it)
    // when Error is 0, else "Erroneous argument" for 16 and "Erroneous
    // expression" for any other code. An escaped failure leaves Message alone.
    // Returns the stored value; callers read Error, Message and Escaped.
    double evaluate(std::string_view expressn, bool silent = false);

    // True when the last computation ended with an arithmetic failure in the
    // additions of the outermost sum, which no code covers: the platform raised
    // it to the caller of Evaluate (the evaluation cycle clears the result box).
    bool escaped() const { return m_escaped; }

    void setAngleFactor(double factor) { m_angleFactor = factor; }
    double angleFactor() const { return m_angleFactor; }

    // Every occurrence of strToReplace replaced by strToInsert; after each
    // replacement the search starts again at the first character. When the
    // insertion contains the search text the search resumes after the inserted
    // text instead, so it always ends; an empty search text changes nothing.
    static std::string replaceText(std::string_view sourceText, std::string_view strToReplace = {},
                                   std::string_view strToInsert = {});

private:
    static std::string stripSpaces(std::string_view text);
    double evalSum(std::string_view text);
    void splitTerms(std::string_view text, char op1, char op2, PartList& parts);
    double evalProduct(std::string_view text);
    double evalFactor(std::string_view text, char& op);
    double extractNumber(std::string_view& work);
    // 1-based position of the first top-level op1/op2 at or after start, 0 for none.
    std::size_t findOperator(std::string_view text, char op1, char op2, std::size_t start);
    std::string_view extractBracket(std::string_view& work);
    std::string_view extractFunction(std::string_view& work, std::string_view& arg);
    double applyFunction(std::string_view name, std::string_view argText);
    double rnd(double x);

    std::string m_expression;
    bool m_assigned = false;
    double m_result = 0.0;
    std::string m_message;
    EvalError m_error = EvalError::Ok;
    bool m_escaped = false;
    double m_angleFactor;
    std::uint32_t m_rndSeed = 0x50000;  // the platform generator's start value
    int m_depth = 0;                    // nesting guard against stack exhaustion
};

}  // namespace tallix
