#pragma once
// Everything about one stored article in tabs (where it lies, its row, its bill of materials, its
// batch's composition, the documents that moved it); prints the current tab's browser and adds
// bill-of-materials lines. Made by the plan's tile for its entry, owned by its window; the tabs
// are built once from the entry given then.
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "warehouse/GoodsRecords.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

class ManagerTabbedComponent;
class PregledBaze;

class ArtikelManager : public juce::Component,
                       public VindorWindowAction,
                       public Hramba::Listener,
                       public VindorWindowSetup
{
public:
    explicit ArtikelManager (Hramba entry);
    ~ArtikelManager() override;

    bool cancelAction() override;
    bool insertAction() override;
    bool printAction() override;
    bool printAction (VindorPrintSettings* settings) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void resized() override;

    ManagerTabbedComponent* getTabs() const { return tabs.get(); }
    /** The current tab's browser, or null when the tab holds none. */
    PregledBaze* currentBrowser() const;

private:
    std::unique_ptr<ManagerTabbedComponent> tabs;

    juce::String currentTabName() const;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ArtikelManager)
};
