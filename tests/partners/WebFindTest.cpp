// The company search: the URL it asks, the rows it makes of the hit table, and the failures that
// end in one log-out and a register exception (or, for the log-in itself, in none).
#include "partners/AjpesRegisterFixture.h"
#include "partners/WebFind.h"
#include "core/MyExceptions.h"

#include <gtest/gtest.h>

namespace
{
using vtest::AjpesStandIn;
using Fault = AjpesStandIn::Fault;

const char* const kTransferText = "Error: Sending the message to Ajpes server failed!";

juce::String utf8 (const char* text) { return juce::String::fromUTF8 (text); }

TEST (CompanySearchUrl, UsedConditionsInTheirOrderThenStatusAndLimit)
{
    struct Case
    {
        const char* name;
        AjpesIskanjeRecord conditions;
        const char* query;
    };
    AjpesIskanjeRecord all;
    all.naziv = "A";
    all.maticna = "B";
    all.davcna = "C";
    all.ulica = "D";
    all.h_st = "E";
    all.naselje = "F";
    all.obcina = "G";
    all.posta = "H";
    all.dejavnost = "I";
    all.oblika = "J";
    AjpesIskanjeRecord name;
    name.naziv = "Vinska klet";
    AjpesIskanjeRecord letter;
    letter.naselje = utf8 ("Gori\xc4\x8dko");
    AjpesIskanjeRecord some;
    some.davcna = "12345678";
    some.posta = "1000";

    const Case cases[] = {
        { "nothing", {}, "status=1&MAXREC=10000" },
        { "a name with a blank", name, "naziv=Vinska%20klet&status=1&MAXREC=10000" },
        { "a letter beyond ASCII", letter, "naselje=Gori%C4%8Dko&status=1&MAXREC=10000" },
        { "two, empty ones left out", some, "davcna=12345678&posta=1000&status=1&MAXREC=10000" },
        { "all ten", all, "naziv=A&maticna=B&davcna=C&ulica=D&h_st=E&naselje=F&obcina=G&posta=H&dejavnost=I&oblika=J&"
                          "status=1&MAXREC=10000" },
    };
    for (auto& c : cases)
        EXPECT_EQ (WebFind::searchUrl ("https://x", c.conditions), "https://x/prs/rezultati.asp?" + juce::String (c.query))
            << c.name;
}

class CompanySearch : public vtest::AjpesRegisterTest
{
protected:
    void serveThreeHits()
    {
        reg.hits = { { "1111111000", "PRVA KLET d.o.o.", "Prva", "Ulica 1, 1000 Ljubljana", "11111111" },
                     { "2222222000", "DRUGA KLET d.o.o.", "Druga", "Ulica 2, 2000 Maribor", "22222222" },
                     { "3333333000", "TRETJA KLET \xc4\x8cRNKO d.o.o.", "Tretja", "Ulica 3, 3000 Celje", "33333333" } };
    }

