#include "converter/table/node_status.h"

#include "common/file_access.h"

#include <string>
#include <vector>

namespace quantora {
namespace {
constexpr std::string_view kErrorTitle = "Quantora 2000";

// Every line, blank ones included; a final line end does not open a new line.
std::vector<std::string> allLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::size_t stop = end;
        if (stop > start && bytes[stop - 1] == '\r')
            --stop;
        lines.emplace_back(bytes.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}
}  // namespace

void preserveTreeNodeStatus(ConversionTable& table, const NodeExpandedQuery& isExpanded) {
    for (int c = 1; c <= table.categoryCount; ++c) {
        const bool expanded = isExpanded && isExpanded(table.categoryNode(c)).value_or(false);
        table.category(c).expandedFlag = expanded ? 1 : 0;
    }
}

std::optional<common::Notice> saveNodeStatus(const ConversionTable& table,
                                             const NodeExpandedQuery& isExpanded) {
    const std::string& path = table.filePath;
    if (!fileExists(path))
        return std::nullopt;
    common::fileio::makeWritable(path);
    std::string bytes;
    if (!common::fileio::readAll(path, bytes))
        return common::errorCodeNotice(kErrorTitle, "PSNS01");
    std::vector<std::string> lines = allLines(bytes);

    // Only an exact terminator counts here; without one every line is a category line.
    std::size_t categoryLines = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == ";E;") {
            categoryLines = i;
            break;
        }
    }
    for (std::size_t i = 0; i < categoryLines; ++i) {
        const auto expanded = isExpanded ? isExpanded(static_cast<int>(i) + 2) : std::nullopt;
        if (!expanded)
            return common::errorCodeNotice(kErrorTitle, "PSNS04");
        lines[i] = fieldOf(lines[i], 1, 3) + ";" + fieldOf(lines[i], 2, 3) + ";" + (*expanded ? "1" : "0");
    }

    std::string out;
    out.reserve(bytes.size() + 64);
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    std::string error;
    if (!common::fileio::replaceFile(path, out, error))
        return common::errorCodeNotice(kErrorTitle, "PSNS05");
    return std::nullopt;
}

}  // namespace quantora
