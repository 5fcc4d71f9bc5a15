#pragma once
// A vessel's declaration (declared variety, vintage and quality grade): one row of `tipizacija`.
#include "cellar/SortaRecord.h"

class TipizacijaRecord
{
public:
    TipizacijaRecord();

    int id = -1;
    int glavna = 0;
    SortaRecord sorta;
    int letnik = 0;
    int kvaliteta = -1;
    juce::String kvalitetaOznaka;
    int posoda = 0;
};
