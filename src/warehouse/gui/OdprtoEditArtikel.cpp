#include "warehouse/gui/OdprtoEditArtikel.h"
#include "cellar/PosodaOps.h"
#include "cellar/gui/PosodaButtonPropertyComponent.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"
#include "frame/ButtonRecord.h"
#include "frame/KWindow.h"
#include "reports/DDV.h"
#include "reports/gui/DDVChoicePropertyComponent.h"
#include "warehouse/OdprtoArtikelSave.h"
#include "warehouse/gui/OdprtoNamePropertyComponent.h"
#include "warehouse/gui/PregledBazeOEA.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorTextPropertyComponent.h"

using vindoro::Amount;
using vindoro::Litres;

namespace
{
constexpr int kBulkWineUnit = 7;
}

OdprtoEditArtikel::OdprtoEditArtikel (bool intakeMode, bool plainQuantity) : PosodaListener (1), intake (intakeMode)
{
    newArticle.id = -1;
    oldArticle.id = -1;
    newArticle.enota.id = kBulkWineUnit;
    newArticle.tip.id = TipRecord::bulkWine;
    newArticle.link = -1;
    newArticle.link2 = -1;
    result.id = -1;
    result.stevilo = 0;

    auto* settings = getUserSettings();
    newArticle.cena = settings != nullptr ? settings->getDoubleValue ("OdprtoAddArtikel:cenaizdelka", 1.0) : 1.0;
    cenaText = formatDecimal2 (newArticle.cena);
    int defaultVat = -1;
    if (auto* rates = DDV::getInstance())
        defaultVat = rates->findID (1);
    newArticle.ddv.id = settings != nullptr ? settings->getIntValue ("OdprtoAddArtikel:ddvizdelka", defaultVat) : defaultVat;
    ddv = newArticle.ddv.id;
    kolicina = juce::String (result.stevilo);

    panel = std::make_unique<VindorPropertyPanel> (this);
    juce::Array<juce::PropertyComponent*> rows;
    vesselRow = new PosodaButtonPropertyComponent (TRANS ("Select Cistern"), TRANS ("Cistern label in"), this, 1);
    rows.add (vesselRow);
    auto* state = new VindorTextPropertyComponent (stanje, TRANS ("Stanje posode"), 200, false);
    state->setEnabled (false);
    rows.add (state);
    const auto quantityName = TRANS (intake ? "QuantityDodajvino" : "Quantity");
    if (plainQuantity)
        rows.add (new VindorTextPropertyComponent (kolicina, quantityName, 200, false));
    else
    {
        kolicina = 0.0;
        quantityRow = new VolumeSliderPropertyComponent (kolicina, quantityName, true);
        rows.add (quantityRow);
    }
    nameRow = new OdprtoNamePropertyComponent (ime, TRANS ("postavka_Naziv"), this);
    rows.add (nameRow);
    if (auto* vatRow = DDVChoicePropertyComponent::loadAndCreate (ddv, TRANS ("DDV izdelka")))
        rows.add (vatRow);
    rows.add (new VindorTextPropertyComponent (cenaText, TRANS ("Cena izdelka"), 200, false));
    panel->addSection ({}, rows, true);
    addAndMakeVisible (*panel);

    kolicina.addListener (this);
    ime.addListener (this);
    ddv.addListener (this);
    cenaText.addListener (this);

    if (intake)
    {
        kompozicija = std::make_unique<PregledBazeOEA> (*this);
        addAndMakeVisible (*kompozicija);
    }
    setSize (400, 300);
}

OdprtoEditArtikel::~OdprtoEditArtikel()
{
    kolicina.removeListener (this);
    ime.removeListener (this);
    ddv.removeListener (this);
    cenaText.removeListener (this);
    kompozicija.reset();
    panel.reset();
}

Litres OdprtoEditArtikel::getLitres() const
{
    return Litres::fromStoredDouble (parseDecimal2 (kolicina.toString())).value_or (Litres());
}

double OdprtoEditArtikel::getKolicina() const
{
    return getLitres().toDouble();
}

void OdprtoEditArtikel::setLitres (Litres litres)
{
    // The slider's Value holds a number; the text row shows the language's separator.
    if (quantityRow != nullptr)
        kolicina = litres.toDouble();
    else
        kolicina = litres.toText();
}

