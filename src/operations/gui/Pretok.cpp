#include "operations/gui/Pretok.h"
#include "cellar/PosodaOps.h"
#include "cellar/gui/PosodaButtonPropertyComponent.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"
#include "frame/MessageBoxes.h"
#include "frame/VindorWindow.h"
#include "operations/PretokSave.h"
#include "operations/gui/AnalizaRows.h"
#include "operations/gui/TreatmentRows.h"
#include "reports/DDV.h"
#include "reports/gui/DDVChoicePropertyComponent.h"
#include "warehouse/gui/KvalitetaChoicePropertyComponent.h"
#include "widgets/CalendarButtonPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorTextPropertyComponent.h"

using juce::translate;

namespace
{
/** A slider's litres: a number as the slider left it, or text as typed into its box. */
double litresOf (const juce::Value& value)
{
    const auto v = value.getValue();
    return v.isString() ? parseDecimal2 (v.toString()) : (double) v;
}
} // namespace

Pretok::Pretok()
    : PosodaListener (2), SortaListener (1), SredstvoListener (9)
{
    setName ("Pretok");
    panel = std::make_unique<VindorPropertyPanel> (this);

    volumen = 0.0;
    kalo = 0.0;
    kvaliteta = 2;
    int defaultVat = 0;
    if (auto* rates = DDV::getInstance())
        defaultVat = rates->findID (1);
    double lastPrice = 1.0;
    if (auto* settings = getUserSettings())
    {
        defaultVat = settings->getIntValue ("OdprtoAddArtikel:ddvizdelka", defaultVat);
        lastPrice = settings->getDoubleValue ("Pretok:cenavina", 1.0);
    }
    ddv = defaultVat;
    cena = juce::String (lastPrice, 2);

    juce::Array<juce::PropertyComponent*> cellar;
    sourceRow = new PosodaButtonPropertyComponent (translate ("Select Cistern"), translate ("Cistern label out"), this, 1);
    cellar.add (sourceRow);
    auto* sourceState = new VindorTextPropertyComponent (stanjeOut, translate ("Stanje posode"), 200, false);
    sourceState->setEnabled (false);
    cellar.add (sourceState);
    targetRow = new PosodaButtonPropertyComponent (translate ("Select Cistern"), translate ("Cistern label in"), this, 2);
    cellar.add (targetRow);
    auto* targetState = new VindorTextPropertyComponent (stanjeIn, translate ("Stanje posode"), 200, false);
    targetState->setEnabled (false);
    cellar.add (targetState);
    panel->addSection (translate ("Cellar Section"), cellar, true);

    juce::Array<juce::PropertyComponent*> transfer;
    volumeRow = new VolumeSliderPropertyComponent (volumen, translate ("Quantity"), true);
    volumeRow->setEnabled (false);
    transfer.add (volumeRow);
    kaloRow = new VolumeSliderPropertyComponent (kalo, translate ("Kalo"), true);
    kaloRow->setEnabled (false);
    transfer.add (kaloRow);
    panel->addSection (translate ("Transfer Section"), transfer, true);

    juce::Array<juce::PropertyComponent*> declaration;
    declaredRow = new SortaButtonPropertyComponent (translate ("Izberi sorto"), translate ("Tipizacija"), this, 1);
    declaration.add (declaredRow);
    declaration.add (new VindorTextPropertyComponent (tipLetnik, translate ("Tipizacija letnik vina"), 200, false));
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
        if (values->kind().hasAmount)
            values->loadUnits();
        treatments.addArray (createTreatmentProperties (*values, agentTexts[(size_t) values->kind().slot - 1], this));
    }
    panel->addSection (translate ("Opravilo"), treatments, false);

    extras.analize.loadUnits();
    panel->addSection (translate ("Analize"), createAnalizaProperties (extras.analize, this), false);

    kalo.addListener (this);
    opombe.addListener (this);
    addAndMakeVisible (*panel);
    setSize (800, 600);
}

Pretok::~Pretok()
{
    kalo.removeListener (this);
    opombe.removeListener (this);
    panel.reset();
}

void Pretok::resized()
{
    panel->setBounds (getLocalBounds());
}

