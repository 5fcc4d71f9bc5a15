#include "warehouse/gui/SkladisceAddArtikel.h"

#include "cellar/gui/SerijaButtonPropertyComponent.h"
#include "core/Globals.h"
#include "core/TextHelpers.h"
#include "frame/MessageBoxes.h"
#include "reports/DDV.h"
#include "reports/gui/DDVChoicePropertyComponent.h"
#include "warehouse/SkladisceArtikelSave.h"
#include "warehouse/gui/SkladisceChoicePropertyComponent.h"
#include "warehouse/gui/TipChoicePropertyComponent.h"
#include "warehouse/gui/ValUnitRow.h"
#include "widgets/VindorTextPropertyComponent.h"

namespace
{
constexpr const char* kTipKey = "Hramba:tipizdelka";
constexpr const char* kEnotaKey = "Hramba:enotaizdelka";
constexpr const char* kDdvKey = "Hramba:ddvizdelka";
} // namespace

SkladisceAddArtikel::SkladisceAddArtikel (bool isEdit, bool isPrejeti) : edit (isEdit), prejeti (isPrejeti)
{
    auto* settings = getUserSettings();
    int firstVat = 0;
    if (auto* rates = DDV::getInstance())
        firstVat = rates->findID (1);
    enota = settings != nullptr ? settings->getIntValue (kEnotaKey, 32) : 32;
    tip = settings != nullptr ? settings->getIntValue (kTipKey, 1) : 1;
    ddv = settings != nullptr ? settings->getIntValue (kDdvKey, firstVat) : firstVat;
    kolicina = prejeti ? "0" : "1";
    cena = formatDecimal2 (0.0);
    ime = juce::String();
    opombe = juce::String();
    skladisceId = 0;

    // The dialog starts empty: the opened entry is the empty one until edit puts its own there.
    setHrambaIDN (Hramba(), 1);

    juce::Array<juce::PropertyComponent*> rows;
    skladisceRow = SkladisceChoicePropertyComponent::loadAndCreate (skladisceId, TRANS ("Skladisce"));
    rows.add (skladisceRow);
    rows.add (new VindorTextPropertyComponent (ime, TRANS ("Ime"), 200, false));
    if (! prejeti)
    {
        kolicinaRow = createValUnitRow (kolicina, enota, TRANS ("Kolicina"), 64, 0.3);
        rows.add (kolicinaRow);
    }
    tipRow = TipChoicePropertyComponent::loadAndCreate (tip, TRANS ("Tip izdelka"));
    rows.add (tipRow);
    serijaButton = new SerijaButtonPropertyComponent (TRANS ("Izberi serijo"), TRANS ("Serija"), this, false, false);
    rows.add (serijaButton);
    if (! prejeti)
    {
        rows.add (DDVChoicePropertyComponent::loadAndCreate (ddv, TRANS ("DDV izdelka")));
        rows.add (new VindorTextPropertyComponent (cena, TRANS ("Cena izdelka"), 200, false));
        rows.add (new VindorTextPropertyComponent (opombe, TRANS ("Opombe"), 1000, true));
    }
    panel.addProperties (rows);
    addAndMakeVisible (panel);

    skladisceId.addListener (this);
    ime.addListener (this);
    if (! prejeti)
    {
        kolicina.addListener (this);
        cena.addListener (this);
    }
    setSize (800, 600);
}

SkladisceAddArtikel::~SkladisceAddArtikel()
{
    for (auto* v : { &skladisceId, &ime, &kolicina, &cena })
        v->removeListener (this);
}

void SkladisceAddArtikel::resized()
{
    panel.setBounds (getLocalBounds());
}

void SkladisceAddArtikel::setSkladisce (SkladisceRecord warehouse)
{
    record.skladisce = warehouse;
    skladisceId = warehouse.id;
    if (skladisceRow != nullptr)
        skladisceRow->refresh();
}

void SkladisceAddArtikel::valueChanged (juce::Value& value)
{
    if (value.refersToSameSourceAs (kolicina))
    {
        const double n = parseDecimalFloor (kolicina.toString());
        const auto text = n >= 0 ? formatFloor (n) : juce::String ("0");
        if (text != kolicina.toString())
            kolicina = text;
    }
    else if (value.refersToSameSourceAs (cena))
    {
        const double p = parseDecimal2 (cena.toString());
        const auto text = formatDecimal2 (p >= 0 ? p : 0.0);
        if (text != cena.toString())
            cena = text;
    }
}

void SkladisceAddArtikel::setSerijaIDN (SerijaRecord batch, int slot)
{
    SerijaListener::setSerijaIDN (batch, slot);
    record.serija = getSerija();
    record.artikel.link = record.serija.id;
    if (ime.toString().isEmpty())
        ime = record.serija.sorta.sorta + " " + juce::String (record.serija.letnik);
}

bool SkladisceAddArtikel::save()
{
    SkladisceArtikelSave booking (edit ? SkladisceArtikelSave::Mode::edit
                                       : prejeti ? SkladisceArtikelSave::Mode::received : SkladisceArtikelSave::Mode::add,
                                  *this);
    record.artikel.ime = ime.toString();
    record.artikel.tip.id = (int) tip.getValue();
    record.artikel.enota.id = (int) enota.getValue();
    if (kolicinaRow != nullptr)
    {
        auto& units = kolicinaRow->getComboBox();
        const int index = units.getSelectedItemIndex();
        record.artikel.enota.oznaka = index >= 0 && index < units.getNumItems() ? units.getItemText (index) : juce::String();
    }
    record.stevilo = (int) parseDecimalFloor (kolicina.toString());
    record.artikel.cena = parseDecimal2 (cena.toString());
    record.artikel.ddv.id = (int) ddv.getValue();
    record.skladisce.id = (int) skladisceId.getValue();
    if (skladisceRow != nullptr && skladisceRow->getIndex() >= 0)
        record.skladisce.ime = skladisceRow->getText (skladisceId);

    booking.record = record;
    booking.orig = getHramba();
    booking.opombe = opombe.toString();
    booking.entryOwner = this;
    booking.ask = [this] (const juce::String& title, const juce::String& message) {
        return askYesNoCancel (vindoro::kIconQuestion, title, message, this);
    };
    booking.freshSerija = [this] (const SerijaRecord& fresh) { setSerijaIDN (fresh, 1); };
    const bool done = booking.save();
    record = booking.record;
    if (! done)
        setErrorMessage (booking.error);
    return done;
}

bool SkladisceAddArtikel::okAction()
{
    const bool done = save();
    setDoneFlag (done);
    if (done)
        notifyKWindowListener();
    return done;
}

void SkladisceAddArtikel::prepareToClose()
{
    if (auto* settings = getUserSettings())
    {
        settings->setValue (kTipKey, tip.getValue());
        settings->setValue (kEnotaKey, enota.getValue());
        settings->setValue (kDdvKey, ddv.getValue());
    }
}
