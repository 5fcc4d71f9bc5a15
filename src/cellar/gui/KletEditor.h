#pragma once
// The cellar layout editor: KletGUI with buttons that rename, add and delete cellars and raise and
// lower the selected vessel, and window buttons that edit, add, remove and pick vessels. Every
// vessel change is booked in the journal by the dialogs and the vessel component.
#include "cellar/gui/KletGUI.h"

class KletEditor : public juce::ComboBox::Listener,
                   public KletGUI
{
public:
    KletEditor();
    ~KletEditor() override;

    void savePositions() override;
    void editKlet() override;
    void addKlet() override;

    bool buttonAction (int code) override;
    void comboBoxChanged (juce::ComboBox* box) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    juce::TextButton* getEditButton() const { return editButton.get(); }
    juce::TextButton* getAddButton() const { return addkButton.get(); }
    juce::TextButton* getDeleteButton() const { return delkButton.get(); }
    juce::TextButton* getRaiseButton() const { return upButton.get(); }
    juce::TextButton* getLowerButton() const { return downButton.get(); }

private:
    void useSaveButtons();
};

/** Opens a cellar layout editor in a non-modal window for the opener (its button list filled). */
KWindow* launchKletEditor (const juce::String& title, juce::Component* opener, juce::Component* openerSetup);
