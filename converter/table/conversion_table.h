#pragma once
// The converter's one data set: categories, quantities with their units and
// quick-reference items, and the node allocation list that places quantities
// in the tree.
//
// Everything is numbered from 1; position 0 exists and stays empty (an empty
// quantity name at position 0 is what quantityIndexOf("") finds). Unit fields
// are text exactly as written and become numbers only when a conversion uses
// them.
//
// Tree nodes: root 1, category c is node c + 1, the quantity at allocation
// position m is node categoryCount + 1 + m. Allocation entries 1 and 2 are
// the Number System and Constants quantities, hanging from the root.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quantora {

inline constexpr int kMaxReferenceItems = 20;
inline constexpr std::string_view kDefaultTableName = "DEFAULT.DAT";

struct TableLimits {
    std::int16_t maxCategory = 30;   // "Dim"/"Category" (pnMaxCategory)
    std::int16_t maxQuantity = 200;  // "Dim"/"Quantity" (pnMaxQuantity)
    std::int16_t maxUnit = 100;      // "Dim"/"Unit" (pnMaxUnit)

    // (maxUnit + 1) * maxQuantity: must stay within 16 bits.
    int productBound() const { return (maxUnit + 1) * maxQuantity; }
    // Lines a table within these limits can have; the reader stops beyond it.
    // (The product above is too small for a full table of 200 x 100 units.)
    int lineBound() const { return maxCategory + 1 + maxQuantity + 1 + maxQuantity * (maxUnit + 2); }
    friend bool operator==(const TableLimits&, const TableLimits&) = default;
};

struct Category {
    std::int16_t icon = 0;
    std::string name;
    std::int16_t expandedFlag = 0;  // 1: shown expanded when the tree is built
    friend bool operator==(const Category&, const Category&) = default;
};

struct UnitItem {
    std::int16_t icon = 0;
    std::string name;
    std::string rate;
    std::string offset;
    std::string rateError;    // empty: not given
    std::string offsetError;  // empty: not given
    std::string memo;
    friend bool operator==(const UnitItem&, const UnitItem&) = default;
};

struct ReferenceItem {
    std::string name;
    std::string value;  // in unit 1 of the quantity
    friend bool operator==(const ReferenceItem&, const ReferenceItem&) = default;
};

struct Quantity {
    std::int16_t icon = 0;
    std::string name;
    std::int16_t unitCount = 0;
    std::int16_t refCount = 0;
    std::vector<ReferenceItem> references;  // positions 0..kMaxReferenceItems

private:
    // Positions 0..unit dimension, allocated as far as written: a table
    // sized for 200 x 100 units mostly holds far fewer. Reached through
    // ConversionTable::unit.
    std::vector<UnitItem> m_units;
    friend class ConversionTable;
};

// What a tree node stands for. The Number System and Constants quantities
// are allocation entries 1 and 2, hanging from the root.
enum class NodeKind { None, Root, Category, NumberSystem, Constants, Quantity };

struct NodeAllocationEntry {
    std::int16_t quantityNo = 0;
    std::int16_t parentNode = 0;  // 1: root; c + 1: category c
    friend bool operator==(const NodeAllocationEntry&, const NodeAllocationEntry&) = default;
};

class ConversionTable {
public:
    explicit ConversionTable(TableLimits limits = {});

    // Creates every sequence afresh, empty, sized from the given limits.
    void create(TableLimits limits);
    const TableLimits& limits() const { return m_limits; }

    // Counts.
    std::int16_t categoryCount = 0;
    std::int16_t quantityCount = 0;
    std::int16_t allocationCount = 0;
    std::int16_t unitCapacity() const { return m_unitCapacity; }  // pnUnitCapacity

    // Sets the capacity marker and sizes the unit dimension of every quantity
    // to max(5, capacity + 1), keeping contents.
    void setUnitCapacity(std::int16_t capacity);
    // Adding or inserting a unit anywhere raises the marker by one.
    void raiseUnitCapacity() { setUnitCapacity(static_cast<std::int16_t>(m_unitCapacity + 1)); }
    // Highest unit position the storage holds now.
    int unitDimension() const { return m_unitDimension; }

    // 1-based access; position 0 is valid and stays empty. Out of range throws
    // std::out_of_range.
    Category& category(int c) { return m_categories.at(c); }
    const Category& category(int c) const { return m_categories.at(c); }
    Quantity& quantity(int q) { return m_quantities.at(q); }
    const Quantity& quantity(int q) const { return m_quantities.at(q); }
    UnitItem& unit(int q, int j);
    const UnitItem& unit(int q, int j) const;
    ReferenceItem& reference(int q, int i) { return m_quantities.at(q).references.at(i); }
    const ReferenceItem& reference(int q, int i) const { return m_quantities.at(q).references.at(i); }
    NodeAllocationEntry& allocation(int m) { return m_allocations.at(m); }
    const NodeAllocationEntry& allocation(int m) const { return m_allocations.at(m); }

    // Tree node numbering.
    NodeKind kindOf(int node) const;
    int rootNode() const { return 1; }
    int categoryNode(int c) const { return c + 1; }
    int numberSystemNode() const { return categoryCount + 2; }
    int constantsNode() const { return categoryCount + 3; }
    int allocationNode(int m) const { return categoryCount + 1 + m; }
    bool isQuantityNode(int node) const {
        return node > categoryCount + 1 && node < categoryCount + allocationCount + 2;
    }
    // Allocation position shown at a quantity node, 0 for any other node.
    int allocationAtNode(int node) const { return isQuantityNode(node) ? node - categoryCount - 1 : 0; }

    // Lowest position 0..maxQuantity whose name equals the text exactly; -1 if none (pGetGroupIndex).
    std::int16_t quantityIndexOf(std::string_view name) const;

    // Pixel units ("pixel (x)", "pixels (y)", blanks and case ignored) take the
    // display's twips per pixel as their rate (pSetPixelRates).
    void setPixelRates(float twipsPerPixelX, float twipsPerPixelY);

    // File identity and change flag.
    std::string filePath;  // "File"/"SaveFilePath"
    std::string title;     // the file name, shown at the root node (psTableTitle)
    bool changed = false;  // (pfTableChanged)

    // Encoding the table file was read in, kept for writing it back; a file
    // that began with a UTF-8 byte-order mark keeps it.
    enum class FileEncoding { Windows1252, Utf8, Utf8WithMark };
    FileEncoding fileEncoding = FileEncoding::Windows1252;

private:
    TableLimits m_limits;
    std::int16_t m_unitCapacity = 0;
    int m_unitDimension = 10;
    std::vector<Category> m_categories;
    std::vector<Quantity> m_quantities;
    std::vector<NodeAllocationEntry> m_allocations;
};

}  // namespace quantora
