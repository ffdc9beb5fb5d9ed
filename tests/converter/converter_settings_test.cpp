#include "converter/settings/converter_settings.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
using namespace quantora;

std::string stored(const common::SettingsStore& store, const char* section, const char* key) {
    return store.read(kConverterApp, section, key, "<missing>");
}

TEST(ConverterSettings, SaveWritesEveryKeyAsTextAndReadsBack) {
    common::MemorySettingsStore store;
    EXPECT_TRUE(readConverterSettings(store).notices().empty());  // a fresh store
    ConverterSettings s;
    s.showError = true;
    s.boxWidthRatio = 1.5F;
    s.hintFlags = {1, 0, 1, 1, 0, 1};
    s.fontName[5] = "DejaVu Sans Mono";
    s.headerText[2][1] = "Notes";
    ASSERT_TRUE(saveConverterSettings(store, s).ok());
    EXPECT_EQ(stored(store, "Option", "ShowError"), "True");
    EXPECT_EQ(stored(store, "Form", "BoxWidthRatio"), "1.5");
    EXPECT_EQ(stored(store, "Form", "HeaderWidth22"), "300");
    EXPECT_EQ(stored(store, "Form", "HeaderWidth23"), "<missing>");
    EXPECT_EQ(stored(store, "Font", "FontStyle31"), "0");
    EXPECT_EQ(stored(store, "Font", "FontSize4"), "<missing>");
    EXPECT_EQ(stored(store, "Color", "BackColor3"), "-2147483644");
    EXPECT_EQ(stored(store, "Color", "TextColor3"), "<missing>");
    EXPECT_EQ(stored(store, "Header", "Text21"), "Notes");
    EXPECT_EQ(stored(store, "Extra", "ShowMessage"), "101101");
    EXPECT_EQ(stored(store, "Dim", "Unit"), "100");
    EXPECT_EQ(store.writeOrder().front(), "Quantora 2000/Form/State");
    EXPECT_EQ(store.writeOrder().back(), "Quantora 2000/Dim/Unit");

    const common::Outcome<ConverterSettings> again = readConverterSettings(store);
    EXPECT_TRUE(again.notices().empty());
    EXPECT_TRUE(again.value().showError);
    EXPECT_EQ(again.value().hintFlags, s.hintFlags);
    EXPECT_EQ(again.value().fontName[5], "DejaVu Sans Mono");
    EXPECT_EQ(again.value().backColor[3], -2147483644);
}

// Every number the save writes reads back as the same value, at the ends of
// each key's range (the delays at their clamp bounds, the limits at the
// largest table the storage takes, the hint flags one digit each).
TEST(ConverterSettings, EveryNumberReadsBackAtItsLimits) {
    struct Ends {
        float measure;
        std::int16_t whole;
        ColorValue colour;
        std::int16_t delay;   // 100..2000
        std::int16_t scroll;  // 50..1000
        std::int16_t flag;    // one digit
        TableLimits dim;
    };
    constexpr float kSingleMax = std::numeric_limits<float>::max();
    for (const Ends& ends : {Ends{kSingleMax, 32767, 2147483647, 2000, 1000, 9, {32767, 2, 16382}},
                             Ends{-kSingleMax, -32768, -2147483647 - 1, 100, 50, 0, {0, 2, 1}},
                             Ends{std::numeric_limits<float>::denorm_min(), 1, 1, 100, 50, 1, {0, 16383, 1}},
                             Ends{-std::numeric_limits<float>::min(), -1, -1, 2000, 1000, 0, {}}}) {
        ConverterSettings s;
        for (float* measure : {&s.window.left, &s.window.top, &s.window.width, &s.window.height, &s.treeWidth,
                               &s.boxWidthRatio, &s.memoWidth, &s.memoHeight, &s.findLeft, &s.findTop,
                               &s.refLeft, &s.refTop, &s.refWidth, &s.refHeight})
            *measure = ends.measure;
        for (auto& row : s.headerWidth)
            row.fill(ends.measure);
        s.refHeaderWidth.fill(ends.measure);
        for (std::int16_t* whole : {&s.state, &s.digits, &s.sciDigits, &s.integer, &s.numFormat, &s.calcType,
                                    &s.modify, &s.saveWindowSize, &s.showMenubar, &s.showToolbar,
                                    &s.showGridLines, &s.stayTop, &s.selNodeIndex, &s.view})
            *whole = ends.whole;
        s.fontSize.fill(ends.whole);
        for (auto& styles : s.fontStyle)
            styles.fill(ends.whole);
        s.textColor.fill(ends.colour);
        s.backColor.fill(ends.colour);
        s.hintFlags.fill(ends.flag);
        s.showMenuDelay = s.scrollDownDelay = s.showHintDelay = ends.delay;
        s.scrollTimerInterval = ends.scroll;
        s.limits = ends.dim;

        common::MemorySettingsStore first;
        ASSERT_TRUE(saveConverterSettings(first, s).ok());
        const common::Outcome<ConverterSettings> read = readConverterSettings(first);
        ASSERT_TRUE(read.notices().empty()) << read.notices().front().text << " at " << ends.measure;
        EXPECT_EQ(read.value().window.width, ends.measure);
        EXPECT_EQ(read.value().headerWidth[2][2], ends.measure);
        EXPECT_EQ(read.value().state, ends.whole);
        EXPECT_EQ(read.value().backColor[3], ends.colour);
        EXPECT_EQ(read.value().limits, s.limits);
        // Written again, every key holds the same text.
        common::MemorySettingsStore second;
        ASSERT_TRUE(saveConverterSettings(second, read.value()).ok());
        for (const std::string& address : first.writeOrder()) {
            const auto slash = address.find('/', address.find('/') + 1);
            const std::string section = address.substr(address.find('/') + 1, slash - address.find('/') - 1);
            const std::string key = address.substr(slash + 1);
            EXPECT_EQ(stored(second, section.c_str(), key.c_str()),
                      stored(first, section.c_str(), key.c_str()))
                << address;
        }
    }
}

