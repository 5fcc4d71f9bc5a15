#include "partners/gui/PregledBazeStranka.h"
#include "core/Log.h"
#include "frame/VindorWindow.h"
#include "partners/OwnCompany.h"
#include "partners/StrankaQuery.h"
#include "partners/gui/PartnerColumnSpecs.h"
#include "partners/gui/StrankaEditorContent.h"

namespace
{
// Column ids are the 1-based positions of the party query's result columns.
constexpr int kImeColumn = 2;
constexpr int kColumnsShownOnlyOnRequest[] = { 3, 13, 14, 15, 16, 17, 19, 18, 20, 21, 23, 24, 25, 26 };

void log (const char* method, const juce::String& message)
{
    vindoro::vlog (juce::String ("PregledBazeStranka::") + method, message);
}
} // namespace

PregledBazeStranka::EditorMaker PregledBazeStranka::editorMaker;

PregledBazeStranka::PregledBazeStranka (int kinds, bool canEdit)
    : PregledBaze (strankaSelectSql + juce::String (kinds), canEdit, strankaColumns()), mask (kinds)
{
    auto& header = getTable().getHeader();
    for (int id : kColumnsShownOnlyOnRequest)
        header.setColumnVisible (id, false);
    header.setSortColumnId (kImeColumn, true);
    // The header sorts on its next update; the rows are in order from the start.
    sortOrderChanged (kImeColumn, true);
    header.setStretchToFitActive (true);
    searchColumn = "ime";
}

PregledBazeStranka::~PregledBazeStranka() = default;

StrankaRecord PregledBazeStranka::interpretXml (const juce::XmlElement* row)
{
    return interpretStrankaXml (row);
}

StrankaRecord PregledBazeStranka::getStrankaDetails (SQLtoXml* query, int id)
{
    return ::getStrankaDetails (query, id);
}

void PregledBazeStranka::updateTableContent()
{
    log ("updateTableContent", "updating table content");
    getTable().updateContent();
    repaint();
}

void PregledBazeStranka::cellClicked (int row, int columnId, const juce::MouseEvent& event)
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
        return;
    }
    if (element == selectedRow)
        deselectAllRows();
    else
        selectedRow = element;
}

bool PregledBazeStranka::cancelAction()
{
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool PregledBazeStranka::editAction()
{
    doneFlag = false;
    if (getSelectedRow() == nullptr)
    {
        setErrorMessage (TRANS ("ni izbrane stranke"));
        return false;
    }
    return openEditor (false);
}

bool PregledBazeStranka::insertAction()
{
    doneFlag = false;
    return openEditor (true);
}

bool PregledBazeStranka::openEditor (bool insert)
{
    // A double click reaches here without the button bar's guard: one editor at a time.
    if (auto* open = dynamic_cast<juce::Component*> (currentChild.get()))
    {
        open->toFront (true);
        return true;
    }
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Ajpes"), ButtonCode::businessRegister);
    addButton (TRANS ("Save"), ButtonCode::ok);

    auto* editor = editorMaker ? editorMaker (*this, getSelectedRow(), insert) : nullptr;
    if (editor == nullptr)
    {
        log (insert ? "insertAction" : "editAction", "WARNING: no party editor to open");
        return true;
    }
    auto* window = VindorWindow::launchNormal (TRANS (insert ? "Dodaj Stranko" : "Uredi Stranko"), editor, this, this);
    currentChild = window;
    (insert ? insertWindow : editWindow) = window;
    return true;
}

void PregledBazeStranka::hearEditor (KWindow* window)
{
    if (window->getExitValue() == ButtonCode::cancel)
        return;
    auto* editor = dynamic_cast<StrankaEditorContent*> (window->getAction());
    if (editor == nullptr)
        return;
    const auto party = editor->getStranka();
    if (party.id > 0)
        setReferencedRow ("id", juce::String (party.id));
    reloadData();
}

void PregledBazeStranka::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    log ("changeListenerCallback", "doing action");
    auto* window = dynamic_cast<KWindow*> (source);
    if (window != nullptr && window == insertWindow.get())
    {
        hearEditor (window);
        insertWindow = nullptr;
        currentChild = nullptr;
    }
    if (window != nullptr && window == editWindow.get())
    {
        hearEditor (window);
        editWindow = nullptr;
        currentChild = nullptr;
    }
    log ("changeListenerCallback", "done");
}

bool PregledBazeStranka::deleteAction()
{
    doneFlag = false;
    const auto selected = getTable().getSelectedRows();
    if (selected.isEmpty())
    {
        setErrorMessage (TRANS ("ni izbrane stranke"));
        return false;
    }
    // Every row of the selection is checked: the user or the company among others is still refused.
    juce::Array<juce::XmlElement*> rows;
    for (int i = 0; i < selected.size(); ++i)
        if (auto* row = rowAt (selected[i]))
        {
            if (isProtectedStranka (row->getIntAttribute ("id")))
            {
                setErrorMessage (TRANS ("ne mores izbrisat firme"));
                return false;
            }
            rows.add (row);
        }

    if (! deleteSelectedRows ("ime"))
        return true;
    const int saved = saveDeleted ("id");
    // A stored deletion takes its rows out of the tree.
    invalidateRowIndex();
    if (saved < 0)
    {
        // The one statement switched nothing off: these rows must not look deleted.
        log ("deleteAction", "ERROR: " + lastError);
        for (auto* row : rows)
            SQLtoXml::setDeleted (row, false);
        updateTableContent();
        setErrorMessage (lastError);
        return false;
    }
    updateTableContent();
    return true;
}
