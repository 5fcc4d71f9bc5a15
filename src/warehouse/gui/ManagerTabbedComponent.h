#pragma once
// The article manager's tabs: storage, the article's row, its bill of materials, the composition
// of its batch (bottled wine only) and the documents that moved it, each a record browser built
// once from a copy of the manager's entry and owned by its tab.
#include <juce_gui_basics/juce_gui_basics.h>

class ArtikelManager;

class ManagerTabbedComponent : public juce::TabbedComponent
{
public:
    explicit ManagerTabbedComponent (ArtikelManager* manager);
    ~ManagerTabbedComponent() override;

    /** Closes the windows every tab's browser opened. */
    void closeAllChildWindows();
    void lookAndFeelChanged() override;

    ArtikelManager* getManager() const { return manager; }

private:
    ArtikelManager* manager = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ManagerTabbedComponent)
};
