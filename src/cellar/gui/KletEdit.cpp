#include "cellar/gui/KletEdit.h"
#include "cellar/KletSave.h"
#include "widgets/VindorTextPropertyComponent.h"

KletEdit::KletEdit()
{
    ime = juce::String();
    panel.addProperties ({ new VindorTextPropertyComponent (ime, TRANS ("Oznaka"), 200, false) });
}

KletEdit::~KletEdit() = default;

void KletEdit::setKlet (int id)
{
    kletId = id;
    ime = KletSave::kletName (*this, id);
}

bool KletEdit::save()
{
    juce::String error;
    if (KletSave::renameKlet (*this, kletId, ime.toString(), error))
        return true;
    setErrorMessage (error);
    return false;
}
