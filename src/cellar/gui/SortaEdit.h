#pragma once
// The editor dialog of one grape variety: name, short name, white or red, colour. It writes into
// the register row it was given (an existing variety) or into a new row of its own (a new one),
// which the register then stores. Owned by its window; a new row it made goes to whoever takes it.
#include "cellar/SortaRecord.h"
#include "frame/VindorWindowAction.h"
#include "widgets/VindorPropertyPanel.h"

class VindorColorButtonPropertyComponent;

class SortaEdit : public juce::Component,
                  public VindorWindowAction,
                  public juce::Value::Listener
{
public:
    explicit SortaEdit (bool newVariety);
    ~SortaEdit() override;

    /** Shows the register row's variety and writes into that row on Save; null does nothing. */
    void setXmlElement (juce::XmlElement* row);
    /** The row with the dialog's values written into it (a new one when none was given). */
    juce::XmlElement* getXmlElement();
    /** The new row made by getXmlElement, handed over; null when the row is the register's own. */
    std::unique_ptr<juce::XmlElement> releaseNewRow() { return std::move (newRow); }

    bool buttonAction (int code) override;
    void valueChanged (juce::Value& value) override;
    void resized() override;

    const SortaRecord& getRecord() const { return record; }
    juce::Value& getSortaValue() { return sortaValue; }
    juce::Value& getOkrajsanoValue() { return okrajsanoValue; }
    juce::Value& getTipValue() { return tipValue; }
    VindorColorButtonPropertyComponent* getColourRow() const { return colourRow; }
    /** The colour row's colour as the signed ARGB the table stores. */
    int getShownColour() const;

    static constexpr int kRed = 0xCC0000;
    static constexpr int kWhite = 0xFFFF33;

private:
    void showColour (int argb);

    SortaRecord record;
    juce::XmlElement* row = nullptr;
    std::unique_ptr<juce::XmlElement> newRow;
    bool newVariety;
    juce::Value sortaValue;
    juce::Value okrajsanoValue;
    juce::Value tipValue;
    VindorColorButtonPropertyComponent* colourRow = nullptr;   // owned by the panel
    VindorPropertyPanel panel;
};
