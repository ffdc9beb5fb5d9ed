#pragma once
// Rename in place in the tree and the list. With Modify on, a click on the
// node or unit row that was clicked last (never the root) lets its text be
// edited; a click in the other view forgets the last click there. The edited
// text is handed on, not written into the view: the owner stores it in the
// table and shows what was stored.

#include <QObject>

#include <optional>

class QModelIndex;
class QStyledItemDelegate;
class QTreeWidget;

namespace quantora {

class UnitListView;

class RenameInPlace : public QObject {
    Q_OBJECT
public:
    RenameInPlace(QTreeWidget& tree, UnitListView& list, QObject* parent);

    void setAllowed(bool allowed) { m_allowed = allowed; }
    // A press in the tree on node (0: none), before the tree handles it.
    void nodePressed(int node);
    // A press in the list on a unit (none: the empty area), before the list handles it.
    void unitPressed(std::optional<int> unit);
    // A name is being edited: Enter belongs to the editor, not to the view.
    bool editing() const { return m_openEditors > 0; }

signals:
    void nodeRenameStarted(int node);
    void nodeRenamed(int node, const QString& text);
    void unitRenameStarted(int unit);
    void unitRenamed(int unit, const QString& text);

private:
    QTreeWidget& m_tree;
    UnitListView& m_list;
    bool m_allowed = false;
    int m_lastNode = 0;
    std::optional<int> m_lastUnit;
    int m_openEditors = 0;
};

}  // namespace quantora