TEST(ConverterSettings, DelaysAreClampedAndNumbersTakeTheLeadingNumber) {
    common::MemorySettingsStore store;
    store.write(kConverterApp, "Extra", "ScrollTimerInterval", "20");
    store.write(kConverterApp, "Extra", "ShowMenuDelay", "5000");
    store.write(kConverterApp, "Extra", "ShowHintDelay", "99.6");
    store.write(kConverterApp, "Option", "Digits", " 8 digits");
    store.write(kConverterApp, "Option", "SciDigits", "2.5");
    store.write(kConverterApp, "View", "SortUnit", "true");
    const ConverterSettings s = readConverterSettings(store).value();
    EXPECT_EQ(s.scrollTimerInterval, 50);
    EXPECT_EQ(s.showMenuDelay, 2000);
    EXPECT_EQ(s.showHintDelay, 100);
    EXPECT_EQ(s.digits, 8);
    EXPECT_EQ(s.sciDigits, 2);
    EXPECT_TRUE(s.sortUnit);
}

struct FaultCase {
    const char* name;
    const char* section;
    const char* key;
    const char* value;
    const char* marker;
};

std::ostream& operator<<(std::ostream& out, const FaultCase& c) {
    return out << c.section << "/" << c.key << " = " << c.value;
}

class ConverterSettingsFault : public testing::TestWithParam<FaultCase> {};

TEST_P(ConverterSettingsFault, StopsAtTheMarkerKeepingWhatWasRead) {
    common::MemorySettingsStore store;
    store.write(kConverterApp, "Form", "Width", "12000");
    store.write(kConverterApp, "Dim", "Unit", "50");
    store.write(kConverterApp, GetParam().section, GetParam().key, GetParam().value);
    const common::Outcome<ConverterSettings> outcome = readConverterSettings(store);
    ASSERT_TRUE(!outcome.notices().empty());
    EXPECT_EQ(outcome.notices().front().text, std::string("Error Code = ") + GetParam().marker);
    EXPECT_EQ(outcome.notices().front().title, "Quantora 2000");
    EXPECT_EQ(outcome.value().window.width, 12000);
    EXPECT_EQ(outcome.value().limits.maxUnit, 100);  // never reached, or refused
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ConverterSettingsFault,
    testing::Values(FaultCase{"ShortHintFlags", "Extra", "ShowMessage", "11", "PRCG14"},
                    FaultCase{"LetterInHintFlags", "Extra", "ShowMessage", "11x111", "PRCG14"},
                    FaultCase{"NonNumericDim", "Dim", "Category", "many", "PRCG14"},
                    FaultCase{"DigitsOverflow", "Option", "Digits", "70000", "PRCG02"},
                    FaultCase{"NotABoolean", "Option", "ShowError", "perhaps", "PRCG02"},
                    FaultCase{"FontSizeOverflow", "Font", "FontSize2", "1e9", "PRCG05"},
                    FaultCase{"ImpossibleProduct", "Dim", "Quantity", "30000", "PRCG14"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConverterSettings, SelectedNodeIsKeptOnlyForQuantityNodes) {
    ConversionTable table;
    table.categoryCount = 5;
    table.allocationCount = 3;
    EXPECT_EQ(normalisedSelNodeIndex(9, table), 9);
    EXPECT_EQ(normalisedSelNodeIndex(7, table), 7);
    EXPECT_EQ(normalisedSelNodeIndex(10, table), 1);
    EXPECT_EQ(normalisedSelNodeIndex(4, table), 1);
    EXPECT_EQ(normalisedSelNodeIndex(1, table), 1);
}

TEST(ConverterSettings, MaximisedWindowKeepsTheNormalGeometry) {
    ConverterSettings s;
    s.window = WindowGeometry{300, 200, 9000, 7000};
    recordWindowState(s, 1, {1, 2, 3, 4}, 2, WindowGeometry{0, 0, 20000, 15000});
    EXPECT_EQ(s.state, 2);
    EXPECT_EQ(s.window.width, 9000);
    EXPECT_EQ(s.headerWidth[1], (std::array<float, 4>{1, 2, 3, 4}));
    recordWindowState(s, 0, s.headerWidth[0], 0, WindowGeometry{10, 20, 8000, 6000});
    EXPECT_EQ(s.window.left, 10);
    EXPECT_EQ(s.window.height, 6000);
}

}  // namespace
