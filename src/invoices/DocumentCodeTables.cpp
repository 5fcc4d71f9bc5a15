#include "invoices/DocumentCodeTables.h"

#include "core/TextHelpers.h"

ChoiceTable makePostavkaTipOpisChoices()
{
    struct Kind { int code; const char* name; };
    static const Kind kinds[] = {
        { 1, "Nedoloceno" }, { 2, "Steklenica" }, { 3, "Drugo" }, { 4, "Odprto" }, { 5, "Storitev" },
        { 6, "Prosto" }, { 7, "Samoobdavcitev" }, { 101, "Stroski" }, { 102, "StroskiStoritev" },
        { 103, "Potrosni" }, { 104, "Drobni" }, { 105, "StroskiG" }, { 106, "Zavarovanje" },
        { 107, "Oprema" }, { 108, "PrispevkiSPIS" }, { 109, "PrispevkiZZ" }, { 110, "PlaceNeto" },
        { 111, "AkontacijaDOH" }, { 112, "MaterialniStroski" }, { 113, "OprostitveBlago" },
        { 114, "OprostitveStoritev" }, { 115, "Nepremicnine" }, { 116, "OprostitveNepremicnine" },
        { 117, "StroskiReprezentance" }, { 118, "PSamoobdavcitev" },
    };
    ChoiceTable table;
    for (const auto& k : kinds)
        table.add (juce::translate (juce::String ("opis_") + k.name), k.code);
    return table;
}

juce::String formatDecimal4 (double value)
{
    return formatDecimal (value, 4);
}
