// The harvest declaration laid out on a page target: the sheets, their numbers and document
// codes, the column geometry on a 511-point area, whose grapes go in which half, the selection's
// sheets, running on over pages, and a step that fits no page.
#include "print/HarvestFormParts.h"

#include "core/TextHelpers.h"

#include <gtest/gtest.h>

#include <set>

using namespace harvesttest;

namespace
{
juce::String key (const char* name)
{
    return juce::translate (juce::String ("porocilo_trgatevporocilo_") + name);
}

class HarvestForm : public ::testing::Test
{
protected:
    std::vector<juce::XmlElement*> pointers() const
    {
        std::vector<juce::XmlElement*> out;
        for (auto& r : rows)
            out.push_back (r.get());
        return out;
    }

    FormTexts texts;
    PageTarget target;
    std::vector<std::unique_ptr<juce::XmlElement>> rows;
};
} // namespace

TEST_F (HarvestForm, ColumnsFontsAndRowsOnA511PointArea)
{
    EXPECT_EQ (TrgatevObrazec::parcelColumns (511), (std::vector<int> { 28, 120, 78, 63, 64, 70, 88 }));
    EXPECT_EQ (TrgatevObrazec::varietyColumns (511), (std::vector<int> { 116, 29, 146, 117 }));

    rows.push_back (row (1, kOwnCompany, 11, 31, 1000, 720));
    RecordingForm form (pointers(), false, target);
    const auto area = target.getPageArea (true);
    EXPECT_EQ (form.layout (area, target, &target), 2);

    std::set<float> heights;
    for (const auto& p : form.placed)
        heights.insert (p.height);
    EXPECT_EQ (heights, (std::set<float> { 7.5f, 9.0f, 10.5f, 12.0f }));

    // The parcel sheet's row: seven framed cells of 12 points side by side, as wide as the columns.
    std::vector<int> rowWidths;
    for (const auto& f : form.frames)
        if (f.page == 0 && f.area.getHeight() == 12 && f.area.getY() > form.find (key ("kolicina"))->area.getBottom())
            rowWidths.push_back (f.area.getWidth());
    EXPECT_EQ (rowWidths, (std::vector<int> { 28, 120, 78, 63, 64, 70, 88 }));
    // The header band is two rows high; the quantity's label spans both halves above them.
    EXPECT_EQ (form.find (key ("zapst2"))->area.getHeight(), 24);
    EXPECT_EQ (form.find (key ("kolicina"))->area.getWidth(), 127);

    // The company's own grapes: in the left half, and no buyer named.
    const auto* mass = form.find ("1000,00");
    ASSERT_NE (mass, nullptr);
    EXPECT_EQ (mass->area.getX(), area.getX() + 28 + 120 + 78);
    EXPECT_NE (form.find (key ("imekupca") + " " + juce::String::repeatedString ("_", 47)), nullptr);
    // The variety sheet's table is 0.8 of the width.
    std::vector<int> varietyWidths;
    for (const auto& f : form.frames)
        if (f.page == 1 && f.area.getHeight() == 12)
            varietyWidths.push_back (f.area.getWidth());
    EXPECT_EQ (varietyWidths, (std::vector<int> { 116, 146, 117 }));
}

TEST_F (HarvestForm, ThreeParcelsAndTwoVarietiesGiveFiveNumberedSheets)
{
    rows.push_back (row (1, kOwnCompany, 11, 31, 1000, 720, "Breg", "Rebula"));
    rows.push_back (row (2, kGrower, 12, 31, 500, 350, "Hrib", "Rebula"));
    rows.push_back (row (3, kGrower, 12, 32, 400, 300, "Hrib", "Merlot"));
    rows.push_back (row (4, kGrower, 13, 32, 800, 560, "Dol", "Merlot"));
    const auto area = target.getPageArea (true);

    PageTarget counting;
    EXPECT_EQ (TrgatevObrazec (pointers(), false).layout (area, counting, nullptr), 5);
    EXPECT_EQ (counting.newPages, 0);   // the counting pass draws nothing and starts no page

    RecordingForm form (pointers(), false, target);
    EXPECT_EQ (form.layout (area, target, &target), 5);
    EXPECT_EQ (target.newPages, 4);
    for (int sheet = 1; sheet <= 5; ++sheet)
    {
        const auto* number = form.find (key ("zapst1") + " " + juce::String (sheet));
        ASSERT_NE (number, nullptr) << sheet;
        EXPECT_EQ (number->page, sheet - 1);
    }
    EXPECT_EQ (rows[2]->getStringAttribute ("sifradokumenta"), key ("st_obrazca_za_sifro") + "2 " + key ("zapst_za_sifro") + "2");
    EXPECT_EQ (rows[3]->getStringAttribute ("sifradokumenta"), key ("st_obrazca_za_sifro") + "3 " + key ("zapst_za_sifro") + "1");

    // A grower's grapes: in the right half, and the company named as their buyer.
    const auto* bought = form.find ("500,00");
    ASSERT_NE (bought, nullptr);
    EXPECT_EQ (bought->area.getX(), area.getX() + 28 + 120 + 78 + 63);
    EXPECT_NE (form.find (key ("imekupca") + "Klet Dobrovo d.o.o."), nullptr);
    // Each variety sheet states its own must and lists its rows' codes.
    EXPECT_NE (form.find (key ("3-1") + "1070,00" + key ("3-1b")), nullptr);
    EXPECT_NE (form.find (key ("3-1") + "860,00" + key ("3-1b")), nullptr);
    EXPECT_EQ (form.count (rows[2]->getStringAttribute ("sifradokumenta")), 1);
}

