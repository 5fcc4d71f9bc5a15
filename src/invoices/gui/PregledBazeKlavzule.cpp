#include "invoices/gui/PregledBazeKlavzule.h"

const TableColumnSpec& klavzuleColumnSpec()
{
    static const TableColumnSpec spec ("klavzule_", { { "besedilo", CellType::longText, 200 } }, { "id", "active" });
    return spec;
}

PregledBazeKlavzule::PregledBazeKlavzule (juce::int32 editable)
    : PregledBaze ("SELECT * FROM ddv_klavzule;", editable != 0, klavzuleColumnSpec())
{
}

PregledBazeKlavzule::~PregledBazeKlavzule() = default;

PregledBazeKlavzule::EditWindow::~EditWindow()
{
    editor.reset();
}
