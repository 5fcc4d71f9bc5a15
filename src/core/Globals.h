#pragma once
// Process-wide objects that every subsystem reaches without knowing the application class:
// the user settings and the language object (the own company's record is the partners
// subsystem's: partners/OwnCompany.h). The running
// application registers its own; tests and tools register theirs, so the data layer and the
// engines run without an application object.
#include <juce_data_structures/juce_data_structures.h>

class VindorLanguage;

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