bool OdprtoEditArtikel::buttonAction (int code)
{
    if (code == ButtonCode::cancel)
        return cancelAction();
    if (code == ButtonCode::cancelAsk)
        return cancelActionAsk();
    if (vessel.id < 1)
    {
        setErrorMessage ("Posoda ni izbrana");
        return false;
    }
    switch (code)
    {
        case ButtonCode::ok:            return okAction();
        case ButtonCode::edit:          return editAction();
        case ButtonCode::remove:        return deleteAction();
        case ButtonCode::insert:        return insertAction();
        case ButtonCode::print:         return printAction();
        case ButtonCode::searchArticle: return searchAction();
        default: break;
    }
    notifyKWindowListener();
    vindoro::vlog ("OdprtoEditArtikel::buttonAction", "edit what inherits from VindorWindowAction::buttonAction");
    return true;
}

bool OdprtoEditArtikel::okAction()
{
    const bool saved = save();
    setDoneFlag (saved);
    if (saved)
        notifyKWindowListener();
    return saved;
}

bool OdprtoEditArtikel::insertAction()
{
    return kompozicija == nullptr || kompozicija->insertAction();
}

bool OdprtoEditArtikel::editAction()
{
    return kompozicija == nullptr || kompozicija->editAction();
}

bool OdprtoEditArtikel::deleteAction()
{
    if (kompozicija == nullptr)
        return true;
    if (kompozicija->deleteAction())
        setLitres (kompozicija->updateVolumen());
    return true;
}

bool OdprtoEditArtikel::save()
{
    OdprtoArtikelForm form;
    form.oldArticle = oldArticle;
    form.newArticle = newArticle;
    form.newArticle.ime = ime.toString();
    form.vesselId = vessel.id;
    form.quantity = getLitres();
    form.price = Amount::fromStoredDouble (newArticle.cena).value_or (Amount());
    form.intake = intake;
    if (kompozicija != nullptr)
        form.composition = kompozicija->compositionParts();
    SQLtoXml db;
    juce::String error;
    ArtikelRecord saved;
    Hramba entry = result;
    if (! OdprtoArtikelSave::save (db, form, error, &saved, &entry))
    {
        if (newArticle.link < 1)
            newArticle.link = 0;
        setErrorMessage (error);
        return false;
    }
    newArticle = saved;
    result = entry;
    return true;
}

void OdprtoEditArtikel::setPosodaIDN (posoda record, int slot)
{
    PosodaListener::setPosodaIDN (record, slot);
    vessel = PosodaListener::getPosoda (1);
    stanje = PosodaOps::getStanjePosode (vessel);
    newArticle.link = vessel.id;
    newArticle.link2 = vessel.tipizacija.id;
    if (quantityRow != nullptr)
        quantityRow->setRange (intake ? vessel.volumen - vessel.zaloga : vessel.zaloga, -1);
    if (! intake)
        nameRow->setPosoda (vessel);
    nameRow->setOverComponent (getParentComponent() != nullptr ? getParentComponent() : this);
    if (kompozicija != nullptr)
    {
        kompozicija->setPosodaIDN (vessel, 1);
        kompozicija->reloadVino();
        kompozicija->updateTableContent();
        kompozicija->repaint();
        kompozicija->updateVolumen();
    }
    ddv = vessel.ddv.id;
    cenaText = formatDecimal2 (vessel.cena);

    SQLtoXml db;
    std::unique_ptr<juce::XmlElement> tree (db.sqlFetch ("SELECT * FROM artikel WHERE tip = '" + juce::String (newArticle.tip.id)
                                                         + "' AND link = '" + juce::String (vessel.id)
                                                         + "' AND active=1 AND parent=1 ORDER BY id DESC LIMIT 1"));
    auto* data = tree != nullptr ? tree->getChildByName ("DATA") : nullptr;
    auto* row = data != nullptr ? data->getFirstChildElement() : nullptr;
    if (row == nullptr)
    {
        oldArticle = ArtikelRecord();
        oldArticle.id = 0;
        newArticle.id = 0;
        ime = vessel.sorta + (vessel.letnik > 99 ? " " + juce::String (vessel.letnik) : juce::String());
    }
    else
    {
        oldArticle.id = row->getIntAttribute ("id");
        oldArticle.ime = row->getStringAttribute ("ime");
        oldArticle.link = row->getIntAttribute ("link");
        oldArticle.link2 = row->getIntAttribute ("link2");
        oldArticle.cena = row->getDoubleAttribute ("cena");
        oldArticle.ddv.id = row->getIntAttribute ("ddv");
        oldArticle.enota.id = row->getIntAttribute ("enota");
        oldArticle.parent = row->getIntAttribute ("parent");
        oldArticle.tip.id = row->getIntAttribute ("tip");
        oldArticle.datumkreiranja = row->getStringAttribute ("datumkreiranja");
        oldArticle.active = row->getBoolAttribute ("active");
        vindoro::vlog ("OdprtoEditArtikel::setPosodaIDN", "artikel " + juce::String (oldArticle.id) + " naziv:" + oldArticle.ime
                                                              + " datumkreiranja:" + oldArticle.datumkreiranja.toString());
        newArticle.id = oldArticle.id;
        ime = oldArticle.ime;
    }
    // The values' listeners run later; the record follows the shown values at once.
    newArticle.ime = ime.toString();
    newArticle.ddv.id = (int) ddv.getValue();
    newArticle.cena = parseDecimal2 (cenaText.toString());
}

