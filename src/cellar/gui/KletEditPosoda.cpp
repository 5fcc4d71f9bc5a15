#include "cellar/gui/KletEditPosoda.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "core/TextHelpers.h"
#include "widgets/VindorChoicePropertyComponent.h"

KletEditPosoda::KletEditPosoda() : SortaListener (1)
{
    klet = -1;
    if (auto tree = sqlFetch ("SELECT * FROM klet WHERE active = 1;"))
        if (auto* data = tree->getChildByName ("DATA"))
            for (auto* row : data->getChildIterator())
            {
                kletNames.add (row->getStringAttribute ("ime").trim());
                kletIds.add (row->getIntAttribute ("id", 0));
            }
    rows.build (panel, new VindorChoicePropertyComponent (klet, TRANS ("Klet"), kletNames, kletIds), this);
    rows.cena.addListener (this);
}

KletEditPosoda::~KletEditPosoda()
{
    rows.cena.removeListener (this);
}

void KletEditPosoda::setPosoda (posoda vessel)
{
    record = vessel;
    klet = record.klet.id;
    rows.oznaka = record.oznaka.trim();
    rows.volumen = formatDecimal2 (record.volumen);
    rows.tip = record.tip;
    if (rows.sortaRow != nullptr)
        rows.sortaRow->setIDN (record.tipizacija.sorta);
    rows.letnik = juce::String (record.tipizacija.letnik);
    rows.kvaliteta = record.tipizacija.kvaliteta;
    rows.cena = record.cena;
    rows.ddv = record.ddv.id;
    // A declared vessel opens with its declaration on show, full or empty, so that a save of
    // other changes keeps it; closing the section still withdraws it.
    panel.setSectionOpen (0, record.tipizacija.sorta.id > 1);
}

void KletEditPosoda::valueChanged (juce::Value& value)
{
    if (value.refersToSameSourceAs (rows.cena))
        rows.normalisePrice();
}

bool KletEditPosoda::save()
{
    const int kletId = (int) klet.getValue();
    const int index = kletIds.indexOf (kletId);
    const auto kletIme = index >= 0 ? kletNames[index] : record.klet.ime;
    const auto form = rows.read (kletId, kletIme, panel.isSectionOpen (0), getSorta (1));
    juce::String error;
    posoda stored;
    if (! PosodaSave::editPosoda (*this, record, form, stored, error))
    {
        setErrorMessage (error);
        return false;
    }
    record = stored;
    return true;
}
