#include "converter/ui/printer_chooser.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace quantora {

bool DialogPrinterChooser::choose(QWidget* parent, QPrinter& printer, const QString& pdfFile) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

QString suggestedPdfName(const QString& tableDirectory, const QString& tableTitle) {
    const QString base = QFileInfo(tableTitle).completeBaseName();
    return tableDirectory + (base.isEmpty() ? QStringLiteral("DEFAULT") : base) + QStringLiteral(".pdf");
}

}  // namespace quantora
