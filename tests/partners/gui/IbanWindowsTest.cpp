// The account picker, its browsers and the account editor under a real X server: an account added
// from the editing browser is picked at once, the choosing browser of a holder without id, a
// collected account opened with Edit stored as a new account, a bad SWIFT refused with nothing
// written, and Delete asking and then switching the account off for good.
#include "partners/PartnersDb.h"
#include "partners/gui/IBANButtonPropertyComponent.h"
#include "partners/gui/IBANEditor.h"
#include "partners/gui/PartnerWindows.h"
#include "support/ScriptedAnswerer.h"

using namespace ptest;

namespace
{
// A form that holds the picker and hears its picks, as the party editor does.
class PickerHost : public juce::Component,
                   public PregledBazeIBAN::Listener
{
public:
    PickerHost()
    {
        picker = std::make_unique<IBANButtonPropertyComponent> ("Izberi IBAN", "IBAN", this);
        addAndMakeVisible (*picker);
        setSize (400, 30);
        picker->setBounds (getLocalBounds());
    }

    void setIDN (IbanRecord account, int slot) override
    {
        PregledBazeIBAN::Listener::setIDN (account, slot);
        heard.add (account.iban);
    }

    std::unique_ptr<IBANButtonPropertyComponent> picker;
    juce::StringArray heard;
};

class AccountWindows : public PartnersDb
{
protected:
    void TearDown() override
    {
        closeAllWindows();
        PartnersDb::TearDown();
    }

    void holdBy (int id)
    {
        StrankaRecord holder;
        holder.id = id;
        holder.ime = "P" + juce::String (id);
        host.picker->fixNosilec (holder);
    }

    VindorWindow* pickerWindow() { return childOf (*host.picker); }
    PregledBazeIBAN* pickerBrowser() { return contentOf<PregledBazeIBAN> (pickerWindow()); }

    static juce::String buttonText (IBANButtonPropertyComponent& p) { return firstButtonIn (p)->getButtonText(); }

    PickerHost host;
    vtest::ScriptedAnswerer answers;
    vtest::LogCapture log;
};
} // namespace

TEST_F (AccountWindows, AnAccountAddedInTheEditingBrowserIsPickedAtOnce)
{
    holdBy (kCompany);
    clickButtonOf (*host.picker);
    ASSERT_NE (pickerWindow(), nullptr);
    EXPECT_EQ (pickerWindow()->getTitle(), "IBAN");
    EXPECT_EQ (buttonsOf (pickerWindow()), juce::StringArray ({ "Close", "Editing" }));
    EXPECT_FALSE (pickerBrowser()->isEditable());

    press (pickerWindow(), "Editing");
    auto* browser = pickerBrowser();
    ASSERT_NE (browser, nullptr);
    EXPECT_TRUE (browser->isEditable());
    EXPECT_EQ (buttonsOf (pickerWindow()), juce::StringArray ({ "Close", "Edit", "Delete", "Insert" }));
    EXPECT_EQ (columnOf (*browser, "iban"), juce::StringArray ({ "SI56191000000123438" }));

    press (pickerWindow(), "Insert");
    auto* editorWindow = childOf (*browser);
    ASSERT_NE (editorWindow, nullptr);
    EXPECT_EQ (editorWindow->getTitle(), "Dodaj IBAN");
    auto* editor = contentOf<IBANEditor> (editorWindow);
    ASSERT_NE (editor, nullptr);
    // prefilled from the selected row? none is selected: an empty account of the holder
    EXPECT_EQ (editor->getIbanValue().toString(), "");
    EXPECT_EQ (editor->getIban().nosilec.id, kCompany);

    const auto banks = value ("SELECT count(*) FROM banka");
    editor->getIbanValue() = "si56 0510-0801 2345 678";
    editor->getSwiftValue() = "AB'CD1234";
    answers.then (1);   // "fix it"
    press (editorWindow, "Save");
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_TRUE (answers.asked[0].message.contains ("SWIFT ni veljaven")) << answers.asked[0].message;
    EXPECT_EQ (value ("SELECT count(*) FROM banka"), banks);
    EXPECT_EQ (value ("SELECT count(*) FROM iban WHERE iban='SI56051008012345678'"), "0");
    ASSERT_EQ (childOf (*browser), editorWindow);   // still open for the fix

    editor->getSwiftValue() = "LJBASI2X";
    press (editorWindow, "Save");
    const auto id = value ("SELECT id FROM iban WHERE iban='SI56051008012345678' AND stranka=2 AND banka=2 AND active=1");
    ASSERT_TRUE (id.isNotEmpty());
    EXPECT_EQ (host.picker->getIban().id, id.getIntValue());
    EXPECT_EQ (buttonText (*host.picker), "SI56 0510 0801 2345 678");
    EXPECT_EQ (host.heard, juce::StringArray ({ "SI56051008012345678" }));
    pump (100);
    EXPECT_EQ (pickerWindow(), nullptr);   // the pick closed the browser
}

