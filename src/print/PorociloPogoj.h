#pragma once
// The conditions every report carries beside its browser: title, SQL conditions, the period's
// date texts, a row limit and the outcome of its last progress run, plus the answers the reports
// window reads to know which filters a report takes. Owned by the report that derives from it;
// the reports window clears the conditions before each load, because getPogoj adds to them.
#include <juce_core/juce_core.h>

#include <functional>

namespace juce
{
class Component;
}

class PorociloPogoj
{
public:
    /** What a long computation sees of the progress window it runs behind (any thread). */
    class Progress
    {
    public:
        virtual ~Progress() = default;
        virtual void setProgress (double fraction) = 0;
        virtual void setStatusMessage (const juce::String& text) = 0;
        virtual bool threadShouldExit() const = 0;
        virtual bool wait (int milliseconds) = 0;
    };

    /** Runs a report's computation behind a modal progress window over `parent` until it ends or is
        cancelled; installed by the window layer, which owns such windows. */
    using ProgressRunner = std::function<bool (juce::Component* parent, PorociloPogoj& report)>;
    static void setProgressRunner (ProgressRunner runner);

    static constexpr const char* kNoParent = "ERROR ni parenta";
    static constexpr const char* kNoRunner = "ERROR: no progress window to run the report behind";

    PorociloPogoj();
    virtual ~PorociloPogoj();

    /** The conditions joined with " AND " in the order added; empty without conditions. */
    virtual juce::String getPogoj();
    /** " LIMIT n" for a limit of 0 or more, else empty. */
    virtual juce::String getLimit();
    virtual void setStartDate (const juce::String& text);
    virtual void setEndDate (const juce::String& text);
    virtual juce::String getStartDate() const { return startDate; }
    virtual juce::String getEndDate() const { return endDate; }
    virtual juce::String getNaslov() const { return naslov; }
    virtual bool usesStartDate() const { return true; }
    virtual bool usesEndDate() const { return false; }
    virtual bool usesSerija() const { return false; }
    virtual bool usesStranka() const { return false; }
    virtual bool usesArtikel() const { return false; }
    virtual bool usesSkladisce() const { return false; }
    virtual bool usesKlet() const { return false; }
    virtual int getStrankaTip() const { return -1; }
    virtual juce::String getStrankaNaslov() const { return {}; }
    /** The other report's period through this report's own setters; nothing for null. */
    virtual void copyDates (const PorociloPogoj* other);
    virtual bool printsOwnForm() const { return false; }
    /** Runs runThread behind a progress window over `parent`; whether it ran to its end and succeeded. */
    virtual bool launchProgressThread (juce::Component* parent);
    virtual void setThreadResult (int result) { threadResult = result; }
    virtual int getThreadResult() const { return threadResult; }
    /** The long second pass of a report, on the progress window's worker thread. */
    virtual void runThread (Progress& thread);

    void clearConditions() { pogoji.clear(); }
    void addCondition (const juce::String& condition) { pogoji.add (condition); }
    void setLimit (int rows) { limit = rows; }
    int getLimitRows() const { return limit; }
    void setNaslov (const juce::String& title) { naslov = title; }

protected:
    juce::String naslov;
    juce::StringArray pogoji;
    juce::String startDate;
    juce::String endDate;
    int limit = -1;
    int threadResult = 0;
};
