#include "converter/ui/dimensions_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quantora {

DimensionsDialog::DimensionsDialog(const std::array<int, 3>& limits, Check check, QFont textFont,
                                   QWidget* owner)
    : QDialog(owner), m_check(std::move(check)) {
    setObjectName(QStringLiteral("frmDimProp"));
    setWindowTitle(QStringLiteral(" Change Conversion Table Dimensions"));

    auto* frame = new QGroupBox(QStringLiteral("Dimensions"), this);
    auto* form = new QFormLayout(frame);
    const char* const labels[] = {"&Categories", "&Physical Quantities", "&Units per Quantity"};
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        auto* box = new QLineEdit(frame);
        box->setObjectName(QStringLiteral("txtDim_") + QString::number(i));
        box->setFont(textFont);
        box->setText(QString::number(limits[i]));
        box->setMaximumWidth(box->fontMetrics().averageCharWidth() * 12);
        form->addRow(QString::fromLatin1(labels[i]), box);
        m_boxes[i] = box;
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, &DimensionsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ok->setDefault(true);

    auto* box = new QVBoxLayout(this);
    box->setSizeConstraint(QLayout::SetFixedSize);
    box->addWidget(frame);
    box->addWidget(buttons);
    m_boxes[0]->setFocus();
    m_boxes[0]->selectAll();
}

std::array<std::string, 3> DimensionsDialog::values() const {
    return {m_boxes[0]->text().toStdString(), m_boxes[1]->text().toStdString(),
            m_boxes[2]->text().toStdString()};
}

void DimensionsDialog::accept() {
    const int wrong = m_check ? m_check(*this, values()) : -1;
    if (wrong >= 0 && wrong < static_cast<int>(m_boxes.size())) {
        m_boxes[static_cast<std::size_t>(wrong)]->setFocus(Qt::OtherFocusReason);
        m_boxes[static_cast<std::size_t>(wrong)]->selectAll();
        return;
    }
    QDialog::accept();
}

}  // namespace quantora
