#include "invoices/gui/InvoicesCellTypes.h"

#include "invoices/DocumentCodeTables.h"
#include "widgets/CellFormat.h"

void registerInvoicesCellTypes()
{
    CellFormat::Rule itemKind;
    // Built at every call, so the descriptions follow the language of the moment.
    itemKind.shown = [] (const juce::String& value) { return makePostavkaTipOpisChoices().getText (value.getIntValue()); };
    CellFormat::registerRule (CellType::itemKind, itemKind);
}
