#include "accounts/gui/AccountsCellTypes.h"

#include "accounts/DocumentKindLists.h"
#include "widgets/CellFormat.h"

void registerAccountsCellTypes()
{
    CellFormat::Rule documentKind;
    // Built at every call, so the names follow the language of the moment.
    documentKind.shown = [] (const juce::String& value)
    {
        ChoiceTable kinds;
        makeAllRacunTipChoices (kinds);
        return kinds.getText (value.getIntValue());
    };
    CellFormat::registerRule (CellType::documentKind, documentKind);
}
