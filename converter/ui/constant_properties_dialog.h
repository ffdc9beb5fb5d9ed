#pragma once
// frmConstProp: name, value, unit text, icon and memo of a physical
// constant. It shows what it is given and hands back what the boxes hold.

#include "converter/table/conversion_table.h"
#include "converter/ui/property_pages_dialog.h"

#include <array>
#include <string>

namespace quantora {

class ConstantPropertiesDialog : public PropertyPagesDialog {
    Q_OBJECT
public:
    struct Input {
        UnitItem constant;
        std::array<std::string, 4> titles;  // the constants list's column titles (layout 1)
        QFont textFont;
    };
    ConstantPropertiesDialog(const Input& input, const IconSet& icons, QWidget* owner);

    // The boxes as typed, untrimmed; the error fields as given.
    UnitItem values() const;

protected:
    QLineEdit& firstField() const override { return *m_name; }
    bool accessKey(const QString& typed) override;

private:
    UnitItem m_given;
    std::array<std::string, 4> m_titles;
    QLineEdit* m_name;
    QLineEdit* m_value;
    QLineEdit* m_unit;
};

}  // namespace quantora
