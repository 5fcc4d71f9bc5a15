#pragma once
// The own company's party record, reached by every window that prints the company's letterhead
// or checks its tax status. The running application registers its own record; tests register
// theirs; without one a process-wide spare stands in (id -1 until someone fills it).
#include "partners/StrankaRecord.h"

/** The own company's party record, for reading, copying or assigning a freshly saved one. */
StrankaRecord& getPodjetje();

/** Registers the record that getPodjetje() hands out (not owned; nullptr returns to the spare one). */
void setPodjetjeRecord (StrankaRecord* record);

/** Whether the party register must keep the party: the current user (setting "uporabnik:id")
    or the own company. Ids below 1 name no party and are never protected. */
bool isProtectedStranka (int id);
