#pragma once
// The table report laid out on printed pages: each page opens with a header
// naming the table and the page, then as many report lines as fit. A page
// never ends on a heading or its rule, so a heading stays with what follows
// it, and a blank line that would open a page is left out.
//
// report lines -> printed lines (a closing carriage return leaves an empty
// line; a line wider than the page goes on below, indented) -> pages of at
// most N lines -> header + lines per page

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

// The lines as printed: a line ending in a carriage return is printed without
// it and followed by an empty line. With `columns` above zero, a line of more
// characters is broken at its last blank that fits (or after `columns`
// characters) and goes on in lines indented by kContinuationIndent blanks.
inline constexpr std::size_t kContinuationIndent = 4;
std::vector<std::string> printedReportLines(const std::vector<std::string>& report, std::size_t columns = 0);

// One page: lines [first, first + count) of the printed lines.
struct ReportPage {
    std::size_t first = 0;
    std::size_t count = 0;
    friend bool operator==(const ReportPage&, const ReportPage&) = default;
};

// Breaks the printed lines into pages of at most linesPerPage lines (at least
// one). A rule line (only "-" or "=") and the line before one are kept with
// the line after it, unless that leaves no line for the page.
std::vector<ReportPage> paginateReport(const std::vector<std::string>& lines, std::size_t linesPerPage);

// The header line of a page: "Quantora 2000 Conversion Table - DEFAULT.DAT - Page 2 of 7".
std::string reportPageHeader(std::string_view tableTitle, std::size_t page, std::size_t pageCount);

}  // namespace quantora
