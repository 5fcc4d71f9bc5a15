#include "warehouse/gui/RefreshDDVCombo.h"

DDVCombo* refreshDDVCombo (juce::Component* existing, PregledBaze& owner, int row, int column)
{
    auto* combo = dynamic_cast<DDVCombo*> (existing);
    if (combo == nullptr)
    {
        delete existing;
        combo = new DDVCombo (owner);
    }
    combo->setRowAndColumn (row, column);
    return combo;
}
