#include "frame/KWindow.h"
#include "core/Log.h"

KWindow::~KWindow()
{
    masterReference.clear();
}

void KWindow::setListener (juce::ChangeListener* newListener, juce::Component* listenerComponent)
{
    if (listener != nullptr)
        removeChangeListener (listener);

    listener = newListener;
    listenerGuard = listenerComponent;

    if (listener != nullptr)
        addChangeListener (listener);
}

void KWindow::notifyListener()
{
    vindoro::vlog ("KWindow::notifyListener", "in KWindow");

    if (listener != nullptr && listenerGuard == nullptr)
    {
        // The opener's component is gone: the pointer in the broadcaster's list is stale and is
        // only compared, never called.
        removeChangeListener (listener);
        listener = nullptr;
    }

    sendSynchronousChangeMessage();
}
