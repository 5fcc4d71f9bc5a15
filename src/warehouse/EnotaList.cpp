#include "warehouse/EnotaList.h"

#include "db/SQLtoXml.h"

juce::String EnotaList::selectSQL (int quantityMask)
{
    juce::String sql ("SELECT * FROM enota ");
    if (quantityMask <= kAllUnitsAbove)
        sql << " WHERE quantity & " << quantityMask;
    return sql;
}

std::vector<EnotaRecord> EnotaList::load (const juce::String& sql)
{
    std::vector<EnotaRecord> units;
    SQLtoXml db;
    if (db.sqlQuery (sql) == nullptr || db.getData() == nullptr)
        return units;
    for (auto* row : db.getData()->getChildIterator())
    {
        EnotaRecord e;
        e.id = row->getIntAttribute ("id", 0);
        e.oznaka = row->getStringAttribute ("oznaka");
        e.quantity = row->getIntAttribute ("quantity", 0);
        e.SI = row->getDoubleAttribute ("SI", 0.0);
        units.push_back (e);
    }
    return units;
}
