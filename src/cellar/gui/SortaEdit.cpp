#include "cellar/gui/SortaEdit.h"
#include "core/Log.h"
#include "widgets/VindorChoicePropertyComponent.h"
#include "widgets/VindorColorButtonPropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"

SortaEdit::SortaEdit (bool isNew)
    : newVariety (isNew)
{
    record.id = 0;
    record.barva = kRed;
    record.tip = 0;
    record.active = false;

    sortaValue = juce::String();
    okrajsanoValue = juce::String();
    tipValue = record.tip;

    juce::Array<juce::PropertyComponent*> rows;
    rows.add (new VindorTextPropertyComponent (sortaValue, TRANS ("sorta"), 200, false));
    rows.add (new VindorTextPropertyComponent (okrajsanoValue, TRANS ("okrajsano"), 200, false));
    rows.add (new VindorChoicePropertyComponent (tipValue, TRANS ("vrstavina"),
                                                 { TRANS ("belovino"), TRANS ("rdecevino") }, { 1, 0 }));
    colourRow = new VindorColorButtonPropertyComponent (TRANS ("sorta_barva"), this);
    rows.add (colourRow);
    panel.addProperties (rows);
    showColour (record.barva);
    addAndMakeVisible (panel);

    sortaValue.addListener (this);
    okrajsanoValue.addListener (this);
    tipValue.addListener (this);
    setSize (400, 300);
}

SortaEdit::~SortaEdit()
{
    sortaValue.removeListener (this);
    okrajsanoValue.removeListener (this);
    tipValue.removeListener (this);
}

void SortaEdit::showColour (int argb)
{
    if (colourRow == nullptr)
    {
        vindoro::vlog ("SortaEdit::setXmlElement", "ERROR ni sortacolor-ja");
        return;
    }
    colourRow->setColour ((juce::uint32) argb);
}

int SortaEdit::getShownColour() const
{
    if (colourRow == nullptr)
    {
        vindoro::vlog ("SortaEdit::getXmlElement", "ERROR ni sortacolor-ja 2");
        return 0;
    }
    return (int) colourRow->getColourButton().getColour().getARGB();
}

void SortaEdit::setXmlElement (juce::XmlElement* given)
{
    if (given == nullptr)
        return;
    row = given;
    record.id = row->getIntAttribute ("id");
    record.sorta = row->getStringAttribute ("sorta");
    record.okrajsano = row->getStringAttribute ("okrajsano");
    record.tip = row->getIntAttribute ("tip");
    record.barva = (int) (juce::uint32) row->getStringAttribute ("barva").getLargeIntValue();
    record.active = row->getBoolAttribute ("active");
    sortaValue = record.sorta;
    okrajsanoValue = record.okrajsano;
    tipValue = record.tip;
    showColour (record.barva);
}

void SortaEdit::valueChanged (juce::Value& value)
{
    if (value.refersToSameSourceAs (sortaValue))
        record.sorta = sortaValue.toString().trim();
    else if (value.refersToSameSourceAs (okrajsanoValue))
        record.okrajsano = okrajsanoValue.toString().trim();
    else if (value.refersToSameSourceAs (tipValue))
    {
        record.tip = (int) tipValue.getValue();
        // Only a new variety follows its kind: an existing one keeps the colour it was given.
        if (newVariety)
        {
            record.barva = record.tip == 1 ? kWhite : kRed;
            showColour (record.barva);
        }
    }
    record.active = true;
}

juce::XmlElement* SortaEdit::getXmlElement()
{
    if (row == nullptr)
    {
        newRow = std::make_unique<juce::XmlElement> ("ITEM");
        row = newRow.get();
        row->setAttribute ("id", record.id);
        row->setAttribute ("active", record.active ? 1 : 0);
    }
    row->setAttribute ("sorta", record.sorta);
    row->setAttribute ("okrajsano", record.okrajsano);
    row->setAttribute ("barva", getShownColour());
    row->setAttribute ("tip", record.tip);
    return row;
}

bool SortaEdit::buttonAction (int)
{
    doneFlag = false;
    notifyKWindowListener();
    return true;
}

void SortaEdit::resized()
{
    panel.setBounds (getLocalBounds());
}
