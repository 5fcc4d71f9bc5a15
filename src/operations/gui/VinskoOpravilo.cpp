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
#include "operations/gui/AnalizaRows.h"
#include "operations/gui/TreatmentRows.h"
#include "reports/DDV.h"
#include "reports/gui/DDVChoicePropertyComponent.h"
#include "warehouse/gui/KvalitetaChoicePropertyComponent.h"
#include "widgets/CalendarButtonPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorTextPropertyComponent.h"

using juce::translate;

VinskoOpravilo::VinskoOpravilo()
    : PosodaListener (1), SortaListener (1), SredstvoListener (9)
{
    setName ("Opravilo");
    panel = std::make_unique<VindorPropertyPanel> (this);

    kalo = formatDecimal2 (0.0);
    kvaliteta = 2;
    int defaultVat = 0;
    if (auto* rates = DDV::getInstance())
        defaultVat = rates->findID (1);
    double lastPrice = 1.0;
    if (auto* settings = getUserSettings())
    {
        defaultVat = settings->getIntValue ("OdprtoAddArtikel:ddvizdelka", defaultVat);
        lastPrice = settings->getDoubleValue ("OdprtoAddArtikel:cenaizdelka", 1.0);
    }
    ddv = defaultVat;
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

    juce::Array<juce::PropertyComponent*> declaration;
    varietyRow = new SortaButtonPropertyComponent (translate ("Izberi sorto"), translate ("Tipizacija"), this, 1);
    declaration.add (varietyRow);
    declaration.add (new VindorTextPropertyComponent (letnik, translate ("Tipizacija letnik vina"), 200, false));
    if (auto* grades = KvalitetaChoicePropertyComponent::loadAndCreate (kvaliteta, translate ("Kvaliteta")))
        declaration.add (grades);
    panel->addSection (translate ("Tipizacija"), declaration, false);

    juce::Array<juce::PropertyComponent*> extra;
    dateRow = new CalendarButtonPropertyComponent (translate ("Za datum"), this, 1);
    extra.add (dateRow);
    if (auto* vat = DDVChoicePropertyComponent::loadAndCreate (ddv, translate ("DDV izdelka")))
        extra.add (vat);
    extra.add (new VindorTextPropertyComponent (cena, translate ("Cena izdelka"), 200, false));
    extra.add (new VindorTextPropertyComponent (opombe, translate ("Opombe"), 2000, true));
    panel->addSection (translate ("Dodatno"), extra, false);

    // The rows follow the order the cellar master works in, not the agent slots.
    juce::Array<juce::PropertyComponent*> treatments;
    for (auto* values : { (TreatmentValues*) &extras.sladkanje, (TreatmentValues*) &extras.zascita,
                          (TreatmentValues*) &extras.ciscenje, (TreatmentValues*) &extras.kvasovke,
                          (TreatmentValues*) &extras.encimi, (TreatmentValues*) &extras.filtracija,
                          (TreatmentValues*) &extras.korekcija, (TreatmentValues*) &extras.stabilizacija,
                          (TreatmentValues*) &extras.maceracija })
    {
        values->loadUnits();
        treatments.addArray (createTreatmentProperties (*values, agentTexts[(size_t) values->kind().slot - 1], this));
    }
    panel->addSection (translate ("Opravilo"), treatments, false);

    extras.analize.loadUnits();
    panel->addSection (translate ("Analize"), createAnalizaProperties (extras.analize, this), false);

    addAndMakeVisible (*panel);
    setSize (400, 300);
}

VinskoOpravilo::~VinskoOpravilo()
{
    panel.reset();
}

void VinskoOpravilo::resized()
{
    panel->setBounds (getLocalBounds());
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
    if (vessel.tipizacija.sorta.id > 1)
        varietyRow->setIDN (vessel.tipizacija.sorta);
    letnik = vessel.tipizacija.letnik;
    kvaliteta = vessel.tipizacija.kvaliteta;
    panel->setSectionOpen (declarationSection, vessel.tipizacija.sorta.id > 1 && vessel.zaloga > 0);
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

bool VinskoOpravilo::okAction()
{
    const bool saved = saveVinskoOpravilo();
    setDoneFlag (saved);
    if (saved)
        notifyKWindowListener();
    return saved;
}

bool VinskoOpravilo::cancelAction()
{
    setDoneFlag (true);
    notifyKWindowListener();
    return true;
}

void VinskoOpravilo::prepareToClose()
{
    for (const auto* values : extras.holders())
        if (values->kind().hasAmount)
            values->saveUnits();
    extras.analize.saveUnits();
}

KWindow* launchVinskoOpravilo (const juce::String& title, juce::Component* opener, juce::Component* openerSetup)
{
    return VindorWindow::launchNormal (title, new VinskoOpravilo(), opener, openerSetup);
}
