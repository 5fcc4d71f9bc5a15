// Storing a party as the editor holds it, on a real database: the refusals and the tax-number
// question before anything is written, the texts as stored and read back, the main account link,
// the own company and the current user kept in step, and faults injected into the accounts and
// the party row leaving neither a half party nor stale account ids behind.
#include "partners/PartnersDb.h"
#include "partners/StrankaQuery.h"
#include "partners/StrankaSave.h"

namespace
{
using Kind = StrankaSave::Kind;

class PartySave : public ptest::PartnersDb
{
protected:
    static StrankaSave::Form named (const juce::String& ime)
    {
        StrankaSave::Form form;
        form.ime = ime;
        form.drzava = 185;
        form.tipdavka = false;
        form.kinds[3] = true;
        return form;
    }

    /** The editor's form of a stored party, as the party query gives it. */
    static StrankaSave::Form storedForm (int id)
    {
        SQLtoXml q;
        const auto p = getStrankaDetails (&q, id);
        StrankaSave::Form form;
        form.id = juce::String (p.id);
        form.ime = p.ime;
        form.dolgoime = p.dolgoime;
        form.ulica = p.ulica;
        form.hisnast = p.hisnast;
        form.naselje = p.naselje;
        form.postnast = p.postnast;
        form.postaime = p.postaime;
        form.davcna = p.davcna;
        form.rokplacila = juce::String (p.rokplacila);
        form.popust = juce::String (p.popust);
        form.ibanid = juce::String (p.ibanid);
        form.drzava = p.drzava;
        form.tipdavka = p.tipdavka;
        for (int i = 0; i < 5; ++i)
            form.kinds[i] = (p.tipstranke & (1 << i)) != 0;
        return form;
    }

    StrankaSave::Outcome save (const StrankaSave::Form& form, Kind kind = Kind::add, IbanCollection* accounts = nullptr)
    {
        return StrankaSave::save (form, kind, accounts, [this] (const juce::String& vatId)
        {
            asked.add (vatId);
            return answer;
        });
    }

    static juce::String column (int id, const char* name)
    {
        return value (juce::String ("SELECT ") + name + " FROM stranka WHERE id=" + juce::String (id));
    }

    static juce::String parties() { return value ("SELECT count(*) FROM stranka"); }

    juce::StringArray asked;
    int answer = 2;
};
} // namespace

TEST_F (PartySave, RefusalsComeBeforeAnyWrite)
{
    const auto before = parties();
    StrankaSave::Form empty;
    EXPECT_EQ (save (empty).error, "Missing Tax Number!");   // a new form starts as a VAT payer

    auto nameless = named ("");
    nameless.dolgoime = " \r\n ";
    EXPECT_EQ (save (nameless).error, "stranka_manjka ime");

    auto refused = named ("Nova");
    refused.tipdavka = true;
    refused.davcna = "12345678";
    answer = 0;
    const auto outcome = save (refused);
    EXPECT_FALSE (outcome.saved);
    EXPECT_EQ (outcome.error, "fix tax number2");
    EXPECT_EQ (asked, juce::StringArray ({ "SI12345678" }));
    EXPECT_EQ (parties(), before);
}

TEST_F (PartySave, TheTaxNumberOfAHomeVatPayerIsOfferedWithItsPrefix)
{
    struct Case { int answer; const char* stored; };
    for (auto c : { Case { 1, "SI12345678" }, Case { 2, "12345678" } })
    {
        auto form = named ("Davkar");
        form.tipdavka = true;
        form.davcna = " 12345678\n";
        answer = c.answer;
        asked.clear();
        const auto outcome = save (form);
        ASSERT_TRUE (outcome.saved) << outcome.error;
        EXPECT_EQ (asked, juce::StringArray ({ "SI12345678" }));
        EXPECT_EQ (column (outcome.id, "davcna"), c.stored);
        EXPECT_EQ (column (outcome.id, "tipdavka"), "1");
    }
    // a number that already is the VAT number asks nothing
    auto form = named ("Pravilen");
    form.tipdavka = true;
    form.davcna = "SI87654321";
    asked.clear();
    ASSERT_TRUE (save (form).saved);
    EXPECT_TRUE (asked.isEmpty());
}

