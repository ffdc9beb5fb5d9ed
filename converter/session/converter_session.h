#pragma once
// The converter's selection as the user makes it, apart from any window: the
// chosen tree node and its quantity, the unit pressed last in the list, the
// picked convert-from and convert-into units, and whether a batch run waits
// for its units. Every call returns what changed; the window shows that and
// never reads its own widgets back to decide.
//
// node chosen -> quantity taken (another one clears the units)
// unit picked -> unit texts -> both picked? -> convert

#include "converter/table/conversion_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace quantora {

struct Selection {
    std::int16_t node = 9;         // tree node (pnSelNodeIndex)
    std::int16_t quantity = -1;    // its quantity, -1 for none (pnSelGroupIndex)
    std::string quantityName;      // (psSelGroupName)
    std::int16_t unit = 0;         // unit pressed last (pnSelUnitIndex)
    std::int16_t listRow = 0;      // (pnSelListIndex)
    std::int16_t convertFrom = 0;  // (pnConvFromIndex)
    std::int16_t convertInto = 0;  // (pnConvIntoIndex)
};

// What a call changed, for the window to show.
struct SessionChange {
    bool quantityChanged = false;  // another quantity: refill the list, unit copy off
    bool unitsChanged = false;     // the unit texts differ
    bool unitsCleared = false;     // both units gone: the result goes too
    bool convert = false;          // both units picked: convert now
};

class ConverterSession {
public:
    explicit ConverterSession(const ConversionTable& table) : m_table(table) {}

    const Selection& selection() const { return m_selection; }
    // Texts of the picked units; empty when none is picked.
    const std::string& fromName() const { return m_fromName; }
    const std::string& intoName() const { return m_intoName; }
    bool unitsChosen() const { return !m_fromName.empty() && !m_intoName.empty(); }

    bool batchMode() const { return m_batchMode; }
    void setBatchMode(bool on) { m_batchMode = on; }

    // Start-up: the saved node, limited to the quantity nodes, and its quantity.
    void restore(int savedNode);
    // Another table took the old one's place: the node is checked again, the
    // units are gone and the list must be filled anew.
    SessionChange tableReplaced();

    // A click or Enter on a tree node. Another quantity than the one shown (or
    // one without units) clears the picked units; the same keeps them. None
    // while a batch run waits: the tree keeps its node.
    std::optional<SessionChange> chooseNode(int node);
    // The selected node's text was renamed in place: the quantity stays, its name follows.
    void nodeRenamed(std::string name) { m_selection.quantityName = std::move(name); }
    // Unit dragged of the shown quantity now stands at target, those between
    // one place further: the pressed and picked units follow their units, so
    // the conversion keeps converting between the units named in the panels.
    void unitMoved(int dragged, int target);
    // A unit row pressed (either button).
    void pressUnit(int unit);
    // Only number-system and ordinary quantities convert; constants are looked up.
    bool unitsPickable() const;
    // Left click or Shift+Enter; nothing while a batch run waits for its units.
    SessionChange pickFrom(int unit);
    // Right click or Enter; a batch run takes it without converting.
    SessionChange pickInto(int unit);
    // The arrow's swap command: exchanges the units and converts.
    SessionChange swap();
    // Both unit texts emptied (pClearUnitSelection).
    SessionChange clearUnits();
    // A batch file named its quantity and convert-from unit: they become the
    // selection, with no convert-into unit until the user picks one.
    SessionChange takeBatchUnits(int quantity, int convertFrom);

private:
    std::string unitName(int unit) const;
    SessionChange afterPick(bool convert) const;

    const ConversionTable& m_table;
    Selection m_selection;
    std::string m_fromName;
    std::string m_intoName;
    int m_shownQuantity = -1;  // the quantity whose units the list shows
    bool m_batchMode = false;
};

}  // namespace quantora
