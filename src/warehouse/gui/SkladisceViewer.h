#pragma once
// The read-only plan: nothing can be moved or changed, and a click or Return on a tile answers
// the opener with Select (7); the opener then reads the tile's entry from the canvas, or the shown
// warehouse. Invoices, transfer notes and the plan picker rows open it.
#include "warehouse/gui/SkladisceGUI.h"

class SkladisceViewer : public SkladisceGUI,
                        public juce::ComboBox::Listener
{
public:
    SkladisceViewer();
    ~SkladisceViewer() override;

    void comboBoxChanged (juce::ComboBox* box) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    void editSkladisce() override {}
    void addSkladisce() override {}
    void resized() override;
};

KWindow* launchSkladisceViewer (const juce::String& title, juce::Component* opener, juce::Component* openerSetup);
