#include "operations/gui/Trgatev.h"
#include "cellar/PosodaOps.h"
#include "cellar/gui/ParcelaButtonPropertyComponent.h"
#include "cellar/gui/PosodaButtonPropertyComponent.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"
#include "frame/MessageBoxes.h"
#include "frame/VindorWindow.h"
#include "operations/TrgatevSave.h"
#include "widgets/CalendarButtonPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorTextPropertyComponent.h"

using juce::translate;

Trgatev::Trgatev()
    : WineBookingWindow (1, 2)
{
    setName (translate ("Trgatev"));
    panel = std::make_unique<VindorPropertyPanel> (this);

    storedVintage = juce::Time::getCurrentTime().getYear();
    grozdja = formatDecimal2 (0.0);
    letnik = storedVintage;
    mosta = formatDecimal2 (0.0);
    tipLetnik = storedVintage;
    kvaliteta = 2;
    ddv = defaultProductVat();
    double lastPrice = 0.5;
    if (auto* settings = getUserSettings())
        lastPrice = settings->getDoubleValue ("Trgatev:cenamosta", 0.5);
    cena = formatDecimal2 (lastPrice);

    juce::Array<juce::PropertyComponent*> grapes;
    grapes.add (new VindorTextPropertyComponent (grozdja, translate ("Quantity grapes"), 200, false));
    varietyRow = new SortaButtonPropertyComponent (translate ("Izberi sorto"), translate ("Sorta"), this, 1);
    grapes.add (varietyRow);
    parcelRow = new ParcelaButtonPropertyComponent (translate ("Izberi parcelo"), translate ("Parcela"), this);
    grapes.add (parcelRow);
    grapes.add (new VindorTextPropertyComponent (letnik, translate ("Letnik"), 200, false));
    panel->addSection (translate ("Grapes Section"), grapes, true);

    juce::Array<juce::PropertyComponent*> transfer;
    vesselRow = new PosodaButtonPropertyComponent (translate ("Select Cistern"), translate ("Cistern label in"), this, 1);
    transfer.add (vesselRow);
    auto* stateRow = new VindorTextPropertyComponent (stanje, translate ("Stanje posode"), 200, false);
    stateRow->setEnabled (false);
    transfer.add (stateRow);
    mostaRow = new VolumeSliderPropertyComponent (mosta, translate ("Quantity juice"), true);
    mostaRow->setEnabled (false);
    transfer.add (mostaRow);
    panel->addSection (translate ("Transfer Section"), transfer, true);

    declaredRow = addDeclarationSection (2, tipLetnik, kvaliteta);
    addExtraSection (ddv, cena, opombe);
    addTreatmentAndAnalysisSections (true);

    letnik.addListener (this);
    opombe.addListener (this);
    addAndMakeVisible (*panel);
    setSize (800, 600);
    vindoro::vlog ("Trgatev::Trgatev", "exiting");
}

Trgatev::~Trgatev()
{
    vindoro::vlog ("Trgatev::~Trgatev", "in the destructor of Trgatev");
    letnik.removeListener (this);
    opombe.removeListener (this);
    panel.reset();
}

void Trgatev::valueChanged (juce::Value& value)
{
    if (value.refersToSameSourceAs (letnik))
    {
        vindoro::vlog ("Trgatev::valueChanged", "letnik value changed");
        if (! DateTime::checkLetnik (letnik, storedVintage))
            showMessageOK (2, translate ("Opozorilo"), translate ("Vrednost za letnik naj bo med 0 in 2500"), this);
        return;
    }
    if (value.refersToSameSourceAs (opombe))
    {
        vindoro::vlog ("Trgatev::valueChanged", "opombe value changed");
        remark = opombe.toString();
        return;
    }
    vindoro::vlog ("Trgatev::valueChanged", "exiting");
}

void Trgatev::setPosodaIDN (posoda record, int slot)
{
    PosodaListener::setPosodaIDN (record, slot);
    vindoro::vlog ("Trgatev::setPosodaIDN", "inside which:" + juce::String (slot));
    const auto vessel = getPosoda (1);
    mostaRow->setRange (vessel.volumen - vessel.zaloga, -1);
    mostaRow->setEnabled (vessel.id > 0);
    if (slot == 1)
    {
        showDeclaration (declarationSection, *declaredRow, vessel, tipLetnik, kvaliteta);
    }
    ddv = vessel.ddv.id;
    cena = formatDecimal2 (vessel.cena);
    stanje = PosodaOps::getStanjePosode (vessel);
    vindoro::vlog ("Trgatev::setPosodaIDN", "end");
}

TrgatevForm Trgatev::collectForm() const
{
    TrgatevForm form;
    form.vessel = getPosoda (1);
    form.sorta = getSorta (1);
    form.parcela = parcelRow->getParcela().id;
    form.letnik = storedVintage;
    form.mosta = mosta.toString();
    form.grozdja = grozdja.toString();
    form.declarationOpen = panel->isSectionOpen (declarationSection);
    form.tipSorta = getSorta (2);
    form.tipLetnik = tipLetnik.toString();
    form.kvaliteta = (int) kvaliteta.getValue();
    form.datum = dateRow->getDateTime();
    form.ddv = (int) ddv.getValue();
    form.cena = cena.toString();
    form.opombe = remark;
    for (int slot = 1; slot <= 9; ++slot)
        form.agents[(size_t) slot - 1] = getSredstvo (slot).id;
    return form;
}

bool Trgatev::saveTrgatev()
{
    SQLtoXml db;
    juce::String error;
    if (TrgatevSave::save (db, collectForm(), extras, this, error))
        return true;
    setErrorMessage (error);
    return false;
}

KWindow* launchTrgatev (const juce::String& title, juce::Component* opener, juce::Component* openerSetup)
{
    return VindorWindow::launchNormal (title, new Trgatev(), opener, openerSetup);
}
