#include "operations/gui/UrediZalog.h"
#include "cellar/PosodaOps.h"
#include "cellar/gui/ParcelaButtonPropertyComponent.h"
#include "cellar/gui/PosodaButtonPropertyComponent.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "core/DateTime.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"
#include "operations/UrediZalogSave.h"
#include "operations/gui/WineBookingWindow.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorTextPropertyComponent.h"

using juce::translate;

UrediZalog::UrediZalog (const juce::XmlElement* row, posoda vessel) : PosodaListener (1), SortaListener (2), VinoListener (2)
{
    setName (translate ("UrediZalog"));
    panel = std::make_unique<VindorPropertyPanel> (this);
    kvaliteta = 2;

    juce::Array<juce::PropertyComponent*> transfer;
    vesselRow = new PosodaButtonPropertyComponent (translate ("Select Cistern"), translate ("Cistern label in"), this, 1);
    transfer.add (vesselRow);
    auto* stateRow = new VindorTextPropertyComponent (stanje, translate ("Stanje posode"), 200, false);
    stateRow->setEnabled (false);
    transfer.add (stateRow);
    varietyRow = new SortaButtonPropertyComponent (translate ("Izberi sorto"), translate ("Sorta"), this, 1);
    transfer.add (varietyRow);
    transfer.add (new VindorTextPropertyComponent (letnik, translate ("Letnik"), 200, false));
    kolicinaRow = new VolumeSliderPropertyComponent (kolicina, translate ("Quantity"), true);
    transfer.add (kolicinaRow);
    panel->addSection (translate ("Transfer Section"), transfer, true);

    declaredRow = WineBookingWindow::addDeclarationSection (*panel, this, 2, tipLetnik, kvaliteta);

    juce::Array<juce::PropertyComponent*> extra;
    parcelRow = new ParcelaButtonPropertyComponent (translate ("Izberi parcelo"), translate ("Parcela"), this);
    extra.add (parcelRow);
    extra.add (new VindorTextPropertyComponent (opombe, translate ("Opombe"), 2000, true));
    panel->addSection (translate ("Dodatno"), extra, false);

    loadedVessel = vessel;
    vesselRow->setPosoda (vessel);
    setPosodaIDN (vessel, 1);
    loaded = interpretVinoXml (row);
    setIDN (loaded, 1);
    parcelRow->setIDN (loaded.parcela);
    varietyRow->setIDN (loaded.sorta);

    letnik.addListener (this);
    addAndMakeVisible (*panel);
    setSize (800, 600);
    vindoro::vlog ("UrediZalog::UrediZalog", "exiting");
}

UrediZalog::~UrediZalog()
{
    letnik.removeListener (this);
    panel.reset();
}

void UrediZalog::resized()
{
    panel->setBounds (getLocalBounds());
}

void UrediZalog::setPosodaIDN (posoda record, int slot)
{
    PosodaListener::setPosodaIDN (record, slot);
    vindoro::vlog ("UrediZalog::setPosodaIDN", "inside which:" + juce::String (slot));
    const auto vessel = getPosoda (1);
    kolicinaRow->setRange (vessel.volumen - vessel.zaloga, -1);
    stanje = PosodaOps::getStanjePosode (vessel);
    if (vessel.tipizacija.sorta.id > 1)
        declaredRow->setIDN (vessel.tipizacija.sorta);
    tipLetnik = vessel.tipizacija.letnik;
    kvaliteta = vessel.tipizacija.kvaliteta;
    panel->setSectionOpen (declarationSection, vessel.tipizacija.sorta.id > 1 && vessel.zaloga > 0);
    compareVessel = vessel;
    vindoro::vlog ("UrediZalog::setPosodaIDN", "end");
}

void UrediZalog::setIDN (VinoRecord wine, int slot)
{
    VinoListener::setIDN (wine, slot);
    if (slot != 1)
        return;
    const auto held = getVino (1);
    const auto vessel = getPosoda (1);
    kolicinaRow->setRange (vessel.volumen - vessel.zaloga + held.volumen, -1);
    letnik = held.letnik;
    // Two decimals, so a save of what was shown books nothing.
    kolicina = formatDecimal2 (loaded.id == held.id ? loaded.volumen : held.volumen);
}

void UrediZalog::valueChanged (juce::Value& value)
{
    if (! value.refersToSameSourceAs (letnik))
        return;
    auto wine = getVino (1);
    const int before = wine.letnik;
    if (DateTime::checkLetnik (letnik, wine.letnik) && wine.letnik != before)
        setIDN (wine, 1);
}

bool UrediZalog::save()
{
    UrediZalogForm form;
    form.loadedVessel = loadedVessel;
    form.loaded = loaded;
    form.vessel = getPosoda (1);
    form.wine = getVino (1);
    form.kolicina = kolicina.toString();
    form.declarationOpen = panel->isSectionOpen (declarationSection);
    form.tipSorta = getSorta (2);
    form.tipLetnik = tipLetnik.toString();
    form.kvaliteta = (int) kvaliteta.getValue();
    form.opombe = opombe.toString();
    SQLtoXml db;
    juce::String error;
    if (! UrediZalogSave::save (db, form, this, error))
    {
        setErrorMessage (error);
        return false;
    }
    PosodaListener::setPosodaIDN (loadedVessel, 1);
    return true;
}

bool UrediZalog::okAction()
{
    const bool saved = save();
    setDoneFlag (saved);
    if (saved)
        notifyKWindowListener();
    return saved;
}

bool UrediZalog::cancelAction()
{
    setDoneFlag (true);
    notifyKWindowListener();
    return true;
}
