#include "converter/ui/file_chooser.h"

#include "converter/ui/executable_filter.h"

#include <QDir>
#include <QFileDialog>

namespace quantora {

std::optional<QString> DialogFileChooser::choose(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent, request.title, request.directory);
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(request.nameFilters);
    if (request.executablesOnly && !request.nameFilters.isEmpty())
        ExecutableFilter::install(dialog, request.nameFilters.constFirst());
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.fileName.isEmpty())
        dialog.selectFile(QDir(request.directory).filePath(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace quantora
