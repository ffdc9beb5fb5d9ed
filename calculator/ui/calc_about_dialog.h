#pragma once
// The calculator's About box: name, version, what it does and its licence.

#include <QDialog>

namespace tallix {

class CalcAboutDialog : public QDialog {
    Q_OBJECT
public:
    CalcAboutDialog(const QIcon& icon, QWidget* owner);
};

}  // namespace tallix
