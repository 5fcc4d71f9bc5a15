#include "cellar/PosodaSave.h"
#include "cellar/PosodaOps.h"
#include "core/Amount.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"

using vindoro::Amount;
using vindoro::Litres;

namespace
{
/** A typed number cut to two decimals, exactly (text that is no number reads as 0). */
template <typename Exact>
Exact typedHundredths (const juce::String& text)
{
    return Exact::fromStoredDouble (parseDecimal2 (text)).value_or (Exact());
}

/** The price check shared by both editors; remembers the price and VAT for the next editor. */
bool checkPrice (const PosodaForm& form, Amount& price, juce::String& error)
{
    price = typedHundredths<Amount> (form.cena);
    if (price.isNegative())
    {
        error = TRANS ("Cena artikla ni podana!");
        return false;
    }
    if (auto* settings = getUserSettings())
    {
        settings->setValue ("Pretok:cenavina", price.toDouble());
        if (form.ddv > 0)
            settings->setValue ("OdprtoAddArtikel:ddvizdelka", form.ddv);
    }
    return true;
}

/** A VAT id as the vessel row stores it: "Not selected" and an unread rate are no reference. */
juce::String vatSql (int ddv)
{
    return ddv > 0 ? juce::String (ddv) : juce::String ("NULL");
}

juce::String labelTaken (const juce::String& label, const juce::String& kletIme)
{
    return TRANS ("Posoda z oznako ") + label + TRANS (" v kleti ") + kletIme + TRANS (" ze obstaja!");
}
} // namespace

bool PosodaSave::buildDeclaration (const PosodaForm& form, const posoda* old, TipizacijaRecord& out, juce::String& error)
{
    if (! form.declarationOpen)
    {
        // A vessel without a declaration keeps its own "none" row; any declaration is withdrawn.
        if (old != nullptr && old->tipizacija.sorta.id == 1)
            out = old->tipizacija;
        else
        {
            out = TipizacijaRecord();
            out.id = 1;
        }
        return true;
    }
    if (form.sorta.id <= 1)
    {
        error = TRANS ("Tipizacija problem sorta");
        return false;
    }
    if (form.letnik.trim().isEmpty())
    {
        error = TRANS ("Tipizacija problem ni letnika");
        return false;
    }
    out = TipizacijaRecord();
    out.id = -1;
    out.sorta = form.sorta;
    out.letnik = form.letnik.getIntValue();
    out.kvaliteta = form.kvaliteta;
    if (old != nullptr && old->tipizacija.id > 1 && old->tipizacija.sorta.id == out.sorta.id
        && old->tipizacija.letnik == out.letnik && old->tipizacija.kvaliteta == out.kvaliteta)
        out = old->tipizacija;
    return true;
}

bool PosodaSave::addPosoda (SQLtoXml& db, const PosodaForm& form, posoda& stored, juce::String& error)
{
    const char* method = "KletAddPosoda::save";
    posoda old;
    old.tipizacija.id = 1;

    const auto label = form.oznaka.trim();
    if (label.isEmpty())
    {
        vindoro::vlog (method, "Empty posoda name!");
        error = TRANS ("Vnesite ime posode!");
        return false;
    }
    TipizacijaRecord declaration;
    if (! buildDeclaration (form, nullptr, declaration, error))
        return false;
    Amount price;
    if (! checkPrice (form, price, error))
        return false;
    if (db.sqlQueryInt ("SELECT id FROM posoda WHERE active=1 AND oznaka = '" + sqlEscape (label) + "' AND klet = '"
                        + juce::String (form.klet) + "'") != 0)
    {
        vindoro::vlog (method, "Posoda z imenom ze obstaja:" + form.oznaka);
        error = labelTaken (form.oznaka, form.kletIme);
        return false;
    }
    const auto capacity = typedHundredths<Litres> (form.volumen);
    if (capacity <= Litres())
    {
        vindoro::vlog (method, "Posoda mora imeti prostornino vecjo od 0!");
        error = TRANS ("Posoda mora imeti prostornino vecjo od 0!");
        return false;
    }

    DbTransaction transaction;
    vindoro::vlog (method, "nimamo posode " + label + ".... dodajam.");
    const auto id = db.sqlInsert ("INSERT INTO posoda(oznaka,volumen,pozx,pozy,pozz,klet,tipizacija,cena,ddv,tip,active) VALUES('"
                                  + sqlEscape (label) + "'," + capacity.toSql() + ",0,0,0," + juce::String (form.klet) + ",1,"
                                  + price.toSql() + "," + vatSql (form.ddv) + "," + juce::String (form.tip) + ",1);");
    if (! transaction.isActive() || id < 1)
    {
        transaction.markFailed();
        vindoro::vlog (method, "ERROR: " + db.lastError);
        error = TRANS ("nova posoda problem shranjevanje");
        return false;
    }

    posoda neu;
    neu.id = (int) id;
    neu.oznaka = label;
    neu.volumen = capacity.toDouble();
    neu.klet.id = form.klet;
    neu.klet.ime = form.kletIme;
    neu.klet.active = true;
    neu.tip = form.tip;
    neu.cena = price.toDouble();
    neu.ddv.id = form.ddv;
    neu.tipizacija = declaration;
    neu.active = true;

    // The vessel row and its booking stand or fall together.
    if (! PosodaOps::prenosPosode (&db, old, neu, form.opombe, -1, &error))
    {
        transaction.markFailed();
        return false;
    }
    if (! transaction.commit())
    {
        vindoro::vlog (method, "ERROR: " + transaction.getLastError());
        error = TRANS ("nova posoda problem shranjevanje");
        return false;
    }
    stored = neu;
    return true;
}

