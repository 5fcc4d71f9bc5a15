#include "app/VindorTabbedComponent.h"

#include "app/IntroLogo.h"
#include "frame/LookAndFeel_Vindor.h"
#include "core/ProductInfo.h"
#include "operations/gui/LogsBox.h"
#include "platform/gui/UpdateChecker.h"

using namespace juce;

namespace
{
// A tab's page: filled with the tabs' background colour, as every page of the panel is.
class TabPage : public Component
{
public:
    void paint (Graphics& g) override { g.fillAll (findColour (TabbedComponent::backgroundColourId)); }
};

// The About page: the product, its version and build date, and the update check.
class AboutPage final : public TabPage
{
public:
    AboutPage()
    {
        if (auto svg = XmlDocument::parse (String::fromUTF8 (vindoro::introLogoSvg())))
            logo = Drawable::createFromSVG (*svg);

        title.setText (String (vindoro::kProductName) + " " + vindoro::kProductVersion, dontSendNotification);
        title.setFont (getScaledFont (1.4f).boldened());
        details.setText (TRANS ("update_button") + ": " + vindoro::kProductVersion + "  (" + vindoro::buildDateText() + ")",
                         dontSendNotification);
        updateButton.setButtonText (TRANS ("update_button_action"));
        updateButton.onClick = [] { vindoro::UpdateChecker::getInstance().checkWithUserInterface(); };
        for (auto* c : std::initializer_list<Component*> { &title, &details, &updateButton })
            addAndMakeVisible (c);
    }

    void paint (Graphics& g) override
    {
        TabPage::paint (g);
        if (logo != nullptr)
        {
            // The logo's light lettering needs a dark ground to read.
            g.setColour (Colour (0xff4d4d4d));
            g.fillRoundedRectangle (logoArea.toFloat(), 6.0f);
            logo->drawWithin (g, logoArea.reduced (8).toFloat(), RectanglePlacement::centred, 1.0f);
        }
    }

    void resized() override
    {
        auto area = getLocalBounds().reduced (12);
        const int row = defaultRowHeight();
        logoArea = area.removeFromLeft (jmin (area.getWidth() / 3, area.getHeight() * 5 / 4)).withHeight (
            jmin (area.getHeight(), area.getWidth()));
        area.removeFromLeft (16);
        title.setBounds (area.removeFromTop (row + 8));
        details.setBounds (area.removeFromTop (row));
        area.removeFromTop (8);
        updateButton.setBounds (area.removeFromTop (row).withWidth (jmin (area.getWidth(), 320)));
    }

private:
    std::unique_ptr<Drawable> logo;
    Rectangle<int> logoArea;
    Label title, details;
    TextButton updateButton;
};
} // namespace

VindorTabbedComponent::VindorTabbedComponent (Component* ownerIn)
    : TabbedComponent (TabbedButtonBar::TabsAtTop), owner (ownerIn)
{
    setName ("VindorTabbedComponent");
    const auto colour = findColour (TabbedComponent::backgroundColourId);

    // The two settings pages come with their own subsystems.
    addTab (TRANS ("Logs"), colour, new LogsBox(), true);
    addTab (TRANS ("Settings"), colour, new TabPage(), true);
    addTab (TRANS ("Uporabnik"), colour, new TabPage(), true);
    addTab (TRANS ("O programu"), colour, new AboutPage(), true);
}

VindorTabbedComponent::~VindorTabbedComponent() = default;

LogsBox* VindorTabbedComponent::getLogsBox() const
{
    return dynamic_cast<LogsBox*> (getTabContentComponent (0));
}