void OdprtoEditArtikel::valueChanged (juce::Value& value)
{
    if (value.refersToSameSourceAs (ime))
        newArticle.ime = ime.toString();
    else if (value.refersToSameSourceAs (cenaText))
    {
        const double p = parseDecimal2 (cenaText.toString());
        if (p != newArticle.cena)
        {
            newArticle.cena = p;
            if (auto* settings = getUserSettings())
                settings->setValue ("OdprtoAddArtikel:cenaizdelka", p);
        }
    }
    else if (value.refersToSameSourceAs (ddv))
    {
        if (auto* settings = getUserSettings())
            settings->setValue ("OdprtoAddArtikel:ddvizdelka", ddv.getValue());
        newArticle.ddv.id = (int) ddv.getValue();
    }
    else if (value.refersToSameSourceAs (kolicina) && kompozicija != nullptr)
    {
        vindoro::vlog ("OdprtoEditArtikel::valueChanged", "v_volumen se je spremenil:" + kolicina.toString());
        const auto q = getLitres();
        const auto allowed = kompozicija->updateDodano (q);
        vindoro::vlog ("OdprtoEditArtikel::valueChanged", "allowing only " + allowed.toSql() + " liters but requested " + q.toSql());
        if (allowed > q)
            setLitres (allowed);
    }
}

void OdprtoEditArtikel::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* window = dynamic_cast<KWindow*> (source);
    auto* row = kompozicija != nullptr ? kompozicija->getCurrentRow() : nullptr;
    if (window == nullptr || row == nullptr)
        return;
    auto& rows = *kompozicija->getData();
    const int answer = window->getExitValue();
    if (answer == ButtonCode::edit)
    {
        setLitres (OdprtoKompozicija::applyEditedWine (rows, *row, getLitres()));
        kompozicija->updateTableContent();
        kompozicija->repaint();
    }
    else if (answer == ButtonCode::ok)
    {
        if (ime.toString().isEmpty())
            ime = row->getStringAttribute ("sorta") + " " + row->getStringAttribute ("letnik");
        auto v = OdprtoKompozicija::litresOf (*row, "volumen");
        vindoro::vlog ("OdprtoEditArtikel::changeListenerCallback", "SEDAJ je volumen:" + v.toSql());
        const auto free = Litres::fromStoredDouble (vessel.volumen - vessel.zaloga).value_or (Litres());
        const auto q = getLitres();
        if (free < q + v)
        {
            vindoro::vlog ("OdprtoEditArtikel::changeListenerCallback",
                           "ERROR: novega je prevec:" + v.toSql() + " " + q.toSql() + " " + free.toSql());
            v = free - q;
            vindoro::vlog ("OdprtoEditArtikel::changeListenerCallback", "FIXED: popravil volumen novega na:" + v.toSql());
            OdprtoKompozicija::setLitres (*row, "volumen", v);
        }
        kompozicija->updateRazmerje();
        vindoro::vlog ("OdprtoEditArtikel::changeListenerCallback",
                       "status:" + v.toSql() + " " + (q + v).toSql() + " " + free.toSql());
        setLitres (q + v);
    }
}

void OdprtoEditArtikel::paint (juce::Graphics& g)
{
    if (kompozicija == nullptr || descriptionArea.isEmpty())
        return;
    g.setColour (juce::Colours::black);
    g.setFont (juce::jlimit (0.1f, 10000.0f, (float) descriptionArea.getHeight()));
    g.drawText (TRANS ("dodajnovovino_kompozicija_desc"), descriptionArea, juce::Justification::centredLeft, true);
}

void OdprtoEditArtikel::resized()
{
    auto area = getLocalBounds();
    panel->setBounds (area.removeFromTop (juce::jmin (area.getHeight(), panel->getTotalContentHeight())));
    if (kompozicija != nullptr)
    {
        descriptionArea = area.removeFromTop (15);
        kompozicija->setBounds (area);
    }
}
