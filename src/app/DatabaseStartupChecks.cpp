#include "app/DatabaseStartupChecks.h"
#include "core/Globals.h"
#include "partners/OwnCompany.h"
#include "core/Log.h"
#include "frame/MessageBoxes.h"
#include "db/gui/BackupButtonPropertyComponent.h"
#include "db/gui/DatabaseFileChooser.h"
#include "db/SQLtoXml.h"
#include "db/gui/UpdateDBMProgressThread.h"
#include "db/gui/UpdateDBProgressThread.h"
#include "db/UpgradeJournal.h"
#include "partners/StrankaQuery.h"
#include "partners/StrankaRecord.h"
#include "partners/StripTaxPrefix.h"

#include <atomic>
#include <utility>

using juce::String;

namespace
{
const char* const kVersionSql = "SELECT val_i FROM settings WHERE ime='dbversion'";
const char* const kLevelSql = "SELECT val_i FROM settings WHERE ime='dbmanteinance'";

void warn (const String& text)
{
    showMessageOK (vindoro::kIconWarning, TRANS ("Napaka"), text);
}

/** The backup offer before the schema changes: false when the user cancelled the file dialog. */
bool offerBackup()
{
    const auto chosen = DatabaseFileChooser::get().chooseFileToSave (TRANS ("Choose a file to save..."), "*.db;");
    if (chosen == juce::File())
        return false;
    BackupButtonPropertyComponent::backupTo (chosen, nullptr);
    return true;
}

/** The schema runner; true when it ran without a cancel. `refused` tells that it turned the
    database down (it has told the user already). */
bool runSchemaUpgrade (int version, bool& refused)
{
    std::atomic<bool> refusal { false };
    vindoro::UpdateDBProgressThread thread (version);
    // The caller ends the program on the message thread; the runner only reports the refusal.
    thread.onQuitRequest = [&refusal] { refusal = true; };
    const bool ranThrough = vindoro::runProgressWindow (thread);
    refused = refusal.load();
    return ranThrough;
}

/** The white and the red variety that stand for wine without a variety label: the upgrade that
    makes them also stores their ids, but a database that never needed it (the shipped one) has
    them from the start. Missing settings are linked to the rows by name, so no reader falls back
    to one id for both colours. */
void linkDefaultVarieties (SQLtoXml& q, juce::PropertiesFile& settings)
{
    const std::pair<const char*, String> varieties[] = { { "belo_brez_oznake", "Belo" },
                                                         { "rdece_brez_oznake", String::fromUTF8 ("Rde\xc4\x8d" "e") } };
    for (const auto& [prefix, name] : varieties)
    {
        const String idKey = String (prefix) + "_id";
        if (settings.containsKey (idKey))
            continue;
        const auto id = q.sqlQueryInt ("SELECT id FROM sorta WHERE sorta='" + name + "' ORDER BY id LIMIT 1");
        if (! q.ok || id < 1)
            continue;
        settings.setValue (idKey, (int) id);
        settings.setValue (String (prefix) + "_sorta", name);
    }
}

void checkUser (SQLtoXml& q, juce::PropertiesFile& settings)
{
    const String userBit (DatabaseStartupChecks::kUserBit);
    const int stored = settings.getIntValue ("uporabnik:id", 0);
    juce::int64 id = 0;
    bool found = false;
    if (stored >= 1)
    {
        id = q.sqlQueryInt ("SELECT id FROM stranka WHERE tipstranke & " + userBit + " AND id=" + String (stored));
        found = q.ok && id >= 1;
    }
    if (! found)
    {
        id = q.sqlQueryInt ("SELECT id FROM stranka WHERE tipstranke & " + userBit + " ORDER BY id DESC LIMIT 1");
        found = q.ok && id >= 1;
    }
    if (! found)
    {
        warn (TRANS ("ERROR.MAIN.003"));
        return;
    }
    const String idText (id);
    settings.setValue ("uporabnik:id", (int) id);
    settings.setValue ("uporabnik", q.sqlQueryString ("SELECT ime FROM stranka WHERE id=" + idText));
    settings.setValue ("uporabnikdolgoime", q.sqlQueryString ("SELECT dolgoime FROM stranka WHERE id=" + idText));
    settings.setValue ("uporabnik:tax", stripTaxPrefix (q.sqlQueryString ("SELECT davcna FROM stranka WHERE id=" + idText)));
}

void checkPremiseAndRegister (SQLtoXml& q, juce::PropertiesFile& settings)
{
    juce::int64 premise = settings.getIntValue ("oznakapp.id", 0);
    if (premise >= 1)
        premise = q.sqlQueryInt ("SELECT id FROM fubprem WHERE id=" + String (premise));
    if (premise < 1)
    {
        warn (TRANS ("ERROR.MAIN.002"));
        return;
    }
    settings.setValue ("oznakapp.id", (int) premise);
    settings.setValue ("oznakapp", q.sqlQueryString ("SELECT oznakapp FROM fubprem WHERE id=" + String (premise)));

    juce::int64 cashRegister = settings.getIntValue ("blagajnaid", 0);
    if (cashRegister >= 1)
        cashRegister = q.sqlQueryInt ("SELECT id FROM blagajna WHERE id =" + String (cashRegister) + " AND prostor=" + String (premise));
    if (cashRegister < 1)
    {
        warn (TRANS ("ERROR.MAIN.007"));
        return;
    }
    settings.setValue ("blagajnaid", (int) cashRegister);
    settings.setValue ("blagajna", q.sqlQueryString ("SELECT oznaka FROM blagajna WHERE id=" + String (cashRegister)));
}

void checkCompany (SQLtoXml& q)
{
    auto& company = getPodjetje();
    company = StrankaRecord();
    auto* props = getAppProperties();
    const int id = props != nullptr && props->getUserSettings() != nullptr ? props->getUserSettings()->getIntValue ("b_podjetje", 0) : 0;
    // Party 1 is the program's placeholder party, never a company.
    if (id >= 2)
        company = getStrankaDetails (&q, id);
    if (company.id < 2)
        warn (TRANS ("ERROR.MAIN.008"));
}
} // namespace

