#include "warehouse/GoodsRecords.h"

#include "core/Log.h"
#include "db/SQLtoXml.h"

#include <cmath>
#include <memory>

using vindoro::vlog;

ArtikelRecord::ArtikelRecord()
{
    // A record of this family starts at zero; the rate's own default means "no rate".
    ddv.id = 0;
}

SkladisceRecord::SkladisceRecord()
{
    konsig.id = 0;
}

// ---- the storage query

juce::String Hramba::getSelectSQL (int skladisceId, int hrambaId)
{
    const juce::String bottled (TipRecord::bottledWine);
    juce::String sql;
    sql << "SELECT h.id AS hrambaid,h.active AS hrambaactive,h.artikel as artikelid,h.skladisce as skladisceid,h.stevilo,"
           "h.pozx,h.pozy,h.pozz,a.ime AS artikelime,a.parent AS parent,tip.id AS tipid,a.link as serijaid,"
           "serija.oznaka AS serijaoznaka,serija.letnik AS serijaletnik,serija.stevilo AS serijastevilo,"
           "serija.model AS serijamodel,serija.kvaliteta AS serijakvalitetaid,CASE WHEN tip.id="
        << bottled
        << " THEN sorta.sorta ELSE '' END AS sorta, sorta.id AS serijasortaid,CASE WHEN tip.id="
        << bottled
        << " THEN sorta.barva ELSE 0 END AS sortabarva,m.volumen AS modelvolumen,me.oznaka AS modelenota,"
           "m.oznaka AS modeloznaka,me.SI AS modelenotaSI,a.cena AS artikelcena,a.ddv AS artikelddv,"
           "ddv.stopnja AS artikelddvstopnja,a.enota,e.oznaka AS enotaoznaka,s.ime as skladisceime,s.konsig as konsigid,"
           " st.ime AS strankaime,h.kosovnica AS kosovnica FROM hramba AS h LEFT JOIN artikel AS a ON h.artikel=a.id "
           "LEFT JOIN skladisce AS s ON h.skladisce=s.id LEFT JOIN enota AS e ON e.id = a.enota LEFT JOIN stranka AS st "
           "ON s.konsig = st.id LEFT JOIN tip ON tip.id = a.tip LEFT JOIN serija ON serija.id = a.link LEFT JOIN sorta "
           "ON sorta.id=serija.sorta LEFT JOIN model AS m ON serija.model = m.id LEFT JOIN enota AS me ON m.enota = me.id "
           "LEFT JOIN ddv ON a.ddv=ddv.id WHERE a.tip< 4";
    if (skladisceId >= 0)
        sql << " AND h.skladisce = " << skladisceId;
    if (hrambaId >= 0)
        sql << " AND h.id = " << hrambaId;
    else
        sql << " AND h.active>0";
    return sql;
}

namespace
{
/** The leading decimal integer of the attribute (a stored 12.5 reads 12), or the default when missing. */
int wholeOf (const juce::XmlElement& row, const char* name, int missing = 0)
{
    if (! row.hasAttribute (name))
        return missing;
    return DateTime::readLeadingInt (row.getStringAttribute (name));
}

double decimalOf (const juce::XmlElement& row, const char* name)
{
    return row.getDoubleAttribute (name, 0.0);
}
} // namespace

