// The vessel picker row, the cellar choice and the litre slider, as the wine windows use them.
#include "cellar/gui/CellarTestParts.h"
#include "cellar/PosodaListener.h"
#include "cellar/gui/KletChoicePropertyComponent.h"
#include "cellar/gui/PosodaButtonPropertyComponent.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "core/TextHelpers.h"
#include "widgets/VindorPropertyPanel.h"

using namespace celltest;

namespace
{
/** A wine window's panel with a source and a target vessel row. */
class TwoVesselPanel : public juce::Component,
                       public PosodaListener
{
public:
    TwoVesselPanel() : PosodaListener (2)
    {
        source = new PosodaButtonPropertyComponent ("Izvor", "izvor", this, 1);
        target = new PosodaButtonPropertyComponent ("Cilj", "cilj", this, 2);
        panel.addProperties ({ source, target });
        addAndMakeVisible (panel);
        setSize (400, 120);
    }
    void resized() override { panel.setBounds (getLocalBounds()); }
    void setPosodaIDN (posoda record, int slot) override
    {
        ++picks;
        PosodaListener::setPosodaIDN (record, slot);
    }

    VindorPropertyPanel panel;
    PosodaButtonPropertyComponent* source;
    PosodaButtonPropertyComponent* target;
    int picks = 0;
};

class CellarPickers : public CellarWindowFixture
{
protected:
    /** Clicks the row's button and gives back the cellar window it opened. */
    static KletGUI* openPicker (PosodaButtonPropertyComponent& row)
    {
        auto* button = wtest::findChild<juce::TextButton> (row);
        if (button == nullptr)
            return nullptr;
        button->triggerClick();
        wtest::pump (120);
        auto* window = row.currentChild.get();
        return window != nullptr ? dynamic_cast<KletGUI*> (window->getAction()) : nullptr;
    }
};
} // namespace

TEST_F (CellarPickers, EachRowFillsItsOwnSlotWithTheFirstVesselClicked)
{
    TwoVesselPanel form;
    form.addToDesktop (0);
    form.setVisible (true);

    auto* viewer = openPicker (*form.source);
    ASSERT_NE (dynamic_cast<KletViewer*> (viewer), nullptr);
    auto* pickerWindow = dynamic_cast<VindorWindow*> (form.source->currentChild.get());
    EXPECT_EQ (pickerWindow->getTitle(), "Posoda");
    EXPECT_EQ (wtest::windowButton (*pickerWindow, "Close") != nullptr, true);
    EXPECT_EQ (wtest::windowButton (*pickerWindow, "Editing") != nullptr, true);
    EXPECT_EQ (wtest::windowButton (*pickerWindow, "Select"), nullptr);   // action only
    clickVessel (*vesselOf (*viewer, 6));
    wtest::pump (100);
    EXPECT_EQ (form.source->currentChild.get(), nullptr);
    EXPECT_EQ (wtest::openWindowCount(), 0);
    EXPECT_EQ (form.getPosoda (1).id, 6);
    EXPECT_EQ (form.getPosoda (1).klet.ime, "Klet");
    EXPECT_EQ (form.getPosoda (2).id, -1);
    EXPECT_EQ (form.source->getButtonText(), "Cellar label Klet Cistern label B-1000L");

    // Closing the picker leaves the row and its slot as they were.
    viewer = openPicker (*form.target);
    ASSERT_NE (viewer, nullptr);
    wtest::windowButton (*dynamic_cast<VindorWindow*> (form.target->currentChild.get()), "Close")->triggerClick();
    wtest::pump (100);
    EXPECT_EQ (form.target->currentChild.get(), nullptr);
    EXPECT_EQ (form.getPosoda (2).id, -1);
    EXPECT_EQ (form.target->getButtonText(), "Cilj");

    viewer = openPicker (*form.target);
    ASSERT_NE (viewer, nullptr);
    viewer->getChooser().setSelectedId (3, juce::sendNotificationSync);
    ASSERT_TRUE (exec ("INSERT INTO posoda(id,klet,volumen,oznaka) VALUES (11,2,225.5,'Jajce 1')"));
    viewer->setArrayKleti();
    wtest::pump (100);
    clickVessel (*vesselOf (*viewer, 11));
    wtest::pump (100);
    EXPECT_EQ (form.getPosoda (2).id, 11);
    EXPECT_EQ (form.getPosoda (1).id, 6);
    EXPECT_EQ (form.picks, 2);
    EXPECT_EQ (form.target->getButtonText(), "Cellar label Druga Cistern label Jajce 1-226L");
    form.removeFromDesktop();
}

