#include "operations/AnalizaValues.h"
#include "core/Globals.h"
#include "core/TextHelpers.h"

const std::array<AnalizaMeasure, 13>& analizaMeasures()
{
    static const std::array<AnalizaMeasure, 13> measures { {
        { "gostota", 4, 4 },    { "alkohol", 2, 45 }, { "salkohol", 2, 45 }, { "ekstrakt", 1, 4 }, { "rsladkor", 2, 269 },
        { "ekstraktbs", 2, 4 }, { "skis", 2, 4 },     { "hkis", 2, 4 },      { "nkis", 2, 4 },     { "ph", 2, 0 },
        { "prosto", 2, 4 },     { "szveplo", 2, 4 },  { "pepel", 2, 4 },
    } };
    return measures;
}

juce::String AnalizaMeasure::rowKey() const { return "analiza_" + juce::String (name); }
juce::String AnalizaMeasure::unitName() const { return "e_" + juce::String (name); }
juce::String AnalizaMeasure::unitSettingKey() const { return "analiza:e_" + juce::String (name); }

AnalizaValues::AnalizaValues()
{
    for (auto* v : { &gostota, &alkohol, &salkohol, &ekstrakt, &rsladkor, &ekstraktbs, &skis, &hkis, &nkis, &ph, &prosto,
                     &szveplo, &pepel, &drugo, &ocena, &odlocba, &datumodlocba })
        *v = juce::String();
}

juce::Value* AnalizaValues::find (const juce::String& name) const
{
    auto* self = const_cast<AnalizaValues*> (this);
    static const char* const names[] = { "gostota", "e_gostota", "alkohol", "e_alkohol", "salkohol", "e_salkohol",
                                         "ekstrakt", "e_ekstrakt", "rsladkor", "e_rsladkor", "ekstraktbs", "e_ekstraktbs",
                                         "skis", "e_skis", "hkis", "e_hkis", "nkis", "e_nkis", "ph", "prosto", "e_prosto",
                                         "szveplo", "e_szveplo", "pepel", "e_pepel", "drugo", "ocena", "odlocba",
                                         "datumodlocba" };
    juce::Value* values[] = { &self->gostota, &self->e_gostota, &self->alkohol, &self->e_alkohol, &self->salkohol,
                              &self->e_salkohol, &self->ekstrakt, &self->e_ekstrakt, &self->rsladkor, &self->e_rsladkor,
                              &self->ekstraktbs, &self->e_ekstraktbs, &self->skis, &self->e_skis, &self->hkis, &self->e_hkis,
                              &self->nkis, &self->e_nkis, &self->ph, &self->prosto, &self->e_prosto, &self->szveplo,
                              &self->e_szveplo, &self->pepel, &self->e_pepel, &self->drugo, &self->ocena, &self->odlocba,
                              &self->datumodlocba };
    for (size_t i = 0; i < std::size (names); ++i)
        if (name == names[i])
            return values[i];
    jassertfalse;
    return nullptr;
}

juce::Value& AnalizaValues::measure (const juce::String& name) { return *find (name); }
const juce::Value& AnalizaValues::measure (const juce::String& name) const { return *find (name); }
juce::Value& AnalizaValues::unit (const juce::String& name) { return *find ("e_" + name); }
const juce::Value& AnalizaValues::unit (const juce::String& name) const { return *find ("e_" + name); }

void AnalizaValues::loadUnits()
{
    auto* app = getAppProperties();
    for (const auto& m : analizaMeasures())
        if (m.unitMask != 0)
            unit (m.name) = app != nullptr ? app->getUserSettings()->getIntValue (m.unitSettingKey(), 0) : 0;
}

void AnalizaValues::saveUnits() const
{
    auto* app = getAppProperties();
    if (app == nullptr)
        return;
    for (const auto& m : analizaMeasures())
        if (m.unitMask != 0)
            app->getUserSettings()->setValue (m.unitSettingKey(), (int) unit (m.name).getValue());
}

juce::String AnalizaValues::checkNumbers() const
{
    for (const auto& m : analizaMeasures())
        if (! isDecimalText (measure (m.name).toString()))
            return TRANS ("vrednost ni stevilo: ") + juce::translate (m.rowKey());
    if (! isDecimalText (ocena.toString()))
        return TRANS ("vrednost ni stevilo: ") + TRANS ("analiza_ocena");
    return {};
}
