#pragma once
// The current-user row at the top of the "Uporabnik" tab: its button names the user and opens
// the register of users; a pick becomes the program's user in the settings and in the main
// window's title. Owned by its property panel; at most one register window is open.
#include "partners/gui/StrankaButtonPropertyComponent.h"

class UporabnikButtonPropertyComponent : public StrankaButtonPropertyComponent
{
public:
    explicit UporabnikButtonPropertyComponent (juce::Component* owner);
    ~UporabnikButtonPropertyComponent() override;

    juce::String getButtonText() const override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    /** The main window's title with a user: the product name and the user in parentheses. */
    static juce::String titleWithName (const juce::String& name);

private:
    juce::Component* owner = nullptr;
    juce::String buttonText;
};
