// Loading parties through the one party query: the composed street and post lines, the joined
// country and account, reading a row's texts, and the cases that give the empty record.
#include "partners/PartnersDb.h"
#include "partners/StrankaQuery.h"

using ptest::PartnersDb;

TEST_F (PartnersDb, LoadsEveryFieldOfAnActiveParty)
{
    SQLtoXml q;
    const auto p = getStrankaDetails (&q, kCompany);
    EXPECT_EQ (p.id, 2);
    EXPECT_EQ (p.ime, "Klet d.o.o.");
    EXPECT_EQ (p.dolgoime, "Klet, d.o.o., Ljubljana");
    EXPECT_EQ (p.naslov, "Cesta 1a, Vrh");
    EXPECT_EQ (p.posta, "SI-1000 Ljubljana");
    EXPECT_EQ (p.ulica, "Cesta");
    EXPECT_EQ (p.hisnast, "1");
    EXPECT_EQ (p.hisnastdod, "a");
    EXPECT_EQ (p.naselje, "Vrh");
    EXPECT_EQ (p.postnast, "1000");
    EXPECT_EQ (p.postaime, "Ljubljana");
    EXPECT_EQ (p.drzava, 185);
    EXPECT_EQ (p.Drzava, "SI");
    EXPECT_EQ (p.DrzavaDolgo, "SLOVENIJA");
    EXPECT_TRUE (p.DrzavaEU);
    EXPECT_EQ (p.telefon, "01 234");
    EXPECT_EQ (p.email, "k@klet.si");
    EXPECT_EQ (p.rokplacila, 30);
    EXPECT_EQ (p.popust, 2.5);
    EXPECT_EQ (p.davcna, "SI12345678");
    EXPECT_EQ (p.maticna, "123");
    EXPECT_EQ (p.ibanid, 2);
    EXPECT_EQ (p.IBAN, "SI56191000000123438");
    EXPECT_EQ (p.swift, "LJBASI2X");
    EXPECT_EQ (p.kmgmid, "K1");
    EXPECT_EQ (p.gln, "383");
    EXPECT_TRUE (p.tipdavka);
    EXPECT_EQ (p.tipstranke, 1);
    EXPECT_EQ (getStrankaDetails (&q, kCompany), p);   // the same row reads the same record
}

TEST_F (PartnersDb, StreetAndPostLinesLeaveOutWhatIsEmpty)
{
    SQLtoXml q;
    const auto amfora = getStrankaDetails (&q, kCustomerA);   // no post code, no settlement
    EXPECT_EQ (amfora.naslov, "Trg 4");
    EXPECT_EQ (amfora.posta, "");
    EXPECT_EQ (amfora.IBAN, "");                                // the placeholder account 1 has no number
    EXPECT_EQ (amfora.ibanid, 1);
    const auto supplier = getStrankaDetails (&q, kSupplier);
    EXPECT_EQ (supplier.posta, "HR-1000 Ljubljana");
    EXPECT_EQ (supplier.Drzava, "HR");
}

TEST_F (PartnersDb, ACountrySwitchedOffStillJoinsIntoThePartyRecord)
{
    SQLtoXml q;
    const auto p = getStrankaDetails (&q, kForeign);
    EXPECT_EQ (p.id, kForeign);
    EXPECT_EQ (p.Drzava, "SD");
    EXPECT_EQ (p.DrzavaDolgo, "STARA DEZELA");
    EXPECT_EQ (p.posta, "SD-99 Nekje");
}

TEST_F (PartnersDb, NoPartyGivesTheEmptyRecord)
{
    vtest::LogCapture log;
    SQLtoXml q;
    ASSERT_NE (q.sqlQuery ("SELECT 'ostane' AS x"), nullptr);
    for (int id : { 0, -1 })
    {
        EXPECT_EQ (getStrankaDetails (&q, id), StrankaRecord()) << id;
        ASSERT_NE (q.getData(), nullptr) << "no query ran for id " << id;
        EXPECT_EQ (q.getData()->getFirstChildElement()->getStringAttribute ("x"), "ostane");
    }
    EXPECT_EQ (getStrankaDetails (nullptr, kCompany), StrankaRecord());
    EXPECT_FALSE (log.contains ("no stranka"));

    EXPECT_EQ (getStrankaDetails (&q, kOldSupplier), StrankaRecord());   // switched off
    EXPECT_TRUE (log.contains ("<PregledBazeStranka::getStrankaDetails> WARNING: no stranka 8"));
    EXPECT_EQ (getStrankaDetails (&q, 777), StrankaRecord());
    EXPECT_TRUE (log.contains ("WARNING: no stranka 777"));
}

TEST (StrankaRow, TextsAndNumbersAsTheyAreRead)
{
    juce::XmlElement row ("ITEM");
    row.setAttribute ("id", "12");
    row.setAttribute ("ime", "Ko\r\nzjak");            // line breaks between two letters
    row.setAttribute ("davcna", "SI\n123\r");
    row.setAttribute ("popust", "2.75");
    row.setAttribute ("rokplacila", "15 dni");
    row.setAttribute ("drzava", "x");
    row.setAttribute ("tipdavka", " Yes ");
    row.setAttribute ("DrzavaEU", "true");
    row.setAttribute ("tipstranke", "12");
    const auto p = interpretStrankaXml (&row);
    EXPECT_EQ (p.id, 12);
    EXPECT_EQ (p.ime, "Kozjak");
    EXPECT_EQ (p.davcna, "SI123");
    EXPECT_EQ (p.popust, 2.75);
    EXPECT_EQ (p.rokplacila, 15);
    EXPECT_EQ (p.drzava, 0);
    EXPECT_TRUE (p.tipdavka);
    EXPECT_TRUE (p.DrzavaEU);
    EXPECT_EQ (p.tipstranke, 12);
    EXPECT_TRUE (p.naslov.isEmpty() && p.swift.isEmpty());   // missing attributes read empty

    const std::pair<const char*, bool> flags[] = { { "0", false }, { "", false }, { "no", false }, { "2", true },
                                                   { "TRUE", true }, { "-1", true } };
    for (auto [text, expected] : flags)
    {
        row.setAttribute ("tipdavka", text);
        EXPECT_EQ (interpretStrankaXml (&row).tipdavka, expected) << text;
    }
    EXPECT_EQ (interpretStrankaXml (nullptr), StrankaRecord());
}
