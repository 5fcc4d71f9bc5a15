// The upgrade runner without a window: the path from each stored version, progress and stop
// requests, failed statements counted, a failing rebuild stopping the run, the table rebuild
// forms, and a version-7 database brought to 37 with the shipped schema.
#include "support/UpgradeTestSupport.h"

#include "db/SchemaStep.h"
#include "db/SchemaSteps.h"
#include "db/SqlitetoXml.h"
#include "db/UpgradeChain.h"
#include "db/UpgradeJournal.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <random>

using vindoro::UpgradeChain;
using vindoro::UpgradeRun;

namespace
{
std::vector<int> range (int from, int to)
{
    std::vector<int> v;
    for (int i = from; i < to; ++i)
        v.push_back (i);
    return v;
}

struct Recorded
{
    std::vector<double> progress;
    juce::StringArray status;
    int stopAfterCalls = -1;   // shouldStop turns true from this call on (counted from 1)
    int stopCalls = 0;
};

UpgradeRun recordingRun (Recorded& r)
{
    vindoro::UpgradeHooks hooks;
    hooks.setProgress = [&r] (double p) { r.progress.push_back (p); };
    hooks.setStatus = [&r] (const juce::String& s) { r.status.add (s); };
    hooks.shouldStop = [&r] { ++r.stopCalls; return r.stopAfterCalls > 0 && r.stopCalls >= r.stopAfterCalls; };
    return UpgradeRun (hooks);
}
} // namespace

TEST (UpgradeChainPlan, PathFromEachStoredVersion)
{
    struct Case { int start; std::vector<int> steps; bool refuse; };
    const Case cases[] = {
        { 37, {}, false },  { 40, {}, false },         { 36, { 36 }, false },
        { 7, range (7, 37), false },                  { 3, { 3, 4, 5 }, true },
        { 2, { 2, 3, 4, 5 }, true },                  { 5, { 5 }, true },
        { 6, {}, true },    { 1, {}, true },
        { 0, {}, true },    { -3, {}, true },          // stored versions below 1 are refused as well
    };
    for (auto& c : cases)
    {
        const auto plan = UpgradeChain::planSchema (c.start);
        EXPECT_EQ (plan.steps, c.steps) << "start " << c.start;
        EXPECT_EQ (plan.refuse, c.refuse) << "start " << c.start;
        for (int from : plan.steps)
            EXPECT_NE (vindoro::SchemaSteps::stepFrom (from), nullptr) << from;
    }
    EXPECT_EQ (vindoro::SchemaSteps::stepFrom (6), nullptr);
    EXPECT_EQ (UpgradeChain::planMaintenance (0), (std::vector<int> { 0, 1, 2 }));
    EXPECT_EQ (UpgradeChain::planMaintenance (1), (std::vector<int> { 1, 2 }));
    EXPECT_TRUE (UpgradeChain::planMaintenance (3).empty());
    EXPECT_TRUE (UpgradeChain::planMaintenance (-1).empty());
}

TEST (UpgradeChainRun, CurrentVersionRunsNoStepAndFinishes)
{
    vtest::UpgradeDb db (vtest::shippedDatabase());
    Recorded r;
    auto run = recordingRun (r);
    const auto result = UpgradeChain::runSchema (37, run);
    EXPECT_EQ (result.outcome, UpgradeChain::Outcome::completed);
    EXPECT_EQ (result.stepsRun, 0);
    ASSERT_EQ (r.status.size(), 2);
    EXPECT_EQ (r.status[0], "Preparing for Database update from version 37 to version 37");
    EXPECT_EQ (r.status[1], "Finishing database update");
    EXPECT_EQ (db.version(), 37);
}

TEST (UpgradeChainRun, RefusedVersionWritesNothing)
{
    for (int stored : { 6, 1, 0 })
    {
        vtest::UpgradeDb db ({ "v7-schema.sql" }, "UPDATE settings SET val_i=" + juce::String (stored) + " WHERE ime='dbversion';");
        UpgradeRun run;
        const auto result = UpgradeChain::runSchema (stored, run);
        EXPECT_EQ (result.outcome, UpgradeChain::Outcome::refused) << stored;
        EXPECT_EQ (result.stepsRun, 0);
        EXPECT_EQ (db.version(), stored);
    }
}

TEST (UpgradeChainRun, VersionsTwoToFiveReachSixThenRefuse)
{
    vtest::UpgradeDb db ({ "v2-schema.sql", "v2-coderows.sql" }, "UPDATE settings SET val_i=3 WHERE ime='dbversion';");
    UpgradeRun run;
    const auto result = UpgradeChain::runSchema (3, run);
    EXPECT_EQ (result.outcome, UpgradeChain::Outcome::refused);
    EXPECT_EQ (result.stepsRun, 3);
    EXPECT_EQ (db.version(), 6);
}

