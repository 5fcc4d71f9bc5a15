// The party editor's road through the business register, without its window: search with the
// typed fields, take a hit, fill the form's values; and every failure arriving as a text or as
// nothing, never as an exception.
#include "partners/AjpesLookup.h"
#include "partners/AjpesRegisterFixture.h"
#include "partners/WebFind.h"

#include <gtest/gtest.h>

namespace
{
using vtest::AjpesStandIn;
using Fault = AjpesStandIn::Fault;

juce::String utf8 (const char* text) { return juce::String::fromUTF8 (text); }

class RegisterLookup : public vtest::AjpesRegisterTest
{
};

TEST_F (RegisterLookup, TheWholeRoadFromTypedNameToFormValues)
{
    reg.serveOneCompany();
    AjpesLookup::PartyForm form;
    form.ime = "Vinska klet";
    auto outcome = AjpesLookup::search (AjpesLookup::conditionsFromForm (form));
    ASSERT_TRUE (outcome.found()) << outcome.error;
    EXPECT_TRUE (outcome.error.isEmpty());
    auto* hit = outcome.hits->getChildByName ("DATA")->getChildElement (0);
    ASSERT_NE (hit, nullptr);
    EXPECT_EQ (hit->getStringAttribute ("ajpesid"), "s=1&e=5012345000");

    const auto fields = AjpesLookup::readHit (hit);
    ASSERT_TRUE (fields.has_value());
    EXPECT_EQ (fields->dolgoime, utf8 ("VINSKA KLET GORI\xc4\x8cKO, proizvodnja in prodaja vina, d.o.o."));
    EXPECT_EQ (fields->ime, utf8 ("VINSKA KLET GORI\xc4\x8cKO d.o.o."));
    EXPECT_EQ (fields->naselje, "Vrh");
    EXPECT_EQ (fields->ulica, "Gorska pot");
    EXPECT_EQ (fields->hisnast, "12");
    EXPECT_EQ (fields->hisnastdod, "A");
    EXPECT_EQ (fields->postnast, "3230");
    EXPECT_EQ (fields->postaime, "Kraj");
    EXPECT_EQ (fields->davcna, "12345678");
    EXPECT_EQ (fields->maticna, "5012345000");
    EXPECT_TRUE (fields->tipdavka);
    EXPECT_EQ (fields->racuni, juce::StringArray ({ "SI56191000000123438", "SI56051008012345678", "SI56191000000123438" }));

    // log-in, search, company page, account page, one log-out, in this order
    const auto requests = reg.requests();
    juce::StringArray paths;
    for (auto& r : requests)
        paths.add (r.path);
    EXPECT_EQ (paths, juce::StringArray ({ AjpesStandIn::kLogin, AjpesStandIn::kSearch, AjpesStandIn::kCompany,
                                           AjpesStandIn::kAccounts, AjpesStandIn::kLogout }));
    EXPECT_EQ (requests[0].body, "uporabnik=vinar&geslo=a%26b%2Bc%25d%3De");
    EXPECT_EQ (requests[1].query, "naziv=Vinska%20klet&status=1&MAXREC=10000");
    // the search's client got the cookie itself; the page reader, a new client, only from the file
    for (size_t i = 1; i < requests.size(); ++i)
        EXPECT_EQ (requests[i].cookie (reg.sessionCookieName), reg.sessionCookieValue) << requests[i].path;
    for (auto& r : requests)
        vtest::expectClientHeaders (r);
}

TEST (RegisterLookupFields, TheEditorsFieldsGoIntoTheSearchInTheirOrder)
{
    AjpesLookup::PartyForm form;
    form.ime = utf8 ("Klet \xc4\x8d");
    form.maticna = "5012345000";
    form.davcna = "SI12345678";
    form.ulica = "Gorska pot";
    form.hisnast = "12";
    form.hisnastdod = "A";
    form.naselje = "Vrh";
    form.postnast = "3230";
    const auto c = AjpesLookup::conditionsFromForm (form);
    EXPECT_TRUE (c.obcina.isEmpty() && c.dejavnost.isEmpty() && c.oblika.isEmpty());
    EXPECT_EQ (WebFind::searchUrl ("", c),
               "/prs/rezultati.asp?naziv=Klet%20%C4%8D&maticna=5012345000&davcna=SI12345678&ulica=Gorska%20pot&h_st=12A&"
               "naselje=Vrh&posta=3230&status=1&MAXREC=10000");

    // typed text goes as it stands, blanks at its ends included
    form = {};
    form.ime = " klet ";
    EXPECT_EQ (AjpesLookup::conditionsFromForm (form).naziv, " klet ");
}

TEST_F (RegisterLookup, ASearchThatFindsNothingOrFailsGivesTheTextToShow)
{
    struct Case
    {
        const char* name;
        std::function<void (AjpesStandIn&)> arrange;
        const char* error;
    };
    const Case cases[] = {
        { "no hit link", [] (AjpesStandIn& r) { r.hits.clear(); }, "Ni zadetkov!" },
        { "hit links only in last cells", [] (AjpesStandIn& r) { r.hits[0].linkInLastCell = true; }, "ajpes ni zadetkov" },
        { "log-in transfer fails", [] (AjpesStandIn& r) { r.inject (AjpesStandIn::kLogin, Fault::error500); },
          "Error: Sending the message to Ajpes server failed!" },
        { "log-in refused", [] (AjpesStandIn& r) { r.password = "drugo"; },
          "Error: Sending the message to Ajpes server failed!" },
    };
    for (auto& c : cases)
    {
        AjpesStandIn fresh;
        fresh.serveOneCompany();
        vtest::TempFolder folder;
        fresh.configure (settings.user(), folder.get());
        c.arrange (fresh);
        const auto outcome = AjpesLookup::search ({});
        EXPECT_FALSE (outcome.found()) << c.name;
        EXPECT_EQ (outcome.error, c.error) << c.name;
    }

    settings.user().setValue ("xml_ajpes_reply_dir", "");
    EXPECT_TRUE (AjpesLookup::search ({}).error.contains ("xml_ajpes_reply_dir"));
}

TEST_F (RegisterLookup, ATakenHitThatCannotBeReadLeavesTheFormAlone)
{
    reg.serveOneCompany();
    WebFind ({});
    reg.web.clearRequests();

    juce::XmlElement noId ("ITEM");
    EXPECT_FALSE (AjpesLookup::readHit (nullptr).has_value());
    EXPECT_FALSE (AjpesLookup::readHit (&noId).has_value());
    EXPECT_TRUE (reg.requests().empty());

    reg.inject (AjpesStandIn::kCompany, Fault::error404);
    juce::XmlElement hit ("ITEM");
    hit.setAttribute ("ajpesid", "s=1&e=5012345000");
    EXPECT_FALSE (AjpesLookup::readHit (&hit).has_value());
    EXPECT_EQ (reg.logouts(), 1);
}

TEST (RegisterLookupFields, ACompanyFillsTheFormsValues)
{
    AjpesPodjetjeRecord c;
    c.popolnoIme = "KMETIJA NOVAK,\r\nvinogradnistvo";
    c.kratkoIme = "(ni vpisa)";
    c.ulica = "Gorska\npot";
    c.davcna = "12345678";
    c.racuni = { "SI56191000000123438" };
    auto f = AjpesLookup::fieldsFromCompany (c);
    EXPECT_EQ (f.dolgoime, "KMETIJA NOVAK,vinogradnistvo");
    EXPECT_EQ (f.ime, "KMETIJA NOVAK,vinogradnistvo"); // no short name in the register: the full one stands in
    EXPECT_EQ (f.ulica, "Gorskapot");
    EXPECT_FALSE (f.tipdavka); // no VAT prefix: not a VAT payer
    EXPECT_EQ (f.racuni, c.racuni);

    c.kratkoIme = "NOVAK";
    c.idDDV = "SI";
    f = AjpesLookup::fieldsFromCompany (c);
    EXPECT_EQ (f.ime, "NOVAK");
    EXPECT_TRUE (f.tipdavka);
}
} // namespace
