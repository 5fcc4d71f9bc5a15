#include "platform/gui/UpdateChecker.h"

#include "core/Log.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <curl/curl.h>

#include <atomic>
#include <string>

namespace vindoro
{
namespace
{
constexpr long kConnectTimeoutSeconds = 10;
constexpr long kTransferTimeoutSeconds = 30;
// A feed is a few kilobytes; anything far larger is not our feed.
constexpr size_t kMaxFeedBytes = 1 << 20;
constexpr int kStopWaitMs = 5000;

const char* const kLogName = "UpdateChecker::check";
} // namespace

struct UpdateChecker::Shared
{
    std::atomic<bool> alive { true };
};

class UpdateChecker::CheckThread final : public juce::Thread
{
public:
    CheckThread (UpdateChecker& ownerIn, bool userAskedIn)
        : juce::Thread ("Update check"), owner (ownerIn), userAsked (userAskedIn),
          url (ownerIn.appcastUrl), ourVersion (ownerIn.version), caBundle (ownerIn.caBundle),
          userAgent (ownerIn.application + "/" + ownerIn.version), shared (ownerIn.shared)
    {
    }

    void run() override
    {
        Release release;
        const auto outcome = check (release);
        auto weak = std::weak_ptr<Shared> (shared);
        auto* checker = &owner;
        const bool asked = userAsked;
        // From here on the check is over; a new one may start while this thread winds down.
        reported = true;
        juce::MessageManager::callAsync ([weak, checker, outcome, release, asked]
        {
            if (auto s = weak.lock(); s != nullptr && s->alive)
                checker->showOutcome (outcome, release, asked);
        });
    }

private:
    Outcome check (Release& release)
    {
        std::string body;
        juce::String error;
        if (! download (body, error))
        {
            vlog (kLogName, "WARNING: update feed " + url + " not reachable: " + error);
            return Outcome::failed;
        }

        auto newest = newestRelease (juce::String::fromUTF8 (body.data(), (int) body.size()));
        if (! newest)
        {
            vlog (kLogName, "WARNING: update feed " + url + " lists no release");
            return Outcome::failed;
        }

        release = *newest;
        if (compareVersions (release.version, ourVersion) > 0)
        {
            vlog (kLogName, "INFO: version " + release.version + " is available, running " + ourVersion);
            return Outcome::newerVersion;
        }
        vlog (kLogName, "INFO: version " + ourVersion + " is the newest");
        return Outcome::upToDate;
    }

    static size_t write (char* data, size_t size, size_t count, void* user)
    {
        auto* body = static_cast<std::string*> (user);
        const size_t bytes = size * count;
        if (body->size() + bytes > kMaxFeedBytes)
            return 0;
        body->append (data, bytes);
        return bytes;
    }

