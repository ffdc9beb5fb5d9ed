#include "converter/ui/font_dialog.h"

#include "common/qt/system_colors.h"
#include "converter/ui/color_chooser.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quantora {
namespace {

constexpr int kSampleWidth = 260;
constexpr int kSampleHeight = 70;

}  // namespace

FontDialog::FontDialog(FontElement element, const FontChoice& copy, ColorChooser& colors,
                       const QFont& textFont, QWidget* owner)
    : QDialog(owner),
      m_element(element),
      m_colors(colors),
      m_pending(openedFont(copy)),
      m_fonts(new QComboBox(this)),
      m_size(new QComboBox(this)),
      m_foreColor(new QPushButton(QStringLiteral("&Text Color..."), this)),
      m_backColor(new QPushButton(QStringLiteral("Bac&kground Color..."), this)),
      m_sampleFrame(new QFrame(this)),
      m_sample(new QLabel(QStringLiteral("AaBbYyZz 123.45"), m_sampleFrame)) {
    setObjectName(QStringLiteral("frmFont"));
    setWindowTitle(QString::fromStdString(fontDialogTitle(element)));

    m_fonts->setObjectName(QStringLiteral("cboFonts"));
    m_fonts->setEditable(true);
    m_fonts->setInsertPolicy(QComboBox::NoInsert);
    m_fonts->setFont(textFont);
    fillFonts();
    m_fonts->setCurrentText(QString::fromStdString(m_pending.name));

    m_size->setObjectName(QStringLiteral("cboSize"));
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    m_size->setFont(textFont);
    for (int size = 8; size <= 16; ++size)
        m_size->addItem(QString::number(size));
    // Digits only: any text left in the box is a size.
    m_size->lineEdit()->setValidator(new QIntValidator(0, 999, m_size));
    m_size->setCurrentText(QString::number(m_pending.size));

    const char* styleCaptions[] = {"&Bold", "&Italic", "&Underline"};
    auto* styleBox = new QGroupBox(QStringLiteral("Style"), this);
    auto* styleLayout = new QVBoxLayout(styleBox);
    for (std::size_t j = 0; j < m_styles.size(); ++j) {
        m_styles[j] = new QCheckBox(QString::fromLatin1(styleCaptions[j]), styleBox);
        m_styles[j]->setObjectName(QStringLiteral("chkStyle_") + QString::number(j));
        m_styles[j]->setChecked(m_pending.style[j] == 1);
        styleLayout->addWidget(m_styles[j]);
        connect(m_styles[j], &QCheckBox::toggled, this, &FontDialog::updateSample);
    }

    m_foreColor->setObjectName(QStringLiteral("cmdForeColor"));
    m_backColor->setObjectName(QStringLiteral("cmdBackColor"));
    connect(m_foreColor, &QPushButton::clicked, this, [this] { chooseColor(true); });
    connect(m_backColor, &QPushButton::clicked, this, [this] { chooseColor(false); });

    m_sampleFrame->setObjectName(QStringLiteral("picSample"));
    m_sampleFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_sampleFrame->setFixedSize(kSampleWidth, kSampleHeight);
    m_sampleFrame->setAutoFillBackground(true);
    m_sample->setObjectName(QStringLiteral("lblSample"));

    const FontControls controls = fontControlsFor(element);
    m_fonts->setEnabled(controls.name);
    m_size->setEnabled(controls.size);
    for (QCheckBox* style : m_styles)
        style->setEnabled(controls.styles);
    m_foreColor->setEnabled(controls.colors);
    m_backColor->setEnabled(controls.colors);

    connect(m_fonts, &QComboBox::currentTextChanged, this, &FontDialog::updateSample);
    connect(m_fonts, &QComboBox::activated, this, [this] {
        if (m_fonts->currentText().trimmed().isEmpty())
            m_fonts->setCurrentText(QStringLiteral("Arial"));
    });
    // Only typed sizes are limited: the list's 15 and 16 stay what they are.
    connect(m_size, &QComboBox::currentTextChanged, this, &FontDialog::updateSample);
    connect(m_size->lineEdit(), &QLineEdit::textEdited, this, &FontDialog::sizeTyped);
    connect(m_size, &QComboBox::activated, this, [this] {
        if (m_size->currentText().trimmed().isEmpty())
            m_size->setCurrentText(QStringLiteral("9"));
    });

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    help->setObjectName(QStringLiteral("cmdHelp"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &FontDialog::helpWanted);

    auto* fontLabel = new QLabel(QStringLiteral("&Font:"), this);
    fontLabel->setBuddy(m_fonts);
    auto* sizeLabel = new QLabel(QStringLiteral("&Size:"), this);
    sizeLabel->setBuddy(m_size);
    auto* colorBox = new QGroupBox(QStringLiteral("Colors"), this);
    auto* colorLayout = new QVBoxLayout(colorBox);
    colorLayout->addWidget(m_foreColor);
    colorLayout->addWidget(m_backColor);
    auto* sampleBox = new QGroupBox(QStringLiteral("Sample"), this);
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    sampleLayout->addWidget(m_sampleFrame, 0, Qt::AlignCenter);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(fontLabel, 0, 0);
    grid->addWidget(sizeLabel, 0, 1);
    grid->addWidget(m_fonts, 1, 0);
    grid->addWidget(m_size, 1, 1);
    grid->addWidget(styleBox, 2, 0);
    grid->addWidget(colorBox, 2, 1);
    grid->addWidget(sampleBox, 3, 0, 1, 2);
    grid->addWidget(buttons, 0, 2, 4, 1);
    m_fonts->setMinimumWidth(200);
    updateSample();
}

void FontDialog::fillFonts() {
    QStringList names;
    for (const QString& family : QFontDatabase::families()) {
        if (offeredFontName(family.toStdString()))
            names << family;
    }
    m_fonts->addItems(names);
}

void FontDialog::sizeTyped(const QString& text) {
    if (const std::optional<std::string> limited = limitedSizeText(text.toStdString()))
        m_size->setCurrentText(QString::fromStdString(*limited));
}

void FontDialog::chooseColor(bool text) {
    ColorValue& pending = text ? m_pending.textColor : m_pending.backColor;
    const QColor initial = common::colorFromValue(pending, QApplication::palette());
    const std::optional<QColor> chosen = m_colors.choose(
        this, initial, text ? QStringLiteral(" Text Color") : QStringLiteral(" Background Color"));
    if (!chosen)
        return;
    pending = colorValueOf(*chosen);
    updateSample();
}

FontChoice FontDialog::choice() const {
    FontChoice choice = m_pending;
    choice.name = m_fonts->currentText().toStdString();
    choice.size = sizeOfText(m_size->currentText().toStdString());
    for (std::size_t j = 0; j < m_styles.size(); ++j)
        choice.style[j] = m_styles[j]->isChecked() ? 1 : 0;
    return choice;
}

void FontDialog::updateSample() {
    const FontChoice shown = choice();
    QFont font(QString::fromStdString(shown.name));
    font.setPointSize(shown.size);
    font.setBold(shown.style[0] == 1);
    font.setItalic(shown.style[1] == 1);
    font.setUnderline(shown.style[2] == 1);
    m_sample->setFont(font);
    // The whole frame shows the background, the sample the text colour.
    const QPalette base = QApplication::palette();
    QPalette palette = m_sampleFrame->palette();
    palette.setColor(QPalette::Window, common::colorFromValue(shown.backColor, base));
    palette.setColor(QPalette::WindowText, common::colorFromValue(shown.textColor, base));
    m_sampleFrame->setPalette(palette);
    m_sample->setPalette(palette);
    m_sample->adjustSize();
    // Centred in the frame, halves rounded down.
    m_sample->move((m_sampleFrame->width() - m_sample->width()) / 2,
                   (m_sampleFrame->height() - m_sample->height()) / 2);
}

}  // namespace quantora
