#include "converter/settings/options_choice.h"
#include "converter/settings/font_choice.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quantora {
namespace {

struct PreviewCase {
    const char* name;
    bool integer;
    bool scientific;
    int digits;
    bool showError;
    common::DecimalSeparator separator;
    const char* expected;
};

void PrintTo(const PreviewCase& c, std::ostream* out) {
    *out << c.name;
}

class OptionsPreview : public testing::TestWithParam<PreviewCase> {};

TEST_P(OptionsPreview, ShowsTheSampleInTheChosenNotation) {
    const PreviewCase& c = GetParam();
    OptionsChoice choice;
    choice.integer = c.integer;
    choice.scientific = c.scientific;
    choice.digits = c.digits;
    choice.showError = c.showError;
    EXPECT_EQ(optionsPreview(choice, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Notations, OptionsPreview,
    testing::Values(
        PreviewCase{"Integer", true, false, 6, false, common::DecimalSeparator::Dot, "778 "},
        PreviewCase{"IntegerOverScientific", true, true, 9, false, common::DecimalSeparator::Dot, "778 "},
        PreviewCase{"RegularFour", false, false, 4, false, common::DecimalSeparator::Dot, "777.8 "},
        PreviewCase{"RegularTwelve", false, false, 12, false, common::DecimalSeparator::Dot,
                    "777.777777778 "},
        PreviewCase{"ScientificSix", false, true, 6, false, common::DecimalSeparator::Dot, "7.77778E+02 "},
        PreviewCase{"ErrorOnDot", false, false, 6, true, common::DecimalSeparator::Dot,
                    "777.778 \xC2\xB1"
                    "5.55E-03"},
        PreviewCase{"ErrorOnComma", false, false, 6, true, common::DecimalSeparator::Comma,
                    "777,778 \xC2\xB1"
                    "5,55E-03"}),
    [](const testing::TestParamInfo<PreviewCase>& info) { return std::string(info.param.name); });

bool anyExecutable(const std::string&) {
    return true;
}

TEST(OptionsConfirm, PowerTextBecomesSciDigitsOrIsRefused) {
    EXPECT_EQ(powerChoices().front(), "NA");
    EXPECT_EQ(powerChoices().back(), " 4");
    EXPECT_EQ(powerText(6), "6");
    EXPECT_EQ(powerText(0), "NA");

    ConverterSettings settings;
    OptionsChoice choice = optionsChoiceOf(settings);
    choice.powerText = " NA ";
    ASSERT_TRUE(confirmOptions(choice, anyExecutable, settings).applied);
    EXPECT_EQ(settings.sciDigits, 0);
    EXPECT_EQ(settings.upperLimit(), 1.0);

    choice.powerText = " 9";
    ASSERT_TRUE(confirmOptions(choice, anyExecutable, settings).applied);
    EXPECT_EQ(settings.sciDigits, 9);
    EXPECT_EQ(settings.upperLimit(), 1e9);

    // Text that is no limit: refused with a message, nothing stored.
    for (const char* bad : {"abc", "-1", "100", "", "1e9"}) {
        choice.powerText = bad;
        choice.digits = 4;
        const OptionsConfirmation refused = confirmOptions(choice, anyExecutable, settings);
        EXPECT_FALSE(refused.applied) << bad;
        ASSERT_TRUE(refused.refused) << bad;
        EXPECT_EQ(refused.refused->title, " Quantora 2000");
        EXPECT_EQ(settings.sciDigits, 9) << bad;
        EXPECT_EQ(settings.digits, 6) << bad;
    }
}

TEST(OptionsConfirm, TheMenuBarAndToolbarAreNeverBothHidden) {
    ConverterSettings settings;
    OptionsChoice choice = optionsChoiceOf(settings);
    EXPECT_EQ(optionsControls(choice), (OptionsControls{true, true, true}));
    choice.showToolbar = false;
    choice.showMenubar = false;
    settleBars(choice);
    EXPECT_TRUE(choice.showToolbar);
    EXPECT_FALSE(optionsControls(choice).toolbar);

    // Even a choice that skipped the settling stores a shown toolbar.
    choice.showToolbar = false;
    const OptionsConfirmation ok = confirmOptions(choice, anyExecutable, settings);
    ASSERT_TRUE(ok.applied);
    EXPECT_TRUE(ok.applied->barsChanged);
    EXPECT_FALSE(ok.applied->gridChanged);
    EXPECT_EQ(settings.showMenubar, 0);
    EXPECT_EQ(settings.showToolbar, 1);

    choice.integer = true;
    EXPECT_EQ(optionsControls(choice), (OptionsControls{false, false, false}));
}

TEST(OptionsConfirm, EveryChoiceReachesItsSetting) {
    ConverterSettings settings;
    OptionsChoice choice = optionsChoiceOf(settings);
    choice.scientific = true;
    choice.digits = 11;
    choice.integer = true;
    choice.showError = true;
    choice.stayTop = true;
    choice.showGrid = false;
    choice.modify = false;
    choice.savePosition = false;
    choice.calculator = CalculatorKind::Other;
    choice.calcPath = "  /usr/bin/true ";
    choice.fonts[5].name = "DejaVu Sans Mono";
    std::string asked;
    const OptionsConfirmation ok = confirmOptions(
        choice,
        [&asked](const std::string& path) {
            asked = path;
            return true;
        },
        settings);
    ASSERT_TRUE(ok.applied);
    EXPECT_TRUE(ok.applied->gridChanged);
    EXPECT_FALSE(ok.applied->barsChanged);
    EXPECT_EQ(asked, "/usr/bin/true");
    EXPECT_EQ(settings.numFormat, 1);
    EXPECT_EQ(settings.digits, 11);
    EXPECT_EQ(settings.integer, 1);
    EXPECT_TRUE(settings.showError);
    EXPECT_EQ(settings.stayTop, 1);
    EXPECT_EQ(settings.showGridLines, 0);
    EXPECT_EQ(settings.modify, 0);
    EXPECT_EQ(settings.saveWindowSize, 0);
    EXPECT_EQ(settings.calcType, 2);
    EXPECT_EQ(settings.calcPath, "/usr/bin/true");
    EXPECT_EQ(settings.fontName[5], "DejaVu Sans Mono");
    EXPECT_EQ(optionsChoiceOf(settings).powerText, "6");
    EXPECT_FALSE(calculatorLinkAvailable(CalculatorKind::Other));
}

TEST(OptionsConfirm, AnOtherCalculatorMustBeAnExecutableFile) {
    ConverterSettings settings;
    OptionsChoice choice = optionsChoiceOf(settings);
    choice.calculator = CalculatorKind::Other;
    choice.calcPath = "/etc/hostname";
    choice.stayTop = true;
    const auto none = [](const std::string&) { return false; };
    const OptionsConfirmation refused = confirmOptions(choice, none, settings);
    ASSERT_TRUE(refused.refused);
    EXPECT_EQ(*refused.refused, notExecutableNotice("/etc/hostname"));
    EXPECT_EQ(settings.calcType, 0);
    EXPECT_EQ(settings.stayTop, 0);
    // No path yet: the tools menu offers the text editor, nothing to refuse.
    choice.calcPath = "  ";
    EXPECT_TRUE(confirmOptions(choice, none, settings).applied);
    EXPECT_EQ(settings.calcPath, "");
}

TEST(FontChoices, ElementsUseTheirOwnControls) {
    EXPECT_EQ(fontControlsFor(FontElement::Tree), (FontControls{true, true, true, true}));
    EXPECT_EQ(fontControlsFor(FontElement::StatusBar), (FontControls{true, true, true, false}));
    EXPECT_EQ(fontControlsFor(FontElement::OutputBox), (FontControls{false, false, false, true}));
    EXPECT_EQ(fontControlsFor(FontElement::Printing), (FontControls{true, true, false, false}));
    EXPECT_EQ(fontControlsFor(FontElement::DialogText), (FontControls{true, false, false, false}));
    // The list shows the convert-into box before the status bar.
    EXPECT_EQ(fontElementAt(3), FontElement::OutputBox);
    EXPECT_EQ(fontElementAt(4), FontElement::StatusBar);
    EXPECT_EQ(fontDialogTitle(FontElement::OutputBox), " Font and Colors - Convert-into Box");
    EXPECT_FALSE(offeredFontName("@Arial Unicode"));
    EXPECT_FALSE(offeredFontName("&Symbol"));
    EXPECT_TRUE(offeredFontName("DejaVu Sans"));
}

TEST(FontChoices, SizesStayWithinTheDialogsRange) {
    FontChoice stored;
    stored.name = "";
    stored.size = 20;
    EXPECT_EQ(openedFont(stored).name, "Arial");
    EXPECT_EQ(openedFont(stored).size, 16);
    stored.size = 3;
    EXPECT_EQ(openedFont(stored).size, 8);
    EXPECT_EQ(limitedSizeText("18"), "14");
    EXPECT_EQ(limitedSizeText("14"), std::nullopt);
    EXPECT_EQ(sizeOfText(""), 9);
    EXPECT_EQ(sizeOfText("11"), 11);
}

TEST(FontChoices, TheInputBoxLendsItsFontButNotItsColours) {
    ConverterSettings settings;
    FontChoices choices = fontChoicesOf(settings);
    FontChoice bold = choices[2];
    bold.name = "DejaVu Serif";
    bold.size = 12;
    bold.style = {1, 0, 0};
    bold.textColor = 255;
    confirmFont(FontElement::InputBox, bold, choices);
    EXPECT_EQ(choices[4].name, "DejaVu Serif");
    EXPECT_EQ(choices[4].size, 12);
    EXPECT_EQ(choices[4].style[0], 1);
    EXPECT_EQ(choices[4].textColor, 0);
    EXPECT_EQ(choices[2].textColor, 255);

    // Printing and dialog text keep no colours in the settings.
    choices[5].textColor = 123;
    storeFontChoices(choices, settings);
    EXPECT_EQ(settings.fontName[2], "DejaVu Serif");
    EXPECT_EQ(settings.textColor[2], 255);
    EXPECT_EQ(fontChoicesOf(settings)[5].textColor, 0);
}

}  // namespace
}  // namespace quantora
