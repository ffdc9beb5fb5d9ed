#pragma once
// The colour chooser behind the fonts dialog's colour buttons; a window test
// answers it by script instead of opening the platform's dialog.

#include <QColor>

#include <optional>

class QWidget;

namespace tallix {

class ColorChooser {
public:
    virtual ~ColorChooser() = default;
    // Nothing when the user cancels.
    virtual std::optional<QColor> choose(QWidget* parent, const QColor& initial) = 0;
};

class DialogColorChooser final : public ColorChooser {
public:
    std::optional<QColor> choose(QWidget* parent, const QColor& initial) override;
};

}  // namespace tallix
