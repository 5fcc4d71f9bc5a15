#include "widgets/RowSortComparator.h"

namespace
{
using CharPtr = const juce::juce_wchar*;

bool isSpace (juce::juce_wchar c) { return c == ' ' || (c >= 9 && c <= 13); }
bool isDigit (juce::juce_wchar c) { return c >= '0' && c <= '9'; }

// A run that starts with a zero is a fraction-like run: compared digit by digit from the left.
int compareLeadingZeroRuns (CharPtr a, CharPtr b)
{
    for (;; ++a, ++b)
    {
        const bool da = isDigit (*a), db = isDigit (*b);
        if (! da && ! db) return 0;
        if (! da) return -1;
        if (! db) return 1;
        if (*a < *b) return -1;
        if (*a > *b) return 1;
    }
}

// Plain number runs: the longer run is the larger number; equal lengths decide by the first difference.
int compareNumberRuns (CharPtr a, CharPtr b)
{
    int difference = 0;
    for (;; ++a, ++b)
    {
        const bool da = isDigit (*a), db = isDigit (*b);
        if (! da && ! db) return difference;
        if (! da) return -1;
        if (! db) return 1;
        if (difference == 0)
        {
            if (*a < *b) difference = -1;
            else if (*a > *b) difference = 1;
        }
    }
}
} // namespace

std::vector<juce::juce_wchar> SortAlphabet::toCodePoints (const juce::String& text)
{
    std::vector<juce::juce_wchar> out;
    out.reserve ((size_t) text.length() + 1);
    for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
        out.push_back (*p);
    out.push_back (0);
    return out;
}

SortAlphabet::SortAlphabet (const juce::String& lower, const juce::String& upper, const juce::String& collating)
    : lowerAlphabet (lower), upperAlphabet (upper), collatingAlphabet (collating)
{
    for (int c = 0; c < kTableSize; ++c)
    {
        const int index = lowerAlphabet.indexOfChar ((juce::juce_wchar) c);
        // A lower-case alphabet longer than its upper-case partner must not read past the end.
        if (index >= 0 && index < upperAlphabet.length())
            upperTable[(size_t) c] = upperAlphabet[index];
        else if (c >= 'a' && c <= 'z')
            upperTable[(size_t) c] = (juce::juce_wchar) (c - 'a' + 'A');
        else
            upperTable[(size_t) c] = (juce::juce_wchar) c;
        collatingTable[(size_t) c] = collatingAlphabet.indexOfChar ((juce::juce_wchar) c);
    }
}

int SortAlphabet::collatingIndex (juce::juce_wchar c) const
{
    return c < (juce::juce_wchar) kTableSize ? collatingTable[(size_t) c] : collatingAlphabet.indexOfChar (c);
}

const SortAlphabet& SortAlphabet::get()
{
    static const SortAlphabet alphabet (TRANS ("male"), TRANS ("velike"), TRANS ("abeceda"));
    return alphabet;
}

juce::juce_wchar SortAlphabet::upperCase (juce::juce_wchar c) const
{
    if (c < (juce::juce_wchar) kTableSize)
        return upperTable[(size_t) c];
    const int index = lowerAlphabet.indexOfChar (c);
    return index >= 0 && index < upperAlphabet.length() ? upperAlphabet[index] : c;
}

int SortAlphabet::compare (const juce::String& first, const juce::String& second) const
{
    const auto a = toCodePoints (first), b = toCodePoints (second);
    return compare (a.data(), b.data());
}

int SortAlphabet::compare (const juce::juce_wchar* a, const juce::juce_wchar* b) const
{
    bool firstPass = true;

    for (;;)
    {
        const bool spaceA = isSpace (*a), spaceB = isSpace (*b);
        if (! firstPass && spaceA != spaceB)
            return spaceB ? 1 : -1;

        while (isSpace (*a)) ++a;
        while (isSpace (*b)) ++b;

        if (isDigit (*a) && isDigit (*b))
        {
            const int r = (*a == '0' || *b == '0') ? compareLeadingZeroRuns (a, b) : compareNumberRuns (a, b);
            if (r != 0)
                return r;
        }

        const juce::juce_wchar ca = *a, cb = *b;
        if (ca != 0) ++a;
        if (cb != 0) ++b;

        if (ca != cb)
        {
            const auto ua = upperCase (ca), ub = upperCase (cb);
            if (ua != ub)
            {
                const int ia = collatingIndex (ua);
                const int ib = collatingIndex (ub);
                if (ia >= 0 && ib >= 0) return ia < ib ? -1 : 1;
                if (ib >= 0) return -1;
                if (ia >= 0) return 1;
                return ua < ub ? -1 : 1;
            }
        }

        if (ca == 0)
            return 0;
        firstPass = false;
    }
}

int compareAlphabet (const juce::String& first, const juce::String& second)
{
    return SortAlphabet::get().compare (first, second);
}

RowSortComparator::RowSortComparator (const juce::String& attribute, int sortDirection, const SortAlphabet& alphabet)
    : attributeName (attribute), direction (sortDirection), letters (alphabet)
{
}

int RowSortComparator::compareElements (const juce::XmlElement* first, const juce::XmlElement* second) const
{
    const int r = letters.compare (first->getStringAttribute (attributeName), second->getStringAttribute (attributeName));
    if (r != 0)
        return r * direction;
    return first->getStringAttribute ("id").compareNatural (second->getStringAttribute ("id")) * direction;
}
