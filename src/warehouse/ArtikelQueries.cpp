#include "warehouse/ArtikelQueries.h"

#include "warehouse/GoodsRecords.h"

namespace
{
const char* const kArticleColumns =
    "a.id AS id,a.link AS link,a.link2 AS link2,a.ddv AS ddv,a.enota AS enota,a.parent AS parent,a.tip AS tip,a.active AS active";
} // namespace

const juce::String& ArtikelQueries::artikli()
{
    static const juce::String sql =
        "SELECT a.ime AS ime,a.datumkreiranja AS datumkreiranja,a.cena AS cena,CASE WHEN a.tip=" + juce::String (TipRecord::bottledWine)
        + " THEN sor.sorta || ', ' || m.volumen || e.oznaka || ', ' || s.letnik || '-' || s.oznaka || ', ' || k.oznaka ELSE '' END AS serijalabel,"
        + kArticleColumns
        + " FROM artikel AS a  LEFT JOIN serija AS s ON s.id=a.link LEFT JOIN sorta AS sor ON sor.id=s.sorta LEFT JOIN model AS m ON m.id=s.model "
          "LEFT JOIN enota AS e ON e.id=m.enota LEFT JOIN kvaliteta AS k ON k.id=s.kvaliteta";
    return sql;
}

const juce::String& ArtikelQueries::hrambe()
{
    static const juce::String sql =
        juce::String ("SELECT a.ime AS ime,a.datumkreiranja AS datumkreiranja,a.cena AS cena,sk.ime AS skime,h.stevilo AS stevilo,")
        + kArticleColumns + " FROM hramba AS h LEFT JOIN artikel AS a ON h.artikel=a.id LEFT JOIN skladisce AS sk ON sk.id=h.skladisce ";
    return sql;
}

const juce::String& ArtikelQueries::prodaja()
{
    static const juce::String sql = [] {
        const juce::String noPrice = "CASE WHEN r.tip IN (" + juce::String (kTransferNote) + ") THEN '' ELSE ";
        const juce::String price = "ROUND(p.cena*(1.0-r.popust*1e-2)*(1.0-p.popust*1e-2)+1e-12,2)";
        const juce::String net = "ROUND(p.kolicina*p.cena*(1.0-r.popust*1e-2)*(1.0-p.popust*1e-2)+1e-12,2)";
        const juce::String vat = "ROUND(" + net + "*ddv.stopnja*1e-2+1e-12,2)";
        // The article's VAT-rate id comes under a name of its own: under "ddv" it would take the
        // place of the line's VAT amount in the row.
        return "SELECT r.tip AS rtip,r.oznaka AS oznaka,s.ime AS kupec,CASE WHEN r.tip IN (0,2) THEN r.datumopravila ELSE r.datum END AS datum,"
               + noPrice + price + " END AS cena,p.kolicina AS stevilo," + noPrice + vat + " END AS ddv," + noPrice + net + " END AS znesek,"
               + noPrice + vat + "+" + net + " END AS skupaj,"
               + "a.id AS id,a.link AS link,a.link2 AS link2,a.ddv AS artikelddv,a.enota AS enota,a.parent AS parent,a.tip AS tip,a.active AS active"
               + " FROM postavka AS p  LEFT JOIN artikel AS a ON a.id=p.artikel LEFT JOIN racun AS r ON r.id=p.racun  "
                 "LEFT JOIN stranka AS s ON s.id=r.kupecracun LEFT JOIN ddv ON ddv.id=p.ddv";
    }();
    return sql;
}
