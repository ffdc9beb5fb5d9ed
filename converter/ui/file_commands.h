#pragma once
// The File menu's table commands: Open, Save, Save As, and the question
// asked whenever unsaved changes would be lost. Each keeps the file identity
// (filePath, title, the table directory) in step with what happened.

#include "converter/ui/converter_context.h"
#include "converter/ui/file_chooser.h"

#include <QObject>

#include <functional>

namespace quantora {

class ConversionBoxes;
class QuantityViews;

// Results of the changed-file question: "CANCEL", "YES_CANCEL", "YES_SAVE", "NO".
enum class SavePrompt { Cancel, YesCancel, YesSave, No };

class FileCommands : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> saveSettings;    // saveConverterSettings with the live window values
        std::function<void()> removeTopmost;   // before a dialog
        std::function<void()> restoreTopmost;  // after it
    };
    FileCommands(ConverterContext& context, QWidget& window, FileChooser& chooser, QuantityViews& views,
                 ConversionBoxes& boxes, Hooks hooks);

    // False when the user cancelled or nothing was done.
    bool open();
    void save();
    bool saveAs();
    // Asks whether to save unsaved changes before they would be lost (mAskSaveChanges).
    SavePrompt askSaveChanges();

private:
    // Asks for a table file name to open or save (mGetFileName).
    FileDialogRequest askFileName(FileDialogRequest::Kind kind, const QString& title) const;
    // Writes the table; a failure is reported and leaves the change flag set.
    bool writeTable();
    void takeFileIdentity(const QString& path);

    ConverterContext& m_context;
    QWidget& m_window;
    FileChooser& m_chooser;
    QuantityViews& m_views;
    ConversionBoxes& m_boxes;
    Hooks m_hooks;
};

}  // namespace quantora
