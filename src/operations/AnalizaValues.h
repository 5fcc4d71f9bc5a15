#pragma once
// One window's entries of a wine analysis: thirteen measures typed as text, twelve of them with a
// unit whose choice the user settings remember, a note, a grade, a decision and its date. Lives as
// long as its window; the rows that show it are built in operations/gui/AnalizaRows.h.
#include <juce_data_structures/juce_data_structures.h>

#include <array>

/** One measure of an analysis: its column, decimals, unit quantity mask (0 for none) and keys. */
struct AnalizaMeasure
{
    const char* name;        // the column, also the row key after "analiza_"
    int decimals;
    int unitMask;            // units of `enota` sharing a bit with it; 0: no unit
    /** "analiza_" + name */
    juce::String rowKey() const;
    /** The column and the Value of the unit: "e_" + name. */
    juce::String unitName() const;
    /** "analiza:e_" + name */
    juce::String unitSettingKey() const;
};

/** The thirteen measures in the order of their rows and columns. */
const std::array<AnalizaMeasure, 13>& analizaMeasures();

class AnalizaValues
{
public:
    AnalizaValues();

    /** Sets each unit from its user setting (0 without one). */
    void loadUnits();
    /** Writes each unit back under its setting. */
    void saveUnits() const;
    /** The text refusing the first measure or grade that is not a number, naming its row; empty
        when everything may be stored (an empty measure stores 0). */
    juce::String checkNumbers() const;

    /** The typed text of measure `name` and the Value of its unit (`e_` + name). */
    juce::Value& measure (const juce::String& name);
    const juce::Value& measure (const juce::String& name) const;
    juce::Value& unit (const juce::String& name);
    const juce::Value& unit (const juce::String& name) const;

    juce::Value gostota, e_gostota, alkohol, e_alkohol, salkohol, e_salkohol, ekstrakt, e_ekstrakt, rsladkor, e_rsladkor,
        ekstraktbs, e_ekstraktbs, skis, e_skis, hkis, e_hkis, nkis, e_nkis, ph, prosto, e_prosto, szveplo, e_szveplo,
        pepel, e_pepel, drugo, ocena, odlocba, datumodlocba;

private:
    juce::Value* find (const juce::String& name) const;
};
