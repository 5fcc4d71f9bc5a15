#include "operations/gui/AnalizaRows.h"
#include "warehouse/gui/ValUnitRow.h"
#include "widgets/CalendarButtonPropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"

namespace
{
constexpr double kUnitShare = 0.3;
constexpr int kCalendarMode = 1;
}

juce::Array<juce::PropertyComponent*> createAnalizaProperties (AnalizaValues& values, juce::Component* owner)
{
    juce::Array<juce::PropertyComponent*> rows;
    for (const auto& m : analizaMeasures())
    {
        const auto name = juce::translate (m.rowKey());
        if (m.unitMask != 0)
            rows.add (createValUnitRow (values.measure (m.name), values.unit (m.name), name, m.unitMask, kUnitShare));
        else
            rows.add (new VindorTextPropertyComponent (values.measure (m.name), name, 200, false));
    }
    rows.add (new VindorTextPropertyComponent (values.drugo, TRANS ("analiza_drugo"), 200, false));
    rows.add (new VindorTextPropertyComponent (values.ocena, TRANS ("analiza_ocena"), 200, false));
    rows.add (new VindorTextPropertyComponent (values.odlocba, TRANS ("analiza_odlocba"), 200, false));
    auto* date = new CalendarButtonPropertyComponent (TRANS ("analiza_datumodlocba"), owner, kCalendarMode);
    date->getValueObject().referTo (values.datumodlocba);
    rows.add (date);
    return rows;
}
