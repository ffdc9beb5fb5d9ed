#include "common/text_encoding.h"
#include "converter/engine/conversion_driver.h"
#include "converter/engine/linear_conversion.h"

#include "table_test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace quantora {
namespace {

const std::string kPm(common::kPlusMinus);
using tabletest::setUnits;
using tabletest::unit;

// One category; Number System and Constants under the root (nodes 3 and 4),
// then Length (node 5), Temperature (node 6) and a quantity of odd units (node 7).
class EngineConversion : public testing::Test {
protected:
    enum Quantities { kNumbers = 1, kConstants, kLength, kTemperature, kOdd };

    EngineConversion() {
        m_table.categoryCount = 1;
        m_table.category(1) = Category{1, "Physics", 1};
        setUnits(m_table, kNumbers, "Number System",
                 {unit("Binary", "2", ""), unit("Octal", "8", ""), unit("Decimal", "10", ""),
                  unit("Hexadecimal", "16", "")});
        setUnits(m_table, kConstants, "Constants", {unit("c", "299792458", "m/s", "0", "0")});
        setUnits(m_table, kLength, "Length",
                 {unit("m", "1", "0"), unit("mm", "0.001", "0"), unit("km", "1000", "0", "0.5", "0"),
                  unit("inch", "0,0254", "0"), unit("a", "12", "0"), unit("b", "123", "0"),
                  unit("void", "", ""), unit("two", "2", "0", "2", "0")});
        setUnits(m_table, kTemperature, "Temperature",
                 {unit("K", "1", "0"), unit("C", "1", "273.15"),
                  unit("F", "0.555555555555556", "255.372222222222"),
                  unit("F truncated", "0.555555555555556", "255.3722")});
        setUnits(m_table, kOdd, "Odd",
                 {unit("A", "1", "1", "0", "0,5"), unit("B", "1", "1", "0", "0"), unit("huge", "1e999", "0"),
                  unit("ten", "10", "0")});
        m_table.quantityCount = 5;
        m_table.allocationCount = 5;
        for (int m = 1; m <= 5; ++m) {
            m_table.allocation(m) =
                NodeAllocationEntry{static_cast<std::int16_t>(m), static_cast<std::int16_t>(m <= 2 ? 1 : 2)};
        }
    }

    void select(int quantity, int from, int into) {
        m_units = {quantity, from, into};
        m_numberSystem = m_table.kindOf(m_table.allocationNode(quantity)) == NodeKind::NumberSystem;
    }

    ConversionOutcome run(std::string_view typed, bool showError = false,
                          common::DecimalSeparator separator = common::DecimalSeparator::Dot,
                          NotationOptions notation = {}) {
        return runConversion(
            ConversionRequest{m_table, m_units, m_numberSystem, typed, notation, showError, separator});
    }

    const UnitItem& u(int q, int j) const { return m_table.unit(q, j); }

