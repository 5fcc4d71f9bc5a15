#pragma once
// Stand-in until the shell's message boxes land on main.
#include <juce_gui_basics/juce_gui_basics.h>
inline int askYesNoCancel (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message, juce::Component* owner)
{
    return juce::AlertWindow::showYesNoCancelBox (icon, title, message, TRANS ("Yes"), TRANS ("No"), TRANS ("Cancel"), owner, nullptr);
}
