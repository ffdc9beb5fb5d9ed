#include "converter/table/table_file.h"

#include "table_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

namespace {
using namespace quantora;
using tabletest::TempFolder;

const std::string kUnitLimit = "The number of unit items exceeds the limit (100).";
const std::string kGroupLimit = "The number of groups exceeds the limit (200).";
const std::string kCategoryLimit = "The number of categories exceeds the limit (30).";
const std::string kMissingPair = "A pair of the reference data does not have its value.";
const std::string kReferenceLimit = "The number of reference data exceeds the limit (20).";
const std::string kAllocation =
    "The node allocation entry 2 of this file names no quantity or no parent node it can have.";

// Reads lines written to a temporary table file; keeps folder and table for inspection.
struct LoadedTable {
    TempFolder folder;
    ConversionTable table;
    bool ok = false;
    common::Notices notices;
    std::string path;

    explicit LoadedTable(const std::vector<std::string>& lines, TableLimits limits = {})
        : LoadedTable(tabletest::joinCrlf(lines), limits) {}
    LoadedTable(const std::string& bytes, TableLimits limits) : path(folder.file("table.dat")) {
        tabletest::writeBytes(path, bytes);
        common::Outcome<ConversionTable> read = readTable(path, limits, folder.path(), 15.0F, 12.0F);
        ok = read.ok();
        notices = read.notices();
        if (ok)
            table = read.take();
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const auto& notice : notices)
            result.push_back(notice.text);
        return result;
    }
};

std::vector<std::string> withLengthUnits(const std::vector<std::string>& unitLines, int unitCount) {
    std::vector<std::string> lines{";E;", "1;1;Number System", "2;1;Constants", "3;1;Length", ";E;"};
    for (const std::string& line : tabletest::specialSections())
        lines.push_back(line);
    lines.push_back("1;Length;" + std::to_string(unitCount));
    for (const std::string& line : unitLines)
        lines.push_back(line);
    lines.push_back(";E;");
    return lines;
}

std::string unitLineWithFields(int fields) {
    std::string line = "1;meter;1;0;;;memo";
    for (int f = 8; f <= fields; ++f)
        line += ";f" + std::to_string(f);
    return line;
}

TEST(TableRead, ReadsEverySectionIntoTheTable) {
    LoadedTable loaded(tabletest::smallTableLines());
    ASSERT_TRUE(loaded.ok);
    EXPECT_TRUE(loaded.notices.empty());
    const ConversionTable& t = loaded.table;
    EXPECT_EQ(t.categoryCount, 1);
    EXPECT_EQ(t.quantityCount, 3);
    EXPECT_EQ(t.allocationCount, 3);
    EXPECT_EQ(t.category(1), (Category{2, "Mechanics", 1}));
    EXPECT_EQ(t.allocation(3), (NodeAllocationEntry{3, 2}));
    EXPECT_EQ(t.quantity(3).name, "Length");
    EXPECT_EQ(t.unit(3, 2), (UnitItem{1, "inch", "0.0254", "0", "0", "0", ""}));
    ASSERT_EQ(t.quantity(3).refCount, 1);
    EXPECT_EQ(t.reference(3, 1), (ReferenceItem{"Half meter", "0.5"}));
    EXPECT_EQ(t.numberSystemNode(), 3);
    EXPECT_EQ(t.constantsNode(), 4);
    EXPECT_EQ(t.allocationNode(3), 5);
    EXPECT_EQ(t.unitCapacity(), 2);
    EXPECT_TRUE(tabletest::isReadOnly(loaded.path));
}

TEST(TableRead, BlankLinesPaddedTerminatorsAndLineFeedsReadTheSame) {
    std::vector<std::string> padded;
    std::string lineFeeds;
    for (const std::string& line : tabletest::smallTableLines()) {
        padded.push_back(line == ";E;" ? "   ;E;  " : line);
        padded.push_back("   ");
        lineFeeds += line + "\n";
    }
    LoadedTable plain(tabletest::smallTableLines());
    for (const LoadedTable& other : {LoadedTable(padded), LoadedTable(lineFeeds, TableLimits{})}) {
        ASSERT_TRUE(other.ok);
        EXPECT_EQ(other.table.quantityCount, plain.table.quantityCount);
        EXPECT_EQ(other.table.unit(3, 1), plain.table.unit(3, 1));
        EXPECT_EQ(other.table.unit(3, 2), plain.table.unit(3, 2));
    }
}

