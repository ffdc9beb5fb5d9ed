#include "calculator/ui/calc_font_dialog.h"

#include "calculator/eval/button_colors.h"
#include "calculator/ui/area_styles.h"
#include "calculator/ui/color_chooser.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallix {

namespace {

constexpr const char* kAreaNames[] = {"Expression", "Result", "Title Bar"};
constexpr int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24};

}  // namespace

CalcFontDialog::CalcFontDialog(ColorItem which, const FontArea& area, ColorChooser& colors, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint),
      m_colors(colors),
      m_area(area),
      m_fonts(new QComboBox(this)),
      m_size(new QComboBox(this)),
      m_sample(new QLabel(QStringLiteral("AaBbYyZz0123"), this)) {
    setObjectName(QStringLiteral("frmCalcFont"));
    setWindowTitle(QStringLiteral(" Fonts and Colors - ") +
                   QString::fromLatin1(kAreaNames[static_cast<int>(which)]));

    m_fonts->setObjectName(QStringLiteral("cboFonts"));
    m_fonts->setEditable(true);
    m_fonts->setInsertPolicy(QComboBox::NoInsert);
    m_fonts->addItems(QFontDatabase::families());
    m_fonts->setEditText(QString::fromStdString(area.name));
    m_size->setObjectName(QStringLiteral("cboSize"));
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    for (const int size : kSizes)
        m_size->addItem(QString::number(size));
    m_size->setEditText(QString::number(area.size));
    m_size->lineEdit()->setMaxLength(8);

    auto* fontLabel = new QLabel(QStringLiteral("&Font"), this);
    fontLabel->setBuddy(m_fonts);
    auto* sizeLabel = new QLabel(QStringLiteral("&Size"), this);
    sizeLabel->setBuddy(m_size);

    auto* style = new QGroupBox(QStringLiteral("St&yle"), this);
    auto* styleBox = new QVBoxLayout(style);
    const char* styleCaptions[] = {"Bold", "Italic", "Underline"};
    const std::array<std::int16_t, 3> flags{area.bold, area.italic, area.underline};
    for (std::size_t i = 0; i < m_styles.size(); ++i) {
        m_styles[i] = new QCheckBox(QString::fromLatin1(styleCaptions[i]), style);
        m_styles[i]->setObjectName(QStringLiteral("chkStyle_") + QString::number(i));
        m_styles[i]->setChecked(flags[i] == 1);
        styleBox->addWidget(m_styles[i]);
        connect(m_styles[i], &QCheckBox::toggled, this, &CalcFontDialog::showSample);
    }

    auto* color = new QGroupBox(QStringLiteral("&Color"), this);
    auto* colorBox = new QVBoxLayout(color);
    auto* foreColor = new QPushButton(QStringLiteral("Text Color"), color);
    foreColor->setObjectName(QStringLiteral("cmdForeColor"));
    auto* backColor = new QPushButton(QStringLiteral("Background Color"), color);
    backColor->setObjectName(QStringLiteral("cmdBackColor"));
    colorBox->addWidget(foreColor);
    colorBox->addWidget(backColor);
    colorBox->addStretch();

    auto* sample = new QGroupBox(QStringLiteral("Sample"), this);
    auto* sampleBox = new QVBoxLayout(sample);
    m_sample->setObjectName(QStringLiteral("lblSample"));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setAutoFillBackground(true);
    m_sample->setMinimumSize(220, 56);
    m_sample->setFrameShape(QFrame::StyledPanel);
    sampleBox->addWidget(m_sample);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("cmdHelp"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addSpacing(12);
    buttons->addWidget(help);
    buttons->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(fontLabel, 0, 0);
    grid->addWidget(sizeLabel, 0, 1);
    grid->addWidget(m_fonts, 1, 0);
    grid->addWidget(m_size, 1, 1);
    grid->addWidget(style, 2, 0);
    grid->addWidget(color, 2, 1);
    grid->addWidget(sample, 3, 0, 1, 2);
    grid->addLayout(buttons, 0, 2, 4, 1);
    grid->setColumnStretch(0, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    m_fonts->setMinimumWidth(m_fonts->fontMetrics().averageCharWidth() * 28);
    m_size->setMaximumWidth(m_size->fontMetrics().averageCharWidth() * 9);

    connect(m_fonts, &QComboBox::editTextChanged, this, [this](const QString& text) {
        // The name is never empty: an emptied box shows the default again at once.
        if (text.isEmpty())
            m_fonts->setEditText(QString::fromLatin1(kDefaultFontName));
        showSample();
    });
    connect(m_size, &QComboBox::editTextChanged, this, &CalcFontDialog::showSample);
    connect(foreColor, &QPushButton::clicked, this, [this] { chooseColor(m_area.textColor); });
    connect(backColor, &QPushButton::clicked, this, [this] { chooseColor(m_area.backColor); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &CalcFontDialog::helpRequested);
    showSample();
}

FontArea CalcFontDialog::area() const {
    FontArea a = m_area;
    a.name = m_fonts->currentText().toStdString();
    if (a.name.empty())
        a.name = kDefaultFontName;
    a.size = dialogFontSize(m_size->currentText().toStdString());
    a.bold = m_styles[0]->isChecked() ? 1 : 0;
    a.italic = m_styles[1]->isChecked() ? 1 : 0;
    a.underline = m_styles[2]->isChecked() ? 1 : 0;
    return a;
}

void CalcFontDialog::showSample() {
    const FontArea a = area();
    const QPalette system = QApplication::palette(m_sample);
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::Window, storedColor(a.backColor, system));
    palette.setColor(QPalette::WindowText, storedColor(a.textColor, system));
    m_sample->setPalette(palette);
    m_sample->setFont(areaFont(a));
}

void CalcFontDialog::chooseColor(std::int32_t& value) {
    if (const std::optional<QColor> chosen =
            m_colors.choose(this, storedColor(value, QApplication::palette()))) {
        value = packedColor(*chosen);
        showSample();
    }
}

}  // namespace tallix
