#include "warehouse/gui/Steklenice.h"

#include "cellar/PosodaOps.h"
#include "cellar/gui/PosodaButtonPropertyComponent.h"
#include "cellar/gui/SerijaButtonPropertyComponent.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"
#include "frame/MessageBoxes.h"
#include "frame/VindorWindow.h"
#include "operations/gui/AnalizaRows.h"
#include "reports/DDV.h"
#include "reports/gui/DDVChoicePropertyComponent.h"
#include "warehouse/StekleniceSave.h"
#include "warehouse/gui/SkladisceButtonPropertyComponent.h"
#include "widgets/CalendarButtonPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorTextPropertyComponent.h"

#include <cmath>

using juce::String;
using juce::translate;
using vindoro::Litres;

namespace
{
constexpr const char* kPriceSetting = "SerijaAddArtikel:cenaizdelka";
constexpr const char* kVatSetting = "SerijaAddArtikel:ddvizdelka";

/** A slider's number as the slider left it, or its text as typed into its box. */
double numberOf (const juce::Value& value)
{
    const auto v = value.getValue();
    return v.isString() ? parseDecimal (v.toString()) : (double) v;
}

/** Litres to the hundredth, halves away from zero, as the rows show them. */
Litres litresOf (double value)
{
    return Litres::fromStoredDouble (value).value_or (Litres());
}

String priceText (double price)
{
    return formatDecimal2 (price);
}
} // namespace

Steklenice::Steklenice()
    : PosodaListener (1), SredstvoListener (1)
{
    setName ("Steklenice");
    vessel.id = -1;
    batch = SerijaListener::getSerija();
    batch.id = -1;
    warehouse.id = -1;
    panel = std::make_unique<VindorPropertyPanel> (this);

    kolicina = 0.0;
    stevilo = 0;
    kalo = 0.0;
    serijaId = -1;
    double lastPrice = 1.0;
    int lastVat = 0;
    if (auto* rates = DDV::getInstance())
        lastVat = rates->findID (1);
    if (auto* settings = getUserSettings())
    {
        lastPrice = settings->getDoubleValue (kPriceSetting, 1.0);
        lastVat = settings->getIntValue (kVatSetting, lastVat);
    }
    cena = priceText (lastPrice);
    ddv = lastVat;

    juce::Array<juce::PropertyComponent*> transfer;
    vesselRow = new PosodaButtonPropertyComponent (translate ("Select Cistern"), translate ("Cistern label out"), this, 1);
    transfer.add (vesselRow);
    auto* state = new VindorTextPropertyComponent (stanje, translate ("Stanje posode"), 200, false);
    state->setEnabled (false);
    transfer.add (state);
    batchRow = new SerijaButtonPropertyComponent (translate ("Izberi serijo"), translate ("Serija"), this, false, false);
    batchRow->setSerijaLetnik (letnik);
    transfer.add (batchRow);
    quantityRow = new VolumeSliderPropertyComponent (kolicina, translate ("Wine Quantity"), true);
    transfer.add (quantityRow);
    bottlesRow = new VolumeSliderPropertyComponent (stevilo, translate ("Number of bottles"), true);
    transfer.add (bottlesRow);
    lossRow = new VolumeSliderPropertyComponent (kalo, translate ("Kalo"), true);
    transfer.add (lossRow);
    warehouseRow = new SkladisceButtonPropertyComponent (translate ("Skladisce"), translate ("Izberi skladisce"), this);
    transfer.add (warehouseRow);
    transfer.add (new VindorTextPropertyComponent (cena, translate ("Cena izdelka"), 200, false));
    if (auto* vat = DDVChoicePropertyComponent::loadAndCreate (ddv, translate ("DDV izdelka")))
        transfer.add (vat);
    panel->addSection (translate ("Transfer Section"), transfer, true);

    juce::Array<juce::PropertyComponent*> extra;
    dateRow = new CalendarButtonPropertyComponent (translate ("Za datum"), this, 1);
    extra.add (dateRow);
    extra.add (new VindorTextPropertyComponent (opombe, translate ("Opombe"), 2000, true));
    panel->addSection (translate ("Dodatno"), extra, false);

    analize.loadUnits();
    panel->addSection (translate ("Analize"), createAnalizaProperties (analize, this), false);

    for (auto* value : { &kolicina, &stevilo, &kalo, &cena, &opombe, &serijaId })
        value->addListener (this);
    addAndMakeVisible (*panel);
    setSize (800, 600);
    vindoro::vlog ("Steklenice::Steklenice", "exiting");
}

