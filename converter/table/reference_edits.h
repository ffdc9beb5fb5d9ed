#pragma once
// Every change the quick reference window makes to a quantity's reference
// items: insert, delete, move by dragging, edit through the item dialog and
// rename in place.
//
// limit check -> dialog -> edit -> outcome (item position, or why not)
//             -> the window compacts and refills its list from the table
//
// An edit that is done sets table.changed. Text is stored the way the table
// file can hold it (no ";", no line breaks); names are stored untrimmed, as
// typed: an item whose name is exactly empty goes at the window's next
// refresh (compactReferences), one whose name is blank stays there but is
// left out of the file.

#include "common/notice.h"
#include "converter/table/conversion_table.h"
#include "converter/table/table_edits.h"

#include <optional>
#include <string>
#include <string_view>

namespace quantora {

// No value while quantity q takes one more item; otherwise "The number of
// reference data will exceed the limit (20)." (the window's Add and Insert),
// or, for a quantity without units, which the file could not keep them
// with, a request to add a unit first.
std::optional<common::Notice> referenceLimitNotice(const ConversionTable& table, int q);

// Inserts an item after position p of quantity q (0: first, the item count:
// append). At 20 items: "The maximum sets of reference data already exist."
// The value: the new item's position (pInsertRefListItem).
EditOutcome insertReference(ConversionTable& table, int q, const ReferenceItem& item, int p);
// Removes item p of quantity q, the later ones moving up; false for a
// position outside its items (pDeleteRefListItem).
bool deleteReference(ConversionTable& table, int q, int p);
// The drop of item s onto item t: s leaves its place and goes right after t.
// The value: the moved item's new position. Dropping an item on itself changes nothing.
EditOutcome moveReference(ConversionTable& table, int q, int s, int t);
// Rename in place of item p: the text as typed, untrimmed.
bool renameReference(ConversionTable& table, int q, int p, std::string_view name);

// The item dialog's modes, by their codes (pnEditMode).
enum class ReferenceDialogMode { Add = 10, Insert = 11, Edit = 14 };
// What the dialog opens with: placeholders for a new item, item p for Edit.
ReferenceItem referenceForDialog(const ConversionTable& table, int q, ReferenceDialogMode mode, int p);
// The dialog's OK, the box texts trimmed: Add appends, Insert goes after item
// p, Edit changes item p. The value: the position of the item written.
EditOutcome acceptReferenceDialog(ConversionTable& table, ReferenceDialogMode mode, int q, int p,
                                  const ReferenceItem& boxes);

// "Do you really want to remove 'name' from the list?"; empty for no such item.
std::string referenceRemovalQuestion(const ConversionTable& table, int q, int p);

}  // namespace quantora
