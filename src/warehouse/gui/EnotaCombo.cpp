#include "warehouse/gui/EnotaCombo.h"

#include "core/Log.h"
#include "warehouse/EnotaList.h"
#include "widgets/PregledBaze.h"

EnotaCombo::EnotaCombo (PregledBaze& ownerBrowser)
    : owner (ownerBrowser)
{
    setSize (10, 24);
    for (const auto& e : EnotaList::load ("SELECT * FROM enota"))
        addItem (e.oznaka, e.id + 1);
    setEditableText (false);
    addListener (this);
}

EnotaCombo::~EnotaCombo()
{
    removeListener (this);
}

void EnotaCombo::setRowAndColumn (int newRow, int newColumn)
{
    row = newRow;
    column = newColumn;
    vindoro::vlog ("EnotaCombo::setRowAndColumn", "row:" + juce::String (row) + " column:" + juce::String (column));
    if (auto* element = owner.rowAt (row))
        setSelectedId (element->getIntAttribute ("enotaid", 0) + 1, juce::sendNotificationAsync);
}

void EnotaCombo::comboBoxChanged (juce::ComboBox*)
{
    // Nothing chosen: the row names no unit this combo offers (0, or a unit that is gone). Showing
    // such a row is no edit, and it must not turn into a unit of -1 the next Save would store.
    const int item = getSelectedId();
    if (item == 0)
        return;

    auto* element = owner.rowAt (row);
    if (element == nullptr)
        return;

    const int unit = item - 1;
    if (unit == element->getIntAttribute ("enotaid", 0))
        return;

    element->setAttribute ("enotaid", unit);
    element->setAttribute ("enota", getText());
    SQLtoXml::setModified (element);
    owner.updateTableContent();
}

EnotaCombo* refreshEnotaCombo (juce::Component* existing, PregledBaze& owner, int row, int column)
{
    auto* combo = dynamic_cast<EnotaCombo*> (existing);
    if (combo == nullptr)
    {
        delete existing;
        combo = new EnotaCombo (owner);
    }
    combo->setRowAndColumn (row, column);
    return combo;
}
