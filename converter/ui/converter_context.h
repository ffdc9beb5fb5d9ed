#pragma once
// What the parts of the converter's main window share: the settings, the
// table and the session over it, the separator, the copy history and the file
// identity. The main window owns one and hands it to each part it builds.

#include "common/qt/message_presenter.h"
#include "common/settings_store.h"
#include "converter/engine/number_input.h"
#include "converter/session/converter_session.h"
#include "converter/settings/converter_settings.h"
#include "converter/settings/copy_history.h"
#include "converter/settings/product_title.h"
#include "converter/table/conversion_table.h"

#include <QString>

namespace quantora {

struct ConverterContext {
    ConverterContext(common::SettingsStore& settingsStore, common::MessagePresenter& presenter,
                     QString folder)
        : store(settingsStore), messages(presenter), tableFolder(std::move(folder)) {}

    common::SettingsStore& store;
    common::MessagePresenter& messages;
    QString tableFolder;     // the folder that holds DEFAULT.DAT
    QString helpFile;        // Quantora.hlp beside the program
    QString tableDirectory;  // where the file dialogs start, ending in "/"

    ConverterSettings settings;
    ConversionTable table;
    ConverterSession session{table};
    common::DecimalSeparator decimalSeparator = common::DecimalSeparator::Dot;
    CopyHistory history;

    bool loadFailed = false;  // the table read at start-up failed

    float twipsPerPixelX = 15;
    float twipsPerPixelY = 15;

    // A stored measure far outside any screen (or no number at all) is
    // limited before it becomes a pixel count.
    static int pixels(double value) {
        constexpr double kLimit = 1e6;
        if (!(value > -kLimit))
            return static_cast<int>(-kLimit);
        if (!(value < kLimit))
            return static_cast<int>(kLimit);
        return qRound(value);
    }
    int toPixelsX(float twips) const { return pixels(static_cast<double>(twips) / twipsPerPixelX); }
    int toPixelsY(float twips) const { return pixels(static_cast<double>(twips) / twipsPerPixelY); }
    float toTwipsX(int pixels) const { return static_cast<float>(pixels) * twipsPerPixelX; }
    float toTwipsY(int pixels) const { return static_cast<float>(pixels) * twipsPerPixelY; }
};

}  // namespace quantora
