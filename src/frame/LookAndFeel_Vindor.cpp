#include "frame/LookAndFeel_Vindor.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "frame/LookAndFeel_Vindor_DocumentWindowButton.h"
#include "frame/SystemInformation.h"

#include <cmath>

using namespace juce;

namespace
{
// Alpha as a fraction becomes a byte the way the framework's float alpha does (0.5 -> 0x7f).
Colour withAlphaFraction (uint32 argb, float alpha)
{
    return Colour (argb).withAlpha ((uint8) (alpha * 255.996f));
}

// X keeps a screen's size in whole millimetres, so the density it implies carries rounding noise
// (a screen set to 96 dpi reports 95.96); the whole number is what the display was set to.
float firstDisplayDpi()
{
    return (float) std::round (getDisplayDpi());
}
} // namespace

LookAndFeel_Vindor::LookAndFeel_Vindor()
{
    setColour (TreeView::selectedItemBackgroundColourId, Colour (0x301111ee));
    setColour (DocumentWindow::textColourId, Colour (kCream));
    setColour (ResizableWindow::backgroundColourId, Colour (kCream));
    setColour (TextButton::buttonColourId, Colour (kBrown));
    setColour (TextButton::textColourOffId, Colour (kCream));
    setColour (TextButton::textColourOnId, Colour (kCream));
    setColour (ComboBox::buttonColourId, Colour (kBrown));
    setColour (PropertyComponent::backgroundColourId, Colour (kLightYellow));
    setColour (TextEditor::outlineColourId, withAlphaFraction (kBrown, 0.0f));
    setColour (TabbedButtonBar::tabOutlineColourId, withAlphaFraction (kBrown, 0.5f));
    setColour (TabbedComponent::backgroundColourId, withAlphaFraction (kCream, 0.5f));
    setColour (TabbedComponent::outlineColourId, withAlphaFraction (kBrown, 0.4f));
    setColour (Slider::trackColourId, Colour (0xbbffffff));
    setColour (Slider::thumbColourId, Colour (0xffddddff));
    setColour (BubbleComponent::backgroundColourId, Colour (0xeeeeeedd));
    setColour (ScrollBar::thumbColourId, Colour::greyLevel (0.8f).contrasting().withAlpha ((uint8) (0.13f * 255.996f)));
    setColour (ListBox::backgroundColourId, Colour (kCream));
    setColour (ListBox::outlineColourId, withAlphaFraction (kBrown, 0.0f));
    setColour (ListBox::textColourId, withAlphaFraction (kBrown, 0.0f));

    if (auto* settings = getUserSettings())
    {
        auto file = settings->getValue ("backgroundfile");
        if (file.isNotEmpty())
            backgroundImage = ImageCache::getFromFile (File (file));
    }

    windowBackground = findColour (ResizableWindow::backgroundColourId);
    resetDefaultFontSize();
}

LookAndFeel_Vindor::~LookAndFeel_Vindor()
{
    backgroundImage = Image();
}

float LookAndFeel_Vindor::fontSizeForDisplay (float dpi, float mm)
{
    if (dpi < 1.0f)
        dpi = kFallbackDpi;
    return mm * dpi / 25.6f;
}

void LookAndFeel_Vindor::resetDefaultFontSize()
{
    screenDpi = firstDisplayDpi();
    if (screenDpi < 1.0f)
    {
        vindoro::vlog ("LookAndFeel_Vindor::resetDefaultFontSize",
                       "ERROR: DPI is strange:" + String (screenDpi) + " using value 80.0");
        screenDpi = kFallbackDpi;
    }

    fontSizeMm = kDefaultFontSizeMm;
    if (auto* settings = getUserSettings())
        fontSizeMm = (float) settings->getDoubleValue ("fontsize_mm", kDefaultFontSizeMm);

    defaultFontSize = fontSizeForDisplay (screenDpi, fontSizeMm);
    vindoro::vlog ("LookAndFeel_Vindor::resetDefaultFontSize",
                   "Font size:" + String (defaultFontSize) + " pixels or:" + String (fontSizeMm) + " mm");
}

Font LookAndFeel_Vindor::getTextButtonFont (TextButton&, int buttonHeight)
{
    return Font (jmin (defaultFontSize, (float) buttonHeight * 0.6f));
}

void LookAndFeel_Vindor::drawToggleButton (Graphics& g, ToggleButton& button, bool isMouseOver, bool isDown)
{
    if (button.hasKeyboardFocus (true))
    {
        g.setColour (button.findColour (TextEditor::focusedOutlineColourId));
        g.drawRect (0, 0, button.getWidth(), button.getHeight());
    }

    const float size = jmin (defaultFontSize, (float) button.getHeight() * 0.9f);
    const float tick = size * 1.1f;

    drawTickBox (g, button, 4.0f, ((float) button.getHeight() - tick) * 0.5f, tick, tick,
                 button.getToggleState(), button.isEnabled(), isMouseOver, isDown);

    g.setColour (button.findColour (ToggleButton::textColourId));
    g.setFont (size);
    if (! button.isEnabled())
        g.setOpacity (0.5f);

    const int textX = (int) tick + 5;
    g.drawFittedText (button.getButtonText(), textX, 0, button.getWidth() - textX - 2, button.getHeight(),
                      Justification::centredLeft, 1);
}

