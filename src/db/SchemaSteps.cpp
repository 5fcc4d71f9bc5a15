#include "db/SchemaSteps.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "db/SQLtoXml.h"
#include "db/SchemaStep.h"
#include "invoices/RacunSklic.h"

#include <vector>

namespace vindoro
{
namespace
{
juce::String userSetting (const char* key)
{
    if (auto* settings = getUserSettings())
        return settings->getValue (key, {});
    return {};
}

// The nine treatment tables share one shape; only their middle columns differ.
juce::String treatmentTable (const juce::String& table, const juce::String& middle, bool unitKey)
{
    juce::String sql = "CREATE TABLE `" + table + "` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, "
                       "`glavna` integer DEFAULT NULL, `sredstvo` integer DEFAULT NULL, " + middle
                       + ", `volumen` double DEFAULT NULL, `active` integer NOT NULL DEFAULT '1', "
                         "CONSTRAINT `" + table + "_ibfk_1` FOREIGN KEY (`glavna`) REFERENCES `glavna` (`id`), "
                         "CONSTRAINT `" + table + "_ibfk_2` FOREIGN KEY (`sredstvo`) REFERENCES `sredstvo` (`id`)";
    if (unitKey)
        sql << ", CONSTRAINT `" << table << "_ibfk_3` FOREIGN KEY (`e_kolicina`) REFERENCES `enota` (`id`)";
    return sql + ")";
}

juce::String createAnaliza()
{
    juce::String sql = "CREATE TABLE `analiza` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `glavna` integer DEFAULT NULL";
    for (auto* value : { "gostota", "alkohol", "salkohol", "ekstrakt", "rsladkor", "ekstraktbs", "skis", "hkis", "nkis" })
        sql << ", `" << value << "` double DEFAULT NULL, `e_" << value << "` integer DEFAULT NULL";
    sql << ", `ph` double DEFAULT NULL, `prosto` double DEFAULT NULL, `e_prosto` integer DEFAULT NULL"
           ", `szveplo` double DEFAULT NULL, `e_szveplo` integer DEFAULT NULL, `pepel` double DEFAULT NULL"
           ", `e_pepel` integer DEFAULT NULL, `drugo` text, `ocena` double DEFAULT NULL"
           ", `active` integer NOT NULL DEFAULT '1'"
           ", CONSTRAINT `analiza_ibfk_1` FOREIGN KEY (`glavna`) REFERENCES `glavna` (`id`))";
    return sql;
}

juce::String cutForLog (const juce::String& text)
{
    return text.substring (0, kMaxLogMessageLength);
}
} // namespace

const char* const SchemaSteps::createPosoda =
    "CREATE TABLE `posoda_nova` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `klet` integer DEFAULT NULL, "
    "`volumen` double DEFAULT NULL, `pozx` double NOT NULL DEFAULT '0', `pozy` double NOT NULL DEFAULT '0', "
    "`pozz` integer NOT NULL DEFAULT '0', `oznaka` varchar(4) DEFAULT NULL, `tipizacija` integer DEFAULT NULL, "
    "`cena` double DEFAULT '0', `ddv` integer DEFAULT NULL, `tip` integer NOT NULL DEFAULT '2', "
    "`active` integer NOT NULL DEFAULT '1', "
    "CONSTRAINT `posoda_ibfk_1` FOREIGN KEY (`klet`) REFERENCES `klet` (`id`) ON UPDATE CASCADE, "
    "CONSTRAINT `posoda_ibfk_2` FOREIGN KEY (`ddv`) REFERENCES `ddv` (`id`) ON UPDATE CASCADE, "
    "CONSTRAINT `posoda_ibfk_3` FOREIGN KEY (`tipizacija`) REFERENCES `sorta` (`id`) ON UPDATE CASCADE)";

const char* const SchemaSteps::createZakljucek =
    "CREATE TABLE `zakljucek` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `tip` integer NOT NULL DEFAULT '1', "
    "`avtor` integer NOT NULL DEFAULT '1', `poslovni` integer NOT NULL DEFAULT '1', `blagajna` integer NOT NULL DEFAULT '1', "
    "`znesek` double DEFAULT NULL, `placano` double DEFAULT NULL, `datum` datetime DEFAULT NULL, `opomba` text, "
    "CONSTRAINT `zakljucek_ibfk_1` FOREIGN KEY (`avtor`) REFERENCES `stranka` (`id`) ON UPDATE CASCADE, "
    "CONSTRAINT `zakljucek_ibfk_2` FOREIGN KEY (`poslovni`) REFERENCES `fubprem` (`id`) ON UPDATE CASCADE, "
    "CONSTRAINT `zakljucek_ibfk_3` FOREIGN KEY (`blagajna`) REFERENCES `blagajna` (`id`) ON UPDATE CASCADE)";

SchemaSteps::Step SchemaSteps::stepFrom (int fromVersion)
{
    static const Step steps[] = {
        update_from_2_to_3,   update_from_3_to_4,   update_from_4_to_5,   update_from_5_to_6,   nullptr,
        update_from_7_to_8,   update_from_8_to_9,   update_from_9_to_10,  update_from_10_to_11, update_from_11_to_12,
        update_from_12_to_13, update_from_13_to_14, update_from_14_to_15, update_from_15_to_16, update_from_16_to_17,
        update_from_17_to_18, update_from_18_to_19, update_from_19_to_20, update_from_20_to_21, update_from_21_to_22,
        update_from_22_to_23, update_from_23_to_24, update_from_24_to_25, update_from_25_to_26, update_from_26_to_27,
        update_from_27_to_28, update_from_28_to_29, update_from_29_to_30, update_from_30_to_31, update_from_31_to_32,
        update_from_32_to_33, update_from_33_to_34, update_from_34_to_35, update_from_35_to_36, update_from_36_to_37,
    };
    if (fromVersion < 2 || fromVersion > 36)
        return nullptr;
    return steps[fromVersion - 2];
}

juce::String SchemaSteps::cleanAccountText (const juce::String& text)
{
    return text.toUpperCase().retainCharacters ("QWERTZUIOPASDFGHJKLYXCVBNM1234567890");
}

void SchemaSteps::convertDateColumn (SchemaStep& step, const juce::String& table, const juce::String& column)
{
    const juce::String converted = "datetime(replace(substr(" + column + ",0,12),':','-') || substr(" + column + ",12,8))";
    // A text that datetime() rejects would become NULL and lose what the user typed: it is
    // reported and left as it is.
    if (auto rejected = step.db().sqlFetch ("SELECT rowid AS rid," + column + " AS val FROM " + table + " WHERE " + column
                                            + " IS NOT NULL AND " + converted + " IS NULL"))
    {
        if (auto* rows = rejected->getChildByName ("DATA"))
            for (auto* row : rows->getChildIterator())
                step.log ("WARNING: " + table + "." + column + " of row " + row->getStringAttribute ("rid")
                          + " is not a date and stays as it is: " + row->getStringAttribute ("val"));
    }
    step.exec ("UPDATE " + table + " SET " + column + "=" + converted + " WHERE " + converted + " IS NOT NULL");
}

// ---------------------------------------------------------------------------------------------

void SchemaSteps::update_from_2_to_3 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_2_to_3", 2, 3);
    auto& q = step.db();

