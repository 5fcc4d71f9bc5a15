#include "cellar/posoda.h"
#include "core/Log.h"

namespace
{
int intOf (const juce::XmlElement& row, const char* name, int missing)
{
    return row.hasAttribute (name) ? row.getStringAttribute (name).getIntValue() : missing;
}

double doubleOf (const juce::XmlElement& row, const char* name, double missing)
{
    return row.hasAttribute (name) ? row.getStringAttribute (name).getDoubleValue() : missing;
}

bool boolOf (const juce::XmlElement& row, const char* name)
{
    const auto text = row.getStringAttribute (name).trimStart().toLowerCase();
    return text.startsWithChar ('1') || text.startsWithChar ('t') || text.startsWithChar ('y');
}

juce::String numberText (double x) { return juce::String (x); }
} // namespace

posoda::posoda (const juce::XmlElement* row)
{
    if (row == nullptr)
        return;
    const auto& r = *row;
    id = intOf (r, "id", -99);
    oznaka = r.getStringAttribute ("oznaka");
    klet.id = intOf (r, "klet", -99);
    volumen = doubleOf (r, "volumen", -99.0);
    zaloga = doubleOf (r, "zaloga", -99.0);
    pozx = doubleOf (r, "pozx", -99.0);
    pozy = doubleOf (r, "pozy", -99.0);
    pozz = intOf (r, "pozz", -99);
    sorta = r.getStringAttribute ("sorta");
    letnik = intOf (r, "letnik", 0);
    barva = intOf (r, "barva", 0);
    cena = doubleOf (r, "cena", -99.0);
    ddv.id = intOf (r, "ddv", -99);
    tip = intOf (r, "tip", 2);
    active = boolOf (r, "active");

    tipizacija.id = intOf (r, "tipizacija", 1);
    tipizacija.sorta.id = intOf (r, "tipizacijasorta", 1);
    tipizacija.letnik = intOf (r, "tipizacijaletnik", 0);
    tipizacija.kvaliteta = intOf (r, "tipizacijakvalitetaid", 2);
    tipizacija.kvalitetaOznaka = r.getStringAttribute ("tipizacijakvalitetaoznaka");
    tipizacija.glavna = 0;
    tipizacija.posoda = 0;
    if (tipizacija.sorta.id > 1)
    {
        tipizacija.sorta.sorta = sorta;
        tipizacija.sorta.barva = barva;
    }
}

bool posoda::compare (posoda a, posoda b)
{
    auto differs = [&a] (const char* message, const juce::String& av, const juce::String& bv)
    {
        vindoro::vlog ("posoda::compare", "id posode:" + juce::String (a.id) + " " + message + av + " b:" + bv);
        return false;
    };
    auto far = [] (double x, double y, double tolerance) { return std::abs (x - y) > tolerance; };

    if (a.id != b.id) return differs ("id does not match a:", juce::String (a.id), juce::String (b.id));
    if (a.oznaka != b.oznaka) return differs ("oznaka does not match a:", a.oznaka, b.oznaka);
    if (a.klet.id != b.klet.id) return differs ("klet.id does not match a:", juce::String (a.klet.id), juce::String (b.klet.id));
    if (far (a.volumen, b.volumen, 1e-6)) return differs ("volumen does not match a:", numberText (a.volumen), numberText (b.volumen));
    if (far (a.zaloga, b.zaloga, 1e-6)) return differs ("zaloga does not match a:", numberText (a.zaloga), numberText (b.zaloga));
    if (far (a.pozx, b.pozx, 0.001)) return differs ("pozx does not match a:", numberText (a.pozx), numberText (b.pozx));
    if (far (a.pozy, b.pozy, 0.001)) return differs ("pozy does not match a:", numberText (a.pozy), numberText (b.pozy));
    if (a.pozz != b.pozz) return differs ("pozz does not match a:", juce::String (a.pozz), juce::String (b.pozz));
    if (a.tipizacija.id != b.tipizacija.id) return differs ("tipizacija.id does not match a:", juce::String (a.tipizacija.id), juce::String (b.tipizacija.id));
    if (a.sorta != b.sorta) return differs ("sorta does not match a:", a.sorta, b.sorta);
    if (a.letnik != b.letnik) return differs ("letnik does not match a:", juce::String (a.letnik), juce::String (b.letnik));
    if (a.barva != b.barva) return differs ("barva does not match a:", juce::String (a.barva), juce::String (b.barva));
    if (far (a.cena, b.cena, 1e-6)) return differs ("cena does not match a:", numberText (a.cena), numberText (b.cena));
    if (a.ddv.id != b.ddv.id) return differs ("ddv.id does not match a:", juce::String (a.ddv.id), juce::String (b.ddv.id));
    if (a.tip != b.tip) return differs ("tip does not match a:", juce::String (a.tip), juce::String (b.tip));
    if (a.active != b.active) return differs ("active does not match a:", juce::String ((int) a.active), juce::String ((int) b.active));
    return true;
}
