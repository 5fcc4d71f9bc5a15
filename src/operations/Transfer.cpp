#include "operations/Transfer.h"
#include "core/Log.h"
#include "db/SQLtoXml.h"

Transfer::Transfer (int entry, SQLtoXml* queryObject) : glavna (entry), db (queryObject) {}

Transfer::~Transfer()
{
    releaseOwnDb();
}

bool Transfer::startDB()
{
    if (db != nullptr)
        return true;
    db = new (std::nothrow) SQLtoXml();
    if (db == nullptr)
    {
        vindoro::vlog ("Transfer::startDB", "ERROR: failed to start DB");
        return false;
    }
    ownsDb = true;
    return true;
}

void Transfer::releaseOwnDb()
{
    if (! ownsDb)
        return;
    delete db;
    db = nullptr;
    ownsDb = false;
}

bool Transfer::checkEntryAndDb (const char* method)
{
    if (glavna < 1)
    {
        vindoro::vlog (method, "ERROR:glavna id:" + juce::String (glavna));
        return false;
    }
    return startDB();
}

bool Transfer::deactivatePosodaArtikel (int posoda)
{
    OwnDbRelease release { *this };
    if (! startDB())
        return false;
    return db->sqlQueryNA ("UPDATE artikel SET active=0 WHERE active=1 AND link=" + juce::String (posoda)
                           + " AND tip=" + juce::String (kBulkWineArticle));
}

int Transfer::findHramba (int skladisce, int artikel, int kosovnica)
{
    if (! startDB())
        return -1;
    const auto id = (int) db->sqlQueryInt ("SELECT id FROM hramba WHERE skladisce=" + juce::String (skladisce) + " AND artikel="
                                           + juce::String (artikel) + " AND kosovnica=" + juce::String (kosovnica));
    return db->ok && id >= 1 ? id : -1;
}
