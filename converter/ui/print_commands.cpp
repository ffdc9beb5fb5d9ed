#include "converter/ui/print_commands.h"

#include "converter/engine/table_report.h"
#include "converter/settings/font_choice.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace quantora {
namespace {

// The printing element's name and size; its styles are not used.
QFont printingFont(const ConverterSettings& settings) {
    const auto i = static_cast<std::size_t>(FontElement::Printing);
    QFont font(QString::fromStdString(settings.fontName[i]));
    font.setStyleHint(QFont::TypeWriter);
    if (settings.fontSize[i] >= 1 && settings.fontSize[i] <= 144)
        font.setPointSize(settings.fontSize[i]);
    return font;
}

common::Notice notPrintedNotice() {
    return {common::NoticeIcon::Exclamation, std::string(kNoticeTitle),
            "The conversion table could not be printed: the printer or the file could not be opened."};
}

// Room around the listing on paper and in a PDF file alike.
void setMargins(QPrinter& printer) {
    constexpr double kMarginMillimeters = 15;
    printer.setPageMargins(
        QMarginsF(kMarginMillimeters, kMarginMillimeters, kMarginMillimeters, kMarginMillimeters),
        QPageLayout::Millimeter);
}

}  // namespace

PrintCommands::PrintCommands(ConverterContext& context, QWidget& window, Hooks hooks)
    : m_context(context), m_window(window), m_hooks(std::move(hooks)) {}

PrintCommands::~PrintCommands() = default;

PrintedReport PrintCommands::printOn(QPrinter& printer) {
    printer.setDocName(QStringLiteral("Quantora 2000 Conversion Table"));
    m_last = paintReport(printer, conversionTableReport(m_context.table), printingFont(m_context.settings),
                         QString::fromStdString(m_context.table.title));
    return m_last;
}

void PrintCommands::print() {
    if (m_hooks.removeTopmost)
        m_hooks.removeTopmost();
    QPrinter printer(QPrinter::HighResolution);
    setMargins(printer);
    const QString pdf =
        suggestedPdfName(m_context.tableDirectory, QString::fromStdString(m_context.table.title));
    if (m_chooser->choose(&m_window, printer, pdf) && !printOn(printer).printed)
        m_context.messages.present(&m_window, notPrintedNotice());
    if (m_hooks.restoreTopmost)
        m_hooks.restoreTopmost();
}

void PrintCommands::preview() {
    if (m_hooks.removeTopmost)
        m_hooks.removeTopmost();
    m_previewPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    setMargins(*m_previewPrinter);
    // Printing from the preview needs somewhere to go when no printer is installed.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        m_previewPrinter->setOutputFormat(QPrinter::PdfFormat);
        m_previewPrinter->setOutputFileName(
            suggestedPdfName(m_context.tableDirectory, QString::fromStdString(m_context.table.title)));
    }
    auto* dialog = new QPrintPreviewDialog(m_previewPrinter.get(), &m_window);
    dialog->setObjectName(QStringLiteral("frmPrintPreview"));
    dialog->setWindowTitle(QStringLiteral(" Print Preview - Quantora 2000 Conversion Table"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->resize(760, 820);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { printOn(*printer); });
    connect(dialog, &QDialog::finished, this, [this] {
        if (m_hooks.restoreTopmost)
            m_hooks.restoreTopmost();
    });
    dialog->open();
}

}  // namespace quantora