TEST (UpgradeChainRun, ProgressCountsStepsAndCancelTakesEffectBetweenSteps)
{
    {
        vtest::UpgradeDb db ({ "v7-schema.sql" });
        Recorded r;
        auto run = recordingRun (r);
        const auto result = UpgradeChain::runSchema (7, run);
        EXPECT_EQ (result.outcome, UpgradeChain::Outcome::completed);
        EXPECT_EQ (result.stepsRun, 30);
        EXPECT_EQ (result.failedStatements, 0);
        EXPECT_EQ (db.version(), 37);
        ASSERT_EQ (r.progress.size(), 33u);   // -1, 0, 30 steps, -1
        EXPECT_DOUBLE_EQ (r.progress[0], -1.0);
        EXPECT_DOUBLE_EQ (r.progress[1], 0.0);
        EXPECT_DOUBLE_EQ (r.progress[2], 1.0 / 30.0);
        EXPECT_DOUBLE_EQ (r.progress[31], 1.0);
        EXPECT_DOUBLE_EQ (r.progress[32], -1.0);
    }
    {
        // The first test is the one after the opening wait; the stop comes during step 12 to 13.
        vtest::UpgradeDb db ({ "v7-schema.sql" });
        Recorded r;
        r.stopAfterCalls = 7;
        auto run = recordingRun (r);
        const auto result = UpgradeChain::runSchema (7, run);
        EXPECT_EQ (result.outcome, UpgradeChain::Outcome::cancelled);
        EXPECT_EQ (result.stepsRun, 6);
        EXPECT_EQ (db.version(), 13);
    }
    {
        vtest::UpgradeDb db ({ "v7-schema.sql" });
        Recorded r;
        r.stopAfterCalls = 1;   // during the opening wait
        auto run = recordingRun (r);
        EXPECT_EQ (UpgradeChain::runSchema (7, run).outcome, UpgradeChain::Outcome::cancelled);
        EXPECT_EQ (db.version(), 7);
    }
}

TEST (UpgradeChainRun, FailedStatementsAreCountedAndTheVersionStillMoves)
{
    vtest::UpgradeDb db ({ "v7-schema.sql" });
    UpgradeRun run;
    for (int v = 7; v < 22; ++v)
        vindoro::SchemaSteps::stepFrom (v) (run);
    ASSERT_EQ (run.getFailedStatements(), 0);
    // The column this step adds is there already: its ALTER fails, the step goes on.
    ASSERT_TRUE (db.exec ("ALTER TABLE racun ADD COLUMN `metoda` integer DEFAULT '1'; UPDATE settings SET val_i=22 WHERE ime='dbversion';"));
    vtest::LogCapture log;
    const auto result = UpgradeChain::runSchema (22, run);
    EXPECT_EQ (result.outcome, UpgradeChain::Outcome::completed);
    EXPECT_EQ (result.failedStatements, 1);
    EXPECT_TRUE (log.contains ("duplicate column name: metoda"));
    EXPECT_EQ (db.version(), 37);
}

TEST (UpgradeChainRun, StepTwentyToTwentyOneIsQuietWhenTheTableExists)
{
    vtest::UpgradeDb db ({ "v7-schema.sql" });
    UpgradeRun run;
    for (int v = 7; v < 21; ++v)
        vindoro::SchemaSteps::stepFrom (v) (run);
    EXPECT_EQ (run.getFailedStatements(), 0);
    EXPECT_EQ (db.version(), 21);
    ASSERT_TRUE (db.exec ("DROP TABLE zakljucek; UPDATE settings SET val_i=20 WHERE ime='dbversion';"));
    vindoro::SchemaSteps::update_from_20_to_21 (run);
    EXPECT_EQ (db.value ("SELECT count(*) FROM sqlite_master WHERE name='zakljucek'"), "1");
}

TEST (UpgradeChainRun, FailingRebuildPutsTheTableBackAndStopsTheRun)
{
    vtest::UpgradeDb db ({ "v7-schema.sql" });
    UpgradeRun run;
    for (int v = 7; v < 35; ++v)
        vindoro::SchemaSteps::stepFrom (v) (run);
    // An entry without a date cannot enter the new journal, whose date is required.
    ASSERT_TRUE (db.exec ("DROP TABLE glavna; CREATE TABLE `glavna` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, "
                          "`opravilo` integer NOT NULL, `datum` datetime, `opomba` text, `vindor` varchar(64) DEFAULT NULL);"
                          "INSERT INTO glavna(id,opravilo,datum,vindor) VALUES (1,6,'2018-01-01 00:00:00','Ana'),(2,6,NULL,'Ana');"
                          "UPDATE settings SET val_i=35 WHERE ime='dbversion';"));
    const auto before = db.value ("SELECT sql FROM sqlite_master WHERE name='glavna'");   // not even its quoting changes
    const auto result = UpgradeChain::runSchema (35, run);
    EXPECT_EQ (result.outcome, UpgradeChain::Outcome::stopped);
    EXPECT_EQ (result.stepsRun, 2);
    EXPECT_TRUE (result.reason.contains ("glavna")) << result.reason;
    EXPECT_EQ (db.version(), 36);
    EXPECT_EQ (db.value ("SELECT count(*) FROM glavna"), "2");
    EXPECT_EQ (db.value ("SELECT sql FROM sqlite_master WHERE name='glavna'"), before);
    EXPECT_EQ (db.value ("SELECT count(*) FROM sqlite_master WHERE name='glavnatmp'"), "0");
}

