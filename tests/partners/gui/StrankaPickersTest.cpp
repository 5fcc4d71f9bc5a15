// The party pickers under a real X server, driven by clicks: the button picker and the value
// picker open the register of their kinds, hand a picked party to their form, switch between
// the choosing and the editing register, and never open a second register.
#include "partners/PartnersDb.h"
#include "partners/StrankaListener.h"
#include "partners/StrankaTexts.h"
#include "partners/gui/PartnerWindows.h"
#include "partners/gui/PregledBazeStranka.h"
#include "partners/gui/StrankaButtonPropertyComponent.h"
#include "partners/gui/StrankaValButton.h"
#include "support/ScriptedAnswerer.h"

using namespace ptest;

namespace
{
// A form that takes a buyer (slot 1) and a recipient (slot 2), as a document does.
class PartyForm : public juce::Component,
                  public StrankaListener
{
public:
    PartyForm() : StrankaListener (2) { setSize (500, 300); }
    void setStrankaIDN (StrankaRecord party, int slot) override
    {
        StrankaListener::setStrankaIDN (party, slot);
        picks.add (juce::String (slot) + ":" + party.ime);
    }
    juce::StringArray picks;
};

class Pickers : public PartnersDb
{
protected:
    void SetUp() override
    {
        PartnersDb::SetUp();
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));
    }

    void TearDown() override
    {
        closeAllWindows();
        juce::LocalisedStrings::setCurrentMappings (nullptr);
        PartnersDb::TearDown();
    }

    /** Places a picker row in the form, so it is laid out as in a window. */
    template <typename Row>
    Row& place (juce::Component& form, std::unique_ptr<Row>& row)
    {
        form.addAndMakeVisible (*row);
        row->setBounds (0, 0, 500, row->getPreferredHeight());
        return *row;
    }

    static int rowNamed (PregledBaze& b, const juce::String& name) { return columnOf (b, "ime").indexOf (name); }

    vtest::ScriptedAnswerer answers;
    vtest::LogCapture log;
};
} // namespace

TEST_F (Pickers, AButtonPickerHandsThePickedPartyToItsForm)
{
    PartyForm form;
    auto picker = std::make_unique<StrankaButtonPropertyComponent> (8, "Izberi stranko", "Kupec", &form);
    place (form, picker);
    EXPECT_EQ (picker->getButtonText(), "Izberi stranko");

    clickButtonOf (*picker);
    auto* window = childOf (*picker);
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), TRANS ("tipstranke3"));
    EXPECT_EQ (window->getTitle(), getStrankaTypeTitle (8));
    auto* browser = contentOf<PregledBazeStranka> (window);
    ASSERT_NE (browser, nullptr);
    EXPECT_EQ (browser->getMask(), 8);
    EXPECT_FALSE (browser->isEditable());
    EXPECT_EQ (buttonsOf (window), juce::StringArray (juce::Array<juce::String> { TRANS ("Close"), TRANS ("Editing") }));
    EXPECT_TRUE (window->hasButton (ButtonCode::select));

    clickButtonOf (*picker);   // the open register only comes to the front
    EXPECT_EQ (childOf (*picker), window);
    EXPECT_EQ (openWindows(), 1);

    window->setSize (800, 400);
    pump();
    clickRow (*browser, rowNamed (*browser, "Zvezda"));
    EXPECT_EQ (picker->getButtonText(), "Zvezda");
    EXPECT_EQ (picker->getStranka().id, kCustomerB);
    EXPECT_EQ (childOf (*picker), nullptr);
    pump();
    EXPECT_EQ (openWindows(), 0);
    EXPECT_EQ (form.picks, juce::StringArray ({ "1:Zvezda" }));
    EXPECT_EQ (form.getStranka (1).davcna, "SI111");
    EXPECT_EQ (form.getStranka (2).id, -1);
}

TEST_F (Pickers, AnOwnerThatTakesNoPartiesGetsNothing)
{
    juce::Component plain;
    plain.setSize (500, 300);
    auto picker = std::make_unique<StrankaButtonPropertyComponent> (4, "Izberi", "Dobavitelj", &plain);
    place (plain, picker);
    clickButtonOf (*picker);
    auto* browser = contentOf<PregledBazeStranka> (childOf (*picker));
    ASSERT_NE (browser, nullptr);
    childOf (*picker)->setSize (800, 400);
    pump();
    clickRow (*browser, rowNamed (*browser, "Dobavitelj"));
    EXPECT_EQ (picker->getButtonText(), "Dobavitelj");
    EXPECT_EQ (childOf (*picker), nullptr);
}

