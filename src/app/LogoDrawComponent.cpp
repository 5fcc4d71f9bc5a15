#include "app/LogoDrawComponent.h"

#include "app/IntroLogo.h"
#include "app/MainContentComponent.h"

#include <cmath>

using namespace juce;

LogoDrawComponent::LogoDrawComponent()
{
    if (auto svg = XmlDocument::parse (String::fromUTF8 (vindoro::introLogoSvg())))
        logoDrawable = Drawable::createFromSVG (*svg);
    startTimer (kTimerPeriodMs);
}

LogoDrawComponent::~LogoDrawComponent()
{
    stopTimer();
    logoDrawable.reset();
}

std::vector<LogoDrawComponent::Bar> LogoDrawComponent::barsFor (float w, float h, float phase)
{
    std::vector<Bar> bars;
    if (! (w > 5.0f))
        return bars;

    const float base = h * 0.44f;
    int i = 0;
    for (float x = 5.0f; x < w; x = 5.0f + 10.0f * (float) ++i)
    {
        const float fi = (float) i;
        const float y1 = std::sin (fi * 0.38f + phase) * (h * 0.05f) + base;
        const float y2 = std::sin (phase * 2.0f + fi * 0.2f) * (h * 0.1f) + base;
        bars.push_back ({ x, y1, y2 });
    }
    return bars;
}

void LogoDrawComponent::paint (Graphics& g)
{
    const int w = getWidth(), h = getHeight();

    Path wave;
    for (const auto& bar : barsFor ((float) w, (float) h, phase))
    {
        wave.addLineSegment (Line<float> (bar.x, bar.y1, bar.x, bar.y2), 2.0f);
        wave.addEllipse (bar.x - 3.0f, bar.y1 - 3.0f, 6.0f, 6.0f);
        wave.addEllipse (bar.x - 3.0f, bar.y2 - 3.0f, 6.0f, 6.0f);
    }
    g.setColour (Colour::greyLevel (0.4f));
    g.fillPath (wave);

    if (logoDrawable != nullptr)
        logoDrawable->drawWithin (g, getLocalBounds().reduced (20, h / 4).toFloat(), RectanglePlacement::centred, 1.0f);
}

void LogoDrawComponent::mouseUp (const MouseEvent&)
{
    // The board deletes the intro screen, and this component with it: nothing may follow the call.
    if (auto* content = dynamic_cast<MainContentComponent*> (board))
        content->removeIntroScreen();
}

void LogoDrawComponent::timerCallback()
{
    repaint();
    phase += kPhaseStep;
}
