#pragma once
// A file dialog's view narrowed to folders and executable files, while the
// dialog's first name filter ("Executable Files") is the chosen one.

#include <QSortFilterProxyModel>

class QFileDialog;

namespace quantora {

class ExecutableFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setActive(bool active);

    // Puts the filter on a (non-native) file dialog and follows its filter choice.
    static void install(QFileDialog& dialog, const QString& executableFilter);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    bool m_active = true;
};

}  // namespace quantora