TEST_F (Pickers, EditingSwitchesToTheEditingRegisterOfTheSameKinds)
{
    PartyForm form;
    auto picker = std::make_unique<StrankaButtonPropertyComponent> (16, "Izberi", "Komitent", &form);
    place (form, picker);
    clickButtonOf (*picker);
    auto* choosing = childOf (*picker);
    press (choosing, TRANS ("Editing"));
    auto* editing = childOf (*picker);
    ASSERT_NE (editing, nullptr);
    ASSERT_NE (editing, choosing);
    auto* browser = contentOf<PregledBazeStranka> (editing);
    ASSERT_NE (browser, nullptr);
    EXPECT_TRUE (browser->isEditable());
    EXPECT_EQ (browser->getMask(), 16);
    EXPECT_EQ (editing->getTitle(), TRANS ("tipstranke4"));
    EXPECT_EQ (buttonsOf (editing), juce::StringArray (juce::Array<juce::String> { TRANS ("Close"), TRANS ("Edit"), TRANS ("Delete"), TRANS ("Insert") }));
    pump (100);
    EXPECT_EQ (openWindows(), 1);

    press (editing, TRANS ("Close"));
    EXPECT_EQ (picker->currentChild.get(), nullptr);
    pump (100);
    EXPECT_EQ (openWindows(), 0);
    EXPECT_TRUE (form.picks.isEmpty());
}

TEST_F (Pickers, SetStrankaShowsAPartyWithoutTellingTheForm)
{
    PartyForm form;
    StrankaButtonPropertyComponent picker (8, "Izberi", "Kupec", &form);
    StrankaRecord shown;
    shown.id = 4;
    shown.ime = "Zvezda";
    picker.setStranka (shown);
    EXPECT_EQ (picker.getButtonText(), "Zvezda");
    picker.setButtonText ("Shranjena stranka");
    EXPECT_EQ (picker.getButtonText(), "Shranjena stranka");
    EXPECT_EQ (picker.getStranka(), shown);
    EXPECT_TRUE (form.picks.isEmpty());
}

TEST_F (Pickers, AValuePickerShowsTheAddressBlockOfThePick)
{
    PartyForm form;
    juce::Value shown;
    auto picker = std::make_unique<StrankaValButton> (8, shown, "Prejemnik", &form, 2, 1);
    place (form, picker);
    EXPECT_FALSE (picker->getLabel().isEditableOnSingleClick() || picker->getLabel().isEditableOnDoubleClick());

    clickButtonOf (*picker);
    auto* window = childOf (*picker);
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getTitle(), TRANS ("tipstranke3"));
    window->setSize (800, 400);
    pump();
    auto* browser = contentOf<PregledBazeStranka> (window);
    ASSERT_NE (browser, nullptr);

    // Return with no row picks nothing and leaves the register open.
    browser->returnKeyPressed (-1);   // the list's Return, with no row selected
    pump();
    EXPECT_EQ (childOf (*picker), window);
    EXPECT_TRUE (log.contains ("<StrankaValButton::changeListenerCallback> WARNING: row pointer is empty"));
    EXPECT_TRUE (form.picks.isEmpty());

    clickRow (*browser, rowNamed (*browser, "Zvezda"));
    EXPECT_EQ (childOf (*picker), nullptr);
    SQLtoXml q;
    const auto zvezda = PregledBazeStranka::getStrankaDetails (&q, kCustomerB);
    EXPECT_EQ (shown.toString(), getStrankaAddressText (zvezda, 1));
    EXPECT_EQ (shown.toString(), "Zvezda\nUlica 3\nSI-3000 Celje\nSLOVENIJA\n\n" + TRANS ("Stranka_Vat") + ": SI111");
    EXPECT_EQ (form.picks, juce::StringArray ({ "2:Zvezda" }));
    EXPECT_EQ (form.getStranka (2), zvezda);
    pump();
    EXPECT_EQ (picker->getLabel().getText(), shown.toString());

    picker->setStranka (StrankaRecord());
    EXPECT_EQ (shown.toString(), "");
    EXPECT_EQ (form.picks.size(), 1);
}

TEST_F (Pickers, SaveInTheValuePickersEditingRegisterGoesBackToChoosing)
{
    PartyForm form;
    juce::Value shown;
    auto picker = std::make_unique<StrankaValButton> (4, shown, "Dobavitelj", &form, 1, 0);
    place (form, picker);
    clickButtonOf (*picker);
    press (childOf (*picker), TRANS ("Editing"));
    auto* editing = childOf (*picker);
    ASSERT_NE (editing, nullptr);
    EXPECT_TRUE (contentOf<PregledBazeStranka> (editing)->isEditable());
    EXPECT_EQ (buttonsOf (editing),
               juce::StringArray (juce::Array<juce::String> { TRANS ("Close"), TRANS ("Save"), TRANS ("Edit"), TRANS ("Delete"), TRANS ("Insert") }));

    press (editing, TRANS ("Save"));
    auto* choosing = childOf (*picker);
    ASSERT_NE (choosing, nullptr);
    EXPECT_NE (choosing, editing);
    EXPECT_FALSE (contentOf<PregledBazeStranka> (choosing)->isEditable());
    pump (100);
    EXPECT_EQ (openWindows(), 1);

    clickButtonOf (*picker);   // the register is open: nothing new
    EXPECT_EQ (childOf (*picker), choosing);
    EXPECT_EQ (openWindows(), 1);
}
