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

}  // namespace

std::vector<std::string> printedReportLines(const std::vector<std::string>& report) {
    std::vector<std::string> lines;
    lines.reserve(report.size() + 2);
    for (const std::string& line : report) {
        if (!line.empty() && line.back() == '\r') {
            lines.push_back(line.substr(0, line.size() - 1));
            lines.emplace_back();
        } else {
            lines.push_back(line);
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
