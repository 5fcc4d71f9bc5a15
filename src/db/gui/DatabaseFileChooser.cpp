#include "db/gui/DatabaseFileChooser.h"

namespace
{
DatabaseFileChooser* installed = nullptr;
}

juce::File DatabaseFileChooser::chooseFileToSave (const juce::String& title, const juce::String& patterns)
{
    juce::FileChooser chooser (title, juce::File::getCurrentWorkingDirectory(), patterns, false);
    return chooser.browseForFileToSave (true) ? chooser.getResult() : juce::File();
}

juce::File DatabaseFileChooser::chooseFileToLoad (const juce::String& title, const juce::String& patterns)
{
    juce::FileChooser chooser (title, juce::File::getCurrentWorkingDirectory(), patterns, false);
    return chooser.browseForFileToOpen() ? chooser.getResult() : juce::File();
}

DatabaseFileChooser& DatabaseFileChooser::get()
{
    static DatabaseFileChooser framework;
    return installed != nullptr ? *installed : framework;
}

void DatabaseFileChooser::set (DatabaseFileChooser* replacement)
{
    installed = replacement;
}