TEST(TableRead, MissingFileNamesThePathAndNoPathMeansTheDefaultTable) {
    TempFolder folder;
    const std::string path = folder.file("absent.dat");
    const common::Outcome<ConversionTable> read = readTable(path, {}, folder.path(), 15, 15);
    EXPECT_FALSE(read);
    ASSERT_EQ(read.notices().size(), 1u);
    EXPECT_EQ(read.notices()[0].text,
              "'" + path + "'\r\nThis file does not exist or cannot be read. Please check the file name.");
    EXPECT_EQ(read.notices()[0].title, " Quantora 2000");
    EXPECT_EQ(read.notices()[0].icon, common::NoticeIcon::Exclamation);

    tabletest::writeBytes(folder.file("DEFAULT.DAT"), tabletest::joinCrlf(tabletest::smallTableLines()));
    ConversionTable table;
    EXPECT_TRUE(tabletest::reload(table, {}, folder.path()));
    EXPECT_EQ(table.filePath, folder.path() + "/DEFAULT.DAT");
}

struct FailureCase {
    const char* name;
    std::vector<std::string> lines;
    std::string message;
};

std::ostream& operator<<(std::ostream& out, const FailureCase& c) {
    return out << c.name;
}

class TableReadFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(TableReadFailure, ReportsTheSectionsMessage) {
    LoadedTable loaded(GetParam().lines);
    EXPECT_FALSE(loaded.ok);
    ASSERT_FALSE(loaded.notices.empty());
    EXPECT_EQ(loaded.notices.back().text, GetParam().message);
}

std::vector<std::string> categoryLines(int count) {
    std::vector<std::string> lines;
    for (int c = 1; c <= count; ++c)
        lines.push_back("1;Category " + std::to_string(c) + ";1");
    lines.push_back(";E;");
    lines.push_back("1;1;Number System");
    lines.push_back("2;1;Constants");
    lines.push_back(";E;");
    for (const std::string& line : tabletest::specialSections())
        lines.push_back(line);
    return lines;
}

std::vector<std::string> unitLines(int count) {
    std::vector<std::string> lines;
    for (int j = 1; j <= count; ++j)
        lines.push_back("1;unit " + std::to_string(j) + ";" + std::to_string(j) + ";0;;;");
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Limits, TableReadFailure,
    testing::Values(
        FailureCase{"ThirtyOneCategories", categoryLines(31), kCategoryLimit},
        FailureCase{"EmptyCategoryIcon", {";Mechanics;1", ";E;", ";E;", ";E;"}, kCategoryLimit},
        FailureCase{"NoTerminator", {"1;Mechanics;1"}, kCategoryLimit},
        FailureCase{"OneTerminator", {"1;Mechanics;1", ";E;", "1;1;Number System"}, kGroupLimit},
        FailureCase{"HundredAndOneUnits", withLengthUnits(unitLines(101), 3), kUnitLimit},
        FailureCase{"UnitCountAboveLimit", withLengthUnits(unitLines(2), 101), kUnitLimit},
        FailureCase{"NegativeUnitCount", withLengthUnits(unitLines(2), -1), kUnitLimit},
        FailureCase{"NonNumericUnitIcon", withLengthUnits({"x;meter;1;0;;;"}, 1), kUnitLimit},
        FailureCase{"IconOutOfRange", withLengthUnits({"40000;meter;1;0;;;"}, 1), kUnitLimit},
        FailureCase{"AllocationNamesNoQuantity",
                    {";E;", "1;1;Number System", "9;1;Nothing", ";E;", "1;A;0", ";E;", "1;B;0", ";E;"},
                    kAllocation},
        FailureCase{"AllocationTwice",
                    {";E;", "1;1;Number System", "1;1;Again", ";E;", "1;A;0", ";E;", "1;B;0", ";E;"},
                    kAllocation},
        FailureCase{"AllocationUnderMissingCategory",
                    {";E;", "1;1;Number System", "2;2;Constants", ";E;", "1;A;0", ";E;", "1;B;0", ";E;"},
                    kAllocation}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TableRead, TooManyQuantitiesLeavesTheFileWritable) {
    std::vector<std::string> lines{";E;", ";E;"};
    for (int k = 1; k <= 201; ++k) {
        lines.push_back("1;Q" + std::to_string(k) + ";0");
        lines.push_back(";E;");
    }
    LoadedTable loaded(lines);
    EXPECT_EQ(loaded.texts(), std::vector<std::string>{kGroupLimit});
    EXPECT_FALSE(tabletest::isReadOnly(loaded.path));
}

struct ReferenceCase {
    const char* name;
    int fields;
    int refCount;
    std::vector<std::string> notices;
};

std::ostream& operator<<(std::ostream& out, const ReferenceCase& c) {
    return out << c.fields << " fields";
}

class ReferencePairs : public testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferencePairs, CountAndNoticesFollowTheFieldCount) {
    LoadedTable loaded(withLengthUnits({unitLineWithFields(GetParam().fields)}, 1));
    EXPECT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.texts(), GetParam().notices);
    EXPECT_EQ(loaded.table.quantity(3).refCount, GetParam().refCount);
}

