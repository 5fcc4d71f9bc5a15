#pragma once
// Acts on the next modal alert window a component opens, from inside its modal loop, in place of
// a person typing into it: a timer looks for a modal alert window not handled yet. Gives up after
// two seconds, so a dialog that never comes leaves nothing running.
#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace vtest
{
class ModalDialogActor : private juce::Timer
{
public:
    static void whenOpens (std::function<void (juce::AlertWindow&)> act) { new ModalDialogActor (std::move (act)); }

private:
    explicit ModalDialogActor (std::function<void (juce::AlertWindow&)> a)
        : act (std::move (a)), deadline (juce::Time::getMillisecondCounter() + 2000)
    {
        startTimer (10);
    }

    void timerCallback() override
    {
        auto* w = dynamic_cast<juce::AlertWindow*> (juce::Component::getCurrentlyModalComponent());
        if (w != nullptr && ! w->getProperties().contains ("handled"))
        {
            stopTimer();
            w->getProperties().set ("handled", true);
            act (*w);
            delete this;
        }
        else if (juce::Time::getMillisecondCounter() > deadline)
        {
            stopTimer();
            delete this;
        }
    }

    std::function<void (juce::AlertWindow&)> act;
    juce::uint32 deadline;
};
} // namespace vtest
