#pragma once
// The printed listing of the whole conversion table: the file, the
// categories, where each quantity hangs in the tree, and every unit's
// definition as the table holds it. Only the number columns are aligned
// (right-aligned in 3 or 4 characters; a longer number widens its line).

#include "converter/table/conversion_table.h"

#include <string>
#include <vector>

namespace quantora {

// The lines in print order, one printer line each. The closing line of the
// title box and the file path line end in a carriage return, as printed.
// An allocation entry that names no quantity of the table loses the lines
// that need the quantity; the listing goes on.
std::vector<std::string> conversionTableReport(const ConversionTable& table);

}  // namespace quantora
