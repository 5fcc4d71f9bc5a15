#include "print/TrgatevObrazec.h"

#include "core/DateTime.h"
#include "core/Log.h"
#include "core/TextHelpers.h"
#include "partners/OwnCompany.h"

namespace
{
constexpr float kFrameWidth = 0.75f;
constexpr double kRowMm = 4.5;
// A row or header takes its height plus this sliver, so stacked frames never overlap.
constexpr double kRowGap = 0.375;

juce::String key (const char* name)
{
    return juce::translate (juce::String ("porocilo_trgatevporocilo_") + name);
}

juce::String dateText (const juce::String& stored)
{
    DateTime d;
    d = stored;
    return d.time.formatted (TRANS ("%Y-%m-%d"));
}

juce::String masaText (const juce::XmlElement* row)
{
    return formatDecimal2 (row->getDoubleAttribute ("masa"));
}

// The form's and the table's keys stay literal so the language-file check finds them.
[[maybe_unused]] void declareTranslationKeys()
{
    TRANS ("porocilo_trgatevporocilo_menu_porocila"); TRANS ("porocilo_trgatevporocilo_naslov_porocila");
    TRANS ("porocilo_trgatevporocilo_kmgmid"); TRANS ("porocilo_trgatevporocilo_naziv");
    TRANS ("porocilo_trgatevporocilo_parcela"); TRANS ("porocilo_trgatevporocilo_sorta");
    TRANS ("porocilo_trgatevporocilo_datum"); TRANS ("porocilo_trgatevporocilo_masa");
    TRANS ("porocilo_trgatevporocilo_volumen"); TRANS ("porocilo_trgatevporocilo_ratio");
    TRANS ("porocilo_trgatevporocilo_opomba"); TRANS ("porocilo_trgatevporocilo_tid");
    TRANS ("porocilo_trgatevporocilo_pid"); TRANS ("porocilo_trgatevporocilo_parid");
    TRANS ("porocilo_trgatevporocilo_sid"); TRANS ("porocilo_trgatevporocilo_stats_kmgmid");
    TRANS ("porocilo_trgatevporocilo_stats_masa"); TRANS ("porocilo_trgatevporocilo_stats_volumen");
    TRANS ("porocilo_trgatevporocilo_stats_ratio"); TRANS ("porocilo_trgatevporocilo_zapst1");
    TRANS ("porocilo_trgatevporocilo_zapst0"); TRANS ("porocilo_trgatevporocilo_naslovobrazca1");
    TRANS ("porocilo_trgatevporocilo_ime"); TRANS ("porocilo_trgatevporocilo_register");
    TRANS ("porocilo_trgatevporocilo_3"); TRANS ("porocilo_trgatevporocilo_parcela2");
    TRANS ("porocilo_trgatevporocilo_zapst2"); TRANS ("porocilo_trgatevporocilo_sorta2");
    TRANS ("porocilo_trgatevporocilo_datum2"); TRANS ("porocilo_trgatevporocilo_kolicina");
    TRANS ("porocilo_trgatevporocilo_kol_pridelano"); TRANS ("porocilo_trgatevporocilo_kol_prodano");
    TRANS ("porocilo_trgatevporocilo_sladkor2"); TRANS ("porocilo_trgatevporocilo_sifra2");
    TRANS ("porocilo_trgatevporocilo_st_obrazca_za_sifro"); TRANS ("porocilo_trgatevporocilo_zapst_za_sifro");
    TRANS ("porocilo_trgatevporocilo_opomba2"); TRANS ("porocilo_trgatevporocilo_4");
    TRANS ("porocilo_trgatevporocilo_imekupca"); TRANS ("porocilo_trgatevporocilo_registerkupca");
    TRANS ("porocilo_trgatevporocilo_krajdatum"); TRANS ("porocilo_trgatevporocilo_podpislevo");
    TRANS ("porocilo_trgatevporocilo_podpisdesno"); TRANS ("porocilo_trgatevporocilo_naslovobrazca2");
    TRANS ("porocilo_trgatevporocilo_3a"); TRANS ("porocilo_trgatevporocilo_3-1");
    TRANS ("porocilo_trgatevporocilo_3-1b"); TRANS ("porocilo_trgatevporocilo_3-2");
    TRANS ("porocilo_trgatevporocilo_3-2b"); TRANS ("porocilo_trgatevporocilo_3-3");
    TRANS ("porocilo_trgatevporocilo_3-3a"); TRANS ("porocilo_trgatevporocilo_3-3b");
    TRANS ("porocilo_trgatevporocilo_3-4"); TRANS ("porocilo_trgatevporocilo_stolpec1");
    TRANS ("porocilo_trgatevporocilo_stolpec2"); TRANS ("porocilo_trgatevporocilo_stolpec3");
    TRANS ("porocilo_trgatevporocilo_stolpec4"); TRANS ("porocilo_trgatevporocilo_podpis");
}

void log (const juce::String& message)
{
    vindoro::vlog (TrgatevObrazec::kLogSource, message);
}
} // namespace

