// The bulk-wine editor's wine form: the row it fills, what it refuses, the stored wine it finds
// without writing one, the vintage it shares with the opening-stock form, and the row it made
// freed with it when nobody takes it (the sanitizer build catches a leak or a double free).
#include "cellar/CellarFixture.h"
#include "cellar/gui/ParcelaButtonPropertyComponent.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "frame/ButtonRecord.h"
#include "frame/VindorWindow.h"
#include "operations/gui/VnosZalog.h"
#include "operations/gui/VnosZalogXml.h"
#include "support/WidgetTestSupport.h"
#include "support/WindowTestParts.h"

namespace
{
class VnosZalogXmlTest : public celltest::CellarFixture
{
protected:
    void SetUp() override
    {
        CellarFixture::SetUp();
        ASSERT_TRUE (exec ("INSERT INTO stranka(id,ime,drzava) VALUES (40,'Kmetija Novak',185);"
                           "INSERT INTO parcela(id,ime,vinogradnik,gerkpid,drzava,active) VALUES (30,'Na bregu',40,'',185,1);"
                           "INSERT INTO vino(id,letnik,sorta,parcela) VALUES (20,2019,3,30),(21,2018,3,1)"));
    }

    void TearDown() override
    {
        wtest::closeOpenWindows();
        CellarFixture::TearDown();
    }

    static SortaRecord variety (int id, const juce::String& name)
    {
        SortaRecord s;
        s.id = id;
        s.sorta = name;
        return s;
    }

    ParcelaRecord parcel30()
    {
        ParcelaRecord p;
        p.id = 30;
        p.ime = "Na bregu";
        p.vinogradnik.id = 40;
        p.vinogradnik.ime = "Kmetija Novak";
        return p;
    }
};
} // namespace

TEST_F (VnosZalogXmlTest, FillsTheRowWithTheStoredWineOrNoneAndWritesNothing)
{
    struct Case
    {
        const char* what;
        int letnik;
        bool withParcel;
        const char* typed;
        int vinoid;
        const char* parcela;
        const char* vime;
        int parcelaid;
        double volumen;
    };
    const Case cases[] = {
        { "the parcel's wine", 2019, true, "142.87", 20, "Na bregu", "Kmetija Novak", 30, 142.87 },
        { "no parcel picked: parcel 1", 2018, false, "100", 21, "", "", 1, 100.0 },
        { "an identity without a wine", 2017, true, "5.5", 0, "Na bregu", "Kmetija Novak", 30, 5.5 },
    };
    const auto winesBefore = rows ("SELECT * FROM vino ORDER BY id");
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        VnosZalogXml form;
        form.setSortaIDN (variety (3, "Sauvignon"), 1);
        form.letnik = c.letnik;
        form.kolicina = c.typed;
        if (c.withParcel)
            form.getParcelRow()->setIDN (parcel30());
        ASSERT_TRUE (form.prepareXml()) << form.errorMessage;
        std::unique_ptr<juce::XmlElement> row (form.takeXml());
        ASSERT_NE (row, nullptr);
        EXPECT_EQ (row->getTagName(), "ITEM");
        EXPECT_EQ (row->getStringAttribute ("sorta"), "Sauvignon");
        EXPECT_EQ (row->getIntAttribute ("sortaid"), 3);
        EXPECT_EQ (row->getIntAttribute ("letnik"), c.letnik);
        EXPECT_DOUBLE_EQ (row->getDoubleAttribute ("volumen"), c.volumen);
        EXPECT_DOUBLE_EQ (row->getDoubleAttribute ("volumen_orig"), c.volumen);
        EXPECT_EQ (row->getStringAttribute ("parcela"), c.parcela);
        EXPECT_EQ (row->getStringAttribute ("vime"), c.vime);
        EXPECT_EQ (row->getIntAttribute ("parcelaid"), c.parcelaid);
        EXPECT_EQ (row->getIntAttribute ("vinoid", -1), c.vinoid);
    }
    EXPECT_EQ (rows ("SELECT * FROM vino ORDER BY id"), winesBefore) << "the form writes no wine";
}

