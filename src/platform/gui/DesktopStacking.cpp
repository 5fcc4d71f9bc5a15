#include "platform/gui/DesktopStacking.h"

#include <X11/Xlib.h>

namespace
{
// A connection of our own: stacking is the server's state, so it need not be the framework's.
Display* display()
{
    static Display* d = XOpenDisplay (nullptr);
    return d;
}

::Window nativeWindow (juce::Component& c)
{
    auto* peer = c.getPeer();
    return peer != nullptr ? (::Window) (juce::pointer_sized_uint) peer->getNativeHandle() : 0;
}

// A window manager may have put the window into a frame of its own: the frame is what stacks.
::Window topLevelOf (Display* d, ::Window w)
{
    for (;;)
    {
        ::Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        if (XQueryTree (d, w, &root, &parent, &children, &count) == 0)
            return w;
        if (children != nullptr)
            XFree (children);
        if (parent == root || parent == 0)
            return w;
        w = parent;
    }
}
} // namespace

namespace DesktopStacking
{
void raise (juce::Component& window)
{
    auto* d = display();
    const auto w = nativeWindow (window);
    if (d == nullptr || w == 0)
        return;
    XRaiseWindow (d, topLevelOf (d, w));
    XSync (d, False);
}

void placeBehind (juce::Component& window, juce::Component& above)
{
    auto* d = display();
    const auto w = nativeWindow (window);
    const auto a = nativeWindow (above);
    if (d == nullptr || w == 0 || a == 0 || w == a)
        return;
    // Top to bottom: the window stays where `above` is and ours goes directly under it.
    ::Window stack[] = { topLevelOf (d, a), topLevelOf (d, w) };
    XRestackWindows (d, stack, 2);
    XSync (d, False);
}
} // namespace DesktopStacking
