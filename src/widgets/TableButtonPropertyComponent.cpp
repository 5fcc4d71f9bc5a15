#include "widgets/TableButtonPropertyComponent.h"
#include "app/Log.h"
#include "app/VindorWindow.h"
#include "widgets/PregledBaze.h"
#include "widgets/TableColumnSpec.h"

namespace
{
constexpr int kCodeClose = 0;
constexpr int kCodeOk = 1;
constexpr int kCodeEdit = 3;
constexpr int kCodeSave = 4;
constexpr int kCodeDelete = 5;
constexpr int kCodeInsert = 6;
constexpr int kCodeSelect = 7;
} // namespace

TableButtonPropertyComponent::TableButtonPropertyComponent (const juce::String& name, const juce::String& table,
                                                            juce::Component* owner, bool forEditing)
    : VindorButtonPropertyComponent (name), ownerComponent (owner), tableName (table), openForEditing (forEditing)
{
    refresh();
}

TableButtonPropertyComponent::~TableButtonPropertyComponent()
{
    tableName.clear();
    clearButtons();
}

void TableButtonPropertyComponent::refresh()
{
    VindorButtonPropertyComponent::refresh();
}

juce::String TableButtonPropertyComponent::getButtonText() const
{
    return tableName;
}

bool TableButtonPropertyComponent::bringChildToFront()
{
    if (auto* window = dynamic_cast<juce::Component*> (currentChild.get()))
    {
        window->toFront (true);
        return true;
    }
    return false;
}

void TableButtonPropertyComponent::buttonClicked()
{
    if (bringChildToFront())
        return;

    if (openForEditing)
        openEditBrowser();
    else
        openSelectBrowser();

    refresh();
}

void TableButtonPropertyComponent::launchBrowser (PregledBaze* browser)
{
    currentChild = nullptr;
    if (browser == nullptr)
        return;

    currentChild = VindorWindow::launchNormal (tableName, browser, ownerComponent, this);
}

void TableButtonPropertyComponent::openSelectBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), kCodeClose, true, false);
    addButton (TRANS ("Editing"), kCodeEdit, true, false);
    addButton (TRANS ("Select"), kCodeSelect, false, true);
    launchBrowser (new PregledBaze ("SELECT * FROM " + tableName, false, TableColumnSpec()));
}

void TableButtonPropertyComponent::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Cancel"), kCodeClose, true, false);
    addButton (TRANS ("Save"), kCodeSave, true, false);
    addButton (TRANS ("Edit"), kCodeEdit, true, false);
    addButton (TRANS ("Delete"), kCodeDelete, true, false);
    addButton (TRANS ("Insert"), kCodeInsert, true, false);
    launchBrowser (new PregledBaze ("SELECT * FROM " + tableName, true, TableColumnSpec()));
}

void TableButtonPropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = dynamic_cast<KWindow*> (source);
    if (child == nullptr)
        return;

    if (checkChildResult (child, kCodeOk, 0))
        vindoro::vlog ("TableButtonPropertyComponent::changeListenerCallback", "OK callback received **************************");
    else if (checkChildResult (child, kCodeInsert, 0))
        vindoro::vlog ("TableButtonPropertyComponent::changeListenerCallback", "INSERT callback received **********************");
    else if (checkChildResult (child, kCodeClose, 0))
        return;
    else if (checkChildResult (child, kCodeEdit, 0))
        openEditBrowser();
    else if (checkChildResult (child, kCodeSave, 0))
        openSelectBrowser();
}
