#include "db/DbFixture.h"
#include "support/ChosenFile.h"
#include "db/gui/BackupButtonPropertyComponent.h"
#include "db/gui/RestoreButtonPropertyComponent.h"
#include "support/ScriptedAnswerer.h"

using dbtest::DbFixture;

TEST_F (DbFixture, BackupRowCopiesToTheChosenFileWithTheDbExtension)
{
    vtest::ScriptedAnswerer answers;
    dbtest::ChosenFile chooser (db.settings().folder().file ("kopija.bak"));
    BackupButtonPropertyComponent row ("Database backup");
    EXPECT_EQ (row.getButtonText(), "Click for database backup");

    SQLtoXml q;
    ASSERT_TRUE (q.ensureConnected());
    vtest::LogCapture log;
    row.buttonClicked();

    const auto written = db.settings().folder().file ("kopija.db");
    EXPECT_EQ (chooser.asked, juce::StringArray ({ "save|Choose a file to save...|*.db" }));
    ASSERT_TRUE (written.existsAsFile());
    EXPECT_EQ (vtest::bytesOf (written), vtest::bytesOf (db.file()));
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].icon, vindoro::kIconInformation);
    EXPECT_EQ (answers.asked[0].title, "Database backup");
    EXPECT_EQ (answers.asked[0].message, "Database backuped to " + written.getFullPathName());

    log.clear();
    EXPECT_EQ (q.sqlQueryInt ("SELECT 1"), 1);
    EXPECT_TRUE (log.contains ("NEW CONNECTION TO DB")); // the copy was taken with the connection closed
}

TEST_F (DbFixture, BackupRowWarnsWhenTheCopyFailsAndDoesNothingWhenCancelled)
{
    vtest::ScriptedAnswerer answers;
    dbtest::ChosenFile chooser (db.settings().folder().file ("missing folder/kopija.db"));
    BackupButtonPropertyComponent row ("Database backup");
    row.buttonClicked();
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].icon, vindoro::kIconWarning);
    EXPECT_EQ (answers.asked[0].message,
               "Problems occured when storing database to " + chooser.file.getFullPathName());

    chooser.file = juce::File();
    row.buttonClicked();
    EXPECT_EQ (answers.asked.size(), 1u);
}

TEST_F (DbFixture, RestoreRowReplacesTheDatabaseOrWarnsAndLeavesItWhole)
{
    run ("INSERT INTO test_log (besedilo) VALUES ('saved')");
    const auto saved = db.settings().folder().file ("saved.db");
    ASSERT_TRUE (SqlitetoXml::backupDatabase (saved));
    run ("INSERT INTO test_log (besedilo) VALUES ('later')");

    vtest::ScriptedAnswerer answers;
    dbtest::ChosenFile chooser (saved);
    RestoreButtonPropertyComponent row ("Database restore");
    EXPECT_EQ (row.getButtonText(), "Click for database restore");
    row.buttonClicked();
    EXPECT_EQ (chooser.asked, juce::StringArray ({ "load|Choose a file to load...|*.db" }));
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].icon, vindoro::kIconInformation);
    EXPECT_EQ (answers.asked[0].title, "Database restore");
    EXPECT_EQ (answers.asked[0].message, "Database restored from " + saved.getFullPathName());
    EXPECT_EQ (peek ("SELECT group_concat(besedilo) FROM test_log"), "saved");

    const auto before = vtest::bytesOf (db.file());
    chooser.file = db.settings().folder().file ("gone.db");
    row.buttonClicked();
    ASSERT_EQ (answers.asked.size(), 2u);
    EXPECT_EQ (answers.asked[1].icon, vindoro::kIconWarning);
    EXPECT_EQ (answers.asked[1].message, "Problems occured when restoring database from " + chooser.file.getFullPathName());
    EXPECT_EQ (vtest::bytesOf (db.file()), before);
}
