// The runners' progress windows over the chain: the closing message for each way a run ends,
// the refusal with the quit request, and a picture of the window while it works.
#include "support/UpgradeTestSupport.h"

#include "db/SchemaSteps.h"
#include "db/SqlitetoXml.h"
#include "db/gui/UpdateDBMProgressThread.h"
#include "db/gui/UpdateDBProgressThread.h"
#include "db/UpgradeLog.h"
#include "support/ScriptedAnswerer.h"
#include "support/WidgetTestSupport.h"

#include <gtest/gtest.h>

namespace
{
void bringTo (vtest::UpgradeDb& db, int version)
{
    vindoro::UpgradeRun run;
    for (int v = 7; v < version; ++v)
        vindoro::SchemaSteps::stepFrom (v) (run);
    SqlitetoXml::disconnect();
    ASSERT_EQ (db.version(), version);
}
} // namespace

TEST (UpdateDBProgressThread, ClosingMessageForEachOutcome)
{
    struct Case { int version; const char* extraSql; int cancelAfterMs; int icon; const char* message; int versionAfter; };
    const Case cases[] = {
        { 36, "", -1, vindoro::kIconInformation, "Database update successful", 37 },
        { 22, "ALTER TABLE racun ADD COLUMN `metoda` integer DEFAULT '1';", -1, vindoro::kIconWarning,
          "Database update finished, but statements failed: 1", 37 },
        { 30, "", 300, vindoro::kIconWarning, "Database update cancelled", 30 },
    };
    for (auto& c : cases)
    {
        vtest::UpgradeDb db ({ "v7-schema.sql" });
        bringTo (db, c.version);
        ASSERT_TRUE (db.exec (c.extraSql));
        vtest::ScriptedAnswerer answerer;
        answerer.cancelProgressAfter (c.cancelAfterMs);
        vindoro::UpdateDBProgressThread thread (c.version);
        vindoro::runProgressWindow (thread);
        EXPECT_EQ (answerer.progressTitles, juce::StringArray ("Database update"));
        ASSERT_EQ (answerer.asked.size(), 1u) << c.version;
        EXPECT_EQ (answerer.asked[0].icon, c.icon);
        EXPECT_EQ (answerer.asked[0].title, "Database update");
        EXPECT_TRUE (answerer.asked[0].message.startsWith (c.message)) << answerer.asked[0].message;
        EXPECT_EQ (db.version(), c.versionAfter);
    }
}

TEST (UpdateDBProgressThread, RefusalAsksToQuitAndWritesNothing)
{
    vtest::UpgradeDb db ({ "v7-schema.sql" }, "UPDATE settings SET val_i=6 WHERE ime='dbversion';");
    vtest::ScriptedAnswerer answerer;
    vindoro::UpdateDBProgressThread thread (6);
    int quitRequests = 0;
    thread.onQuitRequest = [&quitRequests] { ++quitRequests; };
    vindoro::runProgressWindow (thread);
    ASSERT_EQ (answerer.asked.size(), 1u);
    EXPECT_EQ (answerer.asked[0].icon, vindoro::kIconWarning);
    EXPECT_EQ (answerer.asked[0].title, "Napaka");
    EXPECT_EQ (answerer.asked[0].message, "ERROR.MAIN.004");
    EXPECT_EQ (quitRequests, 1);
    EXPECT_EQ (thread.getResult().outcome, vindoro::UpgradeChain::Outcome::refused);
    EXPECT_EQ (db.version(), 6);
}

TEST (UpdateDBMProgressThread, MaintenanceFromLevelTwo)
{
    vtest::UpgradeDb db (vtest::shippedDatabase());
    ASSERT_TRUE (db.exec ("UPDATE settings SET val_i=2 WHERE ime='dbmanteinance';"));
    vtest::ScriptedAnswerer answerer;
    vindoro::UpdateDBMProgressThread thread (2);
    vindoro::runProgressWindow (thread);
    EXPECT_EQ (answerer.progressTitles, juce::StringArray ("Database manteinance"));
    ASSERT_EQ (answerer.asked.size(), 1u);
    EXPECT_EQ (answerer.asked[0].message, "Database manteinance successful");
    EXPECT_EQ (db.level(), 3);
}

TEST (UpdateDBProgressThread, WindowWhileItWorks)
{
    vtest::UpgradeDb db (vtest::shippedDatabase());
    vtest::ScriptedAnswerer answerer;
    vindoro::UpdateDBProgressThread thread (37);
    auto* window = thread.getAlertWindow();
    ASSERT_NE (window, nullptr);
    thread.launchThread();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (600);
    ASSERT_GT (window->getWidth(), 100);
    const auto image = window->createComponentSnapshot (window->getLocalBounds());
    wtest::writePng (image, "/tmp/vindoro-upgrade-progress.png");
    // The status text is drawn: the window is not a single flat colour.
    const auto corner = image.getPixelAt (2, 2);
    bool varied = false;
    for (int y = 0; y < image.getHeight() && ! varied; y += 3)
        for (int x = 0; x < image.getWidth() && ! varied; x += 3)
            varied = image.getPixelAt (x, y) != corner;
    EXPECT_TRUE (varied);
    thread.stopThread (5000);
    window->exitModalState (0);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
}

TEST (UpdateDBProgressThread, AStoppedRunPointsToALogThatExists)
{
    // A journal entry without a date cannot enter the rebuilt journal of step 36 to 37.
    const char* const undatedEntry =
        "DROP TABLE glavna; CREATE TABLE `glavna` (`id` integer NOT NULL PRIMARY KEY AUTOINCREMENT, `opravilo` integer NOT NULL, "
        "`datum` datetime, `opomba` text, `vindor` varchar(64) DEFAULT NULL); INSERT INTO glavna(id,opravilo,datum) VALUES (1,6,NULL);";
    for (bool programLogs : { false, true })
    {
        SCOPED_TRACE (programLogs ? "the program writes a log file" : "logging is off");
        vtest::UpgradeDb db ({ "v7-schema.sql" });
        bringTo (db, 36);
        ASSERT_TRUE (db.exec (undatedEntry));
        const auto programLog = db.settings().folder().file ("Vindoro.log");
        std::unique_ptr<juce::FileLogger> fileLogger;
        if (programLogs)
        {
            fileLogger = std::make_unique<juce::FileLogger> (programLog, "Zaganjam");
            juce::Logger::setCurrentLogger (fileLogger.get());
        }
        const auto ownLog = db.settings().user().getFile().getParentDirectory().getChildFile (vindoro::UpgradeLog::kFileName);

        vtest::ScriptedAnswerer answerer;
        {
            vindoro::UpdateDBProgressThread thread (36);
            vindoro::runProgressWindow (thread);
            EXPECT_EQ (thread.getResult().outcome, vindoro::UpgradeChain::Outcome::stopped);
        }
        juce::Logger::setCurrentLogger (nullptr);
        EXPECT_EQ (db.version(), 36);
        ASSERT_EQ (answerer.asked.size(), 1u);
        const auto& message = answerer.asked[0].message;
        const auto named = message.fromLastOccurrenceOf ("Details are in the log: ", false, false);
        const juce::File expected = programLogs ? programLog : ownLog;
        EXPECT_EQ (named, expected.getFullPathName()) << message;
        EXPECT_TRUE (expected.loadFileAsString().contains ("<update_from_36_to_37> ERROR: rebuilding table glavna failed"));
        EXPECT_EQ (ownLog.existsAsFile(), ! programLogs);
        ownLog.deleteFile();
    }
}
