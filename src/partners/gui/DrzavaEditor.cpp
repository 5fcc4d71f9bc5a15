#include "partners/gui/DrzavaEditor.h"
#include "widgets/VindorBooleanPropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"

DrzavaEditor::DrzavaEditor (DrzavaRecord country, bool inserting)
    : drzava (std::move (country)), insert (inserting)
{
    imeValue = drzava.ime;
    kraticaValue = drzava.kratica;
    euValue = drzava.eu;

    juce::Array<juce::PropertyComponent*> rows;
    rows.add (new VindorTextPropertyComponent (imeValue, TRANS ("drzava_ime"), 200, false));
    rows.add (new VindorTextPropertyComponent (kraticaValue, TRANS ("drzava_kratica"), 200, false));
    rows.add (new VindorBooleanPropertyComponent (euValue, TRANS ("drzava_eu"), TRANS ("drzava_eu_button")));
    panel.addProperties (rows);
    addAndMakeVisible (panel);
    setSize (400, 300);
}

DrzavaEditor::~DrzavaEditor() = default;

void DrzavaEditor::resized()
{
    panel.setBounds (getLocalBounds());
}

bool DrzavaEditor::save()
{
    drzava.ime = imeValue.toString();
    drzava.kratica = kraticaValue.toString();
    drzava.eu = (bool) euValue.getValue();
    juce::String error;
    if (saveDrzava (drzava, insert, error))
        return true;
    setErrorMessage (error);
    return false;
}

bool DrzavaEditor::okAction()
{
    const bool saved = save();
    setDoneFlag (saved);
    if (saved)
        notifyKWindowListener();
    return saved;
}
