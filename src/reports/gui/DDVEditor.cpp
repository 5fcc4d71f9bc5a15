#include "reports/gui/DDVEditor.h"

#include "core/Log.h"
#include "reports/DDVStore.h"
#include "widgets/VindorChoicePropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"

namespace
{
// The choice offers 0 as well, so a rate of an unknown kind is visibly unchosen; saving refuses it.
constexpr int kKindsOffered = 7;
} // namespace

DDVEditor::DDVEditor (const DDVRecord& edited, bool createNew)
    : record (edited), create (createNew), panel (this)
{
    setName ("DDVEditor");
    opisValue = record.opis;
    stopnjaValue = record.stopnja;
    tipValue = record.tip;

    juce::StringArray kinds;
    juce::Array<juce::var> kindValues;
    for (int kind = 0; kind < kKindsOffered; ++kind)
    {
        kinds.add (TRANS ("ddv_tip_" + juce::String (kind)));
        kindValues.add (kind);
    }

    panel.addProperties ({
        new VindorTextPropertyComponent (opisValue, TRANS ("ddv_opis"), kMaxOpisChars, false),
        new VindorTextPropertyComponent (stopnjaValue, TRANS ("ddv_stopnja"), kMaxOpisChars, false),
        new VindorChoicePropertyComponent (tipValue, TRANS ("ddv_tip"), kinds, kindValues),
    });
    addAndMakeVisible (panel);
    setSize (400, 300);
}

DDVEditor::~DDVEditor() = default;

void DDVEditor::resized()
{
    panel.setBounds (getLocalBounds());
}

bool DDVEditor::save()
{
    DDVRecord edited (record);
    edited.opis = opisValue.toString();
    edited.tip = (int) tipValue.getValue();

    const auto refusal = DDVStore::save (edited, stopnjaValue.toString(), create);
    if (refusal.isNotEmpty())
    {
        setErrorMessage (refusal);
        return false;
    }

    record = edited;
    return true;
}

bool DDVEditor::okAction()
{
    if (! save())
    {
        setDoneFlag (false);
        return false;
    }
    setDoneFlag (true);
    notifyKWindowListener();
    return true;
}
