#include "cellar/gui/KletViewer.h"
#include "core/Log.h"
#include "frame/LookAndFeel_Vindor.h"

KletViewer::KletViewer()
{
    chooser.setBounds (0, 0, 150, defaultRowHeight());
    chooser.addListener (this);
    chooser.setTextWhenNothingSelected (TRANS ("Izberi klet"));
    chooser.setTextWhenNoChoicesAvailable (TRANS ("Ni nobene kleti!"));
    addAndMakeVisible (chooser);
    setArrayKleti();
}

KletViewer::~KletViewer()
{
    chooser.removeListener (this);
}

void KletViewer::comboBoxChanged (juce::ComboBox* box)
{
    if (box == &chooser && chooser.getSelectedId() > 0)
        showChosenKlet (false);
}

void KletViewer::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    vindoro::vlog ("KletViewer::changeListenerCallback", "inside");
    if (canvas == nullptr || source != canvas.get())
        return;
    setExitValue (ButtonCode::select);
    notifyKWindowListener();
    vindoro::vlog ("KletViewer::changeListenerCallback", "Posoda je bila izbrana");
}
