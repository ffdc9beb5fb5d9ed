#include "converter/ui/options_dialog.h"

#include "converter/ui/file_chooser.h"
#include "converter/ui/font_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quantora {
namespace {

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption, bool checked) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

bool isExecutableFile(const std::string& path) {
    const QFileInfo file(QString::fromStdString(path));
    return file.isFile() && file.isExecutable();
}

}  // namespace

OptionsDialog::OptionsDialog(ConverterSettings& settings, Services services, QWidget* owner)
    : QDialog(owner),
      m_settings(settings),
      m_services(std::move(services)),
      m_choice(optionsChoiceOf(settings)) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral(" Options"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->setAccessibleName(QStringLiteral("Option pages"));
    m_tabs->addTab(buildNumberPage(), QStringLiteral("&Number Style"));
    m_tabs->addTab(buildGeneralPage(), QStringLiteral("&General"));

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("cmdHelp"));
    connect(m_ok, &QPushButton::clicked, this, &OptionsDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { emit helpWanted(kOptionsHelpTopic); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    updateControls();
    updatePreview();
}

QWidget* OptionsDialog::buildNumberPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("picPage_0"));

    auto* formatBox = new QGroupBox(QStringLiteral("N&umber Format"), page);
    auto* formatLayout = new QHBoxLayout(formatBox);
    const char* formatCaptions[] = {"&Regular", "S&cientific"};
    for (std::size_t i = 0; i < m_format.size(); ++i) {
        m_format[i] = new QRadioButton(QString::fromLatin1(formatCaptions[i]), formatBox);
        m_format[i]->setObjectName(QStringLiteral("optFormat_") + QString::number(i));
        formatLayout->addWidget(m_format[i]);
    }
    m_format[m_choice.scientific ? 1 : 0]->setChecked(true);

    auto* powerLabel =
        new QLabel(QStringLiteral("Use Scientific Format for Numbers above 1&0^N or below 10^(-N): "), page);
    m_power = new QComboBox(page);
    m_power->setObjectName(QStringLiteral("cboPower"));
    m_power->setEditable(true);
    m_power->setInsertPolicy(QComboBox::NoInsert);
    m_power->setFont(m_services.textFont);
    for (const std::string& text : powerChoices())
        m_power->addItem(QString::fromStdString(text));
    m_power->setCurrentText(QString::fromStdString(m_choice.powerText));
    powerLabel->setBuddy(m_power);
    auto* powerRow = new QHBoxLayout;
    powerRow->addWidget(powerLabel);
    powerRow->addWidget(m_power);

    auto* digitsBox = new QGroupBox(QStringLiteral("&Significant Figures"), page);
    m_digits = new QSlider(Qt::Horizontal, digitsBox);
    m_digits->setObjectName(QStringLiteral("sliDigits"));
    m_digits->setRange(kMinDigits, kMaxDigits);
    m_digits->setPageStep(1);
    m_digits->setTickPosition(QSlider::TicksBelow);
    m_digits->setTickInterval(1);
    m_digits->setValue(m_choice.digits);
    auto* digitsLayout = new QGridLayout(digitsBox);
    digitsLayout->addWidget(m_digits, 0, 0, 1, 3);
    digitsLayout->addWidget(new QLabel(QStringLiteral("4"), digitsBox), 1, 0, Qt::AlignLeft);
    digitsLayout->addWidget(new QLabel(QStringLiteral("8"), digitsBox), 1, 1, Qt::AlignHCenter);
    digitsLayout->addWidget(new QLabel(QStringLiteral("12"), digitsBox), 1, 2, Qt::AlignRight);

    m_integer = checkBox(page, "chkInteger", "Show Number Always in &Integer Format", m_choice.integer);
    m_showError = checkBox(page, "chkShowError", "Show Rounding &Error", m_choice.showError);

    auto* previewBox = new QGroupBox(QStringLiteral("Preview"), page);
    m_preview = new QLabel(previewBox);
    m_preview->setObjectName(QStringLiteral("lblPreview"));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setTextFormat(Qt::PlainText);
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(m_preview);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(formatBox);
    layout->addLayout(powerRow);
    layout->addWidget(digitsBox);
    layout->addWidget(m_integer);
    layout->addWidget(m_showError);
    layout->addWidget(previewBox);
    layout->addStretch();

    const auto changed = [this] {
        readControls();
        updateControls();
        updatePreview();
    };
    connect(m_digits, &QSlider::valueChanged, this, changed);
    connect(m_format[0], &QRadioButton::toggled, this, changed);
    connect(m_integer, &QCheckBox::toggled, this, changed);
    connect(m_showError, &QCheckBox::toggled, this, changed);
    return page;
}