TrgatevObrazec::TrgatevObrazec (std::vector<juce::XmlElement*> rowsToDeclare, bool isSelection)
    : rows (std::move (rowsToDeclare)), selection (isSelection)
{
    for (auto* row : rows)
    {
        const int parcel = row->getIntAttribute ("parid");
        const int variety = row->getIntAttribute ("sid");
        if (std::find (parcels.begin(), parcels.end(), parcel) == parcels.end())
            parcels.push_back (parcel);
        if (std::find (varieties.begin(), varieties.end(), variety) == varieties.end())
            varieties.push_back (variety);
    }
    varietyVolumes.assign (varieties.size(), 0.0);
    for (auto* row : rows)
    {
        const auto at = std::find (varieties.begin(), varieties.end(), row->getIntAttribute ("sid"));
        varietyVolumes[(size_t) (at - varieties.begin())] += row->getDoubleAttribute ("volumen");
    }
}

std::vector<int> TrgatevObrazec::parcelColumns (int width)
{
    const double w = width;
    const int c1 = (int) (w / 18.0), c2 = (int) (4.25 * w / 18.0), c3 = (int) (2.75 * w / 18.0);
    const int c4 = (int) (4.5 * w / 18.0), c5 = (int) (2.5 * w / 18.0);
    const int c4a = c4 / 2;
    return { c1, c2, c3, c4a, c4 - c4a, c5, width - c1 - c2 - c3 - c4 - c5 };
}

std::vector<int> TrgatevObrazec::varietyColumns (int width)
{
    const double w2 = 0.8 * width;
    const int d1 = (int) (4.0 * w2 / 14.0), d2 = (int) (w2 / 14.0), d3 = (int) (5.0 * w2 / 14.0);
    return { d1, d2, d3, (int) (w2 - d1 - d2 - d3) };
}

void TrgatevObrazec::setFont (double mm, bool bold)
{
    font.setHeight ((float) printer->mmToPoints (mm) * 1.5f);
    font.setBold (bold);
}

bool TrgatevObrazec::text (juce::Rectangle<int>& area, const juce::String& t, juce::Justification j, bool fitted)
{
    return printer->printText (output, font, area, printer, t, j, fitted);
}

void TrgatevObrazec::frame (juce::Rectangle<int> cell)
{
    printer->printBorders (output, cell, printer, kFrameWidth);
}

bool TrgatevObrazec::textInCell (juce::Rectangle<int> cell, const juce::String& t, juce::Justification j, bool inset,
                                 bool framed)
{
    if (framed)
        frame (cell);
    if (inset)
        cell = { cell.getX() + 3, cell.getY(), juce::jmax (0, cell.getWidth() - 6), cell.getHeight() };
    return t.isEmpty() || text (cell, t, j);
}

bool TrgatevObrazec::space (juce::Rectangle<int>& area, double mm)
{
    return printer->printVSpace (area, printer, (float) mm);
}

juce::String TrgatevObrazec::placeAndDate() const
{
    return key ("krajdatum") + " " + getPodjetje().naselje + ", " + juce::Time::getCurrentTime().formatted (TRANS ("%Y-%m-%d"));
}

juce::String TrgatevObrazec::sheetNumberText (int number) const
{
    return number >= 1 ? key ("zapst1") + " " + juce::String (number) : key ("zapst0");
}

juce::XmlElement* TrgatevObrazec::firstRowWith (const char* attribute, int value) const
{
    for (auto* row : rows)
        if (row->getIntAttribute (attribute) == value)
            return row;
    return rows.front();
}

