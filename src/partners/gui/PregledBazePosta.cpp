#include "partners/gui/PregledBazePosta.h"
#include "partners/DrzavaRecord.h"
#include "partners/gui/PartnerColumnSpecs.h"

const char* const PregledBazePosta::selectSql = "SELECT id,stevilka,ime FROM posta";
const char* const PregledBazePosta::editSql = "SELECT id,stevilka,ime,drzava FROM posta";

namespace
{
constexpr int kStevilkaColumn = 2;
constexpr int kImeColumn = 3;
} // namespace

PregledBazePosta::PregledBazePosta (const juce::String& column, bool canEdit)
    : PregledBaze (canEdit ? editSql : selectSql, canEdit, canEdit ? postaEditColumns() : postaColumns())
{
    const int sortColumn = column == "ime" ? kImeColumn : kStevilkaColumn;
    auto& header = getTable().getHeader();
    header.setSortColumnId (sortColumn, true);
    // The header sorts on its next update; the rows are in order from the start.
    sortOrderChanged (sortColumn, true);
    header.setStretchToFitActive (true);
    searchColumn = column;
}

PregledBazePosta::~PregledBazePosta() = default;

bool PregledBazePosta::insertAction()
{
    if (getData() == nullptr || ! editable)
        return true;

    juce::String stevilka, ime;
    {
        juce::AlertWindow window (TRANS ("Insert"), TRANS ("Dodajanje"), juce::MessageBoxIconType::NoIcon, this);
        window.addTextEditor ("stevilka", {}, TRANS ("posta_stevilka") + ":");
        window.addTextEditor ("ime", {}, TRANS ("posta_ime") + ":");
        window.addButton (TRANS ("Save"), 1, juce::KeyPress (juce::KeyPress::returnKey));
        window.addButton (TRANS ("Cancel"), 0, juce::KeyPress (juce::KeyPress::escapeKey));
        if (window.runModalLoop() != 1)
            return true;
        stevilka = window.getTextEditorContents ("stevilka");
        ime = window.getTextEditorContents ("ime");
    }

    auto* row = new juce::XmlElement ("ITEM");
    row->setAttribute ("id", "auto");
    row->setAttribute ("stevilka", stevilka);
    row->setAttribute ("ime", ime);
    // The country is not asked for: a post office added here is a home one.
    row->setAttribute ("drzava", kHomeDrzava);
    getData()->addChildElement (row);
    ++numRows;
    invalidateRowIndex();
    setInserted (row);
    updateTableContent();
    repaint();
    return true;
}
