#include "app/IntroScreen.h"

#include "app/MainContentComponent.h"
#include "core/ProductInfo.h"

using namespace juce;

IntroScreen::IntroScreen (MainContentComponent* board)
    : webLink (vindoro::kProductWebHost, URL (vindoro::kProductWebAddress))
{
    setOpaque (true);

    addAndMakeVisible (versionLabel);
    addAndMakeVisible (webLink);
    addAndMakeVisible (logo);

    versionLabel.setColour (Label::textColourId, Colour (0xffffffff));
    versionLabel.setText (versionLine(), dontSendNotification);
    webLink.setColour (HyperlinkButton::textColourId, Colour (0xffadd8e6));

    logo.board = board;
}

IntroScreen::~IntroScreen() = default;

String IntroScreen::versionLine()
{
    return String ("{progname} {version} - {date}")
        .replace ("{progname}", vindoro::kProductName)
        .replace ("{version}", vindoro::kProductVersion)
        .replace ("{date}", vindoro::buildDateText());
}

void IntroScreen::paint (Graphics& g)
{
    g.fillAll (Colour (kBackground));
}

void IntroScreen::resized()
{
    auto area = getLocalBounds().reduced (kMargin);
    logo.setBounds (area);

    auto strip = area.removeFromBottom (kStripHeight);
    webLink.setBounds (strip.removeFromRight (jmin (getWidth() / 4, strip.getWidth())));
    versionLabel.setBounds (strip);
}
