// The data migrations of the schema steps, per range of versions, on the hand-made fixtures of
// tests/db/fixtures: each range starts from the fixture of its first version with the rows that
// exercise its migrations, runs its steps and reads the rows back.
#include "support/UpgradeTestSupport.h"

#include "db/SchemaSteps.h"
#include "db/SqlitetoXml.h"

#include <gtest/gtest.h>

using vindoro::SchemaSteps;
using vindoro::UpgradeRun;

namespace
{
juce::String u8 (const char* text) { return juce::String::fromUTF8 (text); }

juce::StringArray sa (std::initializer_list<juce::String> items)
{
    juce::StringArray a;
    for (auto& i : items)
        a.add (i);
    return a;
}

void runSteps (int from, int to, UpgradeRun& run)
{
    for (int v = from; v < to; ++v)
        SchemaSteps::stepFrom (v) (run);
}

/** A version-7 fixture brought to `version` without rows of its own, then given a data fixture. */
void prepareAt (vtest::UpgradeDb& db, int version, const char* dataFixture, UpgradeRun& run)
{
    runSteps (7, version, run);
    SqlitetoXml::disconnect();
    ASSERT_EQ (db.version(), version);
    ASSERT_TRUE (db.exec (vtest::upgradeFixture (dataFixture).loadFileAsString())) << db.lastError;
}
} // namespace

TEST (SchemaSteps2to8, GrowersBecomePartiesAndKeepTheirParcels)
{
    vtest::UpgradeDb db ({ "v2-schema.sql", "v2-coderows.sql", "v2-data.sql" });
    vtest::LogCapture log;
    UpgradeRun run;
    runSteps (2, 6, run);
    EXPECT_EQ (db.version(), 6);

    EXPECT_EQ (db.rows ("SELECT id,ime,naslov,telefon,drzava,tipdavka,tipstranke,active FROM stranka WHERE id>1 ORDER BY id"),
               sa ({ "2|Janez Novak|Vas 1|031|185|7|2|1", "3|Marija |Vas 2||185|7|2|0", u8 ("4|Tone O'Kos|Hi\xc5\xa1" "a 3|041|185|7|2|1") }));
    // Grower 7 sits where grower 1's parcels would be parked with an offset of only M + 1; the
    // refused grower 9 hands its parcels nobody's id.
    EXPECT_EQ (db.rows ("SELECT id,IFNULL(vinogradnik,'-') FROM parcela ORDER BY id"),
               sa ({ "1|2", "2|3", "3|4", "4|-", "5|9", "6|2" }));
    EXPECT_TRUE (log.contains ("napaka pri posodabljanju baze"));
    EXPECT_EQ (db.value ("SELECT count(*) FROM sqlite_master WHERE name='vinogradnik'"), "0");
    EXPECT_EQ (db.rows ("SELECT id,furs FROM nacinplacila WHERE id<=4 ORDER BY id"), sa ({ "1|0", "2|1", "3|1", "4|0" }));

    EXPECT_EQ (db.rows ("SELECT id,sklic,fubprem FROM racun ORDER BY id"), sa ({ "1|SI00201615|1", "2|SI0020173|1" }));
    EXPECT_EQ (db.rows ("SELECT id,besedilo FROM ddv_klavzule ORDER BY id"),
               sa ({ "1|ddv_klavzula1", "2|ddv_klavzula2", "6|prva", "7|druga", "10|peta" }));
    EXPECT_EQ (db.rows ("SELECT id,stopnja,opis,tip,active FROM ddv ORDER BY id"),
               sa ({ "1|20.0|DDV_splosna|1|0", "3|9.5|DDV_nizja|2|1", "4|4.0|DDV_pavsal|3|1", "5|0.0|DDV_izven|5|1",
                                    "6|0.0|DDV_eu|6|1", "7|22.0|DDV_splosna|1|1", "9|8.5|DDV_nizja|2|0", "10|0.0|DDV_izven|5|0" }));
    EXPECT_EQ (db.rows ("SELECT id,oznaka,tipizacija FROM posoda ORDER BY id"), sa ({ "1|A1|1", "5|B5|1" }));
    EXPECT_EQ (db.rows ("SELECT id,IFNULL(tabela,'-'),active FROM opravilo WHERE id IN (1,13,15,22,25,28) ORDER BY id"),
               sa ({ "1|trgatev|1", "13|-|1", "15|-|0", "22|-|0", "25|-|1", "28|maceracija|1" }));
    EXPECT_EQ (db.value ("SELECT count(*) FROM sqlite_master WHERE name IN ('trgatev','analiza','sredstvo','sladkanje','ciscenje',"
                         "'kvasovke','encimi','zascita','filtracija','korekcija','stabilizacija','maceracija')"), "12");
    EXPECT_EQ (db.value ("SELECT count(*) FROM pragma_table_info('racun') WHERE name='AcctSvcrRef'"), "1");
}

