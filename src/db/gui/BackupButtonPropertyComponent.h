#pragma once
// The settings row that copies the database file to a file the user chooses. Owned by the
// program settings page; the copy never leaves a half-written file and the user always learns
// whether it was made.
#include "widgets/VindorButtonPropertyComponent.h"

class BackupButtonPropertyComponent : public VindorButtonPropertyComponent
{
public:
    explicit BackupButtonPropertyComponent (const juce::String& propertyName);

    void buttonClicked() override;
    juce::String getButtonText() const override;

    /** Copies the database file to `target` (given the extension ".db") and tells the user how it
        went; the connection is closed for the copy and the next statement reopens it. Also used by
        the start-up backup offer. True when the copy was made. */
    static bool backupTo (juce::File target, juce::Component* owner);
};