TEST_F (PartySave, NamesStandInForEachOther)
{
    struct Case { const char* ime; const char* dolgoime; const char* stored; };
    const Case cases[] = { { "", "Dolgo Ime d.o.o.", "Dolgo Ime d.o.o.|Dolgo Ime d.o.o." },
                           { " Kratko\r\n", "", "Kratko|Kratko" },
                           { "Kratko", "Dolgo", "Kratko|Dolgo" } };
    for (auto& c : cases)
    {
        auto form = named (c.ime);
        form.dolgoime = c.dolgoime;
        const auto outcome = save (form);
        ASSERT_TRUE (outcome.saved) << outcome.error;
        EXPECT_EQ (column (outcome.id, "ime || '|' || dolgoime"), c.stored);
    }
}

TEST_F (PartySave, DiscountAndPaymentDaysAreKeptInRange)
{
    struct Case { const char* typed; const char* discount; int days; };
    const Case cases[] = { { "150", "100", 150 }, { "-3", "0", 0 },     { "0", "0", 0 },     { "-5", "0", 0 },
                           { "abc", "0", 0 },     { "12.5", "12.5", 12 }, { "10", "10", 10 }, { "-0", "0", 0 } };
    for (auto& c : cases)
    {
        EXPECT_EQ (StrankaSave::discountText (c.typed), c.discount) << c.typed;
        EXPECT_EQ (StrankaSave::paymentDays (c.typed), c.days) << c.typed;
    }
    auto form = named ("Popust");
    form.popust = "150";
    form.rokplacila = "abc";
    auto outcome = save (form);
    ASSERT_TRUE (outcome.saved);
    EXPECT_EQ (column (outcome.id, "popust || '|' || rokplacila"), "100.0|0");
    form.popust = "-3";
    form.rokplacila = "-5";
    outcome = save (form);
    EXPECT_EQ (column (outcome.id, "popust || '|' || rokplacila"), "0.0|0");
}

TEST_F (PartySave, QuotesAreStoredDoubledAndReadBackUnchanged)
{
    auto form = named ("Klet pri O'Brienu");
    form.davcna = "HR'12";
    form.ulica = "Pot 'na' breg";
    form.tipdavka = false;
    form.drzava = 92;
    const auto outcome = save (form);
    ASSERT_TRUE (outcome.saved) << outcome.error;
    SQLtoXml q;
    const auto p = getStrankaDetails (&q, outcome.id);
    EXPECT_EQ (p.ime, "Klet pri O'Brienu");
    EXPECT_EQ (p.dolgoime, "Klet pri O'Brienu");
    EXPECT_EQ (p.davcna, "HR'12");
    EXPECT_EQ (p.ulica, "Pot 'na' breg");
    EXPECT_EQ (p.tipstranke, 8);
    EXPECT_EQ (p.drzava, 92);
}

TEST_F (PartySave, ANewPartyLinksItsMainAccount)
{
    auto outcome = save (named ("Brez racuna"), Kind::add, nullptr);
    EXPECT_EQ (column (outcome.id, "iban"), "1");

    IbanCollection none;
    outcome = save (named ("Prazen seznam"), Kind::add, &none);
    EXPECT_EQ (column (outcome.id, "iban"), "1");

    IbanCollection accounts;
    accounts.dodajIBAN ({ "SI56 0510 0801 2345 678", "SI56 1910 0000 0123 438" });
    outcome = save (named ("Z racuni"), Kind::add, &accounts);
    ASSERT_TRUE (outcome.saved) << outcome.error;
    const auto current = accounts.getCurrent().id;
    EXPECT_EQ (current, 2);
    EXPECT_EQ (column (outcome.id, "iban"), "2");
    EXPECT_EQ (value ("SELECT group_concat(stranka) FROM iban WHERE iban IN ('SI56051008012345678','SI56191000000123438')"),
               juce::String (outcome.id) + "," + juce::String (outcome.id));
    EXPECT_EQ (accounts.getHolder().id, outcome.id);
}