TEST (SchemaSteps2to8, VatTableSurvivesAFailingCreate)
{
    vtest::UpgradeDb db ({ "v2-schema.sql", "v2-coderows.sql", "v2-data.sql" }, "CREATE TABLE ddv_nova (x integer);");
    UpgradeRun run;
    runSteps (2, 4, run);
    EXPECT_TRUE (run.isAborted());
    EXPECT_EQ (db.version(), 3);
    EXPECT_EQ (db.rows ("SELECT id,stopnja,pavsal FROM ddv ORDER BY id"), sa ({ "1|20.0|0", "2|8.5|1", "8|0.0|0" }));
}

TEST (SchemaSteps2to8, OwnCompanyBecomesAParty)
{
    vtest::UpgradeDb db ({ "v7-schema.sql" });
    auto& s = db.settings().user();
    s.setValue ("b_firma", "Klet O'Hara");
    s.setValue ("b_davcna", "SI123");
    s.setValue ("b_iban", "SI56 1234");
    s.setValue ("b_banka", "LJBASI2X");
    s.setValue ("b_drzava", "185");
    UpgradeRun run;
    SchemaSteps::update_from_7_to_8 (run);
    const int company = s.getIntValue ("b_podjetje");
    EXPECT_GT (company, 0);
    EXPECT_EQ (db.rows ("SELECT ime,davcna,tipdavka,IBAN,allIBAN,swift,tipstranke,hisnastdod FROM stranka WHERE id=" + juce::String (company)),
               sa ({ "Klet O'Hara|SI123|1|SI56 1234|SI56 1234|LJBASI2X|1|" }));
    EXPECT_EQ (db.value ("SELECT ime FROM opravilo WHERE id=31"), u8 ("Razknji\xc5\xbe" "enje vina"));
    EXPECT_EQ (db.version(), 8);

    // A party whose insert fails hands b_podjetje no other row's id.
    vtest::UpgradeDb refused ({ "v7-schema.sql" }, "INSERT INTO stranka(id,ime,drzava) VALUES (5,'Prej',185);"
                                                   "CREATE TRIGGER no_company BEFORE INSERT ON stranka WHEN NEW.tipstranke=1 BEGIN SELECT RAISE(ABORT,'no'); END;");
    refused.settings().user().setValue ("b_podjetje", 77);
    UpgradeRun second;
    SchemaSteps::update_from_7_to_8 (second);
    EXPECT_EQ (refused.settings().user().getIntValue ("b_podjetje"), 77);
    EXPECT_EQ (second.getFailedStatements(), 1);
}

