#include "converter/engine/table_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quantora {
namespace {

const std::string kTitleRule(36, '=');

std::vector<std::string> header(const std::string& filePath) {
    return {kTitleRule,
            "|  Quantora 2000 Conversion Table  |",
            kTitleRule + "\r",
            "Conversion Table File",
            "---------------------",
            filePath + "\r",
            "Category Properties (Category#, Name)",
            "-------------------------------------"};
}

std::vector<std::string> quantityBlock(const std::string& propertiesLine,
                                       const std::vector<std::string>& units) {
    std::vector<std::string> lines{
        " ",
        "Physical Quantity Properties (Quantity#, Icon#, Name, Unit Count)",
        std::string(65, '-'),
        propertiesLine,
        std::string(77, '-'),
        "Unit Properties (Icon#, Name, Slope, Intercept, Slope Error, Intercept Error)",
        std::string(77, '-')};
    lines.insert(lines.end(), units.begin(), units.end());
    return lines;
}

void append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

TEST(EngineTableReport, ListsEveryQuantityAndUnitAsTheTableHoldsThem) {
    ConversionTable table;
    table.filePath = "/home/user/DEFAULT.DAT";
    table.categoryCount = 2;
    table.category(1).name = "Mechanics";
    table.category(2).name = "Heat";
    table.quantityCount = 3;
    table.quantity(1).name = "Number System";
    table.quantity(1).icon = 2;
    table.quantity(2).name = "Constants";
    table.quantity(2).icon = 3;
    Quantity& length = table.quantity(3);
    length.name = "Length";
    length.icon = 4;
    length.unitCount = 2;
    table.unit(3, 1) = UnitItem{1, "m", "1", "0", "", "", "memo not printed"};
    table.unit(3, 2) = UnitItem{12, "inch", "0,0254", "0", "0", "1e-9", ""};
    table.allocationCount = 3;
    table.allocation(1) = {1, 1};
    table.allocation(2) = {2, 1};
    table.allocation(3) = {3, 2};

    std::vector<std::string> expected = header("/home/user/DEFAULT.DAT");
    append(expected,
           {"  1  Mechanics", "  2  Heat", " ",
            "Physical Quantity - Node Allocation (Order#, Quantity#, Node#, Name)", std::string(68, '-'),
            "  1   1   1  Number System", "  2   2   1  Constants", "  3   3   2  Length"});
    append(expected, quantityBlock("  1  2  Number System   0", {}));
    append(expected, quantityBlock("  2  3  Constants   0", {}));
    // Blank errors keep their separators: the line ends in four blanks.
    append(expected,
           quantityBlock("  3  4  Length   2", {"  1  m  1  0    ", " 12  inch  0,0254  0  0  1e-9"}));
    EXPECT_EQ(conversionTableReport(table), expected);
}

TEST(EngineTableReport, NoCategoriesAndWideNumbers) {
    TableLimits limits;
    limits.maxQuantity = 12345;
    ConversionTable table(limits);
    table.quantityCount = 12345;
    table.quantity(1234).name = "Four";
    table.quantity(12345).name = "Five";
    table.quantity(12345).unitCount = 10000;  // more than the storage holds: only what exists is listed
    table.allocationCount = 2;
    table.allocation(1) = {1234, 1};
    table.allocation(2) = {12345, 1};

    const std::vector<std::string> lines = conversionTableReport(table);
    std::vector<std::string> expected = header("");
    append(expected, {" ", "Physical Quantity - Node Allocation (Order#, Quantity#, Node#, Name)",
                      std::string(68, '-'), "  11234   1  Four", "  212345   1  Five"});
    append(expected, quantityBlock("1234  0  Four   0", {}));
    const std::vector<std::string> units(static_cast<std::size_t>(table.unitDimension()), "  0          ");
    append(expected, quantityBlock("12345  0  Five10000", units));
    EXPECT_EQ(lines, expected);
}

TEST(EngineTableReport, AllocationEntryWithoutQuantityLosesOnlyItsOwnLines) {
    ConversionTable table;
    table.quantityCount = 1;
    table.quantity(1).name = "Only";
    table.allocationCount = 2;
    table.allocation(1) = {-5, 1};
    table.allocation(2) = {1, 1};

    std::vector<std::string> expected = header("");
    append(expected, {" ", "Physical Quantity - Node Allocation (Order#, Quantity#, Node#, Name)",
                      std::string(68, '-'), "  2   1   1  Only"});
    append(expected, quantityBlock("", {}));
    expected.erase(expected.end() - 4);  // the properties line of the missing quantity
    append(expected, quantityBlock("  1  0  Only   0", {}));
    EXPECT_EQ(conversionTableReport(table), expected);
}

}  // namespace
}  // namespace quantora
