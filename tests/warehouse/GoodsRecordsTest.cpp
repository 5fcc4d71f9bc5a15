// The goods records and their selection mix-ins without a database: copies that own everything,
// the article's creation time, slots out of range, the virtual road of a picked article, the
// storage query's text, a row turned into an entry and the field-by-field comparison.
#include "support/TestSupport.h"
#include "warehouse/ArtikelListener.h"
#include "warehouse/GoodsRecords.h"
#include "warehouse/SkladisceListener.h"

#include <gtest/gtest.h>

namespace
{
/** An entry with every nested record filled, each value told apart by `n`. */
Hramba filledEntry (int n)
{
    Hramba h;
    h.id = n;
    h.kosovnica = n + 1;
    h.stevilo = n + 2;
    h.pozx = n + 3;
    h.pozy = n + 4;
    h.pozz = n + 5;
    h.active = (n % 2) == 1;
    h.artikel.id = n + 10;
    h.artikel.ime = "Artikel " + juce::String (n);
    h.artikel.cena = n * 1.25;
    h.artikel.ddv.id = n + 11;
    h.artikel.ddv.opis = "Stopnja " + juce::String (n);
    h.artikel.enota.id = n + 12;
    h.artikel.enota.oznaka = "enota " + juce::String (n);
    h.artikel.tip.id = 2;
    h.serija.id = n + 20;
    h.serija.oznaka = "S" + juce::String (n);
    h.serija.sorta.id = n + 21;
    h.serija.sorta.sorta = "Sorta " + juce::String (n);
    h.serija.sorta.barva = n + 22;
    h.serija.model.id = n + 23;
    h.serija.model.oznaka = "Model " + juce::String (n);
    h.serija.model.volumen = n * 0.25;
    h.serija.model.enota.oznaka = "l" + juce::String (n);
    h.serija.model.enota.SI = n * 0.001;
    h.skladisce.id = n + 30;
    h.skladisce.ime = "Skladisce " + juce::String (n);
    h.skladisce.konsig.id = n + 31;
    h.skladisce.konsig.ime = "Konsignant " + juce::String (n);
    return h;
}

void expectSameEntry (const Hramba& a, const Hramba& b)
{
    EXPECT_TRUE (Hramba::compare (a, b));
    // Fields outside the comparison travel too.
    EXPECT_EQ (a.artikel.ddv.opis, b.artikel.ddv.opis);
    EXPECT_EQ (a.artikel.enota.oznaka, b.artikel.enota.oznaka);
    EXPECT_EQ (a.serija.sorta.sorta, b.serija.sorta.sorta);
    EXPECT_EQ (a.serija.model.oznaka, b.serija.model.oznaka);
    EXPECT_EQ (a.skladisce.konsig.ime, b.skladisce.konsig.ime);
}
} // namespace

TEST (GoodsRecords, AssignedEntryReplacesEveryNestedFieldAndCopiesStayIndependent)
{
    const Hramba source = filledEntry (5);
    Hramba target = filledEntry (8);
    target = source;
    expectSameEntry (target, source);
    EXPECT_EQ (target.skladisce.konsig.ime, "Konsignant 5");
    EXPECT_EQ (target.serija.sorta.sorta, "Sorta 5");
    EXPECT_EQ (target.serija.model.oznaka, "Model 5");

    Hramba changing = filledEntry (3);
    Hramba copy (changing);
    Hramba assigned;
    assigned = changing;
    changing.artikel.ime << " spremenjen";
    changing.serija.sorta.sorta = "Druga";
    changing.skladisce.konsig.ime = "Drug";
    changing.serija.model.enota.oznaka = "hl";
    for (auto* held : { &copy, &assigned })
    {
        EXPECT_EQ (held->artikel.ime, "Artikel 3");
        EXPECT_EQ (held->serija.sorta.sorta, "Sorta 3");
        EXPECT_EQ (held->skladisce.konsig.ime, "Konsignant 3");
        EXPECT_EQ (held->serija.model.enota.oznaka, "l3");
    }
}

