#include "converter/ui/memo_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace quantora {

MemoWindow::MemoWindow(const Input& input, Closed closed, QWidget* owner)
    : QWidget(owner, Qt::Tool),
      m_memo(new QPlainTextEdit(this)),
      m_closed(std::move(closed)),
      m_quantity(input.quantity),
      m_unit(input.unit) {
    setObjectName(QStringLiteral("frmMemo"));
    setWindowTitle(QStringLiteral(" ") + input.unitName);
    setAttribute(Qt::WA_DeleteOnClose);
    m_memo->setObjectName(QStringLiteral("txtMemo"));
    m_memo->setAccessibleName(QStringLiteral("Memo"));
    m_memo->setFont(input.font);
    m_memo->setPlainText(input.memo);
    m_memo->setReadOnly(!input.editable);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(m_memo);
    resize(input.size);
}

void MemoWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString MemoWindow::text() const {
    return m_memo->toPlainText();
}

void MemoWindow::closeEvent(QCloseEvent* event) {
    // Told once, however often the window is asked to close.
    if (!m_done && m_closed) {
        m_done = true;
        m_closed(*this);
    }
    event->accept();
}

}  // namespace quantora