TEST_F (PartySave, AMainAccountPickedFromTheAccountsWithoutHolderJoinsTheNewParty)
{
    run ("INSERT INTO iban(id,iban,stranka,banka,active) VALUES (5,'SI56000000000000055',1,1,1)");
    IbanCollection accounts;
    IbanRecord picked;
    picked.id = 5;
    picked.iban = "SI56000000000000055";
    picked.nosilec.id = 1;
    accounts.setCurrent (picked);
    const auto outcome = save (named ("Izbrani"), Kind::add, &accounts);
    ASSERT_TRUE (outcome.saved) << outcome.error;
    EXPECT_EQ (column (outcome.id, "iban"), "5");
    EXPECT_EQ (value ("SELECT stranka FROM iban WHERE id=5"), juce::String (outcome.id));
}

TEST_F (PartySave, EditingRewritesTheRowWithItsAccountsFirst)
{
    auto form = storedForm (kCustomerB);
    form.telefon = "041 000 000";
    IbanCollection accounts;
    StrankaRecord holder;
    holder.id = kCustomerB;
    accounts.fixNosilec (holder);
    accounts.dodajIBAN ({ "SI56 0510 0801 2345 678" });
    const auto outcome = save (form, Kind::edit, &accounts);
    ASSERT_TRUE (outcome.saved) << outcome.error;
    EXPECT_EQ (outcome.id, kCustomerB);
    const auto account = accounts.getCurrent().id;
    EXPECT_GT (account, 2);
    EXPECT_EQ (column (kCustomerB, "telefon || '|' || iban || '|' || active"), "041 000 000|" + juce::String (account) + "|1");
    EXPECT_EQ (value ("SELECT stranka FROM iban WHERE id=" + juce::String (account)), juce::String (kCustomerB));

    // without accounts the row keeps the main account it had
    auto plain = storedForm (kCompany);
    ASSERT_TRUE (save (plain, Kind::edit).saved);
    EXPECT_EQ (column (kCompany, "iban"), "2");
}

TEST_F (PartySave, TheCompanyAndTheUserFollowOnlyASuccessfulSave)
{
    auto company = storedForm (kCompany);
    company.ime = "Klet Novak d.o.o.";
    ASSERT_TRUE (save (company, Kind::edit).saved);
    EXPECT_EQ (getPodjetje().id, kCompany);
    EXPECT_EQ (getPodjetje().ime, "Klet Novak d.o.o.");
    EXPECT_EQ (getPodjetje().IBAN, "SI56191000000123438");

    auto user = storedForm (kUser);
    user.dolgoime = ptest::utf8 ("Ana Kovač");
    user.davcna = "87654321";
    ASSERT_TRUE (save (user, Kind::edit).saved);
    EXPECT_EQ (settings().getValue ("uporabnikdolgoime"), ptest::utf8 ("Ana Kovač"));
    EXPECT_EQ (settings().getValue ("uporabnik:tax"), "87654321");

    run ("CREATE TRIGGER zaklep BEFORE UPDATE ON stranka BEGIN SELECT RAISE(ABORT,'zaklenjeno'); END");
    company.ime = "Ne";
    user.dolgoime = "Ne";
    EXPECT_EQ (save (company, Kind::edit).error, "database error");
    EXPECT_EQ (save (user, Kind::edit).error, "database error");
    EXPECT_EQ (getPodjetje().ime, "Klet Novak d.o.o.");
    EXPECT_EQ (settings().getValue ("uporabnikdolgoime"), ptest::utf8 ("Ana Kovač"));
}