TEST (GoodsRecords, DefaultsAreZeroAndAnArticleCarriesItsMomentOfConstruction)
{
    const auto before = juce::Time::getCurrentTime();
    ArtikelRecord a;
    const auto after = juce::Time::getCurrentTime();
    EXPECT_FALSE (a.datumkreiranja.dateOnly);
    EXPECT_GE (a.datumkreiranja.time.toMilliseconds(), before.toMilliseconds());
    EXPECT_LE (a.datumkreiranja.time.toMilliseconds(), after.toMilliseconds());
    EXPECT_EQ (a.datumkreiranja.toString().length(), 19);   // date and time of day

    EXPECT_EQ (a.id, 0);
    EXPECT_EQ (a.ddv.id, 0);
    EXPECT_EQ (a.enota.id, 0);
    EXPECT_FALSE (a.active);
    const SkladisceRecord s;
    EXPECT_EQ (s.id, 0);
    EXPECT_EQ (s.konsig.id, 0);
    const Hramba h;
    EXPECT_EQ (h.kosovnica, 0);
    EXPECT_EQ (h.serija.sorta.id, 0);
    EXPECT_EQ (h.serija.model.id, 0);
}

TEST (GoodsListeners, FreshListenersHoldTheEmptyRecords)
{
    ArtikelListener articles;
    EXPECT_EQ (articles.getArtikel().id, -1);
    Hramba::Listener entries;
    const auto h = entries.getHramba();
    for (int id : { h.id, h.artikel.id, h.artikel.link, h.artikel.link2, h.artikel.enota.id, h.serija.id, h.skladisce.id,
                    h.skladisce.konsig.id, h.kosovnica })
        EXPECT_EQ (id, 0);
    SkladisceListener warehouses;
    EXPECT_EQ (warehouses.getSkladisce().id, -1);
    EXPECT_EQ (warehouses.getSkladisce().konsig.id, 0);
}

TEST (GoodsListeners, SlotsOutOfRangeAreLoggedAndKeepTheRecord)
{
    ArtikelListener articles;
    Hramba::Listener entries;
    SkladisceListener warehouses;
    ArtikelRecord a;
    a.id = 4;
    articles.setArtikelIDN (a, 1);
    entries.setIDN (filledEntry (2), 1);
    SkladisceRecord s;
    s.id = 6;
    warehouses.setSkladisceIDN (s, 1);

    struct Case { std::function<void (int)> set; const char* line; };
    const Case cases[] = {
        { [&] (int slot) { a.id = 40; articles.setArtikelIDN (a, slot); }, "<ArtikelListener::setIDN> ERROR artikel is wrong" },
        { [&] (int slot) { articles.setIDN (a, slot); }, "<ArtikelListener::setIDN> ERROR artikel is wrong" },
        { [&] (int slot) { entries.setIDN (filledEntry (9), slot); }, "<Hramba::Listener::setIDN> ERROR hramba is wrong" },
        { [&] (int slot) { entries.setHrambaIDN (filledEntry (9), slot); }, "<Hramba::Listener::setIDN> ERROR hramba is wrong" },
        { [&] (int slot) { s.id = 60; warehouses.setSkladisceIDN (s, slot); },
          "<SkladisceListener::setSkladisceIDN> ERROR skladisce is wrong" },
    };
    for (const auto& c : cases)
        for (int slot : { 0, 2, -1 })
        {
            vtest::LogCapture log;
            c.set (slot);
            EXPECT_TRUE (log.contains (c.line)) << c.line << " slot " << slot;
            EXPECT_EQ (articles.getArtikel().id, 4);
            EXPECT_EQ (entries.getHramba().id, 2);
            EXPECT_EQ (warehouses.getSkladisce().id, 6);
        }
}