QWidget* OptionsDialog::buildGeneralPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("picPage_1"));
    m_stayTop = checkBox(page, "chkStayTop", "Show Main Window Always on &Top", m_choice.stayTop);
    m_menubar = checkBox(page, "chkShowMenubar", "Show &Menu Bar", m_choice.showMenubar);
    m_toolbar = checkBox(page, "chkShowToolbar", "Show Tool&bar", m_choice.showToolbar);
    m_grid = checkBox(page, "chkShowGrid", "Show Gri&d Lines in Detailed Unit List", m_choice.showGrid);
    m_modify = checkBox(page, "chkEnableModify", "&Allow Modification to Conversion Table", m_choice.modify);
    m_savePos = checkBox(page, "chkSavePos", "Save Window &Position and Size", m_choice.savePosition);

    auto* calcBox = new QGroupBox(QStringLiteral("Ca&lculator and Program"), page);
    auto* calcLayout = new QVBoxLayout(calcBox);
    auto* calcGroup = new QButtonGroup(calcBox);
    const char* calcCaptions[] = {"Tallix, the &companion calculator", "The &desktop's calculator", "&Other"};
    for (std::size_t i = 0; i < m_calc.size(); ++i) {
        m_calc[i] = new QRadioButton(QString::fromLatin1(calcCaptions[i]), calcBox);
        m_calc[i]->setObjectName(QStringLiteral("optCalc_") + QString::number(i));
        calcGroup->addButton(m_calc[i], static_cast<int>(i));
        calcLayout->addWidget(m_calc[i]);
    }
    m_calc[static_cast<std::size_t>(m_choice.calculator)]->setChecked(true);

    auto* pathBox = new QGroupBox(QStringLiteral("Full Path to E&xecutable File"), page);
    m_calcPath = new QLineEdit(QString::fromStdString(m_choice.calcPath), pathBox);
    m_calcPath->setObjectName(QStringLiteral("txtCalcPath"));
    m_calcPath->setFont(m_services.textFont);
    auto* browse = new QPushButton(QStringLiteral("B&rowse..."), pathBox);
    browse->setObjectName(QStringLiteral("cmdBrowse"));
    auto* pathLayout = new QHBoxLayout(pathBox);
    pathLayout->addWidget(m_calcPath, 1);
    pathLayout->addWidget(browse);
    calcLayout->addWidget(pathBox);

    auto* fontsLabel = new QLabel(QStringLiteral("&Fonts and Colors:"), page);
    m_fonts = new QComboBox(page);
    m_fonts->setObjectName(QStringLiteral("cboFonts"));
    for (int i = 0; i < kFontListCount; ++i)
        m_fonts->addItem(
            QString::fromLatin1(fontListName(i).data(), static_cast<int>(fontListName(i).size())));
    m_fonts->setCurrentIndex(-1);
    m_fonts->setPlaceholderText(QStringLiteral("(choose an element)"));
    fontsLabel->setBuddy(m_fonts);
    auto* fontsRow = new QHBoxLayout;
    fontsRow->addWidget(fontsLabel);
    fontsRow->addWidget(m_fonts, 1);

    auto* layout = new QVBoxLayout(page);
    for (QCheckBox* box : {m_stayTop, m_menubar, m_toolbar, m_grid, m_modify, m_savePos})
        layout->addWidget(box);
    layout->addWidget(calcBox);
    layout->addLayout(fontsRow);
    layout->addStretch();

    const auto changed = [this] {
        readControls();
        updateControls();
    };
    for (QCheckBox* box : {m_stayTop, m_menubar, m_toolbar, m_grid, m_modify, m_savePos})
        connect(box, &QCheckBox::toggled, this, changed);
    connect(calcGroup, &QButtonGroup::idClicked, this, [this, changed](int id) {
        changed();
        emit calculatorLinkChosen(calculatorLinkAvailable(static_cast<CalculatorKind>(id)));
    });
    connect(m_calcPath, &QLineEdit::textChanged, this, changed);
    connect(browse, &QPushButton::clicked, this, &OptionsDialog::browseCalculator);
    connect(m_fonts, &QComboBox::activated, this, &OptionsDialog::openFontDialog);
    return page;
}

