#include "partners/gui/PregledBazeDrzava.h"
#include "core/Log.h"
#include "frame/VindorWindow.h"
#include "partners/gui/DrzavaEditor.h"
#include "partners/gui/PartnerColumnSpecs.h"

namespace
{
constexpr int kImeColumn = 2;
}

PregledBazeDrzava::Listener::Listener() : slots (1) {}

PregledBazeDrzava::Listener::~Listener() = default;

void PregledBazeDrzava::Listener::setIDN (DrzavaRecord country, int slot)
{
    if (slot <= 0 || slot > (int) slots.size())
    {
        vindoro::vlog ("PregledBazeDrzava::Listener::setIDN", "ERROR idn is wrong");
        return;
    }
    slots[(size_t) slot - 1] = std::move (country);
}

DrzavaRecord PregledBazeDrzava::Listener::getDrzava() const
{
    return slots.empty() ? DrzavaRecord() : slots.front();
}

PregledBazeDrzava::PregledBazeDrzava (bool canEdit)
    : PregledBaze (drzavaSelectSql, canEdit, drzavaColumns())
{
    auto& header = getTable().getHeader();
    header.setSortColumnId (kImeColumn, false);
    // The header sorts on its next update; the rows are in order from the start.
    sortOrderChanged (kImeColumn, false);
    header.setStretchToFitActive (true);
    searchColumn = "ime";
}

PregledBazeDrzava::~PregledBazeDrzava() = default;

DrzavaRecord PregledBazeDrzava::interpretXml (const juce::XmlElement* row)
{
    return interpretDrzavaXml (row);
}

void PregledBazeDrzava::cellClicked (int row, int columnId, const juce::MouseEvent& event)
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
    // A click on the picked row again answers with nothing picked.
    if (element == selectedRow)
        deselectAllRows();
    else
        selectedRow = element;
    if (myWindow != nullptr)
    {
        myWindow->setExitValue (ButtonCode::select);
        notifyKWindowListener();
    }
}

bool PregledBazeDrzava::openEditor (bool insert)
{
    if (currentChild != nullptr)
        return true;
    doneFlag = false;
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::ok);
    auto* editor = new DrzavaEditor (interpretXml (getSelectedRow()), insert);
    currentChild = VindorWindow::launchNormal (TRANS ("drzava_editaction"), editor, this, this);
    return true;
}

bool PregledBazeDrzava::insertAction()
{
    return openEditor (true);
}

bool PregledBazeDrzava::editAction()
{
    if (currentChild != nullptr || getSelectedRow() == nullptr)
        return true;
    return openEditor (false);
}

void PregledBazeDrzava::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* window = dynamic_cast<KWindow*> (source);
    if (window == nullptr)
        return;
    currentChild = nullptr;
    if (window->getExitValue() != ButtonCode::cancel)
    {
        reloadData();
        repaint();
    }
}

bool PregledBazeDrzava::deleteAction()
{
    if (! deleteSelectedRows ("ime"))
        return true;
    return switchOffMarkedRows ("id", "PregledBazeDrzava::deleteAction") >= 0;
}
