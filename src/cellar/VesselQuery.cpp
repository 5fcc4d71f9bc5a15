#include "cellar/VesselQuery.h"

const juce::String& VesselQuery::text()
{
    static const juce::String query = juce::String (
        "SELECT posoda.id AS id,posoda.klet AS klet,posoda.volumen AS volumen,posoda.pozx AS pozx,posoda.pozy AS pozy,posoda.pozz AS pozz,posoda.cena AS cena,posoda.tip AS tip,posoda.ddv AS ddv,posoda.oznaka AS oznaka,posoda.active AS active,")
        + "tipizacija.id AS tipizacija,tipizacija.sorta AS tipizacijasorta,tipizacija.letnik AS tipizacijaletnik,tipizacija.kvaliteta AS tipizacijakvalitetaid,kvaliteta.oznaka AS tipizacijakvalitetaoznaka,"
        + "CASE WHEN sorta.id IS NULL OR sorta.id<2 THEN (SELECT s1.sorta FROM zaloga AS z1 LEFT JOIN vino AS v1 ON z1.vino=v1.id LEFT JOIN sorta AS s1 ON v1.sorta=s1.id WHERE z1.volumen>0 AND z1.posoda=posoda.id LIMIT 1) ELSE sorta.sorta END AS sorta,"
        + "CASE WHEN sorta.id IS NULL OR sorta.id<2 THEN (SELECT MIN(v2.letnik) FROM zaloga AS z2 LEFT JOIN vino AS v2 ON z2.vino=v2.id WHERE z2.volumen>0 AND z2.posoda=posoda.id)  ELSE tipizacija.letnik END AS letnik,"
        + "CASE WHEN sorta.id IS NULL OR sorta.id<2 THEN (SELECT s2.barva FROM zaloga AS z3 INNER JOIN vino AS v3 ON z3.vino=v3.id INNER JOIN sorta AS s2 ON v3.sorta=s2.id WHERE z3.volumen>0 AND z3.posoda=posoda.id LIMIT 1) ELSE sorta.barva END AS barva,"
        + "SUM(zaloga.volumen) AS zaloga FROM posoda LEFT JOIN zaloga ON zaloga.posoda = posoda.id LEFT JOIN tipizacija ON tipizacija.id = posoda.tipizacija LEFT JOIN kvaliteta ON kvaliteta.id = tipizacija.kvaliteta LEFT JOIN sorta ON sorta.id=tipizacija.sorta";
    return query;
}
