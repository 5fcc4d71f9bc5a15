#pragma once
// The article stock report of the reports window: the stock of every article at the end of the
// chosen day, for all warehouses or one, with litres of bottled wine and totals per warehouse.
// Owned by the reports window; the stock is computed through the browser's own query object and
// the browser takes the rows over after each reload.
#include "warehouse/ZalogaArtiklov.h"
#include "widgets/PregledBaze.h"

class PorociloZalogArtiklov : public PregledBaze,
                              public ZalogaArtiklov
{
public:
    PorociloZalogArtiklov();
    ~PorociloZalogArtiklov() override;

    static const TableColumnSpec& columnSpecification();

    /** Stands at the end of the given day, whatever time the text carries. */
    void setStartDate (const juce::String& text) override;
    /** Recomputes the stock and shows it; a failed computation shows no rows. */
    void reloadData() override;
};
