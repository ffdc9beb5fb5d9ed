#include "calculator/ui/title_bar.h"

#include "calculator/ui/area_styles.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>

namespace tallix {

namespace {

QColor glyphColor(std::int32_t packed) {
    const auto bits = static_cast<std::uint32_t>(packed);
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

// The minimise glyph's stroke: a bar in the glyph's colour.
class GlyphBar : public QWidget {
public:
    explicit GlyphBar(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
    void setColor(const QColor& color) {
        m_color = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), m_color);
    }

private:
    QColor m_color;
};

}  // namespace

CalcBase::CalcBase(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("picBase"));
    setAutoFillBackground(false);
}

void CalcBase::setTitleStrip(const Box& strip, const QColor& background) {
    m_strip = QRect(strip.x, strip.y, strip.width, strip.height);
    m_stripColor = background;
    update();
}

void CalcBase::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect all = rect();
    painter.fillRect(all, palette().color(QPalette::Window));
    painter.fillRect(m_strip, m_stripColor);
    // A raised frame: light along the top and left, shadow along the bottom and right.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(all.topLeft(), all.topRight());
    painter.drawLine(all.topLeft(), all.bottomLeft());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(all.bottomLeft(), all.bottomRight());
    painter.drawLine(all.topRight(), all.bottomRight());
}

void CalcBase::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    emit pressed();
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    m_grab = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
}

void CalcBase::mouseMoveEvent(QMouseEvent* event) {
    if (m_grab && (event->buttons() & Qt::LeftButton))
        window()->move(event->globalPosition().toPoint() - *m_grab);
}

void CalcBase::mouseReleaseEvent(QMouseEvent*) {
    m_grab.reset();
}

void CalcBase::contextMenuEvent(QContextMenuEvent* event) {
    emit menuRequested(event->globalPos());
}

GlyphButton::GlyphButton(Glyph glyph, QWidget* parent) : QWidget(parent), m_glyph(glyph) {
    if (m_glyph == Glyph::Minimise) {
        m_bar = new GlyphBar(this);
        m_bar->setObjectName(QStringLiteral("lblMin1"));
    }
}

void GlyphButton::setColors(const QColor& normal, const QColor& hover, const QColor& pressed) {
    m_normal = normal;
    m_hover = hover;
    m_pressed = pressed;
    setCurrent(underMouse() ? m_hover : m_normal);
}

void GlyphButton::setCurrent(const QColor& color) {
    m_current = color;
    if (m_bar)
        static_cast<GlyphBar*>(m_bar)->setColor(color);
    update();
}

void GlyphButton::resizeEvent(QResizeEvent*) {
    if (!m_bar)
        return;
    // A bar low in the square, as wide as the close glyph's cross.
    const int side = std::min(width(), height());
    const int thickness = std::max(2, side / 8);
    const int length = side - 2 * (side * 3 / 10);
    m_bar->setGeometry((width() - length) / 2, height() - side * 3 / 10 - thickness, length, thickness);
}

void GlyphButton::paintEvent(QPaintEvent*) {
    if (m_glyph != Glyph::Close)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height());
    const qreal inset = side * 3 / 10;
    QPen pen(m_current, std::max<qreal>(1.5, side / 8), Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    const QRectF box((width() - side) / 2 + inset, (height() - side) / 2 + inset, side - 2 * inset,
                     side - 2 * inset);
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
}

void GlyphButton::enterEvent(QEnterEvent*) {
    setCurrent(m_hover);
}

void GlyphButton::leaveEvent(QEvent*) {
    setCurrent(m_normal);
}

void GlyphButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        setCurrent(m_pressed);
}

void GlyphButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    setCurrent(inside ? m_hover : m_normal);
    if (inside)
        emit clicked();
}

TitleBar::TitleBar(CalcBase& base, const QPixmap& icon)
    : m_base(base),
      m_icon(new QLabel(&base)),
      m_title(new QLabel(&base)),
      m_minimise(new GlyphButton(GlyphButton::Glyph::Minimise, &base)),
      m_exit(new GlyphButton(GlyphButton::Glyph::Close, &base)) {
    m_icon->setObjectName(QStringLiteral("imgIcon"));
    m_icon->setPixmap(icon);
    m_title->setObjectName(QStringLiteral("lblTitle"));
    // Presses on the icon and the title reach picBase, which drags and shows the menu.
    m_icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_minimise->setObjectName(QStringLiteral("lblMin"));
    m_exit->setObjectName(QStringLiteral("lblExit"));
}

void TitleBar::place(const CalcLayout& l) {
    const auto rect = [](const Box& b) { return QRect(b.x, b.y, b.width, b.height); };
    m_strip = l.titleStrip;
    m_icon->setGeometry(rect(l.icon));
    m_title->setGeometry(rect(l.title));
    m_minimise->setGeometry(rect(l.minimise));
    m_exit->setGeometry(rect(l.exit));
    m_base.setTitleStrip(m_strip, m_background);
    showTitle();
}

void TitleBar::setStyle(const FontArea& area, const ButtonColors& glyphs) {
    const QPalette palette = m_base.palette();
    m_background = storedColor(area.backColor, palette);
    QPalette text = m_title->palette();
    text.setColor(QPalette::WindowText, storedColor(area.textColor, palette));
    m_title->setPalette(text);
    m_title->setFont(areaFont(area));
    const QColor normal = glyphColor(glyphs.normal);
    m_minimise->setColors(normal, glyphColor(glyphs.hover), glyphColor(glyphs.pressed));
    m_exit->setColors(normal, glyphColor(glyphs.hover), glyphColor(glyphs.pressed));
    m_base.setTitleStrip(m_strip, m_background);
    showTitle();
}

void TitleBar::setTitle(const QString& title) {
    m_titleText = title;
    showTitle();
}

int TitleBar::titleTextWidth() const {
    return m_title->fontMetrics().horizontalAdvance(m_titleText);
}

void TitleBar::showTitle() {
    // A title wider than the screen ends in "…" instead of running under the glyphs.
    m_title->setText(m_title->fontMetrics().elidedText(m_titleText, Qt::ElideRight, m_title->width()));
}

void TitleBar::setToolTips(bool on) {
    const QString menu = on ? QStringLiteral("Right-click here to show menu items.") : QString();
    m_base.setToolTip(menu);
    m_icon->setToolTip(menu);
    m_title->setToolTip(menu);
    const QString minimise = on ? QStringLiteral("Minimize") : QString();
    m_minimise->setToolTip(minimise);
    if (QWidget* bar = m_minimise->findChild<QWidget*>(QStringLiteral("lblMin1")))
        bar->setToolTip(minimise);
    m_exit->setToolTip(on ? QStringLiteral("Exit Tallix") : QString());
}

}  // namespace tallix