TEST (UpgradeChainRun, MaintenanceStoppedInItsFirstStepWritesNoLevel)
{
    vtest::UpgradeDb db (vtest::shippedDatabase());
    ASSERT_TRUE (db.exec ("UPDATE settings SET val_i=0 WHERE ime='dbmanteinance'; UPDATE sorta SET barva=16777011 WHERE id=1;"));
    Recorded r;
    r.stopAfterCalls = 2;   // the first checkpoint of step 0 to 1
    auto run = recordingRun (r);
    const auto result = UpgradeChain::runMaintenance (0, run);
    EXPECT_EQ (result.outcome, UpgradeChain::Outcome::cancelled);
    EXPECT_EQ (db.level(), 0);
    EXPECT_EQ (db.value ("SELECT barva FROM sorta WHERE id=1"), "16777011");   // step 1 to 2 did not run

    Recorded full;
    auto again = recordingRun (full);
    EXPECT_EQ (UpgradeChain::runMaintenance (1, again).outcome, UpgradeChain::Outcome::completed);
    EXPECT_EQ (db.level(), 3);
    EXPECT_EQ (full.status[0], "Preparing for Database manteinance from version 1 to version 3");
}

// ---- Table rebuilds on a parent table and a child that refers to it.

namespace
{
const char* const kTwoTables =
    "CREATE TABLE settings (id INTEGER PRIMARY KEY AUTOINCREMENT, ime TEXT, val_s TEXT, val_i INTEGER);"
    "INSERT INTO settings (ime, val_s, val_i) VALUES ('dbversion', '', 40);"
    "CREATE TABLE `matka` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `ime` text);"
    "CREATE TABLE `hci` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `matka` integer, "
    "CONSTRAINT `hci_ibfk_1` FOREIGN KEY (`matka`) REFERENCES `matka` (`id`) ON UPDATE CASCADE);"
    "INSERT INTO matka(id,ime) VALUES (1,'a'),(2,NULL);"
    "INSERT INTO hci(id,matka) VALUES (1,1),(2,2);";
}

TEST (SchemaStepRebuild, MovingAsideKeepsOtherTablesReferences)
{
    vtest::UpgradeDb db ({}, kTwoTables);
    const auto child = db.value ("SELECT sql FROM sqlite_master WHERE name='hci'");
    UpgradeRun run;
    {
        vindoro::SchemaStep step (run, "test", 40, 41);
        EXPECT_TRUE (step.rebuildMovingAside ("matka",
                                              "CREATE TABLE `matka` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `ime` text, `nov` integer DEFAULT '7')",
                                              "INSERT INTO matka(id,ime) SELECT t.id,t.ime FROM matkatmp AS t"));
    }
    EXPECT_EQ (db.version(), 41);
    EXPECT_EQ (db.value ("SELECT sql FROM sqlite_master WHERE name='hci'"), child);
    EXPECT_TRUE (db.rows ("PRAGMA foreign_key_check").isEmpty());
    EXPECT_EQ (db.rows ("SELECT id,ime,nov FROM matka"), juce::StringArray ({ "1|a|7", "2|<null>|7" }));
    EXPECT_EQ (db.value ("SELECT count(*) FROM sqlite_master WHERE name='matkatmp'"), "0");
    EXPECT_FALSE (run.isAborted());
}

TEST (SchemaStepRebuild, MovingAsideWhoseCopyFailsLeavesTheTableAsItWas)
{
    vtest::UpgradeDb db ({}, kTwoTables);
    const auto parent = db.value ("SELECT sql FROM sqlite_master WHERE name='matka'");   // not even its quoting changes
    UpgradeRun run;
    {
        vindoro::SchemaStep step (run, "test", 40, 41);
        EXPECT_FALSE (step.rebuildMovingAside ("matka", "CREATE TABLE `matka` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `ime` text NOT NULL)",
                                               "INSERT INTO matka(id,ime) SELECT t.id,t.ime FROM matkatmp AS t"));
        EXPECT_FALSE (step.exec ("UPDATE matka SET ime='x'"));   // nothing more runs in a stopped run
    }
    EXPECT_TRUE (run.isAborted());
    EXPECT_EQ (db.version(), 40);
    EXPECT_EQ (db.value ("SELECT sql FROM sqlite_master WHERE name='matka'"), parent);
    EXPECT_EQ (db.rows ("SELECT id,IFNULL(ime,'-') FROM matka"), juce::StringArray ({ "1|a", "2|-" }));
    EXPECT_EQ (db.value ("SELECT count(*) FROM sqlite_master WHERE name='matkatmp'"), "0");
    EXPECT_TRUE (db.rows ("PRAGMA foreign_key_check").isEmpty());
}

