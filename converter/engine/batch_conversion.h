#pragma once
// Batch conversion of a data file: line 1 names the quantity, line 2 the
// convert-from unit (first ";" field), every further line holds a value in its
// first field. Each run converts every value into the chosen convert-into
// unit and rewrites the file with one more column: line 2 gets the unit's
// name, each value line its result, each after one blank and followed by ";".
// A line whose first field is not yet closed by ";" gets one first, so the
// value (or unit name) stays the first field for the next run and the next
// batch.
//
// Blank lines are dropped on reading and not written back; lines end in
// CR LF. A run writes a complete new file and renames it over the old one, so
// a failed run leaves the data file as it was. Windows-1252 files are turned
// into UTF-8 on reading and written back in Windows-1252.

#include "common/decimal_separator.h"
#include "common/outcome.h"
#include "converter/engine/linear_conversion.h"
#include "converter/engine/result_format.h"
#include "converter/table/conversion_table.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

// A data file between runs: its non-blank lines and what they name.
struct BatchData {
    std::string path;
    std::string text;                     // the non-blank lines, UTF-8, each ended by CR LF
    std::vector<std::size_t> lineStarts;  // offset of each line in text
    bool utf8File = false;                // read as UTF-8: written back as UTF-8
    std::int16_t quantity = -1;           // the quantity named in line 1
    std::int16_t convertFrom = -1;        // its unit named in line 2

    std::size_t lineCount() const { return lineStarts.size(); }
    // Line i (from 0) without its line end.
    std::string_view line(std::size_t i) const;
};

// Reads the data file and looks up its quantity and convert-from unit. The
// caller makes them the selection; on failure ("Error Code = " and the
// position reached) it keeps the old selection.
common::Outcome<BatchData> readBatchDataFile(const std::string& path, const ConversionTable& table);

// How a run that did not fail ended. A cancelled run leaves the file and
// `data` unchanged; so does a failure, after which the caller ends batch mode.
enum class BatchRun { Completed, Cancelled };

// Told how many of the lines are done; false stops the run before anything
// is written. Called every kBatchProgressStep lines and once before writing,
// on the thread that runs the conversion.
using BatchProgress = std::function<bool(std::size_t linesDone, std::size_t lineCount)>;
inline constexpr std::size_t kBatchProgressStep = 4096;

// Converts every value of the file from the chosen convert-from unit into the
// convert-into unit of the chosen quantity and rewrites the file. On
// success `data` holds the new lines, so the next run adds the next column.
// No syntax check, error estimate or temperature snap applies; results are
// written as the display shows them (a comma on a comma platform).
common::Outcome<BatchRun> runBatchConversion(BatchData& data, const ConversionTable& table,
                                             const UnitChoice& units, const NotationOptions& notation,
                                             common::DecimalSeparator separator,
                                             const BatchProgress& progress = {});

// The failure notices, for the window's own checks.
common::Notice batchReadFailure(std::string_view marker);
common::Notice batchWriteFailure();

}  // namespace quantora
