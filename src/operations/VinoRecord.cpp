#include "operations/VinoRecord.h"
#include "core/Log.h"

namespace
{
// A NULL of a left join comes as an empty attribute: it counts as missing.
int intOf (const juce::XmlElement& row, const char* name, int missing)
{
    const auto text = row.getStringAttribute (name);
    return text.isEmpty() ? missing : text.getIntValue();
}
} // namespace

VinoRecord::VinoRecord()
{
    sorta = SortaRecord::empty();
}

juce::String vinoListSql (int posoda)
{
    static const juce::String select =
        "SELECT sorta.sorta AS sorta, vino.letnik AS letnik, zaloga.volumen AS volumen,1e2*zaloga.volumen/(SELECT SUM(z2.volumen) "
        "FROM zaloga AS z2 WHERE z2.volumen>0 AND z2.posoda = zaloga.posoda) AS razmerje, vinogradnik.ime AS vime, parcela.ime AS parcela,"
        "sorta.id AS sortaid,parcela.id AS parcelaid,vino.id AS vinoid,vino.active AS vactive,parcela.active AS pactive,"
        "sorta.active AS sactive FROM zaloga INNER JOIN vino ON zaloga.vino = vino.id INNER JOIN sorta ON vino.sorta = sorta.id "
        "LEFT JOIN parcela ON vino.parcela = parcela.id LEFT JOIN stranka AS vinogradnik ON parcela.vinogradnik = vinogradnik.id "
        "WHERE zaloga.volumen>0 AND zaloga.posoda = ";
    return select + juce::String (posoda) + " ORDER BY volumen DESC";
}

VinoRecord interpretVinoXml (const juce::XmlElement* row)
{
    VinoRecord wine;
    if (row == nullptr)
    {
        vindoro::vlog ("PregledBazeVino::interpretXml", "ERROR: ni podane vrstice");
        return wine;
    }
    wine.id = intOf (*row, "vinoid", 0);
    wine.active = row->getBoolAttribute ("vactive");
    wine.sorta = SortaRecord();
    wine.sorta.id = intOf (*row, "sortaid", 1);
    wine.sorta.sorta = row->getStringAttribute ("sorta");
    wine.sorta.active = row->getBoolAttribute ("sactive");
    wine.letnik = intOf (*row, "letnik", 0);
    wine.volumen = row->getDoubleAttribute ("volumen");
    wine.razmerje = row->getDoubleAttribute ("razmerje");
    wine.parcela.vinogradnik.ime = row->getStringAttribute ("vime");
    wine.parcela.id = intOf (*row, "parcelaid", 1);
    wine.parcela.ime = row->getStringAttribute ("parcela");
    wine.parcela.active = row->getBoolAttribute ("pactive");
    return wine;
}

VinoListener::VinoListener (int count) : slots ((size_t) juce::jmax (0, count)) {}

VinoListener::~VinoListener() = default;

void VinoListener::setIDN (VinoRecord wine, int slot)
{
    if (slot < 1 || slot > (int) slots.size())
    {
        vindoro::vlog ("PregledBazeVino::Listener::setIDN", "ERROR idn is wrong");
        return;
    }
    slots[(size_t) slot - 1] = std::move (wine);
}

VinoRecord VinoListener::getVino (int slot) const
{
    if (slot < 1 || slot > (int) slots.size())
        return {};
    return slots[(size_t) slot - 1];
}

bool VinoListener::takeSorta (const SortaRecord& variety, int slot)
{
    static constexpr const char* method = "SortaButtonPropertyComponent::setIDN";
    vindoro::vlog (method, "gledamo " + juce::String (slot));
    auto wine = getVino (slot);
    vindoro::vlog (method, "dobimo id " + juce::String (wine.id));
    if (wine.sorta == variety)
        return false;
    wine.sorta = variety;
    setIDN (wine, slot);
    vindoro::vlog (method, "postavimo " + juce::String (wine.id));
    return true;
}

bool VinoListener::takeParcela (const ParcelaRecord& parcel)
{
    static constexpr const char* method = "ParcelaButtonPropertyComponent::setIDN";
    auto wine = getVino (1);
    if (wine.parcela == parcel)
    {
        vindoro::vlog (method, "parcela je enaka");
        return false;
    }
    vindoro::vlog (method, "parcela je razlicna");
    wine.parcela = parcel;
    setIDN (wine, 1);
    return true;
}
