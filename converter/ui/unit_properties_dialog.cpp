#include "converter/ui/unit_properties_dialog.h"

#include "converter/settings/dialog_keys.h"
#include "converter/ui/icon_choice.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace quantora {
namespace {

constexpr int kHelpTopic = 53;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// A frame with a value box and its error box side by side.
QGroupBox* valueFrame(QWidget* parent, const QString& title, const QString& valueLabel, QLineEdit* value,
                      const QString& errorLabel, QLineEdit* error) {
    auto* frame = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(frame);
    auto* first = new QLabel(valueLabel, frame);
    first->setBuddy(value);
    auto* second = new QLabel(errorLabel, frame);
    second->setBuddy(error);
    grid->addWidget(first, 0, 0);
    grid->addWidget(value, 0, 1);
    grid->addWidget(second, 0, 2);
    grid->addWidget(error, 0, 3);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    return frame;
}

}  // namespace

UnitPropertiesDialog::UnitPropertiesDialog(const Input& input, const IconSet& icons, QWidget* owner)
    : PropertyPagesDialog(icons, {qt(input.titles[3]), kHelpTopic, IconSet::Family::Unit, input.textFont},
                          owner),
      m_titles(input.titles),
      m_name(addTextBox(QStringLiteral("txtName"))),
      m_rate(addTextBox(QStringLiteral("txtRate"))),
      m_rateError(addTextBox(QStringLiteral("txtRateError"))),
      m_offset(addTextBox(QStringLiteral("txtOffset"))),
      m_offsetError(addTextBox(QStringLiteral("txtOffsetError"))) {
    setObjectName(QStringLiteral("frmUnitProp"));
    setWindowTitle(QStringLiteral(" Unit Properties"));

    QWidget* page = tabs().widget(0);
    auto* nameLabel = new QLabel(qt(input.titles[0]), page);
    nameLabel->setObjectName(QStringLiteral("lblName"));
    nameLabel->setBuddy(m_name);
    fields().addWidget(nameLabel, 0, 0);
    fields().addWidget(m_name, 0, 1);
    fields().addWidget(valueFrame(page, qt(input.titles[1]), QStringLiteral("&Value"), m_rate,
                                  QStringLiteral("&Error"), m_rateError),
                       1, 0, 1, 2);
    fields().addWidget(valueFrame(page, qt(input.titles[2]), QStringLiteral("V&alue"), m_offset,
                                  QStringLiteral("E&rror"), m_offsetError),
                       2, 0, 1, 2);

    const UnitItem& unit = input.unit;
    iconChoice().setIcon(unit.icon);
    m_name->setText(qt(unit.name));
    m_rate->setText(qt(unit.rate));
    m_rateError->setText(qt(unit.rateError));
    m_offset->setText(qt(unit.offset));
    m_offsetError->setText(qt(unit.offsetError));
    memoBox().setPlainText(qt(unit.memo));
    if (input.numberBoxesLocked) {
        for (QLineEdit* box : {m_rate, m_rateError, m_offset, m_offsetError}) {
            QPalette palette = box->palette();
            palette.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
            box->setPalette(palette);
            box->setEnabled(false);
        }
    }

    setTabOrder(m_name, m_rate);
    setTabOrder(m_rate, m_rateError);
    setTabOrder(m_rateError, m_offset);
    setTabOrder(m_offset, m_offsetError);
    setTabOrder(m_offsetError, &iconChoice().option(0));
    showPage(0);
}

UnitItem UnitPropertiesDialog::values() const {
    return {icon(),
            m_name->text().toStdString(),
            m_rate->text().toStdString(),
            m_offset->text().toStdString(),
            m_rateError->text().toStdString(),
            m_offsetError->text().toStdString(),
            memoText().toStdString()};
}

bool UnitPropertiesDialog::accessKey(const QString& typed) {
    using F = UnitDialogField;
    QLineEdit* box = nullptr;
    switch (unitDialogKey(typed.toStdString(), m_titles)) {
        case F::PropertiesPage:
            showPage(0);
            return true;
        case F::MemoPage:
            showPage(1);
            return true;
        case F::Name:
            box = m_name;
            break;
        case F::Rate:
            box = m_rate;
            break;
        case F::RateError:
            box = m_rateError;
            break;
        case F::Offset:
            box = m_offset;
            break;
        case F::OffsetError:
            box = m_offsetError;
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
