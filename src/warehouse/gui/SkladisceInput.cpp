#include "warehouse/gui/SkladisceInput.h"

#include "partners/gui/StrankaButtonPropertyComponent.h"

SkladisceInput::SkladisceInput()
{
    skladisce.id = -1;
    skladisce.konsig.id = -1;
    ime = juce::String();
    konsig = false;
    konsig.addListener (this);
    addAndMakeVisible (panel);
    setSize (800, 600);
}

SkladisceInput::~SkladisceInput()
{
    konsig.removeListener (this);
}

void SkladisceInput::resized()
{
    panel.setBounds (getLocalBounds());
}

bool SkladisceInput::okAction()
{
    if (! save())
    {
        setDoneFlag (false);
        return false;
    }
    setDoneFlag (true);
    notifyKWindowListener();
    return true;
}

void SkladisceInput::valueChanged (juce::Value& value)
{
    if (value.refersToSameSourceAs (konsig) && strankaButton != nullptr)
        strankaButton->setEnabled ((bool) konsig.getValue());
}

void SkladisceInput::setSkladisce (SkladisceRecord record)
{
    skladisce = record;
    ime = record.ime;
    if (record.konsig.id < 2)
    {
        konsig = false;
        return;
    }
    if (strankaButton != nullptr)
        strankaButton->setButtonText (record.konsig.ime);
    konsig = true;
}
