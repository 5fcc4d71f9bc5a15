#pragma once
// The bill-of-materials item view: the item lines of an article's bill of materials with their
// prices and the count of each. Its query and column spec are process-wide constants, built once
// and only read; the view appends its own WHERE clause to the query.
#include "widgets/TableColumnSpec.h"

/** The item lines' query; it ends with a blank so that the view can append its WHERE clause. */
extern const char* const kKosovnicaQuery;
const TableColumnSpec& kosovnicaColumnSpec();
