#include "warehouse/gui/SkladisceAdd.h"

#include "frame/VindorWindow.h"
#include "partners/gui/StrankaButtonPropertyComponent.h"
#include "warehouse/SkladisceSave.h"
#include "widgets/VindorBooleanPropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"

SkladisceAdd::SkladisceAdd (bool isEdit) : StrankaListener (1), edit (isEdit)
{
    strankaButton = new StrankaButtonPropertyComponent (16, TRANS ("Izberi stranko"), TRANS ("Stranka"), this);
    panel.addProperties ({ new VindorTextPropertyComponent (ime, edit ? TRANS ("Ime skladisca") : TRANS ("Ime nove skladisca"), 200, false),
                           new VindorBooleanPropertyComponent (konsig, TRANS ("Konsignacijsko"), TRANS ("Skladisce je konsignacijsko")),
                           strankaButton });
    // Through the listener, so the party button starts disabled as the toggle reads.
    konsig = true;
    konsig = false;
}

SkladisceAdd::~SkladisceAdd() = default;

bool SkladisceAdd::save()
{
    auto record = skladisce;
    record.ime = ime.toString();
    juce::String error;
    const bool ok = SkladisceSave::save (record, edit, (bool) konsig.getValue(), *this, error);
    if (! ok)
    {
        setErrorMessage (error);
        return false;
    }
    skladisce = record;
    return true;
}

void SkladisceAdd::setStrankaIDN (StrankaRecord party, int slot)
{
    StrankaListener::setStrankaIDN (party, slot);
    skladisce.konsig = getStranka (1);
    konsig = skladisce.konsig.id >= 2;
}

KWindow* launchSkladisceAdd (const juce::String& title, juce::Component* associated, juce::Component* opener)
{
    return VindorWindow::launchNormal (title, new SkladisceAdd (false), associated, opener);
}
