#pragma once
// Exact money and wine: a signed 64-bit count of hundredths (of a currency unit, of a litre), and
// a four-decimal sibling for quantities and prices shown with four decimals. Every way into and
// out of the count is a named conversion carrying one of the program's rounding rules, so binary
// floating point never decides a cent or a centilitre. Value types, any thread. A result the
// count cannot hold is refused: conversions give nothing, arithmetic throws std::overflow_error.
#include <juce_core/juce_core.h>

#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

namespace vindoro
{
/** How a product or a quotient is brought back to the count's decimals. */
enum class Rounding
{
    halfAwayFromZero,   // the display rule: 0.125 -> 0.13, -0.125 -> -0.13
    halfUp,             // halves towards plus infinity, as SQL's ROUND(x+1e-12,2) settles them: -0.125 -> -0.12
    towardZero          // the cut of typed text: 0.129 -> 0.12, -0.129 -> -0.12
};

/** The rules the number texts of the program share with the exact types (one rule, one place). */
namespace decimal
{
/** |x| times 10^places plus one half, cut to a whole number, on the double as computed: the
    display rule (0.125 -> 13, 1.005 -> 100 with 2 places). A whole number held in a double;
    NaN for NaN and infinities. */
double roundedScaledMagnitude (double x, int places);
/** The language's decimal separator replaced by a point. */
juce::String withPoint (const juce::String& text);
/** The text cut `places` characters behind its first point; a text without a point stays whole. */
juce::String cutAfterDecimals (const juce::String& textWithPoint, int places);
/** Decimal digits of a whole number with a point put before the last `places` of them
    ("5", 2 -> "0.05"). */
juce::String digitsWithPoint (const juce::String& digits, int places);
/** SQLite's ROUND(x+1e-12,places) as this program's SQLite computes it: the sum rounded half
    away from zero after SQLite's own nudge upwards; NaN for NaN and infinities. */
double sqlRoundedScaled (double x, int places);
} // namespace decimal

/** A count of 10^-Places units; the tag keeps money, wine and quantities apart. */
template <typename Tag, int Places>
class FixedDecimal
{
    static_assert (Places >= 1 && Places <= 6, "one to six decimals");

public:
    static constexpr int places = Places;
    static constexpr std::int64_t scale = Places == 1 ? 10 : Places == 2 ? 100 : Places == 3 ? 1000
                                          : Places == 4 ? 10000 : Places == 5 ? 100000 : 1000000;

    constexpr FixedDecimal() = default;

    /** Exactly `count` units of the last decimal. */
    static constexpr FixedDecimal fromCount (std::int64_t count) { return FixedDecimal (count); }
    static constexpr FixedDecimal fromHundredths (std::int64_t hundredths) requires (Places == 2)
    {
        return FixedDecimal (hundredths);
    }
    /** A whole number of units; throws when the count cannot hold it. */
    static FixedDecimal fromUnits (std::int64_t units);

    /** A double as stored by the database or computed by a Part, rounded half away from zero on
        the value as stored (1.005 stored as 1.00499... gives 1.00; 0.125 gives 0.13), which is the
        rule of the number texts. Nothing for NaN, infinities and values the count cannot hold. */
    static std::optional<FixedDecimal> fromStoredDouble (double value);

    /** What SQLite's ROUND(x+1e-12,places) gives for x, where a Part rounds in SQL: halves go up
        (-0.125 gives -0.12) and a half stored just below itself still counts as a half (1.005
        gives 1.01). Nothing for NaN, infinities and values the count cannot hold. */
    static std::optional<FixedDecimal> fromSqlRound (double value);

    /** Typed text with either decimal separator (the language's, a point or a comma); digits past
        the last decimal are cut, never rounded. Nothing for text that is not a plain number or
        that the count cannot hold. */
    static std::optional<FixedDecimal> fromTypedText (const juce::String& text);

    constexpr std::int64_t count() const { return value; }
    constexpr std::int64_t hundredths() const requires (Places == 2) { return value; }
    /** For SQL arithmetic a Part does on purpose, and for drawing; never for deciding a cent. */
    double toDouble() const { return (double) value / (double) scale; }

    /** All decimals with the language's decimal separator ("1234,50"). */
    juce::String toText() const;
    /** All decimals with a point, unquoted, for SQL text ("1234.50"). */
    juce::String toSql() const;

