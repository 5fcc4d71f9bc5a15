#include "reports/gui/DDVCombo.h"

#include "core/Log.h"
#include "core/TextHelpers.h"
#include "reports/DDV.h"
#include "widgets/PregledBaze.h"

DDVCombo::DDVCombo (PregledBaze& ownerBrowser)
    : owner (ownerBrowser)
{
    setEditableText (false);
    addListener (this);
    setSize (10, 24);

    auto* rates = DDV::getInstance();
    if (rates == nullptr)
    {
        vindoro::vlog ("DDVCombo::DDVCombo", "ERROR: ni singletona DDV");
        return;
    }

    addItem (TRANS ("Not selected"), kNotSelectedItem);
    for (int i = 0; i < rates->getNumRates(); ++i)
        addItem (formatDecimal1 (rates->getStopnje()[i]) + " - " + rates->getLabel (i), rates->getIds()[i] + 1);
}

DDVCombo::~DDVCombo()
{
    removeListener (this);
}

void DDVCombo::setRowAndColumn (int newRow, int newColumn)
{
    row = newRow;
    column = newColumn;

    if (owner.getNumRows() <= 0 || owner.getData() == nullptr)
    {
        vindoro::vlog ("DDVCombo::setRowAndColumn", "ni podatkov");
        return;
    }
    auto* element = owner.rowAt (row);
    if (element == nullptr)
    {
        vindoro::vlog ("DDVCombo::setRowAndColumn", "ni vrstice");
        return;
    }
    setSelectedId (element->getIntAttribute ("ddvid", 0) + 1, juce::sendNotificationAsync);
}

bool DDVCombo::keyPressed (const juce::KeyPress& key)
{
    const int code = key.getKeyCode();
    if (code == juce::KeyPress::leftKey || code == juce::KeyPress::upKey || code == juce::KeyPress::rightKey
        || code == juce::KeyPress::downKey)
    {
        // The table moves between rows and cells with the arrows.
        vindoro::vlog ("DDVCombo::keyPressed", "not consuming this key");
        return false;
    }
    return juce::ComboBox::keyPressed (key);
}

void DDVCombo::comboBoxChanged (juce::ComboBox*)
{
    const int item = getSelectedId();
    // No item chosen: the row's rate is not among the loaded ones (an inactive rate of an old
    // item). Showing it must not overwrite it.
    if (item == 0)
        return;

    auto* element = owner.rowAt (row);
    if (element == nullptr)
        return;

    const int ddvid = item - 1;
    if (ddvid == element->getIntAttribute ("ddvid", 0))
        return;

    element->setAttribute ("ddvid", ddvid);
    element->setAttribute ("DDV", getText());
    SQLtoXml::setModified (element);
    owner.updateTableContent();
}
