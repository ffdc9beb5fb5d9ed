#pragma once
// The expanded state of the category nodes lives in the table: in each
// category's ExpandedFlag, and in the third field of each category line of
// the table file, which saveNodeStatus rewrites without saving the rest.

#include "common/outcome.h"
#include "converter/table/conversion_table.h"
#include "converter/table/table_file.h"

#include <optional>

namespace quantora {

// Copies the tree's state of category nodes into their ExpandedFlag (mPreserveTreeNodeStatus).
void preserveTreeNodeStatus(ConversionTable& table, const NodeExpandedQuery& isExpanded);

// Rewrites the category lines of the file at table.filePath with the tree's
// state, every other line kept byte for byte. Nothing happens without a file.
// A failure says "Error Code = PSNS0n" (pSaveNodeStatus).
common::Status saveNodeStatus(const ConversionTable& table, const NodeExpandedQuery& isExpanded);

}  // namespace quantora
