#pragma once
// Owner of a modal framework window: embeds the window and is the modal manager's callback,
// so the window goes when the modal manager deletes its callbacks after the modal state ends.
#include "frame/VindorWindow.h"

#include <juce_gui_basics/juce_gui_basics.h>

class VindorWindowCallback : public juce::ModalComponentManager::Callback
{
public:
    VindorWindowCallback (const juce::String& title, VindorWindowAction* action,
                          juce::Component* parentComponent, juce::Component* listenerComponent);
    ~VindorWindowCallback() override;

    void modalStateFinished (int returnValue) override;

    VindorWindow& getWindow() { return window; }

private:
    juce::Component::SafePointer<juce::Component> parent;
    juce::Component::SafePointer<juce::Component> listener;
    VindorWindow window;

    JUCE_DECLARE_NON_COPYABLE (VindorWindowCallback)
};
