#include "cellar/gui/PregledBazeParcela.h"
#include "cellar/gui/ParcelaEditor.h"
#include "core/Log.h"
#include "frame/VindorWindow.h"

namespace
{
constexpr int kParcelaColumn = 2;
// The country shows by its code: its name and EU flag stay in the rows for the record only.
constexpr int kDrzavaImeColumn = 7;
constexpr int kDrzavaEuColumn = 9;
}

const TableColumnSpec& PregledBazeParcela::columnSpec()
{
    static const TableColumnSpec spec ("parcela_",
                                       { { "parcela", CellType::text, 10 }, { "vime", CellType::textCentred, 10 },
                                         { "vnaslov", CellType::textCentred, 10 }, { "gerkpid", CellType::textCentred, 10 },
                                         { "drzavaime", CellType::textCentred, 15 }, { "drzavakratica", CellType::textCentred, 10 },
                                         { "drzavaeu", CellType::yesNo, 5 } },
                                       { "parcelaid", "strankaid", "active", "drzavaid" });
    return spec;
}

PregledBazeParcela::PregledBazeParcela (bool canEdit)
    : PregledBaze (parcelaSelectSql, canEdit, columnSpec())
{
    auto& header = getTable().getHeader();
    header.setSortColumnId (kParcelaColumn, true);
    sortOrderChanged (kParcelaColumn, true);
    header.setColumnVisible (kDrzavaImeColumn, false);
    header.setColumnVisible (kDrzavaEuColumn, false);
    header.setStretchToFitActive (true);
}

PregledBazeParcela::~PregledBazeParcela() = default;

ParcelaRecord PregledBazeParcela::interpretXml (const juce::XmlElement* row)
{
    return interpretParcelaXml (row);
}

void PregledBazeParcela::cellClicked (int row, int columnId, const juce::MouseEvent& event)
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
            deselectAllRows();
        else
            selectedRow = element;
        return;
    }
    if (element == selectedRow)
        deselectAllRows();
    else
        selectedRow = element;
    // One click chooses: the picker takes the row (or, after a second click on it, nothing).
    if (myWindow != nullptr)
    {
        myWindow->setExitValue (ButtonCode::select);
        notifyKWindowListener();
    }
}

void PregledBazeParcela::openEditor (bool insert)
{
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::ok);
    auto* editor = new ParcelaEditor (interpretXml (getSelectedRow()), insert);
    currentChild = VindorWindow::launchNormal (insert ? TRANS ("Dodaj Parcelo") : TRANS ("Uredi Parcelo"), editor, this, this);
}

bool PregledBazeParcela::insertAction()
{
    doneFlag = false;
    if (currentChild == nullptr)
        openEditor (true);
    return true;
}

bool PregledBazeParcela::editAction()
{
    doneFlag = false;
    if (currentChild == nullptr && getSelectedRow() != nullptr)
        openEditor (false);
    return true;
}

bool PregledBazeParcela::deleteAction()
{
    doneFlag = false;
    if (getSelectedRow() == nullptr)
    {
        setErrorMessage (TRANS ("Parcela ni izbrana"));
        return false;
    }
    if (! deleteSelectedRows ("parcela"))
        return true;
    return switchOffMarkedRows ("parcelaid", "PregledBazeParcela::deleteAction") >= 0;
}

void PregledBazeParcela::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* window = dynamic_cast<KWindow*> (source);
    if (window == nullptr || window != currentChild.get())
        return;
    if (window->getExitValue() != ButtonCode::cancel)
    {
        if (auto* editor = dynamic_cast<ParcelaEditor*> (window->getAction()))
        {
            // A parcel just added or edited goes back to a picker as its choice.
            setReferencedRow ("parcelaid", juce::String (editor->getParcela().id));
            reloadData();
            if (myWindow != nullptr)
            {
                myWindow->setExitValue (ButtonCode::select);
                currentChild = nullptr;
                notifyKWindowListener();
                return;
            }
        }
        else
        {
            reloadData();
            repaint();
        }
    }
    currentChild = nullptr;
}
