#include "warehouse/gui/PregledBazeOEA.h"
#include "core/Log.h"
#include "db/SQLtoXml.h"
#include "frame/ButtonRecord.h"
#include "frame/MessageBoxes.h"
#include "frame/VindorWindow.h"
#include "operations/gui/VnosZalogXml.h"

using vindoro::Litres;

OdprtoEditArtikel::PregledBazeOEA::PregledBazeOEA (OdprtoEditArtikel& owner) : editor (owner) {}

OdprtoEditArtikel::PregledBazeOEA::~PregledBazeOEA() = default;

Litres OdprtoEditArtikel::PregledBazeOEA::freeSpace()
{
    const auto vessel = getPosoda (1);
    return Litres::fromStoredDouble (vessel.volumen - vessel.zaloga).value_or (Litres()) - editor.getLitres();
}

void OdprtoEditArtikel::PregledBazeOEA::warn (const char* key)
{
    showMessageOK (vindoro::kIconInformation, TRANS ("Opozorilo"), TRANS (key), this);
}

void OdprtoEditArtikel::PregledBazeOEA::refreshTable()
{
    updateTableContent();
    repaint();
}

bool OdprtoEditArtikel::PregledBazeOEA::insertAction()
{
    vindoro::vlog ("PregledBazeOEA::insertAction", "----------------------------------------DODAJ NOVO VINO----------------------------");
    if (currentChild != nullptr)
        return true;
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::ok);
    const auto free = freeSpace();
    if (free <= Litres())
    {
        warn ("ni vec prostora v cisterni");
        return true;
    }
    auto* form = new VnosZalogXml();
    form->setMaxVolume (free.toDouble());
    currentChild = VindorWindow::launchNormal (TRANS ("VnosZalog"), form, this, this);
    return true;
}

bool OdprtoEditArtikel::PregledBazeOEA::editAction()
{
    if (currentChild != nullptr)
        return true;
    auto* row = getSelectedRow();
    if (row == nullptr)
    {
        warn ("ni izbranega vina");
        return true;
    }
    if (OdprtoKompozicija::isDeleted (*row) || ! OdprtoKompozicija::isNewWine (*row))
    {
        warn ("samo dodane se spreminja");
        return true;
    }
    row->setAttribute ("volumen_orig_old", row->getStringAttribute ("volumen_orig"));
    clearButtons();
    addButton (TRANS ("Cancel"), ButtonCode::cancel);
    addButton (TRANS ("Save"), ButtonCode::edit);
    auto* form = new VnosZalogXml (row);
    form->setMaxVolume ((freeSpace() + OdprtoKompozicija::litresOf (*row, "volumen")).toDouble());
    currentChild = VindorWindow::launchNormal (TRANS ("VnosZalog"), form, this, this);
    return true;
}

bool OdprtoEditArtikel::PregledBazeOEA::deleteAction()
{
    auto* row = getSelectedRow();
    if (row == nullptr)
    {
        warn ("ni izbranega vina");
        return true;
    }
    if (OdprtoKompozicija::isDeleted (*row) || ! OdprtoKompozicija::isNewWine (*row))
    {
        warn ("samo dodane se spreminja");
        return true;
    }
    const bool removed = deleteSelectedRows ("sorta");
    if (removed)
    {
        updateRazmerje();
        currentRow = row;
    }
    return removed;
}

void OdprtoEditArtikel::PregledBazeOEA::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    auto* child = currentChild.get();
    if (child == nullptr || source != dynamic_cast<juce::ChangeBroadcaster*> (child))
        return;
    const int answer = child->getExitValue();
    auto* form = dynamic_cast<VnosZalogXml*> (child->getAction());
    if (form != nullptr && (answer == ButtonCode::ok || answer == ButtonCode::edit))
    {
        auto* row = form->takeXml();
        if (answer == ButtonCode::ok && row != nullptr && getData() != nullptr)
        {
            getData()->addChildElement (row);
            SQLtoXml::setInserted (row);
            ++numRows;
            invalidateRowIndex();
        }
        currentRow = row;
        refreshTable();
        editor.changeListenerCallback (source);
    }
    currentChild = nullptr;
}

void OdprtoEditArtikel::PregledBazeOEA::updateRazmerje()
{
    if (getData() != nullptr)
        OdprtoKompozicija::updateRazmerje (*getData());
    refreshTable();
}

Litres OdprtoEditArtikel::PregledBazeOEA::updateVolumen()
{
    if (getData() == nullptr)
        return {};
    const auto total = OdprtoKompozicija::updateVolumen (*getData());
    refreshTable();
    return total;
}

Litres OdprtoEditArtikel::PregledBazeOEA::updateDodano (Litres requested)
{
    if (getData() == nullptr)
        return requested;
    const auto total = OdprtoKompozicija::updateDodano (*getData(), requested);
    refreshTable();
    return total;
}

std::vector<OdprtoKompozicija::Part> OdprtoEditArtikel::PregledBazeOEA::compositionParts()
{
    return getData() != nullptr ? OdprtoKompozicija::parts (*getData()) : std::vector<OdprtoKompozicija::Part>();
}