TEST_F (CellarPickers, EditingFromThePickerOpensTheCellarEditor)
{
    TwoVesselPanel form;
    auto* viewer = openPicker (*form.source);
    ASSERT_NE (viewer, nullptr);
    wtest::windowButton (*dynamic_cast<VindorWindow*> (form.source->currentChild.get()), "Editing")->triggerClick();
    wtest::pump (150);
    auto* editorWindow = dynamic_cast<VindorWindow*> (form.source->currentChild.get());
    ASSERT_NE (editorWindow, nullptr);
    EXPECT_NE (dynamic_cast<KletEditor*> (editorWindow->getAction()), nullptr);
    EXPECT_EQ (editorWindow->getTitle(), "Posoda");
    for (auto* caption : { "Close", "Edit", "Delete", "Insert" })
        EXPECT_NE (wtest::windowButton (*editorWindow, caption), nullptr) << caption;
    EXPECT_EQ (wtest::openWindowCount(), 1);
}

TEST_F (CellarPickers, TheCellarChoiceOffersEveryCellarAfterNotSelected)
{
    ASSERT_TRUE (exec ("UPDATE klet SET active=0 WHERE id=2"));
    juce::Value chosen { juce::var (0) };
    std::unique_ptr<KletChoicePropertyComponent> row (KletChoicePropertyComponent::loadAndCreate (chosen, "Klet"));
    EXPECT_EQ (row->getChoices(), juce::StringArray ({ "Not selected", "Klet", "Druga" }));
    EXPECT_EQ (row->getKlet().id, 0);
    EXPECT_EQ (row->getIndex(), 0);
    row->setIndex (2);
    EXPECT_EQ ((int) chosen.getValue(), 2);
    EXPECT_EQ (row->getKlet().ime, "Druga");
    chosen = 42;
    vtest::LogCapture log;
    EXPECT_EQ (row->getIndex(), -1);
    EXPECT_EQ (row->getText (chosen), "");
    EXPECT_TRUE (log.contains ("FATAL ERROR: index -1"));
}

TEST (VolumeSlider, RangeAndStepFollowTheAmountAvailable)
{
    struct Case
    {
        double maximum, value;
        double min, max, step, shown;
        bool enabled;
    };
    const Case cases[] = {
        { 0.005, -1.0, 1e-6, 0.005, 1e-4, 1e-4, true },   // the value kept
        { 4.99, 2.0, 1e-4, 4.99, 0.01, 2.0, true },
        { 1000.0, 1500.0, 1e-4, 1000.0, 0.01, 1000.0, true },
        { 123.45, 123.45, 1e-4, 123.45, 0.01, 123.45, true },   // hundredths reachable above 5 l
        { 0.0, -1.0, 1e-6, 1e-6 + 1e-4, 1e-4, 1e-4 + 1e-6, false },
        { -3.0, -1.0, 1e-6, 1e-6 + 1e-4, 1e-4, 1e-4 + 1e-6, false },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.maximum);
        juce::Value litres;
        VolumeSliderPropertyComponent row (litres, "Volumen", true);
        row.setRange (c.maximum, c.value);
        auto& slider = row.getSlider();
        EXPECT_DOUBLE_EQ (slider.getMinimum(), c.min);
        EXPECT_DOUBLE_EQ (slider.getMaximum(), c.max);
        EXPECT_DOUBLE_EQ (slider.getInterval(), c.step);
        EXPECT_NEAR (slider.getValue(), c.shown, 1e-3);
        EXPECT_EQ (formatDecimal2 (slider.getValue()), formatDecimal2 (c.shown));
        EXPECT_EQ (slider.isEnabled(), c.enabled);
    }
    juce::Value litres;
    VolumeSliderPropertyComponent fixed (litres, "Volumen", false);
    fixed.setRange (50.0, 10.0);
    EXPECT_FALSE (fixed.getSlider().isEnabled());
}
