#include "cellar/SerijaStore.h"
#include "core/Amount.h"
#include "core/DateTime.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/DbTransaction.h"
#include "db/SQLtoXml.h"

#include <cmath>
#include <memory>

using juce::String;

namespace
{
constexpr double kTolerance = 1e-6;

/** The caller's query object, or one made for the call and deleted at its end. */
struct QueryObject
{
    explicit QueryObject (SQLtoXml* given) : db (given)
    {
        if (db == nullptr)
        {
            own = std::make_unique<SQLtoXml>();
            db = own.get();
        }
    }
    SQLtoXml* operator->() const { return db; }
    SQLtoXml* db;
    std::unique_ptr<SQLtoXml> own;
};

String number (double x)
{
    return String (x, 0, false);
}

bool differs (const String& field, const SerijaRecord& a, const String& av, const String& bv)
{
    vindoro::vlog ("PregledBazeSerija::compare",
                   "id serije:" + String (a.id) + " " + field + " does not match a:" + av + " b:" + bv);
    return false;
}

/** The WHERE of the five values that make a batch's identity. */
String identity (const SerijaRecord& r)
{
    return "oznaka='" + sqlEscape (r.oznaka) + "' AND sorta=" + String (r.sorta.id) + " AND letnik=" + String (r.letnik)
           + " AND model=" + String (r.model.id) + " AND kvaliteta=" + String (r.kvalitetaid);
}
} // namespace

const String& SerijaStore::query()
{
    static const String sql (
        "SELECT serija.id AS id,serija.oznaka AS oznaka,serija.letnik AS letnik,serija.stevilo AS stevilo,sorta.sorta AS sorta,"
        "model.oznaka as model,kvaliteta.oznaka as kvaliteta,serija.sorta AS sortaid,serija.model AS modelid,serija.kvaliteta AS kvalitetaid,"
        "serija.active AS active,model.volumen AS volumen,enota.oznaka AS modelenota,enota.SI AS modelenotaSI FROM serija "
        "LEFT JOIN sorta ON serija.sorta=sorta.id LEFT JOIN model ON serija.model=model.id LEFT JOIN kvaliteta ON serija.kvaliteta=kvaliteta.id "
        "LEFT JOIN enota ON enota.id=model.enota WHERE serija.active=1");
    return sql;
}

const String& SerijaStore::kompozicijaQuery()
{
    static const String sql (
        "SELECT s.sorta AS sorta,v.letnik AS vletnik,p.ime AS parcela,vin.ime AS vinogradnik,"
        "k.volumen/m.volumen/e.SI*1e-3/se.stevilo*1e2 AS razmerje,k.volumen AS volumen,se.oznaka AS serija,se.letnik AS seletnik,"
        "m.oznaka AS model,m.volumen || e.oznaka AS modelvolumen,se.datum AS datumpolnjenja,se.stevilo AS steviloserije,"
        "po.oznaka AS posoda,kl.ime AS klet,k.serija AS serijaid,k.vino AS vinoid,k.posoda AS posodaid,se.model AS modelid "
        "FROM kompozicija AS k LEFT JOIN serija AS se ON k.serija=se.id LEFT JOIN model AS m ON se.model=m.id "
        "LEFT JOIN enota AS e ON m.enota=e.id LEFT JOIN vino AS v ON v.id=k.vino LEFT JOIN sorta AS s ON s.id=v.sorta "
        "LEFT JOIN parcela AS p ON p.id=v.parcela LEFT JOIN stranka AS vin ON vin.id=p.vinogradnik "
        "LEFT JOIN posoda AS po ON po.id=k.posoda LEFT JOIN klet AS kl ON kl.id=po.klet ");
    return sql;
}

SerijaRecord SerijaStore::empty()
{
    SerijaRecord r;
    r.id = -1;
    r.sorta = SortaRecord::empty();
    r.model.id = -1;
    return r;
}