TEST (SchemaSteps8to20, DataMigrations)
{
    vtest::UpgradeDb db ({ "v7-schema.sql", "v7-data.sql" });
    vtest::LogCapture log;
    UpgradeRun run;
    runSteps (7, 20, run);
    EXPECT_EQ (db.version(), 20);

    EXPECT_EQ (db.rows ("SELECT id,allIBAN FROM stranka WHERE id BETWEEN 10 AND 12 ORDER BY id"), sa ({ "10|SI56AAA*SI56BBB", "11|", "12|x'y" }));
    EXPECT_EQ (db.rows ("SELECT id,besedilo FROM ddv_klavzule WHERE id>=3 ORDER BY id").joinIntoString ("\n"),
               juce::StringArray::fromLines (u8 ("3|tri\n4|DDV smo popravili dne _____________________\n"
                                                  "5|\xc5\xa1tiri\n6|pet\n7|\xc5\xa1" "est")).joinIntoString ("\n"));
    // Every factor moves one unit up exactly; the unit above a missing factor gets none.
    EXPECT_EQ (db.rows ("SELECT id,IFNULL(SI,'-') FROM enota WHERE id IN (1,2,3,11,21) ORDER BY id"),
               sa ({ "1|0.001", "2|1.0", "3|1.0e-06", "11|-", "21|0.123456789" }));
    EXPECT_EQ (db.value ("SELECT volumen FROM zaloga WHERE id=1"), "1.23");
    EXPECT_EQ (db.value ("SELECT ime FROM racunstatus WHERE id=26"), "storno");

    // Dates: the old forms convert, a converted one stays, texts datetime() refuses are kept and logged.
    EXPECT_EQ (db.rows ("SELECT id,datum FROM glavna ORDER BY id"),
               sa ({ "1|2016-12-31 23:59:59", "2|2016-12-31 00:00:00", "3|2017-01-05 10:00:00" }));
    EXPECT_EQ (db.rows ("SELECT id,datum,IFNULL(datumvalute,'-'),IFNULL(datumprejeto,'-') FROM racun ORDER BY id"),
               sa ({ "10||-|-", "11|31.12.2016|2016-02-03 00:00:00|2016-02-03 00:00:00" }));
    EXPECT_TRUE (log.contains ("racun.datum of row 11 is not a date and stays as it is: 31.12.2016"));

    EXPECT_EQ (db.rows ("SELECT id,IFNULL(oznaka,'-') FROM racun ORDER BY id"), sa ({ "10|PP1-B1-5", "11|-" }));
    EXPECT_EQ (db.rows ("SELECT id,link2 FROM artikel ORDER BY id"), sa ({ "1|3", "2|0", "3|0" }));
    EXPECT_EQ (db.rows ("SELECT id,active FROM artikel WHERE tip=4 ORDER BY id"), sa ({ "1|0", "2|0" }));
    // Colour kinds look at the 24 colour bits only, whatever the alpha byte above them.
    EXPECT_EQ (db.rows ("SELECT id,tip FROM sorta ORDER BY id"), sa ({ "1|0", "2|1", "3|1", "4|0", "5|1", "6|0" }));
    EXPECT_EQ (db.rows ("SELECT id,ime,eu FROM drzava WHERE id IN (53,92,133,185) ORDER BY id"),
               juce::StringArray::fromLines (u8 ("53|\xc4\x8c" "E\xc5\xa0KA|1\n92|HRVA\xc5\xa0KA|1\n133|MAKEDONIJA|0\n185|SLOVENIJA|1")));
    EXPECT_EQ (db.rows ("SELECT id,IFNULL(tip,'-') FROM postavka ORDER BY id"), sa ({ "1|4", "2|-" }));
    EXPECT_EQ (db.rows ("SELECT stopnja FROM ddv WHERE id=4 UNION ALL SELECT tip FROM ddv WHERE opis='Ni DDV zavezanec'"),
               sa ({ "8.0", "6" }));
    EXPECT_EQ (db.rows ("SELECT id,ime FROM tip WHERE id IN (6,101,107) ORDER BY id"),
               juce::StringArray::fromLines (u8 ("6|Prosto\n101|Splo\xc5\xa1ni stro\xc5\xa1ki\n107|Oprema")));
    EXPECT_EQ (db.value ("SELECT count(*) FROM pragma_table_info('stranka') WHERE name IN ('dolgoime','kmgmid','gln')"), "3");
    EXPECT_EQ (db.value ("SELECT count(*) FROM sqlite_master WHERE name IN ('zakljucek','posta')"), "2");
    EXPECT_TRUE (db.settings().user().getValue ("ajpes_url").startsWith ("https://"));
}

