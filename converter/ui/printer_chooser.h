#pragma once
// The print dialog behind one small interface, so that a window test can
// print to a PDF file without a dialog.

class QPrinter;
class QString;
class QWidget;

namespace quantora {

class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    // Sets the printer up; false when the user cancels. A print to file
    // goes to pdfFile unless the user names another.
    virtual bool choose(QWidget* parent, QPrinter& printer, const QString& pdfFile) = 0;
};

// The platform's print dialog. With no printer installed it starts on
// printing to a PDF file, which needs none.
class DialogPrinterChooser final : public PrinterChooser {
public:
    bool choose(QWidget* parent, QPrinter& printer, const QString& pdfFile) override;
};

// The PDF file a print to file suggests: the table's name with ".pdf".
QString suggestedPdfName(const QString& tableDirectory, const QString& tableTitle);

}  // namespace quantora
