#include "operations/DeclarationChoice.h"

std::optional<TipizacijaRecord> declarationFromSection (const SortaRecord& variety, const juce::String& vintage, int grade,
                                                        const TipizacijaRecord& current, const char*& refusal)
{
    if (variety.id < 2)
    {
        refusal = "Tipizacija problem sorta";
        return std::nullopt;
    }
    if (vintage.trim().isEmpty())
    {
        refusal = "Tipizacija problem ni letnika";
        return std::nullopt;
    }
    const int letnik = vintage.trim().getIntValue();
    if (current.id > 1 && current.sorta.id == variety.id && current.letnik == letnik && current.kvaliteta == grade)
        return current;
    TipizacijaRecord declaration;
    declaration.id = -1;
    declaration.sorta = variety;
    declaration.letnik = letnik;
    declaration.kvaliteta = grade;
    return declaration;
}

std::optional<TipizacijaRecord> declarationForVessel (bool sectionOpen, const SortaRecord& variety, const juce::String& vintage,
                                                      int grade, const TipizacijaRecord& current, int otherVarieties,
                                                      const char*& refusal)
{
    if (sectionOpen)
        return declarationFromSection (variety, vintage, grade, current, refusal);
    if (otherVarieties >= 1)
    {
        refusal = "Tipizacija ni izbrana";
        return std::nullopt;
    }
    if (current.sorta.id == 1)
        return current;
    TipizacijaRecord none;
    none.id = 1;
    return none;
}
