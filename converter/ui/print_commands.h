#pragma once
// The print command of frmMain: the whole table as the report listing, on
// the printer the user picks (a PDF file needs none), in the printing font;
// and a preview of the same pages before printing.

#include "converter/ui/converter_context.h"
#include "converter/ui/printer_chooser.h"
#include "converter/ui/table_printer.h"

#include <QObject>

#include <functional>
#include <memory>

class QPrinter;
class QPrintPreviewDialog;

namespace quantora {

class PrintCommands : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> removeTopmost;   // before a dialog
        std::function<void()> restoreTopmost;  // after it
    };
    PrintCommands(ConverterContext& context, QWidget& window, Hooks hooks);
    ~PrintCommands() override;

    // Prints the conversion table report (pPrintTable).
    void print();
    // Shows the pages as print() would print them; they can be printed from there.
    void preview();

    // A test prints to a file without a dialog.
    void setPrinterChooser(PrinterChooser& chooser) { m_chooser = &chooser; }
    const PrintedReport& lastPrinted() const { return m_last; }

private:
    PrintedReport printOn(QPrinter& printer);

    ConverterContext& m_context;
    QWidget& m_window;
    Hooks m_hooks;
    DialogPrinterChooser m_dialogs;
    PrinterChooser* m_chooser = &m_dialogs;
    std::unique_ptr<QPrinter> m_previewPrinter;
    PrintedReport m_last;
};

}  // namespace quantora
