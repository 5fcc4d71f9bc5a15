#include "app/DatabaseStartupChecks.h"
#include "core/Globals.h"
#include "partners/OwnCompany.h"
#include "support/ChosenFile.h"
#include "db/SQLtoXml.h"
#include "partners/StrankaRecord.h"
#include "support/ScriptedAnswerer.h"
#include "support/TestSupport.h"
#include "support/UpgradeTestSupport.h"

#include <gtest/gtest.h>

using Outcome = DatabaseStartupChecks::Outcome;
using juce::String;

namespace
{
class StartupChecks : public ::testing::Test
{
public:
    void SetUp() override
    {
        // Parties (beside the shipped party 1), premises and registers the checks look for; a
        // register belongs to a premise.
        run ("INSERT INTO stranka (id, ime, dolgoime, drzava, davcna, tipstranke) VALUES"
             " (2, 'Klet d.o.o.', 'Klet d.o.o., Ljubljana', 185, 'SI12345678', 2),"
             " (3, 'Ana', 'Ana Novak', 185, 'SI87654321', 1), (4, 'Kupec', '', 185, '', 4),"
             " (5, 'Bojan', 'Bojan Kos', 185, 'HR-99', 1)");
        run ("INSERT INTO fubprem (id, oznakapp) VALUES (1, 'PP1'), (2, 'PP2')");
        run ("INSERT INTO blagajna (id, oznaka, prostor) VALUES (1, 'B1', 1), (2, 'B2', 2)");
        settings().setValue ("uporabnik:id", 3);
        settings().setValue ("oznakapp.id", 1);
        settings().setValue ("blagajnaid", 1);
        settings().setValue ("b_podjetje", 2);
        getPodjetje() = StrankaRecord();
    }

    void run (const String& sql)
    {
        SQLtoXml q;
        ASSERT_TRUE (q.sqlQueryNA (sql)) << q.lastError;
    }

    juce::PropertiesFile& settings() { return db.settings().user(); }

    /** The texts of every box shown so far, in order. */
    juce::StringArray shown() const
    {
        juce::StringArray texts;
        for (auto& q : answers.asked)
            texts.add (q.message);
        return texts;
    }

    vtest::FreshDatabase db;
    vtest::ScriptedAnswerer answers;
    dbtest::ChosenFile chooser { juce::File() };
};
} // namespace

TEST_F (StartupChecks, ACurrentDatabaseWithValidSettingsShowsNothing)
{
    EXPECT_EQ (DatabaseStartupChecks::run(), Outcome::goOn);
    EXPECT_TRUE (answers.asked.empty()) << shown().joinIntoString (" | ");
    EXPECT_TRUE (answers.progressTitles.isEmpty());
    EXPECT_EQ (settings().getIntValue ("dbversion"), 37);
    EXPECT_EQ (settings().getValue ("uporabnik"), "Ana");
    EXPECT_EQ (settings().getValue ("uporabnikdolgoime"), "Ana Novak");
    EXPECT_EQ (settings().getValue ("uporabnik:tax"), "87654321");
    EXPECT_EQ (settings().getValue ("oznakapp"), "PP1");
    EXPECT_EQ (settings().getValue ("blagajna"), "B1");
    EXPECT_EQ (getPodjetje().id, 2);
    EXPECT_EQ (getPodjetje().ime, "Klet d.o.o.");
    EXPECT_EQ (getPodjetje().Drzava, "SI");
    EXPECT_FALSE (SqlitetoXml::isConnected()); // the block's query object has closed it
}

TEST_F (StartupChecks, AFileWithoutTheJournalEndsTheProgramAndForgetsTheFile)
{
    const auto other = db.settings().folder().file ("other program.db");
    {
        juce::FileOutputStream out (other);
    }
    settings().setValue ("dbfilename", other.getFullPathName());
    EXPECT_EQ (DatabaseStartupChecks::run(), Outcome::quit);
    EXPECT_EQ (shown(), juce::StringArray ({ "ERROR.MAIN.001" }));
    EXPECT_EQ (answers.asked[0].title, "Napaka");
    EXPECT_EQ (answers.asked[0].icon, vindoro::kIconWarning);
    EXPECT_EQ (settings().getValue ("dbfilename"), "");
}

