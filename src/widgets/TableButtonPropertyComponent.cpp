#include "widgets/TableButtonPropertyComponent.h"
#include "frame/ButtonRecord.h"
#include "frame/StandardButtons.h"
#include "core/Log.h"
#include "frame/VindorWindow.h"
#include "widgets/PregledBaze.h"
#include "widgets/TableColumnSpec.h"

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
    StandardButtons::addPickerBrowseButtons (*this, false);
    launchBrowser (new PregledBaze ("SELECT * FROM " + tableName, false, TableColumnSpec()));
}

void TableButtonPropertyComponent::openEditBrowser()
{
    clearButtons();
    StandardButtons::addPickerEditButtons (*this);
    launchBrowser (new PregledBaze ("SELECT * FROM " + tableName, true, TableColumnSpec()));
}

void TableButtonPropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = dynamic_cast<KWindow*> (source);
    if (child == nullptr)
        return;

    if (checkChildResult (child, ButtonCode::ok, 0))
        vindoro::vlog ("TableButtonPropertyComponent::changeListenerCallback", "OK callback received **************************");
    else if (checkChildResult (child, ButtonCode::insert, 0))
        vindoro::vlog ("TableButtonPropertyComponent::changeListenerCallback", "INSERT callback received **********************");
    else if (checkChildResult (child, ButtonCode::cancel, 0))
        return;
    else if (checkChildResult (child, ButtonCode::edit, 0))
        openEditBrowser();
    else if (checkChildResult (child, ButtonCode::saveItem, 0))
        openSelectBrowser();
}
