#pragma once
// The function paster: a submenu of function names with their meaning
// ("sqr(x): square root"); choosing one offers its name with the opening
// bracket ("sqr(") for the input box.

#include <QObject>
#include <QString>

class QMenu;

namespace tallix {

class FunctionPaster : public QObject {
    Q_OBJECT
public:
    // Fills menu (mnuPaster) with mnuPasterArray and the hyperbolic submenu mnuHyp.
    explicit FunctionPaster(QMenu& menu);

signals:
    void chosen(const QString& name);

private:
    void addItem(QMenu& menu, const char* arrayName, int index, std::string_view caption);
};

}  // namespace tallix
