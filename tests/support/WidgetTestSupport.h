#pragma once
// Small helpers of the widget tests: synthetic mouse events and painting a component into a PNG
// under /tmp for a look by eye.
#include <juce_gui_basics/juce_gui_basics.h>

namespace wtest
{
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

inline bool writePng (const juce::Image& image, const juce::String& path)
{
    juce::File file (path);
    file.deleteFile();
    juce::FileOutputStream out (file);
    juce::PNGImageFormat png;
    return out.openedOk() && png.writeImageToStream (image, out);
}
} // namespace wtest
