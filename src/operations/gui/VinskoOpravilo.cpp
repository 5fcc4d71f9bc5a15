#include "operations/gui/VinskoOpravilo.h"
#include "cellar/PosodaOps.h"
#include "cellar/gui/PosodaButtonPropertyComponent.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"
#include "frame/VindorWindow.h"
#include "operations/VinskoOpraviloSave.h"
#include "widgets/CalendarButtonPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorTextPropertyComponent.h"

using juce::translate;

VinskoOpravilo::VinskoOpravilo()
    : WineBookingWindow (1, 1)
{
    setName ("Opravilo");
    panel = std::make_unique<VindorPropertyPanel> (this);

    kalo = formatDecimal2 (0.0);
    kvaliteta = 2;
    ddv = defaultProductVat();
    double lastPrice = 1.0;
    if (auto* settings = getUserSettings())
        lastPrice = settings->getDoubleValue ("OdprtoAddArtikel:cenaizdelka", 1.0);
    cena = formatDecimal2 (lastPrice);

    juce::Array<juce::PropertyComponent*> cellar;
    vesselRow = new PosodaButtonPropertyComponent (translate ("Select Cistern"), translate ("Cistern label inout"), this, 1);
    cellar.add (vesselRow);
    auto* stateRow = new VindorTextPropertyComponent (stanje, translate ("Stanje posode"), 200, false);
    stateRow->setEnabled (false);
    cellar.add (stateRow);
    kaloRow = new VolumeSliderPropertyComponent (kalo, translate ("Kalo"), true);
    kaloRow->setEnabled (false);
    cellar.add (kaloRow);
    panel->addSection (translate ("Cellar Section"), cellar, true);

    varietyRow = addDeclarationSection (1, letnik, kvaliteta);
    addExtraSection (ddv, cena, opombe);
    addTreatmentAndAnalysisSections (false);

    addAndMakeVisible (*panel);
    setSize (400, 300);
}

VinskoOpravilo::~VinskoOpravilo()
{
    panel.reset();
}

void VinskoOpravilo::setPosodaIDN (posoda record, int slot)
{
    PosodaListener::setPosodaIDN (record, slot);
    vindoro::vlog ("VinskoOpravilo::setPosodaIDN", "inside " + juce::String (slot));
    const auto vessel = getPosoda (1);
    if (slot == 1)
        stanje = PosodaOps::getStanjePosode (vessel);
    if (vessel.id > 0)
    {
        kaloRow->setRange (vessel.zaloga, -1);
        kaloRow->setEnabled (true);
    }
    else
    {
        kaloRow->setEnabled (false);
    }
    showDeclaration (declarationSection, *varietyRow, vessel, letnik, kvaliteta);
    ddv = vessel.ddv.id;
    cena = formatDecimal2 (vessel.cena);
}

VinskoOpraviloInput VinskoOpravilo::collectInput() const
{
    VinskoOpraviloInput in;
    in.vessel = getPosoda (1);
    in.declarationOpen = panel->isSectionOpen (declarationSection);
    in.declaredVariety = getSorta (1);
    in.declaredVintage = letnik.toString();
    in.declaredGrade = (int) kvaliteta.getValue();
    in.kalo = kalo.toString();
    in.cena = cena.toString();
    in.ddv = (int) ddv.getValue();
    in.datum = dateRow->getDateTime();
    in.opombe = opombe.toString();
    for (size_t i = 0; i < in.agents.size(); ++i)
        in.agents[i] = getSredstvo ((int) i + 1);
    in.extras = &extras;
    in.window = const_cast<VinskoOpravilo*> (this);
    return in;
}

bool VinskoOpravilo::saveVinskoOpravilo()
{
    SQLtoXml db;
    const auto result = VinskoOpraviloSave::save (db, collectInput());
    if (! result.ok)
        setErrorMessage (result.error);
    return result.ok;
}

KWindow* launchVinskoOpravilo (const juce::String& title, juce::Component* opener, juce::Component* openerSetup)
{
    return VindorWindow::launchNormal (title, new VinskoOpravilo(), opener, openerSetup);
}
