#include "support/ScriptedAnswerer.h"

namespace vtest
{
ScriptedAnswerer::ScriptedAnswerer()
{
    previous = vindoro::getModalAnswerer();
    vindoro::setModalAnswerer (this);
}

ScriptedAnswerer::~ScriptedAnswerer() { vindoro::setModalAnswerer (previous); }

ScriptedAnswerer& ScriptedAnswerer::then (int result)
{
    script.push_back (result);
    return *this;
}

int ScriptedAnswerer::answer (const vindoro::ModalQuestion& question)
{
    asked.push_back (question);
    int result = kEscape;
    if (! script.empty())
    {
        result = script.front();
        script.pop_front();
    }
    return result == kEscape ? question.escapeResult : result;
}

bool ScriptedAnswerer::runProgress (juce::ThreadWithProgressWindow& thread, juce::Thread::Priority priority)
{
    if (auto* w = thread.getAlertWindow())
        progressTitles.add (w->getName());
    if (cancelAfterMs < 0)
        return ModalAnswerer::runProgress (thread, priority);

    thread.startThread (priority);
    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) cancelAfterMs;
    while (thread.isThreadRunning() && juce::Time::getMillisecondCounter() < deadline)
        juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
    if (! thread.isThreadRunning())
    {
        thread.threadComplete (false);
        return true;
    }
    // As the framework does after a press of Cancel: ask the thread to end and wait for it.
    thread.stopThread (10000);
    thread.threadComplete (true);
    return false;
}
} // namespace vtest
