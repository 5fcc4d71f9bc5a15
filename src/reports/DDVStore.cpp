#include "reports/DDVStore.h"

#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"

#include <sstream>

namespace
{
const char* const kMethod = "DDVEditor::save";

bool isDigitsOrEmpty (const juce::String& text)
{
    return text.containsOnly ("0123456789");
}

// A query object that reports the rows a statement changed and the id it inserted, read under
// the statement's own lock, so another thread's INSERT cannot slip in between.
class RateStatement : public SQLtoXml
{
public:
    bool run (const juce::String& sql, juce::int64& changes, juce::int64& insertedId)
    {
        return runStatement (kMethod, sql, &changes, &insertedId);
    }
};
} // namespace

std::optional<double> DDVStore::readStopnja (const juce::String& typed)
{
    auto text = typed.trim();
    if (text.startsWithChar ('-') || text.startsWithChar ('+'))
        text = text.substring (1);

    const auto separator = decimalSeparator();
    int split = text.indexOfChar ('.');
    int width = 1;
    if (split < 0 && separator.isNotEmpty())
    {
        split = text.indexOf (separator);
        width = separator.length();
    }

    const auto whole = split < 0 ? text : text.substring (0, split);
    const auto fraction = split < 0 ? juce::String() : text.substring (split + width);
    if (! isDigitsOrEmpty (whole) || ! isDigitsOrEmpty (fraction) || (whole + fraction).isEmpty())
        return std::nullopt;

    const double value = ((whole.isEmpty() ? juce::String ("0") : whole) + "."
                          + (fraction.isEmpty() ? juce::String ("0") : fraction)).getDoubleValue();
    return typed.trim().startsWithChar ('-') ? -value : value;
}

juce::String DDVStore::stopnjaSqlText (double stopnja)
{
    std::ostringstream out;
    out.imbue (std::locale::classic());
    out.precision (6);
    out << stopnja;
    return juce::String (out.str());
}

juce::String DDVStore::save (DDVRecord& record, const juce::String& typedStopnja, bool create)
{
    if (record.opis.isEmpty())
    {
        vindoro::vlog (kMethod, "Empty DDV opis!");
        return TRANS ("DDV nima opisa");
    }

    const auto stopnja = readStopnja (typedStopnja);
    if (! stopnja.has_value() || *stopnja < 0.0)
    {
        vindoro::vlog (kMethod, "Stopnja napacna:" + typedStopnja);
        return TRANS ("DDV stopnja napacna");
    }

    if (record.tip < kLowestKind || record.tip > kHighestKind)
    {
        vindoro::vlog (kMethod, "tip napacen:" + juce::String (record.tip));
        return TRANS ("DDV tip napacen");
    }

    const auto opis = sqlEscape (record.opis);
    const auto tip = juce::String (record.tip);
    const auto rate = stopnjaSqlText (*stopnja);

    RateStatement statement;
    juce::int64 changes = 0, insertedId = 0;
    if (create)
    {
        if (! statement.run ("INSERT INTO ddv(opis,tip,stopnja,active) VALUES('" + opis + "','" + tip + "','" + rate + "','1')",
                             changes, insertedId))
            return TRANS ("Napaka pri dodajanju ddv z opisom ") + record.opis;
        record.id = (juce::int32) insertedId;
    }
    else
    {
        // An UPDATE that finds no row is no save: the rate the user changed is not in the table.
        if (! statement.run ("UPDATE ddv SET active=1,opis='" + opis + "',tip=" + tip + ",stopnja='" + rate
                                 + "' WHERE id = " + juce::String (record.id),
                             changes, insertedId)
            || changes < 1)
            return TRANS ("Napaka pri spreminjanju ddv z opisom ") + record.opis;
    }

    record.stopnja = *stopnja;
    record.active = true;
    return {};
}
