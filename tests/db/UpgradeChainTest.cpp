// The upgrade runner without a window: the path from each stored version, progress and stop
// requests, failed statements counted, a failing rebuild stopping the run, the table rebuild
// forms, and a version-7 database brought to 37 with the shipped schema.
#include "db/UpgradeTestSupport.h"

#include "db/SchemaStep.h"
#include "db/SchemaSteps.h"
#include "db/SqlitetoXml.h"
#include "db/UpgradeChain.h"

#include <gtest/gtest.h>

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
    const auto before = db.value ("SELECT replace(sql,'`glavna`','\"glavna\"') FROM sqlite_master WHERE name='glavna'");
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
    const auto parent = db.value ("SELECT replace(sql,'`matka`','\"matka\"') FROM sqlite_master WHERE name='matka'");
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
               juce::StringArray ({ "28", "31", "32", "33", "34", "35", "36", "37" }));
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
