#include "cellar/gui/KletInput.h"

KletInput::KletInput()
{
    addAndMakeVisible (panel);
    setSize (800, 600);
}

KletInput::~KletInput() = default;

void KletInput::resized()
{
    panel.setBounds (getLocalBounds());
}

bool KletInput::okAction()
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
