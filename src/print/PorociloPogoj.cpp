#include "print/PorociloPogoj.h"

#include "core/Log.h"

namespace
{
PorociloPogoj::ProgressRunner& runnerSlot()
{
    static PorociloPogoj::ProgressRunner runner;
    return runner;
}
} // namespace

void PorociloPogoj::setProgressRunner (ProgressRunner runner)
{
    runnerSlot() = std::move (runner);
}

PorociloPogoj::PorociloPogoj() = default;
PorociloPogoj::~PorociloPogoj() = default;

juce::String PorociloPogoj::getPogoj()
{
    return pogoji.joinIntoString (" AND ");
}

juce::String PorociloPogoj::getLimit()
{
    return limit >= 0 ? " LIMIT " + juce::String (limit) : juce::String();
}

void PorociloPogoj::setStartDate (const juce::String& text)
{
    startDate = text;
}

void PorociloPogoj::setEndDate (const juce::String& text)
{
    endDate = text;
}

void PorociloPogoj::copyDates (const PorociloPogoj* other)
{
    if (other == nullptr)
        return;
    setStartDate (other->getStartDate());
    setEndDate (other->getEndDate());
}

bool PorociloPogoj::launchProgressThread (juce::Component* parent)
{
    threadResult = 0;
    if (parent == nullptr)
    {
        vindoro::vlog ("PorociloPogoj::launchProgressThread", kNoParent);
        return false;
    }
    auto& runner = runnerSlot();
    if (! runner)
    {
        vindoro::vlog ("PorociloPogoj::launchProgressThread", kNoRunner);
        return false;
    }
    if (runner (parent, *this))
        vindoro::vlog ("PorociloPogoj::launchProgressThread", "runThread returned true");
    else
        vindoro::vlog ("PorociloPogoj::launchProgressThread", "exited here");
    return threadResult != 0;
}

void PorociloPogoj::runThread (Progress& thread)
{
    constexpr int steps = 100;
    for (int i = 0; i < steps; ++i)
    {
        thread.setProgress (i / (double) steps);
        thread.setStatusMessage (TRANS ("Loading") + " " + juce::String (i) + "/" + juce::String (steps));
        if (thread.threadShouldExit())
        {
            vindoro::vlog ("PorociloPogoj::runThread", "Exit called");
            threadResult = 0;
            return;
        }
        thread.wait (5);
        if (thread.threadShouldExit())
        {
            vindoro::vlog ("PorociloPogoj::runThread", "Exit called after wait");
            threadResult = 0;
            return;
        }
        threadResult = 1;
    }
}