TEST (SchemaSteps8to20, PostOfficeFileLines)
{
    struct Case { const char* text; juce::StringArray posta; int readLines; bool stopped; };
    const Case cases[] = {
        { "INSERT INTO posta(stevilka,ime,drzava) VALUES('1000','A',185)\r\n\r\nINSERT INTO posta(stevilka,ime,drzava) VALUES('2000','B',185)\n",
          { "1000", "2000" }, 3, false },
        { "INSERT INTO posta(stevilka,ime,drzava) VALUES('1000','A',185)\rINSERT INTO nikjer VALUES(1)\nINSERT INTO posta(stevilka,ime,drzava) VALUES('3000','C',185)",
          { "1000" }, 2, true },
    };
    for (auto& c : cases)
    {
        vtest::TempFolder resources;
        resources.file ("update17.dat").replaceWithText (c.text);
        vtest::UpgradeDb db ({ "v7-schema.sql" });
        db.settings().user().setValue ("resourcespath", resources.get().getFullPathName());
        UpgradeRun run;
        runSteps (7, 16, run);
        vtest::LogCapture log;
        SchemaSteps::update_from_16_to_17 (run);
        EXPECT_EQ (db.rows ("SELECT stevilka FROM posta ORDER BY id"), c.posta);
        int read = 0;
        for (auto& line : log.lines())
            read += line.contains ("<update_from_16_to_17> readed:") ? 1 : 0;
        EXPECT_EQ (read, c.readLines);
        EXPECT_EQ (log.contains ("ERROR: something went wrong"), c.stopped);
        EXPECT_EQ (db.version(), 17);
    }
}

