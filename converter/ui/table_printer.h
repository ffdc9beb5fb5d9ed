#pragma once
// Paints the table report on a printer's pages: one header line and a rule
// on every page, then the report lines that fit, in the printing font.

#include <QFont>
#include <QString>

#include <string>
#include <vector>

class QPagedPaintDevice;
class QPrinter;

namespace quantora {

struct PrintedReport {
    bool printed = false;  // false: the printer could not be started
    int pageCount = 0;
    int linesPerPage = 0;  // report lines a page holds below its header
    int columns = 0;       // characters a line holds before it goes on below
};

// Prints the report lines in one job (the listing of pPrintTable).
PrintedReport paintReport(QPrinter& printer, const std::vector<std::string>& report, const QFont& font,
                          const QString& tableTitle);

}  // namespace quantora
