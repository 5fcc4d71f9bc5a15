#include "operations/gui/VnosZalogXml.h"
#include "cellar/gui/ParcelaButtonPropertyComponent.h"
#include "cellar/gui/PregledBazeParcela.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "core/DateTime.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"
#include "operations/VnosZalogSave.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorTextPropertyComponent.h"

using juce::translate;

namespace
{
constexpr const char* kPrepare = "VnosZalogXml::prepareXml";
}

VnosZalogXml::VnosZalogXml (juce::XmlElement* element) : SortaListener (1), row (element)
{
    setName (translate ("VnosZalogXml"));
    panel = std::make_unique<VindorPropertyPanel> (this);
    storedVintage = VnosZalogSave::rememberedVintage();
    letnik = storedVintage;
    kolicina = formatDecimal0 (0.0);

    juce::Array<juce::PropertyComponent*> rows;
    varietyRow = new SortaButtonPropertyComponent (translate ("Izberi sorto"), translate ("Sorta"), this, 1);
    rows.add (varietyRow);
    rows.add (new VindorTextPropertyComponent (letnik, translate ("Letnik"), 200, false));
    kolicinaRow = new VolumeSliderPropertyComponent (kolicina, translate ("Quantity"), true);
    rows.add (kolicinaRow);
    parcelRow = new ParcelaButtonPropertyComponent (translate ("Izberi parcelo"), translate ("Parcela"), this);
    rows.add (parcelRow);
    panel->addSection ({}, rows, true);
    letnik.addListener (this);

    if (row != nullptr)
    {
        SortaRecord variety;
        variety.id = row->getIntAttribute ("sortaid", 0);
        variety.sorta = row->getStringAttribute ("sorta");
        varietyRow->setIDN (variety);
        // A missing vintage reads 0, which the vintage check turns back into the stored one.
        letnik = row->getIntAttribute ("letnik", 0);
        kolicina = row->getDoubleAttribute ("volumen", 0.0);
        const auto parcel = PregledBazeParcela::interpretXml (row);
        if (parcel.id > 0)
            parcelRow->setIDN (parcel);
    }

    addAndMakeVisible (*panel);
    setSize (800, 600);
    vindoro::vlog ("VnosZalogXml::VnosZalogXml", "exiting");
}

VnosZalogXml::~VnosZalogXml()
{
    letnik.removeListener (this);
    panel.reset();
    ownedRow.reset();
}

void VnosZalogXml::resized()
{
    panel->setBounds (getLocalBounds());
}

void VnosZalogXml::valueChanged (juce::Value& value)
{
    if (value.refersToSameSourceAs (letnik))
        DateTime::checkLetnik (letnik, storedVintage);
}

void VnosZalogXml::setPosodaIDN (posoda vessel)
{
    kolicinaRow->setRange (vessel.volumen - vessel.zaloga, -1);
    vindoro::vlog ("VnosZalogXml::setPosodaIDN", "end");
}

void VnosZalogXml::setMaxVolume (double litres)
{
    if (kolicinaRow != nullptr)
        kolicinaRow->setRange (litres, -1);
}

juce::XmlElement* VnosZalogXml::takeXml()
{
    ownedRow.release();
    return row;
}

bool VnosZalogXml::prepareXml()
{
    if (row == nullptr)
    {
        ownedRow = std::make_unique<juce::XmlElement> ("ITEM");
        row = ownedRow.get();
    }
    // The vintage typed last may not have reached the listener yet.
    DateTime::checkLetnik (letnik, storedVintage);
    const auto variety = getSorta (1);
    if (variety.id < 1)
    {
        vindoro::vlog (kPrepare, "ERROR: sorta id is " + juce::String (variety.id));
        setErrorMessage (translate ("Sorta ni izbrana"));
        return false;
    }
    auto parcel = parcelRow != nullptr ? parcelRow->getParcela() : ParcelaRecord();
    int parcela = parcel.id;
    if (parcela < 0)
    {
        parcela = 1;
        vindoro::vlog (kPrepare, "INFO: parcela postavljena na id " + juce::String (parcela));
    }
    const auto typed = kolicina.toString();
    const auto volume = parseDecimal2 (typed);
    vindoro::vlog (kPrepare, "volumen je " + juce::String (volume) + " string je bil:" + typed);
    if (! (volume > 0.0))
    {
        vindoro::vlog (kPrepare, "ERROR: volumen pretoka is  " + juce::String (volume) + " ");
        setErrorMessage (translate ("Volumen pretoka ni dolocen"));
        return false;
    }
    VnosZalogSave::rememberVintage (storedVintage);

    int wine = 0;
    {
        SQLtoXml db;
        wine = VnosZalogSave::findWine (db, parcela, variety.id, storedVintage);
    }

    row->setAttribute ("sorta", variety.sorta);
    row->setAttribute ("sortaid", variety.id);
    row->setAttribute ("letnik", storedVintage);
    row->setAttribute ("volumen", volume);
    row->setAttribute ("volumen_orig", volume);
    row->setAttribute ("vime", parcel.id > 0 ? parcel.vinogradnik.ime : juce::String());
    row->setAttribute ("parcela", parcel.id > 0 ? parcel.ime : juce::String());
    row->setAttribute ("parcelaid", parcela);
    row->setAttribute ("vinoid", wine);
    return true;
}

bool VnosZalogXml::okAction()
{
    const bool prepared = prepareXml();
    setDoneFlag (prepared);
    if (prepared)
        notifyKWindowListener();
    return prepared;
}

bool VnosZalogXml::editAction()
{
    return okAction();
}

bool VnosZalogXml::cancelAction()
{
    setDoneFlag (true);
    notifyKWindowListener();
    return true;
}
