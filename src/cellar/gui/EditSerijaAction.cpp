#include "cellar/gui/EditSerijaAction.h"
#include "cellar/SerijaStore.h"
#include "cellar/gui/SortaButtonPropertyComponent.h"
#include "core/TextHelpers.h"

EditSerijaAction::EditSerijaAction (const juce::XmlElement* row) : CreateSerijaAction (0)
{
    if (row == nullptr)
        return;
    const auto id = SerijaStore::interpretXml (row);
    serija = id;
    oznakaValue = id.oznaka;
    letnikValue = id.letnik;
    // The value's listener runs later; an edited batch may bring a vintage the row would refuse.
    letnik = id.letnik;
    if (sortaRow != nullptr)
        sortaRow->setIDN (id.sorta);
    sorta = id.sorta;
    modelValue = id.model.id;
    kvalitetaValue = id.kvalitetaid;
    steviloValue = formatFloor (id.stevilo);
    addCountSection();
}

bool EditSerijaAction::saveAction()
{
    const int id = serija.id;
    if (! prepareToSaveAction())
        return false;
    serija.id = id;
    bool saved = false;
    switch (SerijaStore::saveEdit (serija))
    {
        case SerijaStore::Saved::twin:
            setErrorMessage (TRANS ("Podobna serija ") + formatSerija (serija.sorta.sorta, serija) + TRANS (" ze obstaja!\nSpremeni serijo"));
            break;
        case SerijaStore::Saved::failed:
            setErrorMessage (TRANS ("Napaka pri shranjevanju serije"));
            break;
        default:
            saved = true;
            notifyKWindowListener();
            break;
    }
    doneFlag = saved;
    return saved;
}
