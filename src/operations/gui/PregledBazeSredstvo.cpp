#include "operations/gui/PregledBazeSredstvo.h"
#include "core/Log.h"
#include "frame/VindorWindow.h"
#include "operations/gui/AddSredstvo.h"
#include "operations/gui/EditSredstvo.h"

namespace
{
constexpr int kOznakaColumn = 2;
}

const TableColumnSpec& PregledBazeSredstvo::columnSpec()
{
    static const TableColumnSpec spec ("sredstvo_", { { "oznaka", CellType::text, 10 }, { "opis", CellType::text, 20 } },
                                       { "id", "tip", "active" });
    return spec;
}

PregledBazeSredstvo::PregledBazeSredstvo (int mask, bool canEdit)
    : PregledBaze (sredstvoSelectSql (mask), canEdit, columnSpec()), kindMask (mask)
{
    auto& header = getTable().getHeader();
    header.setSortColumnId (kOznakaColumn, true);
    sortOrderChanged (kOznakaColumn, true);
    header.setStretchToFitActive (true);
    for (int i = 0; auto* row = rowAt (i); ++i)
        vindoro::vlog ("PregledBazeSredstvo", "id:" + juce::String (row->getIntAttribute ("id")) + " oznaka:");
}

PregledBazeSredstvo::~PregledBazeSredstvo() = default;

SredstvoRecord PregledBazeSredstvo::interpretXml (const juce::XmlElement* row)
{
    return interpretSredstvoXml (row);
}

void PregledBazeSredstvo::updateTableContent()
{
    vindoro::vlog ("PregledBazeSredstvo::updateTableContent", "updating table content");
    getTable().updateContent();
    repaint();
}

bool PregledBazeSredstvo::insertAction()
{
    doneFlag = false;
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Insert"), ButtonCode::ok);
    auto* dialog = new AddSredstvo (getSelectedRow(), kindMask);
    insertDialog = VindorWindow::launchNormal (TRANS ("Dodaj Sredstvo"), dialog, this, this);
    currentChild = insertDialog.get();
    return true;
}

bool PregledBazeSredstvo::editAction()
{
    doneFlag = false;
    vindoro::vlog ("PregledBazeSredstvo::editAction", "sem tukaj-------------------------------------------------------");
    auto* row = getSelectedRow();
    if (row == nullptr)
    {
        setErrorMessage (TRANS ("ni izbrane sredstvo"));
        return false;
    }
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::ok);
    auto* dialog = new EditSredstvo (row, kindMask);
    editDialog = VindorWindow::launchNormal (TRANS ("Uredi Sredstvo"), dialog, this, this);
    currentChild = editDialog.get();
    return true;
}

bool PregledBazeSredstvo::deleteAction()
{
    doneFlag = false;
    if (getSelectedRow() == nullptr)
    {
        setErrorMessage (TRANS ("ni izbrane sredstvo"));
        return false;
    }
    if (! deleteSelectedRows ("oznaka"))
        return false;
    return switchOffMarkedRows ("id", "PregledBazeSredstvo::deleteAction") >= 0;
}

bool PregledBazeSredstvo::cancelAction()
{
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

void PregledBazeSredstvo::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    vindoro::vlog ("PregledBazeSredstvo::changeListenerCallback", "doing action");
    auto* window = dynamic_cast<KWindow*> (source);
    if (window == nullptr)
        return;
    if (window == insertDialog.get())
    {
        insertDialog = nullptr;
        currentChild = nullptr;
        if (window->getExitValue() != ButtonCode::cancel)
        {
            if (auto* dialog = dynamic_cast<AddSredstvo*> (window->getAction()))
                if (const auto agent = dialog->getSredstvo (1); agent.id > 0)
                    setReferencedRow ("id", juce::String (agent.id));
            reloadData();
            // A browser opened from a picker hands the new agent straight back as the choice.
            if (getSelectedRow() != nullptr && myWindow != nullptr)
            {
                myWindow->setExitValue (ButtonCode::select);
                notifyKWindowListener();
            }
        }
    }
    else if (window == editDialog.get())
    {
        editDialog = nullptr;
        currentChild = nullptr;
        if (window->getExitValue() != ButtonCode::cancel)
            reloadData();
    }
    vindoro::vlog ("PregledBazeSredstvo::changeListenerCallback", "done");
}
