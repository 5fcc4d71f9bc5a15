#include "widgets/Statistika.h"

#include "core/Log.h"
#include "widgets/PregledBaze.h"

using vindoro::vlog;

Statistika::Statistika (PregledBaze* owner)
    : juce::ComponentMovementWatcher (&owner->getTable().getHeader()),
      browser (owner),
      table (&owner->getTable())
{
    if (browser->getColumnSpec().valid)
        initMeasures (browser->getColumnSpec(), titleKey);
}

Statistika::~Statistika() = default;

void Statistika::updateStats()
{
    resetValues();
    for (int i = browser->getNumRows(); --i >= 0;)
        if (auto* row = browser->rowAt (i))
            addRow (row);
    writeStats (statsRow);
    repaint();
}

void Statistika::resized() { vlog ("Statistika::resized", "here"); }
void Statistika::childBoundsChanged (juce::Component*) { vlog ("Statistika::childBoundsChanged", "here"); }
void Statistika::parentSizeChanged() { vlog ("Statistika::parentSizeChanged", "here"); }

void Statistika::componentMovedOrResized (bool wasMoved, bool)
{
    if (wasMoved)
        repaint();
}

void Statistika::paint (juce::Graphics& g)
{
    if (table == nullptr)
        return;
    auto& header = table->getHeader();

    const juce::Colour halfBlack = juce::Colours::black.withAlpha (0.5f);
    const int outline = table->getOutlineThickness();
    auto r = g.getClipBounds();
    g.setColour (halfBlack);
    g.fillRect (r.getX(), r.getY(), outline, r.getHeight());
    g.fillRect (r.getRight() - outline, r.getY(), outline, r.getHeight());

    g.reduceClipRegion (outline, 0, getWidth() - 2 * outline, getHeight());
    r = g.getClipBounds();
    g.setColour (halfBlack);
    g.fillRect (r.getX(), r.getBottom() - 1, r.getWidth(), 1);
    g.setColour (juce::Colours::white.withAlpha (0.6f));
    g.fillRect (r.withTrimmedBottom (1));

    auto area = g.getClipBounds();
    const auto limitHeight = [] (float h) { return juce::jlimit (0.1f, 10000.0f, h); };

    if (titleKey.isNotEmpty())
    {
        juce::Graphics::ScopedSaveState state (g);
        g.setColour (juce::Colours::black);
        juce::Font bold (juce::Font::getDefaultSansSerifFontName(), limitHeight (0.5f * (float) area.getHeight()), juce::Font::bold);
        const auto title = juce::translate (titleKey);
        auto box = area.removeFromLeft ((int) std::ceil (bold.getStringWidthFloat (title)) + 8).reduced (4, 0);
        g.setFont (bold);
        g.drawFittedText (title, box, juce::Justification::centredLeft, 1);
    }

    const int numColumns = header.getNumColumns (false);
    const int lineHeight = getHeight();
    int x = -table->getViewport()->getViewPositionX();
    bool started = false;
    for (int id = 1; id <= numColumns; ++id)
    {
        if (header.getIndexOfColumnId (id, false) < 0 || ! header.isColumnVisible (id))
            continue;
        const int width = header.getColumnWidth (id);
        const int right = x + width;
        if (! started && right < area.getX())
        {
            x = right;
            continue;
        }
        started = true;
        if (right > area.getX())
        {
            juce::Graphics::ScopedSaveState state (g);
            g.setOrigin (x, 0);
            g.reduceClipRegion (0, 0, width, lineHeight);
            auto cell = g.getClipBounds();
            cell = cell.withTrimmedLeft (juce::jmin (4, cell.getWidth())).withTrimmedRight (juce::jmin (4, juce::jmax (0, cell.getWidth() - 4)));
            const auto name = browser->getAttributeNameForColumnId (id);
            if (browser->getColumnSpec().valid && hasStats (name))
            {
                g.setColour (juce::Colours::black);
                const float h = limitHeight (0.5f * (float) cell.getHeight());
                if (getStats (name).kind == StatKind::label)
                {
                    g.setFont (juce::Font (juce::Font::getDefaultSansSerifFontName(), h, juce::Font::bold));
                    g.drawFittedText (browser->getColumnSpec().statsLabelFor (name), cell,
                                      juce::Justification::centredLeft, 1);
                }
                else
                {
                    auto justification = juce::Justification (juce::Justification::centred);
                    const auto text = browser->getTextForCell (&statsRow, name, justification);
                    g.setFont (juce::Font (juce::Font::getDefaultSansSerifFontName(), h, juce::Font::plain));
                    g.drawFittedText (text, cell, justification, 1);
                }
            }
            const auto clip = g.getClipBounds();
            g.setColour (halfBlack);
            g.fillRect (clip.getRight() - 1, clip.getY(), 1, clip.getHeight());
        }
        x = right;
        if (right >= area.getRight())
            break;
    }
}