INSTANTIATE_TEST_SUITE_P(Fields, ReferencePairs,
                         testing::Values(ReferenceCase{"Seven", 7, 0, {}}, ReferenceCase{"Nine", 9, 1, {}},
                                         ReferenceCase{"Ten", 10, 2, {kMissingPair}},
                                         ReferenceCase{"Twelve", 12, 2, {kMissingPair}},
                                         ReferenceCase{
                                             "FortyEight", 48, 20, {kMissingPair, kReferenceLimit}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TableRead, LenientFieldsTakeTheLeadingNumberAndStrictOnesRoundHalvesToEven) {
    LoadedTable loaded({"2.5;A;1 (open)", "3.5;B;", "1;C;-0.5", ";E;", " 1x;1;Number System",
                        "2;1.4;Constants", ";E;", "1;Number System;0", ";E;", "1;Constants;0", ";E;"});
    ASSERT_TRUE(loaded.ok) << loaded.texts().back();
    EXPECT_EQ(loaded.table.category(1), (Category{2, "A", 1}));
    EXPECT_EQ(loaded.table.category(2), (Category{4, "B", 0}));
    EXPECT_EQ(loaded.table.category(3).expandedFlag, 0);
    EXPECT_EQ(loaded.table.allocation(1), (NodeAllocationEntry{1, 1}));
    EXPECT_EQ(loaded.table.allocation(2), (NodeAllocationEntry{2, 1}));
}

TEST(TableRead, UnitLineRules) {
    // A pair rounded up takes the last field as its value.
    EXPECT_EQ(LoadedTable(withLengthUnits({unitLineWithFields(10)}, 1)).table.reference(3, 2),
              (ReferenceItem{"f10", "f10"}));
    EXPECT_EQ(LoadedTable(withLengthUnits({unitLineWithFields(49)}, 1)).texts(),
              (std::vector<std::string>{kReferenceLimit, kUnitLimit}));

    // The unit count is authoritative.
    LoadedTable fewer(withLengthUnits(unitLines(1), 3));
    ASSERT_TRUE(fewer.ok);
    EXPECT_EQ(fewer.table.quantity(3).unitCount, 3);
    EXPECT_EQ(fewer.table.unit(3, 3), UnitItem{});
    LoadedTable more(withLengthUnits(unitLines(4), 2));
    ASSERT_TRUE(more.ok);
    EXPECT_EQ(more.table.quantity(3).unitCount, 2);
    ASSERT_TRUE(saveTable(more.table, {}));
    EXPECT_EQ(tabletest::readBytes(more.path).find("unit 3"), std::string::npos);

    LoadedTable shortLine(withLengthUnits({"1;meter;1;0;0"}, 1));
    EXPECT_EQ(shortLine.table.unit(3, 1), (UnitItem{1, "meter", "1", "0", "0", "", ""}));

    // Pixel units take the display rates.
    LoadedTable pixels(withLengthUnits(
        {"1;twip;1;0;0;0;", "1;  Pixels (X) ;99;0;;;", "1;pixel (y);99;0;;;", "1;pixel(x);99;0;;;"}, 4));
    EXPECT_EQ(pixels.table.unit(3, 2).rate, "15");
    EXPECT_EQ(pixels.table.unit(3, 3).rate, "12");
    EXPECT_EQ(pixels.table.unit(3, 4).rate, "99");

    // Windows-1252 and UTF-8 files both become UTF-8.
    LoadedTable ansi(withLengthUnits({"1;micrometer (\xB5m);0.000001;0;0;0;\xB1"}, 1));
    EXPECT_EQ(ansi.table.unit(3, 1).name, "micrometer (\xC2\xB5m)");
    EXPECT_EQ(ansi.table.fileEncoding, ConversionTable::FileEncoding::Windows1252);
    LoadedTable utf8(withLengthUnits({"1;ohm (\xCE\xA9);1;0;0;0;"}, 1));
    EXPECT_EQ(utf8.table.unit(3, 1).name, "ohm (\xCE\xA9)");
    EXPECT_EQ(utf8.table.fileEncoding, ConversionTable::FileEncoding::Utf8);
}

ConversionTable reread(const std::string& path) {
    ConversionTable again;
    again.filePath = path;
    EXPECT_TRUE(tabletest::reload(again));
    return again;
}

NodeExpandedQuery allExpanded(const ConversionTable& table) {
    return [&table](int node) -> std::optional<bool> {
        if (node < 1 || node > table.categoryCount + table.allocationCount + 1)
            return std::nullopt;
        return true;
    };
}

TEST(TableSave, SavedFileReadsAndSavesBackByteForByte) {
    const std::string original = tabletest::joinCrlf(tabletest::smallTableLines());
    LoadedTable loaded(original, TableLimits{});
    ASSERT_TRUE(saveTable(loaded.table, allExpanded(loaded.table)));
    EXPECT_EQ(tabletest::readBytes(loaded.path), original);
    EXPECT_TRUE(tabletest::isReadOnly(loaded.path));

    ConversionTable again = reread(loaded.path);
    ASSERT_TRUE(saveTable(again, allExpanded(again)));
    EXPECT_EQ(tabletest::readBytes(loaded.path), original);
}

TEST(TableSave, WritesTheTreeStateAndDropsBlankReferenceNames) {
    LoadedTable loaded(tabletest::smallTableLines());
    loaded.table.quantity(3).refCount = 2;
    loaded.table.reference(3, 2) = ReferenceItem{"  ", "7"};
    loaded.table.quantity(3).name = "  Length ";
    ASSERT_TRUE(saveTable(loaded.table, [](int) { return std::optional<bool>(false); }));
    const std::string saved = tabletest::readBytes(loaded.path);
    EXPECT_EQ(saved.substr(0, 15), "2;Mechanics;0\r\n");
    EXPECT_NE(saved.find("\r\n1;Length;2\r\n"), std::string::npos);
    EXPECT_NE(saved.find(";Half meter;0.5\r\n"), std::string::npos);
}

TEST(TableSave, TextTheFormatCannotHoldReachesTheFileMadeSafeAndTheTableStays) {
    LoadedTable loaded(tabletest::smallTableLines());
    ConversionTable& t = loaded.table;
    t.category(1).name = "Mech;anics";
    t.unit(3, 1).memo = "line one\r\nline two\nthree";
    t.unit(3, 2).name = "inch;es";
    t.reference(3, 1).value = "0;5";
    const ConversionTable given = t;
    ASSERT_TRUE(saveTable(t, allExpanded(t)));
    EXPECT_EQ(t.unit(3, 1), given.unit(3, 1));

    const ConversionTable again = reread(loaded.path);
    EXPECT_EQ(again.category(1).name, "Mech:anics");
    EXPECT_EQ(again.unit(3, 1).memo, "line one line two three");
    EXPECT_EQ(again.unit(3, 2).name, safeTableField(t.unit(3, 2).name));
    EXPECT_EQ(again.reference(3, 1).value, "0:5");
}

TEST(TableSave, KeepsTheEncodingAndWidensToUtf8WhenNeeded) {
    LoadedTable loaded(withLengthUnits({"1;micrometer (\xB5m);0.000001;0;0;0;"}, 1));
    ASSERT_TRUE(saveTable(loaded.table, {}));
    EXPECT_NE(tabletest::readBytes(loaded.path).find("(\xB5m)"), std::string::npos);

    loaded.table.unit(3, 1).memo = "ohm \xCE\xA9";
    ASSERT_TRUE(saveTable(loaded.table, {}));
    const std::string saved = tabletest::readBytes(loaded.path);
    EXPECT_NE(saved.find("(\xC2\xB5m)"), std::string::npos);
    EXPECT_NE(saved.find("ohm \xCE\xA9"), std::string::npos);
}

// Whatever encoding the writer picks, the reader takes back the text written:
// Windows-1252 bytes that pass for UTF-8 ("Fu\xDF\xB2"), names read from a
// file that is not UTF-8, a file with a byte-order mark, random mixes.
TEST(TableSave, SavedTableLoadsBackIdenticalWhateverItsEncoding) {
    {
        LoadedTable mixed(std::string("1;;\xC9\n1;\xEF\xBF\xBD\n;E;\n;E;"), TableLimits{});
        ASSERT_TRUE(mixed.ok);
        ASSERT_TRUE(saveTable(mixed.table, {}));
        EXPECT_EQ(reread(mixed.path).category(2).name, "\xC3\xAF\xC2\xBF\xC2\xBD");
    }
    {
        LoadedTable ascii(tabletest::smallTableLines());
        ascii.table.unit(3, 2).memo = "12 inches, Fu\xC3\x9F\xC2\xB2";
        ASSERT_TRUE(saveTable(ascii.table, {}));
        EXPECT_EQ(reread(ascii.path).unit(3, 2).memo, "12 inches, Fu\xC3\x9F\xC2\xB2");
    }
    {
        LoadedTable marked("\xEF\xBB\xBF" + tabletest::joinCrlf(tabletest::smallTableLines()), TableLimits{});
        ASSERT_TRUE(marked.ok);
        EXPECT_EQ(marked.table.category(1).icon, 2);
        ASSERT_TRUE(saveTable(marked.table, allExpanded(marked.table)));
        EXPECT_EQ(tabletest::readBytes(marked.path),
                  "\xEF\xBB\xBF" + tabletest::joinCrlf(tabletest::smallTableLines()));
    }
    // Characters with and without Windows-1252 bytes, and bytes that start or
    // continue UTF-8 sequences when written in Windows-1252.
    const std::vector<std::string> pieces{"a",        " ",        "\xC3\x9F",     "\xC2\xB2",
                                          "\xC3\x83", "\xC2\xA9", "\xC2\x81",     "\xE2\x82\xAC",
                                          "\xCE\xA9", "\xC3\xA2", "\xE2\x80\x9C", "\xC2\xB1"};
    std::mt19937 random(17);
    LoadedTable table(tabletest::smallTableLines());
    for (int round = 0; round < 100; ++round) {
        std::string memo;
        for (int n = 1 + static_cast<int>(random() % 5); n > 0; --n)
            memo += pieces[random() % pieces.size()];
        table.table.unit(3, 1).memo = memo;
        table.table.fileEncoding = random() % 2 == 0 ? ConversionTable::FileEncoding::Windows1252
                                                     : ConversionTable::FileEncoding::Utf8;
        ASSERT_TRUE(saveTable(table.table, {}));
        ASSERT_EQ(reread(table.path).unit(3, 1).memo, memo) << tabletest::readBytes(table.path);
    }
}

TEST(TableSave, UnwritableFolderIsReportedAndNothingIsLeftBehind) {
    LoadedTable loaded(tabletest::smallTableLines());
    loaded.table.filePath = loaded.folder.file("missing/sub/table.dat");
    const auto saved = saveTable(loaded.table, {});
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.notices().size(), 1u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(loaded.folder.path()),
                            std::filesystem::directory_iterator{}),
              1);
}

