#include "operations/gui/TreatmentRows.h"
#include "operations/gui/SredstvoValButton.h"
#include "warehouse/gui/ValUnitRow.h"
#include "widgets/VindorTextPropertyComponent.h"

namespace
{
constexpr int kTreatmentUnitMask = 15;
constexpr double kUnitShare = 0.3;
}

juce::Array<juce::PropertyComponent*> createTreatmentProperties (TreatmentValues& values, juce::Value& agentText,
                                                                 juce::Component* owner)
{
    const auto& kind = values.kind();
    juce::Array<juce::PropertyComponent*> rows;
    rows.add (new SredstvoValButton (kind.agentBit, agentText, juce::translate (kind.rowKey ("sredstvo")), owner, kind.slot));
    if (kind.hasAmount)
        rows.add (createValUnitRow (values.kolicina, values.e_kolicina, juce::translate (kind.rowKey ("kolicina")),
                                    kTreatmentUnitMask, kUnitShare));
    if (kind.remarkChars > 0)
        rows.add (new VindorTextPropertyComponent (values.opis, juce::translate (kind.rowKey ("opis")), kind.remarkChars, true));
    return rows;
}
