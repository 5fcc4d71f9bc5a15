#include "widgets/StatCore.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace
{
TableColumnSpec statsSpec (std::initializer_list<const char*> names, std::initializer_list<int> kinds)
{
    std::vector<const char*> n (names);
    n.push_back ("");
    std::vector<int> k (kinds);
    k.push_back (0);
    static const char* const none[] = { "" };
    static const int noInts[] = { 0 };
    return TableColumnSpec ("p_", none, none, noInts, noInts, n.data(), k.data());
}

juce::XmlElement row (std::initializer_list<std::pair<const char*, const char*>> attributes)
{
    juce::XmlElement r ("ITEM");
    for (auto& [name, value] : attributes)
        r.setAttribute (name, value);
    return r;
}
} // namespace

TEST (StatCoreTest, SumsRatioAndTitle)
{
    StatCore core;
    juce::String title;
    core.initMeasures (statsSpec ({ "kmgmid", "masa", "volumen", "ratio:volumen:masa" }, { 2, 3, 3, 8 }), title);
    EXPECT_EQ (title, "p_stats_kmgmid");
    EXPECT_EQ (core.size(), 3);

    auto a = row ({ { "masa", "100" }, { "volumen", "70" } });
    auto b = row ({ { "masa", "50" }, { "volumen", "30" } });
    auto skipped = row ({ { "masa", "1000" }, { "ign_stats", "1" } });
    auto gone = row ({ { "masa", "1000" }, { "deleted", "1" } });
    for (auto* r : { &a, &b, &skipped, &gone })
        core.addRow (r);
    juce::XmlElement out ("ITEM");
    core.writeStats (out);
    EXPECT_DOUBLE_EQ (out.getDoubleAttribute ("masa"), 150.0);
    EXPECT_DOUBLE_EQ (out.getDoubleAttribute ("volumen"), 100.0);
    EXPECT_NEAR (out.getDoubleAttribute ("ratio"), 100.0 / 150.0, 1e-12);

    core.resetValues();
    auto zero = row ({ { "volumen", "5" } });
    core.addRow (&zero);
    core.writeStats (out);
    EXPECT_EQ (out.getDoubleAttribute ("ratio"), 0.0); // division by a zero sum gives 0
}

TEST (StatCoreTest, AveragesAndExtremesOverMissingAndNone)
{
    StatCore core;
    juce::String title;
    core.initMeasures (statsSpec ({ "v", "lo", "hi" }, { 4, 5, 6 }), title);
    juce::XmlElement out ("ITEM");
    core.writeStats (out);
    EXPECT_EQ (out.getDoubleAttribute ("lo", -1), 0.0); // none counted
    EXPECT_EQ (out.getDoubleAttribute ("hi", -1), 0.0);

    auto r1 = row ({ { "v", "2" }, { "lo", "5" }, { "hi", "5" } });
    auto r2 = row ({ { "v", "4" }, { "lo", "3" }, { "hi", "3" } });
    auto r3 = row ({ { "lo", "8" }, { "hi", "8" } });
    for (auto* r : { &r1, &r2, &r3 })
        core.addRow (r);
    core.writeStats (out);
    EXPECT_DOUBLE_EQ (out.getDoubleAttribute ("v"), 2.0); // the row without v counts as 0
    EXPECT_DOUBLE_EQ (out.getDoubleAttribute ("lo"), 3.0);
    EXPECT_DOUBLE_EQ (out.getDoubleAttribute ("hi"), 8.0);
}

TEST (StatCoreTest, BadCompositeSpecsAreRejectedOrLeftAlone)
{
    vtest::LogCapture log;
    StatCore core;
    juce::String title;
    core.initMeasures (statsSpec ({ "ratio", "ratio:volumen", "t1", "t2", "x", "r:nix:x" }, { 8, 8, 2, 2, 3, 8 }), title);
    EXPECT_FALSE (core.hasStats ("ratio"));
    EXPECT_TRUE (log.contains ("ERROR: column name:ratio is S_ratio or S_dif  and need two arguments"));
    EXPECT_EQ (title, "p_stats_t2"); // the last title wins

    juce::XmlElement out ("ITEM");
    out.setAttribute ("r", "42");
    core.writeStats (out);
    EXPECT_EQ (out.getStringAttribute ("r"), "42"); // left as it was
    EXPECT_TRUE (log.contains ("ERROR: probably typo of arg1 name:nix"));
}

TEST (StatCoreTest, CompositesFollowTheirOperandsAndLoopsAreCaught)
{
    vtest::LogCapture log;
    StatCore core;
    juce::String title;
    // The ratio depends on a difference: the difference must be computed first.
    core.initMeasures (statsSpec ({ "prejemek", "izdatek", "razlika:prejemek:izdatek", "delez:razlika:prejemek",
                                    "a:b:prejemek", "b:a:prejemek" },
                                  { 3, 3, 7, 8, 8, 7 }),
                       title);
    auto r = row ({ { "prejemek", "80" }, { "izdatek", "20" } });
    core.addRow (&r);
    juce::XmlElement out ("ITEM");
    out.setAttribute ("a", "7");
    core.writeStats (out);
    EXPECT_DOUBLE_EQ (out.getDoubleAttribute ("razlika"), 60.0);
    EXPECT_DOUBLE_EQ (out.getDoubleAttribute ("delez"), 0.75);
    EXPECT_EQ (out.getStringAttribute ("a"), "7"); // part of a loop: logged, value left
    EXPECT_TRUE (log.contains ("refers back to itself"));
}