Steklenice::~Steklenice()
{
    vindoro::vlog ("Steklenice::~Steklenice", "in the destructor of Steklenice");
    for (auto* value : { &kolicina, &stevilo, &kalo, &cena, &opombe, &serijaId })
        value->removeListener (this);
    panel.reset();
}

void Steklenice::resized()
{
    panel->setBounds (getLocalBounds());
}

bool Steklenice::okAction()
{
    const bool saved = saveSteklenice();
    setDoneFlag (saved);
    if (saved)
        notifyKWindowListener();
    return saved;
}

bool Steklenice::cancelAction()
{
    setDoneFlag (true);
    notifyKWindowListener();
    return true;
}

void Steklenice::prepareToClose()
{
    if (auto* settings = getUserSettings())
    {
        settings->setValue (kPriceSetting, parseDecimal2 (cena.toString()));
        settings->setValue (kVatSetting, (int) ddv.getValue());
    }
    analize.saveUnits();
}

std::int64_t Steklenice::bottle() const
{
    return StekleniceSave::bottleMillionths (batch);
}

double Steklenice::loss() const
{
    return numberOf (kalo);
}

void Steklenice::setBottleMaximum()
{
    if (const auto size = bottle(); size > 0)
        bottlesRow->setRange ((double) StekleniceSave::bottlesIn (litresOf (stock() - loss()), size), -1);
}

void Steklenice::valueChanged (juce::Value& value)
{
    static const char* where = "Steklenice::valueChanged";
    if (value.refersToSameSourceAs (opombe))
    {
        remark = opombe.toString();
        vindoro::vlog (where, "opombe value changed");
        return;
    }
    if (value.refersToSameSourceAs (cena))
    {
        const double p = parseDecimal2 (cena.toString());
        const auto text = priceText (p < 0 ? 0.0 : p);
        if (text != cena.toString())
            cena = text;
        return;
    }
    if (value.refersToSameSourceAs (kalo))
    {
        const auto k = litresOf (loss());
        if (k.isZero() || vessel.id < 1)
            return;
        const auto s = litresOf (stock());
        if (k > s)
        {
            kalo = s.toDouble();
            return;
        }
        const auto free = s - k;
        const auto size = bottle();
        if (bookedBottles > 0 && size > 0 && StekleniceSave::volumeOf (bookedBottles, size) > free)
            stevilo = (int) StekleniceSave::bottlesIn (free, size);
        else if (bookedQuantity > 0 && litresOf (bookedQuantity) > free)
            kolicina = free.toDouble();
        quantityRow->setRange (free.toDouble(), -1);
        if (size > 0)
            bottlesRow->setRange ((double) StekleniceSave::bottlesIn (free, size), -1);
        return;
    }
    if (value.refersToSameSourceAs (kolicina))
    {
        auto q = litresOf (numberOf (kolicina));
        std::int64_t b = 0;
        // A batch whose bottle holds nothing counts as no batch: no bottle count follows from it.
        if (const auto size = bottle(); size > 0)
        {
            b = StekleniceSave::bottlesIn (q, size);
            q = StekleniceSave::volumeOf (b, size);
        }
        if (q != litresOf (bookedQuantity))
        {
            bookedQuantity = q.toDouble();
            bookedBottles = (int) b;
            stevilo = (int) b;
        }
        return;
    }
    if (value.refersToSameSourceAs (stevilo))
    {
        const double typed = std::floor (numberOf (stevilo));
        const int b = typed > 0 && typed < 2.0e9 ? (int) typed : 0;
        const auto size = bottle();
        const auto q = size > 0 ? StekleniceSave::volumeOf (b, size) : Litres();
        if (b != bookedBottles)
        {
            bookedQuantity = q.toDouble();
            bookedBottles = b;
            kolicina = q.toDouble();
        }
        return;
    }
    if (value.refersToSameSourceAs (serijaId))
    {
        const int id = (int) serijaId.getValue();
        // Batch 1 is the placeholder every database starts with: it has no article of its own.
        if (id < 2)
            return;
        SQLtoXml db;
        auto rows = db.sqlFetch ("SELECT id,cena,ddv FROM artikel WHERE tip = '" + String (TipRecord::bottledWine) + "' AND link = '"
                                 + String (id) + "' AND parent=1");
        auto* data = rows != nullptr ? rows->getChildByName ("DATA") : nullptr;
        if (data == nullptr || data->getNumChildElements() == 0)
            return;
        const auto* first = data->getChildElement (0);
        if (first->getIntAttribute ("ddv") > 0)
            ddv = first->getIntAttribute ("ddv");
        if (first->getDoubleAttribute ("cena") > 0)
            cena = priceText (first->getDoubleAttribute ("cena"));
    }
}

