#pragma once
// Stacking of top-level windows on the X server. The framework only asks a window manager to
// raise a window and restacks "behind" the other way round, so the window manager's restacking
// goes through here. Main thread only; a window without a desktop peer is left alone.
#include <juce_gui_basics/juce_gui_basics.h>

namespace DesktopStacking
{
/** Puts the window on top of every other window. */
void raise (juce::Component& window);
/** Puts the window directly behind `above`. */
void placeBehind (juce::Component& window, juce::Component& above);
} // namespace DesktopStacking
