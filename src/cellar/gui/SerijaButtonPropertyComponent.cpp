#include "cellar/gui/SerijaButtonPropertyComponent.h"
#include "cellar/SerijaListener.h"
#include "cellar/SerijaStore.h"
#include "cellar/gui/PregledBazeSerija.h"
#include "core/Log.h"
#include "frame/VindorWindow.h"

SerijaButtonPropertyComponent::SerijaButtonPropertyComponent (const juce::String& text, const juce::String& rowName,
                                                              juce::Component* owner, bool forEditing, bool withCount)
    : TableButtonPropertyComponent (rowName, "serija", owner, forEditing), serija (SerijaStore::empty()), buttonText (text),
      countRow (withCount)
{
    refresh();
}

SerijaButtonPropertyComponent::~SerijaButtonPropertyComponent() = default;

void SerijaButtonPropertyComponent::setSerijaLetnik (int value)
{
    letnik = value;
    vindoro::vlog ("SerijaButtonPropertyComponent::setSerijaLetnik", juce::String::formatted ("letnik %d", value));
}

void SerijaButtonPropertyComponent::setIDN (SerijaRecord record)
{
    serija = record;
    buttonText = record.id < 1 ? TRANS ("Izberi serijo") : formatSerija (record.sorta.sorta, record);
    refresh();
}

juce::String SerijaButtonPropertyComponent::getButtonText() const
{
    return buttonText;
}

void SerijaButtonPropertyComponent::openSelectBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Nova Serija"), ButtonCode::insert);
    addButton (TRANS ("Select"), ButtonCode::select, false, true);
    auto* browser = letnik > 0 ? new PregledBazeSerija (letnik, countRow) : new PregledBazeSerija (false, countRow);
    currentChild = VindorWindow::launchNormal ("serija", browser, ownerComponent, this);
}

void SerijaButtonPropertyComponent::openEditBrowser()
{
    clearButtons();
    addButton (TRANS ("Close"), ButtonCode::cancel);
    addButton (TRANS ("Edit"), ButtonCode::edit);
    addButton (TRANS ("ZgodovinaSerije"), ButtonCode::history);
    addButton (TRANS ("Insert"), ButtonCode::insert);
    currentChild = VindorWindow::launchNormal ("serija", new PregledBazeSerija (true, countRow), ownerComponent, this);
}

void SerijaButtonPropertyComponent::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    static const char* where = "SerijaButtonPropertyComponent::changeListenerCallback";
    vindoro::vlog (where, "doing action");
    auto* window = dynamic_cast<KWindow*> (source);
    if (window == nullptr || window != currentChild.get())
        return;
    const int exitValue = window->getExitValue();
    if (exitValue == ButtonCode::select)
    {
        vindoro::vlog (where, "serija comp:select action");
        auto* browser = dynamic_cast<PregledBazeSerija*> (window->getAction());
        if (browser == nullptr)
            return;
        auto* row = browser->getSelectedRow();
        if (row == nullptr)
        {
            vindoro::vlog (where, "WARNING: row pointer is empty");
            return;
        }
        const auto record = PregledBazeSerija::interpretXml (row);
        setIDN (record);
        if (auto* listener = dynamic_cast<SerijaListener*> (ownerComponent))
            listener->setSerijaIDN (record, 1);
        vindoro::vlog (where, "closing window");
        window->closeKW();
        currentChild = nullptr;
        refresh();
    }
    else if (exitValue == ButtonCode::cancel || exitValue == ButtonCode::history)
        currentChild = nullptr;
}
