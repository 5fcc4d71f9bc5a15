#include "partners/gui/PregledBazeAjpes.h"

#include "core/Log.h"
#include "frame/ButtonRecord.h"
#include "frame/VindorWindow.h"

using vindoro::vlog;

namespace
{
constexpr int kShortNameColumnId = 2;
} // namespace

const TableColumnSpec& PregledBazeAjpes::ajpesColumnSpec()
{
    static const TableColumnSpec spec ("ajpes_",
                                       { { "ime", CellType::text, 30 },
                                         { "kratko_ime", CellType::text, 10 },
                                         { "naslov", CellType::text, 10 },
                                         // the register's numbers shown as they come, centred
                                         { "maticna", static_cast<CellType> (2), 8 },
                                         { "davcna", static_cast<CellType> (2), 8 } },
                                       { "ajpesid" });
    return spec;
}

PregledBazeAjpes::PregledBazeAjpes (std::unique_ptr<juce::XmlElement> hits)
{
    vlog ("PregledBazeAjpes::PregledBazeAjpes", "inside");
    columnSpec = ajpesColumnSpec();
    attach (std::move (hits));
    invalidateRowIndex();
    bindTableAndBuildHeader();

    tableList.getHeader().setSortColumnId (kShortNameColumnId, true);
    sortOrderChanged (kShortNameColumnId, true); // the header tells the table only on a later message
    tableList.setMultipleSelectionEnabled (false);
    updateTableContent();
}

PregledBazeAjpes::~PregledBazeAjpes() = default;

bool PregledBazeAjpes::buttonAction (int code)
{
    // The generic browser answers OK without calling an override of okAction.
    if (code == ButtonCode::ok)
        return okAction();
    return PregledBaze::buttonAction (code);
}

bool PregledBazeAjpes::okAction()
{
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

bool PregledBazeAjpes::cancelAction()
{
    doneFlag = true;
    notifyKWindowListener();
    return true;
}

void PregledBazeAjpes::cellClicked (int row, int columnId, const juce::MouseEvent& event)
{
    PregledBaze::cellClicked (row, columnId, event);
    auto* element = rowAt (row);
    if (element == nullptr)
        return;
    // A second click on the selected row deselects it in the generic browser; here it stays the pick.
    tableList.selectRow (row);
    selectedRow = element;
    if (myWindow != nullptr)
    {
        myWindow->setExitValue (ButtonCode::select);
        notifyKWindowListener();
    }
}

VindorWindow* PregledBazeAjpes::launch (std::unique_ptr<juce::XmlElement> hits, VindorWindowSetup& opener,
                                        juce::Component& openerComponent, juce::Component* owner)
{
    opener.clearButtons();
    opener.addButton (TRANS ("Close"), ButtonCode::cancel);
    opener.addButton (TRANS ("OK"), ButtonCode::ok);
    auto* browser = new PregledBazeAjpes (std::move (hits));
    browser->setSize (800, 400);
    auto* window = VindorWindow::launchNormal (TRANS ("strankaajpes1"), browser, owner, &openerComponent);
    opener.currentChild = window;
    return window;
}
