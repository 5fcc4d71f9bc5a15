// The cellar and vessel dialogs saving on a real database: what each refuses and with which
// text, what a stored vessel books, and that a failed booking leaves nothing behind.
#include "cellar/gui/CellarTestParts.h"
#include "cellar/gui/KletAdd.h"
#include "cellar/gui/KletAddPosoda.h"
#include "cellar/gui/KletEdit.h"
#include "cellar/gui/KletEditPosoda.h"
#include "core/Globals.h"
#include "support/ScriptedAnswerer.h"

using celltest::CellarWindowFixture;

namespace
{
class CellarEditors : public CellarWindowFixture
{
protected:
    SortaRecord sauvignon() const
    {
        SortaRecord s;
        s.id = 3;
        s.sorta = "Sauvignon";
        return s;
    }

    /** A new-vessel dialog for cellar 1 with a valid vessel typed in. */
    std::unique_ptr<KletAddPosoda> addDialog (const juce::String& label = "N1")
    {
        auto dialog = std::make_unique<KletAddPosoda>();
        dialog->setKlet (1, "Klet");
        dialog->getRows().oznaka = label;
        dialog->getRows().volumen = "500";
        dialog->getRows().cena = "2.40";
        dialog->getRows().ddv = 7;
        dialog->getRows().tip = 3;
        return dialog;
    }

    std::unique_ptr<KletEditPosoda> editDialog (int id)
    {
        auto dialog = std::make_unique<KletEditPosoda>();
        dialog->setPosoda (read (id));
        return dialog;
    }
};
} // namespace

TEST_F (CellarEditors, CellarNamesAreTrimmedAndUnique)
{
    ASSERT_TRUE (exec ("INSERT INTO klet(id,ime,active) VALUES (3,'Stara',0)"));
    struct Case
    {
        const char* typed;
        const char* error;   // "" when stored
    };
    const Case adds[] = {
        { "   ", "Vnesite ime kleti!" },
        { "  Klet ", "Klet z imenom Klet že obstaja!" },
        { "Stara", "Klet z imenom Stara že obstaja!" },   // a removed cellar keeps its name
        { "  Vinska 'klet' ", "" },
    };
    for (const auto& c : adds)
    {
        SCOPED_TRACE (c.typed);
        KletAdd dialog;
        dialog.getImeValue() = c.typed;
        const auto before = cellarDump();
        EXPECT_EQ (dialog.save(), juce::String (c.error).isEmpty());
        EXPECT_EQ (dialog.errorMessage, juce::String::fromUTF8 (c.error));
        if (juce::String (c.error).isNotEmpty())
            EXPECT_EQ (cellarDump(), before);
    }
    EXPECT_EQ (rows ("SELECT ime,active FROM klet WHERE id>3"), juce::StringArray ({ "Vinska 'klet'|1" }));

    const Case renames[] = {
        { "", "Vnesite ime kleti!" },
        { "Druga", "Klet z imenom Druga že obstaja!" },
        { "Klet", "" },   // its own name
        { " Zgornja  ", "" },
    };
    for (const auto& c : renames)
    {
        SCOPED_TRACE (c.typed);
        KletEdit dialog;
        dialog.setKlet (1);
        EXPECT_EQ (dialog.getImeValue().toString(), value ("SELECT ime FROM klet WHERE id=1"));
        dialog.getImeValue() = c.typed;
        EXPECT_EQ (dialog.save(), juce::String (c.error).isEmpty());
        EXPECT_EQ (dialog.errorMessage, juce::String::fromUTF8 (c.error));
    }
    EXPECT_EQ (value ("SELECT ime FROM klet WHERE id=1"), "Zgornja");
}

TEST_F (CellarEditors, AFailedCellarStatementIsShownAndTheDialogStaysOpen)
{
    vtest::FaultInjection fault (file(), { "klet" });
    for (bool adding : { true, false })
    {
        SCOPED_TRACE (adding ? "add" : "rename");
        fault.failWrite (1);
        wtest::OpenerContent opener;
        opener.addButton ("Cancel", ButtonCode::cancel);
        opener.addButton ("Save", ButtonCode::ok);
        KletInput* dialog = nullptr;
        if (adding)
        {
            auto* add = new KletAdd();
            add->getImeValue() = "Nova";
            dialog = add;
        }
        else
        {
            auto* edit = new KletEdit();
            edit->setKlet (1);
            edit->getImeValue() = "Nova";
            dialog = edit;
        }
        auto* window = VindorWindow::launchNormal ("dialog", dialog, &opener, &opener);
        vtest::ScriptedAnswerer answers;
        answers.then (1);   // go back and fix it
        wtest::windowButton (*window, "Save")->triggerClick();
        wtest::pump();
        ASSERT_EQ (answers.asked.size(), 1u);
        EXPECT_TRUE (answers.asked[0].message.startsWith ("Error occured: ")) << answers.asked[0].message;
        EXPECT_TRUE (answers.asked[0].message.contains (vtest::FaultInjection::kMessage)) << answers.asked[0].message;
        EXPECT_EQ (wtest::openWindowCount(), 1);
        EXPECT_EQ (opener.answers, 0);
        EXPECT_EQ (count ("SELECT COUNT(*) FROM klet WHERE ime='Nova'"), 0);

        fault.failWrite (0);
        wtest::windowButton (*window, "Save")->triggerClick();
        wtest::pump();
        EXPECT_EQ (opener.answers, 1);
        EXPECT_EQ (wtest::openWindowCount(), 0);
        EXPECT_EQ (count ("SELECT COUNT(*) FROM klet WHERE ime='Nova'"), 1);
        ASSERT_TRUE (exec ("DELETE FROM klet WHERE ime='Nova'"));
    }
}