int TrgatevObrazec::layout (juce::Rectangle<int> area, myPrint& target, myPrint* drawTo)
{
    printer = &target;
    output = drawTo;
    font = juce::Font (12.0f);

    std::vector<Sheet> parcelSheets, varietySheets;
    if (! rows.empty())
    {
        if (selection)
        {
            parcelSheets.push_back (parcelSheet (parcels.front(), area.getWidth(), 0));
            varietySheets.push_back (varietySheet (varieties.front(), area.getWidth(), 0));
        }
        else
        {
            int number = 0;
            for (int parcel : parcels)
                parcelSheets.push_back (parcelSheet (parcel, area.getWidth(), ++number));
            for (int variety : varieties)
                varietySheets.push_back (varietySheet (variety, area.getWidth(), ++number));
        }
    }

    int pages = 0;
    for (auto* part : { &parcelSheets, &varietySheets })
        for (size_t i = 0; i < part->size(); ++i)
            pages += layoutSheet ((*part)[i], (int) i + 1, pages > 0, area);

    log ("printed pages:" + juce::String (pages));
    return pages;
}

int TrgatevObrazec::layoutSheet (Sheet& sheet, int sheetIndex, bool startsNewPage, juce::Rectangle<int> area)
{
    if (startsNewPage && output != nullptr)
    {
        log (juce::String::formatted ("starting a new obrazec %d", sheetIndex));
        output->newPage (0);
    }

    size_t next = 0;
    int page = 0;
    for (;; ++page)
    {
        log ("printing page:" + juce::String (page));
        if (page > 0 && output != nullptr)
        {
            log (juce::String::formatted ("starting a new page %d", page));
            output->newPage (page);
        }
        auto a = area;
        if (page == 0)
        {
            log ("printing title page:" + juce::String (page));
            sheet.titleBlock (a);
        }

        int doneOnThisPage = 0;
        while (next < sheet.steps.size())
        {
            if (sheet.steps[next] (a))
            {
                ++next;
                ++doneOnThisPage;
                continue;
            }
            // First on a page of its own and still too big: no later page will take it either.
            if (page > 0 && doneOnThisPage == 0)
            {
                log (juce::String::formatted (kTooBigForPage, page));
                ++next;
                continue;
            }
            break;
        }
        if (next >= sheet.steps.size())
            break;
    }
    log ("debug16:" + juce::String (page));
    return page + 1;
}

