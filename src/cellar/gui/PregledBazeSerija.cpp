#include "cellar/gui/PregledBazeSerija.h"
#include "cellar/SerijaListener.h"
#include "cellar/SerijaStore.h"
#include "cellar/gui/CreateSerijaAction.h"
#include "cellar/gui/DnevnikSerija.h"
#include "cellar/gui/EditSerijaAction.h"
#include "cellar/gui/InsertSerijaAction.h"
#include "core/Log.h"
#include "db/SQLtoXml.h"
#include "frame/MessageBoxes.h"
#include "frame/VindorWindow.h"

using juce::String;

namespace
{
String filteredQuery (int letnik)
{
    return SerijaStore::query() + " AND serija.letnik>=" + String (letnik) + " ORDER BY id DESC";
}
} // namespace

PregledBazeSerija::PregledBazeSerija (int letnik, bool withCount)
    : PregledBaze (filteredQuery (letnik), false, columnSpec()), letnikFilter (letnik), countRow (withCount)
{
    searchColumn = "sorta";
    addTables (*this);
}

PregledBazeSerija::PregledBazeSerija (bool isEditable, bool withCount)
    : PregledBaze (SerijaStore::query() + " ORDER BY id DESC", isEditable, columnSpec()), countRow (withCount)
{
    addTables (*this);
}

PregledBazeSerija::~PregledBazeSerija() = default;

const TableColumnSpec& PregledBazeSerija::columnSpec()
{
    static const TableColumnSpec spec ("serija_",
                                       { { "oznaka", CellType::textCentred, 5 },
                                         { "letnik", CellType::wholeCentred, 5 },
                                         { "stevilo", CellType::wholeCentred, 5 },
                                         { "sorta", CellType::textCentred, 8 },
                                         { "model", CellType::textCentred, 8 },
                                         { "kvaliteta", CellType::textCentred, 5 } },
                                       { "id", "sortaid", "modelid", "kvalitetaid", "active", "volumen", "modelenota", "modelenotaSI" });
    return spec;
}

SerijaRecord PregledBazeSerija::interpretXml (const juce::XmlElement* row)
{
    return SerijaStore::interpretXml (row);
}

bool PregledBazeSerija::reloadSerija (SerijaRecord& record, SQLtoXml* db)
{
    return SerijaStore::reloadSerija (record, db);
}

bool PregledBazeSerija::compare (SerijaRecord a, SerijaRecord b)
{
    return SerijaStore::compare (a, b);
}

bool PregledBazeSerija::reloadCompareSet (SerijaRecord picked, SQLtoXml* db, juce::Component* owner)
{
    static const char* where = "PregledBazeSerija::reloadCompareSet";
    vindoro::vlog (where, "tukaj");
    if (picked.id < 1)
        return false;
    auto fresh = picked;
    if (! SerijaStore::reloadSerija (fresh, db))
    {
        // Booking on a batch that is gone (or that cannot be read now) would point the bottles at
        // a removed row: the callers must stop as for a changed batch.
        vindoro::vlog (where, "ERROR: serije " + String (picked.id) + " ni mogoce prebrati");
        return true;
    }
    if (SerijaStore::compare (picked, fresh))
        return false;
    if (auto* listener = dynamic_cast<SerijaListener*> (owner))
        listener->setSerijaIDN (fresh, 1);
    vindoro::vlog (where, "gremo ven");
    return true;
}

void PregledBazeSerija::addTables (SQLtoXml& db)
{
    for (auto* table : { "serija", "sorta", "model", "enota", "kvaliteta" })
        db.addTable (table);
}

void PregledBazeSerija::reloadData()
{
    if (letnikFilter == -1)
    {
        const auto given = getQuery();
        PregledBaze::sqlQuery (given);
    }
    else
        PregledBaze::sqlQuery (filteredQuery (letnikFilter));
    // The rows keep the order the person sees in the header, whatever the query's ORDER BY.
    auto& header = getTable().getHeader();
    sortOrderChanged (header.getSortColumnId(), header.isSortedForwards());
    updateTableContent();
    selectReferencedRow();
}

void PregledBazeSerija::setEditable (bool shouldBeEditable)
{
    editable = shouldBeEditable;
    updateTableContent();
}

