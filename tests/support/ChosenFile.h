#pragma once
// Chooses the file in place of a person: records what it was asked and answers with a set file.
#include "db/gui/DatabaseFileChooser.h"

namespace dbtest
{
class ChosenFile : public DatabaseFileChooser
{
public:
    explicit ChosenFile (juce::File answer) : file (std::move (answer)) { DatabaseFileChooser::set (this); }
    ~ChosenFile() override { DatabaseFileChooser::set (nullptr); }

    juce::File chooseFileToSave (const juce::String& title, const juce::String& patterns) override
    {
        asked.add ("save|" + title + "|" + patterns);
        return file;
    }
    juce::File chooseFileToLoad (const juce::String& title, const juce::String& patterns) override
    {
        asked.add ("load|" + title + "|" + patterns);
        return file;
    }

    juce::File file;
    juce::StringArray asked;
};
} // namespace dbtest
