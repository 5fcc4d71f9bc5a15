#pragma once
// The rows the two vessel editors share, bound to values this object owns: label, capacity and
// kind; the declaration section (variety picker, vintage, quality grade); the extra section (VAT,
// price, notes). Owned by its editor, which listens to the price; the rows belong to its panel.
#include "cellar/PosodaSave.h"
#include "widgets/VindorPropertyPanel.h"

class SortaButtonPropertyComponent;

class PosodaFormRows
{
public:
    PosodaFormRows();
    ~PosodaFormRows();

    /** Fills the panel: the first section opens with kletRow, then "Tipizacija" and "Dodatno",
        both closed. owner is the editor whose variety slot 1 the picker fills. */
    void build (VindorPropertyPanel& panel, juce::PropertyComponent* kletRow, juce::Component* owner);

    /** What the rows hold now, the cellar and declaration given by the editor. */
    PosodaForm read (int kletId, const juce::String& kletIme, bool declarationOpen, const SortaRecord& sorta) const;

    juce::Value oznaka, volumen, tip, letnik, kvaliteta, cena, ddv, opombe;
    SortaButtonPropertyComponent* sortaRow = nullptr;

    /** Rewrites the price with two decimals; only a differing text is written back, so the
        rewrite causes no second change. */
    void normalisePrice();
};
