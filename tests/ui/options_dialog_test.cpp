// The options and fonts dialogs: what OK changes on the main window, and
// that Cancel changes nothing.

#include "support/window_fixture.h"

#include "converter/ui/font_dialog.h"
#include "converter/ui/options_command.h"
#include "converter/ui/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>

#include <deque>

using uitest::WindowFixture;

namespace {

class ScriptedColors final : public quantora::ColorChooser {
public:
    std::optional<QColor> choose(QWidget*, const QColor&, const QString&) override {
        if (answers.empty())
            return std::nullopt;
        const QColor next = answers.front();
        answers.pop_front();
        return next;
    }
    std::deque<QColor> answers;
};

template <class T>
T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

using qttest::click;

quantora::OptionsDialog* openOptions(WindowFixture& fixture) {
    fixture.action("mnuToolsArray_5")->trigger();
    return fixture.window().options().dialog();
}

}  // namespace

class OptionsDialogTest : public uitest::WindowTest {
    Q_OBJECT
private slots:
    void okStoresTheNotationAndConvertsAgain() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        fixture.convert(QStringLiteral("1"), "meter", "inch");
        QCOMPARE(fixture.output(), QStringLiteral("39.3701"));

        quantora::OptionsDialog* options = openOptions(fixture);
        QVERIFY(options);
        QCOMPARE(options->windowTitle(), QStringLiteral(" Options"));
        auto* preview = child<QLabel>(options, "lblPreview");
        auto* slider = child<QSlider>(options, "sliDigits");
        QCOMPARE(preview->text(), QStringLiteral("777.778 "));
        slider->setValue(4);
        QCOMPARE(preview->text(), QStringLiteral("777.8 "));
        slider->setValue(12);
        QCOMPARE(preview->text(), QStringLiteral("777.777777778 "));
        child<QRadioButton>(options, "optFormat_1")->setChecked(true);
        QCOMPARE(preview->text(), QStringLiteral("7.77777777778E+02 "));
        child<QCheckBox>(options, "chkInteger")->setChecked(true);
        QCOMPARE(preview->text(), QStringLiteral("778 "));
        QVERIFY(!slider->isEnabled());
        QVERIFY(!child<QRadioButton>(options, "optFormat_0")->isEnabled());
        child<QCheckBox>(options, "chkInteger")->setChecked(false);
        child<QRadioButton>(options, "optFormat_0")->setChecked(true);
        slider->setValue(4);

        // Text that is no limit is refused; the dialog stays with the choice.
        child<QComboBox>(options, "cboPower")->setCurrentText(QStringLiteral("many"));
        click(options, "cmdOK");
        QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
        QCOMPARE(fixture.window().options().dialog(), options);
        QCOMPARE(fixture.window().settings().digits, 6);

