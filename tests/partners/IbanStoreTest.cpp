// Bank accounts in the database: rows read and written as records, one typed account stored with
// its bank (numbers normalised, banks found by SWIFT, a bad SWIFT refused before any write, a
// collected account never "updated" into nothing), accounts switched off, and a failing
// statement leaving neither bank nor account behind.
#include "partners/IbanStore.h"
#include "partners/PartnersDb.h"

namespace
{
class Accounts : public ptest::PartnersDb
{
protected:
    static juce::String count (const char* table) { return value (juce::String ("SELECT count(*) FROM ") + table); }
    static juce::String accountRow (int id)
    {
        return value ("SELECT iban || '|' || stranka || '|' || banka || '|' || active FROM iban WHERE id=" + juce::String (id));
    }

    static IbanRecord accountOf (int holder)
    {
        IbanRecord a;
        a.nosilec.id = holder;
        return a;
    }
};
} // namespace

TEST (AccountRow, ReadAndWrittenAsTheBrowserShowsIt)
{
    juce::XmlElement row ("ITEM");
    row.setAttribute ("id", "7");
    row.setAttribute ("iban", "SI56191000000123438");
    row.setAttribute ("nosilecid", "2");
    row.setAttribute ("nosilecime", "Klet");
    row.setAttribute ("bankaid", "3");
    row.setAttribute ("swift", "LJBASI2X");
    const auto account = IbanStore::interpretXml (&row);
    EXPECT_EQ (account.id, 7);
    EXPECT_EQ (account.iban, "SI56191000000123438");
    EXPECT_EQ (account.nosilec.id, 2);
    EXPECT_EQ (account.nosilec.ime, "Klet");
    EXPECT_EQ (account.banka.id, 3);
    EXPECT_EQ (account.banka.swift, "LJBASI2X");
    EXPECT_FALSE (account.active);  // the account query has no "active"

    EXPECT_EQ (IbanStore::interpretXml (nullptr).id, -1);
    juce::XmlElement bare ("ITEM");
    bare.setAttribute ("id", "auto");
    const auto unsaved = IbanStore::interpretXml (&bare);
    EXPECT_EQ (unsaved.id, 0);
    EXPECT_EQ (unsaved.nosilec.id, 0);
    EXPECT_EQ (unsaved.banka.id, 0);

    IbanRecord collected;
    collected.iban = "SI56051008012345678";
    collected.nosilec.id = 4;
    collected.nosilec.ime = "Zvezda";
    collected.banka.id = 1;
    collected.active = true;
    for (int id : { -1, 0 })
    {
        collected.id = id;
        EXPECT_EQ (IbanStore::toXml (collected)->getStringAttribute ("id"), "auto");
    }
    collected.id = 12;
    const auto written = IbanStore::toXml (collected);
    EXPECT_EQ (written->getTagName(), "ITEM");
    EXPECT_EQ (written->getStringAttribute ("id"), "12");
    EXPECT_EQ (written->getStringAttribute ("nosilecime"), "Zvezda");
    EXPECT_EQ (written->getStringAttribute ("active"), "1");
    const auto back = IbanStore::interpretXml (written.get());
    EXPECT_EQ (back.iban, collected.iban);
    EXPECT_EQ (back.nosilec.id, 4);
    EXPECT_TRUE (back.active);
}

TEST (AccountSwift, EmptyOrEightOrElevenLettersAndDigits)
{
    struct Case { const char* swift; bool valid; };
    const Case cases[] = {
        { "", true },           { "LJBASI2X", true },   { "ljbasi2x", true },   { "LJBASI2XXXX", true },
        { " LJBASI2X ", true }, { "LJBASI2", false },   { "LJBASI2XX", false }, { "AB'CD1234", false },
        { "LJBA SI2X", false }, { "LJBASI2X'; --", false }, { "LJBASI2XXXXX", false },
    };
    for (auto& c : cases)
        EXPECT_EQ (IbanStore::isValidSwift (c.swift), c.valid) << c.swift;
}

TEST_F (Accounts, TypedNumberIsStoredInCapitalsAndDigitsUnderTheDefaultBank)
{
    auto account = accountOf (4);
    juce::String error;
    ASSERT_TRUE (IbanStore::saveAccount (account, "si56 1910-0000 0123 438", "", true, error)) << error;
    EXPECT_GT (account.id, 2);
    EXPECT_EQ (account.iban, "SI56191000000123438");
    EXPECT_EQ (account.banka.id, 1);
    EXPECT_TRUE (account.active);
    EXPECT_EQ (accountRow (account.id), "SI56191000000123438|4|1|1");
}

TEST_F (Accounts, BanksAreFoundBySwiftOnlyAboveTheDefaultRow)
{
    run ("UPDATE banka SET swift='BSLJSI2X' WHERE id=1");
    juce::String error;

    auto reused = accountOf (4);
    ASSERT_TRUE (IbanStore::saveAccount (reused, "SI56 0510 0801 2345 678", "LJBASI2X", true, error)) << error;
    EXPECT_EQ (reused.banka.id, 2);

    auto notTheDefault = accountOf (4);
    ASSERT_TRUE (IbanStore::saveAccount (notTheDefault, "SI56 0510 0801 0000 111", "BSLJSI2X", true, error)) << error;
    EXPECT_GT (notTheDefault.banka.id, 2);
    EXPECT_EQ (value ("SELECT swift || '|' || stranka || '|' || active FROM banka WHERE id=" + juce::String (notTheDefault.banka.id)),
               "BSLJSI2X|1|1");

    auto newBank = accountOf (4);
    ASSERT_TRUE (IbanStore::saveAccount (newBank, "DE89 3704 0044 0532 0130 00", "COBADEFFXXX", true, error)) << error;
    EXPECT_EQ (value ("SELECT swift FROM banka WHERE id=" + juce::String (newBank.banka.id)), "COBADEFFXXX");
    EXPECT_EQ (count ("banka"), "4");
}