TEST_F (AccountWindows, WithoutAHolderTheChoosingBrowserListsPartyOnesAndTheCollectedAccounts)
{
    run ("INSERT INTO iban(id,iban,stranka,banka,active) VALUES (5,'SI56000000000000055',1,1,1),(6,'SI56000000000000066',4,1,1)");
    host.picker->dodajIBAN ({ "SI56 0510 0801 2345 678" });
    EXPECT_EQ (buttonText (*host.picker), "SI56 0510 0801 2345 678");
    clickButtonOf (*host.picker);
    auto* browser = pickerBrowser();
    ASSERT_NE (browser, nullptr);
    EXPECT_EQ (browser->getHolder().id, 1);
    EXPECT_EQ (columnOf (*browser, "iban"), juce::StringArray ({ "SI56000000000000055", "SI56051008012345678" }));
    EXPECT_EQ (columnOf (*browser, "id"), juce::StringArray ({ "5", "auto" }));

    clickRow (*browser, 0);
    EXPECT_EQ (host.picker->getIban().id, 5);
    EXPECT_EQ (buttonText (*host.picker), "SI56 0000 0000 0000 055");
    pump (100);
    EXPECT_EQ (pickerWindow(), nullptr);
}

TEST_F (AccountWindows, ACollectedAccountOpenedWithEditIsStoredAsANewAccount)
{
    holdBy (kCustomerB);
    host.picker->dodajIBAN ({ "SI56 0510 0801 2345 678" });
    host.picker->openEditBrowser();
    pump();
    auto* browser = pickerBrowser();
    ASSERT_NE (browser, nullptr);
    ASSERT_EQ (columnOf (*browser, "id"), juce::StringArray ({ "auto" }));
    EXPECT_TRUE (SQLtoXml::isInserted (browser->rowAt (0)));

    clickRow (*browser, 0);
    press (pickerWindow(), "Edit");
    auto* editorWindow = childOf (*browser);
    ASSERT_NE (editorWindow, nullptr);
    EXPECT_EQ (editorWindow->getTitle(), "Uredi IBAN");
    press (editorWindow, "Save");
    EXPECT_EQ (value ("SELECT stranka || '|' || active FROM iban WHERE iban='SI56051008012345678'"), "4|1");
    EXPECT_FALSE (log.contains ("WHERE id = 0"));
    EXPECT_GT (host.picker->getIban().id, 2);
}

TEST_F (AccountWindows, DeleteAsksAndThenSwitchesTheAccountOff)
{
    holdBy (kCompany);
    IbanRecord main;
    main.id = 2;
    main.iban = "SI56191000000123438";
    host.picker->setIban (main);
    host.picker->dodajIBAN ({ "SI56 0510 0801 2345 678" });
    host.picker->openEditBrowser();
    pump();
    auto* browser = pickerBrowser();
    ASSERT_NE (browser, nullptr);
    const int stored = columnOf (*browser, "id").indexOf ("2");
    ASSERT_GE (stored, 0);

    clickRow (*browser, stored);
    answers.then (0);
    press (pickerWindow(), "Delete");
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].message, "Want to delete 'SI56191000000123438' ?");
    EXPECT_EQ (value ("SELECT active FROM iban WHERE id=2"), "1");

    ASSERT_EQ (browser->getTable().getNumSelectedRows(), 1);   // still selected: a second press asks again
    answers.then (1);
    press (pickerWindow(), "Delete");
    EXPECT_EQ (value ("SELECT active FROM iban WHERE id=2"), "0");
    EXPECT_EQ (value ("SELECT count(*) FROM iban WHERE id=2"), "1");   // switched off, never removed
    EXPECT_EQ (columnOf (*browser, "id"), juce::StringArray ({ "auto" }));
    EXPECT_EQ (host.picker->getIban().id, -1);   // the main account went with it

    // an account never stored only leaves the collection
    clickRow (*browser, 0);
    answers.then (1);
    press (pickerWindow(), "Delete");
    EXPECT_TRUE (host.picker->getAccounts().getCollected().empty());
    EXPECT_EQ (value ("SELECT count(*) FROM iban WHERE iban='SI56051008012345678'"), "0");
    EXPECT_EQ (buttonText (*host.picker), "Izberi IBAN");
}
