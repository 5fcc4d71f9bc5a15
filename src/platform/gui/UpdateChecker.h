#pragma once
// The program's update checker: reads the product's appcast feed over HTTPS on a background
// thread, compares the newest listed version with ours and tells the user when it is newer.
// One process-wide instance, driven by start-up, the About page and shut-down. It never blocks
// the message thread and never fails loudly: an unreachable feed costs one log line.
#include <juce_core/juce_core.h>
#include <juce_events/juce_events.h>

#include <functional>
#include <memory>
#include <optional>

namespace vindoro
{
class UpdateChecker
{
public:
    /** The newest release a feed lists. */
    struct Release
    {
        juce::String version;
        juce::String title;
        juce::String downloadUrl;
        juce::String notesUrl;
    };

    /** What a finished check found. */
    enum class Outcome { newerVersion, upToDate, failed };

    /** How a finished check reaches the user: on the message thread, with the release found (if
        any), and whether the user asked for this check (then every outcome is shown). */
    using Notifier = std::function<void (Outcome, const Release&, bool userAsked)>;

    static UpdateChecker& getInstance();

    void setAppcastUrl (const juce::String& url);
    void setLanguage (const juce::String& lang);
    void setShutdownRequestCallback (void (*callback)());
    void setAppDetails (const juce::String& company, const juce::String& application, const juce::String& version);
    /** Certificate bundle that the feed's server must chain to; empty for the system's bundle. */
    void setCaBundle (const juce::File& bundle);
    /** Replaces the dialogs (tests answer here); nullptr puts the program's dialogs back. */
    void setNotifier (Notifier notifier);

    /** Starts the background check of a program start; returns at once. */
    void initialise();
    /** Starts a check that the user asked for; its outcome is always shown. Returns at once. */
    void checkWithUserInterface();
    /** Stops a running check and forgets every setting; safe to call more than once. */
    void cleanUp();

    bool isChecking() const;

    /** The newest release listed in an appcast document, or nothing when it lists none. */
    static std::optional<Release> newestRelease (const juce::String& appcastXml);
    /** Compares dotted version texts number by number: negative, 0 or positive as a < b, a == b, a > b. */
    static int compareVersions (const juce::String& a, const juce::String& b);

    ~UpdateChecker();

private:
    UpdateChecker();
    class CheckThread;
    struct Shared;

    void startCheck (bool userAsked);
    void showOutcome (Outcome, const Release&, bool userAsked);

    std::shared_ptr<Shared> shared;
    std::unique_ptr<CheckThread> thread;
    juce::String appcastUrl, language { "en" }, company, application, version;
    juce::File caBundle;
    Notifier notifier;
    void (*shutdownRequestCallback)() = nullptr;

    JUCE_DECLARE_NON_COPYABLE (UpdateChecker)
};
} // namespace vindoro
