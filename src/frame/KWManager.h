#pragma once
// Process-wide tracker of the non-modal windows: learns that a window finished (closed, hidden
// or deleted), then on a later message calls its callbacks, deletes them with the window they
// hold, and restacks the rest newest on top. Main thread only.
#include <juce_gui_basics/juce_gui_basics.h>

class KWManager : public juce::AsyncUpdater,
                  public juce::DeletedAtShutdown
{
public:
    /** Told when a tracked window has finished; deleting it deletes the window it holds. */
    class Callback
    {
    public:
        virtual ~Callback() = default;
        virtual void kwFinished (int returnValue) = 0;
    };

    class KWItem : public juce::ComponentMovementWatcher
    {
    public:
        explicit KWItem (juce::Component* component);
        ~KWItem() override;

        void componentBeingDeleted (juce::Component& comp) override;
        void componentMovedOrResized (bool wasMoved, bool wasResized) override;
        void componentPeerChanged() override;
        void componentVisibilityChanged() override;
        using juce::ComponentMovementWatcher::componentMovedOrResized;
        using juce::ComponentMovementWatcher::componentVisibilityChanged;

        void cancel();

        juce::Component* component;
        juce::OwnedArray<Callback> callbacks;
        int returnValue = 0;
        bool isActive = true;

        JUCE_DECLARE_NON_COPYABLE (KWItem)
    };

    static KWManager* getInstance();
    static KWManager* getInstanceWithoutCreating();

    void registerKWindow (juce::Component* component);
    void attachCallback (juce::Component* component, Callback* callback);
    void endKWindow (juce::Component* component, int returnValue);
    int getNumKWindows() const;
    juce::Component* getKWindow (int index) const;
    void bringKWindowToFront();

    ~KWManager() override;

protected:
    void handleAsyncUpdate() override;

private:
    KWManager() = default;

    juce::OwnedArray<KWItem> items;
    static KWManager* instance;

    JUCE_DECLARE_NON_COPYABLE (KWManager)
};