// Versions the program cannot use end it before anything is changed; 0 and below are turned
// down like the versions without an upgrade path, never run as an upgrade.
TEST_F (StartupChecks, UnusableVersionsEndTheProgramWithoutTouchingTheDatabase)
{
    struct Case { const char* setting; const char* box; };
    const Case cases[] = {
        { "UPDATE settings SET val_i=38 WHERE ime='dbversion'", "ERROR.MAIN.006" },
        { "UPDATE settings SET val_i=0 WHERE ime='dbversion'", "ERROR.MAIN.004" },
        { "UPDATE settings SET val_i=-3 WHERE ime='dbversion'", "ERROR.MAIN.004" },
        { "UPDATE settings SET val_i=NULL WHERE ime='dbversion'", "ERROR.MAIN.004" },
        { "DELETE FROM settings WHERE ime='dbversion'", "ERROR.MAIN.004" },
    };
    for (auto& c : cases)
    {
        SCOPED_TRACE (c.setting);
        run (c.setting);
        const auto before = vtest::bytesOf (db.file());
        answers.asked.clear();
        EXPECT_EQ (DatabaseStartupChecks::run(), Outcome::quit);
        EXPECT_EQ (shown(), juce::StringArray ({ c.box }));
        EXPECT_TRUE (answers.progressTitles.isEmpty());
        EXPECT_TRUE (chooser.asked.isEmpty());
        EXPECT_EQ (vtest::bytesOf (db.file()), before);
        run ("DELETE FROM settings WHERE ime='dbversion'");
        run ("INSERT INTO settings (ime, val_s, val_i) VALUES ('dbversion', '', 37)");
    }
}

TEST_F (StartupChecks, AMissingMaintenanceRowIsAddedAndMaintenanceRunsAfterABackupOffer)
{
    run ("DELETE FROM settings WHERE ime='dbmanteinance'");
    chooser.file = db.settings().folder().file ("before maintenance");
    EXPECT_EQ (DatabaseStartupChecks::run(), Outcome::goOn);
    ASSERT_GE (answers.asked.size(), 2u);
    EXPECT_EQ (answers.asked[0].title, "Database manteinance");
    EXPECT_EQ (answers.asked[0].message, "ERROR.MAIN.005");
    EXPECT_EQ (chooser.asked, juce::StringArray ({ "save|Choose a file to save...|*.db;" }));
    EXPECT_TRUE (db.settings().folder().file ("before maintenance.db").existsAsFile());
    EXPECT_EQ (answers.asked[1].message, "Database backuped to " + db.settings().folder().file ("before maintenance.db").getFullPathName());
    EXPECT_EQ (answers.progressTitles, juce::StringArray ({ "Database manteinance" }));

    SQLtoXml q;
    EXPECT_EQ (q.sqlQueryString ("SELECT COUNT(*) FROM settings WHERE ime='dbmanteinance'"), "1");
}

// After the upgrade runner the version is read again: an old schema never gets the main window.
TEST_F (StartupChecks, AnUpgradeThatDidNotReachTheCurrentVersionEndsTheProgram)
{
    run ("UPDATE settings SET val_i=20 WHERE ime='dbversion'");
    run ("UPDATE settings SET val_i=1 WHERE ime='dbmanteinance'");
    answers.cancelProgressAfter (0);
    EXPECT_EQ (DatabaseStartupChecks::run(), Outcome::quit);
    ASSERT_FALSE (answers.asked.empty());
    EXPECT_EQ (answers.asked.front().title, "Database update");
    EXPECT_EQ (answers.asked.front().message, "ERROR.MAIN.005");
    EXPECT_EQ (chooser.asked.size(), 1); // the backup offer, cancelled
    EXPECT_EQ (answers.progressTitles, juce::StringArray ({ "Database update" })); // no maintenance run
    EXPECT_EQ (shown()[shown().size() - 1], "The database was not brought up to date. The program will close.");
    EXPECT_FALSE (shown().contains ("ERROR.MAIN.003"));
}

