// Saves killed at random moments. A table save or a batch run in a child
// process is killed with SIGKILL somewhere between its start and its end; the
// file must then be the old version or the new one, never a mix, and the next
// save of the file must remove the temporary files the killed one left.

#include "common/file_access.h"
#include "converter/engine/batch_conversion.h"
#include "converter/table/table_file.h"

#include "table_test_support.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <thread>

namespace quantora {
namespace {

using Clock = std::chrono::steady_clock;

// Temporaries of the file: "<file>.~saving-<process id>-<n>".
int temporariesOf(const std::string& path) {
    const std::filesystem::path file(path);
    const std::string prefix = file.filename().string() + ".~saving-";
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
        if (entry.path().filename().string().starts_with(prefix))
            ++count;
    }
    return count;
}

class KilledSaves : public testing::Test {
protected:
    // What one kill left: the file as it was, as it was to become, or
    // anything else; and whether temporaries were left beside it.
    struct Tally {
        int kills = 0;
        int old = 0;
        int completed = 0;
        int leftTemporaries = 0;
    };

    // Runs save in a child process to its end and returns how long that took.
    static Clock::duration childRunTime(const std::function<bool()>& save) {
        const Clock::time_point start = Clock::now();
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(save() ? 0 : 1);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        return Clock::now() - start;
    }

    // Kills a child running save at a random moment of about its run time;
    // late kills aim at its end, where the temporary file is written.
    void killDuring(const std::function<bool()>& save, Clock::duration runTime, bool late) {
        const long long run = std::chrono::duration_cast<std::chrono::microseconds>(runTime).count();
        std::uniform_int_distribution<long long> delay(late ? run * 4 / 5 : 0,
                                                       late ? run * 21 / 20 : run * 3 / 2);
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(save() ? 0 : 1);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(m_random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }

    // Kills saves from oldBytes to newBytes until some left temporaries
    // behind (at least 30 kills, at most 120); restore writes the old version
    // with a complete save, after which no temporary may remain.
    Tally killSaves(const std::string& path, const std::string& oldBytes, const std::string& newBytes,
                    const std::function<bool()>& save, const std::function<bool()>& restore) {
        Clock::duration runTime{};
        Tally tally;
        while (tally.kills < 120 && (tally.kills < 30 || tally.leftTemporaries < 3)) {
            // Measured again now and then: other work on the machine changes
            // how long a save takes, and the kills must keep spanning it.
            if (tally.kills % 10 == 0)
                runTime = childRunTime(save);
            EXPECT_TRUE(restore());
            EXPECT_EQ(temporariesOf(path), 0) << "after kill " << tally.kills;
            killDuring(save, runTime, tally.kills % 2 == 1);
            ++tally.kills;
            const std::string bytes = tabletest::readBytes(path);
            if (bytes == oldBytes) {
                ++tally.old;
            } else if (bytes == newBytes) {
                ++tally.completed;
            } else {
                ADD_FAILURE() << "kill " << tally.kills << " left a file of " << bytes.size()
                              << " bytes that is neither version";
            }
            if (temporariesOf(path) > 0)
                ++tally.leftTemporaries;
        }
        EXPECT_TRUE(restore());
        EXPECT_EQ(temporariesOf(path), 0);
        std::cout << tally.kills << " kills: " << tally.old << " old, " << tally.completed << " new, "
                  << tally.leftTemporaries << " left temporaries\n";
        return tally;
    }

    tabletest::TempFolder m_folder;
    std::mt19937 m_random{std::random_device{}()};
};

// 150 quantities of 100 units, about 700 kB; the versions differ in every rate.
ConversionTable largeTable(const std::string& path, const std::string& version) {
    ConversionTable table;
    table.filePath = path;
    table.categoryCount = 1;
    table.category(1) = {1, "Everything", 1};
    table.quantityCount = 150;
    table.allocationCount = 150;
    for (int k = 1; k <= table.quantityCount; ++k) {
        table.allocation(k) = {static_cast<std::int16_t>(k), static_cast<std::int16_t>(k <= 2 ? 1 : 2)};
        std::vector<UnitItem> units;
        for (int j = 1; j <= 100; ++j) {
            const std::string name = "unit " + std::to_string(k) + "." + std::to_string(j);
            const std::string rate = version + std::to_string(j) + "e-" + std::to_string(k % 300);
            units.push_back({1, name, rate, "0", "", "", "memo of " + name});
        }
        table.setUnitCapacity(100);
        tabletest::setUnits(table, k, ("Quantity " + std::to_string(k)).c_str(), units);
    }
    return table;
}

TEST_F(KilledSaves, TableSaveLeavesOldOrNewFile) {
    const std::string path = m_folder.file("table.dat");
    const ConversionTable oldTable = largeTable(path, "1.");
    const ConversionTable newTable = largeTable(path, "2.");
    const NodeExpandedQuery tree = [](int) -> std::optional<bool> { return true; };
    auto save = [&tree](const ConversionTable& table) { return saveTable(table, tree).ok(); };

    ASSERT_TRUE(save(newTable));
    const std::string newBytes = tabletest::readBytes(path);
    ASSERT_TRUE(save(oldTable));
    const std::string oldBytes = tabletest::readBytes(path);
    ASSERT_GT(oldBytes.size(), 500000u);
    ASSERT_NE(oldBytes, newBytes);

    const Tally tally = killSaves(
        path, oldBytes, newBytes, [&] { return save(newTable); }, [&] { return save(oldTable); });
    EXPECT_GT(tally.leftTemporaries, 0) << "no kill landed while a temporary file existed";
}

TEST_F(KilledSaves, BatchRunLeavesOldOrNewFile) {
    ConversionTable table;
    tabletest::setUnits(table, 1, "Length",
                        {tabletest::unit("m", "1", "0"), tabletest::unit("mm", "0.001", "0")});
    table.quantityCount = 1;
    const std::string path = m_folder.file("values.txt");
    std::string oldBytes = "Length\r\nm\r\n";
    for (int i = 0; i < 50000; ++i)
        oldBytes += std::to_string(i) + ".25;value " + std::to_string(i) + "\r\n";
    auto write = [&path](const std::string& bytes) {
        std::string error;
        return common::fileio::replaceFile(path, bytes, error, false);
    };
    auto run = [&table, &path] {
        common::Outcome<BatchData> read = readBatchDataFile(path, table);
        if (!read)
            return false;
        BatchData data = read.take();
        return tabletest::completed(runBatchConversion(data, table, UnitChoice{1, 1, 2}, NotationOptions{},
                                                       common::DecimalSeparator::Dot));
    };

    ASSERT_TRUE(write(oldBytes));
    ASSERT_TRUE(run());
    const std::string newBytes = tabletest::readBytes(path);
    ASSERT_NE(oldBytes, newBytes);

    const Tally tally = killSaves(path, oldBytes, newBytes, run, [&] { return write(oldBytes); });
    EXPECT_GT(tally.leftTemporaries, 0) << "no kill landed while a temporary file existed";
    // A completed run is a save of the file too: it leaves no temporary.
    ASSERT_TRUE(run());
    EXPECT_EQ(temporariesOf(path), 0);
}

}  // namespace
}  // namespace quantora
