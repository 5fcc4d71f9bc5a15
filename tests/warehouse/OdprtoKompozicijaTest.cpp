// How incoming bulk wine is split over a vessel's wines and the new wines of an intake: the
// shares, the distributed rest with its rounding, a new wine edited and one removed, and the split
// that would give the last wine less than nothing.
#include "warehouse/OdprtoKompozicija.h"

#include <gtest/gtest.h>

using vindoro::Litres;

namespace
{
Litres L (std::int64_t hundredths) { return Litres::fromHundredths (hundredths); }

juce::XmlElement* addWine (juce::XmlElement& rows, const juce::String& litres, bool newWine, const juce::String& sorta = "Rebula",
                           int letnik = 2020)
{
    auto* row = rows.createNewChildElement ("ITEM");
    row->setAttribute ("sorta", sorta);
    row->setAttribute ("letnik", letnik);
    row->setAttribute ("volumen", litres);
    row->setAttribute ("sortaid", 3);
    row->setAttribute ("parcelaid", 1);
    row->setAttribute ("vinoid", newWine ? 0 : 8);
    if (newWine)
    {
        row->setAttribute ("volumen_orig", litres);
        row->setAttribute ("inserted", 1);
    }
    else
        row->setAttribute ("razmerje", 100);
    return row;
}

Litres at (const juce::XmlElement* row, const char* attribute) { return OdprtoKompozicija::litresOf (*row, attribute); }

/** The vessel of 1000 l holding 600 l of one wine, as the list shows it after the pick. */
struct Vessel600
{
    Vessel600()
    {
        wine = addWine (rows, "600", false);
        OdprtoKompozicija::updateVolumen (rows);
    }
    juce::XmlElement rows { "DATA" };
    juce::XmlElement* wine = nullptr;
};
} // namespace

TEST (OdprtoKompozicija, AnIntakeIntoOneWineThenANewWineSplitsTheRestByShares)
{
    Vessel600 v;
    EXPECT_EQ (at (v.wine, "volumen_orig"), L (60000));
    EXPECT_EQ (at (v.wine, "volumen"), Litres()) << "after the pick a wine of the vessel shows nothing";

    EXPECT_EQ (OdprtoKompozicija::updateDodano (v.rows, L (30000)), L (30000));
    EXPECT_EQ (at (v.wine, "dodano"), L (30000));
    EXPECT_EQ (at (v.wine, "volumen"), L (30000));

    auto* added = addWine (v.rows, "100", true);
    OdprtoKompozicija::updateRazmerje (v.rows);
    EXPECT_EQ (vindoro::Percent::fromTypedText (v.wine->getStringAttribute ("razmerje")), vindoro::Percent::fromHundredths (8571));
    EXPECT_EQ (vindoro::Percent::fromTypedText (added->getStringAttribute ("razmerje")), vindoro::Percent::fromHundredths (1429));
    EXPECT_EQ (OdprtoKompozicija::updateDodano (v.rows, L (40000)), L (40000));
    EXPECT_EQ (at (v.wine, "dodano"), L (25713));
    EXPECT_EQ (at (added, "dodano"), L (4287));
    EXPECT_EQ (at (added, "volumen"), L (14287));
    EXPECT_EQ (at (v.wine, "volumen") + at (added, "volumen"), L (40000));

    // Each wine's part of the article: the vessel's wine its share, the new wine all of it.
    const auto parts = OdprtoKompozicija::parts (v.rows);
    ASSERT_EQ (parts.size(), 2u);
    EXPECT_EQ (parts[0].litres, L (25713));
    EXPECT_EQ (parts[0].vinoid, 8);
    EXPECT_EQ (parts[1].litres, L (14287));
    EXPECT_EQ (parts[1].name, "Rebula 2020");

    // Edited from 142.87 to 120: its split between own and distributed litres stays.
    OdprtoKompozicija::setLitres (*added, "volumen_orig_old", at (added, "volumen_orig"));
    OdprtoKompozicija::setLitres (*added, "volumen", L (12000));
    const auto quantity = OdprtoKompozicija::applyEditedWine (v.rows, *added, L (40000));
    EXPECT_EQ (at (added, "dodano"), L (3601));
    EXPECT_EQ (at (added, "volumen_orig"), L (8399));
    EXPECT_EQ (quantity, L (40000 - 2287));
    EXPECT_EQ (OdprtoKompozicija::updateDodano (v.rows, quantity), quantity);
}