TrgatevObrazec::Sheet TrgatevObrazec::parcelSheet (int parcel, int width, int number)
{
    auto* r = firstRowWith ("parid", parcel);
    const bool ownGrapes = r->getIntAttribute ("pid") == getPodjetje().id;
    const auto columns = parcelColumns (width);
    const auto left = juce::Justification::left, centred = juce::Justification::centred;
    Sheet sheet;

    sheet.titleBlock = [this, r, number] (juce::Rectangle<int>& a)
    {
        const auto left = juce::Justification::left;
        setFont (2.5, false);
        auto beside = a;
        text (a, key ("kmgmid") + " " + r->getStringAttribute ("kmgmid"), left);
        text (beside, sheetNumberText (number), juce::Justification::right);
        space (a, 12);
        setFont (3.0, true);
        text (a, key ("naslovobrazca1"), juce::Justification::centred);
        space (a, 12);
        setFont (3.0, false);
        text (a, key ("ime") + " " + r->getStringAttribute ("naziv"), left);
        space (a, 4.5);
        text (a, key ("register"), left);
        space (a, 4.5);
        setFont (3.0, true);
        text (a, key ("3"), left);
        space (a, 4.5);
        text (a, key ("parcela2") + " " + (number >= 1 ? r->getStringAttribute ("parcela") : juce::String::repeatedString ("_", 55)), left);
        space (a, 4.5);
    };

    sheet.steps.push_back ([this, columns, left, centred] (juce::Rectangle<int>& a)
    {
        log ("debug3:0");
        setFont (2.2, true);
        const int rowH = printer->mmToPoints (kRowMm);
        if (3 * rowH + kRowGap > a.getHeight())
            return false;
        auto band = a.withHeight (2 * rowH);
        textInCell (band.removeFromLeft (columns[0]), key ("zapst2"), centred, false, true);
        textInCell (band.removeFromLeft (columns[1]), key ("sorta2"), left, true, true);
        textInCell (band.removeFromLeft (columns[2]), key ("datum2"), centred, false, true);
        auto quantity = band.removeFromLeft (columns[3] + columns[4]);
        textInCell (quantity.removeFromTop (rowH), key ("kolicina"), centred, false, true);
        textInCell (quantity.removeFromLeft (columns[3]), key ("kol_pridelano"), centred, false, true);
        textInCell (quantity, key ("kol_prodano"), centred, false, true);
        textInCell (band.removeFromLeft (columns[5]), key ("sladkor2"), left, true, true);
        textInCell (band, key ("sifra2"), left, true, true);
        a.removeFromTop ((int) (2 * rowH + kRowGap));
        return true;
    });

    int k = 0;
    for (auto* row : rows)
    {
        if (number >= 1 && row->getIntAttribute ("parid") != parcel)
            continue;
        ++k;
        sheet.steps.push_back ([this, row, k, number, ownGrapes, columns, left, centred] (juce::Rectangle<int>& a)
        {
            setFont (2.2, true);
            const int rowH = printer->mmToPoints (kRowMm);
            if (rowH + kRowGap > a.getHeight())
                return false;
            auto band = a.withHeight (rowH);
            textInCell (band.removeFromLeft (columns[0]), juce::String (k), centred, false, true);
            textInCell (band.removeFromLeft (columns[1]), row->getStringAttribute ("sorta"), left, true, true);
            textInCell (band.removeFromLeft (columns[2]), dateText (row->getStringAttribute ("datum")), centred, false, true);
            textInCell (band.removeFromLeft (columns[3]), ownGrapes ? masaText (row) : juce::String(), centred, false, true);
            textInCell (band.removeFromLeft (columns[4]), ownGrapes ? juce::String() : masaText (row), centred, false, true);
            textInCell (band.removeFromLeft (columns[5]), {}, left, false, true);
            textInCell (band, {}, left, false, true);
            const juce::String sheetPart = number >= 1 ? juce::String (number) + " " : juce::String::repeatedString (" ", 10);
            row->setAttribute ("sifradokumenta", key ("st_obrazca_za_sifro") + sheetPart + key ("zapst_za_sifro") + juce::String (k));
            a.removeFromTop ((int) (rowH + kRowGap));
            return true;
        });
    }

    auto textStep = [this] (double mm, bool bold, juce::String t, juce::Justification j, bool fitted = false) -> Step
    {
        return [this, mm, bold, t, j, fitted] (juce::Rectangle<int>& a)
        {
            setFont (mm, bold);
            return text (a, t, j, fitted);
        };
    };
    auto spaceStep = [this] (double mm) -> Step { return [this, mm] (juce::Rectangle<int>& a) { return space (a, mm); }; };

    const bool buyerNamed = number >= 1 && ! ownGrapes;
    auto& s = sheet.steps;
    s.push_back (textStep (2.0, false, key ("opomba2"), left));
    s.push_back (spaceStep (5));
    s.push_back (textStep (2.0, false, juce::String::repeatedString ("-", 198), centred, true));
    s.push_back (spaceStep (5));
    s.push_back (textStep (2.5, true, key ("4"), left));
    s.push_back (spaceStep (6));
    s.push_back (textStep (2.5, false,
                           key ("imekupca") + (buyerNamed ? getPodjetje().dolgoime : " " + juce::String::repeatedString ("_", 47)),
                           left));
    s.push_back (spaceStep (9));
    s.push_back (textStep (2.5, false, key ("registerkupca"), left));
    s.push_back (spaceStep (3));
    s.push_back (textStep (2.0, false, juce::String::repeatedString ("-", 199), centred, true));
    s.push_back (spaceStep (3));
    s.push_back (textStep (2.5, false, placeAndDate(), left));
    s.push_back (spaceStep (12));
    s.push_back ([this, width, left] (juce::Rectangle<int>& a)
    {
        setFont (2.5, true);
        if (3 * printer->mmToPoints (kRowMm) > a.getHeight())
            return false;
        auto right = a;
        if (! text (a, key ("podpislevo"), left))
            return false;
        space (a, 3);
        text (a, juce::String::repeatedString ("_", 33), left);
        right.removeFromLeft ((int) (width / 2.0));
        text (right, key ("podpisdesno"), left);
        space (right, 3);
        text (right, juce::String::repeatedString ("_", 33), left);
        return true;
    });
    return sheet;
}

