#pragma once
// The options command of frmMain: opens frmOptions on the settings and, on
// OK, puts everything it changed back on the main window - fonts and
// colours, the bars, the tools menu, the tree and the list, the grid lines,
// the stay-on-top state - and converts the shown value again.

#include "converter/ui/color_chooser.h"
#include "converter/ui/converter_context.h"

#include <QObject>

#include <functional>

class QMainWindow;

namespace quantora {

class ConversionBoxes;
class FileChooser;
class MainActions;
class OptionsDialog;
class QuantityViews;
struct OptionsApplied;

class OptionsCommand : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QMainWindow& window;
        MainActions& actions;
        QuantityViews& views;
        ConversionBoxes& boxes;
        FileChooser& files;
        std::function<void()> applyToolsMenu;
        std::function<void()> removeTopmost;
        std::function<void()> restoreTopmost;
        std::function<void(int topic)> showHelp;
    };
    OptionsCommand(ConverterContext& context, Parts parts);

    // Opens the dialog, modal to the window.
    void open();
    OptionsDialog* dialog() const { return m_dialog; }
    // A test answers the colour dialog.
    void setColorChooser(ColorChooser& chooser) { m_colors = &chooser; }

private:
    void apply(const OptionsApplied& applied);
    void enableCalculatorLink(bool available);

    ConverterContext& m_context;
    Parts m_parts;
    DialogColorChooser m_dialogColors;
    ColorChooser* m_colors = &m_dialogColors;
    OptionsDialog* m_dialog = nullptr;
};

}  // namespace quantora
