#include "operations/gui/VnosZalog.h"
#include "cellar/gui/ParcelaButtonPropertyComponent.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "core/DateTime.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"
#include "operations/VnosZalogSave.h"
#include "operations/gui/WineBookingWindow.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorTextPropertyComponent.h"

using juce::translate;

VnosZalog::VnosZalog() : PosodaListener (1), SortaListener (2)
{
    setName (translate ("VnosZalog"));
    panel = std::make_unique<VindorPropertyPanel> (this);
    storedVintage = VnosZalogSave::rememberedVintage();
    letnik = storedVintage;
    kolicina = formatDecimal0 (0.0);
    kvaliteta = 2;

    juce::Array<juce::PropertyComponent*> transfer;
    transfer.add (new VindorTextPropertyComponent (oznaka, translate ("Posoda"), 200, false));
    stanjeRow = new VolumeSliderPropertyComponent (stanje, translate ("Stanje posode"), false);
    transfer.add (stanjeRow);
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

    letnik.addListener (this);
    addAndMakeVisible (*panel);
    setSize (800, 600);
    vindoro::vlog ("VnosZalog::VnosZalog", "exiting");
}

VnosZalog::~VnosZalog()
{
    letnik.removeListener (this);
    panel.reset();
}

void VnosZalog::resized()
{
    panel->setBounds (getLocalBounds());
}

void VnosZalog::valueChanged (juce::Value& value)
{
    if (value.refersToSameSourceAs (letnik))
        DateTime::checkLetnik (letnik, storedVintage);
}

void VnosZalog::setPosodaIDN (posoda record, int slot)
{
    PosodaListener::setPosodaIDN (record, slot);
    vindoro::vlog ("VnosZalog::setPosodaIDN", "inside which:" + juce::String (slot));
    const auto vessel = getPosoda (1);
    kolicinaRow->setRange (vessel.volumen - vessel.zaloga, -1);
    stanjeRow->setRange (vessel.volumen, vessel.zaloga);
    if (vessel.tipizacija.sorta.id > 1)
        declaredRow->setIDN (vessel.tipizacija.sorta);
    tipLetnik = vessel.tipizacija.letnik;
    kvaliteta = vessel.tipizacija.kvaliteta;
    panel->setSectionOpen (declarationSection, vessel.tipizacija.sorta.id > 1 && vessel.zaloga > 0);
    oznaka = vessel.oznaka;
    vindoro::vlog ("VnosZalog::setPosodaIDN", "end");
}

bool VnosZalog::save()
{
    VnosZalogForm form;
    form.vessel = getPosoda (1);
    form.sorta = getSorta (1);
    form.letnik = storedVintage;
    form.kolicina = kolicina.toString();
    form.parcela = parcelRow->getParcela().id;
    form.declarationOpen = panel->isSectionOpen (declarationSection);
    form.tipSorta = getSorta (2);
    form.tipLetnik = tipLetnik.toString();
    form.kvaliteta = (int) kvaliteta.getValue();
    form.opombe = opombe.toString();
    SQLtoXml db;
    juce::String error;
    posoda raised;
    if (! VnosZalogSave::save (db, form, this, error, nullptr, &raised))
    {
        setErrorMessage (error);
        return false;
    }
    // Only a booked entry raises the stock the opener reads back.
    PosodaListener::setPosodaIDN (raised, 1);
    return true;
}

bool VnosZalog::okAction()
{
    const bool saved = save();
    setDoneFlag (saved);
    if (saved)
        notifyKWindowListener();
    return saved;
}

bool VnosZalog::cancelAction()
{
    setDoneFlag (true);
    notifyKWindowListener();
    return true;
}
