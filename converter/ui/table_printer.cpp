#include "converter/ui/table_printer.h"

#include "converter/engine/report_pages.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace quantora {

PrintedReport paintReport(QPrinter& printer, const std::vector<std::string>& report, const QFont& font,
                          const QString& tableTitle) {
    PrintedReport result;
    QPainter painter;
    if (!painter.begin(&printer))
        return result;
    painter.setFont(font);
    QFont headerFont = font;
    headerFont.setBold(true);
    // Measured at the printer's resolution, where the painter draws.
    const QFontMetricsF metrics(font, &printer);
    const QFontMetricsF headerMetrics(headerFont, &printer);
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const double lineHeight = metrics.lineSpacing();
    const double bodyTop = headerMetrics.lineSpacing() + lineHeight;
    const int linesPerPage =
        std::max(1, static_cast<int>(std::floor((area.height() - bodyTop) / lineHeight)));

    // The widest letter sets how many characters a line holds, so no text
    // runs off the page.
    const int columns =
        std::max(8, static_cast<int>(std::floor(area.width() / metrics.horizontalAdvance(QLatin1Char('M')))));
    const std::vector<std::string> lines = printedReportLines(report, static_cast<std::size_t>(columns));
    const std::vector<ReportPage> pages = paginateReport(lines, static_cast<std::size_t>(linesPerPage));
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        painter.setFont(headerFont);
        painter.drawText(
            QPointF(0, headerMetrics.ascent()),
            QString::fromStdString(reportPageHeader(tableTitle.toStdString(), p + 1, pages.size())));
        const double ruleY = headerMetrics.lineSpacing() + lineHeight / 2;
        painter.drawLine(QPointF(0, ruleY), QPointF(area.width(), ruleY));
        painter.setFont(font);
        for (std::size_t i = 0; i < pages[p].count; ++i) {
            const double baseline = bodyTop + static_cast<double>(i) * lineHeight + metrics.ascent();
            painter.drawText(QPointF(0, baseline), QString::fromStdString(lines[pages[p].first + i]));
        }
    }
    painter.end();
    result.printed = true;
    result.pageCount = static_cast<int>(pages.size());
    result.linesPerPage = linesPerPage;
    result.columns = columns;
    return result;
}

}  // namespace quantora
