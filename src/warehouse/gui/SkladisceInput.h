#pragma once
// The base of the warehouse dialogs: the warehouse record, its name and consignment toggle, the
// party button (made by the dialog that derives), and Save, which closes the dialog and tells
// the warehouse window only when save() stored the warehouse. Owned by its window's button bar.
#include "db/SQLtoXml.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "warehouse/GoodsRecords.h"
#include "widgets/VindorPropertyPanel.h"

class StrankaButtonPropertyComponent;

class SkladisceInput : public juce::Component,
                       public SQLtoXml,
                       public VindorWindowAction,
                       public VindorWindowSetup,
                       public juce::Value::Listener
{
public:
    SkladisceInput();
    ~SkladisceInput() override;

    /** Checks and stores what the dialog shows; false with the reason set as the error message. */
    virtual bool save() = 0;

    void resized() override;
    bool okAction() override;
    void valueChanged (juce::Value& value) override;

    /** Loads a warehouse: its name, and its party with the toggle on when it has one (id 2 or more). */
    void setSkladisce (SkladisceRecord record);
    SkladisceRecord getSkladisce() const { return skladisce; }

    juce::Value& getImeValue() { return ime; }
    juce::Value& getKonsigValue() { return konsig; }
    StrankaButtonPropertyComponent* getStrankaButton() const { return strankaButton; }

protected:
    VindorPropertyPanel panel;
    SkladisceRecord skladisce;
    juce::Value ime;
    juce::Value konsig;
    StrankaButtonPropertyComponent* strankaButton = nullptr;
};
