#include "calculator/ui/function_paster.h"

#include "calculator/eval/evaluation_cycle.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace tallix {

FunctionPaster::FunctionPaster(QMenu& menu) : QObject(&menu) {
    for (int i = 0; i < static_cast<int>(kPasterCaptions.size()); ++i) {
        const std::string_view caption = kPasterCaptions[static_cast<std::size_t>(i)];
        if (!caption.empty())
            addItem(menu, "mnuPasterArray_", i, caption);
        else if (std::ranges::find(kPasterSeparators, i) != kPasterSeparators.end())
            menu.addSeparator();
    }
    auto* hyperbolic = menu.addMenu(QStringLiteral("&Hyperbolic Trig. Functions"));
    hyperbolic->setObjectName(QStringLiteral("mnuHyp"));
    hyperbolic->menuAction()->setObjectName(QStringLiteral("mnuHyp"));
    for (int i = 0; i < static_cast<int>(kPasterHypCaptions.size()); ++i) {
        if (i == kPasterHypSeparator)
            hyperbolic->addSeparator();
        else
            addItem(*hyperbolic, "mnuPasterHypArray_", i, kPasterHypCaptions[static_cast<std::size_t>(i)]);
    }
}

void FunctionPaster::addItem(QMenu& menu, const char* arrayName, int index, std::string_view caption) {
    QAction* action =
        menu.addAction(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    action->setObjectName(QString::fromLatin1(arrayName) + QString::number(index));
    const QString name = QString::fromStdString(pasterName(caption));
    connect(action, &QAction::triggered, this, [this, name] { emit chosen(name); });
}

}  // namespace tallix
