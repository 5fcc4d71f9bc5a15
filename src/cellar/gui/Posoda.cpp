#include "cellar/gui/Posoda.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "cellar/gui/KletGUI.h"
#include "frame/ButtonRecord.h"
#include "frame/KWindow.h"
#include "frame/VindorWindow.h"
#include "operations/gui/PregledBazeVino.h"

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
    // Building a probe label for every paint of every vessel is costly; the look decides the
    // height, so it is asked again only under another look or after the look changed.
    auto& look = getLookAndFeel();
    if (labelHeight <= 0.0f || labelLook != &look)
    {
        juce::Label probe;
        labelHeight = (float) (int) look.getLabelFont (probe).getHeight();
        labelLook = &look;
    }
    return labelHeight;
}

void Posoda::lookAndFeelChanged()
{
    labelHeight = 0.0f;
    laidOutAttributes = -1;
    repaint();
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
    const auto pixelArea = getLocalBounds().reduced (2);
    auto area = pixelArea.toFloat();
    const float h = labelFontHeight();
    const auto bg = getLookAndFeel().findColour (juce::ResizableWindow::backgroundColourId).withAlpha (1.0f);

    juce::Drawable* picture = nullptr;
    if (pictures != nullptr && record.tip >= 2 && record.tip <= 8)
        picture = pictures (record.tip - 2);
    if (pictureCache != nullptr)
        pictureCache->draw (g, pixelArea, picture, bg);
    else
        VesselPictureCache::drawBackdrop (g, area, picture, bg);

    const double ratio = PosodaOps::fillRatio (record);
    const auto text = describe (area.getHeight(), h);
    auto textArea = area.withTrimmedTop (h);
    if (record.tip == 3)
        textArea.setY (textArea.getY() - h);
    else if (record.tip == 7)
        textArea.setY (textArea.getY() - 2 * h);
    drawText (g, text, textArea);

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

void Posoda::drawText (juce::Graphics& g, const juce::AttributedString& text, juce::Rectangle<float> area)
{
    // As AttributedString::draw does, but the layout (the costly part) is kept until the text or
    // the area changes, so repainting a canvas of many vessels does not lay out every label again.
    if (text.getText().isEmpty() || ! g.clipRegionIntersects (area.getSmallestIntegerContainer()))
        return;
    if (g.getInternalContext().drawTextLayout (text, area))
        return;
    if (text.getText() != laidOutText || area != laidOutArea || text.getNumAttributes() != laidOutAttributes)
    {
        layout.createLayout (text, area.getWidth());
        laidOutText = text.getText();
        laidOutArea = area;
        laidOutAttributes = text.getNumAttributes();
    }
    layout.draw (g, area);
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

Posoda::~Posoda()
{
    if (auto* child = currentChild.get())
        child->closeKW();
}

void Posoda::mouseDoubleClick (const juce::MouseEvent& e)
{
    if (! e.mods.isLeftButtonDown() || currentChild != nullptr)
        return;
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("ZgodovinaVina"), ButtonCode::history);
    addButton (TRANS ("Edit"), ButtonCode::edit);
    addButton (TRANS ("VnosZalog"), ButtonCode::insert);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    // Vessels dragged in edit mode are written before anything books on them.
    if (auto* window = findParentComponentOfClass<KletGUI>())
        window->savePositions();
    currentChild = VindorWindow::launchNormal (TRANS ("Vsebina posode") + " " + record.oznaka, new PregledBazeVino (record),
                                               owner, this);
}

void Posoda::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = currentChild.get();
    if (child == nullptr || source != child)
        return;
    // 12: a saved change, the list stays. 7: the list is a browser, and a click or Return on a
    // wine answers Select to its opener; the vessel picks nothing from its list, so closing on it
    // would take the list away under the user's click.
    if (child->getExitValue() == ButtonCode::refresh || child->getExitValue() == ButtonCode::select)
        return;
    currentChild = nullptr;
    // Close closes its own window; any other answer leaves it to the vessel.
    if (child->getExitValue() != ButtonCode::cancel)
        child->closeKW();
}