    struct Grower { juce::String oldId; int newId = 0; bool inserted = false; };
    std::vector<Grower> growers;
    int highestNewId = 0;

    q.sqlQuery ("SELECT * FROM vinogradnik ORDER BY id ASC");
    std::vector<std::unique_ptr<juce::XmlElement>> rows;
    if (auto* data = q.getData())
        for (auto* row : data->getChildIterator())
            rows.push_back (std::make_unique<juce::XmlElement> (*row));

    for (auto& row : rows)
    {
        const juce::String name = row->getStringAttribute ("ime") + " " + row->getStringAttribute ("priimek");
        const juce::String active = row->getBoolAttribute ("active") ? "1" : "0";
        Grower g;
        g.oldId = juce::String (row->getStringAttribute ("id").getIntValue());
        g.inserted = step.exec ("INSERT INTO stranka(ime,naslov,posta,drzava,telefon,telefon2,mobi,faks,rokplacila,popust,davcna,tipdavka,tipstranke,active) VALUES ('"
                                + SchemaStep::escaped (name) + "','" + SchemaStep::escaped (row->getStringAttribute ("naslov"))
                                + "','','185','" + SchemaStep::escaped (row->getStringAttribute ("telefon"))
                                + "','','','','0','0','','7','" + "2" + "','" + active + "')");
        if (g.inserted)
        {
            g.newId = (int) q.lastInsertedID();
            highestNewId = juce::jmax (highestNewId, g.newId);
        }
        else
        {
            // Without its own party the grower's parcels keep their reference: another row's id
            // would hand them to a stranger.
            step.log ("napaka pri posodabljanju baze");
        }
        growers.push_back (g);
    }

