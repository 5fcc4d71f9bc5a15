#include "operations/gui/Pretok.h"
#include "cellar/PosodaOps.h"
#include "cellar/gui/PosodaButtonPropertyComponent.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"
#include "frame/MessageBoxes.h"
#include "frame/VindorWindow.h"
#include "operations/PretokSave.h"
#include "widgets/CalendarButtonPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorTextPropertyComponent.h"

using juce::translate;

namespace
{
/** A slider's litres: a number as the slider left it, or text as typed into its box. */
double litresOf (const juce::Value& value)
{
    const auto v = value.getValue();
    return v.isString() ? parseDecimal2 (v.toString()) : (double) v;
}
} // namespace

Pretok::Pretok()
    : WineBookingWindow (2, 1)
{
    setName ("Pretok");
    panel = std::make_unique<VindorPropertyPanel> (this);

    volumen = 0.0;
    kalo = 0.0;
    kvaliteta = 2;
    ddv = defaultProductVat();
    double lastPrice = 1.0;
    if (auto* settings = getUserSettings())
        lastPrice = settings->getDoubleValue ("Pretok:cenavina", 1.0);
    cena = juce::String (lastPrice, 2);

    juce::Array<juce::PropertyComponent*> cellar;
    sourceRow = new PosodaButtonPropertyComponent (translate ("Select Cistern"), translate ("Cistern label out"), this, 1);
    cellar.add (sourceRow);
    auto* sourceState = new VindorTextPropertyComponent (stanjeOut, translate ("Stanje posode"), 200, false);
    sourceState->setEnabled (false);
    cellar.add (sourceState);
    targetRow = new PosodaButtonPropertyComponent (translate ("Select Cistern"), translate ("Cistern label in"), this, 2);
    cellar.add (targetRow);
    auto* targetState = new VindorTextPropertyComponent (stanjeIn, translate ("Stanje posode"), 200, false);
    targetState->setEnabled (false);
    cellar.add (targetState);
    panel->addSection (translate ("Cellar Section"), cellar, true);

    juce::Array<juce::PropertyComponent*> transfer;
    volumeRow = new VolumeSliderPropertyComponent (volumen, translate ("Quantity"), true);
    volumeRow->setEnabled (false);
    transfer.add (volumeRow);
    kaloRow = new VolumeSliderPropertyComponent (kalo, translate ("Kalo"), true);
    kaloRow->setEnabled (false);
    transfer.add (kaloRow);
    panel->addSection (translate ("Transfer Section"), transfer, true);

    declaredRow = addDeclarationSection (1, tipLetnik, kvaliteta);
    addExtraSection (ddv, cena, opombe);
    addTreatmentAndAnalysisSections (true);

    kalo.addListener (this);
    opombe.addListener (this);
    addAndMakeVisible (*panel);
    setSize (800, 600);
}

Pretok::~Pretok()
{
    kalo.removeListener (this);
    opombe.removeListener (this);
    panel.reset();
}

void Pretok::valueChanged (juce::Value& value)
{
    if (value.refersToSameSourceAs (opombe))
    {
        remark = opombe.toString();
        return;
    }
    if (value.refersToSameSourceAs (kalo))
    {
        const auto source = getPosoda (1);
        const auto target = getPosoda (2);
        if (source.id > 0 && target.id > 0)
        {
            volumeRow->setEnabled (true);
            volumeRow->setRange (juce::jmin (source.zaloga - litresOf (kalo), target.volumen - target.zaloga), -1);
        }
    }
}

void Pretok::updateSliders()
{
    const auto source = getPosoda (1);
    const auto target = getPosoda (2);
    if (source.id < 1 || target.id < 1)
    {
        volumeRow->setEnabled (false);
        kaloRow->setEnabled (false);
        return;
    }
    volumeRow->setEnabled (true);
    volumeRow->setRange (juce::jmin (target.volumen - target.zaloga, source.zaloga - litresOf (kalo)), -1);
    kaloRow->setEnabled (true);
    kaloRow->setRange (source.zaloga, -1);
}

void Pretok::setPosodaIDN (posoda record, int slot)
{
    PosodaListener::setPosodaIDN (record, slot);
    vindoro::vlog ("Pretok::setPosodaIDN", "inside " + juce::String (slot));
    const auto vessel = getPosoda (slot);
    if (slot == 1)
        stanjeOut = PosodaOps::getStanjePosode (vessel);
    else if (slot == 2)
        stanjeIn = PosodaOps::getStanjePosode (vessel);
    updateSliders();
    if (slot != 2)
        return;
    showDeclaration (declarationSection, *declaredRow, vessel, tipLetnik, kvaliteta);
    ddv = vessel.ddv.id;
    cena = juce::String (vessel.cena, 2);
}

PretokForm Pretok::collectForm()
{
    PretokForm form;
    form.source = getPosoda (1);
    form.target = getPosoda (2);
    // The slider's number enters the save rounded to hundredths, as it is shown.
    form.volumen = parseDecimal2 (formatDecimal2 (litresOf (volumen)));
    form.kalo = parseDecimal2 (formatDecimal2 (litresOf (kalo)));
    form.declarationOpen = panel->isSectionOpen (declarationSection);
    form.tipSorta = getSorta (1);
    form.tipLetnik = tipLetnik.toString();
    form.kvaliteta = (int) kvaliteta.getValue();
    form.datum = dateRow->getDateTime();
    form.ddv = (int) ddv.getValue();
    form.cena = cena.toString();
    form.opombe = remark;
    for (int slot = 1; slot <= 9; ++slot)
        form.agents[(size_t) slot - 1] = getSredstvo (slot).id;
    form.copySourceDeclaration = [this]
    { return askYesNoCancel (1, translate ("Pretok"), translate ("Posoda v katero gre nima tipizacije, poberi od prve posode"), this) == 1; };
    return form;
}

bool Pretok::savePretok()
{
    SQLtoXml db;
    juce::String error;
    if (PretokSave::save (db, collectForm(), extras, this, error))
        return true;
    setErrorMessage (error);
    return false;
}

KWindow* launchPretok (const juce::String& title, juce::Component* opener, juce::Component* openerSetup)
{
    return VindorWindow::launchNormal (title, new Pretok(), opener, openerSetup);
}
