#pragma once
// The calculator core, window-free. One evaluation runs through:
//
//   typed text -> history (12 entries, newest first)
//              -> "," to "."  -> pre-processing (preprocess.h: brackets, case,
//                 "expr:x:y:z" arguments, named constants, signed operands)
//              -> bracket count ("Too many left/right bracket(s)")
//              -> Evaluator (evaluator.h: value or error code and message)
//              -> value read back from its 15-digit text
//              -> notation (result_notation.h: regular, scientific, integer)
//              -> result box text ("." to "," on a comma platform)
//
// The window owns the widgets; it calls Calculator for every rule and shows what
// comes back. Settings (calculator_settings.h) are read before and saved after.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calculator/eval/calculator_settings.h"
#include "calculator/eval/evaluator.h"
#include "calculator/eval/named_constants.h"

namespace tallix {

inline constexpr std::string_view kTooManyLeft = "Too many left bracket(s)";
inline constexpr std::string_view kTooManyRight = "Too many right bracket(s)";

// calculate's outcome: a value when message is empty, else the message.
struct CalcResult {
    double value = 0.0;
    std::string message;
    // A failure escaped the evaluation (more than three argument values, an
    // overflow in the additions of the outermost sum, a value beyond the double
    // range read back): the cycle clears the result box.
    bool escaped = false;
};

// Pre-processes the text (blanks around it removed), compares the bracket
// counts and evaluates. The value passes through the evaluator's 15-digit text (mCalculate).
CalcResult calculate(std::string_view text, Evaluator& evaluator, const NamedConstantTable& constants);

// pdAngleFactor for a trigonometric unit: pi/180 for 0 (degree), 1 for 1
// (radian); any other value keeps the current factor.
double angleFactorFor(int trig, double current);

// "Tallix - Math Expression Evaluator (degree)" or "... (radian)".
std::string titleText(int trig);

struct CycleOutcome {
    enum class Kind {
        Ignored,  // a dialog is open: nothing happened
        Cleared,  // the input is blank: result box cleared, focus to the input
        Number,   // a formatted result: focus to the input, caret to its end
        Message,  // a bracket or evaluator message
        Escaped,  // an escaped failure: result box cleared
    };
    Kind kind = Kind::Ignored;
    std::string resultText;  // the result box's new text (unused for Ignored)
};

class Calculator {
public:
    // Start-up: the settings read by readCalculatorSettings; the separator is the platform's
    // decimal separator (0 dot, 1 comma). An empty history entry 0 becomes "Empty".
    explicit Calculator(CalculatorSettings settings = {},
                        common::DecimalSeparator separator = common::DecimalSeparator::Dot);

    // The evaluation cycle (Enter in the input, the evaluate button).
    CycleOutcome run(std::string_view inputText);
    // Picking history entry index: the input text it gives ("Empty" gives ""),
    // re-evaluated without being added to the history again.
    std::string pickFromHistory(int index) const;
    CycleOutcome runFromHistory(int index);
    bool fromHistory() const { return m_fromHistory; }

    // Clear History; true when something was cleared (the menu item is then
    // disabled). The menu item is enabled by every evaluation.
    bool clearHistory();
    bool clearEnabled() const { return m_clearEnabled; }

    // Menu choices; the window re-runs the cycle afterwards.
    void selectDigits(int index);    // Digits = 6 + index, Integer = 0
    void selectNotation(int index);  // 0 regular, 1 scientific, 2 integer
    void selectTrig(int index);      // 0 degree, 1 radian
    void toggleStayTop();
    void toggleToolTip();

    // pnDialogOpen: the window is inert while a dialog is open.
    void dialogOpened() { ++m_dialogOpen; }
    void dialogClosed() {
        if (m_dialogOpen > 0)
            --m_dialogOpen;
    }
    int dialogOpen() const { return m_dialogOpen; }

    double angleFactor() const { return m_angleFactor; }
    common::DecimalSeparator decimalSeparator() const { return m_separator; }
    void setDecimalSeparator(common::DecimalSeparator separator) { m_separator = separator; }
    std::string title() const { return titleText(m_settings.options.trig); }

    const CalculatorSettings& settings() const { return m_settings; }
    CalculatorSettings& settings() { return m_settings; }
    const History& getHistory() const { return m_settings.history; }
    const NamedConstantTable& constants() const { return m_constants; }

private:
    CalculatorSettings m_settings;
    common::DecimalSeparator m_separator = common::DecimalSeparator::Dot;
    int m_dialogOpen = 0;
    bool m_fromHistory = false;
    bool m_clearEnabled = false;
    double m_angleFactor;
    NamedConstantTable m_constants;
    std::optional<Evaluator> m_evaluator;  // created at the first evaluation
};

// The function paster's captions (empty for separators): mnuPasterArray 0..23
// and the hyperbolic submenu mnuPasterHypArray 0..12.
extern const std::array<std::string_view, 24> kPasterCaptions;
extern const std::array<std::string_view, 13> kPasterHypCaptions;
// The paster's separators; positions 19 to 22 hold nothing at all.
inline constexpr std::array<int, 3> kPasterSeparators{5, 12, 23};
inline constexpr int kPasterHypSeparator = 6;

// The text a paster item inserts: "(x)" replaced by "(", cut before the first
// ":" ("sqr(x): square root" gives "sqr(").
std::string pasterName(std::string_view caption);

// text with the selection [start, start + length) replaced by insert; positions
// are byte offsets, clamped to the text.
std::string replaceSelection(std::string_view text, std::size_t start, std::size_t length,
                             std::string_view insert);

}  // namespace tallix
