// Exact amounts: every named conversion against the program's rules (the number texts, SQLite's
// own ROUND), arithmetic that refuses what the count cannot hold, and the largest-remainder split.
#include "core/Amount.h"
#include "core/TextHelpers.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <limits>
#include <random>

using vindoro::Amount;
using vindoro::Litres;
using vindoro::Percent;
using vindoro::Quantity;
using vindoro::Rounding;

namespace
{
class AmountWithComma : public ::testing::Test
{
protected:
    void useSeparator (const juce::String& separator)
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings ("language: Test\n\"decimalna_vejica\" = \"" + separator + "\"\n", true));
    }
    void SetUp() override { useSeparator (","); }
    void TearDown() override { juce::LocalisedStrings::setCurrentMappings (nullptr); }
};

template <typename T>
juce::String shown (const std::optional<T>& value)
{
    return value.has_value() ? value->toText() : juce::String ("refused");
}

/** ROUND(x+1e-12,2) as the linked SQLite computes it. */
class SqlRound
{
public:
    SqlRound() { sqlite3_open (":memory:", &db); sqlite3_prepare_v2 (db, "SELECT ROUND(?1+1e-12,2)", -1, &st, nullptr); }
    ~SqlRound() { sqlite3_finalize (st); sqlite3_close (db); }
    double operator() (double x)
    {
        sqlite3_reset (st);
        sqlite3_bind_double (st, 1, x);
        sqlite3_step (st);
        return sqlite3_column_double (st, 0);
    }

private:
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
};
} // namespace

