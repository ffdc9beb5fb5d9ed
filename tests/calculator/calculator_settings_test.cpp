// Calculator settings: keys, defaults, order, failures; title bar glyph colours.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "calculator/eval/button_colors.h"
#include "calculator/eval/calculator_settings.h"
#include "calculator/eval/evaluation_cycle.h"
#include "common/settings_store.h"

namespace tallix {
namespace {

using common::MemorySettingsStore;

// Records the section and key of every write, in order.
class RecordingStore final : public common::SettingsStore {
public:
    std::string read(std::string_view, std::string_view, std::string_view,
                     std::string_view defaultValue) const override {
        return std::string(defaultValue);
    }
    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view) override {
        EXPECT_EQ(application, "Tallix");
        order.push_back(std::string(section) + "/" + std::string(key));
    }
    void remove(std::string_view, std::string_view, std::string_view) override {}

    std::vector<std::string> order;
};

// A store whose writes fail after a number of them.
class FailingStore final : public common::SettingsStore {
public:
    explicit FailingStore(int writesBeforeFailure) : m_left(writesBeforeFailure) {}
    std::string read(std::string_view, std::string_view, std::string_view,
                     std::string_view defaultValue) const override {
        return std::string(defaultValue);
    }
    void write(std::string_view, std::string_view, std::string_view, std::string_view) override {
        if (m_left-- <= 0) {
            throw std::runtime_error("disk full");
        }
    }
    void remove(std::string_view, std::string_view, std::string_view) override {}

private:
    int m_left;
};

TEST(CalculatorSettings, IndexKeysKeepTheirBlank) {
    EXPECT_EQ(indexKey(0), " 0");
    EXPECT_EQ(indexKey(11), " 11");
}

TEST(CalculatorSettings, EmptyStoreGivesTheDefaults) {
    const MemorySettingsStore store;
    const SettingsReadResult read = readCalculatorSettings(store);
    EXPECT_FALSE(read.failure.has_value());
    const CalculatorSettings& s = read.settings;
    CalculatorSettings expected;
    expected.history.setEntry(0, "");  // start-up, not the read, puts "Empty" there
    EXPECT_TRUE(s == expected);
    EXPECT_EQ(s.calcLeft, 720.0f);
    EXPECT_EQ(s.calcTop, 480.0f);
    EXPECT_EQ(s.options.digits, 8);
    EXPECT_EQ(s.options.integer, 0);
    EXPECT_EQ(s.options.notation, 0);
    EXPECT_EQ(s.options.trig, 0);
    EXPECT_EQ(s.options.stayTop, 1);
    EXPECT_EQ(s.options.toolTip, 1);
    for (int area = 6; area <= 8; ++area) {
        EXPECT_EQ(s.area(area).name, "MS Sans Serif");
        EXPECT_EQ(s.area(area).size, 8);
        EXPECT_EQ(s.area(area).italic, 0);
        EXPECT_EQ(s.area(area).underline, 0);
    }
    EXPECT_EQ(s.area(6).bold, 0);
    EXPECT_EQ(s.area(7).bold, 0);
    EXPECT_EQ(s.area(8).bold, 1);
    EXPECT_EQ(static_cast<std::uint32_t>(s.area(6).textColor), 0x80000008u);
    EXPECT_EQ(s.area(7).textColor, 0xFF);
    EXPECT_EQ(s.area(8).textColor, 8388607);
    EXPECT_EQ(static_cast<std::uint32_t>(s.area(6).backColor), 0x80000005u);
    EXPECT_EQ(static_cast<std::uint32_t>(s.area(7).backColor), 0x80000005u);
    EXPECT_EQ(s.area(8).backColor, 16744192);
    EXPECT_EQ(s.input, "");
    EXPECT_EQ(s.history.listCount(), 0);
    EXPECT_TRUE(s.customFunctions.empty());
}

TEST(CalculatorSettings, FirstRunStartsInDegreeModeWithEmptyHistory) {
    const MemorySettingsStore store;
    Calculator calculator(readCalculatorSettings(store).settings);
    EXPECT_EQ(calculator.title(), "Tallix - Math Expression Evaluator (degree)");
    EXPECT_EQ(calculator.getHistory().entry(0), "Empty");
    EXPECT_EQ(calculator.run("sin(30)").resultText, "0.50000000");
}

TEST(CalculatorSettings, SaveWritesEveryKeyInOrder) {
    CalculatorSettings s;
    s.input = "  x^2:3  ";
    s.history.add("1+1");
    s.customFunctions = {" area:pi*x^2 ", "x+1"};
    RecordingStore store;
    ASSERT_FALSE(saveSettings(store, s).has_value());

    std::vector<std::string> expected{"Form/CalcLeft",   "Form/CalcTop",   "Option/Digits",  "Option/Integer",
                                      "Option/Notation", "Option/Trig",    "Option/StayTop", "Option/ToolTip",
                                      "Font/FontName6",  "Font/FontName7", "Font/FontName8", "Font/FontSize6",
                                      "Font/FontSize7",  "Font/FontSize8"};
    for (const char* style : {"60", "70", "80", "61", "71", "81", "62", "72", "82"}) {
        expected.push_back(std::string("Font/FontStyle") + style);
    }
    for (const char* key : {"Color/TextColor6", "Color/TextColor7", "Color/TextColor8", "Color/BackColor6",
                            "Color/BackColor7", "Color/BackColor8", "History/Input", "History/Count"}) {
        expected.push_back(key);
    }
    for (int i = 0; i < 12; ++i) {
        expected.push_back("History/" + indexKey(i));
    }
    expected.push_back("Function/Count");
    expected.push_back("Function/ 0");
    expected.push_back("Function/ 1");
    EXPECT_EQ(store.order, expected);
}

TEST(CalculatorSettings, SavedValues) {
    CalculatorSettings s;
    s.input = "  x^2:3  ";
    s.history.add("1+1");
    s.customFunctions = {" area:pi*x^2 ", "x+1"};
    MemorySettingsStore store;
    ASSERT_FALSE(saveSettings(store, s).has_value());
    EXPECT_EQ(store.read("Tallix", "Form", "CalcLeft", "?"), "720");
    EXPECT_EQ(store.read("Tallix", "Option", "Digits", "?"), "8");
    EXPECT_EQ(store.read("Tallix", "Font", "FontStyle80", "?"), "1");
    EXPECT_EQ(store.read("Tallix", "Color", "TextColor6", "?"), "-2147483640");
    EXPECT_EQ(store.read("Tallix", "Color", "BackColor8", "?"), "16744192");
    EXPECT_EQ(store.read("Tallix", "History", "Input", "?"), "x^2:3");
    EXPECT_EQ(store.read("Tallix", "History", "Count", "?"), "1");
    EXPECT_EQ(store.read("Tallix", "History", " 0", "?"), "1+1");
    EXPECT_EQ(store.read("Tallix", "History", " 1", "?"), "Empty");
    EXPECT_EQ(store.read("Tallix", "History", " 11", "?"), "");
    EXPECT_EQ(store.read("Tallix", "Function", "Count", "?"), "2");
    EXPECT_EQ(store.read("Tallix", "Function", " 0", "?"), "area:pi*x^2");
    EXPECT_EQ(store.read("Tallix", "Function", " 1", "?"), "x+1");
}

TEST(CalculatorSettings, StoreFailureStopsTheSaveWithItsMarker) {
    FailingStore early(1);  // CalcLeft written, CalcTop fails
    const std::optional<common::Notice> first = saveSettings(early, CalculatorSettings{});
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->text, "Error Code = MSST01");
    FailingStore late(30);  // fails among the colours
    const std::optional<common::Notice> second = saveSettings(late, CalculatorSettings{});
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->text, "Error Code = MSST04");
}