TEST_F (CellarEditors, ANewVesselIsRefusedForEachFaultWithItsText)
{
    struct Case
    {
        const char* name;
        std::function<void (KletAddPosoda&)> change;
        const char* error;
    };
    const Case cases[] = {
        { "empty label", [] (KletAddPosoda& d) { d.getRows().oznaka = "  "; }, "Vnesite ime posode!" },
        { "declaration without variety", [] (KletAddPosoda& d) { d.getPanel().setSectionOpen (0, true); d.getRows().letnik = "2020"; },
          "Tipizacija problem sorta" },
        { "declaration without vintage", [this] (KletAddPosoda& d) { d.getPanel().setSectionOpen (0, true); d.setSortaIDN (sauvignon(), 1); },
          "Tipizacija problem ni letnika" },
        { "negative price", [] (KletAddPosoda& d) { d.getRows().cena = "-0.01"; }, "Cena artikla ni podana!" },
        { "label of an active vessel", [] (KletAddPosoda& d) { d.getRows().oznaka = "A"; }, "Posoda z oznako A v kleti Klet ze obstaja!" },
        { "no capacity", [] (KletAddPosoda& d) { d.getRows().volumen = "0.009"; }, "Posoda mora imeti prostornino vecjo od 0!" },
    };
    const auto before = cellarDump();
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        auto dialog = addDialog();
        c.change (*dialog);
        EXPECT_FALSE (dialog->save());
        EXPECT_EQ (dialog->errorMessage, juce::String::fromUTF8 (c.error));
        EXPECT_EQ (dialog->getPosoda().id, -1);
    }
    EXPECT_EQ (cellarDump(), before);

    // A removed vessel's label is free again.
    ASSERT_TRUE (exec ("UPDATE posoda SET active=0 WHERE id=5"));
    auto dialog = addDialog ("A");
    EXPECT_TRUE (dialog->save()) << dialog->errorMessage;
}

TEST_F (CellarEditors, ANewVesselIsStoredAndBookedWithOrWithoutItsDeclaration)
{
    struct Case
    {
        const char* label;
        const char* price;
        const char* capacity;
        bool declared;
        const char* stored;       // oznaka|volumen|cena|ddv|tip|klet|pozx|pozy|pozz|active
    };
    const Case cases[] = {
        { " Sod 'X' ", "1.009", "0.5", false, "Sod 'X'|0.5|1.0|7|3|1|0.0|0.0|0|1" },
        { "N2", "0", "1234.567", true, "N2|1234.56|0.0|7|3|1|0.0|0.0|0|1" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.label);
        auto dialog = addDialog (c.label);
        dialog->getRows().cena = c.price;
        dialog->getRows().volumen = c.capacity;
        dialog->getRows().opombe = "nova posoda";
        if (c.declared)
        {
            dialog->getPanel().setSectionOpen (0, true);
            dialog->setSortaIDN (sauvignon(), 1);
            dialog->getRows().letnik = "2020";
            dialog->getRows().kvaliteta = 3;
        }
        const int entriesBefore = entries();
        const int lastDeclaration = count ("SELECT MAX(id) FROM tipizacija");

        ASSERT_TRUE (dialog->save()) << dialog->errorMessage;

        const auto stored = dialog->getPosoda();
        ASSERT_GT (stored.id, 8);
        const auto id = juce::String (stored.id);
        EXPECT_EQ (stored.klet.id, 1);
        EXPECT_EQ (rows ("SELECT oznaka,volumen,cena,ddv,tip,klet,pozx,pozy,pozz,active FROM posoda WHERE id=" + id),
                   juce::StringArray ({ c.stored }));
        ASSERT_EQ (entries(), entriesBefore + 1);
        const auto entry = rows ("SELECT id,opravilo,opomba FROM glavna ORDER BY id DESC LIMIT 1")[0];
        const auto entryId = entry.upToFirstOccurrenceOf ("|", false, false);
        EXPECT_EQ (entry.fromFirstOccurrenceOf ("|", false, false), "18|nova posoda");
        EXPECT_EQ (rows ("SELECT glavna,posoda,klet,smer FROM prenosposode WHERE posoda=" + id),
                   juce::StringArray ({ entryId + "|" + id + "|1|1" }));   // into its cellar
        if (c.declared)
        {
            EXPECT_EQ (rows ("SELECT glavna,sorta,letnik,posoda,kvaliteta FROM tipizacija WHERE id>" + juce::String (lastDeclaration)),
                       juce::StringArray ({ entryId + "|3|2020|" + id + "|3" }));
            EXPECT_EQ (value ("SELECT tipizacija FROM posoda WHERE id=" + id), value ("SELECT MAX(id) FROM tipizacija"));
            EXPECT_EQ (stored.tipizacija.id, value ("SELECT MAX(id) FROM tipizacija").getIntValue());
        }
        else
        {
            EXPECT_EQ (count ("SELECT MAX(id) FROM tipizacija"), lastDeclaration);
            EXPECT_EQ (value ("SELECT tipizacija FROM posoda WHERE id=" + id), "1");
        }
    }
    // The price and VAT of the last save are the next dialog's start.
    EXPECT_DOUBLE_EQ (settings().getDoubleValue ("Pretok:cenavina"), 0.0);
    EXPECT_EQ (settings().getIntValue ("OdprtoAddArtikel:ddvizdelka"), 7);
}

