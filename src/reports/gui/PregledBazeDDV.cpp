#include "reports/gui/PregledBazeDDV.h"

#include "core/Log.h"
#include "frame/VindorWindow.h"
#include "reports/gui/DDVEditor.h"

PregledBazeDDV::PregledBazeDDV (bool editable)
    : PregledBaze (kQuery, editable, columnSpec())
{
    // Highest rate first.
    const int stopnjaColumn = getColumnIdForAttributeName ("stopnja");
    if (stopnjaColumn > 0)
        getTable().getHeader().setSortColumnId (stopnjaColumn, false);
}

PregledBazeDDV::~PregledBazeDDV() = default;

const TableColumnSpec& PregledBazeDDV::columnSpec()
{
    static const TableColumnSpec spec ("ddv_",
                                       { { "opis", CellType::text, 15 },
                                         { "stopnja", CellType::number, 10 },
                                         { "tip", CellType::text, 15 } },
                                       { "id", "active" });
    return spec;
}

DDVRecord PregledBazeDDV::interpretXml (const juce::XmlElement* row)
{
    return DDVRecord::fromRow (row);
}

void PregledBazeDDV::paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected)
{
    if (getAttributeNameForColumnId (columnId) != "tip")
    {
        PregledBaze::paintCell (g, row, columnId, width, height, selected);
        return;
    }

    g.setColour (juce::Colours::black);
    auto font = tableFont;
    font.setHeight (juce::jmin (tableFont.getHeight(), 0.7f * (float) height));
    g.setFont (font);
    if (auto* element = rowAt (row))
        g.drawText (TRANS ("ddv_tip_" + juce::String (element->getIntAttribute ("tip", 0))), 2, 0, width - 4, height,
                    juce::Justification::centredLeft, true);
    g.setColour (juce::Colours::black.withAlpha (0.2f));
    g.fillRect (width - 1, 0, 1, height);
}

void PregledBazeDDV::cellClicked (int row, int columnId, const juce::MouseEvent& event)
{
    clickCell (row, columnId, event);
    auto* element = rowAt (row);
    if (element == nullptr)
        return;

    if (editable)
    {
        if (event.getNumberOfClicks() >= 2)
        {
            selectedRow = element;
            editAction();
        }
        else if (element == selectedRow)
        {
            deselectAllRows();
        }
        else
        {
            selectedRow = element;
        }
        return;
    }

    // A picker answers every click: the opener reads the row picked now, or finds none after
    // a second click on the same row took the choice back.
    if (element == selectedRow)
        deselectAllRows();
    else
        selectedRow = element;
    setExitValue (ButtonCode::select);
    notifyKWindowListener();
}

bool PregledBazeDDV::openEditor (const DDVRecord& edited, bool createNew)
{
    if (currentChild != nullptr)
    {
        vindoro::vlog ("PregledBazeDDV::openEditor", "one window is still open");
        return true;
    }

    doneFlag = false;
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::ok);
    currentChild = VindorWindow::launchNormal (TRANS ("ddv_editaction"), new DDVEditor (edited, createNew), this, this);
    return true;
}

bool PregledBazeDDV::insertAction()
{
    if (currentChild != nullptr)
        return true;
    // A selected rate is the pattern of the new one.
    return openEditor (interpretXml (getSelectedRow()), true);
}

bool PregledBazeDDV::editAction()
{
    if (currentChild != nullptr)
        return true;
    auto* row = getSelectedRow();
    if (row == nullptr)
        return true;
    return openEditor (interpretXml (row), false);
}

bool PregledBazeDDV::deleteAction()
{
    if (! deleteSelectedRows ("opis"))
        return true;

    const int saved = saveDeleted ("id");
    if (saved >= 1)
    {
        reloadSorted();
        return true;
    }

    // Nothing was switched off: the rows must not look deleted.
    vindoro::vlog ("PregledBazeDDV::deleteAction", "ERROR: no rate deactivated: " + lastError);
    if (auto* d = getData())
        for (auto* row : d->getChildIterator())
            SQLtoXml::setDeleted (row, false);
    updateTableContent();
    repaint();
    return true;
}

void PregledBazeDDV::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = dynamic_cast<KWindow*> (source);
    if (child == nullptr)
        return;

    currentChild = nullptr;
    if (child->getExitValue() != ButtonCode::cancel)
        reloadSorted();
}

void PregledBazeDDV::reloadSorted()
{
    reloadData();
    repaint();
}
