#include "widgets/CellFormat.h"

#include "core/DateTime.h"
#include "core/Log.h"
#include "core/TextHelpers.h"

#include <initializer_list>
#include <map>

using vindoro::vlog;

namespace
{
const auto kLeft = juce::Justification::centredLeft;
const auto kRight = juce::Justification::centredRight;
const auto kCentre = juce::Justification::centred;

bool readsAsYes (const juce::String& value)
{
    const auto c = value.trimStart()[0];
    return c == '1' || c == 't' || c == 'T' || c == 'y' || c == 'Y';
}

// Leading digits of a value as a whole number (0 when none), as the kind codes are read.
int leadingInt (const juce::String& value) { return value.getIntValue(); }

std::map<CellType, CellFormat::Rule>& registeredRules()
{
    static std::map<CellType, CellFormat::Rule> rules;
    return rules;
}

juce::String shownByRule (CellType type, const juce::String& value)
{
    const auto& rules = registeredRules();
    const auto it = rules.find (type);
    return it != rules.end() && it->second.shown ? it->second.shown (value) : value;
}

juce::String storedByRule (CellType type, const juce::String& typed)
{
    const auto& rules = registeredRules();
    const auto it = rules.find (type);
    return it != rules.end() && it->second.stored ? it->second.stored (typed) : typed;
}

// A typed day, month and year made only of digits that name a real day (no 31 February), so
// that a mistyped date is refused rather than moved to another day.
bool isCalendarDate (const juce::String& typed)
{
    const auto parts = juce::StringArray::fromTokens (typed.trim(), "-.,:;/_*+ ", "");
    if (parts.size() != 3)
        return false;
    for (const auto& p : parts)
        if (p.isEmpty() || ! p.containsOnly ("0123456789"))
            return false;
    const int day = parts[0].getIntValue(), month = parts[1].getIntValue(), year = parts[2].getIntValue();
    if (month < 1 || month > 12 || day < 1)
        return false;
    const juce::Time t (year, month - 1, day, 12, 0, 0, 0, true);
    return t.getDayOfMonth() == day && t.getMonth() == month - 1 && t.getYear() == year;
}

// Whether `name` stands in `text` as a word of its own (case aside): "belo vino" names "belo",
// while the Slovenian "morda" (maybe) does not name "da" (yes).
bool namesAsWord (const juce::String& text, const juce::String& name)
{
    const auto lowerText = text.toLowerCase(), lowerName = name.toLowerCase();
    for (int at = lowerText.indexOf (lowerName); at >= 0; at = lowerText.indexOf (at + 1, lowerName))
    {
        const int end = at + lowerName.length();
        const bool startsWord = at == 0 || ! juce::CharacterFunctions::isLetterOrDigit (lowerText[at - 1]);
        const bool endsWord = end >= lowerText.length() || ! juce::CharacterFunctions::isLetterOrDigit (lowerText[end]);
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

// Which of the texts a typed value names: the one it equals, else the only one it holds as a
// word; -1 when it names none or more than one, so a slip never flips a yes into a no.
int namedChoice (const juce::String& typed, std::initializer_list<juce::String> names)
{
    const auto text = typed.trim();
    int index = 0, contained = -1, containedCount = 0;
    for (const auto& name : names)
    {
        const auto n = name.trim();
        if (n.isNotEmpty())
        {
            if (text.equalsIgnoreCase (n))
                return index;
            if (namesAsWord (text, n))
            {
                contained = index;
                ++containedCount;
            }
        }
        ++index;
    }
    return containedCount == 1 ? contained : -1;
}

juce::String shownDate (const juce::Time& t) { return t.formatted (TRANS ("%Y-%m-%d")); }

juce::String dateText (const juce::String& value)
{
    if (! DateTime::isValidText (value))
        return "-";
    const int year = value.substring (0, 4).getIntValue();
    const int month = value.substring (5, 7).getIntValue();
    const int day = value.substring (8, 10).getIntValue();
    return shownDate (juce::Time (year, month - 1, day, 12, 0, 0, 0, true));
}

juce::String eightDigitDateText (const juce::String& value)
{
    const auto text = value.substring (0, 2) + " " + value.substring (2, 4) + " " + value.substring (4, 8);
    if (! DateTime::isValidFormattedText (text, "D:M:Y"))
        return "-";
    DateTime date;
    date.setFromFormattedText (text, "D:M:Y");
    return shownDate (date.time);
}
} // namespace

namespace CellFormat
{
void registerRule (CellType type, Rule rule)
{
    registeredRules()[type] = std::move (rule);
}

bool holdsNumbers (CellType type)
{
    switch (type)
    {
        case CellType::amount:
        case CellType::amountBlankZero:
        case CellType::amountDashZero:
        case CellType::amountTotal:
        case CellType::quantity:
        case CellType::number:
        case CellType::numberCentred:
        case CellType::quantityCentred:
        case CellType::wholeRight:
        case CellType::wholeCentred:
        case CellType::wholeLeft: return true;
        default: return false;
    }
}

juce::String textForValue (const TableColumnSpec& spec, const juce::String& columnName, const juce::String& value,
                           juce::Justification& justification)
{
    if (! spec.valid)
    {
        justification = kCentre;
        return value;
    }
    const int index = spec.indexOfColumn (columnName);
    if (index < 0)
        return {};

    const auto type = spec.cellTypeAt (index);
    const int limit = spec.widthAt (index) * 3 / 2;
    const double number = value.getDoubleValue();

    switch (type)
    {
        case CellType::iban: justification = kCentre; return shownByRule (type, value);
        case CellType::documentKind:
        case CellType::itemKind: justification = kLeft; return shownByRule (type, value);
        case CellType::text:
        case CellType::longText: justification = kLeft; return value;
        case CellType::translated: justification = kLeft; return juce::translate (value);
        case CellType::multiLine:
        {
            justification = kLeft;
            auto text = value.removeCharacters ("\r\n");
            if (text.length() > limit)
                text = text.substring (0, limit) + "...";
            return text;
        }
        case CellType::textRight: justification = kRight; return value;
        case CellType::amount:
        case CellType::amountTotal: justification = kRight; return formatDecimal2 (number);
        case CellType::amountBlankZero: justification = kRight; return number == 0.0 ? juce::String() : formatDecimal2 (number);
        case CellType::amountDashZero: justification = kRight; return number == 0.0 ? juce::String ("-") : formatDecimal2 (number);
        case CellType::quantity: justification = kRight; return formatDecimal (number, 4);
        case CellType::number:
        case CellType::numberCentred: justification = kCentre; return formatDecimal2 (number);
        case CellType::quantityCentred: justification = kCentre; return formatDecimal (number, 4);
        case CellType::wholeRight: justification = kRight; return formatFloor (number);
        case CellType::wholeCentred: justification = kCentre; return formatFloor (number);
        case CellType::wholeLeft: justification = kLeft; return formatFloor (number);
        case CellType::date:
        case CellType::dateEdited: justification = kCentre; return dateText (value);
        case CellType::date8: justification = kCentre; return eightDigitDateText (value);
        case CellType::yesNo: justification = kCentre; return readsAsYes (value) ? TRANS ("bool_true") : TRANS ("bool_false");
        case CellType::wineColour:
        {
            justification = kCentre;
            const int colour = leadingInt (value);
            return colour == 0 ? TRANS ("rdecevino") : colour == 1 ? TRANS ("belovino") : juce::String();
        }
        case CellType::none:
        default: justification = kCentre; return value;
    }
}

bool isNumberText (const juce::String& text)
{
    const auto t = text.replace (TRANS ("decimalna_vejica"), ".").trim();
    auto p = t.getCharPointer();
    if (*p == '-' || *p == '+')
        ++p;
    int digits = 0, points = 0;
    for (; ! p.isEmpty(); ++p)
    {
        if (*p >= '0' && *p <= '9') ++digits;
        else if (*p == '.' && ++points == 1) continue;
        else return false;
    }
    return digits > 0;
}

juce::String decode (const TableColumnSpec& spec, const juce::String& columnName, const juce::String& typed, bool& decoded)
{
    decoded = true;
    const int index = spec.valid ? spec.indexOfColumn (columnName) : -1;
    if (index < 0)
        return typed;

    switch (const auto type = spec.cellTypeAt (index))
    {
        case CellType::documentKind:
            vlog ("PregledBaze::decodeTextForCell", "ERROR: to ni se narejeno");
            return storedByRule (type, typed);
        case CellType::iban:
        case CellType::itemKind: return storedByRule (type, typed);
        case CellType::amount: case CellType::amountBlankZero: case CellType::amountDashZero: case CellType::amountTotal:
        case CellType::number: case CellType::numberCentred:
            decoded = isNumberText (typed);
            return decoded ? juce::String (parseDecimal2 (typed), 2) : juce::String();
        case CellType::quantity: case CellType::quantityCentred:
            decoded = isNumberText (typed);
            return decoded ? juce::String (parseDecimal4 (typed), 4) : juce::String();
        case CellType::wholeRight: case CellType::wholeCentred: case CellType::wholeLeft:
            decoded = isNumberText (typed);
            return decoded ? formatFloor (parseDecimalFloor (typed)) : juce::String();
        case CellType::dateEdited:
        {
            // An empty text clears the date; a text that is no date is refused, never stored as "".
            if (typed.trim().isEmpty())
                return {};
            decoded = DateTime::isValidFormattedText (typed, "DD-MM-YYYY") && isCalendarDate (typed);
            if (! decoded)
                return {};
            DateTime date;
            date.setFromFormattedText (typed, "DD-MM-YYYY");
            const auto& t = date.time;
            const juce::Time midnight (t.getYear(), t.getMonth(), t.getDayOfMonth(), 0, 0, 0, 0, true);
            return midnight.formatted ("%Y-%m-%d %H:%M:%S");
        }
        case CellType::yesNo:
        {
            const int named = namedChoice (typed, { TRANS ("bool_false"), TRANS ("bool_true") });
            decoded = named >= 0;
            return decoded ? juce::String (named) : juce::String();
        }
        case CellType::wineColour:
        {
            const int named = namedChoice (typed, { TRANS ("rdecevino"), TRANS ("belovino") });
            decoded = named >= 0;
            return decoded ? juce::String (named) : juce::String();
        }
        default: return typed;
    }
}
} // namespace CellFormat
