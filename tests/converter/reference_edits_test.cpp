// Editing a quantity's reference items: where inserts land, the limit of 20,
// removal, moves by dragging, the item dialog, and what a save keeps.

#include "converter/table/reference_edits.h"
#include "converter/engine/reference_values.h"
#include "table_test_support.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quantora {
namespace {

constexpr int kLength = 3;  // the small table's one ordinary quantity

// The small table as read from its file, so that it can be saved and read back.
struct SmallTable : tabletest::FileTable {
    explicit SmallTable(std::string_view letters = "")
        : FileTable(tabletest::joinCrlf(tabletest::smallTableLines())) {
        if (letters.empty())
            return;
        // Items named by the letters, values "v" + letter.
        Quantity& quantity = table.quantity(kLength);
        quantity.references.assign(kMaxReferenceItems + 1, {});
        for (std::size_t i = 0; i < letters.size(); ++i)
            table.reference(kLength, static_cast<int>(i) + 1) = {std::string(1, letters[i]),
                                                                 "v" + std::string(1, letters[i])};
        quantity.refCount = static_cast<std::int16_t>(letters.size());
        table.changed = false;
    }
    std::string names() const {
        std::string out;
        for (int i = 1; i <= table.quantity(kLength).refCount; ++i)
            out += (i > 1 ? "," : "") + table.reference(kLength, i).name;
        return out;
    }
};

TEST(ReferenceEdits, InsertsLandFirstAfterTheSelectedItemOrLast) {
    SmallTable t("AB");
    ASSERT_EQ(insertReference(t.table, kLength, {"X", "1"}, 0).value(), 1);
    EXPECT_TRUE(t.table.changed);
    // The dialog's Insert with the first row selected: second place, texts trimmed.
    ASSERT_EQ(acceptReferenceDialog(t.table, ReferenceDialogMode::Insert, kLength, 1, {" Y ", " 2 "}).value(),
              2);
    EXPECT_EQ(t.table.reference(kLength, 2), (ReferenceItem{"Y", "2"}));
    // Add appends, whatever is selected; text the file cannot hold is made safe.
    ASSERT_EQ(acceptReferenceDialog(t.table, ReferenceDialogMode::Add, kLength, 1, {"Z;z", "3"}).value(), 5);
    ASSERT_TRUE(acceptReferenceDialog(t.table, ReferenceDialogMode::Edit, kLength, 3, {"A2", " 9 "}).ok());
    EXPECT_EQ(t.table.reference(kLength, 3), (ReferenceItem{"A2", "9"}));
    EXPECT_FALSE(insertReference(t.table, kLength, {"W", "1"}, 6).ok());  // beyond the items
    EXPECT_FALSE(acceptReferenceDialog(t.table, ReferenceDialogMode::Edit, kLength, 0, {"W", "1"}).ok());
    EXPECT_EQ(t.names(), "X,Y,A2,B,Z:z");
}

TEST(ReferenceEdits, TwentyItemsAreTheLimitAndRemovalMovesTheRestUp) {
    SmallTable t("abcdefghijklmnopqrs");
    EXPECT_FALSE(referenceLimitNotice(t.table, kLength));
    ASSERT_TRUE(insertReference(t.table, kLength, {"t", "1"}, 19).ok());
    t.table.changed = false;
    const std::optional<common::Notice> notice = referenceLimitNotice(t.table, kLength);
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->text, "The number of reference data will exceed the limit (20).");
    EXPECT_EQ(notice->title, " Quantora 2000");
    const EditOutcome refused = insertReference(t.table, kLength, {"u", "1"}, 0);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.failure()->text, "The maximum sets of reference data already exist.");
    EXPECT_EQ(refused.failure()->icon, common::NoticeIcon::Exclamation);
    EXPECT_EQ(t.names(), "a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t");
    EXPECT_FALSE(t.table.changed);

    EXPECT_EQ(referenceRemovalQuestion(t.table, kLength, 3),
              "Do you really want to remove 'c' from the list?");
    ASSERT_TRUE(deleteReference(t.table, kLength, 3));
    EXPECT_EQ(t.names(), "a,b,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t");
    EXPECT_EQ(t.table.reference(kLength, 20), ReferenceItem{});
    EXPECT_TRUE(t.table.changed);
    EXPECT_FALSE(deleteReference(t.table, kLength, 20));
    EXPECT_TRUE(referenceRemovalQuestion(t.table, kLength, 20).empty());
}

