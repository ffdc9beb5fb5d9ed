// The node-status rewrite that runs at every exit. For a file the reader
// accepts, rewriting the category flags keeps it loadable; it loads into the
// same table with the tree's flags; every line but the category lines keeps
// its text, and its bytes while the encoding stays. Files the reader refuses
// are rewritten without harm to the process.
//
// Input: one byte saying which tree nodes are expanded, then the file.

#include "converter/table/node_status.h"
#include "converter/table/table_file.h"
#include "fuzz_support.h"
#include "table_compare.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace quantora;

namespace {

// The lines of a file with their line ends, split where the reader splits.
std::vector<std::string_view> linesWithEnds(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        lines.push_back(bytes.substr(start, i + 1 - start));
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

// The category lines come before the first terminator; blank lines are none.
bool isCategoryLine(std::string_view line, bool& beforeTerminator) {
    if (isTerminatorLine(line))
        beforeTerminator = false;
    return beforeTerminator && !isBlankLine(line);
}

// A category line without its flag: the fields before it, the text after it
// and the line end.
std::string withoutFlag(std::string_view line) {
    const std::size_t end = line.find_first_of("\r\n");
    const std::string_view lineEnd = end == std::string_view::npos ? std::string_view{} : line.substr(end);
    line = line.substr(0, end);
    const std::size_t second = line.find(';', line.find(';') + 1);
    const std::size_t third = second == std::string_view::npos ? second : line.find(';', second + 1);
    const std::string_view rest = third == std::string_view::npos ? std::string_view{} : line.substr(third);
    return fieldOf(line, 1, 3) + ";" + fieldOf(line, 2, 3) + "|" + std::string(rest) + "|" +
           std::string(lineEnd);
}

// Text lines when the encodings differ, byte lines (line ends included) when not.
void checkOtherLinesKept(std::string_view before, std::string_view after, bool asBytes) {
    const std::vector<std::string_view> a = asBytes ? linesWithEnds(before) : tableLines(before);
    const std::vector<std::string_view> b = asBytes ? linesWithEnds(after) : tableLines(after);
    FUZZ_CHECK(a.size() == b.size(), "the rewrite changed the number of lines: " + fuzz::escaped(before) +
                                         " became " + fuzz::escaped(after));
    bool categories = true;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (isCategoryLine(a[i], categories)) {
            FUZZ_CHECK(withoutFlag(a[i]) == withoutFlag(b[i]),
                       "a category line changed beyond its flag: " + fuzz::escaped(a[i]) + " became " +
                           fuzz::escaped(b[i]));
        } else {
            FUZZ_CHECK(a[i] == b[i], "line " + std::to_string(i + 1) + " changed: " + fuzz::escaped(a[i]) +
                                         " became " + fuzz::escaped(b[i]));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    const std::uint8_t expandedNodes = input.byte();
    const std::string_view bytes = input.rest();
    const fuzz::ScratchFolder& folder = fuzz::ScratchFolder::get();
    const std::string path = folder.file("status.dat");
    fuzz::writeFile(path, bytes);
    const NodeExpandedQuery tree = [expandedNodes](int node) -> std::optional<bool> {
        return (expandedNodes >> (node % 8) & 1) != 0;
    };

    common::Outcome<ConversionTable> read = readTable(path, TableLimits{}, folder.path(), 15, 15);
    if (!read) {
        ConversionTable unread;
        unread.filePath = path;
        (void)saveNodeStatus(unread, tree);
        return 0;
    }
    const ConversionTable first = read.take();
    const common::Status status = saveNodeStatus(first, tree);
    FUZZ_CHECK(status.ok(), "the rewrite of a table that loaded failed: " + status.failure()->text);
    const std::string after = fuzz::readFile(path);

    common::Outcome<ConversionTable> reread = readTable(path, TableLimits{}, folder.path(), 15, 15);
    FUZZ_CHECK(reread.ok(), "the rewrite made a loadable file unloadable (" +
                                reread.failure().value_or(common::Notice{}).text +
                                "): " + fuzz::escaped(after));
    ConversionTable expected = first;
    for (int c = 1; c <= expected.categoryCount; ++c)
        expected.category(c).expandedFlag = *tree(expected.categoryNode(c)) ? 1 : 0;
    const std::string difference = fuzz::tableDifference(expected, reread.value());
    FUZZ_CHECK(difference.empty(), "after the rewrite the file loads differently: " + difference +
                                       "\nrewritten as " + fuzz::escaped(after));

    if (detectedEncoding(bytes) == detectedEncoding(after)) {
        checkOtherLinesKept(bytes, after, true);
    } else {
        checkOtherLinesKept(tableFileText(bytes), tableFileText(after), false);
    }
    return 0;
}