        child<QComboBox>(options, "cboPower")->setCurrentIndex(0);  // "NA"
        click(options, "cmdOK");
        QVERIFY(!fixture.window().options().dialog());
        QCOMPARE(fixture.window().settings().sciDigits, 0);
        QCOMPARE(fixture.window().settings().digits, 4);
        QCOMPARE(fixture.output(), QStringLiteral("39.37"));
    }

    void cancelChangesNothing() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        fixture.convert(QStringLiteral("1"), "meter", "inch");
        const quantora::ConverterSettings before = fixture.window().settings();
        quantora::OptionsDialog* options = openOptions(fixture);
        child<QSlider>(options, "sliDigits")->setValue(9);
        child<QCheckBox>(options, "chkShowMenubar")->setChecked(false);
        child<QCheckBox>(options, "chkShowGrid")->setChecked(false);
        child<QRadioButton>(options, "optCalc_2")->setChecked(true);
        child<QLineEdit>(options, "txtCalcPath")->setText(QStringLiteral("/bin/sh"));
        click(options, "cmdCancel");
        QVERIFY(!fixture.window().options().dialog());
        const quantora::ConverterSettings& after = fixture.window().settings();
        QCOMPARE(after.digits, before.digits);
        QCOMPARE(after.showMenubar, before.showMenubar);
        QCOMPARE(after.showGridLines, before.showGridLines);
        QCOMPARE(after.calcType, before.calcType);
        QCOMPARE(after.calcPath, before.calcPath);
        QVERIFY(fixture.window().menuBar()->isVisibleTo(&fixture.window()));
        QCOMPARE(fixture.output(), QStringLiteral("39.3701"));
    }

    void withoutTheMenuBarTheToolbarStays() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("Option", "ShowToolbar", QStringLiteral("0"));
        fixture.start();
        quantora::OptionsDialog* options = openOptions(fixture);
        auto* toolbar = child<QCheckBox>(options, "chkShowToolbar");
        QVERIFY(!toolbar->isChecked());
        child<QCheckBox>(options, "chkShowMenubar")->setChecked(false);
        QVERIFY(toolbar->isChecked());
        QVERIFY(!toolbar->isEnabled());
        child<QCheckBox>(options, "chkShowMenubar")->setChecked(true);
        QVERIFY(toolbar->isEnabled());
        child<QCheckBox>(options, "chkShowMenubar")->setChecked(false);
        click(options, "cmdOK");
        QCOMPARE(fixture.window().settings().showMenubar, 0);
        QCOMPARE(fixture.window().settings().showToolbar, 1);
        QVERIFY(!fixture.window().menuBar()->isVisibleTo(&fixture.window()));
        QVERIFY(fixture.find<QToolBar>("Toolbar1")->isVisibleTo(&fixture.window()));
    }

    void theOtherCalculatorMustBeAProgram() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        quantora::OptionsDialog* options = openOptions(fixture);
        auto* path = child<QLineEdit>(options, "txtCalcPath");
        fixture.files.chooseNext(fixture.tablePath());
        click(options, "cmdBrowse");
        QCOMPARE(fixture.files.requests.back().title, QStringLiteral(" Open Calculator Executable File"));
        QVERIFY(fixture.files.requests.back().executablesOnly);
        QCOMPARE(fixture.files.requests.back().nameFilters.value(0), QStringLiteral("Executable Files (*)"));
        QCOMPARE(path->text(), QString());
        QCOMPARE(fixture.messages.shown.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(fixture.messages.shown.back().text).contains(fixture.tablePath()));

        fixture.files.chooseNext(QStringLiteral("/bin/sh"));
        click(options, "cmdBrowse");
        QCOMPARE(path->text(), QStringLiteral("/bin/sh"));

        // A path typed by hand is checked on OK.
        child<QRadioButton>(options, "optCalc_2")->setChecked(true);
        path->setText(fixture.tablePath());
        click(options, "cmdOK");
        QCOMPARE(fixture.messages.shown.size(), std::size_t{2});
        QVERIFY(fixture.window().options().dialog());
        path->setText(QStringLiteral(" /bin/sh "));
        click(options, "cmdOK");
        QCOMPARE(fixture.window().settings().calcType, 2);
        QCOMPARE(fixture.window().settings().calcPath, std::string("/bin/sh"));
    }

    void aChosenFontReachesTheBoxesOnlyThroughOk() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.start();
        auto* input = fixture.find<QLineEdit>("txtInput");
        auto* output = fixture.find<QLineEdit>("txtOutput");
        const QFont inputBefore = input->font();
        const QColor outputText = output->palette().color(QPalette::Text);
        ScriptedColors colors;
        fixture.window().options().setColorChooser(colors);

        for (const bool confirm : {false, true}) {
            quantora::OptionsDialog* options = openOptions(fixture);
            child<QComboBox>(options, "cboFonts")->activated(2);  // "Convert-from Box"
            quantora::FontDialog* font = options->fontDialog();
            QVERIFY(font);
            QCOMPARE(font->windowTitle(), QStringLiteral(" Font and Colors - Convert-from Box"));
            child<QComboBox>(font, "cboFonts")->setCurrentText(QStringLiteral("DejaVu Serif"));
            auto* size = child<QComboBox>(font, "cboSize");
            // A typed size stops at 14; the list's larger sizes stay.
            size->setCurrentIndex(size->findText(QStringLiteral("16")));
            QCOMPARE(size->currentText(), QStringLiteral("16"));
            size->lineEdit()->clear();
            QTest::keyClicks(size->lineEdit(), QStringLiteral("18"));
            QCOMPARE(size->currentText(), QStringLiteral("14"));
            size->setCurrentText(QStringLiteral("12"));
            child<QCheckBox>(font, "chkStyle_0")->setChecked(false);
            child<QCheckBox>(font, "chkStyle_1")->setChecked(true);
            colors.answers = {QColor(200, 0, 0)};
            click(font, "cmdForeColor");
            click(font, "cmdOK");
            QVERIFY(!options->fontDialog());
            // Not yet: the fonts dialog edits the options dialog's copies.
            QCOMPARE(input->font(), inputBefore);
            click(options, confirm ? "cmdOK" : "cmdCancel");
            if (!confirm) {
                QCOMPARE(input->font(), inputBefore);
                QCOMPARE(fixture.window().settings().fontName[2], std::string("Arial"));
                QCOMPARE(input->palette().color(QPalette::Text), QColor(Qt::black));
            }
        }
        QCOMPARE(input->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(input->font().pointSize(), 12);
        QVERIFY(input->font().italic());
        QVERIFY(!input->font().bold());
        QCOMPARE(input->palette().color(QPalette::Text), QColor(200, 0, 0));
        // The convert-into box shares the font, not the colours.
        QCOMPARE(output->font().family(), QStringLiteral("DejaVu Serif"));
        QVERIFY(output->font().italic());
        QCOMPARE(output->palette().color(QPalette::Text), outputText);
        QCOMPARE(fixture.window().settings().textColor[2], 200);
    }

    void eachElementOffersItsOwnControls() {
        WindowFixture& fixture = makeFixture(QStringLiteral("small.dat"));
        fixture.setSetting("Font", "FontSize5", QStringLiteral("20"));
        fixture.start();
        quantora::OptionsDialog* options = openOptions(fixture);
        child<QComboBox>(options, "cboFonts")->activated(4);  // "Status Bar"
        quantora::FontDialog* font = options->fontDialog();
        QVERIFY(child<QComboBox>(font, "cboSize")->isEnabled());
        QVERIFY(!child<QPushButton>(font, "cmdForeColor")->isEnabled());
        QVERIFY(!child<QPushButton>(font, "cmdBackColor")->isEnabled());
        click(font, "cmdCancel");
        child<QComboBox>(options, "cboFonts")->activated(5);  // "Print"
        font = options->fontDialog();
        QCOMPARE(child<QComboBox>(font, "cboSize")->currentText(), QStringLiteral("16"));
        QVERIFY(!child<QCheckBox>(font, "chkStyle_0")->isEnabled());
        click(font, "cmdCancel");
        click(options, "cmdCancel");
    }
};

QUANTORA_WINDOW_TEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