Hramba Hramba::fromRow (const juce::XmlElement* element)
{
    Hramba h;
    if (element == nullptr)
        return h;
    const auto& row = *element;

    h.id = wholeOf (row, "hrambaid");
    h.kosovnica = wholeOf (row, "kosovnica", 99);
    h.active = row.getBoolAttribute ("hrambaactive", false);

    h.artikel.id = wholeOf (row, "artikelid");
    h.artikel.ime = row.getStringAttribute ("artikelime");
    h.serija.id = wholeOf (row, "serijaid");
    h.artikel.link = h.serija.id;
    h.artikel.link2 = 0;
    h.artikel.cena = decimalOf (row, "artikelcena");
    h.artikel.ddv.id = wholeOf (row, "artikelddv");
    h.artikel.ddv.stopnja = decimalOf (row, "artikelddvstopnja");
    h.artikel.enota.id = wholeOf (row, "enota");
    h.artikel.enota.oznaka = row.getStringAttribute ("enotaoznaka");
    h.artikel.tip.id = wholeOf (row, "tipid");
    h.artikel.parent = wholeOf (row, "parent");

    h.serija.oznaka = row.getStringAttribute ("serijaoznaka");
    h.serija.letnik = wholeOf (row, "serijaletnik");
    h.serija.stevilo = decimalOf (row, "serijastevilo");
    h.serija.model.id = wholeOf (row, "serijamodel");
    h.serija.model.oznaka = row.getStringAttribute ("modeloznaka");
    h.serija.model.enota.oznaka = row.getStringAttribute ("modelenota");
    h.serija.model.volumen = decimalOf (row, "modelvolumen");
    h.serija.model.enota.SI = decimalOf (row, "modelenotaSI");
    h.serija.sorta.id = wholeOf (row, "serijasortaid");
    h.serija.sorta.sorta = row.getStringAttribute ("sorta");
    h.serija.sorta.barva = wholeOf (row, "sortabarva");
    h.serija.kvalitetaid = wholeOf (row, "serijakvalitetaid");

    h.skladisce.id = wholeOf (row, "skladisceid");
    h.skladisce.ime = row.getStringAttribute ("skladisceime");
    h.skladisce.konsig.id = wholeOf (row, "konsigid");
    h.skladisce.konsig.ime = row.getStringAttribute ("strankaime");

    h.stevilo = wholeOf (row, "stevilo");
    h.pozx = wholeOf (row, "pozx");
    h.pozy = wholeOf (row, "pozy");
    h.pozz = wholeOf (row, "pozz");
    return h;
}

bool Hramba::reload (SQLtoXml* db)
{
    std::unique_ptr<SQLtoXml> own;
    if (db == nullptr)
    {
        own = std::make_unique<SQLtoXml>();
        db = own.get();
    }

    if (db->sqlQuery (getSelectSQL (-1, id)) == nullptr)
    {
        vlog ("Hramba::reload", "ERROR: ni odgovora iz baze");
        return false;
    }
    const int rows = db->getNumRows();
    if (rows < 1 || db->getData() == nullptr)
        return false;
    if (rows > 1)
        vlog ("Hramba::reload", "ERROR: got " + juce::String (rows) + " rows");
    *this = fromRow (db->getData()->getChildElement (0));
    return true;
}

namespace
{
/** Writes the one line of a difference and answers false, or answers true when equal. */
struct FieldCheck
{
    int idOfA;

    bool same (const char* field, int a, int b) const
    {
        return a == b || differ (field, juce::String (a), juce::String (b));
    }
    bool same (const char* field, const juce::String& a, const juce::String& b) const
    {
        return a == b || differ (field, a, b);
    }
    bool near (const char* field, double a, double b) const
    {
        return std::abs (a - b) <= 0.000001 || differ (field, juce::String (a), juce::String (b));
    }
    bool differ (const char* field, const juce::String& a, const juce::String& b) const
    {
        vlog ("Hramba::compare", juce::String (idOfA) + " " + field + " does not match a:" + a + " b:" + b);
        return false;
    }
};
} // namespace

