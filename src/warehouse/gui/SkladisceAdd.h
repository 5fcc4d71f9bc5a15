#pragma once
// The dialog that adds a warehouse (or, as SkladisceEdit, renames the shown one) with the party
// of a consignment warehouse. Opened by the warehouse editor's "Dodaj skladisce" and "Uredi skladisce".
#include "partners/StrankaListener.h"
#include "warehouse/gui/SkladisceInput.h"

class KWindow;

class SkladisceAdd : public SkladisceInput,
                     public StrankaListener
{
public:
    explicit SkladisceAdd (bool edit);
    ~SkladisceAdd() override;

    bool save() override;
    void setStrankaIDN (StrankaRecord party, int slot) override;

    bool isEdit() const { return edit; }

private:
    bool edit = false;
};

/** The add dialog in a non-modal window; the caller has put "Cancel" (0) and "Save" (1) into its
    button list first. */
KWindow* launchSkladisceAdd (const juce::String& title, juce::Component* associated, juce::Component* opener);