TEST (OdprtoKompozicija, ARequestBelowTheNewWinesIsRaisedToThemAndNothingChanges)
{
    Vessel600 v;
    auto* added = addWine (v.rows, "100", true);
    OdprtoKompozicija::updateRazmerje (v.rows);
    OdprtoKompozicija::updateDodano (v.rows, L (40000));
    const auto before = v.rows.toString();
    EXPECT_EQ (OdprtoKompozicija::updateDodano (v.rows, L (5000)), L (10000));
    EXPECT_EQ (v.rows.toString(), before);
    EXPECT_EQ (at (added, "volumen_orig"), L (10000));
}

TEST (OdprtoKompozicija, WithoutNewWinesNothingIsComposedAndARemovedWineIsIgnored)
{
    Vessel600 v;
    EXPECT_TRUE (OdprtoKompozicija::parts (v.rows).empty()) << "an intake of the vessel's wine alone has no composition";

    auto* added = addWine (v.rows, "100", true);
    OdprtoKompozicija::updateRazmerje (v.rows);
    OdprtoKompozicija::updateDodano (v.rows, L (40000));
    added->setAttribute ("deleted", 1);
    OdprtoKompozicija::updateRazmerje (v.rows);
    EXPECT_EQ (OdprtoKompozicija::updateVolumen (v.rows), L (25713));
    // The remainder now falls to the last wine still listed.
    EXPECT_EQ (OdprtoKompozicija::updateDodano (v.rows, L (30000)), L (30000));
    EXPECT_EQ (at (v.wine, "dodano"), L (30000));
    EXPECT_TRUE (OdprtoKompozicija::parts (v.rows).empty());
}

TEST (OdprtoKompozicija, SharesRoundedUpNeverLeaveTheLastWineNegative)
{
    // Seven wines of 100 l each show 14.29 % (together 100.03 %): 42.87 l each of a rest of 300 l
    // would leave the new wine at the end -0.09 l.
    juce::XmlElement rows ("DATA");
    for (int i = 0; i < 7; ++i)
        addWine (rows, "100", false);
    auto* added = addWine (rows, "0.01", true);
    OdprtoKompozicija::updateVolumen (rows);
    OdprtoKompozicija::updateRazmerje (rows);
    EXPECT_EQ (OdprtoKompozicija::updateDodano (rows, L (30001)), L (30001));
    Litres sum;
    for (auto* row : rows.getChildIterator())
    {
        EXPECT_FALSE (at (row, "dodano").isNegative());
        sum += at (row, "dodano");
    }
    EXPECT_EQ (sum, L (30000));
    EXPECT_FALSE (at (added, "volumen").isNegative());
}

TEST (OdprtoKompozicija, TheVectorsOfTheUsualSplitStayAsTheyWere)
{
    // Three wines 500, 300, 200 and a new one of 100: the last takes the rounding rest.
    juce::XmlElement rows ("DATA");
    auto* a = addWine (rows, "500", false);
    auto* b = addWine (rows, "300", false);
    auto* c = addWine (rows, "200", false);
    auto* n = addWine (rows, "100", true);
    OdprtoKompozicija::updateVolumen (rows);
    OdprtoKompozicija::updateRazmerje (rows);
    EXPECT_EQ (OdprtoKompozicija::updateDodano (rows, L (10100)), L (10100));
    // 45.45 %, 27.27 %, 18.18 % of 1.00 and the rest.
    EXPECT_EQ (at (a, "dodano"), L (45));
    EXPECT_EQ (at (b, "dodano"), L (27));
    EXPECT_EQ (at (c, "dodano"), L (18));
    EXPECT_EQ (at (n, "dodano"), L (10));
}
