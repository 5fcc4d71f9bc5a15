#pragma once
// The article browsers: the article list of the picker and the article manager's storage, details
// and sales tabs, each a plain record browser over one of the fixed article queries. Each is
// owned by the tab or window that shows it.
#include "warehouse/GoodsRecords.h"
#include "widgets/PregledBaze.h"

class PregledBazeArtikel : public PregledBaze
{
public:
    PregledBazeArtikel (const juce::String& query, int editable, const TableColumnSpec& spec);
    ~PregledBazeArtikel() override;

    /** Columns of the article list and the details tab. */
    static const TableColumnSpec& artikelSpec();
    /** Columns of the storage tab, with the sum of the counts. */
    static const TableColumnSpec& hrambaSpec();
    /** Columns of the sales tab, with the sums of counts and amounts. */
    static const TableColumnSpec& prodajaSpec();
};

/** The storage tab: the active entries of the entry's article, with warehouse and count. */
PregledBazeArtikel* createArtikelZalogaBrowser (const Hramba& entry);
/** The details tab: the entry's article itself. */
PregledBazeArtikel* createArtikelDetailsBrowser (const Hramba& entry);
/** The sales tab: issued documents (no quotations) that carry the entry's article, newest first. */
PregledBazeArtikel* createArtikelProdajaBrowser (const Hramba& entry);
/** The article list of the picker. */
PregledBazeArtikel* createArtikelBrowser (int editable);
