// The bundled conversion table: it loads cleanly, has the shape the program's
// defaults rely on (node 9 is Length), follows the table's conventions, saves
// back byte for byte, and its factors match their definitions, written here
// from the definitions themselves (inch 0.0254 m, pound 0.45359237 kg, ...).

#include "common/number_format.h"
#include "common/numeric_text.h"
#include "converter/engine/linear_conversion.h"
#include "converter/table/table_file.h"

#include "table_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace {
using namespace quantora;
using tabletest::TempFolder;

const std::string kBundledPath = std::string(BUNDLED_DATA_DIR) + "/DEFAULT.DAT";

// A copy of the bundled file read into a table; the reader changes the file's
// permissions, so it never reads the original in place.
struct BundledTable {
    TempFolder folder;
    std::string original;
    ConversionTable table;
    bool ok = false;
    common::Notices notices;

    explicit BundledTable(float twipsX = 15.0F, float twipsY = 15.0F) {
        original = tabletest::readBytes(kBundledPath);
        const std::string path = folder.file("DEFAULT.DAT");
        tabletest::writeBytes(path, original);
        common::Outcome<ConversionTable> read = readTable(path, TableLimits{}, folder.path(), twipsX, twipsY);
        ok = read.ok();
        notices = read.notices();
        if (ok)
            table = read.take();
    }
};

const BundledTable& bundled() {
    static const BundledTable loaded;
    return loaded;
}

int quantityNamed(const ConversionTable& t, const std::string& name) {
    for (int k = 1; k <= t.quantityCount; ++k) {
        if (t.quantity(k).name == name)
            return k;
    }
    return 0;
}

std::optional<UnitItem> findUnit(const std::string& quantity, const std::string& unit) {
    const ConversionTable& t = bundled().table;
    const int k = quantityNamed(t, quantity);
    if (k == 0)
        return std::nullopt;
    for (int j = 1; j <= t.quantity(k).unitCount; ++j) {
        if (t.unit(k, j).name == unit)
            return t.unit(k, j);
    }
    return std::nullopt;
}

TEST(DefaultTable, LoadsWithoutAnyNotice) {
    ASSERT_FALSE(bundled().original.empty()) << kBundledPath;
    EXPECT_TRUE(bundled().ok);
    EXPECT_TRUE(bundled().notices.empty());
    EXPECT_EQ(bundled().table.fileEncoding, ConversionTable::FileEncoding::Windows1252);
}

TEST(DefaultTable, EveryLineEndsWithCarriageReturnAndLineFeed) {
    const std::string& bytes = bundled().original;
    ASSERT_GE(bytes.size(), 2U);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "byte " << i;
        } else if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "byte " << i;
        }
    }
}

TEST(DefaultTable, ShapeMatchesTheStartUpDefaults) {
    const ConversionTable& t = bundled().table;
    ASSERT_EQ(t.categoryCount, 5);
    const char* categories[] = {"Space and Time", "Mechanics", "Heat and Matter", "Electricity and Magnetism",
                                "Light, Radiation and Information"};
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(t.category(c).name, categories[c - 1]);
        EXPECT_EQ(t.category(c).expandedFlag, 1) << "categories start expanded";
    }
    EXPECT_EQ(t.allocation(1), (NodeAllocationEntry{1, 1}));
    EXPECT_EQ(t.allocation(2).parentNode, 1);
    EXPECT_EQ(t.quantity(1).name, "Number System");
    EXPECT_EQ(t.quantity(t.allocation(2).quantityNo).name, "Constants");
    EXPECT_EQ(t.numberSystemNode(), 7);
    EXPECT_EQ(t.constantsNode(), 8);
    EXPECT_EQ(t.allocationNode(3), 9);
    EXPECT_EQ(t.quantity(t.allocation(3).quantityNo).name, "Length");

    // Every quantity is in the tree, each ordinary one under a category.
    EXPECT_EQ(t.allocationCount, t.quantityCount);
    for (int m = 3; m <= t.allocationCount; ++m) {
        EXPECT_GE(t.allocation(m).parentNode, 2);
        EXPECT_LE(t.allocation(m).parentNode, 6);
        EXPECT_GE(t.allocation(m).parentNode, t.allocation(m - 1).parentNode);
    }
}

