#pragma once
// The accounts' own column type in the record browsers: a document kind shown by its translated
// name. Registered with the cell formatter once at start-up, before any browser shows a cell.

void registerAccountsCellTypes();