TEST (GoodsListeners, PickedArticleReachesAnOverrideOfSetIDN)
{
    struct Report : ArtikelListener
    {
        void setIDN (ArtikelRecord article, int slot) override
        {
            seen.add (article.ime + "@" + juce::String (slot));
            ArtikelListener::setIDN (article, slot);
        }
        juce::StringArray seen;
    } report;

    ArtikelRecord a;
    a.id = 12;
    a.ime = "Cabernet 0,75";
    report.setArtikelIDN (a, 1);
    EXPECT_EQ (report.seen, juce::StringArray ({ "Cabernet 0,75@1" }));
    EXPECT_EQ (report.getArtikel().id, 12);

    // The change check's road bypasses an override of setIDN: the window gets the entry stored.
    struct Editor : Hramba::Listener
    {
        void setIDN (Hramba, int) override { ++overridden; }
        int overridden = 0;
    } editor;
    editor.setHrambaIDN (filledEntry (7), 1);
    EXPECT_EQ (editor.overridden, 0);
    EXPECT_EQ (editor.getHramba().id, 7);
}

TEST (HrambaQuery, TextEndsByWarehouseAndEntry)
{
    const juce::String body =
        "SELECT h.id AS hrambaid,h.active AS hrambaactive,h.artikel as artikelid,h.skladisce as skladisceid,h.stevilo,h.pozx,"
        "h.pozy,h.pozz,a.ime AS artikelime,a.parent AS parent,tip.id AS tipid,a.link as serijaid,serija.oznaka AS serijaoznaka,"
        "serija.letnik AS serijaletnik,serija.stevilo AS serijastevilo,serija.model AS serijamodel,serija.kvaliteta AS "
        "serijakvalitetaid,CASE WHEN tip.id=2 THEN sorta.sorta ELSE '' END AS sorta, sorta.id AS serijasortaid,CASE WHEN "
        "tip.id=2 THEN sorta.barva ELSE 0 END AS sortabarva,m.volumen AS modelvolumen,me.oznaka AS modelenota,m.oznaka AS "
        "modeloznaka,me.SI AS modelenotaSI,a.cena AS artikelcena,a.ddv AS artikelddv,ddv.stopnja AS artikelddvstopnja,a.enota,"
        "e.oznaka AS enotaoznaka,s.ime as skladisceime,s.konsig as konsigid, st.ime AS strankaime,h.kosovnica AS kosovnica "
        "FROM hramba AS h LEFT JOIN artikel AS a ON h.artikel=a.id LEFT JOIN skladisce AS s ON h.skladisce=s.id LEFT JOIN "
        "enota AS e ON e.id = a.enota LEFT JOIN stranka AS st ON s.konsig = st.id LEFT JOIN tip ON tip.id = a.tip LEFT JOIN "
        "serija ON serija.id = a.link LEFT JOIN sorta ON sorta.id=serija.sorta LEFT JOIN model AS m ON serija.model = m.id "
        "LEFT JOIN enota AS me ON m.enota = me.id LEFT JOIN ddv ON a.ddv=ddv.id WHERE a.tip< 4";
    EXPECT_EQ (Hramba::getSelectSQL (-1, -1), body + " AND h.active>0");
    EXPECT_EQ (Hramba::getSelectSQL (3, -1), body + " AND h.skladisce = 3 AND h.active>0");
    EXPECT_EQ (Hramba::getSelectSQL (-1, 7), body + " AND h.id = 7");
    EXPECT_EQ (Hramba::getSelectSQL (0, 0), body + " AND h.skladisce = 0 AND h.id = 0");
}