// The file keeps the items on the quantity's first unit line: without units
// there is nowhere to keep them.
TEST(ReferenceEdits, ItemsNeedAUnitToBeKeptWith) {
    SmallTable t("AB");
    ASSERT_TRUE(deleteListItem(t.table, kLength, 2));
    EXPECT_EQ(t.table.quantity(kLength).refCount, 2);
    // The last unit's question says the items go too, and they do.
    EXPECT_NE(removalQuestion(t.table, DeleteTarget::Unit, 0, kLength, 1).find("quick reference data"),
              std::string::npos);
    ASSERT_TRUE(deleteListItem(t.table, kLength, 1));
    EXPECT_EQ(t.table.quantity(kLength).refCount, 0);
    EXPECT_TRUE(t.table.reference(kLength, 1).name.empty());
    ASSERT_TRUE(referenceLimitNotice(t.table, kLength));
    const EditOutcome refused = insertReference(t.table, kLength, {"X", "1"}, 0);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.failure()->text,
              "A physical quantity without units cannot keep reference data. Add a unit first.");
    EXPECT_EQ(t.table.quantity(kLength).refCount, 0);
}

TEST(ReferenceEdits, TheMovedItemFollowsTheOneDroppedOn) {
    struct Case {
        int dragged, target;
        const char* after;
        int position;  // where the moved item ends
    };
    for (const Case& c : {Case{1, 3, "B,C,A,D", 3}, Case{4, 2, "A,B,D,C", 3}, Case{1, 4, "B,C,D,A", 4},
                          Case{3, 1, "A,C,B,D", 2}, Case{2, 2, "A,B,C,D", 2}}) {
        SCOPED_TRACE(c.after);
        SmallTable t("ABCD");
        ASSERT_EQ(moveReference(t.table, kLength, c.dragged, c.target).value(), c.position);
        EXPECT_EQ(t.names(), c.after);
        EXPECT_EQ(t.table.changed, c.dragged != c.target);
        // Values travel with their names.
        EXPECT_EQ(t.table.reference(kLength, c.position).value,
                  "v" + t.table.reference(kLength, c.position).name);
    }
    SmallTable t("AB");
    for (auto [q, dragged, target] : {std::tuple{kLength, 1, 3}, {kLength, 0, 1}, {99, 1, 2}})
        EXPECT_FALSE(moveReference(t.table, q, dragged, target).ok()) << dragged << " onto " << target;
    EXPECT_EQ(t.names(), "A,B");
    EXPECT_FALSE(t.table.changed);
}

TEST(ReferenceEdits, EditedItemsSaveAndLoadBackTheSame) {
    SmallTable t;
    ASSERT_TRUE(insertReference(t.table, kLength, {"Step", "0.75"}, 0).ok());
    ASSERT_TRUE(insertReference(t.table, kLength, {"No value yet", ""}, 2).ok());
    ASSERT_TRUE(insertReference(t.table, kLength, {"Gone", "1"}, 1).ok());
    ASSERT_TRUE(moveReference(t.table, kLength, 1, 4).ok());
    ASSERT_TRUE(renameReference(t.table, kLength, 1, ""));
    ASSERT_TRUE(compactReferences(t.table, kLength));
    ASSERT_TRUE(renameReference(t.table, kLength, 1, " Half; a meter "));
    ASSERT_TRUE(insertReference(t.table, kLength, {"Extra", "2"}, 0).ok());
    ASSERT_TRUE(deleteReference(t.table, kLength, 1));
    ASSERT_TRUE(insertReference(t.table, kLength, {"Empty last", ""}, 3).ok());
    ASSERT_EQ(t.names(), " Half: a meter ,No value yet,Step,Empty last");

    const Quantity before = t.table.quantity(kLength);
    ASSERT_TRUE(saveTable(t.table, {}).ok());
    ASSERT_TRUE(tabletest::reload(t.table));
    EXPECT_EQ(t.table.quantity(kLength).refCount, before.refCount);
    EXPECT_EQ(t.table.quantity(kLength).references, before.references);
}

}  // namespace
}  // namespace quantora
