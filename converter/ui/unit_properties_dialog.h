#pragma once
// frmUnitProp: name, conversion factor and Y-intercept with their errors,
// icon and memo of one unit. It shows what it is given and hands back what
// the boxes hold; the caller decides what that does to the table.

#include "converter/table/conversion_table.h"
#include "converter/ui/property_pages_dialog.h"

#include <array>
#include <string>

class QLabel;

namespace quantora {

class UnitPropertiesDialog : public PropertyPagesDialog {
    Q_OBJECT
public:
    struct Input {
        UnitItem unit;
        bool numberBoxesLocked = false;     // a number system's unit: radix and errors are not edited
        std::array<std::string, 4> titles;  // the unit list's column titles (layout 0)
        QFont textFont;
    };
    UnitPropertiesDialog(const Input& input, const IconSet& icons, QWidget* owner);

    // The boxes as typed, untrimmed.
    UnitItem values() const;

protected:
    QLineEdit& firstField() const override { return *m_name; }
    bool accessKey(const QString& typed) override;

private:
    std::array<std::string, 4> m_titles;
    QLineEdit* m_name;
    QLineEdit* m_rate;
    QLineEdit* m_rateError;
    QLineEdit* m_offset;
    QLineEdit* m_offsetError;
};

}  // namespace quantora
