#pragma once
// Answers the program's message boxes and progress windows in tests, in place of a person:
// registered while it lives, it records every question and gives the scripted answers in order.
#include "frame/MessageBoxes.h"

#include <deque>

namespace vtest
{
class ScriptedAnswerer : public vindoro::ModalAnswerer
{
public:
    /** Stands for Escape in the script (the question's escapeResult). */
    static constexpr int kEscape = -1000000;

    ScriptedAnswerer();
    ~ScriptedAnswerer() override;

    /** Queues result codes (or kEscape) for the next questions; with the queue empty, Escape. */
    ScriptedAnswerer& then (int result);

    /** Progress windows: cancel after this many milliseconds (negative: let the thread finish). */
    void cancelProgressAfter (int milliseconds) { cancelAfterMs = milliseconds; }

    int answer (const vindoro::ModalQuestion& question) override;
    bool runProgress (juce::ThreadWithProgressWindow& thread, juce::Thread::Priority priority) override;

    std::vector<vindoro::ModalQuestion> asked;
    juce::StringArray progressTitles;

private:
    std::deque<int> script;
    int cancelAfterMs = -1;
    vindoro::ModalAnswerer* previous = nullptr;
};
} // namespace vtest
