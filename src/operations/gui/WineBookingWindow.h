#pragma once
// What the wine-booking windows (harvest, transfer, wine care) share: the vessel's declaration,
// the "Dodatno" rows (date, VAT, price, remarks), the treatments with their agents, the analysis,
// and closing. Each window adds its own sections and books its own operation.
#include "cellar/PosodaListener.h"
#include "cellar/SortaListener.h"
#include "frame/VindorWindowAction.h"
#include "operations/SredstvoListener.h"
#include "operations/WineOperationExtras.h"
#include <array>
#include <memory>

class VindorPropertyPanel;
class SortaButtonPropertyComponent;
class CalendarButtonPropertyComponent;

class WineBookingWindow : public juce::Component,
                          public juce::Value::Listener,
                          public VindorWindowAction,
                          public PosodaListener,
                          public SortaListener,
                          public SredstvoListener
{
public:
    /** Adds the "Tipizacija" section (closed) to any wine window's panel; the variety row reports
        to the owner's `sortaSlot`. */
    static SortaButtonPropertyComponent* addDeclarationSection (VindorPropertyPanel& panel, juce::Component* owner, int sortaSlot,
                                                                juce::Value& vintage, juce::Value& grade);

    ~WineBookingWindow() override;

    void resized() override;
    bool okAction() override;
    bool cancelAction() override;
    void prepareToClose() override;

    VindorPropertyPanel& getPanel() { return *panel; }

protected:
    WineBookingWindow (int vesselSlots, int varietySlots);

    /** Books the operation; false leaves the reason as the window's error text. */
    virtual bool book() = 0;

    /** The VAT a new product takes: the one last chosen for a product, else the first rate. */
    static int defaultProductVat();

    SortaButtonPropertyComponent* addDeclarationSection (int sortaSlot, juce::Value& vintage, juce::Value& grade)
    {
        return addDeclarationSection (*panel, this, sortaSlot, vintage, grade);
    }
    /** Shows a vessel's declaration, opening the section only for a filled vessel with one. */
    void showDeclaration (int section, SortaButtonPropertyComponent& varietyRow, const posoda& vessel,
                          juce::Value& vintage, juce::Value& grade);
    /** Adds the "Dodatno" section (closed), its date row becoming `dateRow`. */
    void addExtraSection (juce::Value& ddv, juce::Value& cena, juce::Value& opombe);
    /** Adds the "Opravilo" and "Analize" sections (closed) after loading the units last used; with
        `unitsOfAmountsOnly` the kinds without an amount keep theirs. */
    void addTreatmentAndAnalysisSections (bool unitsOfAmountsOnly);

    WineOperationExtras extras;
    std::array<juce::Value, 9> agentTexts;

    std::unique_ptr<VindorPropertyPanel> panel;
    CalendarButtonPropertyComponent* dateRow = nullptr;
};
