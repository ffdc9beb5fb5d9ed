#include "common/file_access.h"
#include "converter/engine/batch_conversion.h"
#include "converter/engine/linear_conversion.h"

#include "table_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quantora {
namespace {

using tabletest::readBytes;
using tabletest::setUnits;
using tabletest::unit;

std::string goldenPath(const std::string& name) {
    return std::string(TEST_DATA_DIR) + "/batch/" + name;
}

class EngineBatch : public testing::Test {
protected:
    enum Quantities { kLength = 1, kTemperature, kOdd };

    EngineBatch() {
        setUnits(
            m_table, kLength, "Length",
            {unit("m", "1", "0"), unit("mm", "0.001", "0"), unit("km", "1000", "0"), unit("", "1", "0")});
        setUnits(m_table, kTemperature, "Temperature",
                 {unit("K", "1", "0"), unit("°C", "1", "273.15"),
                  unit("°F", "0.555555555555556", "255.372222222222")});
        setUnits(m_table, kOdd, "Odd",
                 {unit("ten", "10", "0"), unit("huge", "1e999", "0"), unit("one", "1", "0")});
        m_table.quantityCount = 3;
    }

    // A private copy of a golden input file, since a run rewrites it.
    std::string copyOf(const std::string& name) { return fileWith(name, readBytes(goldenPath(name))); }

    std::string fileWith(const std::string& name, const std::string& bytes) {
        const std::string path = m_folder.file(name);
        tabletest::writeBytes(path, bytes);
        return path;
    }

    // What the window does after a successful read: the file's quantity and
    // unit become the selection.
    BatchData open(const std::string& path) {
        common::Outcome<BatchData> read = readBatchDataFile(path, m_table);
        EXPECT_TRUE(read) << read.failure().value_or(common::Notice{}).text;
        if (!read)
            return {};
        m_units.quantity = read.value().quantity;
        m_units.from = read.value().convertFrom;
        return read.take();
    }

    common::Outcome<BatchRun> runInto(BatchData& data, int into,
                                      common::DecimalSeparator separator = common::DecimalSeparator::Dot) {
        m_units.into = into;
        return runBatchConversion(data, m_table, m_units, NotationOptions{}, separator);
    }

    std::string readFailureMarker(const std::string& path) {
        const std::optional<common::Notice> failure = readBatchDataFile(path, m_table).failure();
        if (!failure)
            return "no failure";
        EXPECT_EQ(failure->icon, common::NoticeIcon::Critical);
        EXPECT_EQ(failure->title, " Quantora 2000");
        const std::string lead =
            "An error occurred while reading the batch conversion data file.\r\nError Code = ";
        EXPECT_EQ(failure->text.substr(0, lead.size()), lead);
        return failure->text.substr(std::min(lead.size(), failure->text.size()));
    }

