// The party editor under a real X server on a real database, its questions answered by script:
// what a new form and a copied party start with, Save refused, asked and stored, the register
// selecting the saved party, the holder of the accounts following the name, and the register
// button against the register's stand-in (a hit taken into the form, no hit shown as a message,
// every button waiting while the hits are open).
#include "partners/AjpesStandIn.h"
#include "partners/PartnersDb.h"
#include "partners/StrankaQuery.h"
#include "partners/gui/EditStranka.h"
#include "partners/gui/IBANButtonPropertyComponent.h"
#include "partners/gui/PartnerWindows.h"
#include "partners/gui/PregledBazeAjpes.h"
#include "partners/gui/PregledBazeStranka.h"
#include "partners/gui/StrankaWindows.h"
#include "support/ScriptedAnswerer.h"
#include "widgets/VindorBooleanPropertyComponent.h"
#include "widgets/VindorChoicePropertyComponent.h"

using namespace ptest;

namespace
{
class PartyEditor : public PartnersDb
{
protected:
    void SetUp() override
    {
        PartnersDb::SetUp();
        StrankaWindows::install();
        reg.configure (settings(), replyFolder.get());
        opener.setSize (10, 10);
    }

    void TearDown() override
    {
        closeAllWindows();
        PregledBazeStranka::editorMaker = nullptr;
        PartnersDb::TearDown();
    }

    /** The editor in a window of its own with the buttons the party register gives it. */
    template <typename Editor>
    Editor* launch (Editor* editor, const char* title = "Dodaj Stranko")
    {
        opener.clearButtons();
        opener.addButton ("Cancel", ButtonCode::cancel);
        opener.addButton ("Ajpes", ButtonCode::businessRegister);
        opener.addButton ("Save", ButtonCode::ok);
        window = VindorWindow::launchNormal (title, editor, nullptr, &opener);
        pump (100);
        return editor;
    }

    AddStranka* editor() { return contentOf<AddStranka> (window); }

    /** The register as the main board opens it, every kind or those of `mask`. */
    PregledBazeStranka* openRegister (int mask)
    {
        opener.clearButtons();
        for (auto [label, code] : { std::pair { "Close", 0 }, { "Export", 15 }, { "Edit", 3 }, { "Delete", 5 }, { "Insert", 6 } })
            opener.addButton (label, code);
        registerWindow = VindorWindow::launchNormal ("PregledStrank", new PregledBazeStranka (mask, true), nullptr, &opener);
        registerWindow->setSize (900, 500);
        pump (100);
        return contentOf<PregledBazeStranka> (registerWindow);
    }

    juce::StringArray messages() const
    {
        juce::StringArray texts;
        for (auto& q : answers.asked)
            texts.add (q.message);
        return texts;
    }

    static juce::String ibanText (AddStranka& e) { return firstButtonIn (*e.getIbanButton())->getButtonText(); }

    static juce::String parties() { return value ("SELECT count(*) FROM stranka"); }

    wtest::RecordingOpener opener;
    VindorWindow* window = nullptr;
    VindorWindow* registerWindow = nullptr;
    vtest::ScriptedAnswerer answers;
    vtest::TempFolder replyFolder;
    vtest::AjpesStandIn reg;
};
} // namespace

