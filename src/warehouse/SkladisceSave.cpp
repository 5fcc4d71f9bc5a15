#include "warehouse/SkladisceSave.h"

#include "core/Log.h"
#include "db/SQLtoXml.h"

using vindoro::vlog;

bool SkladisceSave::save (SkladisceRecord& record, bool edit, bool consignment, SQLtoXml& db, juce::String& error)
{
    const char* method = "SkladisceAdd::save";
    const auto name = record.ime.trim();
    if (name.isEmpty())
    {
        vlog (method, "empty");
        error = TRANS ("Vnesite ime skladisca!");
        return false;
    }
    record.ime = name;
    if (consignment && record.konsig.id < 1)
    {
        vlog (method, "ni konsignacijske stranke");
        error = TRANS ("Izberite stranko konsignacije");
        return false;
    }
    db.addTable ("skladisce");
    struct ClearTables
    {
        SQLtoXml& db;
        ~ClearTables() { db.clearTables(); }
    } clearTables { db };
    if (record.konsig.id < 2)
        record.konsig.id = 1;
    const auto party = juce::String (record.konsig.id);
    const auto quoted = SqlitetoXml::sqlEscapeQuotes (name);

    const int found = (int) db.sqlQueryInt ("SELECT id FROM skladisce WHERE ime = '" + quoted + "'");
    if (db.ok && found != 0 && ! (edit && found == record.id))
    {
        const auto active = db.sqlQueryInt ("SELECT active FROM skladisce WHERE id=" + juce::String (found));
        if (! edit && db.ok && active <= 0)
        {
            if (! db.sqlQueryNA ("UPDATE skladisce SET konsig=" + party + ",active=1 WHERE id=" + juce::String (found)))
            {
                error = db.lastError;
                return false;
            }
            record.id = found;
            return true;
        }
        vlog (method, "Skladisce z imenom ze obstaja:" + name + " id:" + juce::String (found));
        error = TRANS ("Skladisce z imenom ") + name + TRANS (" ze obstaja!");
        return false;
    }

    if (edit)
    {
        if (! db.sqlQueryNA ("UPDATE skladisce SET ime='" + quoted + "',konsig='" + party + "' WHERE id=" + juce::String (record.id)))
        {
            // The query object's own reason: an empty one would leave the operator guessing.
            error = db.lastError;
            return false;
        }
        return true;
    }
    const auto id = db.sqlInsert ("INSERT INTO skladisce(ime,konsig,active) VALUES('" + quoted + "'," + party + ",1)");
    if (id <= 0)
    {
        error = db.lastError;
        return false;
    }
    record.id = (int) id;
    return true;
}
