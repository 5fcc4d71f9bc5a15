#include "warehouse/gui/PregledBazeKosovnica.h"

#include "core/Log.h"
#include "frame/ButtonRecord.h"
#include "frame/VindorWindow.h"
#include "warehouse/KosovnicaAdd.h"
#include "warehouse/gui/KosovnicaEdit.h"
#include "warehouse/gui/KosovnicaView.h"

namespace
{
constexpr int kImeColumn = 1;
constexpr int kDatumColumn = 2;
} // namespace

PregledBazeKosovnica::PregledBazeKosovnica (const juce::String& sql) : PregledBaze (sql, false, kosovnicaColumnSpec()) {}

PregledBazeKosovnica::~PregledBazeKosovnica()
{
    if (auto* child = currentChild.get())
        child->closeKW();
}

juce::String PregledBazeKosovnica::queryForBill (int kosovnica)
{
    return juce::String (kKosovnicaQuery) + " WHERE ko.id=" + juce::String (kosovnica);
}

bool PregledBazeKosovnica::isUsedOnInvoices()
{
    return KosovnicaAdd::isUsedOnInvoices (getHramba().id, *this);
}

bool PregledBazeKosovnica::insertAction()
{
    doneFlag = false;
    if (currentChild != nullptr)
        return true;
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Insert"), ButtonCode::insert);
    currentChild = VindorWindow::launchNormal (TRANS ("KosovnicaEdit"), new KosovnicaEdit (this), openerComponent.getComponent(), this);
    return true;
}

void PregledBazeKosovnica::followProductsBill()
{
    // The held entry is a copy from when the tab was built; the first line gave the product a bill.
    auto entry = getHramba();
    const auto bill = (int) sqlQueryInt ("SELECT kosovnica FROM hramba WHERE id=" + juce::String (entry.id));
    if (! ok || bill == entry.kosovnica)
        return;
    entry.kosovnica = bill;
    setHrambaIDN (entry, 1);
    query = queryForBill (bill);
}

void PregledBazeKosovnica::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = currentChild.get();
    if (child == nullptr || source != child)
        return;
    const int code = child->getExitValue();
    if (code == ButtonCode::insert)
    {
        currentChild = nullptr;
        followProductsBill();
        reloadData();
    }
    else if (code == ButtonCode::cancel)
    {
        currentChild = nullptr;
    }
}

PregledBazeKosovnica* createKosovnicaBrowser (const Hramba& entry)
{
    auto* browser = new PregledBazeKosovnica (PregledBazeKosovnica::queryForBill (entry.kosovnica));
    auto& header = browser->getTable().getHeader();
    header.setSortColumnId (kImeColumn, false);
    browser->sortOrderChanged (kImeColumn, false);
    if (header.isColumnVisible (kDatumColumn))
        header.setColumnVisible (kDatumColumn, false);
    browser->setHrambaIDN (entry, 1);
    return browser;
}
