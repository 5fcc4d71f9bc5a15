#include "operations/gui/PregledBazeAnaliza.h"
#include "core/TextHelpers.h"

namespace
{
constexpr int kDatumColumn = 1;

const juce::String& baseQuery()
{
    static const juce::String query = []
    {
        const auto g = sqlGroupConcat ("tekstpretok", " ");
        const juce::String moved = " FROM pretok LEFT JOIN posoda ON posoda.id=pretok.posoda LEFT JOIN klet ON posoda.klet=klet.id"
                                   " LEFT JOIN tipizacija ON tipizacija.id=posoda.tipizacija LEFT JOIN sorta AS tipsorta ON"
                                   " tipsorta.id=tipizacija.sorta LEFT JOIN vino ON vino.id=pretok.vino LEFT JOIN sorta ON"
                                   " sorta.id=vino.sorta WHERE pretok.glavna=g.id))";
        juce::String q = "SELECT g.datum AS datum,(SELECT " + g
                         + " FROM (SELECT CASE COUNT(sorta.sorta) WHEN 1 THEN sorta.sorta ELSE tipsorta.sorta END AS tekstpretok,"
                           "pretok.glavna AS glavna" + moved + "  AS vino,(SELECT " + g
                         + " FROM (SELECT posoda.oznaka || '(' || klet.ime || ')' AS tekstpretok,pretok.glavna AS glavna" + moved
                         + "  AS posoda , analiza.id AS id , analiza.glavna AS glavna";
        for (auto* m : { "gostota", "alkohol", "salkohol", "ekstrakt", "rsladkor", "ekstraktbs", "skis", "hkis", "nkis" })
            q << " , analiza." << m << " || ' ' || e_" << m << ".oznaka AS " << m;
        q << " , analiza.ph AS ph";
        for (auto* m : { "prosto", "szveplo", "pepel" })
            q << " , analiza." << m << " || ' ' || e_" << m << ".oznaka AS " << m;
        q << " , analiza.drugo AS drugo , analiza.ocena AS ocena , analiza.odlocba AS odlocba , analiza.datumodlocba AS"
             " datumodlocba , analiza.active AS active FROM analiza  LEFT JOIN glavna AS g ON analiza.glavna=g.id ";
        for (auto* m : { "gostota", "alkohol", "salkohol", "ekstrakt", "rsladkor", "ekstraktbs", "skis", "hkis", "nkis", "prosto",
                         "szveplo", "pepel" })
            q << " LEFT JOIN enota AS e_" << m << " ON e_" << m << ".id=analiza.e_" << m << " ";
        q << " WHERE analiza.active=1";
        return q;
    }();
    return query;
}
} // namespace

juce::String PregledBazeAnaliza::queryFor (const juce::String& filter)
{
    if (filter.isEmpty())
        return baseQuery() + " ORDER BY id DESC";
    return baseQuery() + " AND odlocba LIKE '%" + sqlEscape (filter) + "%' ORDER BY id DESC";
}

// pH and the grade come as plain numbers, which the row tree holds with twenty digits: shown
// with two decimals, as they were typed and stored.
const TableColumnSpec& PregledBazeAnaliza::columnSpec()
{
    static const TableColumnSpec spec (
        "analiza_",
        { { "datum", CellType::date, 12 },        { "odlocba", CellType::text, 10 },       { "datumodlocba", CellType::date, 12 },
          { "gostota", CellType::textCentred, 10 }, { "alkohol", CellType::textCentred, 10 }, { "salkohol", CellType::textCentred, 10 },
          { "ekstrakt", CellType::textCentred, 10 }, { "rsladkor", CellType::textCentred, 10 },
          { "ekstraktbs", CellType::textCentred, 10 }, { "skis", CellType::textCentred, 10 }, { "hkis", CellType::textCentred, 10 },
          { "nkis", CellType::textCentred, 10 },     { "ph", CellType::number, 10 },     { "prosto", CellType::textCentred, 10 },
          { "szveplo", CellType::textCentred, 10 },  { "pepel", CellType::textCentred, 10 },  { "drugo", CellType::textCentred, 15 },
          { "ocena", CellType::number, 10 },    { "vino", CellType::text, 15 },          { "posoda", CellType::text, 15 } },
        { "id", "glavna", "active" });
    return spec;
}

PregledBazeAnaliza::PregledBazeAnaliza() : PregledBazeAnaliza (juce::String()) {}

PregledBazeAnaliza::PregledBazeAnaliza (const juce::String& filter) : PregledBaze (queryFor (filter), false, columnSpec())
{
    auto& header = getTable().getHeader();
    header.setSortColumnId (kDatumColumn, true);
    header.setStretchToFitActive (false);
}

PregledBazeAnaliza::~PregledBazeAnaliza() = default;