TEST(DefaultTable, IsLargeAndWithinTheDefaultLimits) {
    const ConversionTable& t = bundled().table;
    const TableLimits limits;
    EXPECT_GE(t.quantityCount - 2, 60);
    EXPECT_LE(t.quantityCount, limits.maxQuantity);
    int units = 0;
    int withReferences = 0;
    for (int k = 3; k <= t.quantityCount; ++k) {
        units += t.quantity(k).unitCount;
        EXPECT_LE(t.quantity(k).unitCount, limits.maxUnit) << t.quantity(k).name;
        EXPECT_LE(t.quantity(k).refCount, kMaxReferenceItems) << t.quantity(k).name;
        if (t.quantity(k).refCount > 0)
            ++withReferences;
    }
    EXPECT_GE(units, 1000);
    EXPECT_GE(withReferences, 20);
    EXPECT_GE(t.quantity(t.allocation(2).quantityNo).unitCount, 40) << "constants";
}

TEST(DefaultTable, OrdinaryFactorsAreStrictNumbersAndUnitOneIsTheReference) {
    const ConversionTable& t = bundled().table;
    for (int k = 3; k <= t.quantityCount; ++k) {
        const Quantity& q = t.quantity(k);
        ASSERT_GE(q.unitCount, 2) << q.name;
        EXPECT_EQ(t.unit(k, 1).rate, "1") << q.name;
        EXPECT_EQ(t.unit(k, 1).offset, "0") << q.name;
        for (int j = 1; j <= q.unitCount; ++j) {
            const UnitItem& u = t.unit(k, j);
            const auto rate = common::strictDecimalValue(u.rate);
            ASSERT_TRUE(rate.has_value()) << q.name << " / " << u.name << ": " << u.rate;
            EXPECT_NE(*rate, 0.0) << q.name << " / " << u.name;
            EXPECT_TRUE(common::strictDecimalValue(u.offset).has_value()) << q.name << " / " << u.name;
            for (const std::string* error : {&u.rateError, &u.offsetError}) {
                if (error->empty())
                    continue;  // a rounded form: half a unit of its last digit
                const auto value = common::strictDecimalValue(*error);
                ASSERT_TRUE(value.has_value()) << q.name << " / " << u.name << ": " << *error;
                EXPECT_GE(*value, 0.0);
            }
        }
        for (int i = 1; i <= q.refCount; ++i) {
            EXPECT_TRUE(common::strictDecimalValue(t.reference(k, i).value).has_value())
                << q.name << " / " << t.reference(k, i).name;
        }
    }
}

TEST(DefaultTable, NamesAreUnique) {
    const ConversionTable& t = bundled().table;
    std::set<std::string> quantities;
    for (int k = 1; k <= t.quantityCount; ++k) {
        EXPECT_TRUE(quantities.insert(t.quantity(k).name).second) << t.quantity(k).name;
        std::set<std::string> units;
        for (int j = 1; j <= t.quantity(k).unitCount; ++j) {
            EXPECT_TRUE(units.insert(t.unit(k, j).name).second)
                << t.quantity(k).name << " / " << t.unit(k, j).name;
        }
    }
}