TEST (SchemaSteps20to29, DataMigrations)
{
    vtest::UpgradeDb db ({ "v7-schema.sql" });
    UpgradeRun run;
    prepareAt (db, 20, "v20-data.sql", run);
    runSteps (20, 29, run);
    EXPECT_EQ (db.version(), 29);
    EXPECT_FALSE (run.isAborted()) << run.getAbortReason();

    // Declarations: the vessel that received wine of a variety gets one; the others none.
    EXPECT_EQ (db.rows ("SELECT id,glavna,sorta,letnik,posoda FROM tipizacija ORDER BY id"), sa ({ "1|0|1|0|0", "2|8|3|2015|1" }));
    EXPECT_EQ (db.rows ("SELECT id,IFNULL(tipizacija,'-') FROM posoda ORDER BY id"), sa ({ "1|2", "2|-", "3|-" }));
    EXPECT_TRUE (db.value ("SELECT sql FROM sqlite_master WHERE name='posoda'").contains ("REFERENCES `tipizacija`"));
    EXPECT_EQ (db.rows ("SELECT id,link2 FROM artikel WHERE tip=4 ORDER BY id"), sa ({ "1|2", "2|0" }));
    EXPECT_EQ (db.rows ("SELECT id,IFNULL(tipdavka,'-') FROM stranka WHERE id BETWEEN 20 AND 23 ORDER BY id"),
               sa ({ "20|0", "21|1", "22|0", "23|-" }));

    // Storage entries: the pair that already repeats gets no third entry; a new one is empty and inactive.
    EXPECT_EQ (db.rows ("SELECT id,skladisce,artikel,stevilo,active,kosovnica FROM hramba ORDER BY id"),
               sa ({ "1|1|3|5.0|1|0", "2|1|3|0.0|1|0", "3|2|3|0.0|0|0" }));
    EXPECT_EQ (db.rows ("SELECT id,glavna,hramba,smer,kolicina FROM prenos ORDER BY id"),
               sa ({ "1|5|1|1|5.0", "2|5|3|1|2.0", "3|8|3|-1|1.0" }));
    EXPECT_EQ (db.rows ("SELECT id,tip,link FROM postavka ORDER BY id"), sa ({ "1|2|1", "2|1|7", "3|3|3" }));
    EXPECT_EQ (db.rows ("SELECT id,IFNULL(dobavnica,'-'),narocilnica,metoda FROM racun ORDER BY id"),
               sa ({ "1|D1||0", "2|-|D2|0" }));
    EXPECT_EQ (db.value ("SELECT tip FROM ddv WHERE opis='Oprostitve'"), "7");
    EXPECT_EQ (db.value ("SELECT furs FROM nacinplacila WHERE id=1"), "1");

    // Accounts: empty pieces skipped, codes trimmed alike, each party's main account among its own.
    EXPECT_EQ (db.rows ("SELECT id,swift,active FROM banka ORDER BY id"), sa ({ "1|12345678|0", "2|ABCDSI2X|1", "3|LJBASI2X|1" }));
    EXPECT_EQ (db.rows ("SELECT i.stranka,i.iban,b.swift FROM iban AS i LEFT JOIN banka AS b ON b.id=i.banka WHERE i.id>1 ORDER BY i.stranka,i.id"),
               sa ({ "30|SI56AAA|LJBASI2X", "30|SI56BBB|LJBASI2X", "31|SI56XXX|12345678", "31|SI56YYY|12345678",
                                    "32|SI56CCC|ABCDSI2X", "33|SI56AAA|12345678" }));
    EXPECT_EQ (db.rows ("SELECT s.id,IFNULL(i.stranka,'-'),IFNULL(i.iban,'-') FROM stranka AS s LEFT JOIN iban AS i ON i.id=s.iban "
                        "WHERE s.id BETWEEN 30 AND 34 ORDER BY s.id"),
               sa ({ "30|30|SI56AAA", "31|1|12345678", "32|32|SI56CCC", "33|33|SI56AAA", "34|1|12345678" }));
    EXPECT_EQ (db.value ("SELECT count(*) FROM pragma_table_info('stranka') WHERE name IN ('IBAN','allIBAN','swift','naslov','posta')"), "0");
    EXPECT_EQ (db.rows ("SELECT id,oznaka,datum,iban FROM bizpisek"), sa ({ "1||2016-01-01 12:00:00|1" }));
    EXPECT_TRUE (db.rows ("PRAGMA foreign_key_check(posoda)").isEmpty());
}

