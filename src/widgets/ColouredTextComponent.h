#pragma once
// A small text cell of the month calendar (year and month labels, weekday names, day cells,
// the description line) with its own colours and optional frame. It passes its mouse events to
// its listeners; a day cell also carries its date and the name of its marked day.
#include <juce_gui_basics/juce_gui_basics.h>

class ColouredTextComponent;

class ColouredTextComponentListener
{
public:
    virtual ~ColouredTextComponentListener() = default;
    virtual void colouredTextEntered (ColouredTextComponent*, const juce::MouseEvent&) {}
    virtual void colouredTextExited (ColouredTextComponent*, const juce::MouseEvent&) {}
    virtual void colouredTextPressed (ColouredTextComponent*, const juce::MouseEvent&) {}
    virtual void colouredTextWheelMoved (ColouredTextComponent*, const juce::MouseEvent&, float deltaX, float deltaY) {}
    virtual void colouredTextDoubleClicked (ColouredTextComponent*, const juce::MouseEvent&) {}
};

class ColouredTextComponent : public juce::Component
{
public:
    explicit ColouredTextComponent (const juce::String& name);
    ~ColouredTextComponent() override;

    void setText (const juce::String& text);
    void setTextAndColours (const juce::String& text, juce::Colour textColour, juce::Colour backgroundColour);
    void setDay (const juce::String& text, juce::Colour textColour, juce::Colour backgroundColour, bool framed);
    void setFramed (bool framed);
    void setTextColour (juce::Colour colour);

    void setDateAndDescription (juce::Time date, const juce::String& description);
    juce::Time getDate() const { return date; }
    juce::String getDescription() const { return description; }
    juce::Font getFont() const { return font; }

    juce::String getText() const { return text; }
    juce::Colour getTextColour() const { return textColour; }
    juce::Colour getBackgroundColour() const { return backgroundColour; }
    bool isFramed() const { return framed; }

    void addListener (ColouredTextComponentListener* listener);

    void paint (juce::Graphics& g) override;
    void resized() override;
    void mouseEnter (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDoubleClick (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;

private:
    juce::String text;
    juce::Colour textColour { juce::Colours::black };
    juce::Colour backgroundColour { juce::Colours::white.withAlpha ((juce::uint8) 0) };
    juce::Colour frameColour { juce::Colours::black.withAlpha (0.4f) };
    bool framed = false;
    juce::Font font;
    juce::Time date;
    juce::String description;
    juce::Array<ColouredTextComponentListener*> listeners;

    JUCE_DECLARE_NON_COPYABLE (ColouredTextComponent)
};
