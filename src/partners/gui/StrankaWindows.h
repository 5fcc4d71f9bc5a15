#pragma once
// The party windows as the rest of the program opens them: the party register of every kind for
// the main board, and the party editors the register opens on Insert and Edit. Owned by the
// partners' windows; install() runs once at start-up (and in tests that walk the register).
#include <juce_gui_basics/juce_gui_basics.h>

class KWindow;

class StrankaWindows
{
public:
    /** Makes the party register open AddStranka (Insert) and EditStranka (Edit). */
    static void install();

    /** The register of parties of every kind, editing, in a window answering `openerSetup`. */
    static KWindow* launchRegister (const juce::String& title, juce::Component* opener, juce::Component* openerSetup);
};