TEST (SchemaSteps29to37, DataMigrations)
{
    vtest::UpgradeDb db ({ "v7-schema.sql" });
    UpgradeRun run;
    prepareAt (db, 29, "v29-data.sql", run);
    const int failedBefore = run.getFailedStatements();
    runSteps (29, 37, run);
    EXPECT_EQ (db.version(), 37);
    EXPECT_FALSE (run.isAborted()) << run.getAbortReason();

    EXPECT_EQ (db.rows ("SELECT id,iban FROM iban ORDER BY id"), sa ({ "1|", "2|SI56191000000123438", "3|X123" }));
    EXPECT_EQ (db.value ("SELECT swift FROM banka WHERE id=1"), "");
    EXPECT_EQ (db.rows ("SELECT id,IFNULL(racun,'-'),oznaka,IFNULL(datum,'-'),sklic,iban,active FROM transakcija ORDER BY id"),
               sa ({ "1|-|brez|-||1|1", "2|5|z racunom|-||1|1" }));

    // A storage entry with a bill of materials over a kind-2 article gets an article of its own.
    const auto made = db.value ("SELECT id FROM artikel WHERE link=10 AND link2=-1999");
    EXPECT_EQ (db.rows ("SELECT ime,tip,cena,ddv,enota,active FROM artikel WHERE id=" + made), sa ({ "Novo Paket|3|12.5|7|7|1" }));
    EXPECT_EQ (db.rows ("SELECT id,artikel FROM hramba ORDER BY id"), sa ({ "10|" + made, "11|21", "12|22" }));
    EXPECT_EQ (db.rows ("SELECT kosovnica,artikel,stevilo FROM pkosovnica"), sa ({ "3|20|1.0" }));
    EXPECT_EQ (db.rows ("SELECT id,artikel FROM postavka ORDER BY id"), sa ({ "1|" + made, "2|22" }));

    EXPECT_EQ (db.rows ("SELECT id,kvaliteta,active FROM tipizacija"), sa ({ "1|2|1" }));
    const auto red = db.value (u8 ("SELECT id FROM sorta WHERE sorta='Rde\xc4\x8d" "e'"));
    EXPECT_EQ (db.rows ("SELECT id,active,tip,barva FROM sorta WHERE id IN (7," + red + ") ORDER BY id"),
               sa ({ "7|1|1|16777011", red + "|1|0|13369344" }));
    auto& s = db.settings().user();
    EXPECT_EQ (s.getIntValue ("belo_brez_oznake_id"), 7);
    EXPECT_EQ (s.getValue ("belo_brez_oznake_sorta"), "Belo");
    EXPECT_EQ (s.getIntValue ("rdece_brez_oznake_id"), red.getIntValue());
    EXPECT_EQ (s.getValue ("rdece_brez_oznake_sorta"), u8 ("Rde\xc4\x8d" "e"));
    EXPECT_EQ (db.rows ("SELECT id,vinogradnik,gerkpid,drzava,active FROM parcela"), sa ({ "1|40|G1|185|1" }));

    EXPECT_TRUE (db.value ("SELECT sql FROM sqlite_master WHERE name='posoda'").contains ("`oznaka` varchar(128)"));
    EXPECT_EQ (db.rows ("SELECT id,obresti,stroski FROM opomin"), sa ({ "1|0.0|2.5" }));
    EXPECT_EQ (db.rows ("SELECT id,glavna,smer,volumen FROM pretok ORDER BY id"), sa ({ "1|40|1|100.0", "2|40|-1|30.0" }));
    EXPECT_EQ (db.rows ("SELECT id,active FROM opravilo WHERE id IN (17,19,20,24,37) ORDER BY id"),
               sa ({ "17|0", "19|0", "20|1", "24|0", "37|1" }));
    EXPECT_EQ (db.value ("SELECT count(*) FROM sqlite_master WHERE name='prepakiranje'"), "1");

    // The journal: booking people become parties, invoice entries take their invoice's date
    // (all of an operation type or none: type 14 has an entry without an invoice).
    EXPECT_EQ (db.rows ("SELECT id,hostname,address,active FROM host"), sa ({ "1|neznan|0.0.0.0|0" }));
    const auto micka = db.value ("SELECT id FROM stranka WHERE ime='Micka'");
    EXPECT_EQ (db.rows ("SELECT dolgoime,drzava,tipdavka,tipstranke,active FROM stranka WHERE id=" + micka), sa ({ "Micka|185|0|1|0" }));
    EXPECT_EQ (db.value ("SELECT count(*) FROM stranka WHERE ime='' AND active=0"), "1");
    EXPECT_EQ (db.rows ("SELECT id,opravilo,datum,dt,stranka,host FROM glavna ORDER BY id"),
               sa ({ "40|6|2018-01-01 00:00:00|2018-01-01 00:00:00|40|1",
                                    "50|14|2018-03-05 00:00:00|2018-03-05 00:00:00|" + micka + "|1",
                                    "51|21|2018-04-05 00:00:00|2018-04-06 00:00:00|" + micka + "|1",
                                    "52|35|2018-05-01 00:00:00|2018-05-01 00:00:00|1|1",
                                    "53|14|2018-06-01 00:00:00|2018-06-01 00:00:00|1|1" }));
    EXPECT_EQ (run.getFailedStatements() - failedBefore, 1);
    EXPECT_EQ (db.value ("SELECT count(*) FROM sqlite_master WHERE name LIKE '%tmp'"), "0");
}
