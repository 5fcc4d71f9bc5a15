#include "warehouse/gui/KosovnicaEdit.h"

#include "cellar/SerijaStore.h"
#include "cellar/gui/VolumeSliderPropertyComponent.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "db/SQLtoXml.h"
#include "frame/MessageBoxes.h"
#include "warehouse/KosovnicaAdd.h"
#include "warehouse/gui/ArtikelButtonPropertyComponent.h"
#include "warehouse/gui/PregledBazeKosovnica.h"
#include "widgets/VindorTextPropertyComponent.h"

using vindoro::vlog;

KosovnicaEdit::KosovnicaEdit (PregledBazeKosovnica* ownerBrowser) : owner (ownerBrowser)
{
    juce::Array<juce::PropertyComponent*> rows;
    rows.add (new ArtikelButtonPropertyComponent (TRANS ("Artikel"), TRANS ("Izberi artikel"), this));
    for (auto [value, key] : { std::pair { &ime, "pregledbazeartikel_ime" }, std::pair { &serija, "pregledbazekompozicija_serija" },
                               std::pair { &skladisce, "pregledbazeartikel_skime" } })
    {
        auto* row = new VindorTextPropertyComponent (*value, TRANS (key), 200, false);
        row->setEnabled (false);
        rows.add (row);
    }
    kolicina = 0;
    slider = new VolumeSliderPropertyComponent (kolicina, TRANS ("pregledbazekosovnica_stevilo"), true);
    rows.add (slider);
    panel.addProperties (rows);
    addAndMakeVisible (panel);
    setSize (800, 600);
    vlog ("KosovnicaEdit::KosovnicaEdit", "exiting");
}

KosovnicaEdit::~KosovnicaEdit() = default;

void KosovnicaEdit::resized()
{
    panel.setBounds (getLocalBounds());
}

void KosovnicaEdit::setIDN (Hramba entry, int slot)
{
    Hramba::Listener::setIDN (entry, slot);
    const auto picked = getHramba();
    ime = picked.artikel.ime;
    skladisce = picked.skladisce.ime;
    serija = picked.artikel.tip.id == TipRecord::bottledWine && picked.serija.id > 0
                 ? formatSerija (picked.serija.sorta.sorta, picked.serija)
                 : juce::String();
    if (owner == nullptr)
        return;
    const auto parent = owner->getHramba();
    const int maximum = KosovnicaAdd::maxCount (parent.stevilo, picked.stevilo);
    if (slider != nullptr)
        slider->setRange (maximum, -1);
    vlog ("KosovnicaEdit::setIDN", "pidn:" + juce::String (parent.stevilo) + " hidn:" + juce::String (picked.stevilo)
                                       + " maxcount:" + juce::String (maximum));
}

bool KosovnicaEdit::insertAction()
{
    doneFlag = false;
    SQLtoXml db;
    KosovnicaAdd booking (db);
    booking.picked = getHramba();
    booking.hasParent = owner != nullptr;
    if (owner != nullptr)
        booking.parent = owner->getHramba();
    booking.kolicina = (int) parseDecimalFloor (kolicina.toString());
    booking.ask = [this] (const juce::String& title, const juce::String& message) {
        return askYesNoCancel (vindoro::kIconQuestion, title, message, nullptr);
    };
    if (! booking.insert())
    {
        setErrorMessage (booking.error);
        return false;
    }
    if (booking.booked)
    {
        doneFlag = true;
        notifyKWindowListener();
    }
    return true;
}