    static int progress (void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
    {
        // A non-zero answer aborts the transfer: shut-down must not wait for a slow server.
        return static_cast<CheckThread*> (user)->threadShouldExit() ? 1 : 0;
    }

    bool download (std::string& body, juce::String& error)
    {
        if (! url.startsWithIgnoreCase ("https://"))
        {
            error = "the feed address is not an HTTPS address";
            return false;
        }

        CURL* curl = curl_easy_init();
        if (curl == nullptr)
        {
            error = "curl_easy_init failed";
            return false;
        }

        char errorBuffer[CURL_ERROR_SIZE] = {};
        const auto urlText = url.toStdString();
        const auto agentText = userAgent.toStdString();
        const auto caText = caBundle.getFullPathName().toStdString();

        curl_easy_setopt (curl, CURLOPT_URL, urlText.c_str());
        curl_easy_setopt (curl, CURLOPT_PROTOCOLS_STR, "https");
        curl_easy_setopt (curl, CURLOPT_REDIR_PROTOCOLS_STR, "https");
        curl_easy_setopt (curl, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt (curl, CURLOPT_MAXREDIRS, 5L);
        curl_easy_setopt (curl, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_easy_setopt (curl, CURLOPT_SSL_VERIFYHOST, 2L);
        if (caBundle != juce::File())
            curl_easy_setopt (curl, CURLOPT_CAINFO, caText.c_str());
        curl_easy_setopt (curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
        curl_easy_setopt (curl, CURLOPT_TIMEOUT, kTransferTimeoutSeconds);
        curl_easy_setopt (curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt (curl, CURLOPT_USERAGENT, agentText.c_str());
        curl_easy_setopt (curl, CURLOPT_ERRORBUFFER, errorBuffer);
        curl_easy_setopt (curl, CURLOPT_WRITEFUNCTION, &CheckThread::write);
        curl_easy_setopt (curl, CURLOPT_WRITEDATA, &body);
        curl_easy_setopt (curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt (curl, CURLOPT_XFERINFOFUNCTION, &CheckThread::progress);
        curl_easy_setopt (curl, CURLOPT_XFERINFODATA, this);

        const CURLcode rc = curl_easy_perform (curl);
        long status = 0;
        curl_easy_getinfo (curl, CURLINFO_RESPONSE_CODE, &status);
        curl_easy_cleanup (curl);

        if (rc != CURLE_OK)
        {
            error = juce::String (errorBuffer[0] != 0 ? errorBuffer : curl_easy_strerror (rc));
            return false;
        }
        if (status != 200)
        {
            error = "HTTP status " + juce::String (status);
            return false;
        }
        return true;
    }

public:
    std::atomic<bool> reported { false };

private:
    UpdateChecker& owner;
    const bool userAsked;
    const juce::String url, ourVersion;
    const juce::File caBundle;
    const juce::String userAgent;
    std::shared_ptr<Shared> shared;
};

UpdateChecker::UpdateChecker() : shared (std::make_shared<Shared>()) {}

UpdateChecker::~UpdateChecker()
{
    cleanUp();
}

UpdateChecker& UpdateChecker::getInstance()
{
    static UpdateChecker instance;
    return instance;
}

void UpdateChecker::setAppcastUrl (const juce::String& url) { appcastUrl = url; }
void UpdateChecker::setLanguage (const juce::String& lang) { language = lang; }
void UpdateChecker::setShutdownRequestCallback (void (*callback)()) { shutdownRequestCallback = callback; }
void UpdateChecker::setCaBundle (const juce::File& bundle) { caBundle = bundle; }
void UpdateChecker::setNotifier (Notifier n) { notifier = std::move (n); }

void UpdateChecker::setAppDetails (const juce::String& companyName, const juce::String& applicationName,
                                   const juce::String& versionText)
{
    company = companyName;
    application = applicationName;
    version = versionText;
}

void UpdateChecker::initialise()
{
    startCheck (false);
}

void UpdateChecker::checkWithUserInterface()
{
    startCheck (true);
}

bool UpdateChecker::isChecking() const
{
    return thread != nullptr && thread->isThreadRunning() && ! thread->reported;
}

void UpdateChecker::startCheck (bool userAsked)
{
    if (isChecking())
        return;

    if (appcastUrl.isEmpty())
    {
        vlog (kLogName, "WARNING: no update feed address set");
        return;
    }

    if (shared == nullptr)
        shared = std::make_shared<Shared>();

    if (thread != nullptr)
        thread->stopThread (kStopWaitMs); // it has reported already; only its return is left

    thread = std::make_unique<CheckThread> (*this, userAsked);
    thread->startThread (juce::Thread::Priority::low);
}

void UpdateChecker::cleanUp()
{
    if (shared != nullptr)
        shared->alive = false;
    shared.reset();

    if (thread != nullptr)
    {
        thread->stopThread (kStopWaitMs);
        thread.reset();
    }

    appcastUrl = {};
    language = "en";
    company = application = version = {};
    caBundle = juce::File();
    notifier = nullptr;
    shutdownRequestCallback = nullptr;
}

void UpdateChecker::showOutcome (Outcome outcome, const Release& release, bool userAsked)
{
    if (notifier)
    {
        notifier (outcome, release, userAsked);
        return;
    }

    // A check at start-up only speaks up when there is something new.
    if (outcome != Outcome::newerVersion && ! userAsked)
        return;

    const bool slovenian = language.startsWithIgnoreCase ("sl");
    const auto title = slovenian ? juce::String ("Posodobitev programa") : juce::String ("Software update");

    if (outcome == Outcome::newerVersion)
    {
        auto message = slovenian
            ? "Na voljo je nova verzija " + release.version + " programa " + application
                  + " (imate verzijo " + version + ")."
            : "A new version " + release.version + " of " + application + " is available (you have " + version + ").";
        if (release.title.isNotEmpty())
            message << "\n\n" << release.title;

        const auto link = release.downloadUrl.isNotEmpty() ? release.downloadUrl : release.notesUrl;
        if (link.isEmpty())
        {
            juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::InfoIcon, title, message);
            return;
        }

        juce::AlertWindow::showOkCancelBox (juce::MessageBoxIconType::InfoIcon, title, message,
                                            slovenian ? "Prenesi" : "Download", slovenian ? "Kasneje" : "Later",
                                            nullptr,
                                            juce::ModalCallbackFunction::create ([link] (int result)
                                            {
                                                if (result == 1)
                                                    juce::URL (link).launchInDefaultBrowser();
                                            }));
        return;
    }

    const auto message = outcome == Outcome::upToDate
        ? (slovenian ? "Imate najnovejso verzijo " + version + "." : "You have the newest version " + version + ".")
        : (slovenian ? juce::String ("Preverjanje posodobitev ni uspelo. Poskusite kasneje.")
                     : juce::String ("The update check failed. Please try again later."));
    juce::AlertWindow::showMessageBoxAsync (juce::MessageBoxIconType::InfoIcon, title, message);
}

std::optional<UpdateChecker::Release> UpdateChecker::newestRelease (const juce::String& appcastXml)
{
    auto doc = juce::XmlDocument::parse (appcastXml);
    if (doc == nullptr)
        return std::nullopt;

    auto* channel = doc->getChildByName ("channel");
    if (channel == nullptr)
        return std::nullopt;

    std::optional<Release> newest;
    for (auto* item : channel->getChildWithTagNameIterator ("item"))
    {
        Release release;
        release.title = item->getChildElementAllSubText ("title", {}).trim();
        release.notesUrl = item->getChildElementAllSubText ("sparkle:releaseNotesLink", {}).trim();
        if (auto* enclosure = item->getChildByName ("enclosure"))
        {
            release.downloadUrl = enclosure->getStringAttribute ("url");
            release.version = enclosure->getStringAttribute ("sparkle:shortVersionString",
                                                             enclosure->getStringAttribute ("sparkle:version"));
        }
        if (release.version.isEmpty())
            release.version = item->getChildElementAllSubText ("sparkle:shortVersionString", {}).trim();
        if (release.version.isEmpty())
            release.version = item->getChildElementAllSubText ("sparkle:version", {}).trim();
        if (release.notesUrl.isEmpty())
            release.notesUrl = item->getChildElementAllSubText ("link", {}).trim();

        if (release.version.isEmpty())
            continue;
        if (! newest || compareVersions (release.version, newest->version) > 0)
            newest = release;
    }
    return newest;
}

int UpdateChecker::compareVersions (const juce::String& a, const juce::String& b)
{
    juce::StringArray pa, pb;
    pa.addTokens (a.trim(), ".", {});
    pb.addTokens (b.trim(), ".", {});
    for (int i = 0; i < juce::jmax (pa.size(), pb.size()); ++i)
    {
        const auto na = pa[i].getLargeIntValue(), nb = pb[i].getLargeIntValue();
        if (na != nb)
            return na < nb ? -1 : 1;
    }
    return 0;
}
} // namespace vindoro