SerijaRecord SerijaStore::interpretXml (const juce::XmlElement* row)
{
    if (row == nullptr)
        return empty();
    SerijaRecord r;
    r.id = row->getIntAttribute ("id");
    r.oznaka = row->getStringAttribute ("oznaka");
    r.letnik = row->getIntAttribute ("letnik");
    r.stevilo = DateTime::readLeadingInt (row->getStringAttribute ("stevilo"));
    r.sorta.id = row->getIntAttribute ("sortaid");
    r.sorta.sorta = row->getStringAttribute ("sorta");
    r.model.id = row->getIntAttribute ("modelid");
    r.model.enota.oznaka = row->getStringAttribute ("modelenota");
    r.model.enota.SI = row->getDoubleAttribute ("modelenotaSI");
    r.model.volumen = row->getDoubleAttribute ("volumen");
    r.kvalitetaid = row->getIntAttribute ("kvalitetaid");
    return r;
}

bool SerijaStore::reloadSerija (SerijaRecord& record, SQLtoXml* given)
{
    static const char* where = "PregledBazeSerija::reloadSerija";
    QueryObject db (given);
    auto tree = db->sqlFetch (query() + " AND serija.id=" + String (record.id));
    if (tree == nullptr)
    {
        vindoro::vlog (where, "ERROR: ni odgovora iz baze");
        return false;
    }
    auto* data = tree->getChildByName ("DATA");
    if (data == nullptr || data->getNumChildElements() == 0)
        return false;
    if (data->getNumChildElements() > 1)
        vindoro::vlog (where, "ERROR: got " + String (data->getNumChildElements()) + " rows");
    record = interpretXml (data->getChildElement (0));
    return true;
}

bool SerijaStore::compare (SerijaRecord a, SerijaRecord b)
{
    if (a.id != b.id)
        return differs ("id", a, String (a.id), String (b.id));
    if (a.oznaka != b.oznaka)
        return differs ("oznaka", a, a.oznaka, b.oznaka);
    if (a.letnik != b.letnik)
        return differs ("letnik", a, String (a.letnik), String (b.letnik));
    if (std::abs (a.stevilo - b.stevilo) > kTolerance)
        return differs ("stevilo", a, number (a.stevilo), number (b.stevilo));
    if (a.sorta.id != b.sorta.id)
        return differs ("sorta.id", a, String (a.sorta.id), String (b.sorta.id));
    if (a.sorta.sorta != b.sorta.sorta)
        return differs ("sorta.sorta", a, a.sorta.sorta, b.sorta.sorta);
    if (a.model.id != b.model.id)
        return differs ("model.id", a, String (a.model.id), String (b.model.id));
    if (a.model.enota.oznaka != b.model.enota.oznaka)
        return differs ("model.enota.oznaka", a, a.model.enota.oznaka, b.model.enota.oznaka);
    if (std::abs (a.model.enota.SI - b.model.enota.SI) > kTolerance)
        return differs ("model.enota.SI", a, number (a.model.enota.SI), number (b.model.enota.SI));
    if (std::abs (a.model.volumen - b.model.volumen) > kTolerance)
        return differs ("model.volumen", a, number (a.model.volumen), number (b.model.volumen));
    if (a.kvalitetaid != b.kvalitetaid)
        return differs ("kvalitetaid", a, String (a.kvalitetaid), String (b.kvalitetaid));
    return true;
}

SerijaStore::Saved SerijaStore::saveNew (SerijaRecord& record)
{
    static const char* where = "CreateSerijaAction::saveAction";
    SQLtoXml db;
    const auto lookup = "SELECT id FROM serija WHERE " + identity (record);

    // A look-up that fails counts as no twin found.
    const int removed = (int) db.sqlQueryInt (lookup + " AND active=0");
    if (removed > 0)
    {
        vindoro::vlog (where, String::formatted ("nasel stari vnos za serijo id=%d", removed));
        if (! db.sqlQueryNA ("UPDATE serija SET active=1 WHERE id=" + String (removed)))
            return Saved::failed;
        record.id = removed;
        return Saved::revived;
    }
    const int listed = (int) db.sqlQueryInt (lookup + " AND active=1");
    if (listed > 0)
    {
        vindoro::vlog (where, String::formatted ("nasel stari vnos za serijo id=%d", listed));
        return Saved::twin;
    }

    DateTime now;
    const auto sql = "INSERT INTO serija (oznaka,letnik,stevilo,sorta,model,kvaliteta,datum) VALUES('" + sqlEscape (record.oznaka)
                     + "'," + String (record.letnik) + "," + formatFloor (record.stevilo) + "," + String (record.sorta.id) + ","
                     + String (record.model.id) + "," + String (record.kvalitetaid) + ",'" + now.toString() + "')";
    if (! db.sqlQueryNA (sql))
        return Saved::failed;
    record.id = (int) db.lastInsertedID();
    return Saved::inserted;
}