bool PregledBazeSerija::buttonAction (int code)
{
    if (code == ButtonCode::history)
        return moreAction();
    return PregledBaze::buttonAction (code);
}

bool PregledBazeSerija::cancelAction()
{
    notifyKWindowListener();
    doneFlag = true;
    return true;
}

bool PregledBazeSerija::insertAction()
{
    if (currentChild != nullptr)
    {
        vindoro::vlog ("PregledBazeSerija::insertAction", "edit/insert window is still active");
        return true;
    }
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::saveItem);
    CreateSerijaAction* dialog = countRow ? new InsertSerijaAction (letnikFilter) : new CreateSerijaAction (letnikFilter);
    currentChild = VindorWindow::launchNormal ("Nova serija", dialog, this, this);
    return true;
}

bool PregledBazeSerija::editAction()
{
    if (currentChild != nullptr)
    {
        vindoro::vlog ("PregledBazeSerija::editAction", "edit/insert window is still active");
        return true;
    }
    auto* row = getSelectedRow();
    if (row == nullptr)
        return true;
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::saveItem);
    currentChild = VindorWindow::launchNormal ("Uredi serija", new EditSerijaAction (row), this, this);
    return true;
}

void PregledBazeSerija::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    vindoro::vlog ("PregledBazeSerija::changeListenerCallback", "doing action");
    auto* window = dynamic_cast<KWindow*> (source);
    if (window == nullptr || window != currentChild.get())
        return;
    if (window->getExitValue() == ButtonCode::saveItem)
    {
        if (auto* dialog = dynamic_cast<CreateSerijaAction*> (window->getAction()))
        {
            if (letnikFilter != -1)
                letnikFilter = dialog->getLetnik();
            if (dialog->getRecord().id > 0)
                setReferencedRow ("id", String (dialog->getRecord().id));
        }
        reloadData();
        repaint();
    }
    currentChild = nullptr;
}

bool PregledBazeSerija::moreAction()
{
    if (currentChild != nullptr)
    {
        vindoro::vlog ("PregledBazeSerija::moreAction", "one window is still active");
        return true;
    }
    auto* row = getSelectedRow();
    if (row == nullptr)
        return true;
    const auto serija = interpretXml (row);
    if (serija.id <= 0)
    {
        vindoro::vlog ("PregledBazeSerija::moreAction", "ERROR: ne prepoznam serije");
        return true;
    }
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Print"), ButtonCode::print);
    auto journal = createDnevnikSerija();
    journal->setSerijaIDN (serija, 1);
    journal->reloadData();
    currentChild = VindorWindow::launchNormal (TRANS ("ZgodovinaSerije"), journal.release(), this, this);
    return true;
}

bool PregledBazeSerija::deleteAction()
{
    auto* row = getSelectedRow();
    if (row == nullptr)
        return false;
    const auto serija = interpretXml (row);
    if (! askOkCancel (TRANS ("Delete"), TRANS ("Want to delete") + formatSerija (serija.sorta.sorta, serija), this))
        return false;
    SQLtoXml::setDeleted (row, true);
    const int saved = switchOffMarkedRows ("id", "PregledBazeSerija::deleteAction");
    vindoro::vlog ("PregledBazeSerija::deleteAction", String::formatted ("%d rows deleted", saved));
    deselectAllRows();
    selectedRow = nullptr;
    updateTableContent();
    repaint();
    return true;
}

void PregledBazeSerija::cellClicked (int row, int columnId, const juce::MouseEvent& event)
{
    clickCell (row, columnId, event);
    auto* element = rowAt (row);
    if (element == nullptr)
        return;
    if (! editable)
    {
        if (element == selectedRow)
        {
            deselectAllRows();
            selectedRow = nullptr;
        }
        else
            selectedRow = element;
        // One click picks; a click that cleared the selection leaves the chooser without a row.
        if (myWindow != nullptr)
        {
            myWindow->setExitValue (ButtonCode::select);
            notifyKWindowListener();
        }
        return;
    }
    if (event.getNumberOfClicks() >= 2)
        return;
    if (element == selectedRow)
        deselectAllRows();
    else
        selectedRow = element;
}