    // The parking range must lie above every id a parcel can name before or after the move,
    // or one grower's parcels are caught by another grower's update.
    const int highestKnown = (int) q.sqlQueryInt ("SELECT MAX(m) FROM (SELECT MAX(id) AS m FROM stranka UNION ALL "
                                            "SELECT MAX(id) FROM vinogradnik UNION ALL SELECT MAX(vinogradnik) FROM parcela)");
    const int offset = juce::jmax (highestNewId, highestKnown) + 1;

    step.exec ("PRAGMA foreign_keys=OFF");
    for (auto& g : growers)
        if (g.inserted)
            step.exec ("UPDATE parcela SET vinogradnik=" + juce::String (g.newId + offset) + " WHERE vinogradnik=" + g.oldId);
    for (auto& g : growers)
        if (g.inserted)
            step.exec ("UPDATE parcela SET vinogradnik=" + juce::String (g.newId) + " WHERE vinogradnik=" + juce::String (g.newId + offset));

    juce::String create = step.storedCreateText ("parcela");
    step.log (cutForLog ("pred spreminjanjem: " + create));
    const int last = create.lastIndexOf ("vinogradnik");
    if (last >= 0)
        create = create.replaceSection (last, juce::String ("vinogradnik").length(), "stranka");
    create = create.replace ("parcela_", "par_cela_").replace ("parcela", "parcela_nova").replace ("par_cela_", "parcela_");
    step.log (cutForLog ("po spreminjanju: " + create));

    step.exec (create);
    step.exec ("PRAGMA legacy_alter_table=ON");
    if (step.exec ("INSERT INTO parcela_nova SELECT * FROM parcela")
        && step.exec ("DROP TABLE parcela")
        && step.exec ("ALTER TABLE parcela_nova RENAME TO parcela")
        && step.exec ("PRAGMA foreign_key_check")
        && step.exec ("PRAGMA foreign_keys=ON"))
        step.exec ("DROP TABLE vinogradnik");

    step.exec ("ALTER TABLE nacinplacila ADD COLUMN `furs` integer DEFAULT '0'");
    step.exec ("UPDATE nacinplacila SET furs=0");
    step.exec ("UPDATE nacinplacila SET furs=1 WHERE id=2");
    step.exec ("UPDATE nacinplacila SET furs=1 WHERE id=3");
    step.finish();
}

void SchemaSteps::update_from_3_to_4 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_3_to_4", 3, 4);
    auto& q = step.db();

    juce::Array<int> invoices;
    q.sqlQuery ("SELECT * FROM racun");
    if (auto* data = q.getData())
        for (auto* row : data->getChildIterator())
            invoices.add (row->getStringAttribute ("id").getIntValue());

    step.exec ("ALTER TABLE racun ADD COLUMN `sklic` varchar(200) DEFAULT NULL");
    step.exec ("ALTER TABLE racun ADD COLUMN `fubprem` integer DEFAULT '0'");
    for (int id : invoices)
        step.exec ("UPDATE racun SET sklic=" + SchemaStep::quoted (getRacunSklic (id, &q)) + ",fubprem='1' WHERE id=" + juce::String (id));

    const juce::String maxText = q.sqlQueryOneValue ("SELECT MAX(id) FROM ddv_klavzule", true);
    const bool found = q.ok;
    const int m = maxText.getIntValue();
    if (found && m > 0)
    {
        juce::Array<int> clauses;
        q.sqlQuery ("SELECT * FROM ddv_klavzule");
        if (auto* data = q.getData())
            for (auto* row : data->getChildIterator())
                clauses.add (row->getStringAttribute ("id").getIntValue());
        for (int c : clauses)
            step.exec ("UPDATE ddv_klavzule SET id='" + juce::String (c + m) + "' WHERE id=" + juce::String (c));
    }
    step.exec ("INSERT INTO ddv_klavzule(id,besedilo,active) VALUES (1,'" + SchemaStep::escaped (TRANS ("ddv_klavzula1")) + "',1)");
    step.exec ("INSERT INTO ddv_klavzule(id,besedilo,active) VALUES (2,'" + SchemaStep::escaped (TRANS ("ddv_klavzula2")) + "',1)");

    step.exec ("PRAGMA foreign_keys=OFF");
    const juce::String original = step.storedCreateText ("ddv");
    step.log (cutForLog ("pred spreminjanjem: " + original));
    const juce::String create = original.replace ("pavsal", "tip");
    step.log (cutForLog ("po spreminjanju: " + create));

    // The new table is made beside the old one first: a CREATE that fails must not leave the
    // database without its VAT rates.
    juce::String besideCreate = create;
    const int nameAt = besideCreate.indexOf ("ddv");
    if (nameAt >= 0)
        besideCreate = besideCreate.replaceSection (nameAt, 3, "ddv_nova");
    if (! step.exec (besideCreate))
    {
        step.log ("ERROR: the new VAT table could not be created, the old one stays");
        run.abort ("Table ddv: " + q.lastError);
    }
    else if (! step.exec ("DROP TABLE ddv"))
    {
        q.sqlQueryNA ("DROP TABLE ddv_nova");
        run.abort ("Table ddv: " + q.lastError);
    }
    else
    {
        step.exec ("PRAGMA legacy_alter_table=ON");
        step.exec ("ALTER TABLE ddv_nova RENAME TO ddv");
    }

    struct Rate { int id; const char* rate; juce::String text; int tip; int active; };
    const Rate rates[] = {
        { 1, "20.0", TRANS ("DDV_splosna"), 1, 0 }, { 3, "9.5", TRANS ("DDV_nizja"), 2, 1 },
        { 4, "4.0", TRANS ("DDV_pavsal"), 3, 1 },   { 5, "0.0", TRANS ("DDV_izven"), 5, 1 },
        { 6, "0.0", TRANS ("DDV_eu"), 6, 1 },       { 7, "22.0", TRANS ("DDV_splosna"), 1, 1 },
        { 9, "8.5", TRANS ("DDV_nizja"), 2, 0 },    { 10, "0.0", TRANS ("DDV_izven"), 5, 0 },
    };
    for (auto& r : rates)
        step.exec ("INSERT INTO ddv (id,stopnja,opis,tip,active) VALUES (" + juce::String (r.id) + "," + r.rate + ",'"
                   + SchemaStep::escaped (r.text) + "'," + juce::String (r.tip) + "," + juce::String (r.active) + ")");
    step.exec ("PRAGMA foreign_key_check");
    step.exec ("PRAGMA foreign_keys=ON");
    step.finish();
}

