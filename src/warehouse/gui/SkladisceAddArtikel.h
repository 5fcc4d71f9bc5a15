#pragma once
// The dialog that puts an article into a warehouse: add (a new entry, its count booked in), edit
// (SkladisceEditArtikel, an entry picked on the plan) and received (SkladisceAddArtikelPrejeti,
// an article of a received invoice, nothing booked); those two derive from it. It reads its rows and leaves the checks,
// questions and writes to SkladisceArtikelSave; the saved entry waits in slot 1 of its
// Hramba::Listener for the window that opened it.
#include "cellar/SerijaListener.h"
#include "db/SQLtoXml.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "warehouse/GoodsRecords.h"
#include "widgets/VindorPropertyPanel.h"

class SerijaButtonPropertyComponent;
class ValUnitPropertyComponent;
class TipChoicePropertyComponent;
class SkladisceChoicePropertyComponent;

class SkladisceAddArtikel : public juce::Component,
                            public SQLtoXml,
                            public VindorWindowAction,
                            public VindorWindowSetup,
                            public juce::Value::Listener,
                            public SerijaListener,
                            public Hramba::Listener
{
public:
    SkladisceAddArtikel (bool edit, bool prejeti);
    ~SkladisceAddArtikel() override;

    void resized() override;
    virtual bool save();
    bool okAction() override;
    void prepareToClose() override;
    void valueChanged (juce::Value& value) override;
    void setSerijaIDN (SerijaRecord record, int slot) override;

    void setSkladisce (SkladisceRecord warehouse);

    juce::Value& getImeValue() { return ime; }
    juce::Value& getKolicinaValue() { return kolicina; }
    juce::Value& getCenaValue() { return cena; }
    juce::Value& getTipValue() { return tip; }
    juce::Value& getSkladisceValue() { return skladisceId; }

protected:
    Hramba record;
    juce::Value skladisceId, ime, tip, enota, kolicina, cena, ddv, opombe;
    SerijaButtonPropertyComponent* serijaButton = nullptr;
    ValUnitPropertyComponent* kolicinaRow = nullptr;
    TipChoicePropertyComponent* tipRow = nullptr;
    SkladisceChoicePropertyComponent* skladisceRow = nullptr;
    bool edit = false;
    bool prejeti = false;
    VindorPropertyPanel panel;
};