TEST(DefaultTable, NumberSystemAndConstants) {
    const ConversionTable& t = bundled().table;
    const std::pair<const char*, const char*> notations[] = {
        {"Binary", "2"}, {"Octal", "8"}, {"Decimal", "10"}, {"Hexadecimal", "16"}};
    ASSERT_EQ(t.quantity(1).unitCount, 4);
    for (int j = 1; j <= 4; ++j) {
        EXPECT_EQ(t.unit(1, j).name, notations[j - 1].first);
        EXPECT_EQ(t.unit(1, j).rate, notations[j - 1].second);
        EXPECT_FALSE(t.unit(1, j).memo.empty());
    }
    const int constants = t.allocation(2).quantityNo;
    for (int j = 1; j <= t.quantity(constants).unitCount; ++j) {
        const UnitItem& c = t.unit(constants, j);
        EXPECT_TRUE(common::strictDecimalValue(c.rate).has_value()) << c.name;
        EXPECT_EQ(c.rateError, "0") << c.name;
        EXPECT_EQ(c.offsetError, "0") << c.name;
        EXPECT_NE(c.memo.find("CODATA 2022"), std::string::npos) << c.name;
    }
}

TEST(DefaultTable, SavedCopyIsByteIdentical) {
    BundledTable copy;
    ASSERT_TRUE(copy.ok);
    copy.table.filePath = copy.folder.file("saved.dat");
    const NodeExpandedQuery expanded = [&](int node) -> std::optional<bool> {
        return node >= 2 && node <= copy.table.categoryCount + 1;
    };
    ASSERT_TRUE(saveTable(copy.table, expanded));
    EXPECT_TRUE(tabletest::readBytes(copy.table.filePath) == copy.original);
}

TEST(DefaultTable, PixelUnitsTakeTheDisplayRates) {
    BundledTable screen(12.0F, 16.0F);
    ASSERT_TRUE(screen.ok);
    const int k = quantityNamed(screen.table, "Screen Distance");
    ASSERT_GT(k, 0);
    EXPECT_EQ(screen.table.unit(k, 1).name, "twip");
    EXPECT_EQ(screen.table.unit(k, 2).rate, "12");
    EXPECT_EQ(screen.table.unit(k, 3).rate, "16");
}

TEST(DefaultTable, DefinitionsWorthKnowingCarryAMemo) {
    const std::pair<const char*, const char*> units[] = {{"Length", "foot (ft)"},
                                                         {"Length", "survey foot (ftUS)"},
                                                         {"Length", "survey mile (miUS)"},
                                                         {"Mass", "tonne (t)"},
                                                         {"Mass", "ton (short)"},
                                                         {"Energy", "calorie (IT) (cal)"},
                                                         {"Energy", "calorie (thermochemical) (cal_th)"}};
    for (const auto& [quantity, unit] : units) {
        const auto found = findUnit(quantity, unit);
        ASSERT_TRUE(found.has_value()) << unit;
        EXPECT_FALSE(found->memo.empty()) << unit;
    }
}

// --- Factors against their definitions ---------------------------------------

// Exact: the definition has a short finite decimal form, written in full with
// RateError "0". Rounded: written to 15 digits with RateError empty.
enum class Written { Exact, Rounded };

struct FactorRow {
    const char* id;
    const char* quantity;
    const char* unit;
    double definition;  // in unit 1 of the quantity
    Written written;
};

std::ostream& operator<<(std::ostream& out, const FactorRow& row) {
    return out << row.unit;
}

constexpr double kPi = std::numbers::pi;
constexpr double kInch = 0.0254;  // 1959 agreement
constexpr double kFoot = 12 * kInch;
constexpr double kMile = 5280 * kFoot;
constexpr double kPound = 0.45359237;  // 1959 agreement
constexpr double kGravity = 9.80665;   // 3rd CGPM
constexpr double kPoundForce = kPound * kGravity;
constexpr double kUsGallon = 231 * kInch * kInch * kInch;
constexpr double kCalIt = 4.1868;
constexpr double kBtuIt = kCalIt * 453.59237 * 5 / 9;  // per gram and kelvin carried to lb and °F
constexpr double kLight = 299792458;
constexpr double kJulianYear = 365.25 * 86400;
constexpr double kAu = 149597870700;  // IAU 2012

class DefaultTableFactor : public testing::TestWithParam<FactorRow> {};

