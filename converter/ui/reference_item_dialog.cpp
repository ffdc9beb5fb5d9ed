#include "converter/ui/reference_item_dialog.h"

#include "converter/settings/dialog_keys.h"
#include "converter/ui/dialog_parts.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quantora {
namespace {

QString captionOf(ReferenceDialogMode mode) {
    switch (mode) {
        case ReferenceDialogMode::Add:
            return QStringLiteral(" Add");
        case ReferenceDialogMode::Insert:
            return QStringLiteral(" Insert Reference Data");
        case ReferenceDialogMode::Edit:
            break;
    }
    return QStringLiteral(" Edit");
}

void focusText(QLineEdit& box) {
    box.setFocus(Qt::ShortcutFocusReason);
    box.selectAll();
}

}  // namespace

ReferenceItemDialog::ReferenceItemDialog(const Input& input, QWidget* owner)
    : QDialog(owner), m_name(new QLineEdit(this)), m_value(new QLineEdit(this)), m_ok(nullptr) {
    setObjectName(QStringLiteral("frmRefProp"));
    setWindowTitle(captionOf(input.mode));

    auto* box = new QVBoxLayout(this);
    box->setSizeConstraint(QLayout::SetFixedSize);
    const auto addField = [this, box, &input](QLineEdit& text, const QString& field, const QString& label,
                                              const std::string& value) {
        text.setObjectName(QStringLiteral("txt") + field);
        text.setFont(input.textFont);
        text.setMinimumWidth(text.fontMetrics().averageCharWidth() * 36);
        text.setText(QString::fromStdString(value));
        auto* caption = new QLabel(label, this);
        caption->setObjectName(QStringLiteral("lbl") + field);
        caption->setBuddy(&text);
        box->addWidget(caption);
        box->addWidget(&text);
    };
    addField(*m_name, QStringLiteral("Name"), QStringLiteral("&Name"), input.item.name);
    addField(*m_value, QStringLiteral("Value"), QStringLiteral("&Value in SI or Base Unit"),
             input.item.value);
    const DialogButtons buttons = makeDialogButtons(*this, [this] { emit helpRequested(kHelpTopic); });
    m_ok = buttons.ok;
    box->addSpacing(box->spacing());
    box->addWidget(buttons.box);
    focusText(*m_name);
}

ReferenceItem ReferenceItemDialog::values() const {
    return {m_name->text().toStdString(), m_value->text().toStdString()};
}

// Keys typed outside the text boxes: N goes to the name, V to the value.
void ReferenceItemDialog::keyPressEvent(QKeyEvent* event) {
    const QString typed = plainKeyText(*event);
    if (typed.isEmpty()) {
        QDialog::keyPressEvent(event);
        return;
    }
    switch (referenceDialogKey(typed.toStdString())) {
        case ReferenceDialogField::Name:
            focusText(*m_name);
            break;
        case ReferenceDialogField::Value:
            focusText(*m_value);
            break;
        case ReferenceDialogField::None:
            break;
    }
    m_ok->setDefault(true);
    event->accept();
}

}  // namespace quantora
