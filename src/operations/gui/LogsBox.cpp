#include "operations/gui/LogsBox.h"
#include "core/Log.h"

using juce::String;

namespace
{
void log (const char* method, const String& message)
{
    vindoro::vlog (String ("LogsBox::") + method, message);
}

juce::Font plainLabelFont (juce::Component& c)
{
    juce::Label label;
    return c.getLookAndFeel().getLabelFont (label);
}
} // namespace

LogsBox::LogsBox()
{
    setSize (800, 600);
    text = std::make_unique<LogsText> (this);
    viewport.setViewedComponent (text.get(), false);
    addAndMakeVisible (viewport);
    log ("LogsBox", String::formatted ("wx %d wy:%d", getWidth(), getHeight()));
}

LogsBox::~LogsBox()
{
    viewport.setViewedComponent (nullptr, false);
}

void LogsBox::paint (juce::Graphics& g)
{
    // Looked up once: the colour of the look the program started with.
    static const juce::Colour background = getLookAndFeel().findColour (juce::ResizableWindow::backgroundColourId);
    g.fillAll (background);
}

void LogsBox::resized()
{
    viewport.setBounds (getLocalBounds());
}

//==============================================================================
LogsBox::LogsText::LogsText (LogsBox* ownerIn) : owner (ownerIn)
{
    if (owner != nullptr)
        setSize (owner->getWidth(), owner->getHeight());
    log ("LogsText", String::formatted ("wx %d wy:%d", getWidth(), getHeight()));
}

LogsBox::LogsText::~LogsText() = default;

void LogsBox::LogsText::reload()
{
    const auto started = juce::Time::getMillisecondCounterHiRes();
    LogsBoxLoader::loadPage (this, offset, pageSize);
    log ("LogsText::reload", "Elapsed time: " + String ((juce::Time::getMillisecondCounterHiRes() - started) / 1000.0) + " s");
}

void LogsBox::LogsText::setLines (const juce::StringArray& lines, const juce::Array<LogsBoxLoader::Link>& givenLinks,
                                  const juce::Array<int>& kinds)
{
    linesShown = ! lines.isEmpty();
    links = givenLinks;
    shownLines = lines;
    shownKinds = kinds;

    const auto font = plainLabelFont (*this);
    juce::AttributedString attributed;
    attributed.setJustification (juce::Justification::topLeft);
    for (int i = 0; i < lines.size(); ++i)
    {
        const int kind = kinds[i];
        juce::Font lineFont = font;
        juce::Colour colour = juce::Colours::black;
        switch (kind)
        {
            case LogsBoxLoader::LineKind::dayHeader: lineFont = font.boldened(); break;
            case LogsBoxLoader::LineKind::error: lineFont = font.boldened(); colour = juce::Colours::white; break;
            case LogsBoxLoader::LineKind::entry: break;
            case LogsBoxLoader::LineKind::nextPage:
            case LogsBoxLoader::LineKind::prevPage: colour = juce::Colours::red.withAlpha (0.5f); break;
            default: continue;
        }
        attributed.append (lines[i] + (i < lines.size() - 1 ? "\n" : ""), lineFont, colour);
    }

    // Wide enough that no line wraps: a link is found by its line's index in the layout.
    layout.createLayout (attributed, (float) (getWidth() - 2 * margin + 5000), 10000000.0f);
    setSize ((int) std::ceil (layout.getWidth()) + 2 * margin, (int) std::ceil (layout.getHeight()) + 2 * margin);

    for (int i = 0; i < kinds.size() && i < layout.getNumLines(); ++i)
        if (kinds[i] >= LogsBoxLoader::LineKind::firstLink)
        {
            // Where the line is drawn: the layout sits at the margin.
            const auto bounds = layout.getLine (i).getLineBounds();
            links.add ({ i, bounds.translated ((float) margin, (float) margin).getSmallestIntegerContainer(), kinds[i] });
        }
    repaint();
}

void LogsBox::LogsText::paint (juce::Graphics& g)
{
    layout.draw (g, getLocalBounds().reduced (margin).toFloat());
}

void LogsBox::LogsText::mouseUp (const juce::MouseEvent& e)
{
    if (! e.mods.isLeftButtonDown())
        return;
    const auto point = e.getMouseDownPosition();
    for (int i = 0; i < links.size(); ++i)
    {
        const auto& link = links.getReference (i);
        if (! link.bounds.contains (point))
            continue;
        log ("LogsText::mouseUp", "TBUTTON " + String (i) + " was clicked");
        if (link.kind == LogsBoxLoader::LineKind::nextPage)
            offset += pageSize;
        else if (link.kind == LogsBoxLoader::LineKind::prevPage)
            offset = juce::jmax (0, offset - pageSize);
        else
            return;
        reload();
        return;
    }
}

void LogsBox::LogsText::mouseDoubleClick (const juce::MouseEvent&)
{
    reload();
}

void LogsBox::LogsText::lookAndFeelChanged()
{
    if (linesShown)
        reload();
}
