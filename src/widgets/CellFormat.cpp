#include "widgets/CellFormat.h"

#include "accounts/DocumentKindLists.h"
#include "core/Log.h"
#include "invoices/DocumentCodeTables.h"
#include "partners/PaymentReferences.h"
#include "core/DateTime.h"
#include "core/TextHelpers.h"

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

    const int type = spec.typeAt (index);
    const int limit = spec.widthAt (index) * 3 / 2;
    const double number = value.getDoubleValue();

    switch (type)
    {
        case 3: justification = kCentre; return groupByFour (value);
        case 4:
        {
            justification = kLeft;
            ChoiceTable kinds;
            makeAllRacunTipChoices (kinds);
            return kinds.getText (leadingInt (value));
        }
        case 5: justification = kLeft; return makePostavkaTipOpisChoices().getText (leadingInt (value));
        case 6:
        case 9: justification = kLeft; return value;
        case 7: justification = kLeft; return juce::translate (value);
        case 8:
        {
            justification = kLeft;
            auto text = value.removeCharacters ("\r\n");
            if (text.length() > limit)
                text = text.substring (0, limit) + "...";
            return text;
        }
        case 10: justification = kRight; return value;
        case 11:
        case 14: justification = kRight; return formatDecimal2 (number);
        case 12: justification = kRight; return number == 0.0 ? juce::String() : formatDecimal2 (number);
        case 13: justification = kRight; return number == 0.0 ? juce::String ("-") : formatDecimal2 (number);
        case 15: justification = kRight; return formatDecimal4 (number);
        case 16:
        case 17: justification = kCentre; return formatDecimal2 (number);
        case 18: justification = kCentre; return formatDecimal4 (number);
        case 19: justification = kRight; return formatFloor (number);
        case 20: justification = kCentre; return formatFloor (number);
        case 21: justification = kLeft; return formatFloor (number);
        case 22:
        case 24: justification = kCentre; return dateText (value);
        case 23: justification = kCentre; return eightDigitDateText (value);
        case 25: justification = kCentre; return readsAsYes (value) ? TRANS ("bool_true") : TRANS ("bool_false");
        case 26:
        {
            justification = kCentre;
            const int colour = leadingInt (value);
            return colour == 0 ? TRANS ("rdecevino") : colour == 1 ? TRANS ("belovino") : juce::String();
        }
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

    switch (spec.typeAt (index))
    {
        case 3: return normaliseIban (typed);
        case 4: vlog ("PregledBaze::decodeTextForCell", "ERROR: to ni se narejeno"); return typed;
        case 11: case 12: case 13: case 14: case 16: case 17:
            decoded = isNumberText (typed);
            return decoded ? juce::String (parseDecimal2 (typed), 2) : juce::String();
        case 15: case 18:
            decoded = isNumberText (typed);
            return decoded ? juce::String (parseDecimal4 (typed), 4) : juce::String();
        case 19: case 20: case 21:
            decoded = isNumberText (typed);
            return decoded ? formatFloor (parseDecimalFloor (typed)) : juce::String();
        case 24:
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
        case 25:
            return typed.contains (TRANS ("bool_true")) ? "1" : "0";
        case 26:
            return typed.contains (TRANS ("rdecevino")) ? "0" : typed.contains (TRANS ("belovino")) ? "1" : "2";
        default: return typed;
    }
}
} // namespace CellFormat
