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