    ConversionTable m_table;
    UnitChoice m_units;
    bool m_numberSystem = false;
};

TEST_F(EngineConversion, ConvertsWithCommaFieldsAndReportsArithmeticFaults) {
    EXPECT_EQ(convert(u(kLength, 1), u(kLength, 2), "1").value, 1000);
    EXPECT_DOUBLE_EQ(convert(u(kLength, 4), u(kLength, 1), "100").value, 2.54);
    EXPECT_DOUBLE_EQ(convert(u(kTemperature, 2), u(kTemperature, 1), "-273.15").value, 0);
    // A blank convert-into rate gives 0 without a fault.
    const ConvertResult blank = convert(u(kLength, 1), u(kLength, 7), "5");
    EXPECT_EQ(blank.value, 0);
    EXPECT_FALSE(blank.fault);
    EXPECT_TRUE(convert(u(kOdd, 4), u(kLength, 1), "1e308").fault);  // overflow
    EXPECT_TRUE(convert(u(kOdd, 3), u(kLength, 1), "1").fault);      // a rate beyond the double range
    EXPECT_TRUE(convert(u(kLength, 1), u(kOdd, 3), "1").fault);      // even as a divisor
    EXPECT_FALSE(convert(u(kOdd, 4), u(kLength, 1), "1e307").fault);
}

TEST(EngineRoundError, HalfAUnitOfTheLastWrittenDigit) {
    EXPECT_DOUBLE_EQ(roundingError("1.23"), 0.005);
    EXPECT_DOUBLE_EQ(roundingError("1500"), 0.5);
    EXPECT_DOUBLE_EQ(roundingError("0.050"), 0.0005);
    EXPECT_DOUBLE_EQ(roundingError("1.5E3"), 50);
    EXPECT_DOUBLE_EQ(roundingError("1.5e-3"), 0.00005);
    EXPECT_DOUBLE_EQ(roundingError("-2.5"), 0.05);
    EXPECT_EQ(roundingError("0"), 0);
    EXPECT_EQ(roundingError("0.000"), 0);
    EXPECT_EQ(roundingError(""), 0);
    EXPECT_EQ(removeDot("1.2.3"), "12.3");
    EXPECT_EQ(removeDot("12"), "12");
}

TEST_F(EngineConversion, ErrorEstimates) {
    // 1000 and 1 share their digits: exact whatever the stated rate error.
    EXPECT_EQ(errorEstimate(u(kLength, 3), u(kLength, 1), "2.5?", false), kPm + "0");
    EXPECT_EQ(errorEstimate(u(kLength, 2), u(kLength, 3), "7", true), kPm + "0");
    EXPECT_NE(errorEstimate(u(kLength, 4), u(kLength, 2), "7", true), kPm + "0");
    // Rates 12 and 123 share a prefix but not their digits: the error is
    // estimated from half a unit of each rate's last digit.
    EXPECT_EQ(errorEstimate(u(kLength, 5), u(kLength, 6), "2.5", true), kPm + "1.12E-02");
    // An inexact input adds half a unit of its last digit (0.05 here).
    EXPECT_EQ(errorEstimate(u(kLength, 5), u(kLength, 6), "2.5?", false), kPm + "1.60E-02");
    // Offsets make even equal digits inexact; stated errors replace the half units.
    EXPECT_EQ(errorEstimate(u(kOdd, 1), u(kOdd, 2), "1234567", true), kPm + "5.00E-01");
    // No estimate when the convert-into rate minus its error is zero, or a rate is out of range.
    EXPECT_FALSE(errorEstimate(u(kLength, 1), u(kLength, 8), "1", true).has_value());
    EXPECT_FALSE(errorEstimate(u(kOdd, 3), u(kLength, 1), "1", true).has_value());
}

struct SnapCase {
    const char* name;
    double result;
    int fromUnit;
    int intoUnit;
    bool snapped;
};

std::ostream& operator<<(std::ostream& out, const SnapCase& c) {
    return out << c.result << " from unit " << c.fromUnit << " into unit " << c.intoUnit;
}

class EngineTemperatureSnap : public EngineConversion, public testing::WithParamInterface<SnapCase> {};

TEST_P(EngineTemperatureSnap, OnlyResiduesBelowTheLastDigit) {
    const SnapCase& c = GetParam();
    double result = c.result;
    std::string error = "unchanged";
    specialTemperatureConversion(result, error, u(kTemperature, c.fromUnit), u(kTemperature, c.intoUnit), 6);
    EXPECT_EQ(result, c.snapped ? 0.0 : c.result);
    EXPECT_EQ(error, c.snapped ? kPm + "0" : "unchanged");
}

INSTANTIATE_TEST_SUITE_P(Threshold, EngineTemperatureSnap,
                         testing::Values(SnapCase{"FahrenheitToCelsius", 0.000004, 3, 2, true},
                                         SnapCase{"CelsiusToFahrenheit", -0.000004, 2, 4, true},
                                         SnapCase{"ThresholdIsStrict", 0.00001, 3, 2, false},
                                         SnapCase{"KelvinIsNotSnapped", 0.000004, 1, 2, false},
                                         SnapCase{"BothCelsius", 0.000004, 2, 2, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EngineConversion, DriverWritesResultAndBareValue) {
    select(kLength, 1, 2);
    const ConversionOutcome plain = run(" 1.5 ");
    EXPECT_EQ(plain.output, "1500.00");
    EXPECT_EQ(plain.dest, "1500.00");
    EXPECT_TRUE(plain.inputExact);
    EXPECT_TRUE(plain.notices.empty());

    const ConversionOutcome marked = run("100?", true);
    EXPECT_EQ(marked.output, "100000 " + kPm + "0");
    EXPECT_EQ(marked.dest, "100000");
    EXPECT_FALSE(marked.inputExact);

    select(kLength, 5, 6);
    const ConversionOutcome estimated = run("2.5?", true);
    EXPECT_EQ(estimated.output, "0.243902 " + kPm + "1.60E-02");
    EXPECT_EQ(estimated.dest, "0.243902");
}

TEST_F(EngineConversion, DriverOnACommaPlatform) {
    select(kOdd, 1, 2);
    const ConversionOutcome shown = run("1234567", true, common::DecimalSeparator::Comma);
    EXPECT_EQ(shown.output, "1,23457E+06 " + kPm + "5,00E-01");
    EXPECT_EQ(shown.dest, "1,23457E+06");
    EXPECT_FALSE(shown.showDecimalSepHint);

    select(kLength, 1, 2);
    EXPECT_EQ(run("2,5", false, common::DecimalSeparator::Comma).output, "2500,00");
    const ConversionOutcome dotTyped = run("1.5", false, common::DecimalSeparator::Comma);
    EXPECT_EQ(dotTyped.output, "1500,00");
    EXPECT_TRUE(dotTyped.showDecimalSepHint);
    // A comma typed on a dot platform converts too, with the hint.
    const ConversionOutcome commaTyped = run("2,5");
    EXPECT_EQ(commaTyped.output, "2500.00");
    EXPECT_TRUE(commaTyped.showDecimalSepHint);
}

TEST_F(EngineConversion, DriverInputsThatShowNothingOrInputError) {
    select(kLength, 1, 2);
    for (const char* cleared : {"", "   ", "-", "+"}) {
        const ConversionOutcome outcome = run(cleared);
        EXPECT_EQ(outcome.output, "") << cleared;
        EXPECT_FALSE(outcome.dest.has_value()) << cleared;
    }
    for (const char* malformed : {"12 34", "12abc", "-12abc", "?", "-?", "1,2,3"}) {
        const ConversionOutcome outcome = run(malformed);
        EXPECT_EQ(outcome.output, "Input error") << malformed;
        EXPECT_FALSE(outcome.dest.has_value()) << malformed;
    }
    EXPECT_EQ(run("1e").output, "1000.00");
    EXPECT_EQ(run("-2E-").output, "-2000.00");

    select(kLength, 0, 2);
    EXPECT_EQ(run("1").output, "");
    select(kLength, 1, 9);  // beyond the unit count
    EXPECT_EQ(run("1").output, "");
    select(-1, 1, 2);
    EXPECT_EQ(run("1").output, "");
}

TEST_F(EngineConversion, DriverNumberSystemPath) {
    select(kNumbers, 4, 3);
    ASSERT_TRUE(m_numberSystem);
    const ConversionOutcome hex = run(" FF ");
    EXPECT_EQ(hex.output, "255");
    EXPECT_FALSE(hex.dest.has_value());
    EXPECT_EQ(run("FF?").output, "Input error");
    select(kNumbers, 3, 3);
    EXPECT_EQ(run("12").output, "");
}

TEST_F(EngineConversion, DriverTemperatureSnap) {
    select(kTemperature, 3, 2);
    EXPECT_EQ(run("32").output, "0.00000");
    EXPECT_EQ(run("32", true).output, "0.00000 " + kPm + "0");

    // Offsets truncated to 255.3722 leave a residue of 2.2E-05: snapped
    // with four digits, kept with six, never for an inexact input.
    select(kTemperature, 4, 2);
    EXPECT_EQ(run("32", false, common::DecimalSeparator::Dot, {4, 6, 0, 0}).output, "0.000");
    EXPECT_EQ(run("32?", false, common::DecimalSeparator::Dot, {4, 6, 0, 0}).output, "-0.00002222");
    EXPECT_EQ(run("32").output, "-0.0000222222");
}

TEST_F(EngineConversion, DriverArithmeticFaults) {
    select(kLength, 1, 8);  // rate 2 with rate error 2
    const ConversionOutcome estimate = run("3", true);
    EXPECT_EQ(estimate.output, "1.50000 ");
    EXPECT_EQ(estimate.dest, "1.50000");
    ASSERT_EQ(estimate.notices.size(), 1u);
    EXPECT_EQ(estimate.notices[0], invalidFactorsNotice());
    EXPECT_EQ(estimate.notices[0].title, " Quantora 2000");
    EXPECT_EQ(estimate.notices[0].icon, common::NoticeIcon::Exclamation);

    select(kOdd, 4, 2);  // 1e308 x 10 overflows
    const ConversionOutcome overflow = run("1e308", true);
    EXPECT_EQ(overflow.output, "");
    EXPECT_EQ(overflow.dest, "");
    EXPECT_EQ(overflow.notices, common::Notices{invalidFactorsNotice()});
}

// Whatever is typed, the convert-into box shows a number, "Input error" or
// nothing, in every quantity and unit pair.
TEST_F(EngineConversion, AnyTypedTextGivesANumberOrInputError) {
    std::mt19937 random(11);
    const std::string alphabet = "0123456789.,+-eEdD? &HhOx;\t";
    const std::vector<std::pair<int, int>> quantities{
        {kNumbers, 4}, {kLength, 8}, {kTemperature, 4}, {kOdd, 4}};
    for (int round = 0; round < 4000; ++round) {
        std::string typed;
        const std::size_t length = random() % 12;
        for (std::size_t k = 0; k < length; ++k)
            typed += alphabet[random() % alphabet.size()];
        const auto [quantity, units] = quantities[random() % quantities.size()];
        select(quantity, 1 + static_cast<int>(random() % units), 1 + static_cast<int>(random() % units));
        ConversionOutcome outcome;
        ASSERT_NO_THROW(outcome = run(typed, random() % 2 == 0)) << typed;
        const std::string& shown = outcome.output;
        const bool plausible =
            shown.empty() || shown == "Input error" || shown.find_first_of("0123456789") != std::string::npos;
        EXPECT_TRUE(plausible) << "'" << typed << "' gave '" << shown << "'";
        EXPECT_EQ(shown.find("nan"), std::string::npos) << typed;
        EXPECT_EQ(shown.find("inf"), std::string::npos) << typed;
    }
}

}  // namespace
}  // namespace quantora