TEST_F (CellarEditors, AVesselAndItsBookingStandOrFallTogether)
{
    vtest::FaultInjection fault (file(), { "glavna" });
    const auto before = cellarDump();

    auto adding = addDialog ("N9");
    fault.failWrite (1);
    EXPECT_FALSE (adding->save());
    EXPECT_EQ (adding->errorMessage, "Prenosposode problem shranjevanje v glavno");
    EXPECT_EQ (cellarDump(), before);
    fault.failWrite (0);
    // The same dialog saved again stores the vessel: no row of the failed try is in its way.
    EXPECT_TRUE (adding->save()) << adding->errorMessage;
    EXPECT_EQ (count ("SELECT COUNT(*) FROM posoda WHERE oznaka='N9'"), 1);

    const auto beforeEdit = cellarDump();
    auto editing = editDialog (5);
    editing->getRows().oznaka = "A2";
    editing->getRows().volumen = "900";
    fault.failWrite (1);
    EXPECT_FALSE (editing->save());
    EXPECT_EQ (cellarDump(), beforeEdit);
    fault.failWrite (0);
    EXPECT_TRUE (editing->save()) << editing->errorMessage;
    EXPECT_EQ (rows ("SELECT oznaka,volumen FROM posoda WHERE id=5"), juce::StringArray ({ "A2|900.0" }));
}

TEST_F (CellarEditors, AChangedVesselIsRefusedForEachFaultWithItsText)
{
    ASSERT_TRUE (exec ("INSERT INTO posoda(id,klet,volumen,oznaka,active) VALUES (9,2,100,'A',0),(10,2,100,'E',1)"));
    struct Case
    {
        const char* name;
        int vessel;
        std::function<void (KletEditPosoda&)> change;
        const char* error;
    };
    const Case cases[] = {
        { "half a litre", 5, [] (KletEditPosoda& d) { d.getRows().volumen = "0.5"; }, "Posoda mora imeti prostornino večjo od 0!" },
        { "empty capacity", 5, [] (KletEditPosoda& d) { d.getRows().volumen = ""; }, "Posoda mora imeti prostornino večjo od 0!" },
        { "below the stock", 6, [] (KletEditPosoda& d) { d.getRows().volumen = "299.99"; },
          "Posoda mora imeti prostornino vecjo od zaloge vina v posodi, ki znasa 300.00 litrov!" },
        { "label of another vessel of the cellar", 5, [] (KletEditPosoda& d) { d.getRows().oznaka = "B "; },
          "Posoda z oznako B v kleti Klet ze obstaja!" },
        { "move onto a removed vessel's label", 5, [] (KletEditPosoda& d) { d.getKletValue() = 2; },
          "Posoda z oznako A v izbrani kleti že obstaja! Posode s to oznako ne morete prestaviti v izbrano klet." },
        { "label of a vessel in the target cellar", 6, [] (KletEditPosoda& d) { d.getKletValue() = 2; d.getRows().oznaka = "E"; },
          "Posoda z oznako E v izbrani kleti že obstaja! Posode s to oznako ne morete prestaviti v izbrano klet." },
        { "negative price", 5, [] (KletEditPosoda& d) { d.getRows().cena = "-0.01"; }, "Cena artikla ni podana!" },
        { "declaration without vintage", 5,
          [this] (KletEditPosoda& d) { d.getPanel().setSectionOpen (0, true); d.setSortaIDN (sauvignon(), 1); d.getRows().letnik = ""; },
          "Tipizacija problem ni letnika" },
    };
    const auto before = cellarDump();
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        auto dialog = editDialog (c.vessel);
        c.change (*dialog);
        EXPECT_FALSE (dialog->save());
        EXPECT_EQ (dialog->errorMessage, juce::String::fromUTF8 (c.error));
    }
    EXPECT_EQ (cellarDump(), before);
}

