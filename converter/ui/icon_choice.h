#pragma once
// The "&Icon" frame of the property dialogs: four options (optColor_0 to 3),
// each beside its picture (Image1_0 to 3); a click on a picture chooses its option.

#include "converter/ui/icon_set.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QRadioButton;

namespace quantora {

class IconChoice : public QGroupBox {
    Q_OBJECT
public:
    IconChoice(const IconSet& icons, IconSet::Family family, QWidget* parent);

    // Icon# 1 to 4; anything else chooses the first.
    std::int16_t icon() const;
    void setIcon(int icon);
    QRadioButton& option(int index) const { return *m_options[static_cast<std::size_t>(index)]; }
    // The first option, focused and chosen (access key I).
    void focusFirst();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QRadioButton*, 4> m_options{};
    std::array<QLabel*, 4> m_images{};
};

}  // namespace quantora