TEST_F (PartySave, AFailingAccountLeavesNoNewPartyAndTheAccountsUnsaved)
{
    run ("CREATE TRIGGER zaklep BEFORE INSERT ON iban BEGIN SELECT RAISE(ABORT,'zaklenjeno'); END");
    const auto before = parties();
    const auto accountsBefore = value ("SELECT group_concat(id || ':' || stranka) FROM iban");
    IbanCollection accounts;
    accounts.dodajIBAN ({ "SI56 1910 0000 0123 438", "SI56 0510 0801 2345 678" });  // the first only moves
    const auto outcome = save (named ("Nepopolna"), Kind::add, &accounts);
    EXPECT_FALSE (outcome.saved);
    EXPECT_EQ (outcome.error, "stranka_racuni niso shranjeni");
    EXPECT_EQ (parties(), before);
    EXPECT_EQ (value ("SELECT group_concat(id || ':' || stranka) FROM iban"), accountsBefore);
    for (auto& a : accounts.getCollected())
        EXPECT_EQ (a.id, -1);
    EXPECT_EQ (accounts.getHolder().id, -1);

    // the same form saves once the fault is gone, with fresh ids
    run ("DROP TRIGGER zaklep");
    const auto retry = save (named ("Nepopolna"), Kind::add, &accounts);
    ASSERT_TRUE (retry.saved) << retry.error;
    EXPECT_EQ (column (retry.id, "iban"), juce::String (accounts.getCurrent().id));
}

TEST_F (PartySave, AFailingLinkOrInsertLeavesNoParty)
{
    const auto before = parties();
    run ("CREATE TRIGGER zaklep BEFORE UPDATE OF iban ON stranka BEGIN SELECT RAISE(ABORT,'zaklenjeno'); END");
    IbanCollection accounts;
    accounts.dodajIBAN ({ "SI56 0510 0801 2345 678" });
    auto outcome = save (named ("Brez povezave"), Kind::add, &accounts);
    EXPECT_EQ (outcome.error, "stranka_racuni niso shranjeni");
    EXPECT_EQ (parties(), before);
    EXPECT_EQ (value ("SELECT count(*) FROM iban WHERE iban='SI56051008012345678'"), "0");

    run ("CREATE TRIGGER zaklep_ins BEFORE INSERT ON stranka BEGIN SELECT RAISE(ABORT,'zaklenjeno'); END");
    outcome = save (named ("Nikoli"));
    EXPECT_FALSE (outcome.saved);
    EXPECT_EQ (outcome.error, "database error");
    EXPECT_EQ (parties(), before);
}

TEST_F (PartySave, AFailingUpdateAfterTheAccountsChangesNeitherRow)
{
    run ("CREATE TRIGGER zaklep BEFORE UPDATE ON stranka BEGIN SELECT RAISE(ABORT,'zaklenjeno'); END");
    const auto row = value ("SELECT ime || '|' || iban || '|' || telefon FROM stranka WHERE id=4");
    auto form = storedForm (kCustomerB);
    form.ime = "Zvezda Nova";
    IbanCollection accounts;
    StrankaRecord holder;
    holder.id = kCustomerB;
    accounts.fixNosilec (holder);
    accounts.dodajIBAN ({ "SI56 1910 0000 0123 438", "SI56 0510 0801 2345 678" });
    const auto outcome = save (form, Kind::edit, &accounts);
    EXPECT_FALSE (outcome.saved);
    EXPECT_EQ (outcome.error, "database error");
    EXPECT_EQ (value ("SELECT ime || '|' || iban || '|' || telefon FROM stranka WHERE id=4"), row);
    EXPECT_EQ (value ("SELECT stranka FROM iban WHERE id=2"), "2");
    EXPECT_EQ (value ("SELECT count(*) FROM iban WHERE iban='SI56051008012345678'"), "0");
    EXPECT_EQ (accounts.getCurrent().id, -1);
}