TEST_F (StartupChecks, AfterTheRunnerRefusesTheDatabaseNothingMoreRuns)
{
    run ("UPDATE settings SET val_i=6 WHERE ime='dbversion'");
    run ("UPDATE settings SET val_i=0 WHERE ime='dbmanteinance'");
    EXPECT_EQ (DatabaseStartupChecks::run(), Outcome::quit);
    EXPECT_EQ (answers.progressTitles, juce::StringArray ({ "Database update" }));
    EXPECT_EQ (shown(), juce::StringArray ({ "ERROR.MAIN.005", "ERROR.MAIN.004" }));
}

TEST_F (StartupChecks, UserPremiseRegisterAndCompanyWarnings)
{
    struct Case
    {
        const char* name;
        std::function<void (StartupChecks&)> arrange;
        juce::StringArray boxes;
        const char* user;
    };
    const Case cases[] = {
        { "a stored id without the user bit takes the user with the highest id",
          [] (StartupChecks& t) { t.settings().setValue ("uporabnik:id", 4); }, {}, "Bojan" },
        { "no user at all warns and keeps the stored name",
          [] (StartupChecks& t) {
              t.run ("UPDATE stranka SET tipstranke = tipstranke & ~1");
              t.settings().setValue ("uporabnik", "Prejsnji");
          },
          { "ERROR.MAIN.003" }, "Prejsnji" },
        { "an unknown premise warns once, without looking at the register",
          [] (StartupChecks& t) {
              t.settings().setValue ("oznakapp.id", 9);
              t.settings().setValue ("blagajnaid", 9);
          },
          { "ERROR.MAIN.002" }, "Ana" },
        { "a register of another premise",
          [] (StartupChecks& t) { t.settings().setValue ("blagajnaid", 2); }, { "ERROR.MAIN.007" }, "Ana" },
        { "company id 1 is never the company",
          [] (StartupChecks& t) { t.settings().setValue ("b_podjetje", 1); }, { "ERROR.MAIN.008" }, "Ana" },
        { "a company id naming no active party",
          [] (StartupChecks& t) { t.settings().setValue ("b_podjetje", 77); }, { "ERROR.MAIN.008" }, "Ana" },
    };
    bool first = true;
    for (auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        if (! first)
        {
            SqlitetoXml::disconnect();
            vtest::shippedDatabase().copyFileTo (db.file());
            SetUp();
        }
        first = false;
        answers.asked.clear();
        c.arrange (*this);
        EXPECT_EQ (DatabaseStartupChecks::run(), Outcome::goOn);
        EXPECT_EQ (shown(), c.boxes);
        EXPECT_EQ (settings().getValue ("uporabnik"), c.user);
    }
}

