#include "cellar/gui/PregledBazeSorta.h"
#include "cellar/gui/SortaEdit.h"
#include "core/Log.h"
#include "frame/VindorWindow.h"

PregledBazeSorta::PregledBazeSorta (int editing)
    : PregledBaze (query(), editing != 0, columnSpec())
{
    auto& header = getTable().getHeader();
    header.setSortColumnId (kSortaColumn, true);
    // The header sorts on its next update; the rows are in order from the start.
    sortOrderChanged (kSortaColumn, true);
    header.setStretchToFitActive (true);
    addTable ("sorta");
}

PregledBazeSorta::~PregledBazeSorta() = default;

const juce::String& PregledBazeSorta::query()
{
    static const juce::String sql ("SELECT * FROM sorta WHERE active=1");
    return sql;
}

const TableColumnSpec& PregledBazeSorta::columnSpec()
{
    static const TableColumnSpec spec ("sorta_",
                                       { { "sorta", CellType::text, 20 },
                                         { "okrajsano", CellType::textCentred, 5 },
                                         { "barva", CellType::textCentred, 5 },
                                         { "tip", CellType::wineColour, 5 } },
                                       { "id", "active" });
    return spec;
}

juce::Component* PregledBazeSorta::refreshComponentForCell (int row, int columnId, bool, juce::Component* existing)
{
    if (columnId != kBarvaColumn)
    {
        delete existing;
        return nullptr;
    }
    auto* swatch = dynamic_cast<ColourV*> (existing);
    if (swatch == nullptr)
    {
        delete existing;
        swatch = new ColourV (*this);
    }
    swatch->setRow (row);
    return swatch;
}

void PregledBazeSorta::cellClicked (int row, int columnId, const juce::MouseEvent& event)
{
    if (! editable)
    {
        PregledBaze::cellClicked (row, columnId, event);
        return;
    }
    clickCell (row, columnId, event);
    auto* element = rowAt (row);
    if (element == nullptr)
        return;
    if (event.getNumberOfClicks() >= 2)
    {
        selectedRow = element;
        editAction();
    }
    else if (element == selectedRow)
        deselectAllRows();
    else
        selectedRow = element;
}

bool PregledBazeSorta::editAction()
{
    if (currentChild != nullptr)
        return true;
    auto* row = getSelectedRow();
    if (row == nullptr)
    {
        setErrorMessage (TRANS ("ni izbrane sorte"));
        return false;
    }
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::edit);
    auto* editor = new SortaEdit (false);
    editor->setXmlElement (row);
    currentChild = VindorWindow::launchNormal (TRANS ("Uredi sorto"), editor, this, this);
    return true;
}

bool PregledBazeSorta::insertAction()
{
    if (currentChild != nullptr)
        return true;
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::insert);
    // A new variety always starts from the defaults, in a row of its own: the selected row is
    // never handed over, so saving can only add.
    currentChild = VindorWindow::launchNormal (TRANS ("Dodaj sorto"), new SortaEdit (true), this, this);
    return true;
}

bool PregledBazeSorta::deleteAction()
{
    doneFlag = false;
    if (getSelectedRow() == nullptr)
    {
        setErrorMessage (TRANS ("ni izbrane sorte"));
        return false;
    }
    if (! deleteSelectedRows ("sorta"))
        return true;
    return switchOffMarkedRows ("id", "PregledBazeSorta::deleteAction") >= 0;
}

void PregledBazeSorta::reportStored (juce::XmlElement* row)
{
    const int id = row != nullptr ? row->getIntAttribute ("id") : 0;
    if (id > 0)
        setReferencedRow ("id", juce::String (id));
    reloadData();
    repaint();
    if (myWindow != nullptr)
    {
        myWindow->setExitValue (ButtonCode::select);
        notifyKWindowListener();
    }
}

void PregledBazeSorta::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* window = dynamic_cast<KWindow*> (source);
    if (window == nullptr || window != currentChild.get())
        return;

    auto* editor = dynamic_cast<SortaEdit*> (window->getAction());
    const int exitValue = window->getExitValue();

    if (exitValue == ButtonCode::insert && editor != nullptr)
    {
        editor->getXmlElement();
        // The dialog made the row; it becomes the register's before the dialog goes.
        auto row = editor->releaseNewRow();
        window->closeKW();
        currentChild = nullptr;
        auto* data = getData();
        if (row != nullptr && data != nullptr)
        {
            auto* added = row.release();
            data->addChildElement (added);
            numRows = data->getNumChildElements();
            SqlitetoXml::setInserted (added);
            invalidateRowIndex();
            if (saveInserted ("id", false) > 0)
                reportStored (added);
            else
            {
                vindoro::vlog ("PregledBazeSorta::changeListenerCallback", "ERROR: " + lastError);
                updateTableContent();
            }
        }
    }
    else if (exitValue == ButtonCode::edit && editor != nullptr)
    {
        auto* row = editor->getXmlElement();
        window->closeKW();
        currentChild = nullptr;
        if (row != nullptr)
        {
            SqlitetoXml::setModified (row);
            if (saveModified ("id") > 0)
                reportStored (row);
            else
            {
                vindoro::vlog ("PregledBazeSorta::changeListenerCallback", "ERROR: " + lastError);
                updateTableContent();
            }
        }
    }
    else if (exitValue == ButtonCode::cancel)
        window->closeKW();

    currentChild = nullptr;
}
