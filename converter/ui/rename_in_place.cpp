#include "converter/ui/rename_in_place.h"

#include "converter/ui/unit_list_view.h"

#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <functional>

namespace quantora {
namespace {

constexpr int kRootNode = 1;

// Edits a name in a line box and reports the result instead of writing it.
class RenameDelegate : public QStyledItemDelegate {
public:
    using KeyOf = std::function<int(const QModelIndex&)>;
    using Started = std::function<void(int)>;
    using Finished = std::function<void(int, const QString&)>;
    RenameDelegate(KeyOf keyOf, Started started, Finished finished, int& openEditors, QObject* parent)
        : QStyledItemDelegate(parent),
          m_keyOf(std::move(keyOf)),
          m_started(std::move(started)),
          m_finished(std::move(finished)),
          m_openEditors(openEditors) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        ++m_openEditors;
        m_started(m_keyOf(index));
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
        --m_openEditors;
        QStyledItemDelegate::destroyEditor(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
        if (const auto* line = qobject_cast<QLineEdit*>(editor))
            m_finished(m_keyOf(index), line->text());
    }

private:
    KeyOf m_keyOf;
    Started m_started;
    Finished m_finished;
    int& m_openEditors;
};

}  // namespace

RenameInPlace::RenameInPlace(QTreeWidget& tree, UnitListView& list, QObject* parent)
    : QObject(parent), m_tree(tree), m_list(list) {
    m_tree.setItemDelegate(new RenameDelegate(
        [](const QModelIndex& index) { return index.data(Qt::UserRole).toInt(); },
        [this](int node) { emit nodeRenameStarted(node); },
        [this](int node, const QString& text) { emit nodeRenamed(node, text); }, m_openEditors, this));
    m_list.setNameDelegate(new RenameDelegate(
        [](const QModelIndex& index) { return UnitListView::unitOfIndex(index); },
        [this](int unit) { emit unitRenameStarted(unit); },
        [this](int unit, const QString& text) { emit unitRenamed(unit, text); }, m_openEditors, this));
}

void RenameInPlace::nodePressed(int node) {
    const bool rename = m_allowed && node != 0 && node != kRootNode && node == m_lastNode;
    m_tree.setEditTriggers(rename ? QAbstractItemView::SelectedClicked : QAbstractItemView::NoEditTriggers);
    m_list.setRenameArmed(false);
    m_lastUnit.reset();
    m_lastNode = node;
}

void RenameInPlace::unitPressed(std::optional<int> unit) {
    const bool rename = m_allowed && unit && unit == m_lastUnit;
    m_list.setRenameArmed(rename);
    m_tree.setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lastNode = 0;
    m_lastUnit = unit;
}

}  // namespace quantora
