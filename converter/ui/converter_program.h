#pragma once
// The converter as one object: what the window works with (the context with
// the table, the session and the settings, and the icons) is made first and
// outlives the window, which is made last and goes first.

#include "converter/ui/converter_context.h"
#include "converter/ui/icon_set.h"
#include "converter/ui/main_window.h"

namespace quantora {

class FileChooser;

class ConverterProgram {
public:
    ConverterProgram(common::SettingsStore& store, common::MessagePresenter& messages, FileChooser& chooser,
                     QString tableFolder)
        : m_context(store, messages, std::move(tableFolder)), m_window(m_context, m_icons, chooser) {}

    MainWindow& window() { return m_window; }

private:
    ConverterContext m_context;
    IconSet m_icons;
    MainWindow m_window;
};

}  // namespace quantora
