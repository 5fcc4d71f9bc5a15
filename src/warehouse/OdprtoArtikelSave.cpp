#include "warehouse/OdprtoArtikelSave.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"
#include "operations/VnosZalogSave.h"

using vindoro::Amount;
using vindoro::Litres;

namespace
{
constexpr const char* kMethod = "OdprtoEditArtikel::save";

bool refuse (juce::String& error, const char* key, const juce::String& log = {})
{
    if (log.isNotEmpty())
        vindoro::vlog (kMethod, log);
    error = TRANS (key);
    return false;
}

juce::String quoted (const juce::String& text) { return "'" + SQLtoXml::sqlEscapeQuotes (text) + "'"; }

juce::String articleInsert (const juce::String& name, int link, int link2, const juce::String& cena, int ddv,
                            int enota, int tip, int parent, const juce::String& created)
{
    return "INSERT INTO artikel(ime,link,link2,cena,ddv,enota,tip,parent,datumkreiranja,active) VALUES(" + quoted (name)
           + "," + juce::String (link) + "," + juce::String (link2) + ",'" + cena + "'," + juce::String (ddv) + ","
           + juce::String (enota) + "," + juce::String (tip) + "," + juce::String (parent) + ",'" + created + "',1)";
}
} // namespace

int OdprtoArtikelSave::wholeLitres (Litres quantity)
{
    return (int) (quantity.count() / 100);
}

bool OdprtoArtikelSave::save (SQLtoXml& db, const OdprtoArtikelForm& form, juce::String& error, ArtikelRecord* saved,
                              Hramba* entry)
{
    auto article = form.newArticle;
    if (article.ime.isEmpty())
        return refuse (error, "Vnesite ime artikla!", "Empty artikel name!");
    if (form.vesselId < 1 || article.link < 1)
        return refuse (error, "Posoda ni izbrana");
    // An invoice line takes whole litres: below one litre it would carry nothing.
    if (form.quantity < Litres::fromHundredths (100))
        return refuse (error, "Kolicina artikla ni podana!");
    if (form.price <= Amount())
        return refuse (error, "Cena artikla ni podana!");
    if (article.ddv.id < 1)
        return refuse (error, "DDV artikla ni podan!");
    const auto& old = form.oldArticle;
    vindoro::vlog (kMethod, "stari:" + juce::String (old.id) + " ime:" + old.ime + " novi:" + juce::String (article.id)
                                + " ime:" + article.ime);
    article.cena = form.price.toDouble();

    DbTransaction transaction;
    auto fail = [&] (const juce::String& name, const juce::String& log)
    {
        vindoro::vlog (kMethod, "ERROR: " + log);
        transaction.rollback();
        error = TRANS ("Napaka pri kreiranju artikla z imenom ") + name;
        return false;
    };
    if (! transaction.isActive())
        return fail (article.ime, transaction.getLastError());

    const bool sameArticle = old.id >= 1 && old.id == article.id && old.ime == article.ime;
    if (sameArticle)
    {
        juce::StringArray changes;
        if (Amount::fromStoredDouble (old.cena).value_or (Amount()) != form.price)
            changes.add ("cena=" + form.price.toSql());
        if (old.ddv.id != article.ddv.id)
            changes.add ("ddv=" + juce::String (article.ddv.id));
        vindoro::vlog (kMethod, "sql size:" + juce::String (changes.size()));
        if (! changes.isEmpty()
            && ! db.sqlQueryNA ("UPDATE artikel SET " + changes.joinIntoString (",") + " WHERE id = " + juce::String (article.id)))
            return fail (article.ime, db.lastError);
    }
    else
    {
        // A new name is a new article row; the vessel's older article stays as it was.
        article.datumkreiranja = DateTime();
        article.parent = 1;
        article.active = true;
        const auto id = db.sqlInsert (articleInsert (article.ime, article.link, article.link2, form.price.toSql(),
                                                     article.ddv.id, article.enota.id, article.tip.id, 1,
                                                     article.datumkreiranja.toString()));
        if (id < 1)
            return fail (article.ime, db.lastError);
        article.id = (int) id;
    }

    if (! db.sqlQueryNA ("UPDATE posoda SET cena=" + form.price.toSql() + ",ddv=" + juce::String (article.ddv.id)
                         + " WHERE id = " + juce::String (form.vesselId)))
        return fail (article.ime, db.lastError);

    for (const auto& part : form.composition)
    {
        int wine = part.vinoid;
        if (wine < 1)
        {
            // Two new rows of one identity share one wine.
            wine = VnosZalogSave::findWine (db, part.parcelaid, part.sortaid, part.letnik);
            if (wine < 1)
                wine = (int) db.sqlInsert ("INSERT INTO vino(parcela,sorta,letnik) VALUES('" + juce::String (part.parcelaid)
                                           + "','" + juce::String (part.sortaid) + "','" + juce::String (part.letnik) + "')");
            if (wine < 1)
                return fail (part.name, db.lastError);
        }
        if (db.sqlInsert (articleInsert (part.name, wine, article.link2, part.litres.toSql(), article.ddv.id,
                                         article.enota.id, article.tip.id, article.id, article.datumkreiranja.toString()))
            < 1)
            return fail (part.name, db.lastError);
    }

    if (! transaction.commit())
        return fail (article.ime, transaction.getLastError());

    article.enota.oznaka = db.sqlQueryString ("SELECT oznaka FROM enota WHERE id=" + juce::String (article.enota.id));
    article.ddv.stopnja = db.sqlQueryDouble ("SELECT stopnja FROM ddv WHERE id=" + juce::String (article.ddv.id));
    if (saved != nullptr)
        *saved = article;
    if (entry != nullptr)
    {
        entry->artikel = article;
        entry->stevilo = wholeLitres (form.quantity);
    }
    return true;
}
