#pragma once
// frmDimProp: the three table limits (categories, physical quantities, units
// per quantity). OK asks the given check first; a refused value keeps the
// dialog open with that box chosen.

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QLineEdit;

namespace quantora {

class DimensionsDialog : public QDialog {
    Q_OBJECT
public:
    // The dialog and its box texts -> the box to correct, or -1 when they are taken.
    using Check = std::function<int(QWidget& dialog, const std::array<std::string, 3>&)>;
    DimensionsDialog(const std::array<int, 3>& limits, Check check, QFont textFont, QWidget* owner);

    std::array<std::string, 3> values() const;

public slots:
    void accept() override;

private:
    Check m_check;
    std::array<QLineEdit*, 3> m_boxes{};
};

}  // namespace quantora