TEST (SchemaStepRebuild, NewTableThenSwapAndTextFromTheDatabase)
{
    // Form A with the CREATE text edited (parcels of growers, step 2 to 3) and with a fixed text
    // (vessels, step 4 to 5); other tables that refer to them keep naming them.
    vtest::UpgradeDb db ({ "v2-schema.sql", "v2-coderows.sql", "v2-data.sql" },
                         "CREATE TABLE `ref` (`id` integer PRIMARY KEY, `parcela` integer REFERENCES `parcela` (`id`), `posoda` integer REFERENCES `posoda` (`id`));");
    const auto ref = db.value ("SELECT sql FROM sqlite_master WHERE name='ref'");
    UpgradeRun run;
    vindoro::SchemaSteps::update_from_2_to_3 (run);
    vindoro::SchemaSteps::update_from_3_to_4 (run);
    vindoro::SchemaSteps::update_from_4_to_5 (run);
    EXPECT_EQ (db.value ("SELECT sql FROM sqlite_master WHERE name='parcela'"),
               "CREATE TABLE \"parcela\" (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `ime` varchar(35) NOT NULL, "
               "`vinogradnik` integer DEFAULT NULL, `active` integer NOT NULL DEFAULT '1', CONSTRAINT `parcela_ibfk_1` "
               "FOREIGN KEY (`vinogradnik`) REFERENCES `stranka` (`id`) ON UPDATE CASCADE)");
    EXPECT_EQ (db.value ("SELECT count(*) FROM sqlite_master WHERE name IN ('vinogradnik','parcela_nova','posoda_nova')"), "0");
    EXPECT_EQ (db.value ("SELECT sql FROM sqlite_master WHERE name='ref'"), ref);
    EXPECT_EQ (db.version(), 5);
}

TEST (UpgradeChainShippedSchema, VersionSevenUpgradedHasTheShippedTablesAndColumns)
{
    vtest::TempFolder resources;
    resources.file ("update17.dat").replaceWithText ("INSERT INTO posta(stevilka,ime,drzava,active) VALUES('1000','Ljubljana',185,1)\n");
    vtest::UpgradeDb db ({ "v7-schema.sql" });
    db.settings().user().setValue ("resourcespath", resources.get().getFullPathName());
    UpgradeRun run;
    const auto result = UpgradeChain::runSchema (7, run);
    ASSERT_EQ (result.outcome, UpgradeChain::Outcome::completed);
    EXPECT_EQ (result.failedStatements, 0);
    EXPECT_EQ (UpgradeChain::runMaintenance (0, run).outcome, UpgradeChain::Outcome::completed);
    SqlitetoXml::disconnect();

    EXPECT_EQ (vtest::describeSchema (db.file()), vtest::describeSchema (vtest::shippedDatabase()));
    EXPECT_EQ (vtest::createTexts (db.file()), vtest::createTexts (vtest::shippedDatabase()));
    vtest::UpgradeDb shipped (vtest::shippedDatabase());
    const char* const countries = "SELECT id,ime,kratica,eu,active FROM drzava ORDER BY id";
    EXPECT_EQ (db.rows (countries), shipped.rows (countries));
    EXPECT_EQ (db.version(), 37);
    EXPECT_EQ (db.level(), 3);
}

TEST (UpgradeChainShippedSchema, ShippedCodeRowsAreTheChainsRows)
{
    vtest::UpgradeDb shipped (vtest::shippedDatabase());
    EXPECT_EQ (shipped.rows ("SELECT id,stopnja,tip,active FROM ddv ORDER BY id"),
               juce::StringArray ({ "1|20.0|1|0", "3|9.5|2|1", "4|8.0|3|1", "5|0.0|5|1", "6|0.0|6|1", "7|22.0|1|1",
                                    "9|8.5|2|0", "10|0.0|5|0", "11|0.0|6|1", "12|0.0|7|1" }));
    EXPECT_EQ (shipped.rows ("SELECT id FROM opravilo WHERE id>=28 ORDER BY id"),
               juce::StringArray ({ "28", "29", "30", "31", "32", "33", "34", "35", "36", "37" }));
    EXPECT_EQ (shipped.rows ("SELECT id,hostname,active FROM host"), juce::StringArray ({ "1|neznan|0" }));
    EXPECT_EQ (shipped.value (juce::String::fromUTF8 ("SELECT count(*) FROM sorta WHERE sorta IN ('Belo','Rde\xc4\x8d" "e')")), "2");
    EXPECT_EQ (shipped.value ("SELECT barva FROM sorta WHERE sorta='Belo'"), "3407871");   // stored after maintenance
}

// What a new installation starts from must hold together: every reference of a shipped row names a
// row that is shipped too, whatever order the files insert them in.
TEST (UpgradeChainShippedSchema, EveryShippedReferenceNamesAShippedRow)
{
    juce::String sql ("PRAGMA foreign_keys=ON;BEGIN;PRAGMA defer_foreign_keys=ON;");
    auto files = juce::File (VINDORO_SOURCE_DIR).getChildFile ("resources/db")
                     .findChildFiles (juce::File::findFiles, false, "*.sql", juce::File::FollowSymlinks::no);
    files.sort();
    ASSERT_FALSE (files.isEmpty());
    for (const auto& f : files)
        sql << f.loadFileAsString() << "\n";
    sql << "COMMIT;";
    vtest::UpgradeDb loaded ({});
    ASSERT_TRUE (loaded.exec (sql)) << loaded.lastError;
    EXPECT_EQ (loaded.rows ("PRAGMA foreign_key_check"), juce::StringArray());

    vtest::UpgradeDb shipped (vtest::shippedDatabase());
    EXPECT_EQ (shipped.rows ("PRAGMA foreign_key_check"), juce::StringArray());
    EXPECT_EQ (shipped.value ("SELECT count(*) FROM tipizacija"), "1");
}

