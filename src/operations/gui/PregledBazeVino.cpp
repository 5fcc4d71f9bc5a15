#include "operations/gui/PregledBazeVino.h"
#include "core/Log.h"
#include "frame/ButtonRecord.h"
#include "frame/KWindow.h"
#include "frame/MessageBoxes.h"
#include "frame/VindorWindow.h"
#include "cellar/PosodaOps.h"
#include "operations/gui/DnevnikVino.h"
#include "operations/gui/UrediZalog.h"
#include "operations/gui/VnosZalog.h"

namespace
{
// Column ids are the 1-based positions of the query's result columns.
constexpr int kVolumenColumn = 3;
}

const TableColumnSpec& PregledBazeVino::columnSpec()
{
    static const TableColumnSpec spec ("odprtoaddartikel_",
                                       { { "sorta", CellType::text, 10 },
                                         { "letnik", CellType::wholeCentred, 5 },
                                         { "volumen", CellType::numberCentred, 8 },
                                         { "razmerje", CellType::number, 5 },
                                         { "vime", CellType::textCentred, 10 },
                                         { "parcela", CellType::textCentred, 10 } },
                                       { "sortaid", "parcelaid", "vinoid", "vactive", "sactive", "pactive" });
    return spec;
}

PregledBazeVino::PregledBazeVino (posoda vessel)
    : PregledBaze (vinoListSql (vessel.id), false, columnSpec()), PosodaListener (1)
{
    setPosodaIDN (vessel, 1);
    getTable().getHeader().setSortColumnId (kVolumenColumn, false);
}

PregledBazeVino::PregledBazeVino() : PregledBaze (vinoListSql (-1), false, columnSpec()), PosodaListener (1)
{
    getTable().getHeader().setSortColumnId (kVolumenColumn, false);
    getTable().getHeader().setStretchToFitActive (true);
}

PregledBazeVino::~PregledBazeVino() = default;

void PregledBazeVino::reloadVino()
{
    rememberedRow = nullptr;
    sqlQuery (vinoListSql (getPosoda (1).id));
}

juce::String PregledBazeVino::vinoIds (bool allWines)
{
    juce::StringArray ids;
    if (allWines)
    {
        if (auto* data = getData())
            for (int i = data->getNumChildElements(); --i >= 0;)
                ids.add (juce::String (data->getChildElement (i)->getIntAttribute ("vinoid")));
    }
    else
    {
        auto* row = getSelectedRow();
        if (row == nullptr)
            return {};
        ids.add (juce::String (row->getIntAttribute ("vinoid")));
    }
    return "(" + ids.joinIntoString (",") + ")";
}

void PregledBazeVino::zgodovinaVina (bool allWines)
{
    if (currentChild != nullptr)
        return;
    const auto ids = vinoIds (allWines);
    if (ids.isEmpty())
        return;
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Print"), ButtonCode::print);
    auto journal = createDnevnikVino (ids);
    if (journal == nullptr)
    {
        showMessageOK (1, TRANS ("Edit"), TRANS ("Ni izbranega vina"), this);
        return;
    }
    if (allWines)
        journal->setPosodaIDN (getPosoda (1), 1);
    currentChild = VindorWindow::launchNormal (TRANS ("ZgodovinaVina"), journal.release(), this, this);
}

bool PregledBazeVino::buttonAction (int code)
{
    if (currentChild != nullptr)
    {
        vindoro::vlog ("PregledBazeVino::buttonAction", "one window is still open");
        return true;
    }
    if (code == ButtonCode::history)
    {
        zgodovinaVina (true);
        return true;
    }
    if (code == ButtonCode::edit)
    {
        const bool result = editAction();
        // The list stays open behind the editor.
        setDoneFlag (false);
        return result;
    }
    if (code == ButtonCode::insert)
        return insertAction();
    return PregledBaze::buttonAction (code);
}

bool PregledBazeVino::editAction()
{
    if (currentChild != nullptr)
        return true;
    auto* row = getSelectedRow();
    if (row == nullptr)
    {
        showMessageOK (1, TRANS ("Edit"), TRANS ("Ni izbranega vina"), this);
        return true;
    }
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::ok);
    auto vessel = getPosoda (1);
    if (vessel.id > 0)
        PosodaOps::reloadPosoda (vessel, this);
    currentChild = VindorWindow::launchNormal (TRANS ("UrediZalog"), new UrediZalog (row, vessel), this, this);
    return true;
}

bool PregledBazeVino::insertAction()
{
    if (currentChild != nullptr)
        return true;
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::ok);
    auto vessel = getPosoda (1);
    if (vessel.id > 0)
        PosodaOps::reloadPosoda (vessel, this);
    auto* form = new VnosZalog();
    form->setPosodaIDN (vessel, 1);
    currentChild = VindorWindow::launchNormal (TRANS ("VnosZalog"), form, this, this);
    return true;
}

void PregledBazeVino::cellClicked (int row, int columnId, const juce::MouseEvent& event)
{
    PregledBaze::cellClicked (row, columnId, event);
    auto* element = rowAt (row);
    if (element == nullptr)
        return;
    if (event.getNumberOfClicks() >= 2)
    {
        rememberedRow = element;
        zgodovinaVina (false);
    }
    else if (element == rememberedRow)
    {
        deselectAllRows();
        rememberedRow = nullptr;
    }
    else
        rememberedRow = element;
}

void PregledBazeVino::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = currentChild.get();
    if (child != nullptr && source == dynamic_cast<juce::ChangeBroadcaster*> (child) && child->getExitValue() == ButtonCode::ok)
    {
        if (auto* picked = dynamic_cast<PosodaListener*> (child->getAction()))
            setPosodaIDN (picked->getPosoda (1), 1);
        reloadVino();
        updateTableContent();
        repaint();
        if (auto* own = myWindow.get())
            own->setExitValue (ButtonCode::refresh);
        notifyKWindowListener();
    }
    currentChild = nullptr;
}
