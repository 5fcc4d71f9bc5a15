#include "app/PropertiesVindor3.h"

#include "app/IntroLogo.h"
#include "core/ProductInfo.h"
#include "frame/LookAndFeel_Vindor.h"
#include "platform/gui/UpdateChecker.h"
#include "widgets/VindorPropertyPanel.h"

using namespace juce;

PropertiesVindor3::UpdateButton::UpdateButton (Value& shown)
    : ValButtonPropertyComponent (shown, TRANS ("update_button"), 200, false, 0.4, false)
{
    myValue.referTo (shown);
    myValue = String (vindoro::kProductVersion);
    getLabel().setEditable (false);
    refresh();
}

PropertiesVindor3::UpdateButton::~UpdateButton() = default;

void PropertiesVindor3::UpdateButton::buttonClicked()
{
    vindoro::UpdateChecker::getInstance().checkWithUserInterface();
}

String PropertiesVindor3::UpdateButton::getButtonText() const
{
    return TRANS ("update_button_action");
}

PropertiesVindor3::PropertiesVindor3 (Component* ownerIn)
    : owner (ownerIn), panel (std::make_unique<VindorPropertyPanel>())
{
    if (auto svg = XmlDocument::parse (String::fromUTF8 (vindoro::introLogoSvg())))
        logo = Drawable::createFromSVG (*svg);

    title.setText (String (vindoro::kProductName) + " " + vindoro::kProductVersion + "  (" + vindoro::buildDateText() + ")",
                   dontSendNotification);
    title.setFont (getScaledFont (1.4f).boldened());
    addAndMakeVisible (title);

    updateRow = new UpdateButton (versionText);
    panel->addProperties ({ updateRow });
    addAndMakeVisible (*panel);
}

PropertiesVindor3::~PropertiesVindor3()
{
    panel.reset();
}

void PropertiesVindor3::paint (Graphics& g)
{
    static const Colour background = findColour (TabbedComponent::backgroundColourId);
    g.fillAll (background);
    if (logo != nullptr && ! logoArea.isEmpty())
    {
        // The logo's light lettering needs a dark ground to read.
        g.setColour (Colour (0xff4d4d4d));
        g.fillRoundedRectangle (logoArea.toFloat(), 6.0f);
        logo->drawWithin (g, logoArea.reduced (8).toFloat(), RectanglePlacement::centred, 1.0f);
    }
}

void PropertiesVindor3::resized()
{
    auto area = getLocalBounds().reduced (4);
    // The update row first, the full width; the product's logo and name fill what is left.
    panel->setBounds (area.removeFromTop (jmin (area.getHeight(), updateRow->getPreferredHeight() + 4)));
    area.removeFromTop (8);
    const int row = defaultRowHeight();
    logoArea = area.removeFromLeft (jmin (area.getWidth() / 3, area.getHeight() * 5 / 4)).withHeight (jmin (area.getHeight(), area.getWidth()));
    area.removeFromLeft (16);
    title.setBounds (area.removeFromTop (row + 8));
}