TEST_F (PartyEditor, AnEmptyFormStartsAsAHomeVatPayerAndSavingAtOnceIsRefused)
{
    auto* e = launch (new AddStranka (nullptr, 8, nullptr));
    EXPECT_EQ (e->getStranka().id, -1);
    EXPECT_TRUE ((bool) e->field ("tipdavka").getValue());
    EXPECT_EQ ((int) e->field ("drzava").getValue(), 185);
    EXPECT_EQ (ibanText (*e), "Izberi IBAN");
    for (int bit = 0; bit < 5; ++bit)
        EXPECT_EQ ((bool) e->kindToggle (bit).getValue(), bit == 3) << bit;
    auto* kinds = e->getPanel().getTitledSection (0);
    ASSERT_NE (kinds, nullptr);
    EXPECT_EQ (kinds->getName(), "Tip stranke");
    EXPECT_FALSE (kinds->isSectionOpen());

    // the rows in their order, by caption (a section holds its rows last first)
    juce::StringArray captions;
    for (auto* section : wtest::findChild<VindorPropertyPanel::PropertyHolderComponent> (e->getPanel())->getChildren())
    {
        juce::StringArray rows;
        for (auto* row : section->getChildren())
            if (auto* p = dynamic_cast<juce::PropertyComponent*> (row))
                rows.insert (0, p->getName());
        captions.addArray (rows);
    }
    EXPECT_EQ (captions.joinIntoString (","),
               "stranka_ime,stranka_dolgoime,stranka_ulica,stranka_hisnast,stranka_hisnastdod,stranka_naselje,stranka_postnast,"
               "stranka_postaime,stranka_Drzava,stranka_telefon,stranka_mobi,stranka_faks,stranka_email,stranka_web,"
               "stranka_rokplacila,stranka_popust,stranka_davcna,stranka_maticna,stranka_kmgmid,stranka_gln,stranka_IBAN,stranka_DDV,"
               "tipstranke0,tipstranke1,tipstranke2,tipstranke3,tipstranke4");

    const auto before = parties();
    answers.then (1);   // "fix it"
    press (window, "Save");
    ASSERT_EQ (messages().size(), 1);
    EXPECT_TRUE (messages()[0].contains ("Missing Tax Number!")) << messages()[0];
    EXPECT_EQ (parties(), before);
    EXPECT_EQ (opener.answers.size(), 0u);   // the editor stays open and tells nobody
}

TEST_F (PartyEditor, TheTaxNumberQuestionDecidesWhatIsStored)
{
    auto* e = launch (new AddStranka (nullptr, 8, nullptr));
    e->field ("ime") = "Davkar";
    e->field ("davcna") = "12345678";

    const auto before = parties();
    answers.then (0).then (1);   // Cancel the question, then "fix it"
    press (window, "Save");
    ASSERT_EQ (answers.asked.size(), 2u);
    EXPECT_EQ (answers.asked[0].title, "Dodaj stranko");
    EXPECT_EQ (answers.asked[0].message, "fix tax number SI12345678");
    EXPECT_TRUE (answers.asked[1].message.contains ("fix tax number2"));
    EXPECT_EQ (parties(), before);

    answers.then (1);   // Yes
    press (window, "Save");
    const auto id = value ("SELECT id FROM stranka WHERE ime='Davkar'");
    ASSERT_TRUE (id.isNotEmpty());
    EXPECT_EQ (value ("SELECT davcna || '|' || tipstranke || '|' || iban FROM stranka WHERE id=" + id), "SI12345678|8|1");
    ASSERT_EQ (opener.answers.size(), 1u);
    EXPECT_EQ (opener.answers[0].exitValue, ButtonCode::ok);
}

