#include "converter/ui/icon_choice.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

namespace quantora {

IconChoice::IconChoice(const IconSet& icons, IconSet::Family family, QWidget* parent)
    : QGroupBox(QStringLiteral("&Icon"), parent) {
    setObjectName(QStringLiteral("fraIcon"));
    auto* row = new QHBoxLayout(this);
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("optColor_") + QString::number(i));
        option->setAccessibleName(QStringLiteral("Icon ") + QString::number(i + 1));
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image1_") + QString::number(i));
        image->setPixmap(icons.choice(family, i + 1, devicePixelRatioF()));
        image->installEventFilter(this);
        row->addWidget(option);
        row->addWidget(image);
        row->addSpacing(8);
        m_options[static_cast<std::size_t>(i)] = option;
        m_images[static_cast<std::size_t>(i)] = image;
    }
    row->addStretch();
    m_options[0]->setChecked(true);
}

std::int16_t IconChoice::icon() const {
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        if (m_options[i]->isChecked())
            return static_cast<std::int16_t>(i + 1);
    }
    return 1;
}

void IconChoice::setIcon(int icon) {
    m_options[static_cast<std::size_t>(icon >= 1 && icon <= 4 ? icon - 1 : 0)]->setChecked(true);
}

void IconChoice::focusFirst() {
    m_options[0]->setChecked(true);
    m_options[0]->setFocus(Qt::ShortcutFocusReason);
}

bool IconChoice::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (std::size_t i = 0; i < m_images.size(); ++i) {
            if (watched == m_images[i]) {
                m_options[i]->setChecked(true);
                m_options[i]->setFocus(Qt::MouseFocusReason);
                return true;
            }
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace quantora