TEST (HrambaRows, RowTurnsIntoAnEntry)
{
    juce::XmlElement row ("ITEM");
    row.setAttribute ("hrambaid", "9");
    row.setAttribute ("serijaid", "5");
    row.setAttribute ("stevilo", "12.5");
    row.setAttribute ("hrambaactive", "  y");
    row.setAttribute ("artikelcena", "3.456");
    row.setAttribute ("modelenotaSI", "0.001");
    row.setAttribute ("pozx", "-40");
    const auto h = Hramba::fromRow (&row);
    EXPECT_EQ (h.id, 9);
    EXPECT_EQ (h.kosovnica, 99);   // the row has no column of it
    EXPECT_EQ (h.serija.id, 5);
    EXPECT_EQ (h.artikel.link, 5);
    EXPECT_EQ (h.artikel.link2, 0);
    EXPECT_EQ (h.stevilo, 12);
    EXPECT_TRUE (h.active);
    EXPECT_DOUBLE_EQ (h.artikel.cena, 3.456);
    EXPECT_DOUBLE_EQ (h.serija.model.enota.SI, 0.001);
    EXPECT_EQ (h.pozx, -40);
    EXPECT_EQ (h.artikel.id, 0);
    EXPECT_FALSE (h.artikel.datumkreiranja.dateOnly);

    for (const char* flag : { "0", "", "no", "false" })
    {
        row.setAttribute ("hrambaactive", flag);
        EXPECT_FALSE (Hramba::fromRow (&row).active) << flag;
    }

    const auto none = Hramba::fromRow (nullptr);
    EXPECT_EQ (none.id, 0);
    EXPECT_EQ (none.kosovnica, 0);
}

TEST (HrambaCompare, DecimalsWithinAMillionthAndOnlyTheFirstDifferenceLogged)
{
    const Hramba a = filledEntry (4);
    Hramba b = a;
    {
        vtest::LogCapture log;
        b.artikel.cena = a.artikel.cena + 0.0000005;
        EXPECT_TRUE (Hramba::compare (a, b));
        EXPECT_TRUE (log.lines().isEmpty());
    }
    {
        vtest::LogCapture log;
        b.artikel.cena = a.artikel.cena + 0.000002;
        EXPECT_FALSE (Hramba::compare (a, b));
        ASSERT_EQ (log.lines().size(), 1);
        EXPECT_TRUE (log.contains ("<Hramba::compare> 4 artikel.cena does not match a:" + juce::String (5.0) + " b:" + juce::String (5.000002))) << log.lines().joinIntoString ("\n").toStdString();
    }
    {
        vtest::LogCapture log;
        b = a;
        b.id = 44;
        b.stevilo = 100;
        EXPECT_FALSE (Hramba::compare (a, b));
        ASSERT_EQ (log.lines().size(), 1);
        EXPECT_TRUE (log.contains ("<Hramba::compare> 4 id does not match a:4 b:44"));
    }

    // Every compared field on its own, and fields outside the comparison.
    const std::vector<std::pair<const char*, std::function<void (Hramba&)>>> changes = {
        { "kosovnica", [] (Hramba& h) { h.kosovnica = 0; } },
        { "active", [] (Hramba& h) { h.active = ! h.active; } },
        { "artikel.ime", [] (Hramba& h) { h.artikel.ime = h.artikel.ime.toLowerCase(); } },
        { "serija.sorta.barva", [] (Hramba& h) { h.serija.sorta.barva = 1; } },
        { "serija.model.enota.SI", [] (Hramba& h) { h.serija.model.enota.SI += 0.01; } },
        { "skladisce.konsig.ime", [] (Hramba& h) { h.skladisce.konsig.ime = "X"; } },
        { "pozz", [] (Hramba& h) { h.pozz = 0; } },
    };
    for (const auto& [field, change] : changes)
    {
        vtest::LogCapture log;
        Hramba c = a;
        change (c);
        EXPECT_FALSE (Hramba::compare (a, c)) << field;
        EXPECT_TRUE (log.contains (juce::String (" ") + field + " does not match a:")) << field;
    }
    Hramba loose = a;
    loose.artikel.ddv.opis = "drugo";
    loose.artikel.enota.quantity = 64;
    loose.artikel.datumkreiranja.time = juce::Time (0);
    loose.serija.sorta.okrajsano = "X";
    loose.skladisce.konsig.davcna = "SI1";
    EXPECT_TRUE (Hramba::compare (a, loose));
}
