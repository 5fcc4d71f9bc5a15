#include "warehouse/ZalogaArtiklov.h"

#include "core/Amount.h"
#include "core/DateTime.h"
#include "core/Log.h"
#include "warehouse/GoodsRecords.h"

#include <cmath>
#include <unordered_map>

namespace
{
const char* const kMethod = "ZalogaArtiklov::reloadPregled";

/** The result rows: a tree fetched elsewhere, counting the rows the replay appends. */
class StockRows : public SQLtoXml
{
public:
    using SQLtoXml::SQLtoXml;
    juce::XmlElement* appendRow()
    {
        if (data == nullptr)
            return nullptr;
        auto* row = data->createNewChildElement ("ITEM");
        ++numRows;
        return row;
    }
};

// Volumes are summed in ten-thousandths of a litre, so that the replay of many movements never
// drifts, and brought to the report's hundredths once, at the end.
std::int64_t tenThousandthsOf (double litres)
{
    return std::isfinite (litres) ? std::llround (litres * 10000.0) : 0;
}

vindoro::Litres litresOf (std::int64_t tenThousandths)
{
    const auto half = tenThousandths < 0 ? -50 : 50;
    return vindoro::Litres::fromHundredths ((tenThousandths + half) / 100);
}

/** What the replay keeps of one result row beside its element. */
struct Replayed
{
    juce::XmlElement* row;
    double stevilo;
    std::int64_t volumen;
};

juce::String numberText (double value)
{
    return juce::String (value);
}

juce::String litresText (std::int64_t tenThousandths)
{
    return numberText (tenThousandths / 10000.0);
}
} // namespace

ZalogaArtiklov::ZalogaArtiklov (SqlitetoXml* db)
    : Pregled (db)
{
}

ZalogaArtiklov::~ZalogaArtiklov() = default;

const juce::String& ZalogaArtiklov::baseQuery()
{
    static const juce::String query = [] {
        const juce::String wine (TipRecord::bottledWine);
        return "SELECT a.ime AS artikelime,sk.ime AS skladisceime,CASE WHEN sk.konsig > 1 THEN "
               "SUBSTR(REPLACE(REPLACE(st.ime,CHAR(13),''),CHAR(10),' '),1,20) || CASE WHEN LENGTH(st.ime) > 20 "
               "THEN '...' ELSE '' END ELSE '' END AS lastnik,CASE WHEN a.tip=" + wine
               + " THEN s.letnik || '-' || s.oznaka  ELSE '' END AS serija,CASE WHEN a.tip=" + wine
               + " THEN m.oznaka ELSE '' END AS steklenica,CASE WHEN a.tip=" + wine
               + " THEN kv.oznaka  ELSE '' END AS kvaliteta,CASE WHEN a.tip=" + wine
               + " THEN h.stevilo * m.volumen * e.SI / 1e-3 ELSE 0 END AS volumen,h.stevilo AS stevilo,a.id AS aid,"
                 "sk.id AS skid,h.id AS hid " + juce::String (kFromMarker)
               + "  LEFT JOIN artikel AS a ON a.id=h.artikel LEFT JOIN skladisce AS sk ON sk.id=h.skladisce "
                 "LEFT JOIN stranka AS st ON st.id=sk.konsig LEFT JOIN serija AS s ON s.id=a.link "
                 "LEFT JOIN kvaliteta AS kv ON kv.id=s.kvaliteta LEFT JOIN model AS m ON m.id=s.model "
                 "LEFT JOIN enota AS e ON e.id=m.enota";
    }();
    return query;
}

juce::String ZalogaArtiklov::movementQuery (const juce::String& startDate)
{
    // Only the kinds the stock query counts: a movement of any other kind would match no stock
    // row and come back as a row of its own. No row limit: a replay of part of the movements
    // would give a wrong stock.
    return baseQuery().replace (kFromMarker,
                                ",p.smer AS smer,p.kolicina AS kolicina,CASE WHEN a.tip=" + juce::String (TipRecord::bottledWine)
                                    + " THEN p.kolicina * m.volumen * e.SI / 1e-3 ELSE 0 END AS pvolumen,g.id AS gid "
                                      "FROM prenos AS p LEFT JOIN glavna AS g ON g.id=p.glavna  LEFT JOIN hramba AS h ON h.id=p.hramba ")
           + " WHERE g.datum>'" + SqlitetoXml::sqlEscapeQuotes (startDate) + "' AND a.tip IN (2,3) ORDER BY g.datum DESC";
}

