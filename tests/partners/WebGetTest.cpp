// The company page reader: how the register's texts are split into the record's fields, which
// blocks of the page it reads, the account page, and its failures and log-out.
#include "partners/AjpesRegisterFixture.h"
#include "partners/WebFind.h"
#include "partners/WebGet.h"
#include "core/MyExceptions.h"

#include <gtest/gtest.h>

namespace
{
using vtest::AjpesStandIn;
using Fault = AjpesStandIn::Fault;

const char* const kTransferText = "Error: Sending the message to Ajpes server failed!";

juce::String utf8 (const char* text) { return juce::String::fromUTF8 (text); }

TEST (CompanyPageTexts, AddressesSplitIntoStreetNumberAdditionPostAndSettlement)
{
    struct Case
    {
        const char* address;
        const char *naselje, *ulica, *hisnaStevilka, *dodatek, *postnaStevilka, *posta;
    };
    const Case cases[] = {
        { "Dunajska cesta 5, 1000 Ljubljana", "Ljubljana", "Dunajska cesta", "5", "", "1000", "Ljubljana" },
        { "Vrh, Gorska pot 12A, 3230 Kraj", "Vrh", "Gorska pot", "12", "A", "3230", "Kraj" },
        { "Gorska pot 5 b, 1000 Kraj", "Kraj", "Gorska pot 5", "", "b", "1000", "Kraj" },
        { "Kraj 7", "", "", "", "", "Kraj 7", "" },
        { "Vrh, Gorska pot, 3230 Kraj", "Vrh", "Gorska", "", "Gorska pot", "3230", "Kraj" },
        { "  Trg 1, Gornja Radgona  ", "Gornja Radgona", "Trg", "1", "", "", "Gornja Radgona" },
        { "", "", "", "", "", "", "" },
    };
    for (auto& c : cases)
    {
        AjpesPodjetjeRecord r;
        WebGet::splitAddress (c.address, r);
        EXPECT_EQ (r.naselje, c.naselje) << c.address;
        EXPECT_EQ (r.ulica, c.ulica) << c.address;
        EXPECT_EQ (r.hisnaStevilka, c.hisnaStevilka) << c.address;
        EXPECT_EQ (r.dodatek, c.dodatek) << c.address;
        EXPECT_EQ (r.postnaStevilka, c.postnaStevilka) << c.address;
        EXPECT_EQ (r.posta, c.posta) << c.address;
    }
}

TEST (CompanyPageTexts, TaxNumbersSplitAtTheirFirstDigit)
{
    struct Case
    {
        const char *text, *idDDV, *davcna;
    };
    const Case cases[] = {
        { "SI 12345678", "SI", "12345678" },
        { "12345678", "", "12345678" },
        { " SI12345678 \n", "SI", "12345678" },
        { "ni zavezanec", "", "ni zavezanec" },
        { "", "", "" },
    };
    for (auto& c : cases)
    {
        AjpesPodjetjeRecord r;
        WebGet::splitTaxNumber (c.text, r);
        EXPECT_EQ (r.idDDV, c.idDDV) << c.text;
        EXPECT_EQ (r.davcna, c.davcna) << c.text;
    }
}

class CompanyPage : public vtest::AjpesRegisterTest
{
protected:
    CompanyPage()
    {
        reg.serveOneCompany();
        WebFind ({}); // the log-in the page reader lives on, left in the cookie file
        reg.web.clearRequests();
    }

