#include "frame/KWManager.h"
#include "frame/KWindow.h"
#include "core/Log.h"
#include "frame/VindorWindowAction.h"
#include "platform/gui/DesktopStacking.h"

KWManager* KWManager::instance = nullptr;

KWManager::KWItem::KWItem (juce::Component* comp)
    : juce::ComponentMovementWatcher (comp), component (comp)
{
}

KWManager::KWItem::~KWItem() = default;

void KWManager::KWItem::componentMovedOrResized (bool, bool) {}

void KWManager::KWItem::componentPeerChanged()
{
    componentVisibilityChanged();
}

void KWManager::KWItem::componentVisibilityChanged()
{
    if (component->isShowing())
        return;

    // A minimised window is not showing but is still the user's window: keep tracking it.
    if (auto* window = dynamic_cast<juce::ResizableWindow*> (component))
        if (window->isMinimised())
            return;

    cancel();
}

void KWManager::KWItem::componentBeingDeleted (juce::Component& comp)
{
    juce::ComponentMovementWatcher::componentBeingDeleted (comp);

    if (component == &comp || comp.isParentOf (component))
        cancel();
}

void KWManager::KWItem::cancel()
{
    if (isActive)
    {
        isActive = false;
        if (auto* manager = KWManager::getInstanceWithoutCreating())
            manager->triggerAsyncUpdate();
    }
}

KWManager* KWManager::getInstance()
{
    if (instance == nullptr)
        instance = new KWManager();
    return instance;
}

KWManager* KWManager::getInstanceWithoutCreating()
{
    return instance;
}

KWManager::~KWManager()
{
    // Windows still open at shut-down go with their callbacks, unannounced.
    for (int i = items.size(); --i >= 0;)
        items.remove (i);
    if (instance == this)
        instance = nullptr;
}

void KWManager::registerKWindow (juce::Component* component)
{
    if (component != nullptr)
        items.add (new KWItem (component));
}

void KWManager::attachCallback (juce::Component* component, Callback* callback)
{
    if (callback == nullptr)
        return;

    std::unique_ptr<Callback> deleter (callback);
    for (int i = items.size(); --i >= 0;)
    {
        auto* item = items.getUnchecked (i);
        if (item->component == component)
        {
            item->callbacks.add (deleter.release());
            return;
        }
    }
}

void KWManager::endKWindow (juce::Component* component, int returnValue)
{
    for (int i = items.size(); --i >= 0;)
    {
        auto* item = items.getUnchecked (i);
        if (item->component == component)
        {
            item->returnValue = returnValue;
            item->cancel();
        }
    }
}

int KWManager::getNumKWindows() const
{
    int n = 0;
    for (auto* item : items)
        if (item->isActive)
            ++n;
    return n;
}

juce::Component* KWManager::getKWindow (int index) const
{
    int n = 0;
    for (int i = items.size(); --i >= 0;)
    {
        auto* item = items.getUnchecked (i);
        if (item->isActive)
        {
            if (n == index)
                return item->component;
            ++n;
        }
    }
    return nullptr;
}

void KWManager::handleAsyncUpdate()
{
    vindoro::vlog ("KWManager::handleAsyncUpdate", "tukaj");

    for (int i = items.size(); --i >= 0;)
    {
        auto* item = items.getUnchecked (i);
        if (item->isActive)
            continue;

        // The item goes before any callback runs: a callback usually deletes the window, and an
        // item still watching it would be called back by a half-destroyed component. Taken out of
        // the list first, so that a window finishing during its own deletion finds no item.
        juce::OwnedArray<Callback> callbacks;
        callbacks.swapWith (item->callbacks);
        const int returnValue = item->returnValue;
        delete items.removeAndReturn (i);
        for (int j = callbacks.size(); --j >= 0;)
            callbacks.getUnchecked (j)->kwFinished (returnValue);
    }

    bringKWindowToFront();
}

void KWManager::bringKWindowToFront()
{
    vindoro::vlog ("KWManager::bringKWindowToFront", "tukaj");

    juce::ComponentPeer* previousPeer = nullptr;
    juce::Component* previous = nullptr;

    for (int i = 0; i < getNumKWindows(); ++i)
    {
        auto* comp = getKWindow (i);
        if (comp == nullptr)
            break;

        auto* peer = comp->getPeer();
        if (peer == nullptr || peer == previousPeer)
            continue;

        if (previous == nullptr)
        {
            comp->toFront (true);
            DesktopStacking::raise (*comp);
            comp->grabKeyboardFocus();
            vindoro::vlog ("KWManager::bringKWindowToFront", "got focus:" + juce::String (i));

            if (auto* kw = dynamic_cast<KWindow*> (comp))
            {
                vindoro::vlog ("KWManager::bringKWindowToFront", "imam kwindow");
                if (auto* action = kw->getAction())
                {
                    vindoro::vlog ("KWManager::bringKWindowToFront", "imam kwa");
                    if (auto* editor = action->getLastEditor())
                    {
                        vindoro::vlog ("KWManager::bringKWindowToFront", "imam celo m_kf");
                        editor->grabKeyboardFocus();
                        vindoro::vlog ("KWManager::bringKWindowToFront", "prenesem keyboard focus");
                        action->lastEditor = nullptr;
                        vindoro::vlog ("KWManager::bringKWindowToFront", "pozabim na last editor");
                    }
                }
            }
        }
        else
        {
            DesktopStacking::placeBehind (*comp, *previous);
        }

        previous = comp;
        previousPeer = peer;
    }

    vindoro::vlog ("KWManager::bringKWindowToFront", "konec");
}
