#pragma once
// Row ordering of the record browsers: a natural text comparison (digit runs as numbers) whose
// letter order and capitals come from the language file's "male", "velike" and "abeceda".
// Owned by the widget kit; the process-wide alphabets are read once and never change afterwards.
#include <juce_core/juce_core.h>

#include <array>
#include <vector>

/** One letter order: lower-case letters, their capitals at the same positions, and the collating order. */
class SortAlphabet
{
public:
    SortAlphabet (const juce::String& lower, const juce::String& upper, const juce::String& collating);

    /** The process-wide alphabet, taken from the translations of "male", "velike" and "abeceda"
        on first use. */
    static const SortAlphabet& get();

    /** -1, 0 or 1: natural comparison of two texts in this alphabet. */
    int compare (const juce::String& first, const juce::String& second) const;
    /** The same over zero-terminated UTF-32 texts (sorting converts each key once). */
    int compare (const juce::juce_wchar* first, const juce::juce_wchar* second) const;
    /** The zero-terminated code points of a text, for the form above. */
    static std::vector<juce::juce_wchar> toCodePoints (const juce::String& text);

    /** The capital of `c`: its partner in the upper-case alphabet, else A-Z for a-z, else `c`. */
    juce::juce_wchar upperCase (juce::juce_wchar c) const;

private:
    int collatingIndex (juce::juce_wchar c) const;

    juce::String lowerAlphabet, upperAlphabet, collatingAlphabet;
    // Sorting compares millions of characters: the Latin letters are looked up in tables.
    static constexpr int kTableSize = 0x250;
    std::array<juce::juce_wchar, kTableSize> upperTable {};
    std::array<int, kTableSize> collatingTable {};
};

/** compareAlphabet of the process-wide alphabet. */
int compareAlphabet (const juce::String& first, const juce::String& second);

/** Compares two result rows on one attribute (ties by natural comparison of "id"); built for one sort. */
class RowSortComparator
{
public:
    RowSortComparator (const juce::String& attribute, int sortDirection,
                       const SortAlphabet& alphabet = SortAlphabet::get());

    int compareElements (const juce::XmlElement* first, const juce::XmlElement* second) const;

    juce::String attributeName;
    int direction = 1;

private:
    const SortAlphabet& letters;
};