TEST_F (PartyEditor, InsertCopiesTheSelectedPartyButTakesTheKindsFromTheRegister)
{
    auto* b = openRegister (12);
    ASSERT_NE (b, nullptr);
    clickRow (*b, columnOf (*b, "ime").indexOf ("Zvezda"));
    press (registerWindow, "Insert");
    auto* added = contentOf<AddStranka> (b->getInsertWindow());
    ASSERT_NE (added, nullptr);
    EXPECT_EQ (dynamic_cast<EditStranka*> (added), nullptr);
    EXPECT_EQ (added->field ("ime").toString(), "Zvezda");
    EXPECT_EQ (added->field ("davcna").toString(), "SI111");
    EXPECT_EQ (added->field ("rokplacila").toString(), "8");
    EXPECT_TRUE ((bool) added->field ("tipdavka").getValue());
    EXPECT_EQ (added->getStranka().id, -1);
    for (int bit = 0; bit < 5; ++bit)
        EXPECT_EQ ((bool) added->kindToggle (bit).getValue(), bit == 2 || bit == 3) << bit;

    added->field ("ime") = "Zvezda II";
    auto* editorWindow = dynamic_cast<VindorWindow*> (b->getInsertWindow());
    press (editorWindow, "Save");
    const auto id = value ("SELECT id FROM stranka WHERE ime='Zvezda II'");
    ASSERT_TRUE (id.isNotEmpty());
    EXPECT_GT (id.getIntValue(), kSupplierBoth);
    EXPECT_EQ (value ("SELECT tipstranke || '|' || davcna FROM stranka WHERE id=" + id), "12|SI111");
    EXPECT_EQ (value ("SELECT count(*) FROM stranka WHERE ime='Zvezda'"), "1");
    ASSERT_NE (b->getSelectedRow(), nullptr);   // the register reloaded with the new party selected
    EXPECT_EQ (b->getSelectedRow()->getStringAttribute ("id"), id);
}

TEST_F (PartyEditor, EditTakesTheKindsFromTheRowAndRewritesIt)
{
    auto* b = openRegister (kStrankaAllKinds);
    ASSERT_NE (b, nullptr);
    clickRow (*b, columnOf (*b, "ime").indexOf ("Bakla"));
    press (registerWindow, "Edit");
    auto* edited = contentOf<EditStranka> (b->getEditWindow());
    ASSERT_NE (edited, nullptr);
    EXPECT_EQ (edited->getStranka().id, kSupplierBoth);
    for (int bit = 0; bit < 5; ++bit)
        EXPECT_EQ ((bool) edited->kindToggle (bit).getValue(), bit == 2 || bit == 3) << bit;
    EXPECT_EQ (edited->getIbanButton()->getAccounts().getHolder().id, kSupplierBoth);

    edited->field ("telefon") = "041 111 222";
    edited->kindToggle (2) = false;
    press (dynamic_cast<VindorWindow*> (b->getEditWindow()), "Save");
    EXPECT_EQ (value ("SELECT telefon || '|' || tipstranke FROM stranka WHERE id=10"), "041 111 222|8");
    ASSERT_NE (b->getSelectedRow(), nullptr);
    EXPECT_EQ (b->getSelectedRow()->getStringAttribute ("id"), "10");
}

TEST_F (PartyEditor, TheAccountHolderFollowsTheTypedName)
{
    auto* e = launch (new AddStranka (nullptr, 8, nullptr));
    e->field ("ime") = "Nova klet";
    pump (100);
    EXPECT_EQ (e->getIbanButton()->getAccounts().getHolder().ime, "Nova klet");
    EXPECT_EQ (e->getIbanButton()->getAccounts().getHolder().id, 0);
}

