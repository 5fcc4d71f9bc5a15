#pragma once
// The batch dialog: label, vintage, variety, bottle model and quality grade of a bottled batch.
// Its Save adds the batch, or lists again a removed batch with the same five values, and refuses
// a second listed one; any other button closes it without writing. It remembers the label, model
// and grade for the next dialog. Lives in its own window; the panel owns its rows.
#include "cellar/SortaListener.h"
#include "frame/VindorWindowAction.h"
#include "warehouse/GoodsRecords.h"
#include "widgets/VindorPropertyPanel.h"

class SortaButtonPropertyComponent;
class ModelChoicePropertyComponent;
class KvalitetaChoicePropertyComponent;

class CreateSerijaAction : public VindorWindowAction,
                           public juce::Component,
                           public juce::Value::Listener,
                           public SortaListener
{
public:
    /** A vintage below 0 starts at the current year. */
    explicit CreateSerijaAction (int letnik);
    ~CreateSerijaAction() override;

    bool buttonAction (int code) override;
    virtual bool saveAction();
    /** Fills the batch record from the rows; false with the error text set at the first fault. */
    bool prepareToSaveAction();
    void prepareToClose() override;

    void valueChanged (juce::Value& value) override;
    void setSortaIDN (SortaRecord record, int slot) override;
    void resized() override;

    const SerijaRecord& getRecord() const { return serija; }
    int getLetnik() const { return letnik; }
    const juce::String& getErrorText() const { return errorMessage; }
    VindorPropertyPanel& getPanel() { return panel; }

    juce::Value oznakaValue, letnikValue, modelValue, kvalitetaValue, steviloValue;

protected:
    /** The "Dodatno" section with the bottle count row. */
    void addCountSection();

    SerijaRecord serija;
    SortaRecord sorta;
    int letnik = 0;
    SortaButtonPropertyComponent* sortaRow = nullptr;
    ModelChoicePropertyComponent* modelRow = nullptr;
    KvalitetaChoicePropertyComponent* kvalitetaRow = nullptr;
    VindorPropertyPanel panel;
};
