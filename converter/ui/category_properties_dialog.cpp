#include "converter/ui/category_properties_dialog.h"

#include "converter/settings/dialog_keys.h"
#include "converter/ui/dialog_parts.h"
#include "converter/ui/icon_choice.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace quantora {

CategoryPropertiesDialog::CategoryPropertiesDialog(const Input& input, const IconSet& icons, QWidget* owner)
    : QDialog(owner),
      m_name(new QLineEdit(this)),
      m_icon(new IconChoice(icons, input.family, this)),
      m_ok(nullptr) {
    setObjectName(QStringLiteral("frmCatProp"));
    setWindowTitle(input.caption);

    auto* label = new QLabel(QStringLiteral("&Name"), this);
    label->setObjectName(QStringLiteral("lblName"));
    label->setBuddy(m_name);
    m_name->setObjectName(QStringLiteral("txtName"));
    m_name->setFont(input.textFont);
    m_name->setMinimumWidth(m_name->fontMetrics().averageCharWidth() * 36);
    m_name->setText(QString::fromStdString(input.item.name));
    m_icon->setIcon(input.item.icon);

    const int topic = input.helpTopic;
    const DialogButtons buttons = makeDialogButtons(*this, [this, topic] { emit helpRequested(topic); });
    m_ok = buttons.ok;

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(m_icon, 1, 0, 1, 2);
    grid->addWidget(buttons.box, 2, 0, 1, 2);
    setTabOrder(m_name, &m_icon->option(0));
    m_name->setFocus();
    m_name->selectAll();
}

NamedIcon CategoryPropertiesDialog::values() const {
    return {m_icon->icon(), m_name->text().toStdString()};
}

// Keys typed outside the name box: I chooses the first icon, N goes to the name.
void CategoryPropertiesDialog::keyPressEvent(QKeyEvent* event) {
    const QString typed = plainKeyText(*event);
    if (!typed.isEmpty()) {
        switch (categoryDialogKey(typed.toStdString())) {
            case CategoryDialogField::Icon:
                m_icon->focusFirst();
                break;
            case CategoryDialogField::Name:
                m_name->setFocus(Qt::ShortcutFocusReason);
                m_name->selectAll();
                break;
            case CategoryDialogField::None:
                break;
        }
        m_ok->setDefault(true);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quantora
