#pragma once
// The language in force: chooses the language file by number and installs its translation
// table as the framework's current one. One per process, owned by the application object;
// `previous` lets a print in another language switch back afterwards.
#include <juce_core/juce_core.h>

class VindorLanguage
{
public:
    /** Installs Slovenian (2): afterwards `current` is 2 and `previous` 0. */
    VindorLanguage();

    /** 2 Slovenian, 3 English, 4 Slovenian-English; any other number loads the Slovenian file. */
    void setLanguage (int language);

    /** The language file of a language number: "slovensko.txt", "english.txt" or "slo-eng.txt". */
    static juce::String fileNameFor (int language);

    int current = 0;
    int previous = 0;
};
