#pragma once
// The calculator's own title bar on a frameless window. picBase is the
// window's background: it paints the title strip and the raised frame, drags
// the window by its title (the platform's move request, so it works on X11 and
// Wayland) and asks for the pop-up menu on a right click. The icon and title
// text let the mouse through to it. lblMin (with its bar lblMin1) and lblExit
// are the minimise and close glyphs, drawn as shapes so they stay crisp at any
// scale, in the normal, hover and pressed colours.

#include "calculator/eval/button_colors.h"
#include "calculator/eval/calculator_settings.h"
#include "calculator/eval/window_layout.h"

#include <QColor>
#include <QWidget>

#include <optional>

class QLabel;

namespace tallix {

// picBase.
class CalcBase : public QWidget {
    Q_OBJECT
public:
    explicit CalcBase(QWidget* window);

    void setTitleStrip(const Box& strip, const QColor& background);

signals:
    void pressed();                               // a left press anywhere on the base
    void menuRequested(const QPoint& globalPos);  // a right click

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QRect m_strip;
    QColor m_stripColor;
    // Where the window was grabbed, when the platform cannot move it itself.
    std::optional<QPoint> m_grab;
};

class GlyphButton : public QWidget {
    Q_OBJECT
public:
    enum class Glyph { Minimise, Close };
    GlyphButton(Glyph glyph, QWidget* parent);

    void setColors(const QColor& normal, const QColor& hover, const QColor& pressed);
    QColor currentColor() const { return m_current; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setCurrent(const QColor& color);

    Glyph m_glyph;
    QWidget* m_bar = nullptr;  // lblMin1, the minimise glyph's stroke
    QColor m_normal;
    QColor m_hover;
    QColor m_pressed;
    QColor m_current;
};

class TitleBar {
public:
    TitleBar(CalcBase& base, const QPixmap& icon);

    void place(const CalcLayout& layout);
    // Area 8: the title's font and text colour, the strip's background and
    // the glyph colours.
    void setStyle(const FontArea& area, const ButtonColors& glyphs);
    void setTitle(const QString& title);
    // The whole title's width in its font.
    int titleTextWidth() const;
    void setToolTips(bool on);

    GlyphButton& minimise() { return *m_minimise; }
    GlyphButton& exit() { return *m_exit; }

private:
    void showTitle();

    CalcBase& m_base;
    QLabel* m_icon;
    QLabel* m_title;
    GlyphButton* m_minimise;
    GlyphButton* m_exit;
    QString m_titleText;
    Box m_strip;
    QColor m_background;
};

}  // namespace tallix