bool PosodaSave::editPosoda (SQLtoXml& db, const posoda& old, const PosodaForm& form, posoda& stored, juce::String& error)
{
    const char* method = "KletEditPosoda::save";
    const auto label = form.oznaka.trim();
    if (label.isEmpty())
    {
        vindoro::vlog (method, "Empty posoda name!");
        error = TRANS ("Vnesite ime posode!");
        return false;
    }
    TipizacijaRecord declaration;
    if (! buildDeclaration (form, &old, declaration, error))
        return false;
    Amount price;
    if (! checkPrice (form, price, error))
        return false;

    // Moving: the label must be free in the target cellar, removed vessels included.
    if (db.sqlQueryInt ("SELECT id FROM posoda WHERE oznaka = '" + sqlEscape (label) + "' AND klet = '"
                        + juce::String (form.klet) + "'") != 0
        && form.klet != old.klet.id)
    {
        vindoro::vlog (method, "Posoda z oznako " + label + " v kleti " + juce::String (form.klet) + juce::String::fromUTF8 (" ž obstaja!"));
        error = TRANS ("Posoda z oznako ") + label + TRANS (" v izbrani kleti ")
              + juce::translate (juce::String::fromUTF8 ("že obstaja! Posode s to oznako ne morete prestaviti v izbrano klet."));
        return false;
    }
    // Renaming: no two active vessels of a cellar carry one label.
    if (db.sqlQueryInt ("SELECT id FROM posoda WHERE active=1 AND oznaka = '" + sqlEscape (label) + "' AND klet = "
                        + juce::String (form.klet) + " AND id<>" + juce::String (old.id)) != 0)
    {
        vindoro::vlog (method, "Posoda z imenom ze obstaja:" + label);
        error = labelTaken (label, form.kletIme);
        return false;
    }

    const auto typedCapacity = form.volumen.trim();
    if (typedCapacity.isEmpty() || vindoro::decimal::withPoint (typedCapacity).getIntValue() < 1)
    {
        vindoro::vlog (method, "Posoda mora imeti prostornino vecjo od 0!");
        error = juce::translate (juce::String::fromUTF8 ("Posoda mora imeti prostornino večjo od 0!"));
        return false;
    }
    const auto capacity = typedHundredths<Litres> (typedCapacity);
    const auto stock = Litres::fromStoredDouble (old.zaloga).value_or (Litres());
    if (capacity <= Litres() || capacity < stock)
    {
        vindoro::vlog (method, "Posoda mora imeti prostornino vecjo od zaloge vina!");
        error = TRANS ("Posoda mora imeti prostornino vecjo od zaloge vina v posodi, ki znasa ") + stock.toText()
              + TRANS (" litrov!");
        return false;
    }

    DbTransaction transaction;
    if (! transaction.isActive()
        || ! db.sqlQueryNA ("UPDATE posoda SET oznaka='" + sqlEscape (label) + "',volumen=" + capacity.toSql() + ",klet='"
                            + juce::String (form.klet) + "',tip='" + juce::String (form.tip) + "',cena='" + price.toSql()
                            + "',ddv=" + vatSql (form.ddv) + " WHERE id=" + juce::String (old.id) + ";"))
    {
        transaction.markFailed();
        vindoro::vlog (method, "ERROR: " + db.lastError);
        error = TRANS ("nova posoda problem shranjevanje");
        return false;
    }

    posoda neu = old;
    neu.oznaka = label;
    neu.volumen = capacity.toDouble();
    if (neu.klet.id != form.klet)
        neu.klet.ime = form.kletIme;
    neu.klet.id = form.klet;
    neu.tip = form.tip;
    neu.cena = price.toDouble();
    neu.ddv.id = form.ddv;
    neu.tipizacija = declaration;

    if (! PosodaOps::prenosPosode (&db, old, neu, form.opombe, -1, &error))
    {
        transaction.markFailed();
        return false;
    }
    if (! transaction.commit())
    {
        vindoro::vlog (method, "ERROR: " + transaction.getLastError());
        error = TRANS ("nova posoda problem shranjevanje");
        return false;
    }
    stored = neu;
    return true;
}
