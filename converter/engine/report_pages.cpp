#include "converter/engine/report_pages.h"

#include "common/text_rules.h"

#include <algorithm>

namespace quantora {
namespace {

bool isRule(std::string_view line) {
    if (line.empty())
        return false;
    return std::all_of(line.begin(), line.end(), [](char c) { return c == '-'; }) ||
           std::all_of(line.begin(), line.end(), [](char c) { return c == '='; });
}

bool isBlank(std::string_view line) {
    return common::trimBlanks(line).empty();
}

// A page may not end after this line: it is a rule, or a heading over one.
bool holdsOn(const std::vector<std::string>& lines, std::size_t i) {
    return isRule(lines[i]) || (i + 1 < lines.size() && isRule(lines[i + 1]));
}

// Byte offsets of the characters of a UTF-8 text, and its end.
std::vector<std::size_t> characterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    }
    starts.push_back(text.size());
    return starts;
}

void appendWrapped(std::vector<std::string>& lines, std::string_view line, std::size_t columns) {
    const std::string indent(kContinuationIndent, ' ');
    std::string_view rest = line;
    std::string_view lead;  // the indent of a continuation
    for (;;) {
        const std::vector<std::size_t> starts = characterStarts(rest);
        const std::size_t room = columns > lead.size() ? columns - lead.size() : 1;
        if (columns == 0 || starts.size() - 1 <= room) {
            lines.push_back(std::string(lead) + std::string(rest));
            return;
        }
        std::size_t cut = starts[room];
        // The last blank that fits, unless only leading blanks come before it.
        const std::size_t blank = rest.substr(0, cut + 1).find_last_of(' ');
        if (blank != std::string_view::npos && !common::trimBlanks(rest.substr(0, blank)).empty())
            cut = blank;
        std::string_view piece = rest.substr(0, cut);
        while (!piece.empty() && piece.back() == ' ')
            piece.remove_suffix(1);
        lines.push_back(std::string(lead) + std::string(piece));
        rest = rest.substr(cut);
        while (!rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
        if (rest.empty())
            return;
        lead = indent;
    }
}

}  // namespace

std::vector<std::string> printedReportLines(const std::vector<std::string>& report, std::size_t columns) {
    std::vector<std::string> lines;
    lines.reserve(report.size() + 2);
    for (const std::string& line : report) {
        if (!line.empty() && line.back() == '\r') {
            appendWrapped(lines, std::string_view(line).substr(0, line.size() - 1), columns);
            lines.emplace_back();
        } else {
            appendWrapped(lines, line, columns);
        }
    }
    return lines;
}

std::vector<ReportPage> paginateReport(const std::vector<std::string>& lines, std::size_t linesPerPage) {
    const std::size_t perPage = std::max<std::size_t>(linesPerPage, 1);
    std::vector<ReportPage> pages;
    std::size_t at = 0;
    while (at < lines.size()) {
        if (!pages.empty()) {
            while (at < lines.size() && isBlank(lines[at]))
                ++at;
            if (at == lines.size())
                break;
        }
        std::size_t end = std::min(at + perPage, lines.size());
        if (end < lines.size()) {
            std::size_t kept = end;
            while (kept > at + 1 && holdsOn(lines, kept - 1))
                --kept;
            if (!holdsOn(lines, kept - 1))
                end = kept;
        }
        pages.push_back({at, end - at});
        at = end;
    }
    if (pages.empty())
        pages.push_back({0, 0});
    return pages;
}

std::string reportPageHeader(std::string_view tableTitle, std::size_t page, std::size_t pageCount) {
    return "Quantora 2000 Conversion Table - " + std::string(tableTitle) + " - Page " + std::to_string(page) +
           " of " + std::to_string(pageCount);
}

}  // namespace quantora
