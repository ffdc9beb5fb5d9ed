#pragma once
// frmRefProp: the name and the value (in the quantity's first unit) of one
// quick reference item, new or existing. It shows what it is given and
// hands back what the boxes hold.

#include "converter/table/reference_edits.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quantora {

class ReferenceItemDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 62;

    struct Input {
        ReferenceDialogMode mode = ReferenceDialogMode::Add;
        ReferenceItem item;
        QFont textFont;
    };
    ReferenceItemDialog(const Input& input, QWidget* owner);

    // The boxes as typed, untrimmed.
    ReferenceItem values() const;

signals:
    void helpRequested(int topic);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* m_name;
    QLineEdit* m_value;
    QPushButton* m_ok;
};

}  // namespace quantora
