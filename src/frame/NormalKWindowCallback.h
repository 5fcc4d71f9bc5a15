#pragma once
// Owner of a non-modal framework window: embeds the window, so the window manager deleting
// this callback deletes the window. Registers the window with the manager on construction.
#include "frame/KWManager.h"
#include "frame/VindorWindow.h"

class NormalKWindowCallback : public KWManager::Callback
{
public:
    NormalKWindowCallback (const juce::String& title, VindorWindowAction* action,
                           juce::Component* parentComponent, juce::Component* listenerComponent);
    ~NormalKWindowCallback() override;

    void kwFinished (int returnValue) override;

    VindorWindow& getWindow() { return window; }

private:
    juce::Component::SafePointer<juce::Component> parent;
    juce::Component::SafePointer<juce::Component> listener;
    VindorWindow window;

    JUCE_DECLARE_NON_COPYABLE (NormalKWindowCallback)
};
