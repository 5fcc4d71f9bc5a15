#include "frame/NormalKWindowCallback.h"
#include "core/Log.h"
#include "frame/VindorWindowAction.h"

NormalKWindowCallback::NormalKWindowCallback (const juce::String& title, VindorWindowAction* action,
                                              juce::Component* parentComponent, juce::Component* listenerComponent)
    : parent (parentComponent), listener (listenerComponent), window (title, action, parentComponent)
{
    if (auto* changeListener = dynamic_cast<juce::ChangeListener*> (listenerComponent))
    {
        vindoro::vlog ("NormalKWindowCallback::NormalKWindowCallback", "adding listener");
        window.setListener (changeListener, listenerComponent);
    }

    action->myWindow = &window;

    auto* manager = KWManager::getInstance();
    manager->registerKWindow (&window);
    manager->attachCallback (&window, this);

    window.setVisible (true);
    window.grabKeyboardFocus();
}

NormalKWindowCallback::~NormalKWindowCallback() = default;

void NormalKWindowCallback::kwFinished (int returnValue)
{
    vindoro::vlog ("NormalKWindowCallback::kwFinished", "here:" + juce::String (returnValue));
}
