#include "operations/gui/AnalizaProperty.h"
#include "frame/VindorWindow.h"
#include "operations/gui/PregledBazeAnaliza.h"

AnalizaProperty::AnalizaProperty (juce::Value& shownValue, const juce::String& name, juce::Component* ownerComponent)
    : ValButtonPropertyComponent (shownValue, name, 200, false, 0.3, true), owner (ownerComponent)
{
    myValue.referTo (shownValue);
    refresh();
}

AnalizaProperty::~AnalizaProperty() = default;

juce::String AnalizaProperty::getButtonText() const
{
    return TRANS ("Analiza_Login");
}

void AnalizaProperty::buttonClicked()
{
    if (auto* window = dynamic_cast<juce::Component*> (currentChild.get()))
        window->toFront (true);
    else
        openBrowser();
    refresh();
}

void AnalizaProperty::openBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Export"), ButtonCode::exportTable);
    addButton (TRANS ("Print"), ButtonCode::print);
    const auto filter = myValue.toString();
    auto* browser = filter.isNotEmpty() ? new PregledBazeAnaliza (filter) : new PregledBazeAnaliza();
    currentChild = VindorWindow::launchNormal (TRANS ("Analiza_Main"), browser, this, this);
}

void AnalizaProperty::openBrowserAgain()
{
    openBrowser();
}

void AnalizaProperty::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = dynamic_cast<KWindow*> (source);
    if (child != nullptr && child == currentChild.get() && child->getExitValue() == ButtonCode::cancel)
        currentChild = nullptr;
}
