#include "cellar/gui/KletAdd.h"
#include "cellar/KletSave.h"
#include "widgets/VindorTextPropertyComponent.h"

KletAdd::KletAdd()
{
    ime = juce::String();
    panel.addProperties ({ new VindorTextPropertyComponent (ime, TRANS ("Ime nove kleti"), 200, false) });
}

KletAdd::~KletAdd() = default;

bool KletAdd::save()
{
    juce::String error;
    if (KletSave::addKlet (*this, ime.toString(), error))
        return true;
    setErrorMessage (error);
    return false;
}
