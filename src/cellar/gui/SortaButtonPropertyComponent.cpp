#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "operations/VinoRecord.h"
#include "cellar/SortaListener.h"
#include "cellar/gui/PregledBazeSorta.h"
#include "core/Log.h"
#include "frame/VindorWindow.h"

namespace
{
// An id below 2 is no variety: id 1 is the placeholder an undeclared vessel points to.
constexpr int kFirstRealVariety = 2;
} // namespace

SortaButtonPropertyComponent::SortaButtonPropertyComponent (const juce::String& text, const juce::String& name,
                                                            juce::Component* owner, int slotNumber)
    : TableButtonPropertyComponent (name, "sorta", owner, false), buttonText (text), slot (slotNumber)
{
    refresh();
}

SortaButtonPropertyComponent::~SortaButtonPropertyComponent() = default;

juce::String SortaButtonPropertyComponent::getButtonText() const
{
    return buttonText;
}

SortaRecord SortaButtonPropertyComponent::interpretXml (const juce::XmlElement& row)
{
    SortaRecord r;
    r.id = row.getIntAttribute ("id");
    r.sorta = row.getStringAttribute ("sorta");
    r.okrajsano = row.getStringAttribute ("okrajsano");
    // The colour is a signed 32-bit ARGB; read wide so a stored value never saturates.
    r.barva = (int) (juce::uint32) row.getStringAttribute ("barva").getLargeIntValue();
    r.tip = row.getIntAttribute ("tip");
    r.active = row.getBoolAttribute ("active");
    return r;
}

void SortaButtonPropertyComponent::setIDN (SortaRecord record)
{
    static const char* where = "SortaButtonPropertyComponent::setIDN";
    vindoro::vlog (where, "gledamo " + record.sorta);
    sorta = record;
    buttonText = record.id < kFirstRealVariety ? TRANS ("Izberi sorto") : record.sorta;
    vindoro::vlog (where, "dobimo id " + juce::String (record.id));
    if (auto* listener = dynamic_cast<SortaListener*> (ownerComponent))
    {
        vindoro::vlog (where, "postavimo " + juce::String (slot));
        listener->setSortaIDN (record, slot);
    }
    if (auto* wines = dynamic_cast<VinoListener*> (ownerComponent))
        wines->takeSorta (record, slot);
    refresh();
}

void SortaButtonPropertyComponent::openSelectBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Editing"), ButtonCode::edit);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    currentChild = VindorWindow::launchNormal (TRANS ("Sorta"), new PregledBazeSorta (0), ownerComponent, this);
}

void SortaButtonPropertyComponent::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Edit"), ButtonCode::edit);
    addButton (TRANS ("Delete"), ButtonCode::remove);
    addButton (TRANS ("Insert"), ButtonCode::insert);
    currentChild = VindorWindow::launchNormal (TRANS ("Sorta"), new PregledBazeSorta (1), ownerComponent, this);
}

void SortaButtonPropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = dynamic_cast<KWindow*> (source);
    if (child == nullptr || child != currentChild.get() || child->getExitValue() != ButtonCode::select)
    {
        TableButtonPropertyComponent::changeListenerCallback (source);
        return;
    }

    // The row belongs to the browser, which the framework deletes only after this call returns.
    auto* row = callback_getSelectedRow (child, 3);
    if (row == nullptr)
        return;
    setIDN (interpretXml (*row));
    refresh();
}