TEST_F (VnosZalogXmlTest, RefusesWithoutVarietyOrLitresAndLeavesTheRowAsItWas)
{
    struct Case
    {
        const char* what;
        int sortaId;
        const char* typed;
        const char* key;
    };
    const Case cases[] = {
        { "no variety", 0, "10", "Sorta ni izbrana" },
        { "0 litres", 3, "0", "Volumen pretoka ni dolocen" },
        { "negative litres", 3, "-5", "Volumen pretoka ni dolocen" },
        { "not a number", 3, "abc", "Volumen pretoka ni dolocen" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        juce::XmlElement row ("ITEM");
        row.setAttribute ("sorta", "Sauvignon");
        row.setAttribute ("sortaid", 3);
        row.setAttribute ("letnik", 2019);
        row.setAttribute ("volumen", 40.0);
        const auto before = row.toString();
        VnosZalogXml form (&row);
        form.setSortaIDN (variety (c.sortaId, "Sauvignon"), 1);
        form.kolicina = c.typed;
        EXPECT_FALSE (form.prepareXml());
        EXPECT_EQ (form.errorMessage, TRANS (c.key));
        EXPECT_EQ (row.toString(), before);
    }
}

TEST_F (VnosZalogXmlTest, AnIncompleteRowOpensEmptyAndNeedsAVariety)
{
    settings().setValue ("vnoszalog:letnik", 2015);
    juce::XmlElement row ("ITEM");
    row.setAttribute ("volumen_orig_old", "83.99");
    row.setAttribute ("dodano", "36.01");
    VnosZalogXml form (&row);
    wtest::pump();
    EXPECT_EQ (form.getSorta (1).id, 0);
    EXPECT_EQ (form.letnik.toString(), "2015") << "a missing vintage falls back to the stored one";
    EXPECT_EQ (vindoro::Litres::fromStoredDouble (form.kolicina.getValue()), vindoro::Litres());
    form.kolicina = "12";
    EXPECT_FALSE (form.prepareXml());
    EXPECT_EQ (form.errorMessage, TRANS ("Sorta ni izbrana"));

    form.setSortaIDN (variety (4, "Modra frankinja"), 1);
    ASSERT_TRUE (form.prepareXml());
    EXPECT_EQ (form.takeXml(), &row) << "an edited row stays the opener's";
    EXPECT_EQ (row.getIntAttribute ("letnik"), 2015);
    EXPECT_EQ (row.getStringAttribute ("volumen_orig_old"), "83.99") << "the editor's own attributes stay";
    EXPECT_EQ (row.getStringAttribute ("dodano"), "36.01");
}

TEST_F (VnosZalogXmlTest, AnEditedRowShowsItsWineAndParcel)
{
    juce::XmlElement row ("ITEM");
    row.setAttribute ("sorta", "Sauvignon");
    row.setAttribute ("sortaid", 3);
    row.setAttribute ("letnik", 2019);
    row.setAttribute ("volumen", 142.87);
    row.setAttribute ("parcelaid", 30);
    row.setAttribute ("parcela", "Na bregu");
    row.setAttribute ("vime", "Kmetija Novak");
    VnosZalogXml form (&row);
    EXPECT_EQ (form.getSorta (1).id, 3);
    EXPECT_EQ (form.letnik.toString(), "2019");
    EXPECT_DOUBLE_EQ (form.kolicina.getValue(), 142.87);
    EXPECT_EQ (form.getParcelRow()->getParcela().id, 30);
    form.kolicina = "120";
    ASSERT_TRUE (form.prepareXml());
    EXPECT_EQ (row.getIntAttribute ("vinoid"), 20);
    EXPECT_EQ (row.getIntAttribute ("parcelaid"), 30);
    EXPECT_DOUBLE_EQ (row.getDoubleAttribute ("volumen"), 120.0);
}

TEST_F (VnosZalogXmlTest, TheVintageIsSharedWithTheOpeningStockForm)
{
    settings().setValue ("vnoszalog:letnik", 2012);
    {
        VnosZalogXml form;
        EXPECT_EQ (form.letnik.toString(), "2012");
        form.letnik = "abc";
        wtest::pump();
        EXPECT_EQ (form.letnik.toString(), "2012") << "the vintage check puts the stored vintage back";
        form.letnik = "2021";
        form.setSortaIDN (variety (3, "Sauvignon"), 1);
        form.kolicina = "10";
        ASSERT_TRUE (form.prepareXml());
        // Nobody takes the row: the form frees the row it made.
    }
    EXPECT_EQ (settings().getIntValue ("vnoszalog:letnik"), 2021);
    VnosZalog stockForm;
    EXPECT_EQ (stockForm.letnik.toString(), "2021");
}

TEST_F (VnosZalogXmlTest, AFailedNewRowStaysTheFormsAndGoesWithIt)
{
    VnosZalogXml form;
    form.kolicina = "10";
    EXPECT_FALSE (form.prepareXml());
    EXPECT_FALSE (form.prepareXml()) << "a second try reuses the form's own row";
}

TEST_F (VnosZalogXmlTest, SaveWithEitherCodeAnswersTheOpenerAndTheSliderFollowsTheVessel)
{
    auto vessel = read (7);   // 1000 l holding 150.5 l
    for (int code : { ButtonCode::ok, ButtonCode::edit })
    {
        SCOPED_TRACE (code);
        // The editor's part: it takes the row while the form answers.
        struct Opener : public juce::Component, public VindorWindowSetup
        {
            void changeListenerCallback (juce::ChangeBroadcaster* source) override
            {
                if (auto* w = dynamic_cast<KWindow*> (source))
                {
                    answers.add (w->getExitValue());
                    if (auto* f = dynamic_cast<VnosZalogXml*> (w->getAction()))
                        taken.reset (f->takeXml());
                }
            }
            juce::Array<int> answers;
            std::unique_ptr<juce::XmlElement> taken;
        } opener;
        opener.addButton (TRANS ("Cancel"), ButtonCode::cancel);
        opener.addButton (TRANS ("Save"), code);
        auto* form = new VnosZalogXml();
        form->setPosodaIDN (vessel);
        EXPECT_DOUBLE_EQ (form->getVolumeRow()->getSlider().getMaximum(), 849.5);
        form->setMaxVolume (300.0);
        EXPECT_DOUBLE_EQ (form->getVolumeRow()->getSlider().getMaximum(), 300.0);
        auto* window = VindorWindow::launchNormal (TRANS ("VnosZalog"), form, &opener, &opener);
        opener.currentChild = window;
        wtest::pump();
        form->setSortaIDN (variety (3, "Sauvignon"), 1);
        form->kolicina = "25";
        wtest::windowButton (*window, TRANS ("Save"))->triggerClick();
        wtest::pump();
        ASSERT_EQ (opener.answers.size(), 1);
        EXPECT_EQ (opener.answers[0], code);
        ASSERT_NE (opener.taken, nullptr);
        EXPECT_DOUBLE_EQ (opener.taken->getDoubleAttribute ("volumen"), 25.0);
        wtest::closeOpenWindows();
    }
}
