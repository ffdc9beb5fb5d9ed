// Calculator settings: keys, defaults, order, failures; title bar glyph colours.

#include <gtest/gtest.h>

#include <limits>
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

// A store in memory that counts its syncs and can fail its writes after a number of them.
class TestStore final : public common::SettingsStore {
public:
    std::string read(std::string_view application, std::string_view section, std::string_view key,
                     std::string_view defaultValue) const override {
        return m_memory.read(application, section, key, defaultValue);
    }
    void write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value) override {
        if (writesLeft-- <= 0)
            throw std::runtime_error("disk full");
        m_memory.write(application, section, key, value);
    }
    void remove(std::string_view application, std::string_view section, std::string_view key) override {
        m_memory.remove(application, section, key);
    }
    bool sync() override {
        ++syncs;
        return syncSucceeds;
    }
    int writesLeft = 1000000;
    int syncs = 0;
    bool syncSucceeds = true;

private:
    MemorySettingsStore m_memory;
};

TEST(CalculatorSettings, EmptyStoreGivesTheDefaultsAndDegreeMode) {
    const MemorySettingsStore store;
    const common::Outcome<CalculatorSettings> read = readCalculatorSettings(store);
    EXPECT_TRUE(read.notices().empty());
    CalculatorSettings expected;
    expected.history.setEntry(0, "");  // start-up, not the read, puts "Empty" there
    EXPECT_TRUE(read.value() == expected);
    Calculator calculator(read.value());
    EXPECT_EQ(calculator.title(), "Tallix - Math Expression Evaluator (degree)");
    EXPECT_EQ(calculator.getHistory().entry(0), "Empty");
    EXPECT_EQ(calculator.run("sin(30)").resultText, "0.50000000");
}

TEST(CalculatorSettings, SaveWritesEveryKeyInOrderAsText) {
    CalculatorSettings s;
    s.input = "  x^2:3  ";
    s.history.add("1+1");
    s.customFunctions = {" area:pi*x^2 ", "x+1"};
    MemorySettingsStore store;
    ASSERT_TRUE(saveSettings(store, s).ok());

    std::vector<std::string> expected{"Form/CalcLeft",   "Form/CalcTop",   "Option/Digits",  "Option/Integer",
                                      "Option/Notation", "Option/Trig",    "Option/StayTop", "Option/ToolTip",
                                      "Font/FontName6",  "Font/FontName7", "Font/FontName8", "Font/FontSize6",
                                      "Font/FontSize7",  "Font/FontSize8"};
    for (const char* style : {"60", "70", "80", "61", "71", "81", "62", "72", "82"})
        expected.push_back(std::string("Font/FontStyle") + style);
    for (const char* key : {"Color/TextColor6", "Color/TextColor7", "Color/TextColor8", "Color/BackColor6",
                            "Color/BackColor7", "Color/BackColor8", "History/Input", "History/Count"}) {
        expected.push_back(key);
    }
    for (int i = 0; i < 12; ++i)
        expected.push_back("History/" + indexKey(i));
    for (const char* key : {"Function/Count", "Function/ 0", "Function/ 1"})
        expected.push_back(key);
    for (std::string& key : expected)
        key = "Tallix/" + key;
    EXPECT_EQ(store.writeOrder(), expected);

    const std::pair<const char*, const char*> values[] = {{"Form/CalcLeft", "720"},
                                                          {"Option/Digits", "8"},
                                                          {"Font/FontStyle80", "1"},
                                                          {"Color/TextColor6", "-2147483640"},
                                                          {"Color/BackColor8", "16744192"},
                                                          {"History/Input", "x^2:3"},
                                                          {"History/Count", "1"},
                                                          {"History/ 0", "1+1"},
                                                          {"History/ 1", "Empty"},
                                                          {"History/ 11", ""},
                                                          {"Function/Count", "2"},
                                                          {"Function/ 0", "area:pi*x^2"},
                                                          {"Function/ 1", "x+1"}};
    for (const auto& [address, value] : values) {
        const std::string text(address);
        const std::size_t slash = text.find('/');
        EXPECT_EQ(store.read("Tallix", text.substr(0, slash), text.substr(slash + 1), "?"), value) << address;
    }
}