TrgatevObrazec::Sheet TrgatevObrazec::varietySheet (int variety, int width, int number)
{
    auto* s = firstRowWith ("sid", variety);
    double volume = 0.0;
    if (number >= 1)
        volume = varietyVolumes[(size_t) (std::find (varieties.begin(), varieties.end(), variety) - varieties.begin())];
    else
        // The selection's sheet lists every picked row, so it states the volume of all of them.
        for (double v : varietyVolumes)
            volume += v;

    const auto columns = varietyColumns (width);
    const auto left = juce::Justification::left, centred = juce::Justification::centred;
    Sheet sheet;

    sheet.titleBlock = [this, s, number, volume] (juce::Rectangle<int>& a)
    {
        const auto left = juce::Justification::left;
        const auto& own = getPodjetje();
        setFont (2.5, false);
        auto beside = a;
        text (a, key ("kmgmid") + " " + own.kmgmid, left);
        text (beside, sheetNumberText (number), juce::Justification::right);
        space (a, 12);
        setFont (3.0, true);
        text (a, key ("naslovobrazca2"), juce::Justification::centred);
        space (a, 12);
        setFont (3.0, false);
        text (a, key ("ime") + " " + own.dolgoime, left);
        space (a, 4.5);
        text (a, key ("register"), left);
        space (a, 4.5);
        setFont (3.0, true);
        for (const auto& line : { key ("3a"), s->getStringAttribute ("sorta"), key ("3-1") + formatDecimal2 (volume) + key ("3-1b"),
                                  key ("3-2") + juce::String::repeatedString ("_", 19) + key ("3-2b"), key ("3-3") })
        {
            text (a, line, left);
            space (a, 4.5);
        }
        setFont (3.0, false);
        for (const auto& line : { key ("3-3a"), key ("3-3b") })
        {
            text (a, line, left);
            space (a, 4.5);
        }
        setFont (3.0, true);
        text (a, key ("3-4"), left);
        space (a, 4.5);
    };

    sheet.steps.push_back ([this, columns, left, centred] (juce::Rectangle<int>& a)
    {
        setFont (2.2, true);
        const int rowH = printer->mmToPoints (kRowMm);
        if (4 * rowH + kRowGap > a.getHeight())
            return false;
        auto band = a.withHeight (3 * rowH);
        textInCell (band.removeFromLeft (columns[0]), key ("stolpec1"), centred, false, true);
        textInCell (band.removeFromLeft (columns[1]), key ("stolpec2"), centred, false, false);
        textInCell (band.removeFromLeft (columns[2]), key ("stolpec3"), left, true, true);
        textInCell (band.removeFromLeft (columns[3]), key ("stolpec4"), left, true, true);
        a.removeFromTop ((int) (3 * rowH + kRowGap));
        return true;
    });

    for (auto* row : rows)
    {
        if (number >= 1 && row->getIntAttribute ("sid") != variety)
            continue;
        sheet.steps.push_back ([this, row, columns, centred] (juce::Rectangle<int>& a)
        {
            setFont (2.2, true);
            const int rowH = printer->mmToPoints (kRowMm);
            if (rowH + kRowGap > a.getHeight())
                return false;
            auto band = a.withHeight (rowH);
            textInCell (band.removeFromLeft (columns[0]), row->getStringAttribute ("sifradokumenta"), centred, false, true);
            band.removeFromLeft (columns[1]);
            textInCell (band.removeFromLeft (columns[2]), {}, centred, false, true);
            textInCell (band.removeFromLeft (columns[3]), masaText (row), centred, false, true);
            a.removeFromTop ((int) (rowH + kRowGap));
            return true;
        });
    }

    sheet.steps.push_back ([this] (juce::Rectangle<int>& a) { return space (a, 14); });
    sheet.steps.push_back ([this, left] (juce::Rectangle<int>& a)
    {
        setFont (2.5, false);
        return text (a, placeAndDate(), left);
    });
    sheet.steps.push_back ([this] (juce::Rectangle<int>& a) { return space (a, 12); });
    sheet.steps.push_back ([this] (juce::Rectangle<int>& a)
    {
        setFont (2.5, true);
        return text (a, key ("podpis"), juce::Justification::right);
    });
    return sheet;
}
