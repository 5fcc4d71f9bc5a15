#include "core/VindorLanguage.h"
#include "core/Globals.h"
#include "core/Log.h"

VindorLanguage::VindorLanguage()
{
    current = 0;
    setLanguage (2);
}

juce::String VindorLanguage::fileNameFor (int language)
{
    switch (language)
    {
        case 3: return "english.txt";
        case 4: return "slo-eng.txt";
        default: return "slovensko.txt";
    }
}

void VindorLanguage::setLanguage (int language)
{
    previous = current;
    current = language;

    juce::String resources, separator;
    if (auto* settings = getUserSettings())
    {
        resources = settings->getValue ("resourcespath");
        separator = settings->getValue ("folder_nw");
    }
    // Joined as they stand: start-up writes the path separator into "folder_nw".
    const auto path = resources + separator + fileNameFor (language);
    vindoro::vlog ("VindorLanguage::setLanguage", "language file loaded:" + path);

    // A missing or unreadable file installs an empty table: every key then shows as itself.
    const auto file = juce::File::getCurrentWorkingDirectory().getChildFile (path);
    const auto text = file.existsAsFile() ? file.loadFileAsString() : juce::String();
    juce::LocalisedStrings::setCurrentMappings (new juce::LocalisedStrings (text, true));
}
