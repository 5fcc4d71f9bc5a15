#include "partners/gui/PostaValButton.h"
#include "core/Log.h"
#include "frame/VindorWindow.h"
#include "partners/gui/PregledBazePosta.h"

namespace
{
void log (const juce::String& message)
{
    vindoro::vlog ("PostaValButton::changeListenerCallback", message);
}
} // namespace

PostaValButton::PostaValButton (const juce::String& column, juce::Value& value, const juce::String& caption,
                                juce::Component* ownerComponent, const juce::String& secondColumn, juce::Value& secondValue)
    : ValButtonPropertyComponent (value, caption, 200, false, 0.1, true),
      myColumn (column), otherColumn (secondColumn), owner (ownerComponent)
{
    myValue.referTo (value);
    otherValue.referTo (secondValue);
    refresh();
}

PostaValButton::~PostaValButton() = default;

juce::String PostaValButton::getButtonText() const
{
    return "...";
}

void PostaValButton::buttonClicked()
{
    if (auto* window = dynamic_cast<juce::Component*> (currentChild.get()))
        window->toFront (true);
    else
        openSelectBrowser();
    refresh();
}

void PostaValButton::launch (bool editable)
{
    // Each window gets a browser on a fresh query, so a post office just saved is offered at once.
    currentChild = VindorWindow::launchNormal ("posta", new PregledBazePosta (myColumn, editable), owner, this);
}

void PostaValButton::openSelectBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Editing"), ButtonCode::edit);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    launch (false);
}

void PostaValButton::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::saveItem);
    addButton (TRANS ("Edit"), ButtonCode::edit);
    addButton (TRANS ("Delete"), ButtonCode::remove);
    addButton (TRANS ("Insert"), ButtonCode::insert);
    launch (true);
}

void PostaValButton::closeChild()
{
    log ("closing window");
    if (auto* child = currentChild.get())
        child->closeKW();
    currentChild = nullptr;
}

void PostaValButton::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    log ("doing action");
    auto* child = dynamic_cast<KWindow*> (source);
    if (child == nullptr || child != currentChild.get())
        return;

    switch (child->getExitValue())
    {
        case ButtonCode::select:
        {
            log ("select action");
            if (auto* browser = dynamic_cast<PregledBaze*> (child->getAction()))
            {
                auto* row = browser->getSelectedRow();
                if (row == nullptr)
                {
                    log ("WARNING: row pointer is empty");
                    return;
                }
                myValue = row->getStringAttribute (myColumn);
                otherValue = row->getStringAttribute (otherColumn);
                refresh();
            }
            closeChild();
            return;
        }
        case ButtonCode::edit:
            log ("edit action");
            log ("closing window to open new one");
            if (auto* window = currentChild.get())
                window->closeKW();
            currentChild = nullptr;
            openEditBrowser();
            return;
        case ButtonCode::saveItem:
            log ("save action");
            closeChild();
            openSelectBrowser();
            return;
        case ButtonCode::cancel:
            currentChild = nullptr;
            return;
        default:
            return;
    }
}
