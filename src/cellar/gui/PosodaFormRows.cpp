#include "cellar/gui/PosodaFormRows.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "core/Globals.h"
#include "core/TextHelpers.h"
#include "reports/DDV.h"
#include "reports/gui/DDVChoicePropertyComponent.h"
#include "warehouse/gui/KvalitetaChoicePropertyComponent.h"
#include "widgets/VindorChoicePropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"

PosodaFormRows::PosodaFormRows()
{
    auto* settings = getUserSettings();
    oznaka = juce::String();
    volumen = formatDecimal2 (0.0);
    tip = settings != nullptr ? settings->getIntValue ("Posoda:tip", 2) : 2;
    letnik = juce::String();
    kvaliteta = 2;
    cena = formatDecimal2 (settings != nullptr ? settings->getDoubleValue ("Pretok:cenavina", 1.0) : 1.0);
    int defaultVat = -1;
    if (auto* rates = DDV::getInstance())
        defaultVat = rates->findID (1);
    ddv = settings != nullptr ? settings->getIntValue ("OdprtoAddArtikel:ddvizdelka", defaultVat) : defaultVat;
    opombe = juce::String();
}

PosodaFormRows::~PosodaFormRows() = default;

void PosodaFormRows::build (VindorPropertyPanel& panel, juce::PropertyComponent* kletRow, juce::Component* owner)
{
    const juce::StringArray kinds { TRANS ("Sod"), TRANS ("Cisterna"), TRANS ("Cisterna2"), TRANS ("Sod2"),
                                    TRANS ("Plavnik"), TRANS ("Nomblot"), TRANS ("Jajce") };
    const juce::Array<juce::var> kindValues { 2, 3, 4, 5, 6, 7, 8 };

    panel.addProperties ({ kletRow,
                           new VindorTextPropertyComponent (oznaka, TRANS ("Oznaka"), 200, false),
                           new VindorTextPropertyComponent (volumen, TRANS ("Volumen"), 200, false),
                           new VindorChoicePropertyComponent (tip, TRANS ("Tipposode"), kinds, kindValues) });

    sortaRow = new SortaButtonPropertyComponent (TRANS ("Izberi sorto"), TRANS ("Tipizacija"), owner, 1);
    panel.addSection (TRANS ("Tipizacija"),
                      { sortaRow,
                        new VindorTextPropertyComponent (letnik, TRANS ("Tipizacija letnik vina"), 200, false),
                        KvalitetaChoicePropertyComponent::loadAndCreate (kvaliteta, TRANS ("Kvaliteta")) },
                      false);

    juce::Array<juce::PropertyComponent*> extra;
    if (auto* vat = DDVChoicePropertyComponent::loadAndCreate (ddv, TRANS ("DDV izdelka")))
        extra.add (vat);
    extra.add (new VindorTextPropertyComponent (cena, TRANS ("Cena izdelka"), 200, false));
    extra.add (new VindorTextPropertyComponent (opombe, TRANS ("Opombe"), 2000, true));
    panel.addSection (TRANS ("Dodatno"), extra, false);
}

PosodaForm PosodaFormRows::read (int kletId, const juce::String& kletIme, bool declarationOpen, const SortaRecord& sorta) const
{
    PosodaForm form;
    form.oznaka = oznaka.toString();
    form.klet = kletId;
    form.kletIme = kletIme;
    form.volumen = volumen.toString();
    form.tip = (int) tip.getValue();
    form.declarationOpen = declarationOpen;
    form.sorta = sorta;
    form.letnik = letnik.toString();
    form.kvaliteta = (int) kvaliteta.getValue();
    form.cena = cena.toString();
    form.ddv = (int) ddv.getValue();
    form.opombe = opombe.toString();
    return form;
}

void PosodaFormRows::normalisePrice()
{
    const auto text = cena.toString();
    const auto shown = formatDecimal2 (parseDecimal2 (text));
    if (shown != text)
        cena = shown;
}