void SchemaSteps::update_from_4_to_5 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_4_to_5", 4, 5);
    step.exec ("PRAGMA foreign_keys=OFF");
    step.exec (createPosoda);
    step.exec ("PRAGMA legacy_alter_table=ON");
    if (step.exec ("INSERT INTO posoda_nova SELECT id,klet,volumen,pozx,pozy,pozz,oznaka,1,cena,ddv,tip,active FROM posoda")
        && step.exec ("DROP TABLE posoda")
        && step.exec ("ALTER TABLE posoda_nova RENAME TO posoda")
        && step.exec ("PRAGMA foreign_key_check"))
        step.exec ("PRAGMA foreign_keys=ON");
    step.finish();
}

void SchemaSteps::update_from_5_to_6 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_5_to_6", 5, 6);
    step.exec ("CREATE TABLE `trgatev` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `glavna` integer DEFAULT NULL, "
               "`vino` integer DEFAULT NULL, `volumen` double DEFAULT NULL, `active` integer NOT NULL DEFAULT '1', "
               "CONSTRAINT `trgatev_ibfk_1` FOREIGN KEY (`glavna`) REFERENCES `glavna` (`id`), "
               "CONSTRAINT `trgatev_ibfk_2` FOREIGN KEY (`vino`) REFERENCES `vino` (`id`))");
    step.exec (createAnaliza());

    auto tabela = [&step] (int id, const char* table)
    { step.exec ("UPDATE opravilo SET tabela='" + juce::String (table) + "' WHERE id=" + juce::String (id)); };
    tabela (1, "trgatev");   tabela (2, "sladkanje");      tabela (3, "ciscenje");  tabela (4, "kvasovke");
    tabela (5, "encimi");    tabela (6, "pretok");         tabela (7, "zascita");   tabela (8, "filtracija");
    tabela (9, "korekcija"); tabela (10, "stabilizacija"); tabela (11, "steklenicenje");
    tabela (12, "kalo");     tabela (16, "analiza");       tabela (14, "racun");
    step.exec ("UPDATE opravilo SET active=0 WHERE id=15");
    tabela (17, "konsignacija"); tabela (18, "prenosposode"); tabela (19, "prenosserije");
    tabela (20, "prepakiranje"); tabela (21, "pracun");
    step.exec ("UPDATE opravilo SET active=0 WHERE id=22");
    tabela (23, "razknjizenje"); tabela (24, "prevzem"); tabela (26, "starovino"); tabela (27, "starezaloge");
    step.exec ("INSERT INTO opravilo(id,ime,tabela,active) VALUES (28,'Maceracija','maceracija',1)");

    step.exec ("CREATE TABLE `sredstvo` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `oznaka` varchar(100) NOT NULL, "
               "`opis` text, `tip` integer DEFAULT NULL, `active` integer NOT NULL DEFAULT '1')");
    const juce::String amount = "`kolicina` double DEFAULT NULL, `e_kolicina` integer DEFAULT NULL";
    for (auto* table : { "sladkanje", "ciscenje", "kvasovke", "encimi", "zascita" })
        step.exec (treatmentTable (table, amount, true));
    step.exec (treatmentTable ("filtracija", "`opis` text", false));
    for (auto* table : { "korekcija", "stabilizacija" })
        step.exec (treatmentTable (table, amount, true));
    step.exec (treatmentTable ("maceracija", amount + ", `opis` text", true));

    step.exec ("ALTER TABLE racun ADD COLUMN `AcctSvcrRef` TEXT");
    step.finish();
}

