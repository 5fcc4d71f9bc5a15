#pragma once
// Process-wide objects that every subsystem reaches without knowing the application class:
// the user settings. The running application registers its own; tests and tools register
// one of theirs, so the data layer and the engines run without an application object.
#include <juce_data_structures/juce_data_structures.h>

/** The settings object in force, or nullptr before one is registered. */
juce::ApplicationProperties* getAppProperties();

/** Registers the settings object that getAppProperties() hands out (not owned; nullptr clears). */
void setAppProperties (juce::ApplicationProperties* properties);

/** The user settings of the registered settings object, or nullptr. */
juce::PropertiesFile* getUserSettings();
