#pragma once
// The colour dialog behind one small interface, so that a window test can
// answer it the way it answers file dialogs; and the stored colour value of
// a chosen colour.

#include "converter/settings/converter_settings.h"

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

namespace quantora {

class ColorChooser {
public:
    virtual ~ColorChooser() = default;
    // The chosen colour; nothing when the user cancels.
    virtual std::optional<QColor> choose(QWidget* parent, const QColor& initial, const QString& title) = 0;
};

// The platform's colour dialog.
class DialogColorChooser final : public ColorChooser {
public:
    std::optional<QColor> choose(QWidget* parent, const QColor& initial, const QString& title) override;
};

// 0x00BBGGRR, as the settings keep a colour of its own.
ColorValue colorValueOf(const QColor& color);

}  // namespace quantora