bool Hramba::compare (Hramba a, Hramba b)
{
    const FieldCheck c { a.id };
    return c.same ("id", a.id, b.id)
        && c.same ("kosovnica", a.kosovnica, b.kosovnica)
        && c.same ("active", a.active ? 1 : 0, b.active ? 1 : 0)
        && c.same ("artikel.id", a.artikel.id, b.artikel.id)
        && c.same ("artikel.ime", a.artikel.ime, b.artikel.ime)
        && c.same ("serija.id", a.serija.id, b.serija.id)
        && c.same ("artikel.link", a.artikel.link, b.artikel.link)
        && c.same ("artikel.link2", a.artikel.link2, b.artikel.link2)
        && c.near ("artikel.cena", a.artikel.cena, b.artikel.cena)
        && c.same ("artikel.ddv.id", a.artikel.ddv.id, b.artikel.ddv.id)
        && c.near ("artikel.ddv.stopnja", a.artikel.ddv.stopnja, b.artikel.ddv.stopnja)
        && c.same ("serija.sorta.id", a.serija.sorta.id, b.serija.sorta.id)
        && c.same ("serija.oznaka", a.serija.oznaka, b.serija.oznaka)
        && c.same ("serija.letnik", a.serija.letnik, b.serija.letnik)
        && c.near ("serija.stevilo", a.serija.stevilo, b.serija.stevilo)
        && c.same ("serija.model.id", a.serija.model.id, b.serija.model.id)
        && c.same ("serija.kvalitetaid", a.serija.kvalitetaid, b.serija.kvalitetaid)
        && c.same ("serija.model.oznaka", a.serija.model.oznaka, b.serija.model.oznaka)
        && c.same ("serija.model.enota.oznaka", a.serija.model.enota.oznaka, b.serija.model.enota.oznaka)
        && c.near ("serija.model.volumen", a.serija.model.volumen, b.serija.model.volumen)
        && c.near ("serija.model.enota.SI", a.serija.model.enota.SI, b.serija.model.enota.SI)
        && c.same ("serija.sorta.sorta", a.serija.sorta.sorta, b.serija.sorta.sorta)
        && c.same ("serija.sorta.barva", a.serija.sorta.barva, b.serija.sorta.barva)
        && c.same ("artikel.enota.id", a.artikel.enota.id, b.artikel.enota.id)
        && c.same ("artikel.enota.oznaka", a.artikel.enota.oznaka, b.artikel.enota.oznaka)
        && c.same ("artikel.tip.id", a.artikel.tip.id, b.artikel.tip.id)
        && c.same ("artikel.parent", a.artikel.parent, b.artikel.parent)
        && c.same ("skladisce.id", a.skladisce.id, b.skladisce.id)
        && c.same ("skladisce.ime", a.skladisce.ime, b.skladisce.ime)
        && c.same ("skladisce.konsig.id", a.skladisce.konsig.id, b.skladisce.konsig.id)
        && c.same ("skladisce.konsig.ime", a.skladisce.konsig.ime, b.skladisce.konsig.ime)
        && c.same ("stevilo", a.stevilo, b.stevilo)
        && c.same ("pozx", a.pozx, b.pozx)
        && c.same ("pozy", a.pozy, b.pozy)
        && c.same ("pozz", a.pozz, b.pozz);
}

bool Hramba::reloadCompareSet (SQLtoXml* db, Listener* owner)
{
    vlog ("Hramba::reloadCompareSet", "tukaj");
    if (id < 1)
        return false;

    Hramba fresh (*this);
    if (! fresh.reload (db))
        return false;
    if (compare (*this, fresh))
        return false;

    if (owner != nullptr)
        owner->setHrambaIDN (fresh, 1);
    vlog ("Hramba::reloadCompareSet", "gremo ven");
    return true;
}

void Hramba::addTables (SQLtoXml& db)
{
    for (auto* table : { "hramba AS h", "artikel AS a", "skladisce AS s", "enota AS e", "stranka AS st", "tip", "serija",
                         "sorta", "model AS m", "enota AS me", "ddv" })
        db.addTable (table);
}

// ---- the storage-entry mix-in

Hramba::Listener::Listener()
    : hrambe (1)
{
}

Hramba::Listener::~Listener() = default;

void Hramba::Listener::setIDN (Hramba entry, int slot)
{
    if (slot < 1 || slot > (int) hrambe.size())
    {
        vlog ("Hramba::Listener::setIDN", "ERROR hramba is wrong");
        return;
    }
    hrambe[(size_t) slot - 1] = std::move (entry);
}

void Hramba::Listener::setHrambaIDN (Hramba entry, int slot)
{
    // The base store, not an override: the change check hands the fresh entry over this way.
    Hramba copy (entry);
    Hramba::Listener::setIDN (copy, slot);
}

Hramba Hramba::Listener::getHramba() const
{
    return hrambe.empty() ? Hramba() : hrambe.front();
}
