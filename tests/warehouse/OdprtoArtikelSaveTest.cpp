// Saving a bulk-wine line: the checks before anything is written, a new article or the current
// one changed in place, a renamed article beside the old one, the vessel's price and VAT, the
// composition articles of an intake with their new wines, the whole litres handed to the invoice,
// and a failing composition article leaving nothing of the save behind.
#include "operations/OperationsFixture.h"
#include "warehouse/OdprtoArtikelSave.h"

using vindoro::Amount;
using vindoro::Litres;

namespace
{
class OdprtoArtikelSaveTest : public optest::OperationsFixture
{
protected:
    void SetUp() override
    {
        OperationsFixture::SetUp();
        ASSERT_TRUE (exec ("INSERT INTO tipizacija(id,glavna,sorta,letnik,posoda,kvaliteta) VALUES (20,0,2,2016,5,2);"
                           "UPDATE posoda SET tipizacija=20, cena=2, ddv=3 WHERE id=5;"
                           "INSERT INTO zaloga(vino,posoda,volumen) VALUES (8,5,600)"));
    }

    /** A line of 300 l from vessel 5 named `name` at 2.50 with VAT 3. */
    static OdprtoArtikelForm line (const juce::String& name = "Modra 2016")
    {
        OdprtoArtikelForm form;
        form.oldArticle.id = 0;
        form.newArticle.id = 0;
        form.newArticle.ime = name;
        form.newArticle.link = 5;
        form.newArticle.link2 = 20;
        form.newArticle.ddv.id = 3;
        form.newArticle.enota.id = 7;
        form.newArticle.tip.id = 4;
        form.vesselId = 5;
        form.quantity = Litres::fromHundredths (30000);
        form.price = Amount::fromHundredths (250);
        return form;
    }

    juce::StringArray tables() const { return { "artikel", "posoda", "vino" }; }
    juce::StringArray snapshot() const { return vtest::dumpTables (file(), tables()); }
};
} // namespace

TEST_F (OdprtoArtikelSaveTest, EveryCheckRunsBeforeAnythingIsWritten)
{
    struct Case
    {
        const char* what;
        std::function<void (OdprtoArtikelForm&)> change;
        const char* key;
    };
    const Case cases[] = {
        { "no name", [] (auto& f) { f.newArticle.ime = {}; }, "Vnesite ime artikla!" },
        { "no vessel", [] (auto& f) { f.vesselId = -1; f.newArticle.link = -1; }, "Posoda ni izbrana" },
        { "no litres", [] (auto& f) { f.quantity = {}; }, "Kolicina artikla ni podana!" },
        { "below one litre: the invoice line would carry 0", [] (auto& f) { f.quantity = Litres::fromHundredths (99); },
          "Kolicina artikla ni podana!" },
        { "no price", [] (auto& f) { f.price = {}; }, "Cena artikla ni podana!" },
        { "no VAT", [] (auto& f) { f.newArticle.ddv.id = 0; }, "DDV artikla ni podan!" },
    };
    const auto before = snapshot();
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        auto form = line();
        c.change (form);
        juce::String error;
        EXPECT_FALSE (OdprtoArtikelSave::save (db, form, error));
        EXPECT_EQ (error, TRANS (c.key));
    }
    EXPECT_EQ (snapshot(), before);
}

TEST_F (OdprtoArtikelSaveTest, ANewArticleTheVesselsPriceAndTheWholeLitres)
{
    auto form = line ("Modra 'stara'");
    form.quantity = Litres::fromHundredths (25780);
    juce::String error;
    ArtikelRecord saved;
    Hramba entry;
    ASSERT_TRUE (OdprtoArtikelSave::save (db, form, error, &saved, &entry)) << error;
    EXPECT_EQ (rows ("SELECT ime,link,link2,printf('%.2f',cena),ddv,enota,tip,parent,active FROM artikel WHERE id=" + juce::String (saved.id)),
               juce::StringArray ({ "Modra 'stara'|5|20|2.50|3|7|4|1|1" }));
    EXPECT_EQ (rows ("SELECT printf('%.2f',cena),ddv FROM posoda WHERE id=5"), juce::StringArray ("2.50|3"));
    EXPECT_EQ (entry.stevilo, 257) << "257.8 l is 257 whole litres";
    EXPECT_EQ (entry.artikel.id, saved.id);
    EXPECT_DOUBLE_EQ (entry.artikel.ddv.stopnja, 9.5);
    EXPECT_EQ (entry.artikel.enota.oznaka, value ("SELECT oznaka FROM enota WHERE id=7"));
    EXPECT_EQ (value ("SELECT COUNT(*) FROM artikel WHERE parent=" + juce::String (saved.id)), "0");
}

