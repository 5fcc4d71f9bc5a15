#include "platform/gui/UpdateChecker.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using vindoro::UpdateChecker;

namespace
{
juce::String appcastListing (std::initializer_list<const char*> versions)
{
    juce::String xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                       "<rss version=\"2.0\" xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\">"
                       "<channel><title>Vindoro</title>";
    for (auto* v : versions)
        xml << "<item><title>Vindoro " << v << "</title>"
            << "<enclosure url=\"https://127.0.0.1/Vindoro-" << v << ".tar.gz\" sparkle:version=\"" << v
            << "\" length=\"1\" type=\"application/octet-stream\"/></item>";
    return xml + "</channel></rss>";
}

int freeLoopbackPort()
{
    juce::StreamingSocket probe;
    probe.createListener (0, "127.0.0.1");
    return probe.getBoundPort();
}

// An HTTPS server on loopback serving the files of a temporary folder, with a certificate made
// for 127.0.0.1 by the test; the folder doubles as the checker's trusted bundle.
class LoopbackFeedServer
{
public:
    LoopbackFeedServer()
    {
        cert = temp.file ("cert.pem");
        const auto key = temp.file ("key.pem");
        juce::ChildProcess req;
        EXPECT_TRUE (req.start (juce::StringArray { "openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes",
                                                    "-keyout", key.getFullPathName(), "-out", cert.getFullPathName(),
                                                    "-days", "2", "-subj", "/CN=127.0.0.1",
                                                    "-addext", "subjectAltName=IP:127.0.0.1" },
                                juce::ChildProcess::wantStdErr));
        req.waitForProcessToFinish (30000);

        port = freeLoopbackPort();
        pid = fork();
        if (pid == 0)
        {
            const auto dir = temp.get().getFullPathName().toStdString();
            const auto portText = std::to_string (port);
            if (chdir (dir.c_str()) != 0)
                _exit (1);
            freopen ("/dev/null", "w", stdout);
            freopen ("/dev/null", "w", stderr);
            execlp ("openssl", "openssl", "s_server", "-WWW", "-quiet", "-accept", portText.c_str(),
                    "-cert", "cert.pem", "-key", "key.pem", (char*) nullptr);
            _exit (127);
        }

        for (int i = 0; i < 100; ++i)
        {
            juce::StreamingSocket s;
            if (s.connect ("127.0.0.1", port, 100))
                break;
            juce::Thread::sleep (50);
        }
    }

    ~LoopbackFeedServer()
    {
        if (pid > 0)
        {
            kill (pid, SIGTERM);
            waitpid (pid, nullptr, 0);
        }
    }

    void serve (const juce::String& name, const juce::String& content) { temp.file (name).replaceWithText (content); }
    juce::String url (const juce::String& name) const { return "https://127.0.0.1:" + juce::String (port) + "/" + name; }
    juce::File certificate() const { return cert; }

private:
    vtest::TempFolder temp;
    juce::File cert;
    int port = 0;
    pid_t pid = -1;
};

struct Seen
{
    int calls = 0;
    UpdateChecker::Outcome outcome = UpdateChecker::Outcome::failed;
    UpdateChecker::Release release;
    bool userAsked = false;
};

// Sets the checker up as start-up does and records what it would tell the user.
class UpdateCheckerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto& checker = UpdateChecker::getInstance();
        checker.cleanUp();
        checker.setLanguage ("sl_SI");
        checker.setAppDetails ("MyCompany", "Vindoro", "2.2.0");
        checker.setCaBundle (server.certificate());
        checker.setNotifier ([this] (UpdateChecker::Outcome o, const UpdateChecker::Release& r, bool asked)
        {
            ++seen.calls;
            seen.outcome = o;
            seen.release = r;
            seen.userAsked = asked;
        });
    }

    void TearDown() override { UpdateChecker::getInstance().cleanUp(); }

    // Runs the message loop until the checker has reported (or 20 s passed).
    void waitForReport()
    {
        for (int i = 0; i < 400 && seen.calls == 0; ++i)
            juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    }

    LoopbackFeedServer server;
    vtest::LogCapture log;
    Seen seen;
};
} // namespace