Font LookAndFeel_Vindor::getPopupMenuFont()
{
    return Font (defaultFontSize);
}

void LookAndFeel_Vindor::getIdealPopupMenuItemSize (const String& text, bool isSeparator, int standardMenuItemHeight,
                                                    int& idealWidth, int& idealHeight)
{
    if (isSeparator)
    {
        idealWidth = 50;
        idealHeight = standardMenuItemHeight > 0 ? standardMenuItemHeight / 2 : 10;
        return;
    }

    // The item follows our font, not the menu's standard height: a large font must not be squeezed.
    const Font font (getPopupMenuFont());
    idealHeight = roundToInt (font.getHeight() * 1.3f);
    idealWidth = (int) std::ceil (font.getStringWidthFloat (text)) + idealHeight * 2;
}

Font LookAndFeel_Vindor::getLabelFont (Label& label)
{
    return label.getFont().withHeight (defaultFontSize);
}

void LookAndFeel_Vindor::fillResizableWindowBackground (Graphics& g, int, int, const BorderSize<int>&,
                                                        ResizableWindow&)
{
    if (backgroundImage.isValid())
    {
        g.setTiledImageFill (backgroundImage, 0, 0, 1.0f);
        g.fillAll();
    }
    else
    {
        g.fillAll (windowBackground);
    }
}

void LookAndFeel_Vindor::drawTabButton (TabBarButton& button, Graphics& g, bool isMouseOver, bool isMouseDown)
{
    const Rectangle<int> activeArea (button.getActiveArea());
    const auto o = button.getTabbedButtonBar().getOrientation();
    const Colour bkg (button.getTabBackgroundColour());

    if (button.getToggleState())
    {
        g.setColour (bkg);
    }
    else
    {
        Point<int> p1, p2;
        switch (o)
        {
            case TabbedButtonBar::TabsAtBottom: p1 = activeArea.getBottomLeft(); p2 = activeArea.getTopLeft();    break;
            case TabbedButtonBar::TabsAtTop:    p1 = activeArea.getTopLeft();    p2 = activeArea.getBottomLeft(); break;
            case TabbedButtonBar::TabsAtRight:  p1 = activeArea.getTopRight();   p2 = activeArea.getTopLeft();    break;
            case TabbedButtonBar::TabsAtLeft:   p1 = activeArea.getTopLeft();    p2 = activeArea.getTopRight();   break;
            default: break;
        }
        g.setGradientFill (ColourGradient (bkg.brighter (0.2f), p1.toFloat(), bkg.darker (0.1f), p2.toFloat(), false));
    }

    g.fillRect (activeArea);
    g.setColour (button.findColour (TabbedButtonBar::tabOutlineColourId));

    Rectangle<int> r (activeArea);
    if (o != TabbedButtonBar::TabsAtBottom) g.fillRect (r.removeFromTop (1));
    if (o != TabbedButtonBar::TabsAtTop)    g.fillRect (r.removeFromBottom (1));
    if (o != TabbedButtonBar::TabsAtRight)  g.fillRect (r.removeFromLeft (1));
    if (o != TabbedButtonBar::TabsAtLeft)   g.fillRect (r.removeFromRight (1));

    const float alpha = button.isEnabled() ? ((isMouseOver || isMouseDown) ? 1.0f : 0.8f) : 0.3f;
    Colour col (bkg.contrasting().withMultipliedAlpha (alpha));

    if (auto* bar = button.findParentComponentOfClass<TabbedButtonBar>())
    {
        const auto colId = button.isFrontTab() ? TabbedButtonBar::frontTextColourId : TabbedButtonBar::tabTextColourId;
        if (bar->isColourSpecified (colId))
            col = bar->findColour (colId);
        else if (isColourSpecified (colId))
            col = findColour (colId);
    }

    // A disabled tab must read as disabled whatever alpha the chosen colour carried.
    col = col.withAlpha (button.isEnabled() ? 1.0f : 0.4f);

    const Rectangle<float> area (button.getTextArea().toFloat());
    float length = area.getWidth();
    float depth = area.getHeight();
    if (button.getTabbedButtonBar().isVertical())
        std::swap (length, depth);

    TextLayout textLayout;
    createTabTextLayout (button, length, depth, col, textLayout);

    AffineTransform t;
    switch (o)
    {
        case TabbedButtonBar::TabsAtLeft:  t = t.rotated (MathConstants<float>::pi * -0.5f).translated (area.getX(), area.getBottom()); break;
        case TabbedButtonBar::TabsAtRight: t = t.rotated (MathConstants<float>::pi * 0.5f).translated (area.getRight(), area.getY()); break;
        default:                           t = t.translated (area.getX(), area.getY()); break;
    }

    g.addTransform (t);
    textLayout.draw (g, Rectangle<float> (length, depth));
}

