#include "converter/ui/list_properties_dialog.h"

#include "converter/settings/dialog_keys.h"
#include "converter/ui/dialog_parts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quantora {
namespace {
constexpr int kHelpTopic = 57;
}

ListPropertiesDialog::ListPropertiesDialog(const Input& input, QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmListProp"));
    setWindowTitle(QStringLiteral(" List Properties"));

    auto* frame = new QGroupBox(QStringLiteral("Rename Column Header Text"), this);
    auto* grid = new QGridLayout(frame);
    const QPalette normal = QApplication::palette();
    for (int c = 0; c < 4; ++c) {
        auto* box = new QLineEdit(frame);
        box->setObjectName(QStringLiteral("txtHeader_") + QString::number(c));
        box->setFont(input.textFont);
        box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 32);
        box->setText(QString::fromStdString(input.titles[static_cast<std::size_t>(c)]));
        auto* label = new QLabel(QStringLiteral("Column &") + QString::number(c + 1), frame);
        label->setObjectName(QStringLiteral("lblHeader_") + QString::number(c));
        label->setBuddy(box);
        if (c >= input.editableColumns) {
            QPalette face = box->palette();
            face.setColor(QPalette::Base, normal.color(QPalette::Button));
            box->setPalette(face);
            box->setEnabled(false);
            label->setEnabled(false);
        }
        grid->addWidget(label, c, 0);
        grid->addWidget(box, c, 1);
        m_boxes[static_cast<std::size_t>(c)] = box;
    }

    const DialogButtons buttons = makeDialogButtons(*this, [this] { emit helpRequested(kHelpTopic); });

    auto* box = new QVBoxLayout(this);
    box->setSizeConstraint(QLayout::SetFixedSize);
    box->addWidget(frame);
    box->addWidget(buttons.box);
    m_boxes[0]->setFocus();
    m_boxes[0]->selectAll();
}

std::array<std::string, 4> ListPropertiesDialog::values() const {
    std::array<std::string, 4> titles;
    for (std::size_t c = 0; c < titles.size(); ++c)
        titles[c] = m_boxes[c]->text().toStdString();
    return titles;
}

// Outside the boxes, "1" to "4" and R move to a box.
void ListPropertiesDialog::keyPressEvent(QKeyEvent* event) {
    const int target = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)
                           ? -1
                           : listHeaderDialogKey(event->text().toStdString());
    if (target >= 0) {
        QLineEdit* box = m_boxes[static_cast<std::size_t>(target)];
        if (box->isEnabled()) {
            box->setFocus(Qt::ShortcutFocusReason);
            box->selectAll();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quantora