// An old database brought all the way through start-up: the announcement, a backup of the old
// file, the schema run and the maintenance run without a second offer, then the checks of the
// user, premise and company go on against the upgraded file.
TEST (StartupChecksUpgrade, AnOldDatabaseIsBackedUpUpgradedMaintainedAndStartUpGoesOn)
{
    vtest::UpgradeDb db ({ "v7-schema.sql" }, "INSERT INTO glavna(id,opravilo,datum,vindor) VALUES (5,6,'2016-03-01 10:00:00','Janez');");
    auto& settings = db.settings().user();
    settings.setValue ("resourcespath", vtest::resourcesFolder().getFullPathName());
    vtest::ScriptedAnswerer answers;
    vtest::TempFolder backups;
    dbtest::ChosenFile chooser { backups.file ("before update") };
    getPodjetje() = StrankaRecord();

    EXPECT_EQ (DatabaseStartupChecks::run(), Outcome::goOn);

    const auto copy = backups.file ("before update.db");
    juce::StringArray texts;
    for (auto& q : answers.asked)
        texts.add (q.title + ": " + q.message);
    EXPECT_EQ (texts, juce::StringArray ("Database update: ERROR.MAIN.005",
                                         "Database backup: Database backuped to " + copy.getFullPathName(),
                                         "Database update: Database update successful",
                                         "Database manteinance: Database manteinance successful",
                                         "Napaka: ERROR.MAIN.002", "Napaka: ERROR.MAIN.008"));
    EXPECT_EQ (chooser.asked.size(), 1);
    EXPECT_EQ (answers.progressTitles, juce::StringArray ({ "Database update", "Database manteinance" }));
    EXPECT_EQ (settings.getIntValue ("dbversion"), 37);
    // The booking person of the old journal became a user party, now the current user.
    EXPECT_EQ (settings.getValue ("uporabnik"), "Janez");
    EXPECT_FALSE (SqlitetoXml::isConnected());

    EXPECT_EQ (db.version(), 37);
    EXPECT_EQ (db.level(), 3);
    EXPECT_EQ (db.value ("SELECT count(*) FROM posta"), db.value ("SELECT count(*) FROM posta WHERE drzava=185"));
    EXPECT_GT (db.value ("SELECT count(*) FROM posta").getIntValue(), 500);
    EXPECT_EQ (db.value ("SELECT stranka FROM glavna WHERE id=5"), db.value ("SELECT id FROM stranka WHERE ime='Janez'"));

    // The copy is the database as it was before anything changed.
    vtest::UpgradeDb before (copy);
    EXPECT_EQ (before.version(), 7);
    EXPECT_EQ (before.value ("SELECT count(*) FROM sqlite_master WHERE name='bizpisek'"), "0");
}

// The shipped database as a new installation finds it: its placeholder party is neither a user nor
// the company, so the three warnings tell the user what still has to be set up.
TEST (StartupChecksNewInstallation, TheShippedDatabaseWarnsAboutUserPremiseAndCompany)
{
    vtest::FreshDatabase db;
    vtest::ScriptedAnswerer answers;
    getPodjetje() = StrankaRecord();
    EXPECT_EQ (DatabaseStartupChecks::run(), Outcome::goOn);
    juce::StringArray texts;
    for (auto& q : answers.asked)
        texts.add (q.message);
    EXPECT_EQ (texts, juce::StringArray ({ "ERROR.MAIN.003", "ERROR.MAIN.002", "ERROR.MAIN.008" }));
    EXPECT_TRUE (answers.progressTitles.isEmpty());
    EXPECT_FALSE (db.settings().user().containsKey ("uporabnik:id"));

    // The varieties for wine without a label are the shipped white and red rows, not one id for both.
    auto& s = db.settings().user();
    EXPECT_EQ (s.getIntValue ("belo_brez_oznake_id"), 1);
    EXPECT_EQ (s.getValue ("belo_brez_oznake_sorta"), "Belo");
    EXPECT_EQ (s.getIntValue ("rdece_brez_oznake_id"), 2);
    EXPECT_EQ (s.getValue ("rdece_brez_oznake_sorta"), juce::String::fromUTF8 ("Rde\xc4\x8d" "e"));

    // Settings the user or an upgrade has made stay as they are.
    s.setValue ("belo_brez_oznake_id", 7);
    s.removeValue ("rdece_brez_oznake_id");
    answers.asked.clear();
    EXPECT_EQ (DatabaseStartupChecks::run(), Outcome::goOn);
    EXPECT_EQ (s.getIntValue ("belo_brez_oznake_id"), 7);
    EXPECT_EQ (s.getIntValue ("rdece_brez_oznake_id"), 2);
}
