#include "cellar/gui/CreateSerijaAction.h"
#include "cellar/SerijaStore.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "core/DateTime.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "frame/ButtonRecord.h"
#include "frame/MessageBoxes.h"
#include "warehouse/gui/KvalitetaChoicePropertyComponent.h"
#include "warehouse/gui/ModelChoicePropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"

using juce::String;

namespace
{
void log (const char* method, const String& message)
{
    vindoro::vlog (String ("CreateSerijaAction::") + method, message);
}

// The dialog's own save test is wider than the row's (1 to 2499): a vintage 0 that an edited
// batch brings along still saves.
constexpr int kLowestVintage = 0;
constexpr int kHighestVintage = 2500;
} // namespace

CreateSerijaAction::CreateSerijaAction (int givenLetnik)
    : SortaListener (1), serija (SerijaStore::empty()), sorta (SortaRecord::empty()), panel (this)
{
    letnik = givenLetnik < 0 ? juce::Time::getCurrentTime().getYear() : givenLetnik;

    auto* settings = getUserSettings();
    oznakaValue = settings != nullptr ? settings->getValue ("Serija:oznaka", "1") : String ("1");
    const int model = settings != nullptr ? settings->getIntValue ("Serija:model", 1) : 1;
    log ("CreateSerijaAction", "serija model:" + String (model));
    modelValue = model;
    kvalitetaValue = settings != nullptr ? settings->getIntValue ("Serija:kvaliteta", 1) : 1;
    letnikValue = letnik;
    steviloValue = "0";
    letnikValue.addListener (this);

    juce::Array<juce::PropertyComponent*> rows;
    rows.add (new VindorTextPropertyComponent (oznakaValue, TRANS ("Serija"), 200, false));
    rows.add (new VindorTextPropertyComponent (letnikValue, TRANS ("Letnik"), 200, false));
    sortaRow = new SortaButtonPropertyComponent (TRANS ("Izberi sorto"), TRANS ("Sorta"), this, 1);
    rows.add (sortaRow);
    if ((modelRow = ModelChoicePropertyComponent::loadAndCreate (modelValue, TRANS ("Steklenica"))) != nullptr)
        rows.add (modelRow);
    if ((kvalitetaRow = KvalitetaChoicePropertyComponent::loadAndCreate (kvalitetaValue, TRANS ("Kvaliteta"))) != nullptr)
        rows.add (kvalitetaRow);
    panel.addSection (TRANS ("Nova serija"), rows, true);
    addAndMakeVisible (panel);
    setSize (800, 600);
    log ("CreateSerijaAction", "exiting");
}

CreateSerijaAction::~CreateSerijaAction()
{
    letnikValue.removeListener (this);
}

void CreateSerijaAction::addCountSection()
{
    panel.addSection (TRANS ("Dodatno"), { new VindorTextPropertyComponent (steviloValue, TRANS ("serija_stevilo"), 200, false) }, true);
    resized();
}

bool CreateSerijaAction::buttonAction (int code)
{
    if (code == ButtonCode::saveItem)
        return saveAction();
    log ("buttonAction", "here");
    notifyKWindowListener();
    doneFlag = true;
    return true;
}

void CreateSerijaAction::valueChanged (juce::Value& value)
{
    if (value.refersToSameSourceAs (letnikValue) && value.toString() != String (letnik))
    {
        log ("valueChanged", "letnik value changed");
        if (! DateTime::checkLetnik (letnikValue, letnik))
            showMessageOK (vindoro::kIconWarning, TRANS ("Opozorilo"), TRANS ("Vrednost za letnik naj bo med 0 in 2500"), this);
    }
    log ("valueChanged", "exiting");
}

void CreateSerijaAction::setSortaIDN (SortaRecord record, int slot)
{
    SortaListener::setSortaIDN (record, slot);
    log ("setSortaIDN", String::formatted ("inside which:%d", slot));
    sorta = getSorta (slot);
    log ("setSortaIDN", "end sorta:" + sorta.sorta);
}

bool CreateSerijaAction::prepareToSaveAction()
{
    static const char* where = "prepareToSaveAction";
    serija.letnik = letnik;
    if (letnik < kLowestVintage || letnik > kHighestVintage)
    {
        setErrorMessage (TRANS ("Vrednost za letnik naj bo med 0 in 2500"));
        log (where, "ERROR:letnik");
        return false;
    }
    serija.oznaka = oznakaValue.toString();
    if (serija.oznaka.isEmpty())
    {
        setErrorMessage (TRANS ("Serija ni dolocena"));
        log (where, "ERROR: Serija not set");
        return false;
    }
    if (sorta.id < SerijaStore::kFirstRealId)
    {
        setErrorMessage (TRANS ("Sorta ni izbrana"));
        log (where, "ERROR: Sorta not set");
        return false;
    }
    serija.sorta = sorta;
    if (modelRow != nullptr)
        serija.model = modelRow->getIDN();
    if (modelRow == nullptr || serija.model.id < SerijaStore::kFirstRealId)
    {
        setErrorMessage (TRANS ("Model steklenice ni izbran"));
        log (where, "ERROR: Model steklenice ni izbran");
        return false;
    }
    serija.kvalitetaid = (int) kvalitetaValue.getValue();
    if (kvalitetaRow != nullptr)
        serija.kvalitetaid = kvalitetaRow->getID();
    if (serija.kvalitetaid < 1)
    {
        setErrorMessage (TRANS ("Kvaliteta vina ni izbrana"));
        log (where, "ERROR: Kvaliteta vina ni izbrana");
        return false;
    }
    const double count = parseDecimalFloor (steviloValue.toString());
    if (count < 0)
    {
        setErrorMessage (TRANS ("Stevilo steklenic ni podano"));
        return false;
    }
    serija.stevilo = count;
    return true;
}

bool CreateSerijaAction::saveAction()
{
    if (! prepareToSaveAction())
        return false;
    bool saved = false;
    switch (SerijaStore::saveNew (serija))
    {
        case SerijaStore::Saved::inserted:
        case SerijaStore::Saved::revived:
            saved = true;
            break;
        case SerijaStore::Saved::twin:
            setErrorMessage (TRANS ("Podobna serija ") + formatSerija (serija.sorta.sorta, serija) + TRANS (" ze obstaja!\nSpremeni serijo"));
            break;
        case SerijaStore::Saved::failed:
            setErrorMessage (TRANS ("Napaka pri shranjevanju serije"));
            break;
    }
    if (saved)
        notifyKWindowListener();
    doneFlag = saved;
    return saved;
}

void CreateSerijaAction::prepareToClose()
{
    auto* settings = getUserSettings();
    if (settings == nullptr)
        return;
    // A dialog closed before any save attempt keeps the defaults it started from.
    settings->setValue ("Serija:model", serija.model.id > 0 ? serija.model.id : (int) modelValue.getValue());
    settings->setValue ("Serija:kvaliteta", serija.kvalitetaid > 0 ? serija.kvalitetaid : (int) kvalitetaValue.getValue());
    settings->setValue ("Serija:oznaka", serija.oznaka);
}

void CreateSerijaAction::resized()
{
    panel.setBounds (getLocalBounds());
}