// A killed save leaves its temporary beside the table; the next save of that
// table removes it, and nothing that belongs to another file or to a save
// still running (process 1 runs).
TEST(TableSave, LeftoversOfKilledSavesGoWithTheNextSave) {
    LoadedTable loaded(tabletest::smallTableLines());
    const std::string gone = "2147483647";  // beyond any process id
    const std::vector<std::string> leftovers{"table.dat.~saving-" + gone + "-0",
                                             "table.dat.~saving-" + gone + "-17"};
    const std::vector<std::string> kept{"table.dat.~saving-1-0", "other.dat.~saving-" + gone + "-0",
                                        "table.dat.~saving-" + gone, "table.dat.~saving-x-1",
                                        "table.dat.bak"};
    for (const std::string& name : leftovers)
        tabletest::writeBytes(loaded.folder.file(name), "half a table");
    for (const std::string& name : kept)
        tabletest::writeBytes(loaded.folder.file(name), "keep");
    ASSERT_TRUE(saveTable(loaded.table, {}));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(loaded.folder.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected = kept;
    expected.push_back("table.dat");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

TEST(TableFields, FieldAndCountRules) {
    EXPECT_EQ(fieldOf("a;b;c", 2, 3), "b");
    EXPECT_EQ(fieldOf("a;;c", 2, 3), "");
    EXPECT_EQ(fieldOf("a;b", 5, 7), "");
    EXPECT_EQ(fieldOf("a;b;c;d", 9, 3), "c");
    EXPECT_EQ(fieldOf(" a ; b", 2, 3), " b");
    EXPECT_EQ(countFields(""), 1);
    EXPECT_EQ(countFields("1;meter;1;0;;;memo"), 7);
    EXPECT_EQ(dirPathOf("/opt/q"), "/opt/q/");
    EXPECT_EQ(dirPathOf("/opt/q/"), "/opt/q/");
    EXPECT_EQ(fileNameOf("/home/u/tables/MY.DAT"), "MY.DAT");
}

// A table filling every limit: what the program can build must load back.
TEST(TableLimitsRoundTrip, FullTableSavesAndLoadsBack) {
    TempFolder folder;
    ConversionTable table;
    const TableLimits limits = table.limits();
    table.filePath = folder.file("full.dat");
    table.categoryCount = limits.maxCategory;
    for (int c = 1; c <= limits.maxCategory; ++c)
        table.category(c) = Category{1, "C" + std::to_string(c), 1};
    table.quantityCount = limits.maxQuantity;
    table.allocationCount = limits.maxQuantity;
    table.setUnitCapacity(limits.maxUnit);
    for (int k = 1; k <= limits.maxQuantity; ++k) {
        table.allocation(k) = NodeAllocationEntry{static_cast<std::int16_t>(k), 1};
        Quantity& q = table.quantity(k);
        q.name = "Q" + std::to_string(k);
        q.unitCount = limits.maxUnit;
        for (int j = 1; j <= limits.maxUnit; ++j)
            table.unit(k, j) = UnitItem{1, "u" + std::to_string(j), "2", "0", "", "", ""};
    }
    ASSERT_TRUE(saveTable(table, {}));
    ConversionTable reread;
    reread.filePath = table.filePath;
    EXPECT_TRUE(tabletest::reload(reread, limits));
    EXPECT_EQ(reread.quantity(200).unitCount, 100);
    EXPECT_EQ(reread.unit(200, 100).name, "u100");
}
// Damaged files of every kind load or fail with a notice; none throws or
// leaves the table in a state the rest of the program cannot walk.
TEST(TableReadRobustness, MutatedFilesNeverEscapeTheReader) {
    std::mt19937 random(7);
    const std::vector<std::string> base = tabletest::smallTableLines();
    const std::vector<std::string> pieces{";E;",  ";",    "",  "-5",    "99999",      "1e9", "&HFFFF",
                                          "\xB1", "\xC3", " ", "x;y;z", ";;;;;;;;;;", "0",   "-1"};
    tabletest::TempFolder folder;
    for (int round = 0; round < 1500; ++round) {
        std::vector<std::string> lines = base;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % lines.size();
            const std::string& piece = pieces[random() % pieces.size()];
            switch (random() % 4) {
                case 0:
                    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
                    break;
                case 1:
                    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), lines[at]);
                    break;
                case 2:
                    lines[at] = piece + ";" + lines[at];
                    break;
                default:
                    lines[at].insert(random() % (lines[at].size() + 1), piece);
                    break;
            }
            if (lines.empty())
                lines.push_back(piece);
        }
        const std::string path = folder.file("damaged.dat");
        std::error_code ec;
        std::filesystem::remove(path, ec);
        tabletest::writeBytes(path, tabletest::joinCrlf(lines));
        std::optional<common::Outcome<ConversionTable>> read;
        ASSERT_NO_THROW(read.emplace(readTable(path, {}, folder.path(), 15, 15)))
            << tabletest::joinCrlf(lines);
        if (!*read) {
            ASSERT_FALSE(read->notices().empty());
            continue;
        }
        ConversionTable table = read->take();
        // What loaded is walkable: every allocation names a quantity, every unit is reachable.
        for (int m = 1; m <= table.allocationCount; ++m) {
            const NodeAllocationEntry& entry = table.allocation(m);
            ASSERT_GE(entry.quantityNo, 1);
            ASSERT_LE(entry.quantityNo, table.quantityCount);
            ASSERT_LE(entry.parentNode, table.categoryCount + 1);
        }
        for (int k = 1; k <= table.quantityCount; ++k) {
            ASSERT_GE(table.quantity(k).unitCount, 0);
            for (int j = 1; j <= table.quantity(k).unitCount; ++j)
                ASSERT_NO_THROW(table.unit(k, j));
        }
        ASSERT_TRUE(saveTable(table, {}));
    }
}
}  // namespace
