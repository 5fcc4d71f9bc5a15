#include "operations/gui/WineBookingWindow.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "core/Globals.h"
#include "operations/gui/AnalizaRows.h"
#include "operations/gui/TreatmentRows.h"
#include "reports/DDV.h"
#include "reports/gui/DDVChoicePropertyComponent.h"
#include "warehouse/gui/KvalitetaChoicePropertyComponent.h"
#include "widgets/CalendarButtonPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorTextPropertyComponent.h"

using juce::translate;

WineBookingWindow::WineBookingWindow (int vesselSlots, int varietySlots)
    : PosodaListener (vesselSlots), SortaListener (varietySlots), SredstvoListener (9)
{
}

WineBookingWindow::~WineBookingWindow() = default;

void WineBookingWindow::resized()
{
    panel->setBounds (getLocalBounds());
}

bool WineBookingWindow::okAction()
{
    const bool saved = book();
    setDoneFlag (saved);
    if (saved)
        notifyKWindowListener();
    return saved;
}

bool WineBookingWindow::cancelAction()
{
    setDoneFlag (true);
    notifyKWindowListener();
    return true;
}

void WineBookingWindow::prepareToClose()
{
    for (const auto* values : extras.holders())
        if (values->kind().hasAmount)
            values->saveUnits();
    extras.analize.saveUnits();
}

int WineBookingWindow::defaultProductVat()
{
    int vat = 0;
    if (auto* rates = DDV::getInstance())
        vat = rates->findID (1);
    if (auto* settings = getUserSettings())
        vat = settings->getIntValue ("OdprtoAddArtikel:ddvizdelka", vat);
    return vat;
}

SortaButtonPropertyComponent* WineBookingWindow::addDeclarationSection (VindorPropertyPanel& panel, juce::Component* owner,
                                                                        int sortaSlot, juce::Value& vintage, juce::Value& grade)
{
    juce::Array<juce::PropertyComponent*> declaration;
    auto* varietyRow = new SortaButtonPropertyComponent (translate ("Izberi sorto"), translate ("Tipizacija"), owner, sortaSlot);
    declaration.add (varietyRow);
    declaration.add (new VindorTextPropertyComponent (vintage, translate ("Tipizacija letnik vina"), 200, false));
    if (auto* grades = KvalitetaChoicePropertyComponent::loadAndCreate (grade, translate ("Kvaliteta")))
        declaration.add (grades);
    panel.addSection (translate ("Tipizacija"), declaration, false);
    return varietyRow;
}

void WineBookingWindow::showDeclaration (int section, SortaButtonPropertyComponent& varietyRow, const posoda& vessel,
                                         juce::Value& vintage, juce::Value& grade)
{
    if (vessel.tipizacija.sorta.id > 1)
        varietyRow.setIDN (vessel.tipizacija.sorta);
    vintage = vessel.tipizacija.letnik;
    grade = vessel.tipizacija.kvaliteta;
    panel->setSectionOpen (section, vessel.tipizacija.sorta.id > 1 && vessel.zaloga > 0);
}

void WineBookingWindow::addExtraSection (juce::Value& ddv, juce::Value& cena, juce::Value& opombe)
{
    juce::Array<juce::PropertyComponent*> extra;
    dateRow = new CalendarButtonPropertyComponent (translate ("Za datum"), this, 1);
    extra.add (dateRow);
    if (auto* vat = DDVChoicePropertyComponent::loadAndCreate (ddv, translate ("DDV izdelka")))
        extra.add (vat);
    extra.add (new VindorTextPropertyComponent (cena, translate ("Cena izdelka"), 200, false));
    extra.add (new VindorTextPropertyComponent (opombe, translate ("Opombe"), 2000, true));
    panel->addSection (translate ("Dodatno"), extra, false);
}

void WineBookingWindow::addTreatmentAndAnalysisSections (bool unitsOfAmountsOnly)
{
    // The rows follow the order the cellar master works in, not the agent slots.
    juce::Array<juce::PropertyComponent*> treatments;
    for (auto* values : { (TreatmentValues*) &extras.sladkanje, (TreatmentValues*) &extras.zascita,
                          (TreatmentValues*) &extras.ciscenje, (TreatmentValues*) &extras.kvasovke,
                          (TreatmentValues*) &extras.encimi, (TreatmentValues*) &extras.filtracija,
                          (TreatmentValues*) &extras.korekcija, (TreatmentValues*) &extras.stabilizacija,
                          (TreatmentValues*) &extras.maceracija })
    {
        if (values->kind().hasAmount || ! unitsOfAmountsOnly)
            values->loadUnits();
        treatments.addArray (createTreatmentProperties (*values, agentTexts[(size_t) values->kind().slot - 1], this));
    }
    panel->addSection (translate ("Opravilo"), treatments, false);

    extras.analize.loadUnits();
    panel->addSection (translate ("Analize"), createAnalizaProperties (extras.analize, this), false);
}