juce::String ZalogaArtiklov::stockQuery (const juce::String& conditions)
{
    return baseQuery().replace (kFromMarker, "FROM hramba AS h") + " WHERE " + conditions + " ORDER BY skladisceime,artikelime";
}

juce::String ZalogaArtiklov::getPogoj()
{
    pogoji.add ("h.active > 0");
    pogoji.add ("a.tip IN (2,3)");
    return PorociloPogoj::getPogoj();
}

bool ZalogaArtiklov::reloadPregled()
{
    if (target == nullptr)
    {
        vindoro::vlog (kMethod, kNoDatabase);
        return false;
    }

    const auto warehouse = getSkladisce();
    DateTime day;
    day = startDate;
    naslov = warehouse.id < 1 ? TRANS ("porocilozalogartiklov_naslov_porocila")
                              : TRANS ("porocilozalogartiklov_naslov_porocila_enoskladisce") + " \"" + warehouse.ime + "\"";
    naslov += TRANS ("Porocilo_dne") + day.time.formatted (TRANS ("%Y-%m-%d"));

    setScratch (nullptr);
    auto movements = target->sqlFetch (movementQuery (startDate));
    if (movements == nullptr || movements->getChildByName ("DATA") == nullptr)
    {
        vindoro::vlog (kMethod, kMovementsFailed);
        return false;
    }
    auto stockTree = target->sqlFetch (stockQuery (getPogoj()));
    if (stockTree == nullptr || stockTree->getChildByName ("DATA") == nullptr || stockTree->getChildByName ("COLUMNS") == nullptr)
    {
        vindoro::vlog (kMethod, kStockFailed);
        return false;
    }
    auto rows = std::make_unique<StockRows> (std::move (stockTree));

    juce::StringArray columnNames;
    for (auto* column : rows->getColumns()->getChildWithTagNameIterator ("COLUMN"))
        columnNames.add (column->getStringAttribute ("name"));

    // The replay finds a row by its entry without walking the rows.
    std::vector<Replayed> replayed;
    std::unordered_map<int, size_t> byHid;
    const auto remember = [&] (juce::XmlElement* row) {
        replayed.push_back ({ row, row->getDoubleAttribute ("stevilo", 0.0), tenThousandthsOf (row->getDoubleAttribute ("volumen", 0.0)) });
        const int hid = row->getIntAttribute ("hid", 0);
        if (hid >= 1)
            byHid.emplace (hid, replayed.size() - 1);
    };
    for (auto* row : rows->getData()->getChildWithTagNameIterator ("ITEM"))
        remember (row);

    for (auto* movement : movements->getChildByName ("DATA")->getChildWithTagNameIterator ("ITEM"))
    {
        const int hid = movement->getIntAttribute ("hid", 0);
        if (hid < 1)
            continue;
        const int smer = movement->getIntAttribute ("smer", 0);
        const int gid = movement->getIntAttribute ("gid", 0);
        const double k = movement->getDoubleAttribute ("kolicina", 0.0);
        const auto p = tenThousandthsOf (movement->getDoubleAttribute ("pvolumen", 0.0));

        if (auto found = byHid.find (hid); found != byHid.end())
        {
            auto& r = replayed[found->second];
            if (smer == 1)
            {
                const double s = r.stevilo - k;
                const auto v = r.volumen - p;
                if (s < 0 || v < 0)
                    vindoro::vlog (kMethod, "ERROR: smer prenosa je ven, vendar v hrambi je premalo. stevilo:" + numberText (s)
                                                + " volumen:" + litresText (v) + " glavna:" + juce::String (gid));
                r.stevilo = s;
                r.volumen = v;
            }
            else if (smer == 2)
            {
                r.stevilo += k;
                r.volumen += p;
            }
            else
            {
                vindoro::vlog (kMethod, "ERROR: nepoznana smer prenosa:" + juce::String (smer) + " glavna:" + juce::String (gid));
            }
            continue;
        }

        // The entry has no present row (emptied and withdrawn since the day): it comes back with
        // its present names, holding what the movement took out.
        auto* row = rows->appendRow();
        for (const auto& name : columnNames)
            row->setAttribute (name, movement->getStringAttribute (name));
        remember (row);
        auto& r = replayed.back();
        if (smer == 1)
        {
            vindoro::vlog (kMethod, "ERROR: smer prenosa je ven, vendar v hrambi ni ustreznega vnosa. stevilo:" + numberText (-k)
                                        + " volumen:" + litresText (-p) + " glavna:" + juce::String (gid));
            r.stevilo = -k;
            r.volumen = -p;
        }
        else if (smer == 2)
        {
            r.stevilo = k;
            r.volumen = p;
        }
        else
        {
            vindoro::vlog (kMethod, "ERROR: nepoznana smer prenosa pri novem vnosu v hrambo smer:" + juce::String (smer)
                                        + " glavna:" + juce::String (gid));
        }
    }
    movements.reset();

    int kept = 0;
    for (auto& r : replayed)
    {
        const int hid = r.row->getIntAttribute ("hid", 0);
        if (hid < 1)
            continue;
        r.row->setAttribute ("stevilo", numberText (r.stevilo));
        r.row->setAttribute ("volumen", litresOf (r.volumen).toSql());
        if (std::abs (r.stevilo) < 0.000001)
        {
            vindoro::vlog (kMethod, "hid:" + juce::String (hid) + " je prazen stevilo:" + numberText (r.stevilo));
            SQLtoXml::setDeleted (r.row, true);
        }
        else if (warehouse.id > 0 && r.row->getIntAttribute ("skid", 0) != warehouse.id)
        {
            SQLtoXml::setDeleted (r.row, true);
        }
    }
    // The row limit cuts the rows shown, after the whole replay.
    if (limit >= 0)
        for (auto& r : replayed)
            if (! SQLtoXml::isDeleted (r.row) && kept++ >= limit)
                SQLtoXml::setDeleted (r.row, true);
    rows->removeDeleted();

    setScratch (rows.release());
    return true;
}