TEST(CalculatorSettings, SaveThenReadGivesTheSameSettings) {
    CalculatorSettings s;
    s.calcLeft = 1500;
    s.calcTop = 30;
    s.options = {12, 1, 1, 1, 0, 0};
    s.area(7) = {"DejaVu Sans", 14, 1, 1, 1, 0x00FF00, 0x202020};
    s.input = "2*pi";
    for (int i = 1; i <= 5; ++i) {
        s.history.add(std::to_string(i));
    }
    s.customFunctions = {"a:x", "b:y"};
    MemorySettingsStore store;
    ASSERT_FALSE(saveSettings(store, s).has_value());
    const SettingsReadResult read = readCalculatorSettings(store);
    EXPECT_FALSE(read.failure.has_value());
    EXPECT_EQ(read.settings, s);
}

TEST(CalculatorSettings, OnlyTwelveHistoryKeysAreRead) {
    MemorySettingsStore store;
    store.write("Tallix", "History", "Count", "40");
    for (int i = 0; i < 13; ++i) {
        store.write("Tallix", "History", indexKey(i), "e" + std::to_string(i));
    }
    const CalculatorSettings s = readCalculatorSettings(store).settings;
    EXPECT_EQ(s.history.listCount(), 11);
    EXPECT_EQ(s.history.entry(11), "e11");
    EXPECT_EQ(s.history.entry(12), "");
}

TEST(CalculatorSettings, FunctionCountSizesTheList) {
    MemorySettingsStore store;
    store.write("Tallix", "Function", "Count", "3");
    store.write("Tallix", "Function", " 0", "x^2");
    store.write("Tallix", "Function", " 2", "z");
    store.write("Tallix", "Function", " 3", "never read");
    const CalculatorSettings s = readCalculatorSettings(store).settings;
    EXPECT_EQ(s.customFunctions, (std::vector<std::string>{"x^2", "", "z"}));
}

