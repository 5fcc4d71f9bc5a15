#include "frame/VindorWindowCallback.h"
#include "core/Log.h"
#include "frame/VindorWindowAction.h"

VindorWindowCallback::VindorWindowCallback (const juce::String& title, VindorWindowAction* action,
                                            juce::Component* parentComponent, juce::Component* listenerComponent)
    : parent (parentComponent), listener (listenerComponent), window (title, action, parentComponent)
{
    if (auto* changeListener = dynamic_cast<juce::ChangeListener*> (listenerComponent))
    {
        vindoro::vlog ("VindorWindowCallback::VindorWindowCallback", "adding listener");
        window.setListener (changeListener, listenerComponent);
    }

    action->myWindow = &window;

    window.setVisible (true);
    // The modal manager takes this callback over; it deletes it, and with it the window.
    window.enterModalState (true, this, false);
}

VindorWindowCallback::~VindorWindowCallback() = default;

void VindorWindowCallback::modalStateFinished (int returnValue)
{
    vindoro::vlog ("VindorWindowCallback::modalStateFinished", "here:" + juce::String (returnValue));

    if (parent != nullptr)
    {
        vindoro::vlog ("VindorWindowCallback::modalStateFinished", "inside modalResult check");
        vindoro::vlog ("VindorWindowCallback::modalStateFinished", "after modalCallback to parent");
    }
}
