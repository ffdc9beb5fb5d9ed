#pragma once
// The table file: three sections (categories, node allocation, quantities with
// their units), each closed by a ";E;" line; fields separated by ";".
//
// pReadTable replaces the table with the file's content and returns what to
// tell the user; pSaveTable writes the whole table through a temporary file
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

// Reads the file at table.psFilePath (program folder + "DEFAULT.DAT" when
// empty) into the table, which is first created afresh from the given limits.
// twipsPerPixel feeds pSetPixelRates after a successful read.
TableReadOutcome pReadTable(ConversionTable& table, const TableLimits& limits,
                            std::string_view programDir, float twipsPerPixelX,
                            float twipsPerPixelY);

struct TableWriteOutcome {
    bool ok = true;
    std::string error;  // what went wrong, for the caller's report
};

// Writes the whole table to table.psFilePath. Category flags come from the
// tree (node c + 1). Text the format cannot hold is made safe first, in the
// table itself, so the table in memory is the table the file loads back:
// ";" becomes ":" in every field and line breaks in memos become one blank.
TableWriteOutcome pSaveTable(ConversionTable& table, const NodeExpandedQuery& isExpanded);

// The n-th field (1-based) of the line with one ";" appended; the count-th
// when n exceeds count.
std::string pGetField(std::string_view line, int n, int count);
// Number of fields: the ";" in the line with one appended.
int pCountFields(std::string_view line);

bool pIfFileExists(const std::string& path);
// The program folder, ending in "/".
std::string pGetDirPath(std::string_view programDir);
// The text after the last "/".
std::string FileNameOf(std::string_view path);

// The sanitising rule pSaveTable applies, exposed for the dialogs.
std::string SafeTableField(std::string_view text);

}  // namespace quantora
