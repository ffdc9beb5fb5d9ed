#include "converter/settings/options_choice.h"

#include "common/number_format.h"
#include "common/numeric_text.h"
#include "common/text_encoding.h"
#include "common/text_rules.h"
#include "converter/engine/result_format.h"
#include "converter/settings/product_title.h"

#include <algorithm>
#include <cmath>

namespace quantora {
namespace {

constexpr double kPreviewValue = 777.77777777777;
constexpr double kPreviewError = 0.00555;

std::int16_t flag(bool on) {
    return on ? 1 : 0;
}

}  // namespace

OptionsChoice optionsChoiceOf(const ConverterSettings& settings) {
    OptionsChoice choice;
    choice.scientific = settings.numFormat != 0;
    choice.powerText = powerText(settings.sciDigits);
    choice.digits = std::clamp<int>(settings.digits, kMinDigits, kMaxDigits);
    choice.integer = settings.integer == 1;
    choice.showError = settings.showError;
    choice.stayTop = settings.stayTop == 1;
    choice.showMenubar = settings.showMenubar == 1;
    choice.showToolbar = settings.showToolbar == 1;
    choice.showGrid = settings.showGridLines == 1;
    choice.modify = settings.modify == 1;
    choice.savePosition = settings.saveWindowSize == 1;
    choice.calculator = settings.calcType == 1   ? CalculatorKind::Platform
                        : settings.calcType == 2 ? CalculatorKind::Other
                                                 : CalculatorKind::Companion;
    choice.calcPath = settings.calcPath;
    choice.fonts = fontChoicesOf(settings);
    return choice;
}

std::vector<std::string> powerChoices() {
    std::vector<std::string> choices{"NA"};
    for (int n = 9; n >= 4; --n)
        choices.push_back(" " + std::to_string(n));
    return choices;
}

std::string powerText(int sciDigits) {
    return sciDigits >= 1 ? std::to_string(sciDigits) : std::string("NA");
}

std::optional<std::int16_t> sciDigitsOfPowerText(std::string_view text) {
    const std::string_view trimmed = common::trimBlanks(text);
    if (trimmed == "NA")
        return std::int16_t{0};
    const std::optional<double> number = common::strictDecimalValue(trimmed);
    if (!number)
        return std::nullopt;
    const double rounded = common::roundHalfEven(*number);
    if (!(rounded >= 0 && rounded <= kMaxSciDigits))
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::string optionsPreview(const OptionsChoice& choice, common::DecimalSeparator separator) {
    std::string text;
    if (choice.integer) {
        text = formatInteger(kPreviewValue);
    } else if (!choice.scientific) {
        text = formatFixed(kPreviewValue, choice.digits);
    } else {
        text = formatScientific(kPreviewValue, choice.digits);
    }
    std::string error;
    if (choice.showError)
        error = std::string(common::kPlusMinus) + common::formatPattern(kPreviewError, "0.00E+00");
    return common::dotToComma(text, separator) + " " + common::dotToComma(error, separator);
}

OptionsControls optionsControls(const OptionsChoice& choice) {
    OptionsControls controls;
    controls.digits = !choice.integer;
    controls.format = !choice.integer;
    controls.toolbar = choice.showMenubar;
    return controls;
}

void settleBars(OptionsChoice& choice) {
    if (!choice.showMenubar)
        choice.showToolbar = true;
}

bool calculatorLinkAvailable(CalculatorKind kind) {
    return kind == CalculatorKind::Companion;
}

common::Notice notExecutableNotice(std::string_view path) {
    return {common::NoticeIcon::Exclamation, std::string(kNoticeTitle),
            "'" + std::string(path) +
                "' is not a program that can be started.\nChoose an executable file for the calculator."};
}

OptionsConfirmation confirmOptions(const OptionsChoice& choice, const ExecutableTest& isExecutableFile,
                                   ConverterSettings& settings) {
    OptionsConfirmation confirmation;
    const std::optional<std::int16_t> sciDigits = sciDigitsOfPowerText(choice.powerText);
    if (!sciDigits) {
        confirmation.refused =
            common::Notice{common::NoticeIcon::Exclamation, std::string(kNoticeTitle),
                           "Enter NA or a whole number from 0 to " + std::to_string(kMaxSciDigits) +
                               " as the power of ten beyond which numbers are shown in scientific format."};
        return confirmation;
    }
    const std::string path = common::trimmed(choice.calcPath);
    if (choice.calculator == CalculatorKind::Other && !path.empty() && isExecutableFile &&
        !isExecutableFile(path)) {
        confirmation.refused = notExecutableNotice(path);
        return confirmation;
    }

    OptionsApplied applied;
    const std::int16_t menubar = flag(choice.showMenubar);
    // The toolbar is never hidden together with the menu bar.
    const std::int16_t toolbar = flag(choice.showToolbar || !choice.showMenubar);
    applied.barsChanged = menubar != settings.showMenubar || toolbar != settings.showToolbar;
    applied.gridChanged = flag(choice.showGrid) != settings.showGridLines;

    settings.digits = static_cast<std::int16_t>(std::clamp(choice.digits, kMinDigits, kMaxDigits));
    settings.integer = flag(choice.integer);
    settings.numFormat = flag(choice.scientific);
    settings.showError = choice.showError;
    settings.sciDigits = *sciDigits;
    settings.calcType = static_cast<std::int16_t>(choice.calculator);
    settings.calcPath = path;
    settings.modify = flag(choice.modify);
    settings.saveWindowSize = flag(choice.savePosition);
    settings.showMenubar = menubar;
    settings.showToolbar = toolbar;
    settings.showGridLines = flag(choice.showGrid);
    settings.stayTop = flag(choice.stayTop);
    storeFontChoices(choice.fonts, settings);
    confirmation.applied = applied;
    return confirmation;
}

}  // namespace quantora
