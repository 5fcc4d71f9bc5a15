#include "cellar/gui/ParcelaEditor.h"
#include "partners/gui/DrzavaTableButtonPropertyComponent.h"
#include "partners/gui/StrankaValButton.h"
#include "widgets/VindorTextPropertyComponent.h"

namespace
{
constexpr int kGrowerKind = 2;   // stranka.tipstranke bit of growers
}

ParcelaEditor::ParcelaEditor (ParcelaRecord parcel, bool inserting)
    : StrankaListener (1), parcela (std::move (parcel)), panel (this), insert (inserting)
{
    imeValue = parcela.ime;
    growerValue = parcela.vinogradnik.ime;
    gerkValue = parcela.gerkpid;

    juce::Array<juce::PropertyComponent*> rows;
    rows.add (new VindorTextPropertyComponent (imeValue, TRANS ("parcela_parcela"), 200, false));
    growerRow = new StrankaValButton (kGrowerKind, growerValue, TRANS ("parcela_vime"), this, 1, 0);
    rows.add (growerRow);
    rows.add (new VindorTextPropertyComponent (gerkValue, TRANS ("parcela_gerkpid"), 200, false));
    countryRow = new DrzavaTableButtonPropertyComponent (TRANS ("drzava_naslov_okna"), parcela.drzava.ime, "drzava", this, 0);
    countryRow->setIDN (parcela.drzava, 1);
    rows.add (countryRow);
    panel.addProperties (rows);
    addAndMakeVisible (panel);
    setSize (400, 300);
}

ParcelaEditor::~ParcelaEditor() = default;

void ParcelaEditor::resized()
{
    panel.setBounds (getLocalBounds());
}

void ParcelaEditor::setStrankaIDN (StrankaRecord party, int slot)
{
    StrankaListener::setStrankaIDN (party, slot);
    parcela.vinogradnik = getStranka (1);
}

bool ParcelaEditor::save()
{
    // The record changes only when the parcel is stored: a refused save leaves it as loaded.
    auto candidate = parcela;
    candidate.ime = imeValue.toString();
    candidate.gerkpid = gerkValue.toString();
    candidate.drzava = countryRow->getDrzava();
    juce::String error;
    if (! saveParcela (candidate, insert, error))
    {
        setErrorMessage (error);
        return false;
    }
    parcela = candidate;
    return true;
}

bool ParcelaEditor::okAction()
{
    const bool saved = save();
    setDoneFlag (saved);
    if (saved)
        notifyKWindowListener();
    return saved;
}
