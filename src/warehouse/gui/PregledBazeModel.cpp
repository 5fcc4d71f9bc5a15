#include "warehouse/gui/PregledBazeModel.h"

#include "core/Log.h"
#include "warehouse/gui/EnotaCombo.h"

PregledBazeModel::PregledBazeModel (int mode)
    : PregledBaze (kQuery, mode == 1, columnSpec())
{
    auto& header = getTable().getHeader();
    header.setSortColumnId (kOznakaColumn, true);
    sortOrderChanged (kOznakaColumn, true);
    header.setStretchToFitActive (true);
}

PregledBazeModel::~PregledBazeModel() = default;

const TableColumnSpec& PregledBazeModel::columnSpec()
{
    static const TableColumnSpec spec ("model_",
                                       { { "oznaka", CellType::text, 15 },
                                         { "volumen", CellType::quantityCentred, 10 },
                                         { "enota", CellType::textCentred, 5 } },
                                       { "id", "enotaid" });
    return spec;
}

juce::Component* PregledBazeModel::refreshComponentForCell (int row, int columnId, bool, juce::Component* existing)
{
    if (editable)
    {
        if (columnId == kVolumenColumn)
            return makeEditableTextCell (existing, *this, row, columnId);
        if (columnId == kEnotaColumn)
            return refreshEnotaCombo (existing, *this, row, columnId);
    }
    delete existing;
    return nullptr;
}

bool PregledBazeModel::insertAction()
{
    auto row = std::make_unique<juce::XmlElement> ("ITEM");
    row->setAttribute ("id", "auto");
    row->setAttribute ("oznaka", TRANS ("model_novaoznaka"));
    row->setAttribute ("volumen", 1);
    row->setAttribute ("enotaid", kNewModelUnit);
    row->setAttribute ("enota", "l");

    auto* rows = getData();
    if (rows == nullptr)
        return false;

    auto* added = row.release();
    rows->addChildElement (added);
    numRows = rows->getNumChildElements();
    vindoro::vlog ("PregledBazeModel::insertAction", juce::String (numRows) + " rows in table now");
    SqlitetoXml::setInserted (added);
    invalidateRowIndex();
    updateTableContent();
    repaint();
    vindoro::vlog ("PregledBazeModel::insertAction", "done");
    return true;
}
