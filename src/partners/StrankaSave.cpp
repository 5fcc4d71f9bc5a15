#include "partners/StrankaSave.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"
#include "partners/OwnCompany.h"
#include "partners/StrankaQuery.h"
#include "partners/StrankaVatID.h"
#include "partners/StripTaxPrefix.h"

#include <iomanip>
#include <locale>
#include <sstream>
#include <utility>
#include <vector>

using vindoro::vlog;

namespace
{
juce::String clean (const juce::String& text) { return text.removeCharacters ("\r\n").trim(); }

juce::String quoted (const juce::String& text) { return sqlEscape (clean (text)); }

struct Column
{
    const char* name;
    juce::String value;  // ready for the statement, between single quotes
};

/** The tax number as the check left it, or the text that refuses the save. */
struct TaxCheck
{
    juce::String tax;
    juce::String refusal;
};

TaxCheck checkTaxNumber (const StrankaSave::Form& form, const StrankaSave::TaxNumberQuestion& ask)
{
    TaxCheck check { clean (form.davcna), {} };
    if (form.tipdavka && check.tax.isEmpty())
    {
        check.refusal = TRANS ("Missing Tax Number!");
        return check;
    }
    SQLtoXml db;
    const auto country = juce::String (form.drzava);
    StrankaRecord probe;
    probe.davcna = form.davcna;
    probe.tipdavka = form.tipdavka;
    probe.Drzava = db.sqlQueryString ("SELECT kratica FROM drzava WHERE active=1 AND id=" + country);
    if (! db.ok)
        probe.Drzava.clear();
    const auto eu = db.sqlQueryInt ("SELECT eu FROM drzava WHERE active=1 AND id=" + country);
    probe.DrzavaEU = db.ok && eu != 0;

    const auto vatId = getStrankaVatID (probe);
    if (vatId == check.tax)
        return check;
    switch (ask ? ask (vatId) : 2)
    {
        case 1: check.tax = vatId; break;
        case 2: break;
        default: check.refusal = TRANS ("fix tax number2"); break;
    }
    return check;
}
} // namespace

juce::String StrankaSave::discountText (const juce::String& typed)
{
    // + 0.0 turns a negative zero into the zero that prints without a sign.
    const double discount = juce::jlimit (0.0, 100.0, parseDecimal (clean (typed))) + 0.0;
    std::ostringstream out;
    out.imbue (std::locale::classic());
    out << std::setprecision (6) << discount;
    return juce::String (out.str());
}

int StrankaSave::paymentDays (const juce::String& typed)
{
    const int days = clean (typed).getIntValue();
    return days < 1 ? 0 : days;
}

