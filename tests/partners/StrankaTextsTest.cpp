// Texts made from a party: the address block in its four modes and the browser title of a
// party-kind mask, read through a real language file; and every country the program ships has
// a text in each language file, since the address block looks the name up.
#include "support/UpgradeTestSupport.h"
#include "partners/StrankaTaxNumber.h"
#include "partners/StrankaTexts.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
class EnglishTexts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("english.txt"), true));
    }
    void TearDown() override { juce::LocalisedStrings::setCurrentMappings (nullptr); }

    static StrankaRecord buyer()
    {
        StrankaRecord p;
        p.id = 5;
        p.ime = "Klet Novak";
        p.naslov = "Cesta 1a, Vrh";
        p.posta = "SI-1000 Ljubljana";
        p.DrzavaDolgo = "SLOVENIJA";
        p.davcna = "SI12345678";
        return p;
    }
};
} // namespace

TEST_F (EnglishTexts, AddressBlockByMode)
{
    auto payer = buyer();
    payer.tipdavka = true;
    const auto nonPayer = buyer();
    struct Case { const StrankaRecord* party; int mode; const char* text; };
    const Case cases[] = {
        { &payer, 0, "Klet Novak\nCesta 1a, Vrh\nSI-1000 Ljubljana\n\nVAT ID: SI12345678" },
        { &payer, 1, "Klet Novak\nCesta 1a, Vrh\nSI-1000 Ljubljana\nSLOVENIA\n\nVAT ID: SI12345678" },
        { &payer, 2, "Klet Novak\nCesta 1a, Vrh\nSI-1000 Ljubljana\nSLOVENIA" },
        { &payer, 3, "Klet Novak\nCesta 1a, Vrh\nSI-1000 Ljubljana" },
        { &payer, -1, "Klet Novak\nCesta 1a, Vrh\nSI-1000 Ljubljana\n\nVAT ID: SI12345678" },
        { &nonPayer, 0, "Klet Novak\nCesta 1a, Vrh\nSI-1000 Ljubljana\n\nTax number: 12345678" },
        { &nonPayer, 7, "Klet Novak\nCesta 1a, Vrh\nSI-1000 Ljubljana" },
    };
    for (auto& c : cases)
        EXPECT_EQ (getStrankaAddressText (*c.party, c.mode), c.text) << "mode " << c.mode;
}

TEST_F (EnglishTexts, AddressBlockLeavesOutWhatIsEmpty)
{
    auto p = buyer();
    p.naslov = {};
    p.posta = {};
    EXPECT_EQ (getStrankaAddressText (p, 2), "Klet Novak\nSLOVENIA");
    p.DrzavaDolgo = {};
    EXPECT_EQ (getStrankaAddressText (p, 2), "Klet Novak");
    p.davcna = {};
    EXPECT_EQ (getStrankaAddressText (p, 0), "Klet Novak");
    p.DrzavaDolgo = "NARNIJA";   // no text in the language file: the stored name
    EXPECT_EQ (getStrankaAddressText (p, 1), "Klet Novak\nNARNIJA");
    for (int id : { 0, -1 })
    {
        p.id = id;
        EXPECT_EQ (getStrankaAddressText (p, 0), "") << id;
    }
}

TEST_F (EnglishTexts, BrowserTitleByTheLowestKindBit)
{
    const std::pair<int, const char*> cases[] = {
        { 1, "Users and company" }, { 2, "Grape growers" }, { 4, "Suppliers" }, { 8, "Customers" },
        { 16, "Consignment partners" }, { 12, "Suppliers" }, { 31, "Users and company" }, { 24, "Customers" },
        { 0, "Party" }, { 32, "Party" }, { -32, "Party" },
    };
    for (auto [mask, title] : cases)
        EXPECT_EQ (getStrankaTypeTitle (mask), title) << mask;
}

TEST (StrankaTaxNumberTest, ThePrintedNumberOfPayersAndOthers)
{
    struct Case { const char* davcna; bool payer; const char* printed; };
    const Case cases[] = {
        { "SI 123", false, "123" }, { "SI 123", true, "SI 123" }, { "HR-123", false, "123" },
        { "abc", false, "abc" },    { "", true, "" },             { "", false, "" },
    };
    for (auto& c : cases)
    {
        StrankaRecord p;
        p.davcna = c.davcna;
        p.tipdavka = c.payer;
        EXPECT_EQ (getStrankaTaxNumber (p), c.printed) << c.davcna << " " << c.payer;
    }
}

TEST (StrankaTexts, EveryShippedCountryHasATextInEachLanguageFile)
{
    vtest::UpgradeDb shipped (vtest::shippedDatabase());
    const auto names = shipped.rows ("SELECT ime FROM drzava ORDER BY id");
    ASSERT_FALSE (names.isEmpty());
    for (auto* file : { "slovensko.txt", "english.txt", "slo-eng.txt" })
    {
        juce::LocalisedStrings table (vtest::resourcesFolder().getChildFile (file), true);
        for (auto& name : names)
            EXPECT_TRUE (table.getMappings().containsKey (name)) << file << " lacks " << name;
    }
}
