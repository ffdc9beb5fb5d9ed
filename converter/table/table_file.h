#pragma once
// The table file: three sections (categories, node allocation, quantities with
// their units), each closed by a ";E;" line; fields separated by ";".
//
// readTable replaces the table with the file's content and returns what to
// tell the user; saveTable writes the whole table through a temporary file
// renamed over the original, so a failed write leaves the old file as it was.
// Between runs the file is kept read-only (write permission bits cleared).

#include "common/notice.h"
#include "converter/table/conversion_table.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quantora {

// "Is tree node i expanded?" - the tree view answers; no value when the tree
// has no node i.
using NodeExpandedQuery = std::function<std::optional<bool>(int node)>;

struct TableReadOutcome {
    std::int16_t result = 0;  // 0 read completely, 1 failed
    common::Notices notices;  // in the order they are to be shown
};

// Reads the file at table.filePath (program folder + "DEFAULT.DAT" when
// empty) into the table, which is first created afresh from the given limits.
// twipsPerPixel feeds setPixelRates after a successful read (pReadTable).
TableReadOutcome readTable(ConversionTable& table, const TableLimits& limits, std::string_view programDir,
                           float twipsPerPixelX, float twipsPerPixelY);

struct TableWriteOutcome {
    bool ok = true;
    std::string error;  // what went wrong, for the caller's report
};

// Writes the whole table to table.filePath. Category flags come from the
// tree (node c + 1). Text the format cannot hold is made safe first, in the
// table itself, so the table in memory is the table the file loads back:
// ";" becomes ":" in every field and line breaks in memos become one blank (pSaveTable).
TableWriteOutcome saveTable(ConversionTable& table, const NodeExpandedQuery& isExpanded);

// The n-th field (1-based) of the line with one ";" appended; the count-th
// when n exceeds count (pGetField).
std::string fieldOf(std::string_view line, int n, int count);
// Number of fields: the ";" in the line with one appended (pCountFields).
int countFields(std::string_view line);

// The file exists and can be read (pIfFileExists).
bool fileExists(const std::string& path);
// The program folder, ending in "/" (pGetDirPath).
std::string dirPathOf(std::string_view programDir);
// The text after the last "/".
std::string fileNameOf(std::string_view path);

// The sanitising rule saveTable applies, exposed for the dialogs.
std::string safeTableField(std::string_view text);

}  // namespace quantora