    tabletest::TempFolder m_folder;
    ConversionTable m_table;
    UnitChoice m_units;
};

TEST_F(EngineBatch, TwoRunsAddTwoColumns) {
    const std::string path = copyOf("values.txt");
    BatchData data = open(path);
    EXPECT_EQ(data.quantity, kLength);
    EXPECT_EQ(data.convertFrom, 1);
    EXPECT_EQ(data.lineCount(), 7u);

    ASSERT_TRUE(tabletest::completed(runInto(data, 2)));
    EXPECT_EQ(readBytes(path), readBytes(goldenPath("values_mm.expected")));
    ASSERT_TRUE(tabletest::completed(runInto(data, 3)));
    EXPECT_EQ(readBytes(path), readBytes(goldenPath("values_mm_km.expected")));

    // A file processed once opens again with its values intact.
    BatchData reopened = open(path);
    EXPECT_EQ(reopened.convertFrom, 1);
    EXPECT_EQ(reopened.line(2), "1; 1000.00; 0.00100000;");
}

TEST_F(EngineBatch, OneRunMatchesItsGoldenFile) {
    struct Case {
        const char* input;
        int from;
        common::DecimalSeparator separator;
        const char* expected;
    };
    using enum common::DecimalSeparator;
    for (const Case& c : {Case{"values.txt", 1, Comma, "values_mm_comma.expected"},
                          Case{"two_lines.txt", 1, Dot, "two_lines_mm.expected"},
                          Case{"temperature_1252.txt", 3, Dot, "temperature_1252_c.expected"},
                          Case{"temperature_utf8.txt", 3, Dot, "temperature_utf8_c.expected"}}) {
        SCOPED_TRACE(c.input);
        const std::string path = copyOf(c.input);
        BatchData data = open(path);
        EXPECT_EQ(data.convertFrom, c.from);
        ASSERT_TRUE(tabletest::completed(runInto(data, 2, c.separator)));
        EXPECT_EQ(readBytes(path), readBytes(goldenPath(c.expected)));
    }
}

// Bytes Windows-1252 leaves undefined are no reason to change the file's
// encoding: every line a run does not touch keeps its bytes.
TEST_F(EngineBatch, UndefinedWindows1252BytesSurviveARun) {
    const std::string undefined = "\x81\x8D\x8F\x90\x9D";
    const std::string path = fileWith("undefined.txt",
                                      "Temperature\r\n\xB0"
                                      "F; probe \xB5" +
                                          undefined + "\r\n212;" + undefined + "\r\n");
    BatchData data = open(path);
    ASSERT_TRUE(tabletest::completed(runInto(data, 2)));
    EXPECT_EQ(readBytes(path),
              "Temperature\r\n\xB0"
              "F; probe \xB5" +
                  undefined + " \xB0" + "C;\r\n212;" + undefined + " 100.000;\r\n");
    BatchData again = open(path);
    ASSERT_TRUE(tabletest::completed(runInto(again, 1)));
    EXPECT_NE(readBytes(path).find("212;" + undefined + " 100.000; 373.150;\r\n"), std::string::npos);
}

// A file the run writes in Windows-1252 must not pass for UTF-8 when read
// again: an ASCII file given a unit whose Windows-1252 bytes form UTF-8.
TEST_F(EngineBatch, WrittenFileReadsBackAsWritten) {
    m_table.unit(kLength, 2).name = "Fu\xC3\x9F\xC2\xB2";
    const std::string path = fileWith("ascii.txt", "Length\r\nm\r\n1\r\n");
    BatchData data = open(path);
    ASSERT_TRUE(tabletest::completed(runInto(data, 2)));
    BatchData again = open(path);
    EXPECT_EQ(again.line(1), data.line(1));
    EXPECT_EQ(again.line(1), "m; Fu\xC3\x9F\xC2\xB2;");
}

TEST_F(EngineBatch, ReadFailuresNameThePositionReached) {
    EXPECT_EQ(readFailureMarker(m_folder.file("missing.txt")), "1113 1902 0302");
    EXPECT_EQ(readFailureMarker(m_folder.path()), "1113 1902 0302");
    EXPECT_EQ(readFailureMarker(fileWith("empty.txt", "")), "1113 1902 0305");
    EXPECT_EQ(readFailureMarker(fileWith("one.txt", "Length\r\n\r\n")), "1113 1902 0305");
    EXPECT_EQ(readFailureMarker(fileWith("quantity.txt", "Lengths\r\nm\r\n1\r\n")), "1113 1902 0307");
    EXPECT_EQ(readFailureMarker(fileWith("unit.txt", "Length\r\nM\r\n1\r\n")), "1113 1902 0308");
    // An empty unit name never means the empty record at position 0.
    EXPECT_EQ(readFailureMarker(fileWith("unnamed.txt", "Odd\r\n;x\r\n1\r\n")), "1113 1902 0308");
    EXPECT_EQ(open(fileWith("named.txt", "Length\r\n ;x\r\n1\r\n")).convertFrom, 4);
}

TEST_F(EngineBatch, FailedRunsLeaveTheFileAsItWas) {
    const std::string original = "Length\r\nm;\r\n5\r\n";
    const std::string path = fileWith("locked.txt", original);
    BatchData data = open(path);
    common::fileio::makeReadOnly(path);
    EXPECT_EQ(runInto(data, 2).failure(), batchWriteFailure());
    EXPECT_EQ(readBytes(path), original);
    EXPECT_EQ(data.line(2), "5");

    common::fileio::makeWritable(path);
    m_table.unit(kLength, 2).rate = "1e999";  // factors beyond the double range
    EXPECT_EQ(runInto(data, 2).failure(), invalidFactorsNotice());
    EXPECT_EQ(readBytes(path), original);

    // A value whose result is beyond the double range.
    const std::string overflowing = "Odd\r\nten\r\n1e307\r\n1e308\r\n";
    const std::string second = fileWith("overflow.txt", overflowing);
    BatchData odd = open(second);
    EXPECT_EQ(runInto(odd, 3).failure(), batchWriteFailure());
    EXPECT_EQ(readBytes(second), overflowing);
}

TEST_F(EngineBatch, LinesSplitAcrossReadBlocks) {
    // A CR LF across the 1 MiB read block boundary, then a lone CR and a
    // last line without a line end.
    constexpr std::size_t kBlock = 1u << 20;
    std::string bytes = "Length\r\nm\r\n";
    std::size_t values = 0;
    while (bytes.size() + 16 < kBlock) {
        bytes += "1\r\n";
        ++values;
    }
    const std::string padded = std::string(kBlock - 2 - bytes.size(), ' ') + "7";
    bytes += padded + "\r\n8\r9";
    ASSERT_EQ(bytes.substr(kBlock - 1, 2), "\r\n");
    const std::string path = fileWith("large.txt", bytes);
    BatchData data = open(path);
    ASSERT_EQ(data.lineCount(), values + 5);
    EXPECT_EQ(data.line(values + 2), padded);
    EXPECT_EQ(data.line(values + 3), "8");
    EXPECT_EQ(data.line(values + 4), "9");
    ASSERT_TRUE(tabletest::completed(runInto(data, 2)));
    EXPECT_EQ(data.line(values + 4), "9; 9000.00;");
    EXPECT_EQ(data.line(values + 2), padded + "; 7000.00;");
}

}  // namespace
}  // namespace quantora