    juce::String failureOf (const juce::String& query)
    {
        try
        {
            WebGet page (query);
        }
        catch (const myexceptions::AjpesException& e)
        {
            return utf8 (e.what());
        }
        catch (const std::exception& e)
        {
            ADD_FAILURE() << "another exception: " << e.what();
            return {};
        }
        ADD_FAILURE() << "the page was read";
        return {};
    }
};

TEST_F (CompanyPage, ReadsEveryFieldAndTheAccountsThenLogsOut)
{
    WebGet page ("s=1&e=5012345000");
    const auto r = page.getPodjetje();
    EXPECT_EQ (r.maticna, "5012345000");
    EXPECT_EQ (r.idDDV, "SI");
    EXPECT_EQ (r.davcna, "12345678");
    EXPECT_EQ (r.popolnoIme, utf8 ("VINSKA KLET GORI\xc4\x8cKO, proizvodnja in prodaja vina, d.o.o."));
    EXPECT_EQ (r.kratkoIme, utf8 ("VINSKA KLET GORI\xc4\x8cKO d.o.o."));
    EXPECT_EQ (r.naselje, "Vrh");
    EXPECT_EQ (r.ulica, "Gorska pot");
    EXPECT_EQ (r.hisnaStevilka, "12");
    EXPECT_EQ (r.dodatek, "A");
    EXPECT_EQ (r.postnaStevilka, "3230");
    EXPECT_EQ (r.posta, "Kraj");
    // last link first, each in the normal form, the repeated one kept
    EXPECT_EQ (r.racuni, juce::StringArray ({ "SI56191000000123438", "SI56051008012345678", "SI56191000000123438" }));

    const auto requests = reg.requests();
    ASSERT_EQ (requests.size(), 3u);
    EXPECT_EQ (requests[0].path, AjpesStandIn::kCompany);
    EXPECT_EQ (requests[0].query, "s=1&e=5012345000");
    EXPECT_EQ (requests[1].path, AjpesStandIn::kAccounts);
    EXPECT_EQ (requests[1].query, "RtrFilter_Maticna=5012345000");
    EXPECT_EQ (requests[2].path, AjpesStandIn::kLogout);
    for (auto& q : requests)
    {
        EXPECT_EQ (q.cookie (reg.sessionCookieName), reg.sessionCookieValue) << q.path;
        vtest::expectClientHeaders (q);
    }
}

TEST_F (CompanyPage, PagesOfOtherShapesFillWhatTheyHold)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<std::string, std::string>> pairs;
        const char *popolnoIme, *kratkoIme, *posta;
    };
    const Case cases[] = {
        { "a row whose label holds \"vlo\" moves the rest by one",
          { { "Matična številka", "5012345000" }, { "Davčna številka", "SI 12345678" }, { "Datum VLOge", "1.2.2020" },
            { "Polno ime", "POLNO" }, { "Kratko ime", "KRATKO" }, { "Oblika", "d.o.o." }, { "Naslov", "Trg 1, 1000 Kraj" } },
          "POLNO", "KRATKO", "Kraj" },
        { "fewer pairs leave the missing fields empty",
          { { "Matična številka", "5012345000" }, { "Davčna številka", "SI 12345678" }, { "Polno ime", "SAMO POLNO" } },
          "SAMO POLNO", "", "" },
    };
    for (auto& c : cases)
    {
        reg.companyPairs = c.pairs;
        WebGet page ("s=1&e=5012345000");
        const auto r = page.getPodjetje();
        EXPECT_EQ (r.maticna, "5012345000") << c.name;
        EXPECT_EQ (r.davcna, "12345678") << c.name;
        EXPECT_EQ (r.popolnoIme, c.popolnoIme) << c.name;
        EXPECT_EQ (r.kratkoIme, c.kratkoIme) << c.name;
        EXPECT_EQ (r.posta, c.posta) << c.name;
        EXPECT_EQ (r.racuni.size(), 3) << c.name;
    }
}

TEST_F (CompanyPage, NoAccountLinksIsNoAccountAndNoFailure)
{
    reg.accounts.clear();
    WebGet page ("s=1&e=5012345000");
    EXPECT_TRUE (page.getPodjetje().racuni.isEmpty());
    EXPECT_EQ (page.getPodjetje().kratkoIme, utf8 ("VINSKA KLET GORI\xc4\x8cKO d.o.o."));
    EXPECT_EQ (reg.logouts(), 1);
}

TEST_F (CompanyPage, NumbersServedWithLineBreaksStillReachTheirPages)
{
    reg.companyPairs[0].second = "\n      5012345000\n    ";
    WebGet page ("\n  s=1&e=5012345000 \r\n");
    EXPECT_EQ (page.getPodjetje().racuni.size(), 3);
    EXPECT_EQ (reg.requestsTo (AjpesStandIn::kCompany)[0].query, "s=1&e=5012345000");
    EXPECT_EQ (reg.requestsTo (AjpesStandIn::kAccounts)[0].query, "RtrFilter_Maticna=5012345000");
}

TEST_F (CompanyPage, ALogOutFailingAfterARightReadLeavesTheData)
{
    reg.inject (AjpesStandIn::kLogout, Fault::error500);
    WebGet page ("s=1&e=5012345000");
    EXPECT_EQ (page.getPodjetje().maticna, "5012345000");
    EXPECT_EQ (page.getPodjetje().racuni.size(), 3);
    EXPECT_EQ (reg.logouts(), 1);
}

TEST_F (CompanyPage, FailuresArriveAsRegisterExceptionsAfterOneLogOut)
{
    struct Case
    {
        const char* name;
        std::function<void (AjpesStandIn&)> arrange;
        const char* text;
    };
    const Case cases[] = {
        { "company page 404", [] (AjpesStandIn& r) { r.inject (AjpesStandIn::kCompany, Fault::error404); }, kTransferText },
        { "account page 500", [] (AjpesStandIn& r) { r.inject (AjpesStandIn::kAccounts, Fault::error500); }, kTransferText },
        { "company page without its blocks", [] (AjpesStandIn& r) { r.companyBlocks = false; },
          nullptr },
        { "unreadable company page", [] (AjpesStandIn& r) { r.inject (AjpesStandIn::kCompany, Fault::unreadable); },
          "Error: unable to create new XPath context" },
        { "log-out failing after a failed read keeps the first text",
          [] (AjpesStandIn& r) {
              r.inject (AjpesStandIn::kCompany, Fault::error404);
              r.inject (AjpesStandIn::kLogout, Fault::error500);
          },
          kTransferText },
    };
    for (auto& c : cases)
    {
        vtest::AjpesStandIn fresh;
        fresh.serveOneCompany();
        vtest::TempFolder folder;
        fresh.configure (settings.user(), folder.get());
        WebFind ({});
        fresh.web.clearRequests();
        c.arrange (fresh);

        EXPECT_EQ (failureOf ("s=1&e=5012345000"), c.text != nullptr ? c.text : "Ni zadetkov!") << c.name;
        EXPECT_EQ (fresh.logouts(), 1) << c.name;
    }
}
} // namespace