void Steklenice::setPosodaIDN (posoda record, int slot)
{
    static const char* where = "Steklenice::setPosodaIDN";
    PosodaListener::setPosodaIDN (record, slot);
    vessel = getPosoda (1);
    if (vessel.id < 0)
    {
        vindoro::vlog (where, "ERROR pidn is -1");
        return;
    }
    vindoro::vlog (where, " tiaja");
    const auto free = litresOf (stock()) - litresOf (loss());
    quantityRow->setRange (free.toDouble(), -1);
    lossRow->setRange (stock(), -1);
    stanje = PosodaOps::getStanjePosode (vessel);
    if (const auto size = bottle(); size > 0)
    {
        bottlesRow->setRange ((double) StekleniceSave::bottlesIn (free, size), -1);
        stevilo = (int) StekleniceSave::bottlesIn (litresOf (numberOf (kolicina)), size);
    }
    letnik = vessel.letnik;
    batchRow->setSerijaLetnik (letnik);
    ddv = vessel.ddv.id;
    cena = priceText (vessel.cena);
}

void Steklenice::setSerijaIDN (SerijaRecord record, int slot)
{
    static const char* where = "Steklenice::setSerijaIDN";
    SerijaListener::setSerijaIDN (record, slot);
    batch = getSerija();
    if (batch.id < 1)
    {
        vindoro::vlog (where, "ERROR sidn is -1");
        return;
    }
    batchRow->setIDN (batch);
    if (vessel.id > 0)
    {
        vindoro::vlog (where, "blakbla");
        if (const auto size = bottle(); size > 0)
        {
            setBottleMaximum();
            stevilo = (int) StekleniceSave::bottlesIn (litresOf (numberOf (kolicina)), size);
        }
    }
    if (! saving)
        serijaId = batch.id;
}

void Steklenice::setSkladisceIDN (SkladisceRecord record, int slot)
{
    SkladisceListener::setSkladisceIDN (record, slot);
    warehouse = getSkladisce();
    if (warehouse.id < 0)
        vindoro::vlog ("Steklenice::setSkladisceIDN", "ERROR skidn is -1");
}

StekleniceInput Steklenice::collectInput()
{
    StekleniceInput in;
    in.vessel = vessel;
    in.batch = batch;
    in.warehouse = warehouse;
    in.stevilo = formatFloor (numberOf (stevilo));
    in.kalo = litresOf (loss()).toDouble();
    in.cena = cena.toString();
    in.ddv = (int) ddv.getValue();
    in.datum = dateRow->getDateTime();
    in.opombe = remark;
    in.analize = &analize;
    in.addToExistingArticle = [this] (const String& question)
    { return askYesNoCancel (vindoro::kIconQuestion, translate ("Dodaj steklenice"), question, this) == 1; };
    in.vesselWindow = this;
    in.batchWindow = this;
    return in;
}

bool Steklenice::saveSteklenice()
{
    SQLtoXml db;
    saving = true;
    const auto result = StekleniceSave::save (db, collectInput());
    saving = false;
    if (result.ok)
        return true;
    setErrorMessage (result.error);
    return false;
}

KWindow* launchSteklenice (const juce::String& title, juce::Component* opener, juce::Component* openerSetup)
{
    return VindorWindow::launchNormal (title, new Steklenice(), opener, openerSetup);
}