// The rows the defaults and placeholders name: party 1 (no user, so a new installation asks for
// one), journal entry 1, and the quality grades with the default grade 2 of a declaration.
TEST (UpgradeChainShippedSchema, PartyOneJournalEntryOneAndTheQualityGrades)
{
    vtest::UpgradeDb shipped (vtest::shippedDatabase());
    EXPECT_EQ (shipped.rows ("SELECT id,tipstranke & 1,drzava,iban,active FROM stranka"), juce::StringArray ({ "1|0|185|1|0" }));
    EXPECT_EQ (shipped.rows ("SELECT id,stranka,host FROM glavna"), juce::StringArray ({ "1|1|1" }));
    EXPECT_EQ (shipped.value ("SELECT 1+COUNT(id) FROM glavna"), "2");
    EXPECT_EQ (shipped.rows ("SELECT id FROM kvaliteta ORDER BY id"), juce::StringArray ({ "1", "2", "4" }));
    EXPECT_EQ (shipped.value ("SELECT oznaka FROM kvaliteta WHERE id=2"), "Kakovostno");
    EXPECT_EQ (shipped.rows ("SELECT glavna,sorta,kvaliteta FROM tipizacija WHERE id=1"), juce::StringArray ({ "1|1|2" }));
    // Great Britain has left the EU; the shipped register of countries must not say otherwise.
    EXPECT_EQ (shipped.value ("SELECT eu FROM drzava WHERE id=74"), "0");
}

TEST (UpgradeChainShippedSchema, UnitsKindsAndModelsOfAnUpgradedDatabaseAreTheShippedOnes)
{
    vtest::UpgradeDb db ({ "v7-schema.sql" });
    UpgradeRun run;
    ASSERT_EQ (UpgradeChain::runSchema (7, run).outcome, UpgradeChain::Outcome::completed);
    SqlitetoXml::disconnect();
    vtest::UpgradeDb shipped (vtest::shippedDatabase());
    for (auto* rows : { "SELECT id,oznaka,quantity,SI,active FROM enota ORDER BY id", "SELECT id,ime,active FROM tip ORDER BY id",
                        "SELECT id,oznaka,volumen,enota,active FROM model ORDER BY id" })
        EXPECT_EQ (db.rows (rows), shipped.rows (rows)) << rows;

    // A bottle model's litres are its volume times SI / 0.001; a bottled-wine article counts in unit 32.
    EXPECT_EQ (shipped.value ("SELECT count(*) FROM enota"), "36");
    EXPECT_EQ (shipped.rows ("SELECT id,oznaka,SI,quantity & 64 FROM enota WHERE id IN (7,32) ORDER BY id"),
               juce::StringArray ({ "7|l|0.001|64", "32|steklenica|1.0|64" }));
    EXPECT_EQ (shipped.rows ("SELECT id,ime FROM tip WHERE id IN (2,3) ORDER BY id"),
               juce::StringArray ({ "2|Vino v steklenicah", "3|Drugo blago" }));
    // Every field of the forms finds units, and only its own kinds.
    for (int mask : { 15, 4, 45, 269, 64 })
        EXPECT_NE (shipped.value ("SELECT count(*) FROM enota WHERE quantity & " + juce::String (mask)), "0") << mask;
    EXPECT_EQ (shipped.value ("SELECT group_concat(oznaka) FROM enota WHERE quantity & 32"), "vol %");
    // A new model is listed without naming `active`; the placeholder is not.
    ASSERT_TRUE (shipped.exec ("INSERT INTO model(oznaka,volumen,enota) VALUES('Bordo',0.75,7)"));
    EXPECT_EQ (shipped.rows ("SELECT oznaka FROM model WHERE active=1"), juce::StringArray ({ "Bordo" }));
    EXPECT_EQ (shipped.value ("SELECT dflt_value FROM pragma_table_info('skladisce') WHERE name='konsig'"), "'1'");
}

TEST (UpgradeChainShippedSchema, PostOfficesFileMatchesTheShippedRows)
{
    // The post offices come with the program: the file the upgrade runs holds each office once,
    // in the home country, and the shipped table holds exactly those rows in the same order.
    vtest::UpgradeDb fromFile ({}, "CREATE TABLE posta (id integer PRIMARY KEY AUTOINCREMENT, stevilka varchar(64) NOT NULL, "
                                   "ime text, drzava integer NOT NULL, active integer NOT NULL DEFAULT '1');"
                                   + vtest::resourcesFolder().getChildFile ("update17.dat").loadFileAsString().replace ("\n", ";\n"));
    EXPECT_TRUE (fromFile.lastError.isEmpty()) << fromFile.lastError;
    const auto expected = fromFile.rows ("SELECT stevilka,ime,drzava,active FROM posta ORDER BY id");
    ASSERT_GT (expected.size(), 500);
    EXPECT_EQ (fromFile.value ("SELECT count(DISTINCT stevilka) FROM posta"), juce::String (expected.size()));
    EXPECT_EQ (fromFile.value ("SELECT count(*) FROM posta WHERE drzava<>185 OR active<>1 OR ime=''"), "0");
    EXPECT_TRUE (expected.contains (juce::String::fromUTF8 ("1000|Ljubljana - dostava|185|1")));

    vtest::UpgradeDb shipped (vtest::shippedDatabase());
    EXPECT_EQ (shipped.rows ("SELECT stevilka,ime,drzava,active FROM posta ORDER BY id"), expected);
}

