#include "warehouse/OdprtoKompozicija.h"
#include "core/Log.h"

using vindoro::Litres;
using vindoro::Percent;

namespace
{
constexpr const char* kOrig = "volumen_orig";

/** The rows that take part: every child not flagged deleted, in list order. */
juce::Array<juce::XmlElement*> liveRows (const juce::XmlElement& rows)
{
    juce::Array<juce::XmlElement*> out;
    for (auto* row : rows.getChildIterator())
        if (! OdprtoKompozicija::isDeleted (*row))
            out.add (row);
    return out;
}

Percent percentOf (const juce::XmlElement& row)
{
    return Percent::fromTypedText (row.getStringAttribute ("razmerje")).value_or (Percent());
}
} // namespace

Litres OdprtoKompozicija::litresOf (const juce::XmlElement& row, const juce::String& attribute)
{
    const auto text = row.getStringAttribute (attribute).trim();
    if (text.isEmpty())
        return {};
    return Litres::fromStoredDouble (text.getDoubleValue()).value_or (Litres());
}

void OdprtoKompozicija::setLitres (juce::XmlElement& row, const juce::String& attribute, Litres litres)
{
    row.setAttribute (attribute, litres.toSql());
}

bool OdprtoKompozicija::isNewWine (const juce::XmlElement& row) { return row.getBoolAttribute ("inserted"); }
bool OdprtoKompozicija::isDeleted (const juce::XmlElement& row) { return row.getBoolAttribute ("deleted"); }

Litres OdprtoKompozicija::baseVolume (const juce::XmlElement& row)
{
    return row.hasAttribute (kOrig) ? litresOf (row, kOrig) : litresOf (row, "volumen");
}

void OdprtoKompozicija::updateRazmerje (juce::XmlElement& rows)
{
    vindoro::vlog ("PregledBazeOEA::updateRazmerje", "vstop");
    const auto live = liveRows (rows);
    Litres sum;
    for (auto* row : live)
        sum += baseVolume (*row);
    for (auto* row : live)
    {
        // base * 100 / sum in percent with two decimals, halves away from zero
        const auto share = sum.isZero() ? Litres() : Litres::fromHundredths (10000).scaledBy (baseVolume (*row).count(), sum.count());
        row->setAttribute ("razmerje", Percent::fromHundredths (share.count()).toText());
    }
    vindoro::vlog ("PregledBazeOEA::updateRazmerje", "izhod");
}

Litres OdprtoKompozicija::updateVolumen (juce::XmlElement& rows)
{
    Litres total;
    for (auto* row : liveRows (rows))
    {
        if (! row->hasAttribute (kOrig))
            setLitres (*row, kOrig, litresOf (*row, "volumen"));
        const auto d = litresOf (*row, "dodano");
        vindoro::vlog ("PregledBazeOEA::updateVolumen", "dodano:" + d.toSql());
        const auto v = d + (isNewWine (*row) ? litresOf (*row, kOrig) : Litres());
        vindoro::vlog ("PregledBazeOEA::updateVolumen", "dodano + volumen_orig:" + v.toSql());
        setLitres (*row, "volumen", v);
        total += v;
    }
    vindoro::vlog ("PregledBazeOEA::updateVolumen", "vracam vrednost:" + total.toSql());
    return total;
}

Litres OdprtoKompozicija::updateDodano (juce::XmlElement& rows, Litres requested)
{
    constexpr const char* method = "PregledBazeOEA::updateDodano";
    vindoro::vlog (method, "vstop zahtevamo:" + requested.toSql());
    const auto live = liveRows (rows);
    auto rest = requested;
    for (auto* row : live)
        if (isNewWine (*row))
        {
            if (! row->hasAttribute (kOrig))
                vindoro::vlog (method, "ERROR: ni volumen_orig");
            rest -= litresOf (*row, kOrig);
        }
    vindoro::vlog (method, "odbili smo dodana nova vina sedaj ostane:" + rest.toSql());
    if (rest.isNegative())
    {
        const auto result = requested - rest;
        vindoro::vlog (method, "ERROR izhod. dodano je negativno:" + rest.toSql() + " return:" + result.toSql());
        return result;
    }
    if (live.isEmpty())
        return updateVolumen (rows);

    std::vector<Litres> parts;
    Litres given;
    for (int i = 0; i < live.size(); ++i)
    {
        const auto r = percentOf (*live[i]);
        auto d = rest.timesPercent (r, vindoro::Rounding::halfAwayFromZero);
        if (i == live.size() - 1)
        {
            vindoro::vlog (method, "Zaokrozil dodano vino za " + (rest - given - d).toSql());
            d = rest - given;
        }
        given += d;
        parts.push_back (d);
    }
    if (parts.back().isNegative())
    {
        // Shares rounded up leave the last row less than nothing: split exactly instead.
        std::vector<Litres> weights;
        for (auto* row : live)
            weights.push_back (baseVolume (*row));
        parts = vindoro::splitLargestRemainder (rest, weights);
    }
    for (int i = 0; i < live.size(); ++i)
    {
        setLitres (*live[i], "dodano", parts[(size_t) i]);
        vindoro::vlog (method, "vino " + juce::String (i) + " razmerje:" + percentOf (*live[i]).toSql()
                                   + " dodano:" + parts[(size_t) i].toSql());
    }
    const auto total = updateVolumen (rows);
    vindoro::vlog (method, "izhod. return:" + total.toSql());
    return total;
}

Litres OdprtoKompozicija::applyEditedWine (juce::XmlElement& rows, juce::XmlElement& edited, Litres quantity)
{
    if (! edited.hasAttribute ("volumen_orig_old"))
    {
        vindoro::vlog ("OdprtoEditArtikel::changeListenerCallback", "ERROR: manjka volumen_orig_old");
        setLitres (edited, "dodano", {});
        return updateVolumen (rows);
    }
    const auto o = litresOf (edited, "volumen_orig_old");
    const auto d = litresOf (edited, "dodano");
    const auto v = litresOf (edited, "volumen");
    const auto before = d + o;
    const auto d2 = before.isZero() ? Litres() : d.scaledBy (v.count(), before.count());
    setLitres (edited, "dodano", d2);
    setLitres (edited, kOrig, v - d2);
    updateRazmerje (rows);
    return quantity - before + v;
}

std::vector<OdprtoKompozicija::Part> OdprtoKompozicija::parts (const juce::XmlElement& rows)
{
    std::vector<Part> out;
    const auto live = liveRows (rows);
    bool anyNew = false;
    for (auto* row : live)
        anyNew = anyNew || isNewWine (*row);
    if (! anyNew)
    {
        vindoro::vlog ("PregledBazeOEA::shraniNovoVinoVArtikle", "ni novih dodanih vin");
        return out;
    }
    for (auto* row : live)
    {
        Part part;
        part.litres = litresOf (*row, "dodano") + (isNewWine (*row) ? litresOf (*row, kOrig) : Litres());
        if (part.litres <= Litres())
            continue;
        part.letnik = row->getIntAttribute ("letnik");
        part.name = row->getStringAttribute ("sorta") + " " + juce::String (part.letnik);
        part.vinoid = row->getIntAttribute ("vinoid");
        part.parcelaid = row->getIntAttribute ("parcelaid", 1);
        part.sortaid = row->getIntAttribute ("sortaid", 1);
        out.push_back (part);
    }
    return out;
}
