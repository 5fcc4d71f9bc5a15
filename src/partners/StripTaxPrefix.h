#pragma once
// A tax number without the country letters written before it ("SI12345678" -> "12345678").
// Owned by the partners subsystem; used where the program stores or prints the bare number.
#include <juce_core/juce_core.h>

/** The text from its first decimal digit on; a text without digits comes back whole. */
juce::String stripTaxPrefix (const juce::String& text);