TEST(CalculatorSettings, StoreFailureStopsTheSaveWithItsMarker) {
    TestStore early;
    early.writesLeft = 1;  // CalcLeft written, CalcTop fails
    const std::optional<common::Notice> first = saveSettings(early, CalculatorSettings{}).failure();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->text, "Error Code = MSST01");
    TestStore late;
    late.writesLeft = 30;  // fails among the colours
    const std::optional<common::Notice> second = saveSettings(late, CalculatorSettings{}).failure();
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
    ASSERT_TRUE(saveSettings(store, s).ok());
    const common::Outcome<CalculatorSettings> read = readCalculatorSettings(store);
    EXPECT_TRUE(read.notices().empty());
    EXPECT_EQ(read.value(), s);
}

// Every number the save writes reads back as the same value at the ends of
// its range (Digits and the history count at their clamp bounds).
TEST(CalculatorSettings, EveryNumberReadsBackAtItsLimits) {
    struct Ends {
        float position;
        std::int16_t whole;
        std::int32_t colour;
        std::int16_t digits;
        int historyCount;
    };
    constexpr float kSingleMax = std::numeric_limits<float>::max();
    for (const Ends& ends :
         {Ends{kSingleMax, 32767, 2147483647, 15, 11}, Ends{-kSingleMax, -32768, -2147483647 - 1, 6, 0},
          Ends{std::numeric_limits<float>::denorm_min(), 1, 1, 8, 1},
          Ends{-std::numeric_limits<float>::min(), -1, -1, 8, 1}}) {
        CalculatorSettings s;
        s.calcLeft = s.calcTop = ends.position;
        s.options = {ends.digits, ends.whole, ends.whole, ends.whole, ends.whole, ends.whole};
        for (FontArea& area : s.areas)
            area = {"Sans", ends.whole, ends.whole, ends.whole, ends.whole, ends.colour, ends.colour};
        for (int i = 0; i < ends.historyCount; ++i)
            s.history.add("h" + std::to_string(i));
        MemorySettingsStore store;
        ASSERT_TRUE(saveSettings(store, s).ok());
        const common::Outcome<CalculatorSettings> read = readCalculatorSettings(store);
        ASSERT_TRUE(read.notices().empty()) << read.notices().front().text << " at " << ends.position;
        EXPECT_EQ(read.value(), s);
    }
}

TEST(CalculatorSettings, ReadRules) {
    MemorySettingsStore store;
    store.write("Tallix", "History", "Count", "40");
    for (int i = 0; i < 13; ++i)
        store.write("Tallix", "History", indexKey(i), "e" + std::to_string(i));
    // The function count sizes the list.
    store.write("Tallix", "Function", "Count", "3");
    store.write("Tallix", "Function", " 0", "x^2");
    store.write("Tallix", "Function", " 2", "z");
    store.write("Tallix", "Function", " 3", "never read");
    // Non-numbers read as zero, Digits is clamped, halves round to even.
    store.write("Tallix", "Option", "StayTop", "abc");
    store.write("Tallix", "Option", "Digits", "40");
    store.write("Tallix", "Form", "CalcLeft", " 12.5 ");
    store.write("Tallix", "Option", "Trig", "1.5");
    const common::Outcome<CalculatorSettings> read = readCalculatorSettings(store);
    EXPECT_TRUE(read.notices().empty());
    const CalculatorSettings& s = read.value();
    EXPECT_EQ(s.history.listCount(), 11);  // only twelve keys are read
    EXPECT_EQ(s.history.entry(11), "e11");
    EXPECT_EQ(s.history.entry(12), "");
    EXPECT_EQ(s.customFunctions, (std::vector<std::string>{"x^2", "", "z"}));
    EXPECT_EQ(s.options.stayTop, 0);
    EXPECT_EQ(s.options.digits, 15);
    EXPECT_EQ(s.options.trig, 2);
    EXPECT_EQ(s.calcLeft, 12.5f);
}

