#pragma once
// The table file: three sections (categories, node allocation, quantities with
// their units), each closed by a ";E;" line; fields separated by ";".
//
// readTable replaces the table with the file's content and returns what to
// tell the user; saveTable writes the whole table through a temporary file
// renamed over the original, so a failed write leaves the old file as it was.
// Between runs the file is kept read-only (write permission bits cleared).

#include "common/outcome.h"
#include "converter/table/conversion_table.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

// "Is tree node i expanded?" - the tree view answers; no value when the tree
// has no node i.
using NodeExpandedQuery = std::function<std::optional<bool>(int node)>;

// Reads the table file at path (program folder + "DEFAULT.DAT" when empty)
// into a table sized by the given limits, its filePath set. The notices come
// in the order they are to be shown; a failure's is last.
// twipsPerPixel feeds setPixelRates after a successful read (pReadTable).
common::Outcome<ConversionTable> readTable(std::string path, const TableLimits& limits,
                                           std::string_view programDir, float twipsPerPixelX,
                                           float twipsPerPixelY);

// Writes the whole table to table.filePath; gives the encoding written, which
// the caller keeps for the next save. Category flags come from the tree (node
// c + 1). Text the format cannot hold never reaches the file as it stands:
// ";" becomes ":" in every field and line breaks in memos become one blank,
// in a copy; the table given is never changed (pSaveTable).
common::Outcome<ConversionTable::FileEncoding> saveTable(const ConversionTable& table,
                                                         const NodeExpandedQuery& isExpanded);

// The n-th field (1-based) of the line with one ";" appended; the count-th
// when n exceeds count (pGetField).
std::string fieldOf(std::string_view line, int n, int count);
// Number of fields: the ";" in the line with one appended (pCountFields).
int countFields(std::string_view line);

// How a table file's bytes become text and back. The reader takes a file
// that starts with a UTF-8 byte-order mark, or that is valid UTF-8 holding
// non-ASCII text, as UTF-8, and any other as Windows-1252. The writer keeps
// the encoding the table was read in (and its mark); a Windows-1252 table is written as
// UTF-8 (without a mark) when its text has no Windows-1252 bytes or when its
// Windows-1252 bytes would pass for UTF-8, so the reader always takes back
// the text written. encoding is updated to what was written.
ConversionTable::FileEncoding detectedEncoding(std::string_view bytes);
std::string tableFileText(std::string_view bytes);
std::string tableFileBytes(const std::string& text, ConversionTable::FileEncoding& encoding);
// Length of the byte-order mark the file starts with (0 or 3).
std::size_t byteOrderMarkLength(std::string_view bytes);

// The lines of a table file's text: split at CR LF, LF or a lone CR, blank
// ones included; a final line end opens no line. The views point into text.
std::vector<std::string_view> tableLines(std::string_view text);
// Empty after removing blanks: the reader drops it.
bool isBlankLine(std::string_view line);
// ";E;" after removing blanks: ends a section.
bool isTerminatorLine(std::string_view line);

// The file exists and can be read (pIfFileExists).
bool fileExists(const std::string& path);
// The program folder, ending in "/" (pGetDirPath).
std::string dirPathOf(std::string_view programDir);
// The text after the last "/".
std::string fileNameOf(std::string_view path);

// The rule for text the table file cannot hold, for every place where text
// enters the table (dialogs, rename in place), and for the writer.
std::string safeTableField(std::string_view text);

}  // namespace quantora
