#include "operations/Glavna.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"
#include "platform/Workstation.h"

namespace
{
const char* const kMethod = "Glavna::vknjizi";
constexpr int kHostTextLength = 256;

juce::String quoted (const juce::String& text) { return "'" + sqlEscape (text) + "'"; }
} // namespace

Glavna::Glavna() = default;
Glavna::~Glavna() = default;

void Glavna::addTables (SQLtoXml* db)
{
    if (db == nullptr)
        return;
    db->addTable ("glavna");
    db->addTable ("host");
}

int Glavna::findHost (SQLtoXml& db, const juce::String& identifier)
{
    if (identifier.isEmpty())
        return 0;
    const auto found = (int) db.sqlQueryInt ("SELECT id FROM host WHERE hash=" + quoted (identifier));
    return found >= 1 ? found : 0;
}

int Glavna::registerHost (SQLtoXml& db, const juce::String& identifier)
{
    auto& workstation = Workstation::get();
    // A workstation that cannot be registered still posts, as the unknown one: the entry must
    // never take the id of whatever row the connection inserted before.
    DbTransaction part;
    const auto newId = (int) db.sqlInsert ("INSERT INTO host(hostname,address,hash,active) VALUES("
                                           + quoted (workstation.computerName().substring (0, kHostTextLength)) + ","
                                           + quoted (workstation.addressList().substring (0, kHostTextLength)) + ","
                                           + quoted (identifier) + ",1)");
    if (newId >= 1 && part.commit())
        return newId;
    part.abandon();
    vindoro::vlog (kMethod, "WARNING: delovne postaje ni bilo mogoce vpisati, vknjizba gre na postajo " + juce::String (kUnknownHost));
    return kUnknownHost;
}

int Glavna::insertEntry (SQLtoXml& db)
{
    return (int) db.sqlInsert ("INSERT INTO glavna(opravilo,datum,dt,opomba,stranka,host) VALUES('" + juce::String (opravilo) + "','"
                               + datum + "','" + dt + "'," + quoted (opomba) + "," + juce::String (stranka) + ","
                               + juce::String (host) + ")");
}

int Glavna::vknjizi (SQLtoXml* db, const DateTime& when, int operationType, const juce::String& remark)
{
    if (db == nullptr)
    {
        vindoro::vlog (kMethod, kNoDatabase);
        return 0;
    }

    opravilo = operationType;
    datum = when.toString();
    dt = DateTime().toString();
    opomba = remark;
    auto* settings = getUserSettings();
    uporabnik = settings != nullptr ? settings->getValue ("uporabnik", "neznani") : juce::String ("neznani");
    stranka = settings != nullptr ? settings->getIntValue ("uporabnik:id", 1) : 1;

    const auto identifier = Workstation::get().identifier().substring (0, kHostTextLength);
    host = findHost (*db, identifier);

    int newId = 0;
    if (host >= 1)
    {
        newId = insertEntry (*db);   // one statement: it stands or falls alone
    }
    else
    {
        // Registering the workstation and the entry go together, or neither.
        DbTransaction posting;
        if (posting.isActive())
        {
            host = registerHost (*db, identifier);
            newId = insertEntry (*db);
            if (newId < 1 || ! posting.commit())
            {
                posting.rollback();
                newId = 0;
            }
        }
    }

    if (newId < 1)
    {
        vindoro::vlog (kMethod, kPostingFailed);
        return 0;
    }
    id = newId;
    return id;
}
