#pragma once
// The mix-in of windows that take a picked article (reports, bills of materials): one slot,
// numbered 1, holding the empty article (id -1) until something is picked. Owned by the window.
#include "warehouse/GoodsRecords.h"

class ArtikelListener
{
public:
    ArtikelListener();
    virtual ~ArtikelListener();

    /** What pickers call: hands a copy on to setIDN through the virtual table. */
    virtual void setArtikelIDN (ArtikelRecord article, int slot);
    /** Stores the article in slot `slot` (1-based); a slot out of range is logged and ignored. */
    virtual void setIDN (ArtikelRecord article, int slot);

    /** A copy of slot 1, or the empty article. */
    ArtikelRecord getArtikel() const;

    /** An article that stands for none: id -1, made now. */
    static ArtikelRecord emptyArtikel();

protected:
    std::vector<ArtikelRecord> artikli;
};
