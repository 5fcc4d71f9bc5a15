#pragma once
// The vessel picker's cellar window: the chooser, zoom and canvas of KletGUI, nothing can be
// changed, and the first click on a vessel answers the opener with Select (7).
#include "cellar/gui/KletGUI.h"

class KletViewer : public juce::ComboBox::Listener,
                   public KletGUI
{
public:
    KletViewer();
    ~KletViewer() override;

    void editKlet() override {}
    void addKlet() override {}

    void comboBoxChanged (juce::ComboBox* box) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
};
