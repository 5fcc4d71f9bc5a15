#pragma once
// The face of a framework window that openers and contents talk to: exit value, buttons,
// closing, the content action and the synchronous answer to the opener. Referenced by others
// only weakly (KWindowRef), so a deleted window never leaves a dangling pointer behind.
#include <juce_gui_basics/juce_gui_basics.h>

class VindorWindowAction;

class KWindow : public juce::ChangeBroadcaster
{
public:
    KWindow() = default;
    ~KWindow() override;

    virtual int getExitValue() = 0;
    virtual void setExitValue (int code) = 0;
    virtual bool hasButton (int code) = 0;
    virtual void closeKW() = 0;
    virtual VindorWindowAction* getAction() = 0;
    /** Sends the window's change message at once to its listener (the opener). */
    virtual void notifyListener();
    virtual juce::TextButton* getButton (int position) = 0;

    /** Registers the opener as the window's one listener. The listener is dropped as soon as its
        component is deleted, so an opener that went away before its child is never called. */
    void setListener (juce::ChangeListener* listener, juce::Component* listenerComponent);

protected:
    /** Makes every KWindowRef to this window null; windows call it first in their destructor. */
    void forgetReferences() { masterReference.clear(); }

private:
    juce::ChangeListener* listener = nullptr;
    juce::Component::SafePointer<juce::Component> listenerGuard;

    JUCE_DECLARE_WEAK_REFERENCEABLE (KWindow)

    JUCE_DECLARE_NON_COPYABLE (KWindow)
};

/** A reference to a window that becomes null when the window is deleted. */
using KWindowRef = juce::WeakReference<KWindow>;
