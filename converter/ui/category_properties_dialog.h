#pragma once
// frmCatProp: the name and icon of a category or a physical quantity, new or
// existing. It shows what it is given and hands back what the boxes hold.

#include "converter/table/table_edits.h"
#include "converter/ui/icon_set.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quantora {

class IconChoice;

class CategoryPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    struct Input {
        NamedIcon item;
        QString caption;  // " Category Properties" or " Physical Quantity Properties"
        IconSet::Family family = IconSet::Family::Category;
        int helpTopic = 64;
        QFont textFont;
    };
    CategoryPropertiesDialog(const Input& input, const IconSet& icons, QWidget* owner);

    // The icon and the name box as typed, untrimmed.
    NamedIcon values() const;

signals:
    void helpRequested(int topic);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* m_name;
    IconChoice* m_icon;
    QPushButton* m_ok;
};

}  // namespace quantora
