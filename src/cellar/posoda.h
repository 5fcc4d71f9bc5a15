#pragma once
// One vessel as it travels between windows: its own data, its cellar, its declaration and what
// the shared vessel query derives (variety, vintage and colour shown, stock). A plain value.
#include "cellar/KletRecord.h"
#include "cellar/TipizacijaRecord.h"
#include "reports/DDVRecord.h"

class posoda
{
public:
    posoda() = default;
    /** Reads every field from a row of the shared vessel query; a missing column gives its own
        default (-99 ids, amounts and positions; 1 declaration and variety; 2 kind and grade).
        The cellar's name is never in the row. A null row leaves the empty record. */
    explicit posoda (const juce::XmlElement* row);

    void clear() { *this = posoda(); }

    /** True when a and b match in every compared field; the first difference is logged. */
    static bool compare (posoda a, posoda b);

    int id = -1;
    juce::String oznaka;
    KletRecord klet;
    double volumen = 0.0;
    double zaloga = 0.0;
    double pozx = 0.0;
    double pozy = 0.0;
    int pozz = 0;
    TipizacijaRecord tipizacija;
    juce::String sorta;
    int letnik = 0;
    int barva = 0;
    double cena = 0.0;
    DDVRecord ddv;
    int tip = 2;
    bool active = false;
};
