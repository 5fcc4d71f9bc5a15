#pragma once
// The one party query of the program and the reading of its rows into StrankaRecord. Owned by
// the partners subsystem; only active parties are ever found, and a party that is missing or
// cannot be read comes back as the empty record (id -1).
#include "partners/StrankaRecord.h"

class SQLtoXml;

namespace juce
{
class XmlElement;
}

/** The party query; the caller appends a party-kind mask (and possibly further conditions). */
extern const char* const strankaSelectSql;

/** The mask of every party kind (user and own company, grower, supplier, customer, consignment). */
constexpr int kStrankaAllKinds = 31;

/** One row of the party query as a record; a missing attribute reads as empty, null as the empty record. */
StrankaRecord interpretStrankaXml (const juce::XmlElement* row);

/** One active party of any kind by id, queried on `query` (its row tree is replaced). Runs
    nothing for a null query or an id of 0 or less; logs "WARNING: no stranka <id>" when no row came. */
StrankaRecord getStrankaDetails (SQLtoXml* query, int id);