void Pretok::valueChanged (juce::Value& value)
{
    if (value.refersToSameSourceAs (opombe))
    {
        remark = opombe.toString();
        return;
    }
    if (value.refersToSameSourceAs (kalo))
    {
        const auto source = getPosoda (1);
        const auto target = getPosoda (2);
        if (source.id > 0 && target.id > 0)
        {
            volumeRow->setEnabled (true);
            volumeRow->setRange (juce::jmin (source.zaloga - litresOf (kalo), target.volumen - target.zaloga), -1);
        }
    }
}

void Pretok::updateSliders()
{
    const auto source = getPosoda (1);
    const auto target = getPosoda (2);
    if (source.id < 1 || target.id < 1)
    {
        volumeRow->setEnabled (false);
        kaloRow->setEnabled (false);
        return;
    }
    volumeRow->setEnabled (true);
    volumeRow->setRange (juce::jmin (target.volumen - target.zaloga, source.zaloga - litresOf (kalo)), -1);
    kaloRow->setEnabled (true);
    kaloRow->setRange (source.zaloga, -1);
}

void Pretok::setPosodaIDN (posoda record, int slot)
{
    PosodaListener::setPosodaIDN (record, slot);
    vindoro::vlog ("Pretok::setPosodaIDN", "inside " + juce::String (slot));
    const auto vessel = getPosoda (slot);
    if (slot == 1)
        stanjeOut = PosodaOps::getStanjePosode (vessel);
    else if (slot == 2)
        stanjeIn = PosodaOps::getStanjePosode (vessel);
    updateSliders();
    if (slot != 2)
        return;
    if (vessel.tipizacija.sorta.id > 1)
        declaredRow->setIDN (vessel.tipizacija.sorta);
    tipLetnik = vessel.tipizacija.letnik;
    kvaliteta = vessel.tipizacija.kvaliteta;
    panel->setSectionOpen (declarationSection, vessel.tipizacija.sorta.id > 1 && vessel.zaloga > 0);
    ddv = vessel.ddv.id;
    cena = juce::String (vessel.cena, 2);
}

PretokForm Pretok::collectForm()
{
    PretokForm form;
    form.source = getPosoda (1);
    form.target = getPosoda (2);
    // The slider's number enters the save rounded to hundredths, as it is shown.
    form.volumen = parseDecimal2 (formatDecimal2 (litresOf (volumen)));
    form.kalo = parseDecimal2 (formatDecimal2 (litresOf (kalo)));
    form.declarationOpen = panel->isSectionOpen (declarationSection);
    form.tipSorta = getSorta (1);
    form.tipLetnik = tipLetnik.toString();
    form.kvaliteta = (int) kvaliteta.getValue();
    form.datum = dateRow->getDateTime();
    form.ddv = (int) ddv.getValue();
    form.cena = cena.toString();
    form.opombe = remark;
    for (int slot = 1; slot <= 9; ++slot)
        form.agents[(size_t) slot - 1] = getSredstvo (slot).id;
    form.copySourceDeclaration = [this]
    { return askYesNoCancel (1, translate ("Pretok"), translate ("Posoda v katero gre nima tipizacije, poberi od prve posode"), this) == 1; };
    return form;
}

bool Pretok::savePretok()
{
    SQLtoXml db;
    juce::String error;
    if (PretokSave::save (db, collectForm(), extras, this, error))
        return true;
    setErrorMessage (error);
    return false;
}

bool Pretok::okAction()
{
    const bool saved = savePretok();
    setDoneFlag (saved);
    if (saved)
        notifyKWindowListener();
    return saved;
}

bool Pretok::cancelAction()
{
    setDoneFlag (true);
    notifyKWindowListener();
    return true;
}

void Pretok::prepareToClose()
{
    for (const auto* values : extras.holders())
        if (values->kind().hasAmount)
            values->saveUnits();
    extras.analize.saveUnits();
}

KWindow* launchPretok (const juce::String& title, juce::Component* opener, juce::Component* openerSetup)
{
    return VindorWindow::launchNormal (title, new Pretok(), opener, openerSetup);
}