TEST(CalculatorSettings, NonNumbersReadAsZeroAndDigitsAreClamped) {
    MemorySettingsStore store;
    store.write("Tallix", "Option", "StayTop", "abc");
    store.write("Tallix", "Option", "Digits", "40");
    store.write("Tallix", "Form", "CalcLeft", " 12.5 ");
    store.write("Tallix", "Option", "Trig", "1.5");  // rounds half to even
    const SettingsReadResult read = readCalculatorSettings(store);
    EXPECT_FALSE(read.failure.has_value());
    EXPECT_EQ(read.settings.options.stayTop, 0);
    EXPECT_EQ(read.settings.options.digits, 15);
    EXPECT_EQ(read.settings.options.trig, 2);
    EXPECT_EQ(read.settings.calcLeft, 12.5f);
}

TEST(CalculatorSettings, OverflowStopsTheReadWithItsMarker) {
    MemorySettingsStore store;
    store.write("Tallix", "Option", "Digits", "12");
    store.write("Tallix", "Font", "FontName6", "Courier");
    store.write("Tallix", "Font", "FontSize7", "70000");
    store.write("Tallix", "Font", "FontSize8", "20");
    const SettingsReadResult read = readCalculatorSettings(store);
    ASSERT_TRUE(read.failure.has_value());
    EXPECT_EQ(read.failure->icon, common::NoticeIcon::Critical);
    EXPECT_EQ(read.failure->title, "Tallix");
    EXPECT_EQ(read.failure->text, "Error Code = MGST03");
    EXPECT_EQ(read.settings.options.digits, 12);       // read before: kept
    EXPECT_EQ(read.settings.area(6).name, "Courier");  // read before: kept
    EXPECT_EQ(read.settings.area(8).size, 8);          // after: default
}

TEST(CalculatorSettings, ColourOverflowMarker) {
    MemorySettingsStore store;
    store.write("Tallix", "Color", "BackColor7", "99999999999");
    const SettingsReadResult read = readCalculatorSettings(store);
    ASSERT_TRUE(read.failure.has_value());
    EXPECT_EQ(read.failure->text, "Error Code = MGST04");
}

TEST(CalculatorSettings, PublishedValues) {
    MemorySettingsStore store;
    publishRun(store, true);
    EXPECT_EQ(store.read("Tallix", "Form", "Run", "?"), "1");
    publishResult(store, "7.0000000");
    EXPECT_EQ(store.read("Tallix", "History", "Result", "?"), "7.0000000");
    publishExit(store);
    EXPECT_EQ(store.read("Tallix", "History", "Result", "?"), "");
    EXPECT_EQ(store.read("Tallix", "Form", "Run", "?"), "0");
}

// ---- title bar glyphs and the fonts dialog ----

// Channels are mixed one by one: 0x00BBGGRR, so 0x3EBCFA is red 250, green 188, blue 62.
TEST(ButtonColors, DefaultTitleBarGivesAnOrangeHover) {
    // Text &H7FFFFF (light yellow) on 16744192 = &HFF7F00 (blue): contrast (255, 128, 0).
    const ButtonColors colors = setButtonColors(8388607, 16744192);
    EXPECT_EQ(colors.normal, 8388607);
    EXPECT_EQ(colors.hover, 0x3EBCFA);    // (510, 383, 127) * 0.49
    EXPECT_EQ(colors.pressed, 0x38A9E1);  // hover * 0.9
}

TEST(ButtonColors, DarkBackgroundGivesLightHover) {
    // Mixed in one packed number this pair gave 0xBC28F5, a dark purple.
    const ButtonColors colors = setButtonColors(8388607, 0x000000);
    EXPECT_EQ(colors.hover, 0xBBFAFA);
    EXPECT_EQ(setButtonColors(0xFFFFFF, 0x000000).hover, 0xFAFAFA);
    EXPECT_EQ(setButtonColors(0xFFFFFF, 0x000000).pressed, 0xE1E1E1);
    // Red text on black: red stays strongest, nothing carries into green.
    EXPECT_EQ(setButtonColors(0x0000FF, 0x000000).hover, 0x7D7DFA);
}

TEST(ButtonColors, LightBackgroundWithDarkTextGivesDarkHover) {
    const ButtonColors colors = setButtonColors(0, 0xFFFFFF);
    EXPECT_EQ(colors.hover, 0);
    EXPECT_EQ(colors.pressed, 0);
}

TEST(FontsDialog, SizeIsLimited) {
    EXPECT_EQ(dialogFontSize("40"), 24);
    EXPECT_EQ(dialogFontSize("5"), 8);
    EXPECT_EQ(dialogFontSize("12"), 12);
    EXPECT_EQ(dialogFontSize(""), 8);
}

}  // namespace
}  // namespace tallix