void SchemaSteps::update_from_7_to_8 (UpgradeRun& run)
{
    SchemaStep step (run, "update_from_7_to_8", 7, 8);
    step.exec (juce::String::fromUTF8 ("INSERT INTO `opravilo` VALUES (31,'Razknji\xc5\xbe" "enje vina','razknjizenjevino',1)"));
    step.exec ("UPDATE opravilo SET active=1 WHERE id=23");
    step.exec ("CREATE TABLE `razknjizenje` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `glavna` integer NOT NULL, "
               "`artikel` integer NOT NULL, `kolicina` double NOT NULL, "
               "CONSTRAINT `razknjizenje_ibfk_1` FOREIGN KEY (`glavna`) REFERENCES `glavna` (`id`), "
               "CONSTRAINT `razknjizenje_ibfk_2` FOREIGN KEY (`artikel`) REFERENCES `artikel` (`id`))");
    step.exec ("CREATE TABLE `razknjizenjevino` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `glavna` integer NOT NULL, "
               "`vino` integer NOT NULL, `volumen` double NOT NULL, "
               "CONSTRAINT `razknjizenjevino_ibfk_1` FOREIGN KEY (`glavna`) REFERENCES `glavna` (`id`), "
               "CONSTRAINT `razknjizenjevino_ibfk_2` FOREIGN KEY (`vino`) REFERENCES `vino` (`id`))");
    step.exec ("ALTER TABLE hramba ADD COLUMN `active` integer DEFAULT '1'");
    step.exec ("UPDATE hramba SET active=1");
    step.exec ("ALTER TABLE stranka ADD COLUMN `swift` varchar(64) DEFAULT NULL");
    step.exec ("ALTER TABLE stranka ADD COLUMN `web` varchar(256) DEFAULT NULL");
    step.exec ("ALTER TABLE stranka ADD COLUMN `email` varchar(256) DEFAULT NULL");

    const juce::String taxNumber = userSetting ("b_davcna");
    const std::pair<const char*, juce::String> fields[] = {
        { "ime", userSetting ("b_firma") },     { "ulica", userSetting ("b_ulica") },  { "hisnast", userSetting ("b_hisna") },
        { "hisnastdod", {} },                   { "naselje", userSetting ("b_kraj") }, { "postnast", userSetting ("b_postna") },
        { "postaime", userSetting ("b_posta") }, { "drzava", userSetting ("b_drzava") }, { "email", userSetting ("b_email") },
        { "web", userSetting ("b_web") },       { "telefon", userSetting ("b_telefon") }, { "telefon2", {} },
        { "faks", userSetting ("b_fax") },      { "mobi", userSetting ("b_mobi") },    { "rokplacila", "0" },
        { "popust", "0" },                      { "davcna", taxNumber },               { "tipdavka", taxNumber.isNotEmpty() ? "1" : "0" },
        { "maticna", userSetting ("b_maticna") }, { "IBAN", userSetting ("b_iban") },  { "allIBAN", userSetting ("b_iban") },
        { "swift", userSetting ("b_banka") },   { "tipstranke", "1" },
    };
    juce::StringArray columns, values;
    for (auto& f : fields)
    {
        columns.add (f.first);
        values.add (SchemaStep::escaped (f.second));
    }
    if (step.exec ("INSERT INTO stranka(" + columns.joinIntoString (",") + ") VALUES ('" + values.joinIntoString ("','") + "')"))
    {
        const int company = (int) step.db().lastInsertedID();
        // The setting names a row of this step: it is written only once the row is committed.
        step.afterCommit ([company]
        {
            if (auto* settings = getUserSettings())
                settings->setValue ("b_podjetje", company);
        });
    }
    else
    {
        step.log ("ERROR: the own company could not be stored as a party; b_podjetje is left as it was");
    }
    step.finish();
}
} // namespace vindoro