TEST_F (HarvestForm, SelectedRowsGoOnOneUnnumberedSheetOfEachKind)
{
    rows.push_back (row (2, kGrower, 12, 31, 500, 350, "Hrib", "Rebula"));
    rows.push_back (row (3, kGrower, 12, 32, 400, 300, "Hrib", "Merlot"));
    RecordingForm form (pointers(), true, target);
    EXPECT_EQ (form.layout (target.getPageArea (true), target, &target), 2);
    EXPECT_EQ (form.count (key ("zapst0")), 2);
    EXPECT_NE (form.find (key ("parcela2") + " " + juce::String::repeatedString ("_", 55)), nullptr);
    EXPECT_NE (form.find (key ("imekupca") + " " + juce::String::repeatedString ("_", 47)), nullptr);
    EXPECT_EQ (rows[1]->getStringAttribute ("sifradokumenta"),
               key ("st_obrazca_za_sifro") + juce::String::repeatedString (" ", 10) + key ("zapst_za_sifro") + "2");
    // The variety sheet lists both rows, so it states the must of both.
    EXPECT_NE (form.find (key ("3-1") + "650,00" + key ("3-1b")), nullptr);
    EXPECT_EQ (form.count ("400,00"), 2);   // on both sheets
}

TEST_F (HarvestForm, NoRowsNoSheet)
{
    RecordingForm form ({}, false, target);
    EXPECT_EQ (form.layout (target.getPageArea (true), target, &target), 0);
    EXPECT_EQ (target.newPages, 0);
    EXPECT_TRUE (form.placed.empty());
}

TEST_F (HarvestForm, ALongSheetRunsOnWithoutRepeatingItsHeader)
{
    for (int i = 1; i <= 80; ++i)
        rows.push_back (row (i, kGrower, 12, 31, 100 + i, 70));
    const auto area = target.getPageArea (true);
    const int counted = TrgatevObrazec (pointers(), false).layout (area, target, nullptr);
    RecordingForm form (pointers(), false, target);
    const int drawn = form.layout (area, target, &target);
    EXPECT_EQ (drawn, counted);
    EXPECT_GE (drawn, 4);   // at least two pages of each sheet
    EXPECT_EQ (form.count (key ("zapst2")), 1);
    EXPECT_EQ (form.count (key ("stolpec4")), 1);
    for (int i = 1; i <= 80; ++i)
        EXPECT_EQ (form.count (formatDecimal2 (100 + i)), 2) << i;   // once on each sheet
    EXPECT_EQ (form.count (key ("podpisdesno")), 1);
    EXPECT_EQ (form.count (key ("podpis")), 1);
}

TEST_F (HarvestForm, AStepThatFitsNoPageIsDroppedNotTriedForEver)
{
    vtest::LogCapture log;
    rows.push_back (row (1, kGrower, 12, 31, 500, 350));
    const juce::Rectangle<int> shortPage (42, 42, 511, 30);
    RecordingForm form (pointers(), false, target);
    const int pages = form.layout (shortPage, target, &target);
    EXPECT_GT (pages, 1);
    EXPECT_LT (pages, 40);
    EXPECT_TRUE (log.contains ("preveliko za stran"));
    EXPECT_EQ (form.count (key ("zapst2")), 0);   // the 36-point header fits no 30-point page
    EXPECT_EQ (form.count ("500,00"), 2);          // the rows do
}
