#include "converter/table/node_status.h"

#include "common/file_access.h"
#include "common/numeric_text.h"
#include "common/text_encoding.h"
#include "converter/settings/product_title.h"

#include <string>
#include <vector>

namespace quantora {
namespace {

// One change to the file: bytes [start, start + length) become text.
struct Edit {
    std::size_t start;
    std::size_t length;
    std::string text;
};

// The edit that makes a category line's third field (the flag the reader
// takes) say flag, or none when it already does. A line with fewer fields
// gets the missing separators; fields after the third stay as they are.
std::optional<Edit> flagEdit(std::string_view line, std::size_t lineStart, bool expanded) {
    const char* flag = expanded ? "1" : "0";
    if (common::lenientWholeNumber(fieldOf(line, 3, 3)) == (expanded ? 1 : 0))
        return std::nullopt;
    const std::size_t first = line.find(';');
    if (first == std::string_view::npos)
        return Edit{lineStart + line.size(), 0, std::string(";;") + flag};
    const std::size_t second = line.find(';', first + 1);
    if (second == std::string_view::npos)
        return Edit{lineStart + line.size(), 0, std::string(";") + flag};
    const std::size_t third = line.find(';', second + 1);
    const std::size_t end = third == std::string_view::npos ? line.size() : third;
    return Edit{lineStart + second + 1, end - second - 1, flag};
}
}  // namespace

void preserveTreeNodeStatus(ConversionTable& table, const NodeExpandedQuery& isExpanded) {
    for (int c = 1; c <= table.categoryCount; ++c) {
        const bool expanded = isExpanded && isExpanded(table.categoryNode(c)).value_or(false);
        table.category(c).expandedFlag = expanded ? 1 : 0;
    }
}

common::Status saveNodeStatus(const ConversionTable& table, const NodeExpandedQuery& isExpanded) {
    const std::string& path = table.filePath;
    if (!fileExists(path))
        return common::succeeded();
    const std::optional<std::string> read = common::fileio::readAll(path);
    if (!read)
        return common::Status::failure(common::errorCodeNotice(kProductName, "PSNS01"));
    const std::string& bytes = *read;

    // The category lines as the reader finds them: its line ends, blank lines
    // skipped, a terminator recognised with blanks around it. Line ends and
    // blanks are the same bytes in every encoding the reader knows.
    const std::size_t mark = byteOrderMarkLength(bytes);
    const std::string_view body = std::string_view(bytes).substr(mark);
    std::vector<Edit> edits;
    bool terminatorFound = false;
    int category = 0;
    for (const std::string_view line : tableLines(body)) {
        if (isTerminatorLine(line)) {
            terminatorFound = true;
            break;
        }
        if (isBlankLine(line))
            continue;
        ++category;
        const auto expanded = isExpanded ? isExpanded(category + 1) : std::nullopt;
        if (!expanded)
            return common::Status::failure(common::errorCodeNotice(kProductName, "PSNS04"));
        if (auto edit = flagEdit(line, mark + static_cast<std::size_t>(line.data() - body.data()), *expanded))
            edits.push_back(std::move(*edit));
    }
    // Not a table the reader would load: rewriting it could only damage it.
    if (!terminatorFound)
        return common::Status::failure(common::errorCodeNotice(kProductName, "PSNS04"));
    if (edits.empty())
        return common::succeeded();

    std::string out;
    out.reserve(bytes.size() + 2 * edits.size());
    std::size_t copied = 0;
    for (const Edit& edit : edits) {
        out.append(bytes, copied, edit.start - copied);
        out += edit.text;
        copied = edit.start + edit.length;
    }
    out.append(bytes, copied, std::string::npos);
    // A Windows-1252 file whose only non-UTF-8 bytes stood in a flag would
    // now pass for UTF-8 and read as other text: it is written as UTF-8.
    if (detectedEncoding(bytes) == ConversionTable::FileEncoding::Windows1252 &&
        detectedEncoding(out) != ConversionTable::FileEncoding::Windows1252) {
        out = out.substr(0, mark) + common::windows1252ToUtf8(std::string_view(out).substr(mark));
    }

    std::string error;
    if (!common::fileio::replaceFile(path, out, error))
        return common::Status::failure(common::errorCodeNotice(kProductName, "PSNS05"));
    return common::succeeded();
}

}  // namespace quantora
