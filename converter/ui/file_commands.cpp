#include "converter/ui/file_commands.h"

#include "converter/table/node_status.h"
#include "converter/table/table_file.h"
#include "converter/table/view_plan.h"
#include "converter/ui/conversion_boxes.h"
#include "converter/ui/quantity_views.h"
#include "converter/ui/unit_list_view.h"

#include <QLineEdit>

namespace quantora {
namespace {

// Windows lose their topmost state while a file dialog or prompt is up, and
// get it back on every way out.
class TopmostPause {
public:
    explicit TopmostPause(const FileCommands::Hooks& hooks) : m_hooks(hooks) {
        if (m_hooks.removeTopmost)
            m_hooks.removeTopmost();
    }
    ~TopmostPause() {
        if (m_hooks.restoreTopmost)
            m_hooks.restoreTopmost();
    }
    TopmostPause(const TopmostPause&) = delete;
    TopmostPause& operator=(const TopmostPause&) = delete;

private:
    const FileCommands::Hooks& m_hooks;
};

}  // namespace

FileCommands::FileCommands(ConverterContext& context, QWidget& window, FileChooser& chooser,
                           QuantityViews& views, ConversionBoxes& boxes, Hooks hooks)
    : m_context(context),
      m_window(window),
      m_chooser(chooser),
      m_views(views),
      m_boxes(boxes),
      m_hooks(std::move(hooks)) {}

FileDialogRequest FileCommands::askFileName(FileDialogRequest::Kind kind, const QString& title) const {
    FileDialogRequest request;
    request.kind = kind;
    request.title = title;
    // "*.dat;*.txt" in the platform's pattern form.
    request.nameFilters = {QStringLiteral("Data files (*.dat *.txt)"), QStringLiteral("All Files (*)")};
    request.directory = m_context.tableDirectory;
    request.fileName = QString::fromStdString(fileNameOf(m_context.table.filePath));
    return request;
}

void FileCommands::takeFileIdentity(const QString& path) {
    ConversionTable& table = m_context.table;
    table.filePath = path.toStdString();
    table.title = tableTitleOf(table.filePath);
    m_context.tableDirectory =
        QString::fromStdString(tableDirectoryOf(table.filePath, m_context.tableFolder.toStdString()));
}

bool FileCommands::writeTable() {
    const common::Outcome<ConversionTable::FileEncoding> saved =
        saveTable(m_context.table, m_views.expandedQuery());
    m_context.messages.presentAll(&m_window, saved.notices());
    if (!saved)
        return false;
    m_context.table.fileEncoding = saved.value();
    m_context.table.changed = false;
    return true;
}

SavePrompt FileCommands::askSaveChanges() {
    ConversionTable& table = m_context.table;
    const common::Notice question{
        common::NoticeIcon::Exclamation, std::string(kCaptionTitle),
        "The file '" + table.title + "' has changed.\nDo you want to save the changes?"};
    const common::NoticeAnswer answer =
        m_context.messages.present(&m_window, question, common::NoticeButtons::YesNoCancel);
    if (answer == common::NoticeAnswer::Yes) {
        FileDialogRequest request = askFileName(FileDialogRequest::Kind::Save, QStringLiteral(" Save As"));
        request.confirmOverwrite = true;
        const std::optional<QString> path = m_chooser.choose(&m_window, request);
        if (!path)
            return SavePrompt::YesCancel;
        const std::string oldPath = table.filePath;
        const QString oldDirectory = m_context.tableDirectory;
        takeFileIdentity(*path);
        m_views.setRootText(QString::fromStdString(table.title));
        if (m_hooks.saveSettings)
            m_hooks.saveSettings();
        if (!writeTable()) {
            // Nothing was saved: keep the old file and stay, so no change is lost.
            takeFileIdentity(QString::fromStdString(oldPath));
            m_context.tableDirectory = oldDirectory;
            m_views.setRootText(QString::fromStdString(table.title));
            return SavePrompt::YesCancel;
        }
        return SavePrompt::YesSave;
    }
    if (answer == common::NoticeAnswer::No) {
        if (m_hooks.saveSettings)
            m_hooks.saveSettings();
        m_context.messages.presentAll(&m_window, saveNodeStatus(table, m_views.expandedQuery()).notices());
        return SavePrompt::No;
    }
    return SavePrompt::Cancel;
}

int FileCommands::open() {
    const TopmostPause pause(m_hooks);
    // The question about unsaved changes is asked once, however often the
    // file dialog comes back after a file that failed to load.
    bool changesSettled = !m_context.table.changed;
    for (;;) {
        if (!changesSettled) {
            const SavePrompt answer = askSaveChanges();
            if (answer == SavePrompt::Cancel || answer == SavePrompt::YesCancel)
                return -1;
            changesSettled = true;
        }
        FileDialogRequest request = askFileName(FileDialogRequest::Kind::Open, QStringLiteral(" Open"));
        request.hideReadOnly = true;
        const std::optional<QString> path = m_chooser.choose(&m_window, request);
        if (!path)
            return -1;
        // A file that fails to load leaves the current table as it is,
        // shown, saveable and still marked changed.
        common::Outcome<ConversionTable> read =
            readTable(path->toStdString(), m_context.settings.limits, m_context.tableFolder.toStdString(),
                      m_context.twipsPerPixelX, m_context.twipsPerPixelY);
        m_context.messages.presentAll(&m_window, read.notices());
        if (!read)
            continue;

        m_context.table = read.take();
        m_context.table.changed = false;
        const SessionChange change = m_context.session.tableReplaced();
        takeFileIdentity(*path);
        m_views.updateTreeView();
        m_views.clearList();
        if (const std::optional<ViewStyle> style = viewStyleOf(m_context.settings.view))
            m_views.setViewStyle(*style);
        if (m_context.loadFailed && m_context.settings.showGridLines == 1)
            m_views.list().setGridLines(true);
        m_boxes.input().clear();
        // The units picked belong to the old table.
        m_boxes.apply(change);
        m_context.loadFailed = false;
        return 0;
    }
}

void FileCommands::save() {
    if (!m_context.table.changed)
        return;
    const common::Notice question{common::NoticeIcon::Exclamation, " Save",
                                  "Do you really want to overwrite the existing file?"};
    if (m_context.messages.present(&m_window, question, common::NoticeButtons::YesNo) !=
        common::NoticeAnswer::Yes) {
        return;
    }
    writeTable();
}

int FileCommands::saveAs() {
    const TopmostPause pause(m_hooks);
    FileDialogRequest request = askFileName(FileDialogRequest::Kind::Save, QStringLiteral(" Save As"));
    request.confirmOverwrite = true;
    request.hideReadOnly = true;
    const std::optional<QString> path = m_chooser.choose(&m_window, request);
    if (!path)
        return -1;
    ConversionTable& table = m_context.table;
    const std::string oldPath = table.filePath;
    const QString oldDirectory = m_context.tableDirectory;
    takeFileIdentity(*path);
    if (!writeTable()) {
        takeFileIdentity(QString::fromStdString(oldPath));
        m_context.tableDirectory = oldDirectory;
        return -1;
    }
    m_views.setRootText(QString::fromStdString(table.title));
    return 0;
}

}  // namespace quantora