TEST_P(DefaultTableFactor, MatchesItsDefinition) {
    const FactorRow& row = GetParam();
    const auto unit = findUnit(row.quantity, row.unit);
    ASSERT_TRUE(unit.has_value()) << row.quantity << " / " << row.unit;
    const double rate = common::numericTextValue(unit->rate);
    EXPECT_NEAR(rate / row.definition, 1.0, 1e-14) << unit->rate;
    EXPECT_EQ(unit->rateError, row.written == Written::Exact ? "0" : "") << unit->rate;
    EXPECT_EQ(common::numericTextValue(unit->offset), 0.0);
}

const FactorRow kFactors[] = {
    {"inch", "Length", "inch (in)", kInch, Written::Exact},
    {"foot", "Length", "foot (ft)", kFoot, Written::Exact},
    {"yard", "Length", "yard (yd)", 3 * kFoot, Written::Exact},
    {"mile", "Length", "mile (mi)", kMile, Written::Exact},
    {"nautical_mile", "Length", "nautical mile (nmi)", 1852, Written::Exact},
    {"fathom", "Length", "fathom (ftm)", 6 * kFoot, Written::Exact},
    {"chain", "Length", "chain (ch)", 66 * kFoot, Written::Exact},
    {"mil", "Length", "mil (mil)", kInch / 1000, Written::Exact},
    {"survey_foot", "Length", "survey foot (ftUS)", 1200.0 / 3937, Written::Rounded},
    {"survey_mile", "Length", "survey mile (miUS)", 5280 * 1200.0 / 3937, Written::Rounded},
    {"light_year", "Length", "light-year (ly)", kLight* kJulianYear, Written::Exact},
    {"astronomical_unit", "Length", "astronomical unit (au)", kAu, Written::Exact},
    {"parsec", "Length", "parsec (pc)", kAu * 648000 / kPi, Written::Rounded},
    {"point", "Length", "point (pt)", kInch / 72, Written::Rounded},
    {"angstrom", "Length", "ångström (Å)", 1e-10, Written::Exact},
    {"acre", "Area", "acre (ac)", 43560 * kFoot* kFoot, Written::Exact},
    {"hectare", "Area", "hectare (ha)", 1e4, Written::Exact},
    {"square_mile", "Area", "square mile (mi²)", kMile* kMile, Written::Exact},
    {"circular_mil", "Area", "circular mil (cmil)", kPi / 4 * 2.54e-5 * 2.54e-5, Written::Rounded},
    {"barn", "Area", "barn (b)", 1e-28, Written::Exact},
    {"liter", "Volume", "liter (L)", 1e-3, Written::Exact},
    {"us_gallon", "Volume", "gallon (US) (gal)", kUsGallon, Written::Exact},
    {"us_fluid_ounce", "Volume", "fluid ounce (US) (fl oz)", kUsGallon / 128, Written::Exact},
    {"us_teaspoon", "Volume", "teaspoon (US) (tsp)", kUsGallon / 768, Written::Exact},
    {"imperial_gallon", "Volume", "gallon (imperial) (gal)", 4.54609e-3, Written::Exact},
    {"imperial_pint", "Volume", "pint (imperial) (pt)", 4.54609e-3 / 8, Written::Exact},
    {"oil_barrel", "Volume", "barrel (oil) (bbl)", 42 * kUsGallon, Written::Exact},
    {"us_bushel", "Volume", "bushel (US) (bu)", 2150.42 * kInch* kInch* kInch, Written::Exact},
    {"acre_foot", "Volume", "acre-foot (ac·ft)", 43560 * kFoot* kFoot* kFoot, Written::Exact},
    {"degree", "Angle", "degree (°)", kPi / 180, Written::Rounded},
    {"gon", "Angle", "gon (gon)", kPi / 200, Written::Rounded},
    {"arc_second", "Angle", "second of arc (\")", kPi / 648000, Written::Rounded},
    {"nato_mil", "Angle", "mil (NATO)", 2 * kPi / 6400, Written::Rounded},
    {"hour", "Time", "hour (h)", 3600, Written::Exact},
    {"julian_year", "Time", "year (Julian) (a)", kJulianYear, Written::Exact},
    {"gregorian_year", "Time", "year (Gregorian)", 365.2425 * 86400, Written::Exact},
    {"km_per_hour", "Speed", "kilometer per hour (km/h)", 1000.0 / 3600, Written::Rounded},
    {"mph", "Speed", "mile per hour (mph)", kMile / 3600, Written::Exact},
    {"knot", "Speed", "knot (kn)", 1852.0 / 3600, Written::Rounded},
    {"standard_gravity", "Acceleration", "standard gravity (g0)", kGravity, Written::Exact},
    {"gal", "Acceleration", "gal (Gal)", 0.01, Written::Exact},
    {"rpm", "Angular Velocity", "revolution per minute (rpm)", 2 * kPi / 60, Written::Rounded},
    {"pound", "Mass", "pound (lb)", kPound, Written::Exact},
    {"ounce", "Mass", "ounce (oz)", kPound / 16, Written::Exact},
    {"grain", "Mass", "grain (gr)", kPound / 7000, Written::Exact},
    {"troy_ounce", "Mass", "troy ounce (oz t)", 480 * kPound / 7000, Written::Exact},
    {"stone", "Mass", "stone (st)", 14 * kPound, Written::Exact},
    {"short_ton", "Mass", "ton (short)", 2000 * kPound, Written::Exact},
    {"long_ton", "Mass", "ton (long)", 2240 * kPound, Written::Exact},
    {"slug", "Mass", "slug", kPoundForce / kFoot, Written::Rounded},
    {"carat", "Mass", "carat (ct)", 2e-4, Written::Exact},
    {"pound_per_cubic_foot", "Density", "pound per cubic foot (lb/ft³)", kPound / (kFoot * kFoot * kFoot),
     Written::Rounded},
    {"pound_force", "Force", "pound-force (lbf)", kPoundForce, Written::Exact},
    {"kilogram_force", "Force", "kilogram-force (kgf)", kGravity, Written::Exact},
    {"dyne", "Force", "dyne (dyn)", 1e-5, Written::Exact},
    {"poundal", "Force", "poundal (pdl)", kPound* kFoot, Written::Exact},
    {"atmosphere", "Pressure", "standard atmosphere (atm)", 101325, Written::Exact},
    {"bar", "Pressure", "bar (bar)", 1e5, Written::Exact},
    {"torr", "Pressure", "torr (Torr)", 101325.0 / 760, Written::Rounded},
    {"mm_mercury", "Pressure", "millimeter of mercury (mmHg)", 13595.1 * kGravity / 1000, Written::Exact},
    {"inch_water", "Pressure", "inch of water (inH2O)", 1000 * kGravity* kInch, Written::Exact},
    {"psi", "Pressure", "pound-force per square inch (psi)", kPoundForce / (kInch * kInch), Written::Rounded},
    {"technical_atmosphere", "Pressure", "technical atmosphere (at)", 98066.5, Written::Exact},
    {"calorie_it", "Energy", "calorie (IT) (cal)", kCalIt, Written::Exact},
    {"calorie_th", "Energy", "calorie (thermochemical) (cal_th)", 4.184, Written::Exact},
    {"btu_it", "Energy", "British thermal unit (IT) (BTU)", kBtuIt, Written::Exact},
    {"btu_th", "Energy", "British thermal unit (thermochemical) (BTU_th)", 4.184 * 453.59237 * 5 / 9,
     Written::Rounded},
    {"electronvolt", "Energy", "electronvolt (eV)", 1.602176634e-19, Written::Exact},
    {"kilowatt_hour", "Energy", "kilowatt-hour (kWh)", 3.6e6, Written::Exact},
    {"foot_pound", "Energy", "foot-pound force (ft·lbf)", kFoot* kPoundForce, Written::Exact},
    {"ton_tnt", "Energy", "ton of TNT (tTNT)", 4.184e9, Written::Exact},
    {"erg", "Energy", "erg (erg)", 1e-7, Written::Exact},
    {"horsepower", "Power", "horsepower (hp)", 550 * kFoot* kPoundForce, Written::Exact},
    {"metric_horsepower", "Power", "metric horsepower (PS)", 75 * kGravity, Written::Exact},
    {"ton_refrigeration", "Power", "ton of refrigeration (TR)", 12000 * kBtuIt / 3600, Written::Rounded},
    {"btu_per_pound", "Specific Energy", "BTU (IT) per pound (BTU/lb)", kBtuIt / kPound, Written::Exact},
    {"statcoulomb", "Electric Charge", "statcoulomb (statC)", 0.1 / kLight, Written::Rounded},
    {"ampere_hour", "Electric Charge", "ampere-hour (Ah)", 3600, Written::Exact},
    {"statvolt", "Voltage", "statvolt (statV)", kLight / 1e6, Written::Exact},
    {"gauss", "Magnetic Flux Density", "gauss (G)", 1e-4, Written::Exact},
    {"oersted", "Magnetic Field Strength", "oersted (Oe)", 1000 / (4 * kPi), Written::Rounded},
    {"debye", "Electric Dipole Moment", "debye (D)", 1e-21 / kLight, Written::Rounded},
    {"foot_candle", "Illuminance", "foot-candle (fc)", 1 / (kFoot * kFoot), Written::Rounded},
    {"curie", "Radioactivity", "curie (Ci)", 3.7e10, Written::Exact},
    {"roentgen", "Exposure", "röntgen (R)", 2.58e-4, Written::Exact},
    {"rem", "Equivalent Dose", "rem (rem)", 0.01, Written::Exact},
    {"kibibyte", "Data Storage", "kibibyte (KiB)", 8 * 1024, Written::Exact},
    {"megabyte", "Data Storage", "megabyte (MB)", 8e6, Written::Exact},
    {"rack_unit", "Length", "rack unit (U)", 1.75 * kInch, Written::Exact},
    {"imperial_cup", "Volume", "cup (imperial)", 4.54609e-3 / 16, Written::Exact},
    {"australian_tablespoon", "Volume", "tablespoon (Australia)", 20e-6, Written::Exact},
    {"minute_per_mile", "Pace", "minute per mile (min/mi)", 60 / kMile, Written::Rounded},
    {"decibar", "Pressure", "decibar (dbar)", 1e4, Written::Exact},
    {"darcy", "Fluid Permeability", "darcy (D)", 1e-3 * 1e-6 * 1e-2 / (1e-4 * 101325), Written::Rounded},
    {"liter_per_100_km", "Fuel Consumption", "liter per 100 kilometers (L/100 km)", 1e-3 / 1e5,
     Written::Exact},
    {"kwh_per_100_km", "Vehicle Energy Use", "kilowatt-hour per 100 kilometers (kWh/100 km)", 3.6e6 / 1e5,
     Written::Exact},
    {"picocurie_per_liter", "Activity Concentration", "picocurie per liter (pCi/L)", 3.7e10 * 1e-12 / 1e-3,
     Written::Exact},
    {"dot_per_inch", "Resolution", "dot per inch (dpi)", 1 / kInch, Written::Rounded},
};

