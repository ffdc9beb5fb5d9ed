#pragma once
// frmMemo: the memo of one unit in a resizable window of its own, its text
// box filling the window. Escape or the close button closes it; closing
// hands the text and the window's size to the owner. Without Modify the
// memo can be read but not edited.

#include <QWidget>

#include <functional>

class QPlainTextEdit;

namespace quantora {

class MemoWindow : public QWidget {
    Q_OBJECT
public:
    struct Input {
        QString unitName;
        QString memo;
        bool editable = true;
        QSize size;  // in pixels
        QFont font;
        int quantity = 0;  // whose unit it shows
        int unit = 0;
    };
    // closed: the text as it stands and the window's size.
    using Closed = std::function<void(const MemoWindow&)>;
    MemoWindow(const Input& input, Closed closed, QWidget* owner);

    QString text() const;
    int quantity() const { return m_quantity; }
    int unit() const { return m_unit; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape, in the window or its text box, closes it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPlainTextEdit* m_memo;
    Closed m_closed;
    int m_quantity;
    int m_unit;
    bool m_done = false;
};

}  // namespace quantora
