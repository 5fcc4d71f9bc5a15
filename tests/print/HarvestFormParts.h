#pragma once
// Fixtures of the harvest declaration tests: a print target on an A4 page with 15 mm margins that
// counts pages, a form that records every text it places and every cell it frames, the own
// company, and harvest rows as the harvest report's query gives them.
#include "partners/OwnCompany.h"
#include "print/TrgatevObrazec.h"
#include "support/TestSupport.h"

#include <memory>
#include <vector>

namespace harvesttest
{
constexpr int kOwnCompany = 60;
constexpr int kGrower = 61;

class PageTarget : public myPrint
{
public:
    PageTarget() : myPrint ("harvest", 595, 842) {}
    void newPage (int) override { ++newPages; }
    void setNumberOfPages (int pages) override { announced = pages; }
    juce::Rectangle<int> getPageArea (bool) override { return { 42, 42, 511, 758 }; }
    juce::BorderSize<int> getBorderPTS() override { return juce::BorderSize<int> (42); }
    int mmToPoints (double mm) override { return (int) (mm / 0.35278); }
    bool save (juce::String) override { return true; }
    void drawDrawable (juce::InputStream&, juce::Rectangle<float>) override {}
    void drawDrawable (juce::File, juce::Rectangle<float>) override {}
    void drawDrawable (juce::Drawable*, juce::Rectangle<float>) override {}
    void drawBox (juce::Rectangle<float>) override {}
    void setFill (const juce::FillType&) override {}
    void fillRect (const juce::Rectangle<float>&) override {}
    void fillPath (const juce::Path&, const juce::AffineTransform&) override {}
    int newPages = 0;
    int announced = 0;
};

struct Placed
{
    juce::String text;
    juce::Rectangle<int> area;
    float height;
    bool bold;
    int page;
};

class RecordingForm : public TrgatevObrazec
{
public:
    RecordingForm (std::vector<juce::XmlElement*> rows, bool selection, PageTarget& t)
        : TrgatevObrazec (std::move (rows), selection), target (t) {}

    bool text (juce::Rectangle<int>& area, const juce::String& t, juce::Justification j, bool fitted) override
    {
        const Placed p { t, area, currentFont().getHeight(), currentFont().isBold(), target.newPages };
        const bool ok = TrgatevObrazec::text (area, t, j, fitted);
        if (ok)
            placed.push_back (p);
        return ok;
    }
    void frame (juce::Rectangle<int> cell) override
    {
        frames.push_back ({ {}, cell, 0.0f, false, target.newPages });
        TrgatevObrazec::frame (cell);
    }

    const Placed* find (const juce::String& t) const
    {
        for (const auto& p : placed)
            if (p.text == t)
                return &p;
        return nullptr;
    }
    int count (const juce::String& t) const
    {
        int n = 0;
        for (const auto& p : placed)
            n += p.text == t ? 1 : 0;
        return n;
    }

    PageTarget& target;
    std::vector<Placed> placed;
    std::vector<Placed> frames;
};

/** One row of the harvest report's result. */
inline std::unique_ptr<juce::XmlElement> row (int tid, int grower, int parcel, int variety, double masa, double volumen,
                                              const juce::String& parcelName = "Breg", const juce::String& varietyName = "Rebula")
{
    auto r = std::make_unique<juce::XmlElement> ("ROW");
    r->setAttribute ("tid", tid);
    r->setAttribute ("kmgmid", grower == kOwnCompany ? "100200300" : "555666777");
    r->setAttribute ("naziv", grower == kOwnCompany ? "Klet Dobrovo d.o.o." : "Janez Novak");
    r->setAttribute ("parcela", parcelName);
    r->setAttribute ("sorta", varietyName);
    r->setAttribute ("datum", "2024-09-20 08:00:00");
    r->setAttribute ("masa", masa);
    r->setAttribute ("volumen", volumen);
    r->setAttribute ("pid", grower);
    r->setAttribute ("parid", parcel);
    r->setAttribute ("sid", variety);
    return r;
}

/** The own company for the form's texts, and the Slovenian texts of the form. */
class FormTexts
{
public:
    FormTexts()
    {
        own.id = kOwnCompany;
        own.dolgoime = "Klet Dobrovo d.o.o.";
        own.kmgmid = "100200300";
        own.naselje = "Dobrovo";
        setPodjetjeRecord (&own);
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings (vtest::resourcesFolder().getChildFile ("slovensko.txt"), true));
    }
    ~FormTexts()
    {
        juce::LocalisedStrings::setCurrentMappings (nullptr);
        setPodjetjeRecord (nullptr);
    }
    StrankaRecord own;
};
} // namespace harvesttest
