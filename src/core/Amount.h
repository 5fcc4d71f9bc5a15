#pragma once
// Exact money and wine: a signed 64-bit count of hundredths (of a currency unit, of a litre). Every
// way into and out of the count is a named conversion carrying one of the program's rounding
// rules, so binary floating point never decides a cent or a centilitre. Value types, any thread.
#include <juce_core/juce_core.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace vindoro
{
/** The hundredths count shared by Amount and Litres; the tag keeps money and wine apart. */
template <typename Tag>
class Hundredths
{
public:
    constexpr Hundredths() = default;

    /** Exactly `hundredths` hundredths. */
    static constexpr Hundredths fromHundredths (std::int64_t hundredths) { return Hundredths (hundredths); }
    /** A whole number of units. */
    static constexpr Hundredths fromUnits (std::int64_t units) { return Hundredths (units * 100); }

    /** A double as stored by the database or computed by a Part, rounded to hundredths half away
        from zero on the value as stored (1.005 stored as 1.00499… gives 1.00; 0.125 gives 0.13).
        Nothing for NaN, infinities and values beyond the 64-bit count. */
    static std::optional<Hundredths> fromStoredDouble (double value);

    /** Typed text with either decimal separator (the language's or a point); digits past the
        second decimal are cut, never rounded. Nothing for text that is not a number. */
    static std::optional<Hundredths> fromTypedText (const juce::String& text);

    constexpr std::int64_t hundredths() const { return count; }
    /** For SQL arithmetic a Part does on purpose, and for drawing; never for deciding a cent. */
    double toDouble() const { return (double) count / 100.0; }

    /** Two decimals with the language's decimal separator ("1234,50"). */
    juce::String toText() const { return format (count, decimalSeparatorText()); }
    /** Two decimals with a point, unquoted, for SQL text ("1234.50"). */
    juce::String toSql() const { return format (count, "."); }

    constexpr Hundredths operator+ (Hundredths other) const { return Hundredths (count + other.count); }
    constexpr Hundredths operator- (Hundredths other) const { return Hundredths (count - other.count); }
    constexpr Hundredths operator-() const { return Hundredths (-count); }
    Hundredths& operator+= (Hundredths other) { count += other.count; return *this; }
    Hundredths& operator-= (Hundredths other) { count -= other.count; return *this; }
    constexpr auto operator<=> (const Hundredths&) const = default;

    constexpr bool isZero() const { return count == 0; }
    constexpr bool isNegative() const { return count < 0; }

    /** The value times numerator/denominator, rounded half away from zero to hundredths, in exact
        integer arithmetic (a share of a total, a quantity times a price in hundredths). */
    Hundredths scaledBy (std::int64_t numerator, std::int64_t denominator) const;

private:
    constexpr explicit Hundredths (std::int64_t c) : count (c) {}
    static juce::String format (std::int64_t count, const juce::String& separator);
    static juce::String decimalSeparatorText();

    std::int64_t count = 0;
};

struct AmountTag;
struct LitresTag;
using Amount = Hundredths<AmountTag>;
using Litres = Hundredths<LitresTag>;

/** Splits `total` hundredths over parts in proportion to `weights` by the largest-remainder
    method: every share is >= 0 for a total >= 0 (<= 0 for a negative total), the shares add up
    exactly to the total, and leftover hundredths go to the largest remainders, ties to the
    earlier part. Weights must be >= 0; when they add up to 0 the total goes to the first part.
    An empty weight list gives an empty result. */
std::vector<std::int64_t> splitLargestRemainder (std::int64_t total, const std::vector<std::int64_t>& weights);

template <typename Tag>
std::vector<Hundredths<Tag>> splitLargestRemainder (Hundredths<Tag> total, const std::vector<std::int64_t>& weights)
{
    std::vector<Hundredths<Tag>> out;
    for (auto share : splitLargestRemainder (total.hundredths(), weights))
        out.push_back (Hundredths<Tag>::fromHundredths (share));
    return out;
}
} // namespace vindoro
