#include "warehouse/gui/OdprtoNamePropertyComponent.h"
#include "cellar/gui/PregledBazeSorta.h"
#include "core/Log.h"
#include "frame/ButtonRecord.h"
#include "frame/VindorWindow.h"
#include "operations/gui/PregledBazeVino.h"

OdprtoEditArtikel::OdprtoNamePropertyComponent::OdprtoNamePropertyComponent (const juce::Value& name, const juce::String& label,
                                                                             OdprtoEditArtikel* owner, double share)
    : ValButtonPropertyComponent (name, label, 200, false, share, false), over (owner)
{
    nameValue.referTo (name);
}

OdprtoEditArtikel::OdprtoNamePropertyComponent::~OdprtoNamePropertyComponent() = default;

void OdprtoEditArtikel::OdprtoNamePropertyComponent::buttonClicked()
{
    if (currentChild != nullptr)
    {
        vindoro::vlog ("OdprtoNamePropertyComponent::buttonClicked", "okno je ze odprto");
        return;
    }
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Editing"), ButtonCode::edit);
    addButton (TRANS ("Select"), ButtonCode::select, false);
    VindorWindowAction* browser = nullptr;
    if (vessel.id > 0)
        browser = new PregledBazeVino (vessel);
    else
        browser = new PregledBazeSorta (0);
    currentChild = VindorWindow::launchNormal (TRANS ("Sorta"), browser, over.getComponent(), this);
}

void OdprtoEditArtikel::OdprtoNamePropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = currentChild.get();
    if (child == nullptr || source != dynamic_cast<juce::ChangeBroadcaster*> (child))
        return;
    if (child->getExitValue() == ButtonCode::select)
    {
        auto* action = child->getAction();
        auto* row = action != nullptr ? action->getSelectedRow() : nullptr;
        if (row == nullptr)
        {
            vindoro::vlog ("OdprtoNamePropertyComponent::changeListenerCallback", "WARNING: row pointer is empty");
            return;
        }
        const auto vintage = row->getStringAttribute ("letnik");
        nameValue = row->getStringAttribute ("sorta") + (vintage.isNotEmpty() ? " " + vintage : juce::String());
        refresh();
        child->closeKW();
    }
    currentChild = nullptr;
}
