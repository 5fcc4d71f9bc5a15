#pragma once
// The modal progress window behind which a report's long second pass runs on a worker thread.
// Made and deleted by one launchProgressThread call; the report it runs is not owned. install()
// hands the report-conditions layer the way to open one.
#include "print/PorociloPogoj.h"

#include <juce_gui_basics/juce_gui_basics.h>

class PorociloProgressThread : public juce::ThreadWithProgressWindow,
                               private PorociloPogoj::Progress
{
public:
    PorociloProgressThread (juce::Component* parent, PorociloPogoj* report);
    ~PorociloProgressThread() override;

    void run() override;

    /** Makes launchProgressThread of every report run behind this window. */
    static void install();
    /** Runs the report's pass modally; true when the thread ran to its end (not cancelled). */
    static bool runModal (juce::Component* parent, PorociloPogoj& report);

private:
    void setProgress (double fraction) override { juce::ThreadWithProgressWindow::setProgress (fraction); }
    void setStatusMessage (const juce::String& text) override { juce::ThreadWithProgressWindow::setStatusMessage (text); }
    bool threadShouldExit() const override { return juce::Thread::threadShouldExit(); }
    bool wait (int milliseconds) override { return juce::Thread::wait (milliseconds); }

    PorociloPogoj* pogoj;
};
