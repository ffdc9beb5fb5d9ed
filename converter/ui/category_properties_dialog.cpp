#include "converter/ui/category_properties_dialog.h"

#include "converter/settings/dialog_keys.h"
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
      m_ok(new QPushButton(QStringLiteral("OK"), this)) {
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

    m_ok->setObjectName(QStringLiteral("cmdOK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("cmdHelp"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    buttons->addButton(help, QDialogButtonBox::HelpRole);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    const int topic = input.helpTopic;
    connect(help, &QPushButton::clicked, this, [this, topic] { emit helpRequested(topic); });
    m_ok->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(m_icon, 1, 0, 1, 2);
    grid->addWidget(buttons, 2, 0, 1, 2);
    setTabOrder(m_name, &m_icon->option(0));
    m_name->setFocus();
    m_name->selectAll();
}

NamedIcon CategoryPropertiesDialog::values() const {
    return {m_icon->icon(), m_name->text().toStdString()};
}

// Keys typed outside the name box: I chooses the first icon, N goes to the name.
void CategoryPropertiesDialog::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
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
