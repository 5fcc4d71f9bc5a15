#include "partners/gui/PregledBazeIBAN.h"

#include "core/Log.h"
#include "frame/VindorWindow.h"
#include "partners/IbanStore.h"
#include "partners/gui/IBANEditor.h"
#include "partners/gui/PartnerColumnSpecs.h"

namespace
{
constexpr int kNosilecColumn = 1;
constexpr int kIbanColumn = 2;
} // namespace

PregledBazeIBAN::Listener::Listener() : slots (1) {}

PregledBazeIBAN::Listener::~Listener() = default;

void PregledBazeIBAN::Listener::setIDN (IbanRecord account, int slot)
{
    if (slot <= 0 || slot > (int) slots.size())
    {
        vindoro::vlog ("PregledBazeIBAN::Listener::setIDN", "ERROR idn is wrong");
        return;
    }
    slots[(size_t) slot - 1] = std::move (account);
}

IbanRecord PregledBazeIBAN::Listener::getIban (int slot) const
{
    return slot > 0 && slot <= (int) slots.size() ? slots[(size_t) slot - 1] : IbanRecord();
}

PregledBazeIBAN::PregledBazeIBAN (StrankaRecord owner, bool canEdit)
    : PregledBaze (ibanSelectSql + juce::String (" AND iban.stranka=") + juce::String (owner.id), canEdit, ibanColumns()),
      holder (std::move (owner))
{
    auto& header = getTable().getHeader();
    header.setSortColumnId (kIbanColumn, true);
    // The header sorts on its next update; the rows are in order from the start.
    sortOrderChanged (kIbanColumn, true);
    header.setColumnVisible (kNosilecColumn, false);
    header.setStretchToFitActive (true);
}

PregledBazeIBAN::~PregledBazeIBAN() = default;

IbanRecord PregledBazeIBAN::interpretXml (const juce::XmlElement* row)
{
    return IbanStore::interpretXml (row);
}

juce::XmlElement* PregledBazeIBAN::toXml (const IbanRecord& account)
{
    return IbanStore::toXml (account).release();
}

void PregledBazeIBAN::appendAccount (const IbanRecord& account, bool markInserted)
{
    auto* rows = getData();
    if (rows == nullptr)
        return;
    auto* row = toXml (account);
    if (markInserted)
        SQLtoXml::setInserted (row);
    rows->addChildElement (row);
    takeResultPointers();
    invalidateRowIndex();
    updateTableContent();
}

void PregledBazeIBAN::cellClicked (int row, int columnId, const juce::MouseEvent& event)
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

void PregledBazeIBAN::openEditor (const IbanRecord& account, bool insert)
{
    doneFlag = false;
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::ok);
    currentChild = VindorWindow::launchNormal (TRANS (insert ? "Dodaj IBAN" : "Uredi IBAN"), new IBANEditor (account, insert), this, this);
}

bool PregledBazeIBAN::insertAction()
{
    if (currentChild != nullptr)
        return true;
    IbanRecord account;
    if (auto* row = getSelectedRow())
        account = interpretXml (row);
    else
        account.nosilec = holder;
    openEditor (account, true);
    return true;
}

bool PregledBazeIBAN::editAction()
{
    if (currentChild != nullptr || getSelectedRow() == nullptr)
        return true;
    openEditor (interpretXml (getSelectedRow()), false);
    return true;
}

void PregledBazeIBAN::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* window = dynamic_cast<KWindow*> (source);
    if (window == nullptr)
        return;
    if (window->getExitValue() != ButtonCode::cancel)
    {
        if (auto* editor = dynamic_cast<IBANEditor*> (window->getAction()); editor != nullptr && editor->getIban().id > 0)
            setReferencedRow ("id", juce::String (editor->getIban().id));
        reloadData();
        repaint();
        // The account just saved is picked at once.
        if (getSelectedRow() != nullptr && myWindow != nullptr)
        {
            myWindow->setExitValue (ButtonCode::select);
            notifyKWindowListener();
        }
    }
    currentChild = nullptr;
}

bool PregledBazeIBAN::deleteAction()
{
    juce::Array<juce::XmlElement*> rows;
    const auto selected = getTable().getSelectedRows();
    for (int i = 0; i < selected.size(); ++i)
        if (auto* row = rowAt (selected[i]))
            rows.add (row);
    if (rows.isEmpty() || ! deleteSelectedRows ("iban"))
        return true;

    juce::Array<int> stored;
    std::vector<IbanRecord> accounts;
    for (auto* row : rows)
    {
        accounts.push_back (interpretXml (row));
        if (accounts.back().id > 0)
            stored.add (accounts.back().id);
    }
    juce::String error;
    if (! IbanStore::deactivate (stored, error))
    {
        // Nothing was switched off: these rows must not look deleted.
        for (auto* row : rows)
            SQLtoXml::setDeleted (row, false);
        updateTableContent();
        setErrorMessage (error);
        return false;
    }
    removeDeleted();
    invalidateRowIndex();
    updateTableContent();
    repaint();
    if (onDeleted)
        for (auto& account : accounts)
            onDeleted (account);
    return true;
}
