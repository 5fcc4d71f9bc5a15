#pragma once
// Adding a cellar and giving one a new name: the checks of the cellar dialogs and their one
// statement. No window; the dialogs hand over what was typed and show the text that comes back.
#include <juce_core/juce_core.h>

class SQLtoXml;

class KletSave
{
public:
    /** Adds an active cellar under the trimmed name; false with the reason in error when the name
        is empty, taken by any cellar (removed ones too) or the INSERT failed. */
    static bool addKlet (SQLtoXml& db, const juce::String& typedName, juce::String& error);

    /** Gives cellar kletId the trimmed name; false with the reason when the name is empty, another
        cellar has it or the UPDATE failed. Its own current name is accepted. */
    static bool renameKlet (SQLtoXml& db, int kletId, const juce::String& typedName, juce::String& error);

    /** The cellar's stored name (empty when there is no such cellar). */
    static juce::String kletName (SQLtoXml& db, int kletId);
};
