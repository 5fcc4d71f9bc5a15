#include "cellar/gui/KletAddPosoda.h"
#include "widgets/VindorTextPropertyComponent.h"

KletAddPosoda::KletAddPosoda() : SortaListener (1)
{
    kletName = juce::String();
    auto* kletRow = new VindorTextPropertyComponent (kletName, TRANS ("Klet"), 200, false);
    kletRow->setEnabled (false);
    rows.build (panel, kletRow, this);
    rows.cena.addListener (this);
}

KletAddPosoda::~KletAddPosoda()
{
    rows.cena.removeListener (this);
}

void KletAddPosoda::setKlet (int id, const juce::String& name)
{
    kletId = id;
    kletName = name;
}

void KletAddPosoda::valueChanged (juce::Value& value)
{
    if (value.refersToSameSourceAs (rows.cena))
        rows.normalisePrice();
}

bool KletAddPosoda::save()
{
    const auto form = rows.read (kletId, kletName.toString(), panel.isSectionOpen (0), getSorta (1));
    juce::String error;
    if (PosodaSave::addPosoda (*this, form, record, error))
        return true;
    setErrorMessage (error);
    return false;
}
