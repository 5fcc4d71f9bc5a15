#pragma once
// The own company's party record, reached by every window that prints the company's letterhead
// or checks its tax status. The running application registers its own record; tests register
// theirs; without one a process-wide spare stands in (id -1 until someone fills it).
#include "partners/StrankaRecord.h"

class SQLtoXml;

/** The own company's party record, for reading, copying or assigning a freshly saved one. */
StrankaRecord& getPodjetje();

/** Registers the record that getPodjetje() hands out (not owned; nullptr returns to the spare one). */
void setPodjetjeRecord (StrankaRecord* record);

/** Loads a company (an active party of any kind) by id with its own columns and its country;
    id -1 in the record when there is none. Start-up loads the own company through it. */
StrankaRecord loadCompanyFromTable (SQLtoXml& query, int id);