TEST(CalculatorSettings, OverflowStopsTheReadWithItsMarker) {
    MemorySettingsStore store;
    store.write("Tallix", "Option", "Digits", "12");
    store.write("Tallix", "Font", "FontName6", "Courier");
    store.write("Tallix", "Font", "FontSize7", "70000");
    store.write("Tallix", "Font", "FontSize8", "20");
    const common::Outcome<CalculatorSettings> read = readCalculatorSettings(store);
    ASSERT_TRUE(!read.notices().empty());
    EXPECT_EQ(read.notices().front().icon, common::NoticeIcon::Critical);
    EXPECT_EQ(read.notices().front().title, "Tallix");
    EXPECT_EQ(read.notices().front().text, "Error Code = MGST03");
    EXPECT_EQ(read.value().options.digits, 12);       // read before: kept
    EXPECT_EQ(read.value().area(6).name, "Courier");  // read before: kept
    EXPECT_EQ(read.value().area(8).size, 8);          // after: default

    MemorySettingsStore colours;
    colours.write("Tallix", "Color", "BackColor7", "99999999999");
    EXPECT_EQ(readCalculatorSettings(colours).notices().front().text, "Error Code = MGST04");
}

TEST(CalculatorSettings, ExitIsPublishedWithTheSettingsInOneSync) {
    TestStore store;
    CalculatorSettings settings;
    settings.input = "1+1";
    publishRun(store, true);
    EXPECT_EQ(store.read("Tallix", "Form", "Run", "?"), "1");
    publishResult(store, "2.0000000");
    EXPECT_EQ(store.read("Tallix", "History", "Result", "?"), "2.0000000");
    store.syncs = 0;
    EXPECT_TRUE(saveSettingsAtExit(store, settings).ok());
    EXPECT_EQ(store.syncs, 1);
    EXPECT_EQ(store.read("Tallix", "History", "Result", "?"), "");
    EXPECT_EQ(store.read("Tallix", "Form", "Run", "?"), "0");
    EXPECT_EQ(store.read("Tallix", "History", "Input", "?"), "1+1");
    // A store that cannot keep the values: reported, and the exit is tried again.
    store.syncSucceeds = false;
    store.syncs = 0;
    const std::optional<common::Notice> failure = saveSettingsAtExit(store, settings).failure();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->text, "Error Code = MSST04");
    EXPECT_EQ(store.syncs, 2);

    publishRun(store, true);
    publishResult(store, "7");
    publishExit(store);
    EXPECT_EQ(store.read("Tallix", "History", "Result", "?"), "");
    EXPECT_EQ(store.read("Tallix", "Form", "Run", "?"), "0");
}

TEST(ButtonColors, HoverAndPressedAreMixedChannelByChannel) {
    struct Case {
        int text, back, hover, pressed;
    };
    // 0x00BBGGRR. The default title bar, light yellow &H7FFFFF on 16744192 =
    // &HFF7F00: contrast (255, 128, 0), hover (510, 383, 127) * 0.49 = 0x3EBCFA,
    // an orange; pressed hover * 0.9. The default text on black gives a light
    // hover (mixed in one packed number it gave 0xBC28F5, a dark purple); red
    // on black stays red-most, nothing carries into green; black on white
    // stays black.
    for (const Case c : {Case{8388607, 16744192, 0x3EBCFA, 0x38A9E1}, Case{8388607, 0, 0xBBFAFA, 0xA8E1E1},
                         Case{0xFFFFFF, 0, 0xFAFAFA, 0xE1E1E1}, Case{0x0000FF, 0, 0x7D7DFA, 0x7070E1},
                         Case{0, 0xFFFFFF, 0, 0}}) {
        const ButtonColors colors = setButtonColors(c.text, c.back);
        EXPECT_EQ(colors.normal, c.text);
        EXPECT_EQ(colors.hover, c.hover) << c.text;
        EXPECT_EQ(colors.pressed, c.pressed) << c.text;
    }
}

TEST(FontsDialog, SizeIsLimited) {
    EXPECT_EQ(dialogFontSize("40"), 24);
    EXPECT_EQ(dialogFontSize("5"), 8);
    EXPECT_EQ(dialogFontSize("12"), 12);
    EXPECT_EQ(dialogFontSize(""), 8);
}

}  // namespace
}  // namespace tallix