TEST_F (OdprtoArtikelSaveTest, TheSameArticleChangesInPlaceARenamedOneIsANewRow)
{
    juce::String error;
    ArtikelRecord first;
    ASSERT_TRUE (OdprtoArtikelSave::save (db, line(), error, &first)) << error;
    const auto count = value ("SELECT COUNT(*) FROM artikel");

    auto again = line();
    again.oldArticle = first;
    again.newArticle.id = first.id;
    again.price = Amount::fromHundredths (310);
    ASSERT_TRUE (OdprtoArtikelSave::save (db, again, error)) << error;
    EXPECT_EQ (value ("SELECT COUNT(*) FROM artikel"), count);
    EXPECT_EQ (value ("SELECT printf('%.2f',cena) FROM artikel WHERE id=" + juce::String (first.id)), "3.10");

    auto renamed = line ("Frankinja 2016");
    renamed.oldArticle = first;
    renamed.newArticle.id = first.id;
    ArtikelRecord second;
    ASSERT_TRUE (OdprtoArtikelSave::save (db, renamed, error, &second)) << error;
    EXPECT_GT (second.id, first.id);
    EXPECT_EQ (rows ("SELECT id,ime,active,parent FROM artikel WHERE tip=4 AND link=5 AND parent=1 ORDER BY id"),
               juce::StringArray (juce::String (first.id) + "|Modra 2016|1|1", juce::String (second.id) + "|Frankinja 2016|1|1"));
}

TEST_F (OdprtoArtikelSaveTest, AnIntakeWritesItsNewWinesAndOneCompositionArticlePerWine)
{
    auto form = line();
    form.intake = true;
    form.quantity = Litres::fromHundredths (40000);
    OdprtoKompozicija::Part own { "Modra 2016", 8, 1, 2, 2016, Litres::fromHundredths (25713) };
    OdprtoKompozicija::Part added { "Sauvignon 2019", 0, 1, 3, 2019, Litres::fromHundredths (14287) };
    form.composition = { own, added };
    juce::String error;
    ArtikelRecord saved;
    ASSERT_TRUE (OdprtoArtikelSave::save (db, form, error, &saved)) << error;
    const auto newWine = value ("SELECT id FROM vino WHERE sorta=3 AND letnik=2019 AND parcela=1");
    ASSERT_TRUE (newWine.isNotEmpty());
    EXPECT_EQ (rows ("SELECT ime,link,link2,printf('%.2f',cena),ddv,enota,tip,active FROM artikel WHERE parent="
                     + juce::String (saved.id) + " ORDER BY id"),
               juce::StringArray (juce::String ("Modra 2016|8|20|257.13|3|7|4|1"), "Sauvignon 2019|" + newWine + "|20|142.87|3|7|4|1"));

    // The same new wine once more finds the wine made the first time.
    ASSERT_TRUE (OdprtoArtikelSave::save (db, form, error)) << error;
    EXPECT_EQ (value ("SELECT COUNT(*) FROM vino WHERE sorta=3 AND letnik=2019 AND parcela=1"), "1");
}

TEST_F (OdprtoArtikelSaveTest, AFailingCompositionArticleLeavesNothingOfTheSave)
{
    auto form = line();
    form.intake = true;
    OdprtoKompozicija::Part own { "Modra 2016", 8, 1, 2, 2016, Litres::fromHundredths (20000) };
    OdprtoKompozicija::Part added { "Sauvignon 2019", 0, 1, 3, 2019, Litres::fromHundredths (10000) };
    form.composition = { own, added };
    const auto before = snapshot();
    {
        vtest::FaultInjection faults (file(), { "artikel" });
        // The bulk article, then the first composition article; the second one fails.
        faults.failWrite (3);
        juce::String error;
        EXPECT_FALSE (OdprtoArtikelSave::save (db, form, error));
        EXPECT_EQ (error, TRANS ("Napaka pri kreiranju artikla z imenom ") + "Sauvignon 2019");
    }
    EXPECT_EQ (snapshot(), before) << "no article, no wine, no vessel price left";
}