void LookAndFeel_Vindor::drawPropertyPanelSectionHeader (Graphics& g, const String& name, bool isOpen,
                                                         int width, int height)
{
    drawTreeviewPlusMinusBox (g, Rectangle<float> (0.0f, 0.0f, (float) height, (float) height),
                              Colours::white, isOpen, false);

    const int x = height + 2;
    g.setColour (Colour (0xff000000));
    g.setFont (Font (jmin (defaultFontSize, (float) height * 0.9f), Font::bold));
    g.drawText (name, x, 0, width - x - 4, height, Justification::centredLeft, true);
}

void LookAndFeel_Vindor::drawPropertyComponentLabel (Graphics& g, int, int, PropertyComponent& component)
{
    g.setColour (component.findColour (PropertyComponent::labelTextColourId)
                     .withMultipliedAlpha (component.isEnabled() ? 1.0f : 0.6f));
    g.setFont (jmin (defaultFontSize, (float) (component.getHeight() - 3) * 0.9f));

    const auto r = getPropertyComponentContentPosition (component);
    g.drawFittedText (component.getName(), 3, r.getY(), r.getX() - 5, r.getHeight(), Justification::centredLeft, 2);
}

void LookAndFeel_Vindor::drawTableHeaderColumn (Graphics& g, TableHeaderComponent&, const String& columnName,
                                                int, int width, int height, bool isMouseOver, bool isMouseDown,
                                                int columnFlags)
{
    if (isMouseDown)
        g.fillAll (Colour (0x8899aadd));
    else if (isMouseOver)
        g.fillAll (Colour (0x5599aadd));

    Rectangle<int> area (4, 0, jmax (0, width - 8), jmax (0, height));

    const int sortFlags = TableHeaderComponent::sortedForwards | TableHeaderComponent::sortedBackwards;
    if ((columnFlags & sortFlags) != 0)
    {
        Path sortArrow;
        const bool forwards = (columnFlags & TableHeaderComponent::sortedForwards) != 0;
        sortArrow.addTriangle (0.0f, 0.0f, 0.5f, forwards ? -0.8f : 0.8f, 1.0f, 0.0f);
        g.setColour (Colour (0x99000000));
        g.fillPath (sortArrow, sortArrow.getTransformToScaleToFit (area.removeFromRight (height / 2).reduced (2).toFloat(),
                                                                   true));
    }

    g.setColour (Colour (0xff000000));
    g.setFont (Font (jmin (defaultFontSize, (float) height * 0.7f), Font::bold));
    g.drawFittedText (columnName, area, Justification::centredLeft, 1);
}

Button* LookAndFeel_Vindor::createDocumentWindowButton (int buttonType)
{
    Path shape;
    const float crossThickness = 0.25f;

    if (buttonType == DocumentWindow::closeButton)
    {
        shape.addLineSegment (Line<float> (0.0f, 0.0f, 1.0f, 1.0f), crossThickness * 1.4f);
        shape.addLineSegment (Line<float> (1.0f, 0.0f, 0.0f, 1.0f), crossThickness * 1.4f);
        return new LookAndFeel_Vindor_DocumentWindowButton ("close", Colour (0xffdd1100), shape, shape);
    }

    if (buttonType == DocumentWindow::minimiseButton)
    {
        shape.addLineSegment (Line<float> (0.0f, 0.5f, 1.0f, 0.5f), crossThickness);
        return new LookAndFeel_Vindor_DocumentWindowButton ("minimise", Colour (0xffaa8811), shape, shape);
    }

    if (buttonType == DocumentWindow::maximiseButton)
    {
        shape.addLineSegment (Line<float> (0.5f, 0.0f, 0.5f, 1.0f), crossThickness);
        shape.addLineSegment (Line<float> (0.0f, 0.5f, 1.0f, 0.5f), crossThickness);

        Path fullscreenShape;
        fullscreenShape.startNewSubPath (45.0f, 100.0f);
        fullscreenShape.lineTo (0.0f, 100.0f);
        fullscreenShape.lineTo (0.0f, 0.0f);
        fullscreenShape.lineTo (100.0f, 0.0f);
        fullscreenShape.lineTo (100.0f, 45.0f);
        fullscreenShape.addRectangle (45.0f, 45.0f, 100.0f, 100.0f);
        PathStrokeType (30.0f).createStrokedPath (fullscreenShape, fullscreenShape);
        return new LookAndFeel_Vindor_DocumentWindowButton ("maximise", Colour (0xff119911), shape, fullscreenShape);
    }

    return nullptr;
}

int rowHeightForFontHeight (float fontHeight)
{
    // nearbyint in the default rounding mode sends a half to the even neighbour (37.5 -> 38, 62.5 -> 62).
    return (int) std::nearbyint (fontHeight / 0.6f);
}

int defaultRowHeight()
{
    Label label;
    return rowHeightForFontHeight (LookAndFeel::getDefaultLookAndFeel().getLabelFont (label).getHeight());
}

Font getScaledFont (float factor, Graphics* g)
{
    Label label;
    const Font labelFont = LookAndFeel::getDefaultLookAndFeel().getLabelFont (label);
    const float h = labelFont.getHeight() * factor;
    return (g != nullptr ? g->getCurrentFont() : labelFont).withHeight (h);
}
