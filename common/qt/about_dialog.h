#pragma once
// frmAbout of both programs: the icon, the name, version, what the program
// does and its licence.

#include <QDialog>

namespace common {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // summary: one paragraph of plain text.
    AboutDialog(const QIcon& icon, const QString& name, const QString& summary, QWidget* owner,
                Qt::WindowFlags flags = Qt::Dialog);
};

}  // namespace common