DatabaseStartupChecks::Outcome DatabaseStartupChecks::run()
{
    auto* settings = getUserSettings();
    if (settings == nullptr)
    {
        vindoro::vlog ("DatabaseStartupChecks::run", "FATAL ERROR: no settings");
        return Outcome::quit;
    }

    // Before anything reads the file or offers to copy it: a copy of the file alone would miss
    // what a cut-off upgrade left in its write-ahead log.
    vindoro::UpgradeJournal::restoreAfterCutOffRun();

    // One query object for the whole block; its end closes the connection.
    SQLtoXml q;

    const auto journalRows = q.sqlQueryInt ("SELECT 1+COUNT(id) FROM glavna");
    if (! q.ok || journalRows < 1)
    {
        warn (TRANS ("ERROR.MAIN.001"));
        settings->setValue ("dbfilename", String());
        return Outcome::quit;
    }

    const auto version = q.sqlQueryInt (kVersionSql);
    if (! q.ok)
    {
        warn (TRANS ("ERROR.MAIN.004"));
        return Outcome::quit;
    }
    settings->setValue ("dbversion", kSchemaVersion);

    if (version > kSchemaVersion)
    {
        warn (TRANS ("ERROR.MAIN.006"));
        return Outcome::quit;
    }
    if (version <= 0)
    {
        // No upgrade path starts below version 1: such a database is turned down like 1 to 6.
        vindoro::vlog ("DatabaseStartupChecks::run", "ERROR: stored schema version " + String (version));
        warn (TRANS ("ERROR.MAIN.004"));
        return Outcome::quit;
    }

    bool updated = false;
    bool backupDeclined = false;
    if (version < kSchemaVersion)
    {
        showMessageOK (vindoro::kIconInformation, TRANS ("Database update"), TRANS ("ERROR.MAIN.005"));
        backupDeclined = ! offerBackup();
        bool refused = false;
        updated = runSchemaUpgrade ((int) version, refused);
        if (refused)
            return Outcome::quit; // the runner has told the user; nothing more runs

        // Whatever the runner said, the program opens only on the schema it knows.
        const auto reached = q.sqlQueryInt (kVersionSql);
        if (! q.ok || reached < kSchemaVersion)
        {
            vindoro::vlog ("DatabaseStartupChecks::run", "ERROR: schema version still " + String (reached) + " after the update");
            warn (TRANS ("The database was not brought up to date. The program will close."));
            return Outcome::quit;
        }
    }

    auto level = q.sqlQueryInt (kLevelSql);
    if (! q.ok)
    {
        q.sqlQueryNA ("INSERT INTO settings(ime,val_s,val_i) VALUES('dbmanteinance','',0)");
        level = 0;
    }
    if (level < kMaintenanceLevel)
    {
        if (! updated && ! backupDeclined)
        {
            showMessageOK (vindoro::kIconInformation, TRANS ("Database manteinance"), TRANS ("ERROR.MAIN.005"));
            offerBackup();
        }
        vindoro::UpdateDBMProgressThread maintenance ((int) level);
        vindoro::runProgressWindow (maintenance);
    }

    linkDefaultVarieties (q, *settings);
    checkUser (q, *settings);
    checkPremiseAndRegister (q, *settings);
    checkCompany (q);
    return Outcome::goOn;
}
