#include "converter/engine/report_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quantora {
namespace {

// A quantity section as the report writes it: blank, heading, rule, the
// quantity, rule, heading, rule, then its units.
std::vector<std::string> section(int units) {
    std::vector<std::string> lines{" ",     "Quantity heading", "-----", "  1  1  Length   3",
                                   "-----", "Unit heading",     "-----"};
    for (int u = 0; u < units; ++u)
        lines.push_back("  1  unit " + std::to_string(u));
    return lines;
}

TEST(ReportPages, ACarriageReturnLeavesAnEmptyLine) {
    EXPECT_EQ(printedReportLines({"====\r", "path\r", "x", ""}),
              (std::vector<std::string>{"====", "", "path", "", "x", ""}));
}

TEST(ReportPages, LinesWiderThanThePageGoOnBelow) {
    EXPECT_EQ(printedReportLines({"  1  meter (m)  1  0  0  0", "short"}, 12),
              (std::vector<std::string>{"  1  meter", "    (m)  1", "    0  0  0", "short"}));
    // No blank to break at: cut after the columns; characters stay whole.
    EXPECT_EQ(printedReportLines({"\xC3\xA5\xC3\xA5\xC3\xA5\xC3\xA5\xC3\xA5\xC3\xA5"}, 5),
              (std::vector<std::string>{"\xC3\xA5\xC3\xA5\xC3\xA5\xC3\xA5\xC3\xA5", "    \xC3\xA5"}));
    EXPECT_EQ(printedReportLines({"a long path with blanks\r"}, 0),
              (std::vector<std::string>{"a long path with blanks", ""}));
}

TEST(ReportPages, HeadingsStayWithTheirLinesAndPagesOpenWithText) {
    std::vector<std::string> lines;
    for (int s = 0; s < 6; ++s) {
        const std::vector<std::string> part = section(s);
        lines.insert(lines.end(), part.begin(), part.end());
    }
    constexpr std::size_t kPerPage = 12;
    const std::vector<ReportPage> pages = paginateReport(lines, kPerPage);
    ASSERT_GT(pages.size(), 2u);
    std::size_t next = 0;
    for (const ReportPage& page : pages) {
        ASSERT_GT(page.count, 0u);
        EXPECT_LE(page.count, kPerPage);
        // Only blank lines are left out, and only where a page opens.
        for (std::size_t skipped = next; skipped < page.first; ++skipped)
            EXPECT_EQ(lines[skipped], " ");
        if (page.first > 0) {
            EXPECT_NE(lines[page.first], " ");
        }
        const std::string& last = lines[page.first + page.count - 1];
        EXPECT_NE(last, "-----");
        if (page.first + page.count < lines.size()) {
            EXPECT_NE(lines[page.first + page.count], "-----") << "a heading was left at the foot";
        }
        next = page.first + page.count;
    }
    EXPECT_EQ(next, lines.size());
    // Section 1 (after the 7-line section 0) no longer fits on page 1 once
    // its unit is counted: the page breaks before its heading.
    EXPECT_EQ(pages[0], (ReportPage{0, 8}));
    EXPECT_EQ(lines[pages[1].first], "Quantity heading");
}

TEST(ReportPages, TooFewLinesPerPageStillPrintsEverything) {
    const std::vector<std::string> lines = section(1);
    const std::vector<ReportPage> pages = paginateReport(lines, 2);
    std::size_t printed = 0;
    for (const ReportPage& page : pages)
        printed += page.count;
    EXPECT_EQ(printed, lines.size());
    EXPECT_EQ(paginateReport({}, 10), (std::vector<ReportPage>{{0, 0}}));
    EXPECT_EQ(reportPageHeader("DEFAULT.DAT", 2, 7),
              "Quantora 2000 Conversion Table - DEFAULT.DAT - Page 2 of 7");
}

}  // namespace
}  // namespace quantora