TEST (SchemaStepFrame, LogLinesVersionRowAndTheConnectionClosedAfterwards)
{
    vtest::UpgradeDb db ({}, juce::String (kTwoTables) + "INSERT INTO settings (ime, val_s, val_i) VALUES ('dbmanteinance', '', 0);");
    vtest::LogCapture log;
    UpgradeRun run;
    {
        vindoro::SchemaStep step (run, "update_from_40_to_41", 40, 41);
        EXPECT_TRUE (step.exec ("PRAGMA foreign_keys=ON"));
        EXPECT_FALSE (step.exec ("INSERT INTO nikjer VALUES (1)"));   // logged, counted, and the step goes on
        EXPECT_TRUE (step.exec ("UPDATE matka SET ime='b' WHERE id=1"));
    }
    EXPECT_FALSE (SqlitetoXml::isConnected());   // foreign-key enforcement never carries into the next step
    EXPECT_EQ (run.getFailedStatements(), 1);
    EXPECT_EQ (db.version(), 41);
    EXPECT_EQ (db.value ("SELECT ime FROM matka WHERE id=1"), "b");
    EXPECT_TRUE (log.contains ("<update_from_40_to_41> Updating database from v.40 to v.41"));
    EXPECT_TRUE (log.contains ("<update_from_40_to_41> Update finished"));
    EXPECT_TRUE (log.contains ("no such table: nikjer"));
    {
        vindoro::SchemaStep step (run, "manteinance_from_0_to_1", 0, 1, vindoro::SchemaStep::Kind::maintenance);
    }
    EXPECT_EQ (db.level(), 1);
    EXPECT_TRUE (log.contains ("<manteinance_from_0_to_1> Manteinance of database from v.0 to v.1"));
    EXPECT_TRUE (log.contains ("<manteinance_from_0_to_1> Manteinance finished"));
}

TEST (SchemaStepFrame, CreateTextsReadFromTheDatabaseAreLoggedBeforeAndAfterTheirEdits)
{
    vtest::UpgradeDb db ({ "v2-schema.sql", "v2-coderows.sql" });
    vtest::LogCapture log;
    UpgradeRun run;
    vindoro::SchemaSteps::update_from_2_to_3 (run);
    EXPECT_TRUE (log.contains ("<update_from_2_to_3> pred spreminjanjem: CREATE TABLE `parcela` ("));
    EXPECT_TRUE (log.contains ("<update_from_2_to_3> po spreminjanju: CREATE TABLE `parcela_nova` ("));
    EXPECT_TRUE (log.contains ("CONSTRAINT `parcela_ibfk_1` FOREIGN KEY (`vinogradnik`) REFERENCES `stranka` (`id`)"));
}

// ---- Steps that cannot half-apply

namespace
{
/** Every table's definition and rows, and every trigger and index: what "left as before" compares. */
juce::StringArray everything (vtest::UpgradeDb& db)
{
    juce::StringArray out = db.rows ("SELECT type, name, IFNULL(sql,'') FROM sqlite_master ORDER BY type, name");
    for (auto& table : db.rows ("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name"))
        for (auto& row : db.rows ("SELECT * FROM \"" + table + "\" ORDER BY rowid"))
            out.add (table + ": " + row);
    return out;
}

/** A trigger on `table` that fails the n-th row written by `event` with `raise`. */
juce::String faultOnNthWrite (const char* table, const char* event, int n, const char* raise)
{
    return juce::String ("CREATE TABLE IF NOT EXISTS fault (countdown INTEGER); DELETE FROM fault; INSERT INTO fault VALUES (")
           + juce::String (n) + "); CREATE TRIGGER fault_" + table + " BEFORE " + event + " ON " + table
           + " BEGIN UPDATE fault SET countdown=countdown-1; SELECT RAISE(" + raise + ",'injected fault') "
             "WHERE (SELECT countdown FROM fault)=0; END;";
}
} // namespace