TEST_F (AmountWithComma, NamedConversionsFollowTheProgramsRules)
{
    struct Case { const char* what; std::optional<Amount> value; const char* text; };
    const Case cases[] = {
        // A stored double: halves away from zero on the value as stored.
        { "1.005 stored (just below the half)",   Amount::fromStoredDouble (1.005), "1,00" },
        { "0.125 stored (an exact half)",         Amount::fromStoredDouble (0.125), "0,13" },
        { "negative half away from zero",         Amount::fromStoredDouble (-0.125), "-0,13" },
        { "negative half of a cent",              Amount::fromStoredDouble (-0.005), "-0,01" },
        { "below half a cent is no cent",         Amount::fromStoredDouble (-0.004), "0,00" },
        { "1234.5 with two decimals",             Amount::fromStoredDouble (1234.5), "1234,50" },
        { "largest stored value kept",            Amount::fromStoredDouble (9.1e16), "91000000000000000,00" },
        { "stored value beyond the count",        Amount::fromStoredDouble (9.3e16), "refused" },
        { "not a number",                         Amount::fromStoredDouble (std::numeric_limits<double>::quiet_NaN()), "refused" },
        { "infinity",                             Amount::fromStoredDouble (std::numeric_limits<double>::infinity()), "refused" },
        // SQL's ROUND(x+1e-12,2): a half stored below itself still goes up, negative halves too.
        { "1.005 rounded as SQL does",            Amount::fromSqlRound (1.005), "1,01" },
        { "2.675 rounded as SQL does",            Amount::fromSqlRound (2.675), "2,68" },
        { "0.125 rounded as SQL does",            Amount::fromSqlRound (0.125), "0,13" },
        { "negative half goes up in SQL",         Amount::fromSqlRound (-0.125), "-0,12" },
        { "negative 1.005 in SQL",                Amount::fromSqlRound (-1.005), "-1,00" },
        { "SQL rounding beyond the count",        Amount::fromSqlRound (1e300), "refused" },
        // Typed text: either separator, extra decimals cut towards zero.
        { "typed with a comma",                   Amount::fromTypedText ("1234,5"), "1234,50" },
        { "typed with a point",                   Amount::fromTypedText ("1234.5"), "1234,50" },
        { "typed with blanks and a sign",         Amount::fromTypedText (" +3,75 "), "3,75" },
        { "typed decimals cut, not rounded",      Amount::fromTypedText ("0,999"), "0,99" },
        { "typed negative decimals cut to zero",  Amount::fromTypedText ("-1,239"), "-1,23" },
        { "typed separator first",                Amount::fromTypedText (",5"), "0,50" },
        { "typed separator last",                 Amount::fromTypedText ("5,"), "5,00" },
        { "typed thousands separator refused",    Amount::fromTypedText ("1.234,5"), "refused" },
        { "typed letters refused",                Amount::fromTypedText ("12 EUR"), "refused" },
        { "typed nothing refused",                Amount::fromTypedText (""), "refused" },
        { "typed lone separator refused",         Amount::fromTypedText (","), "refused" },
        { "typed largest count",                  Amount::fromTypedText ("92233720368547758,07"), "92233720368547758,07" },
        { "typed one beyond the count",           Amount::fromTypedText ("92233720368547758,08"), "refused" },
        { "typed far beyond the count",           Amount::fromTypedText ("123456789012345678901234"), "refused" },
        { "most negative count",                  Amount::fromTypedText ("-92233720368547758,07"), "-92233720368547758,07" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        EXPECT_EQ (shown (c.value), c.text);
        if (c.value.has_value())
            EXPECT_EQ (c.value->toSql(), juce::String (c.text).replace (",", "."));
    }

    useSeparator (".");
    EXPECT_EQ (Amount::fromHundredths (123450).toText(), "1234.50");
    EXPECT_EQ (Amount::fromTypedText ("1,5")->hundredths(), 150);   // a comma is still a separator
    EXPECT_EQ (Litres::fromStoredDouble (-0.5)->toSql(), "-0.50");
}

TEST_F (AmountWithComma, FourDecimalSiblingForQuantities)
{
    EXPECT_EQ (shown (Quantity::fromTypedText ("12,34567")), "12,3456");
    EXPECT_EQ (shown (Quantity::fromStoredDouble (0.99455)), "0,9946");
    EXPECT_EQ (shown (Quantity::fromStoredDouble (-0.00005)), "-0,0001");
    EXPECT_EQ (Quantity::fromUnits (3).toSql(), "3.0000");
    EXPECT_EQ (Quantity::fromCount (5).toText(), "0,0005");
    EXPECT_EQ (formatDecimal (12.34565, 4), Quantity::fromStoredDouble (12.34565)->toText());
}

TEST (Amount, ArithmeticAndItsRoundings)
{
    const auto a = Amount::fromHundredths (1999);
    EXPECT_EQ ((a + Amount::fromHundredths (1)).hundredths(), 2000);
    EXPECT_EQ ((a - Amount::fromUnits (20)).hundredths(), -1);
    EXPECT_LT (-a, a);
    EXPECT_TRUE ((a - a).isZero());

    struct Case { const char* what; Amount got; std::int64_t hundredths; };
    const auto quarter = Amount::fromHundredths (25);
    const auto half = *Quantity::fromTypedText ("0,5");
    const Case cases[] = {
        { "half a cent up, away from zero",     quarter.times (half, Rounding::halfAwayFromZero), 13 },
        { "negative half away from zero",       (-quarter).times (half, Rounding::halfAwayFromZero), -13 },
        { "negative half up, as SQL",           (-quarter).times (half, Rounding::halfUp), -12 },
        { "positive half up, as SQL",           quarter.times (half, Rounding::halfUp), 13 },
        { "cut towards zero",                   (-quarter).times (half, Rounding::towardZero), -12 },
        // 22 % of 0.39 is 0.0858; 9.5 % of 4.99 is 0.47405.
        { "VAT of a base",                      Amount::fromHundredths (39).timesPercent (Percent::fromUnits (22), Rounding::halfAwayFromZero), 9 },
        { "VAT at a rate with decimals",        Amount::fromHundredths (499).timesPercent (*Percent::fromTypedText ("9,5"), Rounding::halfAwayFromZero), 47 },
        { "price times a four-decimal count",   Amount::fromHundredths (1999).times (*Quantity::fromTypedText ("2,5"), Rounding::halfAwayFromZero), 4998 },
        { "a price per litre times litres",     Amount::fromHundredths (333).times (Litres::fromHundredths (150), Rounding::halfAwayFromZero), 500 },
        { "a share of a total",                 Amount::fromHundredths (100).scaledBy (1, 3), 33 },
    };
    for (const auto& c : cases)
        EXPECT_EQ (c.got.hundredths(), c.hundredths) << c.what;

    const auto most = Amount::fromHundredths (std::numeric_limits<std::int64_t>::max());
    const auto least = Amount::fromHundredths (std::numeric_limits<std::int64_t>::min());
    EXPECT_THROW (most + Amount::fromHundredths (1), std::overflow_error);
    EXPECT_THROW (least - Amount::fromHundredths (1), std::overflow_error);
    EXPECT_THROW (-least, std::overflow_error);
    EXPECT_THROW (most.scaledBy (3, 2), std::overflow_error);
    EXPECT_THROW (Amount::fromUnits (std::numeric_limits<std::int64_t>::max() / 10), std::overflow_error);
    EXPECT_THROW (a.scaledBy (1, 0), std::invalid_argument);
    // A product whose intermediate would not fit 64 bits still comes out exact.
    EXPECT_EQ (most.scaledBy (1000, 1000).hundredths(), std::numeric_limits<std::int64_t>::max());
}

TEST (Amount, SqlRoundingMatchesTheLinkedSQLite)
{
    SqlRound sql;
    std::vector<double> values = { 0.0, 0.005, -0.005, 0.015, 1.005, -1.005, 2.675, 1.115, 8.345, 1234.565, 0.285,
                                   -0.125, 1e-13, -1e-12, -1.5e-12, 99999.995, 123456789.125, 4503599627.495 };
    std::mt19937_64 random (20240611);
    for (int i = 0; i < 20000; ++i)
    {
        // Half cents are where a hair decides; the magnitudes reach ten thousand million.
        const std::int64_t halves = (std::int64_t) (random() % 2000000001) - 1000000000;
        const double big = (double) (random() % 10000000) * 1000.0;
        values.push_back ((double) halves / 200.0);
        values.push_back ((double) halves * 0.005 + (halves < 0 ? -big : big));
        values.push_back (std::ldexp ((double) (random() % (1ull << 52)), -(int) (12 + random() % 50)));
    }
    int mismatches = 0;
    for (double x : values)
    {
        // The rounded double SQLite gives holds its cents exactly at these magnitudes.
        const auto ours = Amount::fromSqlRound (x);
        const auto theirs = Amount::fromStoredDouble (sql (x));
        ASSERT_TRUE (ours.has_value() && theirs.has_value()) << x;
        if (*ours != *theirs && ++mismatches <= 10)
            ADD_FAILURE() << juce::String (x, 17) << ": ours " << ours->toSql() << ", SQLite " << theirs->toSql();
    }
}

TEST_F (AmountWithComma, NumberTextsAndTheExactTypesShareOneRule)
{
    std::mt19937_64 random (7);
    std::uniform_real_distribution<double> wide (-1e7, 1e7);
    for (int i = 0; i < 20000; ++i)
    {
        // Values near half a cent are where two rules would part.
        const double x = i % 2 == 0 ? wide (random) : std::round (wide (random)) / 1000.0 + 0.005 * (i % 4 == 1 ? 1 : -1);
        const auto amount = Amount::fromStoredDouble (x);
        ASSERT_TRUE (amount.has_value());
        const auto text = formatDecimal2 (x);
        // The text keeps a minus on a value that rounds to zero; the count has no negative zero.
        EXPECT_EQ (text == "-0,00" ? juce::String ("0,00") : text, amount->toText()) << juce::String (x, 17);

        const auto typed = formatDecimal (x, 5);
        const auto read = Amount::fromTypedText (typed);
        ASSERT_TRUE (read.has_value()) << typed;
        EXPECT_EQ (parseDecimal2 (typed), read->toDouble()) << typed;
    }
}

TEST (AmountSplit, LargestRemainderCases)
{
    struct Case { const char* what; std::int64_t total; std::vector<std::int64_t> weights, shares; };
    const Case cases[] = {
        { "even split",                          300, { 1, 1, 1 }, { 100, 100, 100 } },
        { "a cent left goes to the earlier tie", 100, { 1, 1, 1 }, { 34, 33, 33 } },
        { "two cents left, ties in order",       200, { 1, 1, 1 }, { 67, 67, 66 } },
        { "largest remainder first",             10,  { 1, 2, 4 }, { 1, 3, 6 } },
        { "zero weight gets nothing",            100, { 0, 3, 0, 3 }, { 0, 50, 0, 50 } },
        { "negative weight counts as zero",      100, { -5, 1 }, { 0, 100 } },
        { "negative total mirrors",              -100, { 1, 1, 1 }, { -34, -33, -33 } },
        { "no weight above zero: first part",    57,  { 0, 0 }, { 57, 0 } },
        { "no weights, no shares",               57,  {}, {} },
        { "zero total",                          0,   { 3, 1 }, { 0, 0 } },
        { "weights of any size",                 1,   { std::numeric_limits<std::int64_t>::max(), 1 }, { 1, 0 } },
        { "largest total",                       std::numeric_limits<std::int64_t>::min(), { 1, 1 },
                                                 { std::numeric_limits<std::int64_t>::min() / 2, std::numeric_limits<std::int64_t>::min() / 2 } },
    };
    for (const auto& c : cases)
        EXPECT_EQ (vindoro::splitLargestRemainder (c.total, c.weights), c.shares) << c.what;

    const auto litres = vindoro::splitLargestRemainder (Litres::fromHundredths (1000),
                                                        std::vector<Litres> { Litres::fromUnits (2), Litres::fromUnits (1) });
    ASSERT_EQ (litres.size(), 2u);
    EXPECT_EQ (litres[0].hundredths(), 667);
    EXPECT_EQ (litres[1].hundredths(), 333);
}

TEST (AmountSplit, RandomSplitsAlwaysAddUp)
{
    std::mt19937_64 random (424242);
    for (int round = 0; round < 5000; ++round)
    {
        const auto parts = (size_t) (1 + random() % 12);
        std::vector<std::int64_t> weights;
        for (size_t i = 0; i < parts; ++i)
            weights.push_back (random() % 5 == 0 ? 0 : (std::int64_t) (random() % (round % 2 == 0 ? 1000 : 1000000000000ull)));
        const std::int64_t total = (std::int64_t) (random() % 20000001) - 10000000;
        const auto shares = vindoro::splitLargestRemainder (total, weights);
        ASSERT_EQ (shares.size(), parts);

        long double weightSum = 0;
        for (auto w : weights)
            weightSum += (long double) w;
        __int128 sum = 0;
        for (size_t i = 0; i < parts; ++i)
        {
            sum += shares[i];
            EXPECT_TRUE (total >= 0 ? shares[i] >= 0 : shares[i] <= 0) << round;
            if (weightSum > 0)
            {
                // Never more than one unit away from the exact proportion.
                const long double exact = (long double) total * (long double) weights[i] / weightSum;
                EXPECT_LT (std::fabs ((long double) shares[i] - exact), 1.0L) << round << " part " << i;
                if (weights[i] == 0)
                    EXPECT_EQ (shares[i], 0) << round;
            }
        }
        ASSERT_EQ ((std::int64_t) sum, total) << round;
    }
}
