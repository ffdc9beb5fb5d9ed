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

// mCalculate's outcome: a value when message is empty, else the message.
struct CalcResult {
    double value = 0.0;
    std::string message;
    // A failure escaped the evaluation (more than three argument values, an
    // overflow in the additions of the outermost sum, a value beyond the double
    // range read back): the cycle clears the result box.
    bool escaped = false;
};

// Pre-processes the text (blanks around it removed), compares the bracket
// counts and evaluates. The value passes through the evaluator's 15-digit text.
CalcResult mCalculate(std::string_view text, Evaluator& evaluator, const NamedConstantTable& constants);

// pdAngleFactor for a trigonometric unit: pi/180 for 0 (degree), 1 for 1
// (radian); any other value keeps the current factor.
double AngleFactorFor(int trig, double current);

// "Tallix - Math Expression Evaluator (degree)" or "... (radian)".
std::string TitleText(int trig);

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
    // Start-up: the settings read by mGetSettins; decimalSep is the platform's
    // decimal separator (0 dot, 1 comma). An empty history entry 0 becomes "Empty".
    explicit Calculator(CalculatorSettings settings = {}, int decimalSep = 0);

    // The evaluation cycle (Enter in the input, the evaluate button).
    CycleOutcome Run(std::string_view inputText);
    // Picking history entry index: the input text it gives ("Empty" gives ""),
    // re-evaluated without being added to the history again.
    std::string PickFromHistory(int index) const;
    CycleOutcome RunFromHistory(int index);
    bool FromHistory() const { return m_fromHistory; }

    // Clear History; true when something was cleared (the menu item is then
    // disabled). The menu item is enabled by every evaluation.
    bool ClearHistory();
    bool ClearEnabled() const { return m_clearEnabled; }

    // Menu choices; the window re-runs the cycle afterwards.
    void SelectDigits(int index);    // Digits = 6 + index, Integer = 0
    void SelectNotation(int index);  // 0 regular, 1 scientific, 2 integer
    void SelectTrig(int index);      // 0 degree, 1 radian
    void ToggleStayTop();
    void ToggleToolTip();

    // pnDialogOpen: the window is inert while a dialog is open.
    void DialogOpened() { ++m_dialogOpen; }
    void DialogClosed() { if (m_dialogOpen > 0) --m_dialogOpen; }
    int DialogOpen() const { return m_dialogOpen; }

    double AngleFactor() const { return m_angleFactor; }
    int DecimalSep() const { return m_decimalSep; }
    void SetDecimalSep(int decimalSep) { m_decimalSep = decimalSep; }
    std::string Title() const { return TitleText(m_settings.options.trig); }

    const CalculatorSettings& Settings() const { return m_settings; }
    CalculatorSettings& Settings() { return m_settings; }
    const History& GetHistory() const { return m_settings.history; }
    const NamedConstantTable& Constants() const { return m_constants; }

private:
    CalculatorSettings m_settings;
    int m_decimalSep = 0;
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

// The text a paster item inserts: "(x)" replaced by "(", cut before the first
// ":" ("sqr(x): square root" gives "sqr(").
std::string PasterName(std::string_view caption);

// text with the selection [start, start + length) replaced by insert; positions
// are byte offsets, clamped to the text.
std::string ReplaceSelection(std::string_view text, std::size_t start, std::size_t length,
                             std::string_view insert);

}  // namespace tallix
