#include "common/file_access.h"
#include "converter/engine/batch_conversion.h"
#include "table_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace quantora {
namespace {

namespace fs = std::filesystem;

// A run told to stop leaves the file and the lines as they were; one that
// goes on writes exactly what a run without a listener writes.
class BatchProgressTest : public testing::Test {
protected:
    BatchProgressTest() {
        Quantity& length = m_table.quantity(1);
        length.name = "Length";
        length.unitCount = 2;
        m_table.unit(1, 1).name = "m";
        m_table.unit(1, 1).rate = "1";
        m_table.unit(1, 1).offset = "0";
        m_table.unit(1, 2).name = "mm";
        m_table.unit(1, 2).rate = "0.001";
        m_table.unit(1, 2).offset = "0";
        m_table.quantityCount = 1;

        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() /
                ("batch_progress_" + std::string(test->name()) + "_" +
                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(m_dir);
        m_original = "Length\r\nm\r\n";
        for (int i = 0; i < 10000; ++i)
            m_original += std::to_string(i) + "\r\n";
    }
    ~BatchProgressTest() override {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }

    std::string fileWithValues(const std::string& name) {
        const std::string path = (m_dir / name).string();
        std::string error;
        EXPECT_TRUE(common::fileio::replaceFile(path, m_original, error, false)) << error;
        return path;
    }

    BatchData open(const std::string& path) {
        common::Outcome<BatchData> read = readBatchDataFile(path, m_table);
        EXPECT_TRUE(read);
        return read ? read.take() : BatchData{};
    }

    static std::string bytesOf(const std::string& path) {
        const std::optional<std::string> bytes = common::fileio::readAll(path);
        EXPECT_TRUE(bytes);
        return bytes.value_or(std::string());
    }

    ConversionTable m_table;
    UnitChoice m_units{1, 1, 2};
    fs::path m_dir;
    std::string m_original;
};

TEST_F(BatchProgressTest, StoppingLeavesFileAndLinesUnchanged) {
    const std::string path = fileWithValues("stopped.txt");
    BatchData data = open(path);
    const std::string linesBefore = data.text;
    std::vector<std::size_t> seen;
    const common::Outcome<BatchRun> outcome =
        runBatchConversion(data, m_table, m_units, NotationOptions{}, common::DecimalSeparator::Dot,
                           [&seen](std::size_t done, std::size_t total) {
                               EXPECT_EQ(total, 10002u);
                               seen.push_back(done);
                               return seen.size() < 2;
                           });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome.value(), BatchRun::Cancelled);
    EXPECT_EQ(seen, (std::vector<std::size_t>{kBatchProgressStep, 2 * kBatchProgressStep}));
    EXPECT_EQ(bytesOf(path), m_original);
    EXPECT_EQ(data.text, linesBefore);

    // Stopped at the last moment, just before writing.
    const common::Outcome<BatchRun> late =
        runBatchConversion(data, m_table, m_units, NotationOptions{}, common::DecimalSeparator::Dot,
                           [](std::size_t done, std::size_t total) { return done < total; });
    EXPECT_EQ(late.value(), BatchRun::Cancelled);
    EXPECT_EQ(bytesOf(path), m_original);
}

TEST_F(BatchProgressTest, AListenerChangesNothingInTheResult) {
    const std::string heard = fileWithValues("heard.txt");
    const std::string plain = fileWithValues("plain.txt");
    BatchData first = open(heard);
    BatchData second = open(plain);
    std::size_t last = 0;
    ASSERT_TRUE(tabletest::completed(runBatchConversion(first, m_table, m_units, NotationOptions{},
                                                        common::DecimalSeparator::Dot,
                                                        [&last](std::size_t done, std::size_t) {
                                                            EXPECT_GT(done, last);
                                                            last = done;
                                                            return true;
                                                        })));
    ASSERT_TRUE(tabletest::completed(
        runBatchConversion(second, m_table, m_units, NotationOptions{}, common::DecimalSeparator::Dot)));
    EXPECT_EQ(last, 10002u);
    EXPECT_EQ(bytesOf(heard), bytesOf(plain));
    EXPECT_EQ(first.line(3), "1; 1000.00;");
}

}  // namespace
}  // namespace quantora
