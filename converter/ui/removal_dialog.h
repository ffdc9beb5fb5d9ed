#pragma once
// frmDelete: asks before a category, a physical quantity or a unit is
// removed, naming what goes with it. Yes accepts, No (also the key N while
// No has the focus) rejects; No has the focus first, as removing cannot be undone.

#include "converter/ui/icon_set.h"

#include <QDialog>

class QPushButton;

namespace quantora {

class RemovalDialog : public QDialog {
    Q_OBJECT
public:
    RemovalDialog(const QString& question, const IconSet& icons, QWidget* owner);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* m_no;
};

}  // namespace quantora
