#pragma once
// frmAbout: the program's name, version, what it does and its licence.

#include <QDialog>

namespace quantora {

class IconSet;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const IconSet& icons, QWidget* owner);
};

}  // namespace quantora