TEST_F (Accounts, RefusalsWriteNothing)
{
    struct Case { const char* iban; const char* swift; const char* error; };
    const Case cases[] = {
        { "", "", "IBAN nima vnosa" },
        { " -- ", "LJBASI2X", "IBAN nima vnosa" },
        { "SI56 1910 0000 0123 438", "AB'CD1234", "SWIFT ni veljaven" },
        { "SI56 1910 0000 0123 438", "LJBA", "SWIFT ni veljaven" },
    };
    const auto banks = count ("banka"), accounts = count ("iban");
    for (auto& c : cases)
        for (bool insert : { true, false })
        {
            auto account = accountOf (4);
            account.id = insert ? -1 : 2;
            juce::String error;
            EXPECT_FALSE (IbanStore::saveAccount (account, c.iban, c.swift, insert, error)) << c.iban << " " << c.swift;
            EXPECT_EQ (error, c.error);
            EXPECT_EQ (account.id, insert ? -1 : 2);
        }
    EXPECT_EQ (count ("banka"), banks);
    EXPECT_EQ (count ("iban"), accounts);
    EXPECT_EQ (accountRow (2), "SI56191000000123438|2|2|1");
}

TEST_F (Accounts, EditingRewritesTheRowAndAHolderlessAccountGoesToPartyOne)
{
    auto account = IbanStore::interpretXml (nullptr);
    account.id = 2;
    account.nosilec.id = 0;
    juce::String error;
    ASSERT_TRUE (IbanStore::saveAccount (account, "SI56 1910 0000 0999 999", "LJBASI2X", false, error)) << error;
    EXPECT_EQ (account.id, 2);
    EXPECT_EQ (account.nosilec.id, 1);
    EXPECT_EQ (accountRow (2), "SI56191000000999999|1|2|1");
}

TEST_F (Accounts, ACollectedAccountOpenedForEditingIsAddedNotUpdatedIntoNothing)
{
    const auto before = count ("iban");
    for (int id : { 0, -1 })
    {
        auto account = accountOf (4);
        account.id = id;
        juce::String error;
        ASSERT_TRUE (IbanStore::saveAccount (account, id == 0 ? "SI56 0000 0000 0000 011" : "SI56 0000 0000 0000 022", "", false, error))
            << error;
        EXPECT_GT (account.id, 2);
        EXPECT_EQ (value ("SELECT stranka FROM iban WHERE id=" + juce::String (account.id)), "4");
    }
    EXPECT_EQ (count ("iban").getIntValue(), before.getIntValue() + 2);
}

TEST_F (Accounts, AFailingAccountStatementLeavesNoNewBankBehind)
{
    run ("CREATE TRIGGER zaklep BEFORE INSERT ON iban BEGIN SELECT RAISE(ABORT,'zaklenjeno'); END");
    const auto banks = count ("banka");
    auto account = accountOf (4);
    juce::String error;
    EXPECT_FALSE (IbanStore::saveAccount (account, "SI56 0510 0801 2345 678", "NEWBSI2X", true, error));
    EXPECT_EQ (error, "Napaka pri spreminjanju IBAN z imenom SI56051008012345678");
    EXPECT_EQ (account.id, -1);
    EXPECT_EQ (count ("banka"), banks);

    run ("DROP TRIGGER zaklep");
    run ("CREATE TRIGGER zaklep BEFORE UPDATE ON iban BEGIN SELECT RAISE(ABORT,'zaklenjeno'); END");
    account.id = 2;
    EXPECT_FALSE (IbanStore::saveAccount (account, "SI56 0510 0801 2345 678", "NEWBSI2X", false, error));
    EXPECT_EQ (count ("banka"), banks);
    EXPECT_EQ (accountRow (2), "SI56191000000123438|2|2|1");
}

TEST_F (Accounts, SwitchingOffIsAllOrNothingAndNeverTouchesThePlaceholder)
{
    run ("INSERT INTO iban(id,iban,stranka,banka,active) VALUES (3,'SI56000000000000033',4,1,1),(4,'SI56000000000000044',4,1,1)");
    juce::String error;
    ASSERT_TRUE (IbanStore::deactivate ({ 1, 3, 4 }, error)) << error;
    EXPECT_EQ (value ("SELECT group_concat(active) FROM (SELECT active FROM iban WHERE id IN (1,2,3,4) ORDER BY id)"), "0,1,0,0");
    EXPECT_TRUE (IbanStore::deactivate ({}, error));

    run ("UPDATE iban SET active=1 WHERE id IN (3,4)");
    run ("CREATE TRIGGER zaklep BEFORE UPDATE ON iban WHEN NEW.id=4 BEGIN SELECT RAISE(ABORT,'zaklenjeno'); END");
    EXPECT_FALSE (IbanStore::deactivate ({ 3, 4 }, error));
    EXPECT_TRUE (error.contains ("zaklenjeno")) << error;
    EXPECT_EQ (value ("SELECT group_concat(active) FROM (SELECT active FROM iban WHERE id IN (3,4) ORDER BY id)"), "1,1");
}
