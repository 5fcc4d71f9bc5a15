#pragma once
// The settings row that replaces the database file by a file the user chooses. Owned by the
// program settings page; the connection is closed before the file is replaced, and a failed
// restore leaves the database file whole.
#include "widgets/VindorButtonPropertyComponent.h"

class RestoreButtonPropertyComponent : public VindorButtonPropertyComponent
{
public:
    explicit RestoreButtonPropertyComponent (const juce::String& propertyName);

    void buttonClicked() override;
    juce::String getButtonText() const override;

    /** Replaces the database file by `source` and tells the user how it went. */
    static bool restoreFrom (const juce::File& source, juce::Component* owner);
};
