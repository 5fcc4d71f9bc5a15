#pragma once
// Small helpers of the tests that run components: the message loop, a child found by its type,
// synthetic mouse events, acting on a real alert window once it is up, and painting a component
// into a PNG under /tmp for a look by eye.
#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace wtest
{
/** Pumps the message loop so deferred deletions and async updates run. */
inline void pump (int ms = 30)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (ms);
}

/** The first component of type T below `c` (depth first, a child before its own children), or null. */
template <typename T>
T* findChild (juce::Component& c)
{
    for (auto* child : c.getChildren())
    {
        if (auto* hit = dynamic_cast<T*> (child))
            return hit;
        if (auto* inner = findChild<T> (*child))
            return inner;
    }
    return nullptr;
}

/** The first component of type T below `c` that `matches`, or null. */
template <typename T>
T* findChild (juce::Component& c, const std::function<bool (T&)>& matches)
{
    for (auto* child : c.getChildren())
    {
        if (auto* hit = dynamic_cast<T*> (child); hit != nullptr && matches (*hit))
            return hit;
        if (auto* inner = findChild<T> (*child, matches))
            return inner;
    }
    return nullptr;
}

/** Acts on the next modal alert window, from inside its modal loop: a timer looks for a modal alert
    window that was not handled yet (a later one may be built at the same address). Gives up after
    two seconds, so a window that never comes leaves nothing running. */
class AlertActor : private juce::Timer
{
public:
    static void whenOpens (std::function<void (juce::AlertWindow&)> act) { new AlertActor (std::move (act)); }

private:
    explicit AlertActor (std::function<void (juce::AlertWindow&)> a)
        : act (std::move (a)), deadline (juce::Time::getMillisecondCounter() + 2000)
    {
        startTimer (10);
    }

    void timerCallback() override
    {
        auto* w = dynamic_cast<juce::AlertWindow*> (juce::Component::getCurrentlyModalComponent());
        if (w != nullptr && ! w->getProperties().contains ("handled"))
        {
            stopTimer();
            w->getProperties().set ("handled", true);
            act (*w);
            delete this;
        }
        else if (juce::Time::getMillisecondCounter() > deadline)
        {
            stopTimer();
            delete this;
        }
    }

    std::function<void (juce::AlertWindow&)> act;
    juce::uint32 deadline;
};

inline void whenAlertOpens (std::function<void (juce::AlertWindow&)> act) { AlertActor::whenOpens (std::move (act)); }

inline juce::MouseEvent mouseAt (juce::Component& c, int x, int y, int clicks = 1,
                                 juce::ModifierKeys mods = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier))
{
    auto source = juce::Desktop::getInstance().getMainMouseSource();
    const auto now = juce::Time::getCurrentTime();
    const juce::Point<float> p ((float) x, (float) y);
    return juce::MouseEvent (source, p, mods, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, &c, &c, now, p, now, clicks, false);
}

inline juce::Image snapshot (juce::Component& c)
{
    return c.createComponentSnapshot (c.getLocalBounds(), true, 1.0f);
}

/** Writes the picture to the file (its folder made when missing); false for no picture or a failed write. */
inline bool writePng (const juce::Image& image, const juce::String& path)
{
    if (! image.isValid())
        return false;
    juce::File file (path);
    file.getParentDirectory().createDirectory();
    file.deleteFile();
    juce::FileOutputStream out (file);
    juce::PNGImageFormat png;
    return out.openedOk() && png.writeImageToStream (image, out);
}
} // namespace wtest
