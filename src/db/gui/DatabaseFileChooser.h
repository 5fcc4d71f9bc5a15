#pragma once
// Asks the user for a database file to write or to read. Owned by the data layer's windows (the
// backup and restore rows, the start-up backup offer). A replaceable object, so tests choose the
// file in place of a person; the real one is the framework's own modal file chooser.
#include <juce_gui_basics/juce_gui_basics.h>

class DatabaseFileChooser
{
public:
    virtual ~DatabaseFileChooser() = default;

    /** A file to write, asking before an existing one is overwritten; File() when cancelled. */
    virtual juce::File chooseFileToSave (const juce::String& title, const juce::String& patterns);
    /** An existing file to read; File() when cancelled. */
    virtual juce::File chooseFileToLoad (const juce::String& title, const juce::String& patterns);

    /** The chooser in force: the framework's unless a test installed another. */
    static DatabaseFileChooser& get();
    /** Installs a chooser (not owned); nullptr restores the framework's. */
    static void set (DatabaseFileChooser* replacement);
};