TEST_F (PartyEditor, ATakenHitFillsTheFormAndItsAccounts)
{
    reg.serveOneCompany();
    reg.companyPairs[3].second = "(ni vpisa)";   // no short name in the register
    reg.companyPairs[1].second = "12345678";     // and no VAT prefix
    auto* e = launch (new AddStranka (nullptr, 8, nullptr));
    e->field ("ime") = "Vinska klet";
    e->field ("telefon") = "01 000";

    press (window, "Ajpes");
    auto* results = childOf (*e);
    ASSERT_NE (results, nullptr);
    EXPECT_EQ (results->getTitle(), "strankaajpes1");
    EXPECT_EQ (reg.requestsTo (vtest::AjpesStandIn::kSearch)[0].query, "naziv=Vinska%20klet&status=1&MAXREC=10000");
    auto* hits = contentOf<PregledBazeAjpes> (results);
    ASSERT_NE (hits, nullptr);
    clickRow (*hits, 0);
    EXPECT_EQ (childOf (*e), results);   // a click picks and leaves the hits open
    press (results, "OK");

    const auto full = utf8 ("VINSKA KLET GORIČKO, proizvodnja in prodaja vina, d.o.o.");
    EXPECT_EQ (e->field ("ime").toString(), full);
    EXPECT_EQ (e->field ("dolgoime").toString(), full);
    EXPECT_EQ (e->field ("ulica").toString(), "Gorska pot");
    EXPECT_EQ (e->field ("hisnast").toString(), "12");
    EXPECT_EQ (e->field ("hisnastdod").toString(), "A");
    EXPECT_EQ (e->field ("postnast").toString(), "3230");
    EXPECT_EQ (e->field ("postaime").toString(), "Kraj");
    EXPECT_EQ (e->field ("naselje").toString(), "Vrh");
    EXPECT_EQ (e->field ("davcna").toString(), "12345678");
    EXPECT_EQ (e->field ("maticna").toString(), "5012345000");
    EXPECT_FALSE ((bool) e->field ("tipdavka").getValue());
    EXPECT_EQ (e->field ("telefon").toString(), "01 000");   // what the register does not know stays
    EXPECT_EQ (e->getIbanButton()->getAccounts().getCollected().size(), 3u);
    EXPECT_EQ (ibanText (*e), "SI56 1910 0000 0123 438");
    EXPECT_EQ (childOf (*e), nullptr);
    EXPECT_EQ (reg.logouts(), 1);

    // saved with its accounts: the register's accounts belong to the new party
    press (window, "Save");
    EXPECT_TRUE (answers.asked.empty());   // a non-payer's bare number needs no fixing
    const auto id = value ("SELECT id FROM stranka WHERE maticna='5012345000'");
    ASSERT_TRUE (id.isNotEmpty());
    EXPECT_EQ (value ("SELECT count(*) FROM iban WHERE stranka=" + id), "2");
    EXPECT_EQ (value ("SELECT iban.iban FROM stranka JOIN iban ON iban.id=stranka.iban WHERE stranka.id=" + id), "SI56191000000123438");
}

TEST_F (PartyEditor, ASearchWithoutHitsIsShownAndLeavesTheForm)
{
    reg.hits.clear();
    auto* e = launch (new AddStranka (nullptr, 8, nullptr));
    e->field ("ime") = "Nobena";
    press (window, "Ajpes");
    ASSERT_EQ (answers.asked.size(), 1u);
    EXPECT_EQ (answers.asked[0].title, "Napaka");
    EXPECT_EQ (answers.asked[0].message, "Ni zadetkov!");
    EXPECT_EQ (answers.asked[0].icon, vindoro::kIconWarning);
    EXPECT_EQ (childOf (*e), nullptr);
    EXPECT_EQ (e->field ("ime").toString(), "Nobena");
    EXPECT_EQ (e->field ("dolgoime").toString(), "");
    EXPECT_EQ (contentOf<AddStranka> (window), e);   // still open
}

TEST_F (PartyEditor, WhileTheHitsAreOpenEveryButtonWaits)
{
    reg.serveOneCompany();
    auto* e = launch (new AddStranka (nullptr, 8, nullptr));
    e->field ("ime") = "Vinska klet";
    e->field ("davcna") = "SI87654321";
    press (window, "Ajpes");
    auto* results = childOf (*e);
    ASSERT_NE (results, nullptr);

    const auto before = parties();
    press (window, "Save");
    press (window, "Cancel");
    window->closeButtonPressed();
    pump (100);
    EXPECT_EQ (parties(), before);
    EXPECT_TRUE (answers.asked.empty());
    EXPECT_EQ (contentOf<AddStranka> (window), e);
    EXPECT_EQ (opener.answers.size(), 0u);

    press (results, "Close");
    EXPECT_EQ (childOf (*e), nullptr);
    EXPECT_EQ (e->field ("dolgoime").toString(), "");
    press (window, "Save");
    EXPECT_EQ (parties().getIntValue(), before.getIntValue() + 1);
}