SerijaStore::Saved SerijaStore::saveEdit (const SerijaRecord& record)
{
    static const char* where = "EditSerijaAction::saveAction";
    if (record.id < 1)
        return Saved::failed;
    SQLtoXml db;
    const int twin = (int) db.sqlQueryInt ("SELECT id FROM serija WHERE " + identity (record) + " AND active=1 AND id<>"
                                           + String (record.id));
    if (twin > 0)
    {
        vindoro::vlog (where, String::formatted ("nasel stari vnos za serijo id=%d", twin));
        return Saved::twin;
    }
    DateTime now;
    const auto sql = "UPDATE serija SET oznaka='" + sqlEscape (record.oznaka) + "',letnik=" + String (record.letnik)
                     + ",stevilo=" + formatFloor (record.stevilo) + ",sorta=" + String (record.sorta.id) + ",model="
                     + String (record.model.id) + ",kvaliteta=" + String (record.kvalitetaid) + ",datum='" + now.toString()
                     + "' WHERE id=" + String (record.id);
    if (! db.sqlQueryNA (sql))
    {
        vindoro::vlog (where, "ERROR: " + sql);
        return Saved::failed;
    }
    return Saved::inserted;
}

bool SerijaStore::dodajVino (int serija, int vino, double volumen, int posoda, SQLtoXml* given)
{
    static const char* where = "Kompozicija::dodajVino";
    if (serija <= 0)
    {
        vindoro::vlog (where, "ERROR: napaka serija:" + String (serija));
        return false;
    }
    if (vino <= 0)
    {
        vindoro::vlog (where, "ERROR: napaka vino:" + String (vino));
        return false;
    }
    if (posoda <= 0)
    {
        vindoro::vlog (where, "ERROR: napaka posoda:" + String (posoda));
        return false;
    }
    const auto added = vindoro::Litres::fromStoredDouble (volumen);
    if (volumen < 0 || ! added)
    {
        vindoro::vlog (where, "ERROR: napaka volumen:" + String (volumen));
        return false;
    }

    QueryObject db (given);
    const auto triple = " serija=" + String (serija) + " AND vino=" + String (vino) + " AND posoda=" + String (posoda);
    const auto recorded = db->sqlQueryDouble ("SELECT ga.vol FROM (SELECT SUM(volumen) AS vol FROM kompozicija WHERE" + triple
                                              + " UNION ALL SELECT -1 AS vol) ga ORDER BY ga.vol DESC LIMIT 1");
    if (! db->ok)
    {
        vindoro::vlog (where, "ERROR: ni odgovora iz baze zaloga:" + String (recorded));
        return false;
    }

    // The old row goes and the sum comes in together: a failed insert must not lose the litres
    // already recorded (inside bottling's own transaction this is a savepoint).
    DbTransaction tx;
    auto previous = vindoro::Litres::fromCount (0);
    if (recorded >= 0)
    {
        previous = vindoro::Litres::fromStoredDouble (recorded).value_or (previous);
        if (! db->sqlQueryNA ("DELETE FROM kompozicija WHERE " + triple))
        {
            vindoro::vlog (where, "ERROR: ni uspelo zbrisati zaloga:" + previous.toSql());
            return false;
        }
    }
    const auto sum = previous + *added;
    if (! db->sqlQueryNA ("INSERT INTO kompozicija(serija,vino,volumen,posoda) VALUES('" + String (serija) + "','" + String (vino)
                          + "','" + sum.toSql() + "','" + String (posoda) + "')"))
        return false;
    return tx.commit();
}

String formatSerija (const String& sortaName, SerijaRecord serija)
{
    return sortaName + ", " + formatDecimalPoint (serija.model.volumen, 2) + serija.model.enota.oznaka + ", " + String (serija.letnik) + "-"
           + serija.oznaka;
}
