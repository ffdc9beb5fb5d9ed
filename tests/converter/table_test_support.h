#pragma once
// What the converter core tests share: temporary folders, file bytes, table
// files and small tables built in memory.

#include "converter/engine/batch_conversion.h"
#include "converter/table/conversion_table.h"
#include "converter/table/table_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tabletest {

class TempFolder {
public:
    TempFolder() {
        std::random_device device;
        m_path = std::filesystem::temp_directory_path() / ("quantora-test-" + std::to_string(device()));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string file(const std::string& name) const { return (m_path / name).string(); }
    std::string path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

inline std::string joinCrlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool isReadOnly(const std::string& path) {
    using std::filesystem::perms;
    const perms p = std::filesystem::status(path).permissions();
    return (p & (perms::owner_write | perms::group_write | perms::others_write)) == perms::none;
}

// A unit with icon 1.
inline quantora::UnitItem unit(const char* name, const char* rate, const char* offset,
                               const char* rateError = "", const char* offsetError = "",
                               const char* memo = "") {
    return {1, name, rate, offset, rateError, offsetError, memo};
}

// Names quantity q (icon 1) and gives it these units.
inline void setUnits(quantora::ConversionTable& table, int q, const char* name,
                     const std::vector<quantora::UnitItem>& units) {
    quantora::Quantity& quantity = table.quantity(q);
    quantity.icon = 1;
    quantity.name = name;
    quantity.unitCount = static_cast<std::int16_t>(units.size());
    for (std::size_t j = 0; j < units.size(); ++j)
        table.unit(q, static_cast<int>(j) + 1) = units[j];
}

// The two special quantities every table begins with, each with one unit.
inline std::vector<std::string> specialSections() {
    return {"1;Number System;1",
            "1;Decimal;10;;;;base ten",
            ";E;",
            "2;Constants;1",
            "1;speed of light in vacuum;299792458;m/s;0;0;exact",
            ";E;"};
}

// A small valid table: one category "Mechanics" holding "Length" (two units,
// one reference item).
inline std::vector<std::string> smallTableLines() {
    std::vector<std::string> lines{"2;Mechanics;1", ";E;",        "1;1;Number System",
                                   "2;1;Constants", "3;2;Length", ";E;"};
    for (const std::string& line : specialSections())
        lines.push_back(line);
    for (const char* line :
         {"1;Length;2", "1;meter;1;0;;;SI base unit;Half meter;0.5", "1;inch;0.0254;0;0;0;", ";E;"}) {
        lines.push_back(line);
    }
    return lines;
}

// Reads table.filePath again into table; false (and the table as it was)
// when the file does not load.
inline bool reload(quantora::ConversionTable& table, const quantora::TableLimits& limits = {},
                   std::string_view programDir = "") {
    common::Outcome<quantora::ConversionTable> read =
        quantora::readTable(table.filePath, limits, programDir, 15, 15);
    if (read)
        table = read.take();
    return read.ok();
}

// A table written to a file of its own folder and read from it, so that
// edits can be saved and read back.
struct FileTable {
    TempFolder folder;
    quantora::ConversionTable table;

    explicit FileTable(const std::string& bytes, const quantora::TableLimits& limits = {}) {
        table.filePath = folder.file("table.dat");
        writeBytes(table.filePath, bytes);
        EXPECT_TRUE(reload(table, limits, folder.path()));
    }
};

// A batch run that wrote its file.
inline bool completed(const common::Outcome<quantora::BatchRun>& run) {
    return run && run.value() == quantora::BatchRun::Completed;
}

}  // namespace tabletest