StrankaSave::Outcome StrankaSave::save (const Form& form, Kind kind, IbanCollection* accounts, const TaxNumberQuestion& ask)
{
    const bool edit = kind == Kind::edit;
    const juce::String where = edit ? "EditStranka::save" : "AddStranka::save";
    vlog (where, edit ? "save EditStranka" : "save Stranka");

    Outcome outcome;
    const auto taxCheck = checkTaxNumber (form, ask);
    if (taxCheck.refusal.isNotEmpty())
    {
        outcome.error = taxCheck.refusal;
        return outcome;
    }
    const auto tax = taxCheck.tax;

    int mask = 0;
    for (int i = 0; i < 5; ++i)
        if (form.kinds[i])
            mask += 1 << i;
    vlog (where, "tip stranke je " + juce::String (mask));

    auto name = clean (form.ime);
    auto longName = clean (form.dolgoime);
    if (name.isEmpty() && longName.isEmpty())
    {
        outcome.error = TRANS ("stranka_manjka ime");
        return outcome;
    }
    if (name.isEmpty())
        name = longName;
    if (longName.isEmpty())
        longName = name;

    std::vector<Column> columns {
        { "ime", sqlEscape (name) },          { "dolgoime", sqlEscape (longName) },
        { "ulica", quoted (form.ulica) },     { "hisnast", quoted (form.hisnast) },
        { "hisnastdod", quoted (form.hisnastdod) }, { "naselje", quoted (form.naselje) },
        { "postnast", quoted (form.postnast) }, { "postaime", quoted (form.postaime) },
        { "drzava", juce::String (form.drzava) }, { "telefon", quoted (form.telefon) },
        { "telefon2", quoted (form.telefon2) }, { "mobi", quoted (form.mobi) },
        { "faks", quoted (form.faks) },       { "email", quoted (form.email) },
        { "web", quoted (form.web) },         { "rokplacila", juce::String (paymentDays (form.rokplacila)) },
        { "popust", discountText (form.popust) }, { "davcna", sqlEscape (tax) },
        { "maticna", quoted (form.maticna) }, { "iban", "1" },
        { "kmgmid", quoted (form.kmgmid) },   { "gln", quoted (form.gln) },
        { "tipdavka", form.tipdavka ? "1" : "0" }, { "tipstranke", juce::String (mask) },
    };
    auto& ibanColumn = columns[19].value;

    const auto before = accounts != nullptr ? accounts->getState() : IbanCollection::State();
    auto fail = [&] (const juce::String& text)
    {
        vlog (where, "ERROR: " + text);
        if (accounts != nullptr)
            accounts->restore (before);
        outcome.error = text;
        return outcome;
    };
    const auto accountsFailed = TRANS ("stranka_racuni niso shranjeni");

    DbTransaction tx;
    SQLtoXml db;
    int id = -1;
    if (edit)
    {
        id = clean (form.id).getIntValue();
        const auto linked = clean (form.ibanid);
        ibanColumn = linked.containsOnly ("0123456789") && linked.isNotEmpty() ? linked : juce::String ("1");
        // The accounts go first, so the row can name its main account.
        if (accounts != nullptr)
        {
            if (! accounts->shraniVseIBAN())
                return fail (accountsFailed);
            if (accounts->getCurrent().id > 0)
                ibanColumn = juce::String (accounts->getCurrent().id);
        }
        juce::StringArray assignments;
        for (auto& c : columns)
            assignments.add (juce::String (c.name) + "='" + c.value + "'");
        assignments.add ("active='1'");
        if (id < 1 || ! db.sqlQueryNA ("UPDATE stranka SET " + assignments.joinIntoString (",") + " WHERE id=" + juce::String (id)))
            return fail ("database error");
    }
    else
    {
        juce::StringArray names, values;
        for (auto& c : columns)
        {
            names.add (c.name);
            values.add (c.value);
        }
        if (! db.sqlQueryNA ("INSERT INTO stranka(" + names.joinIntoString (",") + ",active) VALUES('"
                             + values.joinIntoString ("','") + "','" + "1');"))
            return fail ("database error");
        id = (int) db.lastInsertedID();
        if (accounts != nullptr && id > 0)
        {
            StrankaRecord holder;
            holder.id = id;
            accounts->fixNosilec (holder);
            if (! accounts->shraniVseIBAN())
                return fail (accountsFailed);
            const auto current = accounts->getCurrent().id;
            if (current > 0 && ! db.sqlQueryNA ("UPDATE stranka SET iban=" + juce::String (current) + " WHERE id=" + juce::String (id)))
                return fail (accountsFailed);
        }
    }

    // A main account picked from the accounts without a holder belongs to this party from now on.
    if (accounts != nullptr && accounts->getCurrent().id > 1 && accounts->getCurrent().nosilec.id <= 1
        && ! db.sqlQueryNA ("UPDATE iban SET stranka=" + juce::String (id) + " WHERE id=" + juce::String (accounts->getCurrent().id)
                            + " AND stranka<=1"))
        return fail (accountsFailed);

    if (! tx.commit())
        return fail ("database error");

    outcome.saved = true;
    outcome.id = id;
    if (edit)
    {
        if (id == getPodjetje().id)
        {
            SQLtoXml query;
            const auto company = getStrankaDetails (&query, id);
            if (company.id > 0)
                getPodjetje() = company;
        }
        if (auto* settings = getUserSettings(); settings != nullptr && settings->getIntValue ("uporabnik:id", -1) == id)
        {
            settings->setValue ("uporabnikdolgoime", longName);
            settings->setValue ("uporabnik:tax", stripTaxPrefix (tax));
        }
    }
    return outcome;
}