double ZalogaArtiklov::getTotalVolume()
{
    if (scratch == nullptr || scratch->getData() == nullptr)
    {
        vindoro::vlog ("ZalogaArtiklov::getTotalVolume", kNoResult);
        return 0.0;
    }
    std::int64_t total = 0;
    for (auto* row : scratch->getData()->getChildWithTagNameIterator ("ITEM"))
        total += tenThousandthsOf (row->getDoubleAttribute ("volumen", 0.0));
    return litresOf (total).toDouble();
}

juce::XmlElement* ZalogaArtiklov::addHramba (int hid, double stevilo)
{
    auto* rows = dynamic_cast<StockRows*> (scratch.get());
    if (rows == nullptr)
        return nullptr;
    auto* row = rows->appendRow();
    if (row != nullptr)
    {
        row->setAttribute ("hid", hid);
        row->setAttribute ("stevilo", numberText (stevilo));
    }
    return row;
}

juce::XmlElement* ZalogaArtiklov::findHramba (int hid)
{
    if (scratch == nullptr)
        return nullptr;
    return getRowByReference ("hid", hid);
}

bool isArtikelInactive (int artikelId, SqlitetoXml* db)
{
    std::unique_ptr<SQLtoXml> own;
    if (db == nullptr)
    {
        own = std::make_unique<SQLtoXml>();
        db = own.get();
    }
    const auto active = db->sqlQueryInt ("SELECT active FROM artikel WHERE id=" + juce::String (artikelId));
    return ! (db->ok && active > 0);
}
