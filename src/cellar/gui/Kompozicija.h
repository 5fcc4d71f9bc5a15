#pragma once
// The composition of a batch as the article manager shows it: the wines bottled into the batch,
// from which vessels and how many litres, with each wine's share of the batch. Owned by its tab.
#include "warehouse/GoodsRecords.h"
#include "widgets/PregledBaze.h"

#include <memory>

class SQLtoXml;

class Kompozicija : public PregledBaze
{
public:
    explicit Kompozicija (const juce::String& query);

    static const TableColumnSpec& columnSpec();

    /** Adds litres of one wine from one vessel to one batch (bottling calls it inside its booking). */
    static bool dodajVino (int serija, int vino, double volumen, int posoda, SQLtoXml* db);
};

/** The batch's composition, the largest wine first, showing variety, vintage, parcel, grower and share. */
std::unique_ptr<Kompozicija> createKompozicija (SerijaRecord serija);