INSTANTIATE_TEST_SUITE_P(DefaultTable, DefaultTableFactor, testing::ValuesIn(kFactors),
                         [](const testing::TestParamInfo<FactorRow>& info) {
                             return std::string(info.param.id);
                         });

TEST(DefaultTable, TemperatureScalesFollowTheirDefinitions) {
    const auto fahrenheit = findUnit("Temperature", "degree Fahrenheit (°F)");
    const auto celsius = findUnit("Temperature", "degree Celsius (°C)");
    ASSERT_TRUE(fahrenheit && celsius);
    EXPECT_EQ(fahrenheit->rate, "0.555555555555556");
    EXPECT_EQ(fahrenheit->offset.substr(0, 8), "255.3722") << "the snap of small residues looks for it";
    EXPECT_NEAR(common::numericTextValue(fahrenheit->offset), 459.67 * 5 / 9, 1e-12);
    EXPECT_EQ(celsius->rate, "1");
    EXPECT_EQ(celsius->offset, "273.15");
    EXPECT_EQ(celsius->offsetError, "0");
}

// --- Conversions through the file's fields -------------------------------------
// Factors are checked above; these rows check the offsets, the display rates
// and units the factor table does not list.

struct ConversionRow {
    const char* id;
    const char* quantity;
    const char* from;
    const char* into;
    const char* value;
    const char* expected;  // the result as "0.00000" shows it
};