TEST_F (CellarEditors, AChangedVesselBooksWhatChanged)
{
    struct Case
    {
        const char* name;
        int vessel;
        std::function<void (KletEditPosoda&)> change;
        int journalType;               // 0: nothing booked
        const char* vesselChange;      // "klet|smer|oznaka|volumen" or ""
        bool newDeclaration;
    };
    const Case cases[] = {
        { "unchanged, declaration on show", 6, [] (KletEditPosoda&) {}, 0, "", false },
        { "capacity equal to the stock", 6, [] (KletEditPosoda& d) { d.getRows().volumen = "300"; }, 18, "1|0|B|300.0", false },
        { "moved to another cellar", 5, [] (KletEditPosoda& d) { d.getKletValue() = 2; }, 18, "2|1|A|1000.0", false },
        { "declaration only", 5,
          [this] (KletEditPosoda& d) { d.getPanel().setSectionOpen (0, true); d.setSortaIDN (sauvignon(), 1); d.getRows().letnik = "2021"; },
          34, "", true },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        auto dialog = editDialog (c.vessel);
        c.change (*dialog);
        const int entriesBefore = entries();
        const int lastDeclaration = count ("SELECT MAX(id) FROM tipizacija");
        ASSERT_TRUE (dialog->save()) << dialog->errorMessage;
        if (c.journalType == 0)
        {
            EXPECT_EQ (entries(), entriesBefore);
            continue;
        }
        ASSERT_EQ (entries(), entriesBefore + 1);
        const auto entry = juce::StringArray::fromTokens (rows ("SELECT id,opravilo FROM glavna ORDER BY id DESC LIMIT 1")[0], "|", "");
        EXPECT_EQ (entry[1].getIntValue(), c.journalType);
        EXPECT_EQ (rows ("SELECT klet,smer,oznaka,volumen FROM prenosposode WHERE glavna=" + entry[0]).joinIntoString (";"), c.vesselChange);
        EXPECT_EQ (count ("SELECT MAX(id) FROM tipizacija") > lastDeclaration, c.newDeclaration);
    }
    // A vessel that never had a VAT rate is not given a made-up reference by its saves.
    EXPECT_EQ (value ("SELECT IFNULL(ddv,'none') FROM posoda WHERE id=5"), "none");
}

TEST_F (CellarEditors, AnEmptyDeclaredVesselKeepsItsDeclarationUnlessTheSectionIsClosed)
{
    ASSERT_TRUE (exec ("INSERT INTO tipizacija(id,glavna,sorta,letnik,posoda,kvaliteta) VALUES (21,0,4,2018,5,2);"
                       "UPDATE posoda SET tipizacija=21 WHERE id=5"));
    {
        auto dialog = editDialog (5);
        EXPECT_TRUE (dialog->getPanel().isSectionOpen (0));
        EXPECT_EQ (dialog->getSorta (1).id, 4);
        dialog->getRows().oznaka = "A1";
        ASSERT_TRUE (dialog->save()) << dialog->errorMessage;
        EXPECT_EQ (rows ("SELECT oznaka,tipizacija FROM posoda WHERE id=5"), juce::StringArray ({ "A1|21" }));
    }
    {
        auto dialog = editDialog (5);
        dialog->getPanel().setSectionOpen (0, false);
        const int lastDeclaration = count ("SELECT MAX(id) FROM tipizacija");
        ASSERT_TRUE (dialog->save()) << dialog->errorMessage;
        EXPECT_EQ (rows ("SELECT sorta,letnik,posoda,kvaliteta FROM tipizacija WHERE id>" + juce::String (lastDeclaration)),
                   juce::StringArray ({ "1|0|5|2" }));
        EXPECT_EQ (value ("SELECT tipizacija FROM posoda WHERE id=5"), value ("SELECT MAX(id) FROM tipizacija"));
    }
    // An undeclared vessel opens with the section closed.
    auto dialog = editDialog (8);
    EXPECT_FALSE (dialog->getPanel().isSectionOpen (0));
}
