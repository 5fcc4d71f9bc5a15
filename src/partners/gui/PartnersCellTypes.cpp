#include "partners/gui/PartnersCellTypes.h"

#include "partners/PaymentReferences.h"
#include "widgets/CellFormat.h"

void registerPartnersCellTypes()
{
    CellFormat::Rule iban;
    iban.shown = [] (const juce::String& value) { return groupByFour (value); };
    iban.stored = [] (const juce::String& typed) { return normaliseIban (typed); };
    CellFormat::registerRule (CellType::iban, iban);
}