std::ostream& operator<<(std::ostream& out, const ConversionRow& row) {
    return out << row.value << " " << row.from << " in " << row.into;
}

class DefaultTableConversion : public testing::TestWithParam<ConversionRow> {};

TEST_P(DefaultTableConversion, GivesTheKnownResult) {
    const ConversionRow& row = GetParam();
    const auto from = findUnit(row.quantity, row.from);
    const auto into = findUnit(row.quantity, row.into);
    ASSERT_TRUE(from.has_value()) << row.from;
    ASSERT_TRUE(into.has_value()) << row.into;
    EXPECT_EQ(common::formatPattern(convert(*from, *into, row.value).value, "0.00000"), row.expected);
}

const char* const kCelsius = "degree Celsius (°C)";
const char* const kFahrenheit = "degree Fahrenheit (°F)";

const ConversionRow kConversions[] = {
    {"boiling_water_c_to_f", "Temperature", kCelsius, kFahrenheit, "100", "212.00000"},
    {"minus_forty_c_to_f", "Temperature", kCelsius, kFahrenheit, "-40", "-40.00000"},
    {"freezing_f_to_c", "Temperature", kFahrenheit, kCelsius, "32", "0.00000"},
    {"absolute_zero_in_f", "Temperature", "kelvin (K)", kFahrenheit, "0", "-459.67000"},
    {"freezing_c_to_rankine", "Temperature", kCelsius, "degree Rankine (°R)", "0", "491.67000"},
    {"boiling_c_to_reaumur", "Temperature", kCelsius, "degree Réaumur (°Ré)", "100", "80.00000"},
    {"boiling_c_to_delisle", "Temperature", kCelsius, "degree Delisle (°De)", "100", "0.00000"},
    {"freezing_c_to_delisle", "Temperature", kCelsius, "degree Delisle (°De)", "0", "150.00000"},
    {"boiling_c_to_romer", "Temperature", kCelsius, "degree Rømer (°Rø)", "100", "60.00000"},
    {"boiling_c_to_newton", "Temperature", kCelsius, "degree Newton (°N)", "100", "33.00000"},
    {"interval_f_to_k", "Temperature Interval", kFahrenheit, "kelvin (K)", "9", "5.00000"},
    {"inch_to_pixels", "Screen Distance", "inch (in)", "pixel (x)", "1", "96.00000"},
    {"psig_to_barg", "Gauge Pressure", "psi gauge (psig)", "bar gauge (barg)", "30", "2.06843"},
    {"zero_gauge_is_one_atmosphere", "Gauge Pressure", "bar gauge (barg)", "pascal absolute (Pa)", "0",
     "101325.00000"},
    {"vacuum_in_psig", "Gauge Pressure", "pascal absolute (Pa)", "psi gauge (psig)", "0", "-14.69595"},
    {"imperial_to_us_gallons_per_100_miles", "Fuel Consumption", "gallon (imperial) per 100 miles",
     "gallon (US) per 100 miles (gal/100 mi)", "1", "1.20095"},
};

INSTANTIATE_TEST_SUITE_P(DefaultTable, DefaultTableConversion, testing::ValuesIn(kConversions),
                         [](const testing::TestParamInfo<ConversionRow>& info) {
                             return std::string(info.param.id);
                         });

}  // namespace
