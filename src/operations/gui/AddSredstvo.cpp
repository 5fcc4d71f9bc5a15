#include "operations/gui/AddSredstvo.h"
#include "core/Log.h"
#include "widgets/VindorBooleanPropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"

AddSredstvo::AddSredstvo (const juce::XmlElement* row, int mask)
    : SredstvoListener (1), kindMask (mask), panel (this)
{
    vindoro::vlog ("AddSredstvo", "AddSredstvo");
    idValue = row != nullptr ? row->getIntAttribute ("id", 0) : 0;
    oznakaValue = row != nullptr ? row->getStringAttribute ("oznaka") : juce::String();
    opisValue = row != nullptr ? row->getStringAttribute ("opis") : juce::String();

    juce::Array<juce::PropertyComponent*> rows;
    rows.add (new VindorTextPropertyComponent (oznakaValue, TRANS ("sredstvo_oznaka"), 200, false));
    rows.add (new VindorTextPropertyComponent (opisValue, TRANS ("sredstvo_opis"), 200, true));
    panel.addProperties (rows);

    juce::Array<juce::PropertyComponent*> boxes;
    for (int bit = 0; bit < kSredstvoTypeBits; ++bit)
        boxes.add (new VindorBooleanPropertyComponent (tipValues[(size_t) bit], juce::translate ("tipsredstvo" + juce::String (bit)),
                                                       TRANS ("ON")));
    setTip (kindMask);
    panel.addSection (TRANS ("sredstvo_tip"), boxes, true);
    addAndMakeVisible (panel);
    setSize (400, 300);
    vindoro::vlog ("AddSredstvo", "AddSredstvo end");
}

AddSredstvo::~AddSredstvo() = default;

void AddSredstvo::resized()
{
    panel.setBounds (getLocalBounds());
}

int AddSredstvo::getTip() const
{
    int tip = 0;
    for (int bit = 0; bit < kSredstvoTypeBits; ++bit)
        if ((bool) tipValues[(size_t) bit].getValue())
            tip |= 1 << bit;
    return tip;
}

void AddSredstvo::setTip (int mask)
{
    for (int bit = 0; bit < kSredstvoTypeBits; ++bit)
        tipValues[(size_t) bit] = (mask & (1 << bit)) != 0;
}

bool AddSredstvo::save()
{
    vindoro::vlog ("AddSredstvo::save", "save Sredstvo");
    const int tip = getTip();
    vindoro::vlog ("AddSredstvo::save", "tip sredstvo je " + juce::String (tip));
    juce::String error;
    const auto agent = insertSredstvo (oznakaValue.toString(), opisValue.toString(), tip, error);
    if (! agent)
    {
        setErrorMessage (error);
        return false;
    }
    setSredstvoIDN (*agent, 1);
    return true;
}

bool AddSredstvo::okAction()
{
    const bool saved = save();
    setDoneFlag (saved);
    if (saved)
        notifyKWindowListener();
    return saved;
}

bool AddSredstvo::cancelAction()
{
    setDoneFlag (true);
    notifyKWindowListener();
    return true;
}
