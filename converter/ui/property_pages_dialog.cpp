#include "converter/ui/property_pages_dialog.h"

#include "converter/ui/dialog_parts.h"
#include "converter/ui/icon_choice.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quantora {

PropertyPagesDialog::PropertyPagesDialog(const IconSet& icons, const Frame& frame, QWidget* owner)
    : QDialog(owner),
      m_tabs(new QTabWidget(this)),
      m_fields(new QGridLayout),
      m_icon(nullptr),
      m_memo(new QPlainTextEdit),
      m_ok(nullptr),
      m_textFont(frame.textFont) {
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->setAccessibleName(QStringLiteral("Property pages"));

    auto* properties = new QWidget;
    properties->setObjectName(QStringLiteral("picPage_0"));
    auto* propertiesBox = new QVBoxLayout(properties);
    propertiesBox->addLayout(m_fields);
    m_icon = new IconChoice(icons, frame.iconFamily, properties);
    propertiesBox->addWidget(m_icon);
    propertiesBox->addStretch();
    m_tabs->addTab(properties, QStringLiteral("&Properties"));

    auto* memoPage = new QWidget;
    memoPage->setObjectName(QStringLiteral("picPage_1"));
    auto* memoBox = new QVBoxLayout(memoPage);
    auto* memoLabel = new QLabel(QStringLiteral("Max. 256 &characters"), memoPage);
    memoLabel->setObjectName(QStringLiteral("lblMemo"));
    memoLabel->setBuddy(m_memo);
    m_memo->setObjectName(QStringLiteral("txtMemo"));
    m_memo->setFont(m_textFont);
    m_memo->setTabChangesFocus(true);
    memoBox->addWidget(memoLabel);
    memoBox->addWidget(m_memo);
    m_tabs->addTab(memoPage, frame.memoTitle);

    const int topic = frame.helpTopic;
    const DialogButtons buttons = makeDialogButtons(*this, [this, topic] { emit helpRequested(topic); });
    m_ok = buttons.ok;

    auto* box = new QVBoxLayout(this);
    box->addWidget(m_tabs);
    box->addWidget(buttons.box);
    connect(m_tabs, &QTabWidget::currentChanged, this, &PropertyPagesDialog::pageChosen);
}

QLineEdit* PropertyPagesDialog::addTextBox(const QString& name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setFont(m_textFont);
    return box;
}

std::int16_t PropertyPagesDialog::icon() const {
    return m_icon->icon();
}

QString PropertyPagesDialog::memoText() const {
    return m_memo->toPlainText();
}

void PropertyPagesDialog::showPage(int page) {
    if (m_tabs->currentIndex() == page)
        pageChosen(page);
    else
        m_tabs->setCurrentIndex(page);
}

void PropertyPagesDialog::focusText(QLineEdit& box) {
    box.setFocus(Qt::ShortcutFocusReason);
    box.selectAll();
}

void PropertyPagesDialog::pageChosen(int page) {
    if (page == 0) {
        m_ok->setDefault(true);
        focusText(firstField());
        return;
    }
    // Enter breaks a line in the memo.
    m_ok->setDefault(false);
    m_ok->setAutoDefault(false);
    m_memo->setFocus(Qt::ShortcutFocusReason);
    m_memo->moveCursor(QTextCursor::Start);
}

void PropertyPagesDialog::keyPressEvent(QKeyEvent* event) {
    const QString typed = plainKeyText(*event);
    if (!typed.isEmpty()) {
        accessKey(typed);
        m_ok->setDefault(true);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace quantora
