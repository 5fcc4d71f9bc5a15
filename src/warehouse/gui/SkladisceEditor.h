#pragma once
// The stock window: the warehouse plan in edit mode, with warehouses added and renamed, tiles
// arranged, and articles added, edited and taken off the plan through dialogs it opens one at a
// time. The main board opens it as "Zaloge".
#include "warehouse/gui/SkladisceGUI.h"

class SkladisceEditor : public SkladisceGUI,
                        public juce::ComboBox::Listener
{
public:
    SkladisceEditor();
    ~SkladisceEditor() override;

    void comboBoxChanged (juce::ComboBox* box) override;
    bool buttonAction (int code) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    void editSkladisce() override;
    void addSkladisce() override;
    void arrangeArtikli() override;
    void savePositions() override;
    bool searchAction() override;
    void resized() override;

    KWindow* getChildWindow() const { return childWindow.get(); }
    int getChildKind() const { return childKind; }

    /** What childWindow is. */
    static constexpr int kChildAdd = 1;
    static constexpr int kChildEdit = 2;
    static constexpr int kChildEditArtikel = 4;
    static constexpr int kChildAddArtikel = 5;
    static constexpr int kChildSearch = 6;

protected:
    void writePositions();

private:
    bool deleteArtikel();
};

KWindow* launchSkladisceEditor (const juce::String& title, juce::Component* opener, juce::Component* openerSetup);
