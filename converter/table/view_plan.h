#pragma once
// What the quantity tree and the unit list show, as plain data: the window
// turns these plans into widgets and never reads the table layout itself.
//
// table -> tree plan (nodes in index order: root, categories, quantities)
//       -> list mode of the selected node -> unit rows of the selected quantity

#include "converter/table/conversion_table.h"

#include <array>
#include <string>
#include <vector>

namespace quantora {

// Image numbers of the tree: 1 to 4 closed categories (1 also the closed
// root), 5 to 8 their open variants (5 also the open root), 9 to 12 the
// quantity icons. Unit images: 1 to 4, 5 to 8 with a memo.
inline constexpr int kTreeRootImage = 1;
inline constexpr int kTreeOpenOffset = 4;
inline constexpr int kTreeQuantityOffset = 8;
inline constexpr int kUnitMemoOffset = 4;

struct TreeNodePlan {
    int index = 0;   // node number, from 1 in the order the nodes are added
    int parent = 0;  // 0 for the root
    std::string text;
    int image = 0;          // image number as above
    bool expanded = false;  // root always; a category when its ExpandedFlag is 1
};

// Nodes in index order. Allocation entries whose parent node does not exist
// are left out, so a damaged table still gives a tree (pTreePlan).
std::vector<TreeNodePlan> treePlan(const ConversionTable& table);

// Icon# limited to the four choices; anything else shows as choice 1.
int iconChoice(int icon);

// List modes: 0 ordinary quantity, 1 constants, 2 number systems.
enum class ListMode { Normal = 0, Constants = 1, NumberSystem = 2 };

struct ListModeChoice {
    ListMode mode = ListMode::Normal;
    bool setUpColumns = false;   // columns must be created for mode
    bool normalColumns = false;  // the normal-columns flag afterwards
};

// The list mode for the selected node. The normal columns are set up once and
// kept while ordinary quantities are browsed (pSetListMode).
ListModeChoice setListMode(int selNodeIndex, int categoryCount, bool normalColumns);

// A selected node outside the quantity nodes C + 2 .. C + Q + 1 becomes the root (pCheckSelNodeIndex).
std::int16_t checkSelectedNode(int selNodeIndex, const ConversionTable& table);

// The quantity shown at a node, by the node's allocation position; the name
// is empty for the root, the categories and nodes beyond the tree.
std::string quantityNameAtNode(const ConversionTable& table, int node);

struct UnitRowPlan {
    int unit = 0;  // unit position in the table
    std::string name;
    int image = 0;
    std::array<std::string, 3> subItems;  // columns 2 to 4
};

// One row per unit of quantity q; no rows for an unknown quantity (pUnitRows).
std::vector<UnitRowPlan> unitRows(const ConversionTable& table, int q);

// Unit position 0 .. pnUnitCapacity within quantity q whose name equals the
// text exactly; -1 if none (pGetUnitIndex).
int unitIndexOf(const ConversionTable& table, int q, std::string_view name);

// The file identity shown at the root and used by the file dialogs: the file
// name after the last "/", "DEFAULT.DAT" for an empty path; the directory up to
// and including the last "/", the program folder when there is none.
std::string tableTitleOf(std::string_view path);
std::string tableDirectoryOf(std::string_view path, std::string_view programDir);

}  // namespace quantora
