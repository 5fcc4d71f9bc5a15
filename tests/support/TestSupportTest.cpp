#include "core/Globals.h"
#include "core/Log.h"
#include "app/ShippedDatabase.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST (TestEnvironment, RunsOutsideTheUsersHomeAndInLjubljanaTime)
{
    EXPECT_TRUE (juce::String (std::getenv ("HOME")).startsWith ("/tmp/vindoro-home-"));
    // 1 July 2026 12:00 UTC is 14:00 in Ljubljana (summer time).
    std::time_t t = 1782907200;
    std::tm local {};
    localtime_r (&t, &local);
    EXPECT_EQ (local.tm_hour, 14);
}

TEST (TestEnvironment, SettingsLiveInTheTestsOwnFolder)
{
    vtest::TestSettings settings;
    ASSERT_EQ (getAppProperties(), &settings.app());
    settings.user().setValue ("probe", 5);
    settings.user().saveIfNeeded();
    EXPECT_TRUE (settings.user().getFile().isAChildOf (settings.folder().get()));
}

TEST (ShippedDatabase, IsBuiltAndCopiedOnlyWhenMissing)
{
    ASSERT_TRUE (vtest::shippedDatabase().existsAsFile());
    vtest::TempFolder temp;
    auto target = temp.file ("sub/Vindoro.db");
    ASSERT_TRUE (vindoro::installShippedDatabase (vtest::shippedDatabase(), target));
    EXPECT_EQ (target.getSize(), vtest::shippedDatabase().getSize());

    target.replaceWithText ("kept");
    EXPECT_TRUE (vindoro::installShippedDatabase (vtest::shippedDatabase(), target));
    EXPECT_EQ (target.loadFileAsString(), "kept");

    EXPECT_FALSE (vindoro::installShippedDatabase (temp.file ("missing.db"), temp.file ("other.db")));
    EXPECT_FALSE (temp.file ("other.db").exists());
}

TEST (Log, LineHasTimeMethodAndMessage)
{
    vtest::LogCapture log;
    vindoro::vlog ("SqlitetoXml::connect", "hello");
    auto lines = log.lines();
    ASSERT_EQ (lines.size(), 1);
    EXPECT_TRUE (lines[0].endsWith (" <SqlitetoXml::connect> hello"));
    EXPECT_EQ (vindoro::logTimeStamp (juce::Time (2018, 1, 4, 20, 50, 6)), "4 Feb 2018 8:50:06pm");
}
