#pragma once
// frmOptions: number style, window preferences, the calculator to start and
// the fonts and colours, on working copies. OK checks the choice, writes it
// into the settings and reports what the main window has to redo; Cancel
// leaves everything as it was.

#include "common/qt/message_presenter.h"
#include "converter/settings/options_choice.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;

namespace quantora {

class ColorChooser;
class FileChooser;
class FontDialog;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    struct Services {
        common::MessagePresenter& messages;
        FileChooser& files;
        ColorChooser& colors;
        common::DecimalSeparator separator;
        QFont textFont;  // the dialogs' text boxes (element 6)
    };
    OptionsDialog(ConverterSettings& settings, Services services, QWidget* owner);

    const OptionsChoice& choice() const { return m_choice; }
    // What OK stored; nothing before OK.
    const std::optional<OptionsApplied>& applied() const { return m_applied; }
    // The fonts dialog while it is open.
    FontDialog* fontDialog() const { return m_fontDialog; }

signals:
    // optCalc chose a calculator that does or does not take the link commands.
    void calculatorLinkChosen(bool available);
    // cmdHelp of this dialog or of the fonts dialog: the topic to show.
    void helpWanted(int topic);

private:
    QWidget* buildNumberPage();
    QWidget* buildGeneralPage();
    void readControls();
    void updateControls();
    void updatePreview();
    void browseCalculator();
    void openFontDialog(int listIndex);
    void confirm();

    ConverterSettings& m_settings;
    Services m_services;
    OptionsChoice m_choice;
    std::optional<OptionsApplied> m_applied;

    QTabWidget* m_tabs = nullptr;
    std::array<QRadioButton*, 2> m_format{};
    QComboBox* m_power = nullptr;
    QSlider* m_digits = nullptr;
    QCheckBox* m_integer = nullptr;
    QCheckBox* m_showError = nullptr;
    QLabel* m_preview = nullptr;
    QCheckBox* m_stayTop = nullptr;
    QCheckBox* m_menubar = nullptr;
    QCheckBox* m_toolbar = nullptr;
    QCheckBox* m_grid = nullptr;
    QCheckBox* m_modify = nullptr;
    QCheckBox* m_savePos = nullptr;
    std::array<QRadioButton*, 3> m_calc{};
    QLineEdit* m_calcPath = nullptr;
    QComboBox* m_fonts = nullptr;
    QPushButton* m_ok = nullptr;
    FontDialog* m_fontDialog = nullptr;
};

// Help topics of the settings windows.
inline constexpr int kOptionsHelpTopic = 21;
inline constexpr int kFontsHelpTopic = 22;

}  // namespace quantora
