// The accounts a party form collects before the party is stored: collecting texts from a look-up,
// handing them to the holder, and storing them (an account already in the database moves to the
// holder, one with an id is only reported, a new one is added with its bank), then the state a
// rolled-back save restores.
#include "partners/IbanCollection.h"
#include "partners/PartnersDb.h"

namespace
{
class CollectedAccounts : public ptest::PartnersDb
{
protected:
    void SetUp() override
    {
        PartnersDb::SetUp();
        accounts.onCurrentChanged = [this] (const IbanRecord& a) { told.add (a.iban + "#" + juce::String (a.id)); };
    }

    static StrankaRecord party (int id)
    {
        StrankaRecord p;
        p.id = id;
        p.ime = "P" + juce::String (id);
        return p;
    }

    IbanCollection accounts;
    juce::StringArray told;
    vtest::LogCapture log;
};
} // namespace

TEST_F (CollectedAccounts, LookUpTextsAreCollectedNormalisedAndTheLastBecomesCurrent)
{
    accounts.fixNosilec (party (4));
    accounts.dodajIBAN ({ "", "si56 0510-0801 2345 678", "SI56 1910 0000 0123 438" });
    ASSERT_EQ (accounts.getCollected().size(), 2u);
    EXPECT_EQ (accounts.getCollected()[0].iban, "SI56051008012345678");
    EXPECT_EQ (accounts.getCollected()[1].iban, "SI56191000000123438");
    for (auto& a : accounts.getCollected())
    {
        EXPECT_EQ (a.id, -1);
        EXPECT_EQ (a.nosilec.id, 4);
        EXPECT_EQ (a.banka.id, 1);
        EXPECT_TRUE (a.banka.swift.isEmpty());
        EXPECT_TRUE (a.active);
    }
    EXPECT_EQ (accounts.getCurrent().iban, "SI56191000000123438");
    EXPECT_EQ (told, juce::StringArray ({ "SI56051008012345678#-1", "SI56191000000123438#-1" }));
    EXPECT_TRUE (log.contains ("stevilo IBAN:3"));
    EXPECT_TRUE (log.contains ("0. IBAN:"));
    EXPECT_TRUE (log.contains ("2. IBAN:SI56191000000123438"));
}

TEST_F (CollectedAccounts, TheHolderFollowsToEveryCollectedAccountButNotToTheCurrentOne)
{
    IbanRecord picked;
    picked.id = 2;
    picked.iban = "SI56191000000123438";
    picked.nosilec = party (2);
    accounts.dodajIBAN ({ "SI56051008012345678" });
    accounts.setCurrent (picked);
    accounts.fixNosilec (party (7));
    EXPECT_EQ (accounts.getHolder().id, 7);
    EXPECT_EQ (accounts.getCollected()[0].nosilec.id, 7);
    EXPECT_EQ (accounts.getCollected()[0].nosilec.ime, "P7");
    EXPECT_EQ (accounts.getCurrent().nosilec.id, 2);
    EXPECT_TRUE (log.contains ("Nosilec id:7"));
}

TEST_F (CollectedAccounts, StoringMovesFoundAccountsAddsNewOnesAndSkipsStoredOnes)
{
    run ("INSERT INTO iban(id,iban,stranka,banka,active) VALUES (5,'SI56000000000000055',4,1,1)");
    IbanRecord stored;
    stored.id = 5;
    stored.iban = "SI56000000000000055";
    accounts.append (stored);
    accounts.dodajIBAN ({ "SI56 1910 0000 0123 438", "SI56 0510 0801 2345 678" });  // the first is party 2's
    IbanRecord withBank;
    withBank.iban = "DE89370400440532013000";
    withBank.banka.id = 0;
    withBank.banka.swift = "COBADEFF";
    accounts.append (withBank);
    accounts.fixNosilec (party (7));
    accounts.setCurrent (accounts.getCollected()[2]);

    ASSERT_TRUE (accounts.shraniVseIBAN());
    const auto& list = accounts.getCollected();
    EXPECT_TRUE (log.contains ("WARNING: iban id:5 je vecji od nic. Preskocim"));
    EXPECT_EQ (value ("SELECT stranka FROM iban WHERE id=5"), "4");
    EXPECT_EQ (list[1].id, 2);
    EXPECT_EQ (value ("SELECT stranka FROM iban WHERE id=2"), "7");
    EXPECT_GT (list[2].id, 5);
    EXPECT_EQ (value ("SELECT iban || '|' || stranka || '|' || banka FROM iban WHERE id=" + juce::String (list[2].id)),
               "SI56051008012345678|7|1");
    EXPECT_GT (list[3].banka.id, 2);
    EXPECT_EQ (value ("SELECT swift FROM banka WHERE id=" + juce::String (list[3].banka.id)), "COBADEFF");
    EXPECT_EQ (value ("SELECT banka FROM iban WHERE id=" + juce::String (list[3].id)), juce::String (list[3].banka.id));
    // the current account now carries its id
    EXPECT_EQ (accounts.getCurrent().id, list[2].id);

    // a second save adds nothing
    const auto rows = value ("SELECT count(*) FROM iban");
    ASSERT_TRUE (accounts.shraniVseIBAN());
    EXPECT_EQ (value ("SELECT count(*) FROM iban"), rows);
}

TEST_F (CollectedAccounts, AFailedStatementStopsAndTheStateCanBeRestored)
{
    accounts.fixNosilec (party (4));
    accounts.dodajIBAN ({ "SI56 1910 0000 0123 438", "SI56 0510 0801 2345 678" });
    const auto before = accounts.getState();
    run ("CREATE TRIGGER zaklep BEFORE INSERT ON iban BEGIN SELECT RAISE(ABORT,'zaklenjeno'); END");
    EXPECT_FALSE (accounts.shraniVseIBAN());
    EXPECT_TRUE (log.contains ("ERROR: ni shranilo iban v bazo"));
    // the first (found and moved) already carries an id; restoring brings back the unsaved form
    EXPECT_EQ (accounts.getCollected()[0].id, 2);
    told.clear();
    accounts.restore (before);
    EXPECT_EQ (accounts.getCollected()[0].id, -1);
    EXPECT_EQ (accounts.getCurrent().iban, "SI56051008012345678");
    EXPECT_TRUE (told.isEmpty());
}

TEST_F (CollectedAccounts, ForgettingDeletedAccounts)
{
    accounts.dodajIBAN ({ "SI56051008012345678", "SI56000000000000066" });
    accounts.removeUnsaved ("SI56051008012345678");
    ASSERT_EQ (accounts.getCollected().size(), 1u);
    EXPECT_EQ (accounts.getCurrent().iban, "SI56000000000000066");
    accounts.removeUnsaved ("SI56000000000000066");
    EXPECT_TRUE (accounts.getCollected().empty());
    EXPECT_TRUE (accounts.getCurrent().iban.isEmpty());

    IbanRecord picked;
    picked.id = 2;
    picked.iban = "SI56191000000123438";
    accounts.setCurrent (picked);
    accounts.forgetStored (3);
    EXPECT_EQ (accounts.getCurrent().id, 2);
    accounts.forgetStored (2);
    EXPECT_EQ (accounts.getCurrent().id, -1);
}
