#include "app/DatabaseStartupChecks.h"
#include "app/Globals.h"
#include "app/Log.h"
#include "app/MessageBoxes.h"
#include "db/BackupButtonPropertyComponent.h"
#include "db/DatabaseFileChooser.h"
#include "db/SQLtoXml.h"
#include "db/UpdateDBMProgressThread.h"
#include "db/UpdateDBProgressThread.h"
#include "partners/StrankaRecord.h"
#include "partners/StripTaxPrefix.h"

#include <atomic>

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
    company.id = -1;
    auto* props = getAppProperties();
    const int id = props != nullptr && props->getUserSettings() != nullptr ? props->getUserSettings()->getIntValue ("b_podjetje", 0) : 0;
    // Party 1 is the program's placeholder party, never a company.
    if (id >= 2 && DatabaseStartupChecks::loadCompany)
        company = DatabaseStartupChecks::loadCompany (q, id);
    if (company.id < 2)
        warn (TRANS ("ERROR.MAIN.008"));
}
} // namespace

std::function<StrankaRecord (SQLtoXml&, int)> DatabaseStartupChecks::loadCompany = &DatabaseStartupChecks::loadCompanyFromTable;

DatabaseStartupChecks::Outcome DatabaseStartupChecks::run()
{
    auto* settings = getUserSettings();
    if (settings == nullptr)
    {
        vindoro::vlog ("DatabaseStartupChecks::run", "FATAL ERROR: no settings");
        return Outcome::quit;
    }

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

    checkUser (q, *settings);
    checkPremiseAndRegister (q, *settings);
    checkCompany (q);
    return Outcome::goOn;
}

StrankaRecord DatabaseStartupChecks::loadCompanyFromTable (SQLtoXml& query, int id)
{
    StrankaRecord party;
    if (id <= 0)
        return party;
    query.sqlQuery ("SELECT s.id, s.ime, s.dolgoime, s.ulica, s.hisnast, s.hisnastdod, s.naselje, s.postnast, s.postaime,"
                    " s.drzava, s.telefon, s.telefon2, s.mobi, s.faks, s.email, s.web, s.rokplacila, s.popust, s.davcna,"
                    " s.maticna, s.iban, s.kmgmid, s.gln, s.tipdavka, s.tipstranke, d.kratica, d.ime AS drzavaime, d.eu"
                    " FROM stranka s LEFT JOIN drzava d ON d.id=s.drzava WHERE s.id=" + String (id)
                    + " AND s.active=1 AND (s.tipstranke & 31)");
    auto* row = query.getData() != nullptr ? query.getData()->getFirstChildElement() : nullptr;
    if (row == nullptr)
    {
        vindoro::vlog ("DatabaseStartupChecks::loadCompanyFromTable", "WARNING: no stranka " + String (id));
        return party;
    }
    auto text = [row] (const char* name) { return row->getStringAttribute (name); };
    party.id = row->getIntAttribute ("id", -1);
    party.ime = text ("ime");
    party.dolgoime = text ("dolgoime");
    party.ulica = text ("ulica");
    party.hisnast = text ("hisnast");
    party.hisnastdod = text ("hisnastdod");
    party.naselje = text ("naselje");
    party.postnast = text ("postnast");
    party.postaime = text ("postaime");
    party.drzava = row->getIntAttribute ("drzava");
    party.Drzava = text ("kratica");
    party.DrzavaDolgo = text ("drzavaime");
    party.DrzavaEU = row->getIntAttribute ("eu") != 0;
    party.telefon = text ("telefon");
    party.telefon2 = text ("telefon2");
    party.mobi = text ("mobi");
    party.faks = text ("faks");
    party.email = text ("email");
    party.web = text ("web");
    party.rokplacila = row->getIntAttribute ("rokplacila");
    party.popust = row->getDoubleAttribute ("popust");
    party.davcna = text ("davcna");
    party.maticna = text ("maticna");
    party.ibanid = row->getIntAttribute ("iban");
    party.kmgmid = text ("kmgmid");
    party.gln = text ("gln");
    party.tipdavka = row->getIntAttribute ("tipdavka") != 0;
    party.tipstranke = row->getIntAttribute ("tipstranke");
    return party;
}
