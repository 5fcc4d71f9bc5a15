#include "core/Globals.h"
#include "core/Log.h"
#include "app/ShippedDatabase.h"
#include "support/Conformance.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

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

namespace
{
/** Sets an environment variable for one scope and puts the previous value back. */
struct ScopedEnv
{
    ScopedEnv (const char* n, const char* value) : name (n)
    {
        if (const char* old = std::getenv (n))
            previous = old, hadValue = true;
        if (value != nullptr)
            setenv (n, value, 1);
        else
            unsetenv (n);
    }
    ~ScopedEnv()
    {
        if (hadValue)
            setenv (name, previous.c_str(), 1);
        else
            unsetenv (name);
    }
    const char* name;
    std::string previous;
    bool hadValue = false;
};
} // namespace

TEST (ConformanceFiles, FoundInTheNamedFolderOrReportedWithTheReason)
{
    vtest::TempFolder folder;
    folder.file ("furs").createDirectory();
    folder.file ("furs/schema.xsd").replaceWithText ("<schema/>");
    ScopedEnv dir ("VINDORO_CONFORMANCE_DIR", folder.get().getFullPathName().toRawUTF8());

    const auto present = vtest::findConformanceFile ("furs/schema.xsd");
    EXPECT_TRUE (present.missing.isEmpty());
    EXPECT_EQ (present.file, folder.file ("furs/schema.xsd"));

    const auto absent = vtest::findConformanceFile ("eslog/none.xsd");
    EXPECT_EQ (absent.file, folder.file ("eslog/none.xsd"));
    EXPECT_TRUE (absent.missing.contains ("\"eslog/none.xsd\"")) << absent.missing;
    EXPECT_TRUE (absent.missing.contains (folder.get().getFullPathName())) << absent.missing;
    EXPECT_TRUE (absent.missing.contains ("VINDORO_CONFORMANCE_DIR")) << absent.missing;
}

TEST (ConformanceFiles, ContinuousIntegrationIsToldByTheCIVariable)
{
    struct Case { const char* value; bool ci; };
    for (const auto& c : { Case { "true", true }, Case { "TRUE", true }, Case { "1", true }, Case { "false", false },
                           Case { "", false }, Case { nullptr, false } })
    {
        ScopedEnv ci ("CI", c.value);
        EXPECT_EQ (vtest::runningInCI(), c.ci) << (c.value != nullptr ? c.value : "(unset)");
    }
}

// The fiscal schema as a test that needs one reaches it: present beside the repository (and in CI,
// where a missing one fails), it is the tax authority's XML schema.
TEST (ConformanceFiles, PublishedFiscalSchemaIsAnXmlSchema)
{
    VTEST_CONFORMANCE_FILE (schema, "furs/FiscalVerificationSchema.xsd");
    const auto root = juce::XmlDocument::parse (schema);
    ASSERT_NE (root, nullptr);
    EXPECT_EQ (root->getTagNameWithoutNamespace(), "schema");
}