    FixedDecimal operator+ (FixedDecimal other) const { return FixedDecimal (checkedSum (value, other.value)); }
    FixedDecimal operator- (FixedDecimal other) const { return FixedDecimal (checkedDifference (value, other.value)); }
    FixedDecimal operator-() const { return FixedDecimal (checkedDifference (0, value)); }
    FixedDecimal& operator+= (FixedDecimal other) { return *this = *this + other; }
    FixedDecimal& operator-= (FixedDecimal other) { return *this = *this - other; }
    constexpr auto operator<=> (const FixedDecimal&) const = default;

    constexpr bool isZero() const { return value == 0; }
    constexpr bool isNegative() const { return value < 0; }

    /** The value times numerator/denominator in exact integer arithmetic, brought back to the
        count's decimals by the rounding named. */
    FixedDecimal scaledBy (std::int64_t numerator, std::int64_t denominator, Rounding rounding) const;
    /** As above, halves away from zero (a share of a total, a price times a whole count). */
    FixedDecimal scaledBy (std::int64_t numerator, std::int64_t denominator) const
    {
        return scaledBy (numerator, denominator, Rounding::halfAwayFromZero);
    }

    /** The value times a quantity or a price of any decimals (litres times a price per litre,
        a price times a four-decimal quantity), with one rounding. */
    template <typename OtherTag, int OtherPlaces>
    FixedDecimal times (FixedDecimal<OtherTag, OtherPlaces> factor, Rounding rounding) const
    {
        return scaledBy (factor.count(), FixedDecimal<OtherTag, OtherPlaces>::scale, rounding);
    }

    /** The value times a rate in percent (22 % of a base, a 15 % discount), with one rounding. */
    template <typename OtherTag, int OtherPlaces>
    FixedDecimal timesPercent (FixedDecimal<OtherTag, OtherPlaces> ratePercent, Rounding rounding) const
    {
        return scaledBy (ratePercent.count(), FixedDecimal<OtherTag, OtherPlaces>::scale * 100, rounding);
    }

private:
    constexpr explicit FixedDecimal (std::int64_t c) : value (c) {}
    static std::int64_t checkedSum (std::int64_t a, std::int64_t b);
    static std::int64_t checkedDifference (std::int64_t a, std::int64_t b);
    juce::String format (const juce::String& separator) const;

    std::int64_t value = 0;
};

/** The hundredths count shared by Amount and Litres. */
template <typename Tag>
using Hundredths = FixedDecimal<Tag, 2>;
/** The four-decimal count of quantities and prices shown with four decimals. */
template <typename Tag>
using TenThousandths = FixedDecimal<Tag, 4>;

struct AmountTag;
struct LitresTag;
struct QuantityTag;
struct PercentTag;
using Amount = Hundredths<AmountTag>;
using Litres = Hundredths<LitresTag>;
/** A count of goods or a unit price with four decimals, as the quantity columns show them. */
using Quantity = TenThousandths<QuantityTag>;
/** A rate in percent with two decimals (22.00, 9.50). */
using Percent = Hundredths<PercentTag>;

/** Splits `total` over parts in proportion to `weights` by the largest-remainder method: every
    share is >= 0 for a total >= 0 (<= 0 for a negative total), the shares add up exactly to the
    total, and the units left over after the whole shares go one each to the largest remainders,
    ties to the earlier part. A part of weight 0 gets nothing. Weights below 0 count as 0; when
    no weight is above 0 the whole total goes to the first part. No weights give no shares. */
std::vector<std::int64_t> splitLargestRemainder (std::int64_t total, const std::vector<std::int64_t>& weights);

template <typename Tag, int Places>
std::vector<FixedDecimal<Tag, Places>> splitLargestRemainder (FixedDecimal<Tag, Places> total,
                                                              const std::vector<std::int64_t>& weights)
{
    std::vector<FixedDecimal<Tag, Places>> out;
    for (auto share : splitLargestRemainder (total.count(), weights))
        out.push_back (FixedDecimal<Tag, Places>::fromCount (share));
    return out;
}

/** Weights taken from counts of the same kind (litres of each wine, the value of each line). */
template <typename Tag, int Places, typename WeightTag, int WeightPlaces>
std::vector<FixedDecimal<Tag, Places>> splitLargestRemainder (FixedDecimal<Tag, Places> total,
                                                              const std::vector<FixedDecimal<WeightTag, WeightPlaces>>& weights)
{
    std::vector<std::int64_t> counts;
    for (auto w : weights)
        counts.push_back (w.count());
    return splitLargestRemainder (total, counts);
}
} // namespace vindoro
