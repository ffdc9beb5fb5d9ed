// Printing the table report: the bundled table printed to a PDF file holds
// the report's lines, page by page, each page under its header.

#include "support/window_fixture.h"

#include "converter/engine/report_pages.h"
#include "converter/engine/table_report.h"
#include "converter/ui/print_commands.h"

#include <QAction>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using uitest::WindowFixture;

namespace {

// Prints to a PDF file instead of asking; or cancels, like the dialog's Cancel.
class PdfPrinter final : public quantora::PrinterChooser {
public:
    bool choose(QWidget*, QPrinter& printer, const QString& pdfFile) override {
        suggested = pdfFile;
        if (path.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    }
    QString path;
    QString suggested;
};

// The non-blank lines of each page, spaced as a text extractor spaces words.
QList<QStringList> pagesOf(const QString& text) {
    QList<QStringList> pages;
    for (const QString& page : text.split(QLatin1Char('\f'))) {
        QStringList lines;
        for (const QString& line : page.split(QLatin1Char('\n'))) {
            if (!line.simplified().isEmpty())
                lines << line.simplified();
        }
        if (!lines.isEmpty())
            pages << lines;
    }
    return pages;
}

}  // namespace

class PrintTableTest : public uitest::WindowTest {
    Q_OBJECT
private slots:
    void theBundledTablePrintsToPdfPageByPage() {
        const QString extractor = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (extractor.isEmpty())
            QSKIP("pdftotext is not installed (package poppler-utils; scripts/install-deps.sh installs it)");
        WindowFixture& fixture = makeFixture();
        quantora::MainWindow& window = fixture.start();
        PdfPrinter printer;
        printer.path = fixture.folder() + QStringLiteral("/table.pdf");
        window.printing().setPrinterChooser(printer);
        fixture.action("mnuFileArray_4")->trigger();
        const quantora::PrintedReport& printed = window.printing().lastPrinted();
        QVERIFY(printed.printed);
        QVERIFY(printed.pageCount > 10);
        QCOMPARE(printer.suggested, fixture.folder() + QStringLiteral("/DEFAULT.pdf"));

        QProcess pdftotext;
        // Laid out as printed: one text line per printed line.
        pdftotext.start(extractor, {QStringLiteral("-layout"), printer.path, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(60000));
        QCOMPARE(pdftotext.exitCode(), 0);
        const QList<QStringList> pages = pagesOf(QString::fromUtf8(pdftotext.readAllStandardOutput()));

        const std::vector<std::string> lines = quantora::printedReportLines(
            quantora::conversionTableReport(window.table()), static_cast<std::size_t>(printed.columns));
        const std::vector<quantora::ReportPage> layout =
            quantora::paginateReport(lines, static_cast<std::size_t>(printed.linesPerPage));
        QCOMPARE(pages.size(), static_cast<qsizetype>(layout.size()));
        QCOMPARE(pages.size(), static_cast<qsizetype>(printed.pageCount));
        for (std::size_t p = 0; p < layout.size(); ++p) {
            QStringList expected{
                QString::fromStdString(quantora::reportPageHeader(window.table().title, p + 1, layout.size()))
                    .simplified()};
            for (std::size_t i = 0; i < layout[p].count; ++i) {
                const QString line = QString::fromStdString(lines[layout[p].first + i]).simplified();
                if (!line.isEmpty())
                    expected << line;
            }
            QCOMPARE(pages[static_cast<qsizetype>(p)], expected);
        }
        QCOMPARE(pages.front().value(1), QStringLiteral("===================================="));
        QVERIFY(pages.front().contains(QStringLiteral("Conversion Table File")));
    }

    void thePreviewShowsThePagesThatPrint() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        QAction* preview = fixture.action("mnuFilePrintPreview");
        QVERIFY(preview->isEnabled());
        preview->trigger();
        auto* dialog = window.findChild<QPrintPreviewDialog*>(QStringLiteral("frmPrintPreview"));
        QVERIFY(dialog);
        auto* pages = dialog->findChild<QPrintPreviewWidget*>();
        QVERIFY(pages);
        QVERIFY(window.printing().lastPrinted().printed);
        QCOMPARE(pages->pageCount(), window.printing().lastPrinted().pageCount);
        dialog->reject();
        // The preview follows the print item, which the refresh switches.
        fixture.action("mnuFileArray_4")->setEnabled(false);
        QVERIFY(!preview->isEnabled());
    }

    void cancellingThePrintDialogPrintsNothing() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        quantora::MainWindow& window = fixture.start();
        PdfPrinter printer;
        window.printing().setPrinterChooser(printer);
        fixture.action("tbPrint")->trigger();
        QVERIFY(!printer.suggested.isEmpty());
        QVERIFY(!window.printing().lastPrinted().printed);
        QVERIFY(QDir(fixture.folder()).entryList({QStringLiteral("*.pdf")}).isEmpty());
    }
};

QUANTORA_WINDOW_TEST_MAIN(PrintTableTest)
#include "print_table_test.moc"
