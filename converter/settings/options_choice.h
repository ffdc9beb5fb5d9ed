#pragma once
// The options dialog's rules, apart from its widgets: the working copy it
// edits, the preview of a sample result, which controls follow which, and
// what OK stores.
//
// settings -> OptionsChoice (edited) -> preview text, control states
//          -> OK: confirmOptions -> settings + what the main window redoes

#include "common/decimal_separator.h"
#include "common/notice.h"
#include "converter/settings/converter_settings.h"
#include "converter/settings/font_choice.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

inline constexpr int kMinDigits = 4;
inline constexpr int kMaxDigits = 12;
// The largest exponent limit a typed text may set; 10^N stays a finite number.
inline constexpr int kMaxSciDigits = 99;

// The calculator the tools command starts (CalcType).
enum class CalculatorKind : std::int16_t { Companion = 0, Platform = 1, Other = 2 };

// What the dialog shows and edits; settings change only on OK.
struct OptionsChoice {
    // "&Number Style"
    bool scientific = false;  // optFormat 1
    std::string powerText;    // cboPower
    int digits = 6;           // sliDigits
    bool integer = false;     // chkInteger
    bool showError = false;   // chkShowError
    // "&General"
    bool stayTop = false;
    bool showMenubar = true;
    bool showToolbar = true;
    bool showGrid = true;
    bool modify = true;
    bool savePosition = true;
    CalculatorKind calculator = CalculatorKind::Companion;
    std::string calcPath;
    FontChoices fonts;  // working copies of the seven elements
};

// The dialog's state when it opens; the slider keeps within its range.
OptionsChoice optionsChoiceOf(const ConverterSettings& settings);

// cboPower's list: "NA", then " 9" down to " 4".
std::vector<std::string> powerChoices();
// SciDigits as cboPower shows it: the number without blanks from 1, else "NA".
std::string powerText(int sciDigits);
// The SciDigits a text stands for: "NA" 0, a number rounded; nothing for a
// text that is neither, or a number outside 0 to kMaxSciDigits.
std::optional<std::int16_t> sciDigitsOfPowerText(std::string_view text);

// The sample result: 777.77777777777 in the chosen notation, one blank, and
// "±5.55E-03" when the error is shown (mUpdatePreview).
std::string optionsPreview(const OptionsChoice& choice, common::DecimalSeparator separator);

// Which controls are enabled.
struct OptionsControls {
    bool digits = true;   // sliDigits
    bool format = true;   // both optFormat buttons
    bool toolbar = true;  // chkShowToolbar
    friend bool operator==(const OptionsControls&, const OptionsControls&) = default;
};
OptionsControls optionsControls(const OptionsChoice& choice);
// Without the menu bar the toolbar is shown: the two are never both hidden.
void settleBars(OptionsChoice& choice);
// The calculator-link commands work only with the companion calculator.
bool calculatorLinkAvailable(CalculatorKind kind);

// What the main window redoes after OK.
struct OptionsApplied {
    bool barsChanged = false;  // menu bar or toolbar shown or hidden
    bool gridChanged = false;
};

// OK, or why not: the text of cboPower is neither "NA" nor a number in range,
// or "Other" names a path that is no executable file. Refused: the settings
// stay as they were.
struct OptionsConfirmation {
    std::optional<OptionsApplied> applied;
    std::optional<common::Notice> refused;
};
using ExecutableTest = std::function<bool(const std::string& path)>;
OptionsConfirmation confirmOptions(const OptionsChoice& choice, const ExecutableTest& isExecutableFile,
                                   ConverterSettings& settings);

// The message for a calculator path that cannot be started.
common::Notice notExecutableNotice(std::string_view path);

}  // namespace quantora