TEST (UpdateCheckerVersions, ComparesNumberByNumber)
{
    struct Case { const char* a; const char* b; int sign; };
    const Case cases[] = {
        { "2.2.0", "2.2.0", 0 }, { "2.2.1", "2.2.0", 1 }, { "2.10.0", "2.9.9", 1 },
        { "2.2", "2.2.0", 0 }, { "3", "2.99.99", 1 }, { "1.9", "2.0", -1 },
    };
    for (const auto& c : cases)
    {
        const int r = UpdateChecker::compareVersions (c.a, c.b);
        EXPECT_EQ ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    }
}

TEST (UpdateCheckerVersions, NewestReleaseOfAFeed)
{
    auto newest = UpdateChecker::newestRelease (appcastListing ({ "2.1.0", "2.10.1", "2.3.0" }));
    ASSERT_TRUE (newest.has_value());
    EXPECT_EQ (newest->version, "2.10.1");
    EXPECT_EQ (newest->downloadUrl, "https://127.0.0.1/Vindoro-2.10.1.tar.gz");

    EXPECT_FALSE (UpdateChecker::newestRelease (appcastListing ({})).has_value());
    EXPECT_FALSE (UpdateChecker::newestRelease ("<html>not a feed").has_value());
}

TEST_F (UpdateCheckerTest, NewerVersionOnTheFeedIsAnnounced)
{
    server.serve ("appcast.xml", appcastListing ({ "2.1.0", "2.3.0" }));
    auto& checker = UpdateChecker::getInstance();
    checker.setAppcastUrl (server.url ("appcast.xml"));

    const auto started = juce::Time::getMillisecondCounter();
    checker.initialise();
    EXPECT_LT (juce::Time::getMillisecondCounter() - started, 500u) << "start-up must not wait for the feed";

    waitForReport();
    ASSERT_EQ (seen.calls, 1);
    EXPECT_EQ (seen.outcome, UpdateChecker::Outcome::newerVersion);
    EXPECT_EQ (seen.release.version, "2.3.0");
    EXPECT_FALSE (seen.userAsked);
}

TEST_F (UpdateCheckerTest, SameVersionIsUpToDateAndReportedWhenAsked)
{
    server.serve ("appcast.xml", appcastListing ({ "2.0.0", "2.2.0" }));
    auto& checker = UpdateChecker::getInstance();
    checker.setAppcastUrl (server.url ("appcast.xml"));
    checker.checkWithUserInterface();

    waitForReport();
    ASSERT_EQ (seen.calls, 1);
    EXPECT_EQ (seen.outcome, UpdateChecker::Outcome::upToDate);
    EXPECT_TRUE (seen.userAsked);
}

TEST_F (UpdateCheckerTest, UnreachableOrUntrustedFeedFailsQuietlyWithALogLine)
{
    server.serve ("appcast.xml", appcastListing ({ "9.0.0" }));
    struct Case { juce::String url; bool trustServer; const char* logFragment; };
    const Case cases[] = {
        { "https://127.0.0.1:" + juce::String (freeLoopbackPort()) + "/appcast.xml", true, "not reachable" },
        { server.url ("missing.xml"), true, "lists no release" },   // s_server answers a missing file with a page, not a feed
        { server.url ("appcast.xml"), false, "not reachable" },   // our certificate is not in the system bundle
        { "http://127.0.0.1/appcast.xml", true, "not an HTTPS address" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.url);
        seen = {};
        log.clear();
        auto& checker = UpdateChecker::getInstance();
        checker.setAppcastUrl (c.url);
        checker.setCaBundle (c.trustServer ? server.certificate() : juce::File());
        checker.initialise();
        waitForReport();
        ASSERT_EQ (seen.calls, 1);
        EXPECT_EQ (seen.outcome, UpdateChecker::Outcome::failed);
        EXPECT_TRUE (log.contains ("<UpdateChecker::check> WARNING: update feed")) << log.lines().joinIntoString ("\n");
        EXPECT_TRUE (log.contains (c.logFragment)) << log.lines().joinIntoString ("\n");
    }
}

TEST_F (UpdateCheckerTest, CleanUpSilencesAPendingCheck)
{
    server.serve ("appcast.xml", appcastListing ({ "2.3.0" }));
    auto& checker = UpdateChecker::getInstance();
    checker.setAppcastUrl (server.url ("appcast.xml"));
    checker.initialise();
    checker.cleanUp();
    EXPECT_FALSE (checker.isChecking());
    juce::MessageManager::getInstance()->runDispatchLoopUntil (300);
    EXPECT_EQ (seen.calls, 0);
}