    // The text of the exception a failing search throws; fails the test when it does not throw.
    template <typename ExceptionType>
    juce::String failureOf (const AjpesIskanjeRecord& conditions)
    {
        try
        {
            WebFind find (conditions);
        }
        catch (const ExceptionType& e)
        {
            return utf8 (e.what());
        }
        catch (const std::exception& e)
        {
            ADD_FAILURE() << "another exception: " << e.what();
            return {};
        }
        ADD_FAILURE() << "the search passed";
        return {};
    }
};

TEST_F (CompanySearch, HitsBecomeRowsInReversePageOrderWithAllTheirCells)
{
    serveThreeHits();
    AjpesIskanjeRecord conditions;
    conditions.naziv = "Vinska klet";
    WebFind find (conditions);

    auto* tree = find.getRezultat();
    ASSERT_NE (tree, nullptr);
    EXPECT_EQ (tree->getTagName(), "MYSQL_DATA");
    auto* columns = tree->getChildElement (0);
    ASSERT_EQ (columns->getTagName(), "COLUMNS");
    juce::StringArray names;
    for (auto* c : columns->getChildIterator())
    {
        names.add (c->getStringAttribute ("name"));
        EXPECT_EQ (c->getStringAttribute ("table"), "Find");
        EXPECT_EQ (c->getStringAttribute ("type"), "0");
    }
    EXPECT_EQ (names, juce::StringArray ({ "ime", "kratko_ime", "naslov", "maticna", "davcna", "ajpesid" }));
    EXPECT_EQ (columns->getChildElement (5)->getIntAttribute ("columnId"), 6);
    EXPECT_EQ (columns->getChildElement (1)->getIntAttribute ("width"), 100);

    auto* data = tree->getChildByName ("DATA");
    ASSERT_EQ (data->getNumChildElements(), 3);
    const char* const expected[][6] = {
        { "TRETJA KLET \xc4\x8cRNKO d.o.o.", "s=1&e=3333333000", "Tretja", "Ulica 3, 3000 Celje", "3333333000", "33333333" },
        { "DRUGA KLET d.o.o.", "s=1&e=2222222000", "Druga", "Ulica 2, 2000 Maribor", "2222222000", "22222222" },
        { "PRVA KLET d.o.o.", "s=1&e=1111111000", "Prva", "Ulica 1, 1000 Ljubljana", "1111111000", "11111111" },
    };
    const char* const attributes[] = { "ime", "ajpesid", "kratko_ime", "naslov", "maticna", "davcna" };
    for (int row = 0; row < 3; ++row)
    {
        auto* item = data->getChildElement (row);
        ASSERT_EQ (item->getNumAttributes(), 6);
        for (int a = 0; a < 6; ++a)
        {
            EXPECT_EQ (item->getAttributeName (a), attributes[a]) << row;
            EXPECT_EQ (item->getAttributeValue (a), utf8 (expected[row][a])) << row << " " << attributes[a];
        }
    }

    auto searches = reg.requestsTo (AjpesStandIn::kSearch);
    ASSERT_EQ (searches.size(), 1u);
    EXPECT_EQ (searches[0].query, "naziv=Vinska%20klet&status=1&MAXREC=10000");
    EXPECT_EQ (searches[0].cookie (reg.sessionCookieName), reg.sessionCookieValue);
    EXPECT_EQ (reg.logouts(), 0); // the log-in stays for the page reader

    auto taken = find.takeRezultat();
    EXPECT_EQ (taken.get(), tree);
    EXPECT_EQ (find.getRezultat(), nullptr);
}

TEST_F (CompanySearch, ALinkInTheLastCellOfItsRowGivesNoRow)
{
    serveThreeHits();
    reg.hits[1].linkInLastCell = true;
    WebFind find ({});
    auto* data = find.getRezultat()->getChildByName ("DATA");
    ASSERT_EQ (data->getNumChildElements(), 2);
    EXPECT_EQ (data->getChildElement (0)->getStringAttribute ("maticna"), "3333333000");
    EXPECT_EQ (data->getChildElement (1)->getStringAttribute ("maticna"), "1111111000");
}

TEST_F (CompanySearch, APageWithoutHitLinksIsNoHitAfterOneLogOut)
{
    struct Case
    {
        const char* name;
        bool tbody;
        bool hits;
    };
    for (auto c : { Case { "no <tbody>", false, true }, Case { "no links", true, false } })
    {
        reg.web.clearRequests();
        serveThreeHits();
        if (! c.hits)
            reg.hits.clear();
        reg.tbody = c.tbody;
        EXPECT_EQ (failureOf<myexceptions::AjpesException> ({}), "Ni zadetkov!") << c.name;
        EXPECT_EQ (reg.logouts(), 1) << c.name;
    }
}

TEST_F (CompanySearch, AFailedLogInTransferEndsWithoutLogOut)
{
    reg.inject (AjpesStandIn::kLogin, Fault::error500);
    EXPECT_EQ (failureOf<myexceptions::curlException> ({}), kTransferText);
    EXPECT_EQ (reg.logouts(), 0);
    EXPECT_TRUE (reg.requestsTo (AjpesStandIn::kSearch).empty());
}

TEST_F (CompanySearch, ALogInRedirectedToAWorkingPageSearches)
{
    serveThreeHits();
    reg.inject (AjpesStandIn::kLogin, Fault::redirect);
    WebFind find ({});
    EXPECT_EQ (find.getRezultat()->getChildByName ("DATA")->getNumChildElements(), 3);
    EXPECT_EQ (reg.requestsTo (AjpesStandIn::kStart).size(), 1u);
}

TEST_F (CompanySearch, FailuresOfTheSearchPageArriveAsRegisterExceptionsAfterOneLogOut)
{
    struct Case
    {
        const char* name;
        std::function<void (AjpesStandIn&)> arrange;
        const char* text;
    };
    const Case cases[] = {
        { "500", [] (AjpesStandIn& r) { r.inject (AjpesStandIn::kSearch, Fault::error500); }, kTransferText },
        { "log-in refused, so no session", [] (AjpesStandIn& r) { r.password = "drugo"; }, kTransferText },
        { "unreadable page", [] (AjpesStandIn& r) { r.inject (AjpesStandIn::kSearch, Fault::unreadable); },
          "Error: unable to create new XPath context" },
        { "log-out failing as well keeps the first text",
          [] (AjpesStandIn& r) {
              r.inject (AjpesStandIn::kSearch, Fault::error404);
              r.inject (AjpesStandIn::kLogout, Fault::error500);
          },
          kTransferText },
        { "held past the time-out (last: the time-out stays short)",
          [] (AjpesStandIn& r) {
              shortenTransferTimeOut();
              r.inject (AjpesStandIn::kSearch, Fault::hold);
          },
          kTransferText },
    };
    for (auto& c : cases)
    {
        vtest::AjpesStandIn fresh;
        fresh.serveOneCompany();
        c.arrange (fresh);
        vtest::TempFolder folder;
        fresh.configure (settings.user(), folder.get());
        // the register's copy of the password changed, the client's stays
        settings.user().setValue ("ajpes_password", juce::String::fromUTF8 ("a&b+c%d=e"));

        EXPECT_EQ (failureOf<myexceptions::AjpesException> ({}), c.text) << c.name;
        EXPECT_EQ (fresh.logouts(), 1) << c.name;
    }
}
} // namespace
