#pragma once
// frmListProp: the four column titles of the unit list layout shown (the
// number-system layout has two). It shows the titles and hands back the
// boxes as typed.

#include <QDialog>

#include <array>
#include <string>

class QLineEdit;

namespace quantora {

class ListPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    struct Input {
        std::array<std::string, 4> titles;
        int editableColumns = 4;  // 2 for the number-system layout
        QFont textFont;
    };
    ListPropertiesDialog(const Input& input, QWidget* owner);

    std::array<std::string, 4> values() const;

signals:
    void helpRequested(int topic);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<QLineEdit*, 4> m_boxes{};
};

}  // namespace quantora
