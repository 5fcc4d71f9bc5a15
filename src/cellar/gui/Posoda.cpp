#include "cellar/gui/Posoda.h"
#include "core/Log.h"
#include "core/TextHelpers.h"

Posoda::PictureSource Posoda::pictures = nullptr;

Posoda::Posoda (juce::Component* ownerComponent, const juce::XmlElement* row, const KletRecord& klet, bool isMovable)
    : owner (ownerComponent), record (row), movable (isMovable)
{
    setName ("Posoda");
    record.klet = klet;
}

void Posoda::setZoom (float z)
{
    zoom = z;
    const int side = (int) (10.0f * z);
    setSize (side, side);
    setTopLeftPosition ((int) ((float) record.pozx * z / 10.0f), (int) ((float) record.pozy * z / 10.0f));
    repaint();
}

void Posoda::storePosition (int x, int y)
{
    record.pozx = x * (10.0 / zoom);
    record.pozy = y * (10.0 / zoom);
}

void Posoda::writePosition()
{
    if (movable && moved)
    {
        int index = 0;
        if (auto* parent = getParentComponent())
            index = juce::jmax (0, parent->getIndexOfChildComponent (this));
        record.pozz = index;
    }
    PosodaOps::writePosition (&db, record, movable, moved);
}

bool Posoda::setActive()
{
    return PosodaOps::setActive (&db, record, movable);
}

void Posoda::toggleSelected() { setSelected (! selected); }

void Posoda::setSelected (bool on)
{
    selected = on;
    repaint();
}

void Posoda::resized()
{
    constrainer.setMinimumOnscreenAmounts (getHeight(), getWidth(), getHeight(), getWidth());
}

float Posoda::labelFontHeight() const
{
    juce::Label probe;
    return (float) (int) getLookAndFeel().getLabelFont (probe).getHeight();
}

juce::AttributedString Posoda::describe (float height, float h) const
{
    const double ratio = PosodaOps::fillRatio (record);
    const juce::Font font (h);
    juce::AttributedString text;
    text.setJustification (juce::Justification::centred);
    text.setWordWrap (juce::AttributedString::none);
    text.append (record.oznaka, juce::Font (1.5f * h), juce::Colours::black);
    if (height > 6 * h)
    {
        if (record.sorta.isEmpty() || record.zaloga < 0.01)
            text.append ("\n" + TRANS ("prazna posoda"), font, juce::Colours::black);
        else
        {
            auto line = "\n" + record.sorta;
            if (record.letnik > 98)
                line << " " << juce::String (record.letnik);
            text.append (line, font, juce::Colours::black);
            if (record.tipizacija.sorta.id > 1)
                text.append ("(T)", juce::Font (0.5f * h), juce::Colours::black);
        }
    }
    if (height > 7 * h)
        text.append ("\n" + formatDecimal0 (record.zaloga) + "/" + formatDecimal0 (record.volumen) + "L", font, juce::Colours::black);
    if (height > 13 * h && record.tipizacija.sorta.id > 1)
        text.append ("\n" + record.tipizacija.kvalitetaOznaka, font, juce::Colours::black);
    if (height > 10 * h)
        text.append ("\n" + juce::String ((int) (100.0 * ratio)) + "%", font, juce::Colours::black);
    return text;
}

void Posoda::paint (juce::Graphics& g)
{
    auto area = getLocalBounds().toFloat().reduced (2.0f);
    const float h = labelFontHeight();
    const auto bg = getLookAndFeel().findColour (juce::ResizableWindow::backgroundColourId).withAlpha (1.0f);
    const auto c = bg.contrasting (1.0f);

    g.setGradientFill (juce::ColourGradient (c.withAlpha (0.8f), area.getCentre(), c.withAlpha (0.0f),
                                             { area.getX(), area.getCentreY() }, true));
    g.fillRect (area);
    if (pictures != nullptr && record.tip >= 2 && record.tip <= 8)
        if (auto* picture = pictures (record.tip - 2))
            picture->drawWithin (g, area, juce::RectanglePlacement::centred, 1.0f);
    g.setGradientFill (juce::ColourGradient (bg.withAlpha (0.5f), area.getCentre(), bg.withAlpha (0.0f),
                                             { area.getX() + 0.1f * area.getWidth(), area.getCentreY() }, true));
    g.fillRect (area);

    const double ratio = PosodaOps::fillRatio (record);
    const auto text = describe (area.getHeight(), h);
    auto textArea = area.withTrimmedTop (h);
    if (record.tip == 3)
        textArea.setY (textArea.getY() - h);
    else if (record.tip == 7)
        textArea.setY (textArea.getY() - 2 * h);
    text.draw (g, textArea);

    auto bar = area.withTrimmedTop (area.getHeight() * 0.85f).reduced (5.0f);
    // Colours stored without an alpha byte are meant opaque.
    auto argb = (juce::uint32) record.barva;
    if (argb < 0x1000000u)
        argb |= 0xFF000000u;
    const auto colour = juce::Colour (argb);
    g.setColour (colour.withAlpha (0.5f));
    g.fillRoundedRectangle (bar.withWidth ((float) ratio * bar.getWidth()), 5.0f);
    g.setColour (juce::Colour::contrasting (colour.withAlpha (1.0f), bg).withAlpha (0.8f));
    g.drawRoundedRectangle (bar, 5.0f, 2.0f);

    if (selected)
    {
        g.setColour (juce::Colour (0xAA2C6FD1));
        g.drawRoundedRectangle (area, 10.0f, 3.0f);
    }
}

void Posoda::mouseDown (const juce::MouseEvent& e)
{
    if (! e.mods.isLeftButtonDown())
        return;
    sendChangeMessage();
    dragger.startDraggingComponent (this, e);
}

void Posoda::mouseDrag (const juce::MouseEvent& e)
{
    if (movable)
        dragger.dragComponent (this, e, &constrainer);
}

void Posoda::mouseUp (const juce::MouseEvent& e)
{
    if (! movable || ! e.mods.isLeftButtonDown())
        return;
    storePosition (getX(), getY());
    moved = true;
    vindoro::vlog ("Posoda::mouseUp", juce::String::formatted ("premik id %d oznaka:%s pozx:%e pozy:%e pozz:%d", record.id,
                   record.oznaka.toRawUTF8(), record.pozx, record.pozy, record.pozz));
}