void OptionsDialog::readControls() {
    m_choice.scientific = m_format[1]->isChecked();
    m_choice.powerText = m_power->currentText().toStdString();
    m_choice.digits = m_digits->value();
    m_choice.integer = m_integer->isChecked();
    m_choice.showError = m_showError->isChecked();
    m_choice.stayTop = m_stayTop->isChecked();
    m_choice.showMenubar = m_menubar->isChecked();
    m_choice.showToolbar = m_toolbar->isChecked();
    m_choice.showGrid = m_grid->isChecked();
    m_choice.modify = m_modify->isChecked();
    m_choice.savePosition = m_savePos->isChecked();
    for (std::size_t i = 0; i < m_calc.size(); ++i) {
        if (m_calc[i]->isChecked())
            m_choice.calculator = static_cast<CalculatorKind>(i);
    }
    m_choice.calcPath = m_calcPath->text().toStdString();
}

void OptionsDialog::updateControls() {
    settleBars(m_choice);
    if (m_toolbar->isChecked() != m_choice.showToolbar)
        m_toolbar->setChecked(m_choice.showToolbar);
    const OptionsControls controls = optionsControls(m_choice);
    m_digits->setEnabled(controls.digits);
    for (QRadioButton* button : m_format)
        button->setEnabled(controls.format);
    m_toolbar->setEnabled(controls.toolbar);
}

void OptionsDialog::updatePreview() {
    m_preview->setText(QString::fromStdString(optionsPreview(m_choice, m_services.separator)));
}

void OptionsDialog::browseCalculator() {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.title = QStringLiteral(" Open Calculator Executable File");
    request.nameFilters = {QStringLiteral("Executable Files (*)"), QStringLiteral("All Files (*)")};
    request.executablesOnly = true;
    request.hideReadOnly = true;
    const QFileInfo current(m_calcPath->text().trimmed());
    request.directory = current.isAbsolute() ? current.absolutePath() : QStringLiteral("/usr/bin");
    const std::optional<QString> path = m_services.files.choose(this, request);
    if (!path)
        return;
    if (!isExecutableFile(path->toStdString())) {
        m_services.messages.present(this, notExecutableNotice(path->toStdString()));
        return;
    }
    m_calcPath->setText(*path);
}

void OptionsDialog::openFontDialog(int listIndex) {
    if (listIndex < 0 || listIndex >= kFontListCount || m_fontDialog)
        return;
    const FontElement element = fontElementAt(listIndex);
    m_fontDialog = new FontDialog(element, m_choice.fonts[static_cast<std::size_t>(element)],
                                  m_services.colors, m_services.textFont, this);
    m_fontDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_fontDialog, &FontDialog::helpWanted, this, [this] { emit helpWanted(kFontsHelpTopic); });
    connect(m_fontDialog, &QDialog::accepted, this, [this] {
        confirmFont(m_fontDialog->element(), m_fontDialog->choice(), m_choice.fonts);
        m_ok->setFocus(Qt::OtherFocusReason);
    });
    connect(m_fontDialog, &QDialog::finished, this, [this] { m_fontDialog = nullptr; });
    m_fontDialog->open();
}

void OptionsDialog::confirm() {
    readControls();
    const OptionsConfirmation confirmation = confirmOptions(m_choice, isExecutableFile, m_settings);
    if (confirmation.refused) {
        m_services.messages.present(this, *confirmation.refused);
        return;
    }
    m_applied = confirmation.applied;
    accept();
}

}  // namespace quantora
