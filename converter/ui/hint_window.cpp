#include "converter/ui/hint_window.h"

#include "converter/settings/hint_texts.h"
#include "converter/ui/icon_set.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace quantora {

HintWindow::HintWindow(ConverterContext& context, const IconSet& icons, Hooks hooks, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint),
      m_context(context),
      m_icons(icons),
      m_hooks(std::move(hooks)),
      m_text(new QLabel(this)),
      m_picture(new QLabel(this)),
      m_show(new QCheckBox(QStringLiteral(" Do not show this massage any more. "), this)),
      m_ok(new QPushButton(QStringLiteral("Noted"), this)),
      m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("frmHint"));
    setWindowTitle(QString::fromLatin1(kCaptionTitle));
    // Shown while the user types: it must not take the keyboard away.
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_text->setObjectName(QStringLiteral("lblHint"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(false);
    m_picture->setObjectName(QStringLiteral("imgMain"));
    m_picture->setFixedSize(32, 32);
    m_show->setObjectName(QStringLiteral("chkShow"));
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(70);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(12);
    grid->addWidget(m_picture, 0, 0, Qt::AlignTop);
    grid->addWidget(m_text, 0, 1);
    grid->addWidget(m_show, 1, 1);
    grid->addWidget(m_ok, 2, 0, 1, 2, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_show, &QCheckBox::clicked, this,
            [this](bool ticked) { setHintSwitch(m_context.settings, m_index, ticked); });
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);
    connect(m_timer, &QTimer::timeout, this, &HintWindow::animationTick);
}

void HintWindow::showHint(int index) {
    m_index = index;
    if (!hintWanted(m_context.settings, index))
        return;
    if (m_hooks.beforeShow)
        m_hooks.beforeShow();
    m_text->setText(QString::fromStdString(
        hintText(index, std::string(common::separatorName(m_context.decimalSeparator)))));
    m_show->setChecked(false);
    m_ticks = 0;
    m_picture->setPixmap(m_icons.hintPicture(0, devicePixelRatioF()));
    m_timer->start();
    if (!isVisible() && parentWidget()) {
        adjustSize();
        move(parentWidget()->frameGeometry().center() - rect().center());
    }
    m_open = true;
    show();
    raise();
}

void HintWindow::animationTick() {
    ++m_ticks;
    if (m_ticks == 10)
        m_picture->setPixmap(m_icons.hintPicture(1, devicePixelRatioF()));
    if (m_ticks == 20) {
        m_picture->setPixmap(m_icons.hintPicture(2, devicePixelRatioF()));
        m_timer->stop();
    }
}

void HintWindow::closeEvent(QCloseEvent* event) {
    m_open = false;
    m_timer->stop();
    event->accept();
    if (m_hooks.closed)
        m_hooks.closed();
}

}  // namespace quantora
