#pragma once
// The program's own look-and-feel: V3 with the winery's cream and dark-brown scheme, an optional
// tiled background picture and one font size given in millimetres and turned into pixels through
// the display's pixel density. Owned by whoever installed it as the default; fixed once built.
#include <juce_gui_basics/juce_gui_basics.h>

class LookAndFeel_Vindor : public juce::LookAndFeel_V3
{
public:
    static constexpr juce::uint32 kCream = 0xfffcf4d0;
    static constexpr juce::uint32 kBrown = 0xff2d1a16;
    static constexpr juce::uint32 kLightYellow = 0xfffae9a1;
    /** Pixel density used when the display reports none (or nonsense). */
    static constexpr float kFallbackDpi = 80.0f;
    static constexpr float kDefaultFontSizeMm = 6.0f;

    LookAndFeel_Vindor();
    ~LookAndFeel_Vindor() override;

    /** Re-reads the display density and "fontsize_mm" and derives the font size in pixels. */
    void resetDefaultFontSize();
    float getDefaultFontSize() const { return defaultFontSize; }
    float getScreenDpi() const { return screenDpi; }
    float getFontSizeMm() const { return fontSizeMm; }
    const juce::Image& getBackgroundImage() const { return backgroundImage; }

    /** The size rule on its own: millimetres at a density, a density below 1 counting as 80. */
    static float fontSizeForDisplay (float dpi, float fontSizeMm);

    juce::Font getTextButtonFont (juce::TextButton&, int buttonHeight) override;
    void drawToggleButton (juce::Graphics&, juce::ToggleButton&, bool isMouseOver, bool isDown) override;
    juce::Font getPopupMenuFont() override;
    void getIdealPopupMenuItemSize (const juce::String& text, bool isSeparator, int standardMenuItemHeight,
                                    int& idealWidth, int& idealHeight) override;
    juce::Font getLabelFont (juce::Label&) override;
    void fillResizableWindowBackground (juce::Graphics&, int w, int h, const juce::BorderSize<int>&,
                                        juce::ResizableWindow&) override;
    void drawTabButton (juce::TabBarButton&, juce::Graphics&, bool isMouseOver, bool isMouseDown) override;
    void drawPropertyPanelSectionHeader (juce::Graphics&, const juce::String& name, bool isOpen,
                                         int width, int height) override;
    void drawPropertyComponentLabel (juce::Graphics&, int width, int height, juce::PropertyComponent&) override;
    void drawTableHeaderColumn (juce::Graphics&, juce::TableHeaderComponent&, const juce::String& columnName,
                                int columnId, int width, int height, bool isMouseOver, bool isMouseDown,
                                int columnFlags) override;
    juce::Button* createDocumentWindowButton (int buttonType) override;

private:
    float screenDpi = 0.0f;
    float fontSizeMm = kDefaultFontSizeMm;
    float defaultFontSize = 0.0f;
    juce::Image backgroundImage;
    juce::Colour windowBackground;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LookAndFeel_Vindor)
};

/** Row height of button bars, the board and many controls: the current default look-and-feel's
    label font height divided by 0.6, rounded to nearest (a half to the even neighbour). */
int defaultRowHeight();

/** The row-height rule on its own: a label font height divided by 0.6, half to even. */
int rowHeightForFontHeight (float fontHeight);

/** The label font of the current default look-and-feel with its height scaled by `factor`;
    when `g` is given, g's current font at that height instead. */
juce::Font getScaledFont (float factor, juce::Graphics* g = nullptr);
