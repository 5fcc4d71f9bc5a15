#pragma once
// The main board's tabbed panel: the journal list and the settings pages, one tab each.
// Owned by MainContentComponent; the pages belong to the tabs and go with them.
#include <juce_gui_basics/juce_gui_basics.h>

class LogsBox;

class VindorTabbedComponent final : public juce::TabbedComponent
{
public:
    explicit VindorTabbedComponent (juce::Component* owner);
    ~VindorTabbedComponent() override;

    juce::Component* getOwner() const { return owner; }
    /** The journal list of the "Logs" tab. */
    LogsBox* getLogsBox() const;

private:
    juce::Component* owner = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VindorTabbedComponent)
};