TEST (UpgradeChainRun, AStepMadeToFailHalfWayLeavesTheVersionAndEveryTableAsBefore)
{
    struct Case { const char* what; juce::String fault; };
    const Case cases[] = {
        // SQLite ends the transaction itself here: the statements after it must not run on their own.
        { "the database rolls back at the first new party",  faultOnNthWrite ("stranka", "INSERT", 1, "ROLLBACK") },
        { "the database rolls back at the second new party", faultOnNthWrite ("stranka", "INSERT", 2, "ROLLBACK") },
        { "the version row cannot be written",
          "CREATE TRIGGER fault_version BEFORE UPDATE ON settings WHEN NEW.val_i=37 BEGIN SELECT RAISE(ABORT,'injected fault'); END;" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        vtest::UpgradeDb db ({ "v7-schema.sql", "v7-data.sql" });
        UpgradeRun earlier;
        for (int v = 7; v < 36; ++v)
            vindoro::SchemaSteps::stepFrom (v) (earlier);
        SqlitetoXml::disconnect();
        ASSERT_TRUE (db.exec ("INSERT INTO glavna(opravilo,datum,opomba,vindor) VALUES (6,'2018-01-01 00:00:00','a','Nova A'),"
                              "(6,'2018-01-02 00:00:00','b','Nova B');" + c.fault)) << db.lastError;
        const auto before = everything (db);

        UpgradeRun run;
        const auto result = UpgradeChain::runSchema (36, run);
        EXPECT_EQ (result.outcome, UpgradeChain::Outcome::stopped);
        EXPECT_TRUE (result.reason.contains ("injected fault")) << result.reason;
        EXPECT_FALSE (SqlitetoXml::isConnected());
        EXPECT_EQ (db.version(), 36);
        EXPECT_EQ (everything (db), before);

        // Without the fault the next start runs the step from its beginning.
        ASSERT_TRUE (db.exec ("DROP TRIGGER IF EXISTS fault_stranka; DROP TRIGGER IF EXISTS fault_version;"));
        UpgradeRun again;
        EXPECT_EQ (UpgradeChain::runSchema (36, again).outcome, UpgradeChain::Outcome::completed);
        EXPECT_EQ (db.version(), 37);
        EXPECT_EQ (db.value ("SELECT count(*) FROM stranka WHERE ime IN ('Nova A','Nova B')"), "2");
    }
}

TEST (UpgradeChainRun, AMaintenanceStepMadeToFailHalfWayLeavesTheLevelAndEveryTableAsBefore)
{
    vtest::UpgradeDb db (vtest::shippedDatabase());
    ASSERT_TRUE (db.exec (vtest::upgradeFixture ("v37-maintenance-data.sql").loadFileAsString()
                          + "UPDATE settings SET val_i=2 WHERE ime='dbmanteinance';"
                          + faultOnNthWrite ("stranka", "UPDATE", 2, "ROLLBACK"))) << db.lastError;
    const auto before = everything (db);
    UpgradeRun run;
    const auto result = UpgradeChain::runMaintenance (2, run);
    EXPECT_EQ (result.outcome, UpgradeChain::Outcome::stopped);
    EXPECT_TRUE (result.reason.contains ("injected fault")) << result.reason;
    EXPECT_EQ (db.level(), 2);
    EXPECT_EQ (everything (db), before);
}

// ---- A process killed anywhere in the chain

namespace
{
constexpr const char* kKillDbVariable = "VINDORO_KILL_TEST_DB";
constexpr const char* kKillResourcesVariable = "VINDORO_KILL_TEST_RESOURCES";

/** What start-up does with an older database: a journal mode a cut-off run left is set right,
    then the schema chain runs from the stored version and the maintenance chain from the stored level. */
void upgradeAsAtStart (UpgradeChain::Result* schemaResult = nullptr)
{
    vindoro::UpgradeJournal::restoreAfterCutOffRun();
    juce::int64 version = 0, level = 0;
    {
        SqlitetoXml q;
        version = q.sqlQueryInt ("SELECT val_i FROM settings WHERE ime='dbversion'");
        level = q.sqlQueryInt ("SELECT val_i FROM settings WHERE ime='dbmanteinance'");
    }
    UpgradeRun run;
    const auto schema = UpgradeChain::runSchema ((int) version, run);
    if (schemaResult != nullptr)
        *schemaResult = schema;
    if (schema.outcome == UpgradeChain::Outcome::completed)
        UpgradeChain::runMaintenance ((int) level, run);
    SqlitetoXml::disconnect();
}

bool isChainMark (const juce::String& line)
{
    return line.contains ("<SqlitetoXml::sqlQueryNA>") || line.contains ("<DbTransaction>") || line.contains ("<UpgradeJournal>");
}

/** Writes a mark for every statement straight to the standard output, unbuffered, so a parent
    reading it knows how far the chain has come. */
class ChainMarks : public juce::Logger
{
public:
    ChainMarks() { juce::Logger::setCurrentLogger (this); }
    ~ChainMarks() override { juce::Logger::setCurrentLogger (nullptr); }
    void logMessage (const juce::String& message) override
    {
        if (! isChainMark (message))
            return;
        const auto line = "@" + message.substring (0, 120).replaceCharacter ('\n', ' ') + "\n";
        [[maybe_unused]] auto written = ::write (1, line.toRawUTF8(), line.getNumBytesAsUTF8());
    }
};

/** This test program run again as a child on the named database, its output read through a pipe. */
class ChainChild
{
public:
    explicit ChainChild (const juce::File& database, const juce::File& resources)
    {
        setenv (kKillDbVariable, database.getFullPathName().toRawUTF8(), 1);
        setenv (kKillResourcesVariable, resources.getFullPathName().toRawUTF8(), 1);
        int fds[2];
        if (pipe (fds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init (&actions);
        posix_spawn_file_actions_adddup2 (&actions, fds[1], 1);
        posix_spawn_file_actions_addclose (&actions, fds[0]);
        posix_spawn_file_actions_addopen (&actions, 2, "/dev/null", O_WRONLY, 0);
        const auto self = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFullPathName();
        const char* argv[] = { self.toRawUTF8(), "--gtest_also_run_disabled_tests",
                               "--gtest_filter=UpgradeChainKill.DISABLED_ChildRunsTheChainOnTheNamedFile", nullptr };
        if (posix_spawn (&pid, argv[0], &actions, nullptr, const_cast<char**> (argv), environ) != 0)
            pid = -1;
        posix_spawn_file_actions_destroy (&actions);
        close (fds[1]);
        output = fds[0];
    }

    ~ChainChild()
    {
        if (pid > 0)
        {
            ::kill (pid, SIGKILL);
            waitpid (pid, nullptr, 0);
        }
        if (output >= 0)
            close (output);
    }

    bool started() const { return pid > 0 && output >= 0; }

    /** Reads until `marks` statements have been reported (then kills the child with SIGKILL and
        answers true) or the child has ended by itself (false). */
    bool killAfter (int marks)
    {
        int seen = 0;
        char buffer[256];
        bool atLineStart = true;
        for (;;)
        {
            const auto n = ::read (output, buffer, sizeof (buffer));
            if (n <= 0)
                break;
            for (ssize_t i = 0; i < n; ++i)
            {
                if (atLineStart && buffer[i] == '@' && ++seen >= marks)
                {
                    ::kill (pid, SIGKILL);
                    waitpid (pid, nullptr, 0);
                    pid = -1;
                    return true;
                }
                atLineStart = buffer[i] == '\n';
            }
        }
        waitpid (pid, nullptr, 0);
        pid = -1;
        return false;
    }

private:
    pid_t pid = -1;
    int output = -1;
};
} // namespace

// Run only as the child of the test below, which names the database in the environment.
TEST (UpgradeChainKill, DISABLED_ChildRunsTheChainOnTheNamedFile)
{
    const char* database = std::getenv (kKillDbVariable);
    const char* resources = std::getenv (kKillResourcesVariable);
    ASSERT_TRUE (database != nullptr && resources != nullptr);
    vtest::TestSettings settings;
    settings.user().setValue ("dbfilename", juce::String::fromUTF8 (database));
    settings.user().setValue ("resourcespath", juce::String::fromUTF8 (resources));
    ChainMarks marks;
    upgradeAsAtStart();
}

// One seed a test, so that each runs in its own process within the suite's time limit.
class UpgradeChainKillSeed : public ::testing::TestWithParam<unsigned>
{
};

TEST_P (UpgradeChainKillSeed, KilledAtRandomPointsTheNextStartStillReachesTheShippedSchema)
{
    const auto resources = vtest::resourcesFolder();   // the real post-office lines of step 16 to 17

    // An upgrade that nothing interrupts: how many statements it runs, and what it leaves.
    juce::StringArray reference;
    int statements = 0;
    {
        vtest::UpgradeDb db ({ "v7-schema.sql", "v7-data.sql" });
        db.settings().user().setValue ("resourcespath", resources.getFullPathName());
        vtest::LogCapture log;
        upgradeAsAtStart();
        for (auto& line : log.lines())
            statements += isChainMark (line) ? 1 : 0;
        reference = everything (db);
        ASSERT_EQ (db.version(), 37);
    }
    ASSERT_GT (statements, 500);   // the post-office lines alone are more

    const unsigned seed = GetParam();
    {
        SCOPED_TRACE ("seed " + juce::String (seed));
        std::mt19937 random (seed);
        vtest::UpgradeDb db ({ "v7-schema.sql", "v7-data.sql" });
        db.settings().user().setValue ("resourcespath", resources.getFullPathName());
        int kills = 0;
        for (int attempt = 0; attempt < 4; ++attempt)
        {
            ChainChild child (db.file(), resources);
            ASSERT_TRUE (child.started());
            if (! child.killAfter (1 + (int) (random() % (unsigned) statements)))
                break;
            ++kills;
            // Every kill leaves a sound file at a version the chain knows.
            EXPECT_EQ (db.value ("PRAGMA integrity_check"), "ok");
            const int version = db.version();
            EXPECT_TRUE (version >= 7 && version <= 37) << version;
        }

        // The next start: every step that was cut off runs again from its beginning, without a
        // failed statement, and the result is the uninterrupted upgrade's, row for row.
        UpgradeChain::Result result;
        upgradeAsAtStart (&result);
        EXPECT_EQ (result.outcome, UpgradeChain::Outcome::completed);
        EXPECT_EQ (result.failedStatements, 0);
        EXPECT_EQ (db.version(), 37);
        EXPECT_EQ (db.level(), 3);
        EXPECT_EQ (vtest::describeSchema (db.file()), vtest::describeSchema (vtest::shippedDatabase()));
        EXPECT_EQ (vtest::createTexts (db.file()), vtest::createTexts (vtest::shippedDatabase()));
        EXPECT_EQ (everything (db), reference) << kills << " kills";
        // The file is back in the rollback journal it had, its header field free again.
        EXPECT_EQ (db.value ("PRAGMA journal_mode"), "delete");
        EXPECT_EQ (db.value ("PRAGMA user_version"), "0");
    }
}

INSTANTIATE_TEST_SUITE_P (Seeds, UpgradeChainKillSeed, ::testing::Values (11u, 23u, 37u, 41u, 59u));
