#pragma once
// Process-wide objects that every subsystem reaches without knowing the application class:
// the user settings, the language object and the own company's party record. The running
// application registers its own; tests and tools register theirs, so the data layer and the
// engines run without an application object.
#include <juce_data_structures/juce_data_structures.h>

class VindorLanguage;
struct StrankaRecord;

/** The settings object in force, or nullptr before one is registered. */
juce::ApplicationProperties* getAppProperties();

/** Registers the settings object that getAppProperties() hands out (not owned; nullptr clears). */
void setAppProperties (juce::ApplicationProperties* properties);

/** The user settings of the registered settings object, or nullptr. */
juce::PropertiesFile* getUserSettings();

/** The language object in force, or nullptr before one is registered. */
VindorLanguage* getLanguage();

/** Registers the language object that getLanguage() hands out (not owned; nullptr clears). */
void setLanguageObject (VindorLanguage* language);

/** The own company's party record, for reading, copying or assigning a freshly saved one.
    Without a registered record a process-wide one stands in (id -1 until someone fills it). */
StrankaRecord& getPodjetje();

/** Registers the record that getPodjetje() hands out (not owned; nullptr returns to the spare one). */
void setPodjetjeRecord (StrankaRecord* record);
