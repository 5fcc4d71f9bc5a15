#include "widgets/ColouredTextComponent.h"

ColouredTextComponent::ColouredTextComponent (const juce::String& name)
    : juce::Component (name)
{
    font = juce::Font (juce::Font::getDefaultSansSerifFontName(), 15.0f, juce::Font::bold);
}

ColouredTextComponent::~ColouredTextComponent() = default;

void ColouredTextComponent::setText (const juce::String& newText)
{
    text = newText;
    repaint();
}

void ColouredTextComponent::setTextAndColours (const juce::String& newText, juce::Colour newText_colour, juce::Colour newBackground)
{
    text = newText;
    textColour = newText_colour;
    backgroundColour = newBackground;
    repaint();
}

void ColouredTextComponent::setDay (const juce::String& newText, juce::Colour newTextColour, juce::Colour newBackground, bool shouldBeFramed)
{
    text = newText;
    textColour = newTextColour;
    backgroundColour = newBackground;
    framed = shouldBeFramed;
    repaint();
}

void ColouredTextComponent::setFramed (bool shouldBeFramed)
{
    if (framed != shouldBeFramed)
    {
        framed = shouldBeFramed;
        repaint();
    }
}

void ColouredTextComponent::setTextColour (juce::Colour colour)
{
    if (textColour != colour)
    {
        textColour = colour;
        repaint();
    }
}

void ColouredTextComponent::setDateAndDescription (juce::Time newDate, const juce::String& newDescription)
{
    date = newDate;
    description = newDescription;
}

void ColouredTextComponent::addListener (ColouredTextComponentListener* listener)
{
    listeners.addIfNotAlreadyThere (listener);
}

void ColouredTextComponent::paint (juce::Graphics& g)
{
    g.fillAll (backgroundColour);
    g.setColour (textColour);
    g.setFont (font);
    g.drawFittedText (text, getLocalBounds().reduced (3), juce::Justification::centred, 1);

    if (framed)
    {
        g.setColour (frameColour);
        g.drawRect (getLocalBounds(), 1);
    }
}

void ColouredTextComponent::resized()
{
    font.setHeight ((float) getHeight() * 0.7f);
}

void ColouredTextComponent::mouseEnter (const juce::MouseEvent& e)
{
    for (auto* l : listeners)
        l->colouredTextEntered (this, e);
}

void ColouredTextComponent::mouseExit (const juce::MouseEvent& e)
{
    for (auto* l : listeners)
        l->colouredTextExited (this, e);
}

void ColouredTextComponent::mouseDown (const juce::MouseEvent& e)
{
    for (auto* l : listeners)
        l->colouredTextPressed (this, e);
}

void ColouredTextComponent::mouseDoubleClick (const juce::MouseEvent& e)
{
    for (auto* l : listeners)
        l->colouredTextDoubleClicked (this, e);
}

void ColouredTextComponent::mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    for (auto* l : listeners)
        l->colouredTextWheelMoved (this, e, wheel.deltaX, wheel.deltaY);
}
