#include "warehouse/gui/SkladisceViewer.h"

#include "core/Log.h"
#include "frame/ButtonRecord.h"
#include "frame/VindorWindow.h"
#include "warehouse/gui/Skladisce.h"

using vindoro::vlog;

SkladisceViewer::SkladisceViewer()
{
    combo.setEditableText (false);
    combo.setTextWhenNothingSelected (TRANS ("Izberi skladisce"));
    combo.setTextWhenNoChoicesAvailable (TRANS ("Ni nobene skladisca!"));
    combo.addListener (this);
    addAndMakeVisible (combo);
    setSize (900, 600);
    setArraySkladisca();
}

SkladisceViewer::~SkladisceViewer()
{
    combo.removeListener (this);
}

void SkladisceViewer::resized()
{
    SkladisceGUI::resized();
    combo.setBounds (0, 0, 150, juce::jmax (20, viewportTop - 2));
}

void SkladisceViewer::comboBoxChanged (juce::ComboBox* box)
{
    savePositions();
    if (box == &combo)
        showComboChoice (false);
}

void SkladisceViewer::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    const char* method = "SkladisceViewer::changeListenerCallback";
    vlog (method, "inside");
    if (canvas != nullptr && source == canvas.get())
    {
        setExitValue (ButtonCode::select);
        notifyKWindowListener();
        vlog (method, "Artikel je bila izbran");
    }
    childWindow = nullptr;
}

KWindow* launchSkladisceViewer (const juce::String& title, juce::Component* opener, juce::Component* openerSetup)
{
    return VindorWindow::launchNormal (title, new SkladisceViewer(), opener, openerSetup);
}
