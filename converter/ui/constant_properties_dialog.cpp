#include "converter/ui/constant_properties_dialog.h"

#include "converter/settings/dialog_keys.h"
#include "converter/ui/icon_choice.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace quantora {
namespace {

constexpr int kHelpTopic = 58;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

ConstantPropertiesDialog::ConstantPropertiesDialog(const Input& input, const IconSet& icons, QWidget* owner)
    : PropertyPagesDialog(icons, {qt(input.titles[3]), kHelpTopic, IconSet::Family::Unit, input.textFont},
                          owner),
      m_given(input.constant),
      m_titles(input.titles),
      m_name(addTextBox(QStringLiteral("txtQty"))),
      m_value(addTextBox(QStringLiteral("txtValue"))),
      m_unit(addTextBox(QStringLiteral("txtUnit"))) {
    setObjectName(QStringLiteral("frmConstProp"));
    setWindowTitle(QStringLiteral(" Physical Constant Properties"));

    QWidget* page = tabs().widget(0);
    const std::array<QLineEdit*, 3> boxes{m_name, m_value, m_unit};
    for (std::size_t row = 0; row < boxes.size(); ++row) {
        auto* label = new QLabel(qt(input.titles[row]), page);
        label->setObjectName(QStringLiteral("lblField_") + QString::number(row));
        label->setBuddy(boxes[row]);
        fields().addWidget(label, static_cast<int>(row), 0);
        fields().addWidget(boxes[row], static_cast<int>(row), 1);
    }
    m_name->setMinimumWidth(m_name->fontMetrics().averageCharWidth() * 40);

    iconChoice().setIcon(input.constant.icon);
    m_name->setText(qt(input.constant.name));
    m_value->setText(qt(input.constant.rate));
    m_unit->setText(qt(input.constant.offset));
    memoBox().setPlainText(qt(input.constant.memo));

    setTabOrder(m_name, m_value);
    setTabOrder(m_value, m_unit);
    setTabOrder(m_unit, &iconChoice().option(0));
    showPage(0);
}

UnitItem ConstantPropertiesDialog::values() const {
    UnitItem constant = m_given;
    constant.icon = icon();
    constant.name = m_name->text().toStdString();
    constant.rate = m_value->text().toStdString();
    constant.offset = m_unit->text().toStdString();
    constant.memo = memoText().toStdString();
    return constant;
}

bool ConstantPropertiesDialog::accessKey(const QString& typed) {
    using F = ConstantDialogField;
    QLineEdit* box = nullptr;
    switch (constantDialogKey(typed.toStdString(), m_titles)) {
        case F::PropertiesPage:
            showPage(0);
            return true;
        case F::MemoPage:
            showPage(1);
            return true;
        case F::Name:
            box = m_name;
            break;
        case F::Value:
            box = m_value;
            break;
        case F::Unit:
            box = m_unit;
            break;
        case F::Icon:
            tabs().setCurrentIndex(0);
            iconChoice().focusFirst();
            return true;
        case F::None:
            return false;
    }
    tabs().setCurrentIndex(0);
    focusText(*box);
    return true;
}

}  // namespace quantora
