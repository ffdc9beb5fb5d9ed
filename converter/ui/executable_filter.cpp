#include "converter/ui/executable_filter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>

namespace quantora {

void ExecutableFilter::setActive(bool active) {
    if (active == m_active)
        return;
    m_active = active;
    invalidateFilter();
}

bool ExecutableFilter::filterAcceptsRow(int row, const QModelIndex& parent) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!m_active || !files)
        return true;
    const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
    return info.isDir() || info.isExecutable();
}

void ExecutableFilter::install(QFileDialog& dialog, const QString& executableFilter) {
    // The platform's own dialog takes no proxy model.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    auto* filter = new ExecutableFilter(&dialog);
    dialog.setProxyModel(filter);
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, filter,
        [filter, executableFilter](const QString& chosen) { filter->setActive(chosen == executableFilter); });
}

}  // namespace quantora
