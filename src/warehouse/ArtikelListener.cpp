#include "warehouse/ArtikelListener.h"

#include "core/Log.h"

ArtikelRecord ArtikelListener::emptyArtikel()
{
    ArtikelRecord a;
    a.id = -1;
    return a;
}

ArtikelListener::ArtikelListener()
    : artikli { emptyArtikel() }
{
}

ArtikelListener::~ArtikelListener() = default;

void ArtikelListener::setArtikelIDN (ArtikelRecord article, int slot)
{
    ArtikelRecord copy (article);
    setIDN (copy, slot);
}

void ArtikelListener::setIDN (ArtikelRecord article, int slot)
{
    if (slot < 1 || slot > (int) artikli.size())
    {
        vindoro::vlog ("ArtikelListener::setIDN", "ERROR artikel is wrong");
        return;
    }
    artikli[(size_t) slot - 1] = std::move (article);
}

ArtikelRecord ArtikelListener::getArtikel() const
{
    return artikli.empty() ? emptyArtikel() : artikli.front();
}
