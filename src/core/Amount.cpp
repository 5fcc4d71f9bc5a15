#include "core/Amount.h"
#include "core/TextHelpers.h"

#include <cmath>
#include <limits>
#include <numeric>

namespace vindoro
{
namespace
{
constexpr double kPowersOfTen[] = { 1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0, 1000000.0 };
// Below 2^63 with room to spare: a whole number of this size still converts to a 64-bit count.
constexpr double kLargestCount = 9.2e18;

double powerOfTen (int places)
{
    return kPowersOfTen[juce::jlimit (0, 6, places)];
}

std::optional<std::int64_t> countFromMagnitude (double magnitude, bool negative)
{
    if (std::isnan (magnitude) || magnitude >= kLargestCount)
        return std::nullopt;
    const auto count = (std::int64_t) magnitude;
    return negative ? -count : count;
}

[[noreturn]] void refuseOverflow()
{
    throw std::overflow_error ("amount beyond the 64-bit count");
}

// a * b / c brought to a whole number by the rounding named, through 128-bit intermediates so no
// product overflows; a quotient the 64-bit count cannot hold is refused.
std::int64_t mulDivRounded (std::int64_t a, std::int64_t b, std::int64_t c, Rounding rounding)
{
    if (c == 0)
        throw std::invalid_argument ("scaling by a zero denominator");
    const __int128 product = (__int128) a * b;
    const bool negative = (product < 0) != (c < 0);
    const __int128 p = product < 0 ? -product : product;
    const __int128 d = c < 0 ? -(__int128) c : (__int128) c;
    __int128 q = p / d;
    const __int128 twiceRest = (p % d) * 2;
    switch (rounding)
    {
        case Rounding::halfAwayFromZero: if (twiceRest >= d) ++q; break;
        // Towards plus infinity: a positive half goes up, a negative half towards zero.
        case Rounding::halfUp:           if (negative ? twiceRest > d : twiceRest >= d) ++q; break;
        case Rounding::towardZero:       break;
    }
    const __int128 signedQ = negative ? -q : q;
    if (signedQ > std::numeric_limits<std::int64_t>::max() || signedQ < std::numeric_limits<std::int64_t>::min())
        refuseOverflow();
    return (std::int64_t) signedQ;
}

juce::String digitsOf (std::uint64_t magnitude)
{
    char buffer[24];
    int n = (int) sizeof (buffer);
    buffer[--n] = 0;
    do
    {
        buffer[--n] = (char) ('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    return juce::String (buffer + n);
}
} // namespace

//==============================================================================
namespace decimal
{
double roundedScaledMagnitude (double x, int places)
{
    if (! std::isfinite (x))
        return std::numeric_limits<double>::quiet_NaN();
    // One multiplication by the exact power of ten, then the half, as the framework's number
    // text does it: the result may differ from the mathematically exact rounding, and the
    // program's rule is this one.
    return std::floor (std::abs (x) * powerOfTen (places) + 0.5);
}

juce::String withPoint (const juce::String& text)
{
    const auto separator = decimalSeparator();
    return separator.isEmpty() ? text : text.replace (separator, ".");
}

juce::String cutAfterDecimals (const juce::String& textWithPoint, int places)
{
    const int point = textWithPoint.indexOfChar ('.');
    return point < 0 ? textWithPoint : textWithPoint.substring (0, point + 1 + juce::jmax (0, places));
}

juce::String digitsWithPoint (const juce::String& digits, int places)
{
    auto d = digits;
    if (d.length() <= places)
        d = juce::String::repeatedString ("0", places + 1 - d.length()) + d;
    const int point = d.length() - places;
    return places > 0 ? d.substring (0, point) + "." + d.substring (point) : d;
}

double sqlRoundedScaled (double x, int places)
{
    if (! std::isfinite (x))
        return std::numeric_limits<double>::quiet_NaN();
    const double v = x + 1e-12;   // added in double, as the SQL expression computes it
    // ROUND leaves a value that cannot have a fraction as it is.
    if (std::abs (v) > 4503599627370496.0)
        return std::abs (v) * powerOfTen (places);

    // SQLite rounds through its own printf("%.*f"): the magnitude in long double, plus half a
    // unit of the last place and, for values small enough to show digits there, 3e-16 of
    // itself; then at most 16 significant digits read off one by one. The same steps here give
    // the same digits, including for values that lie a hair below a half.
    long double real = std::fabs ((long double) v);
    double rounder = 0.5 / powerOfTen (places);
    int binaryExponent = 0;
    std::frexp (v, &binaryExponent);
    const int ex = v == 0.0 ? -1023 : binaryExponent - 1;
    if (places + ex / 3 < 15)
        rounder = (double) (rounder + real * (long double) 3e-16);
    real += rounder;

    int exp = 0;
    if (real > 0.0L)
    {
        long double scale = 1.0L;
        while (real >= 1e100 * scale && exp <= 350) { scale *= 1e100; exp += 100; }
        while (real >= 1e10 * scale && exp <= 350)  { scale *= 1e10; exp += 10; }
        while (real >= 10.0 * scale && exp <= 350)  { scale *= 10.0; exp++; }
        real /= scale;
        while (real < 1e-8) { real *= 1e8; exp -= 8; }
        while (real < 1.0)  { real *= 10.0; exp--; }
    }

    int significant = 16;
    auto nextDigit = [&]() -> int
    {
        if (significant <= 0)
            return 0;
        --significant;
        const int digit = (int) real;
        real = (real - digit) * 10.0;
        return digit;
    };

    double count = 0.0;
    int e2 = exp;
    if (e2 >= 0)
        for (; e2 >= 0; --e2)
            count = count * 10.0 + nextDigit();
    int remaining = places;
    for (++e2; e2 < 0 && remaining > 0; --remaining, ++e2)
        count *= 10.0;
    for (; remaining > 0; --remaining)
        count = count * 10.0 + nextDigit();
    return count;
}
} // namespace decimal

//==============================================================================
template <typename Tag, int Places>
FixedDecimal<Tag, Places> FixedDecimal<Tag, Places>::fromUnits (std::int64_t units)
{
    return FixedDecimal (mulDivRounded (units, scale, 1, Rounding::towardZero));
}

template <typename Tag, int Places>
std::optional<FixedDecimal<Tag, Places>> FixedDecimal<Tag, Places>::fromStoredDouble (double v)
{
    if (auto c = countFromMagnitude (decimal::roundedScaledMagnitude (v, Places), v < 0))
        return FixedDecimal (*c);
    return std::nullopt;
}

template <typename Tag, int Places>
std::optional<FixedDecimal<Tag, Places>> FixedDecimal<Tag, Places>::fromSqlRound (double v)
{
    if (auto c = countFromMagnitude (decimal::sqlRoundedScaled (v, Places), v + 1e-12 < 0))
        return FixedDecimal (*c);
    return std::nullopt;
}

template <typename Tag, int Places>
std::optional<FixedDecimal<Tag, Places>> FixedDecimal<Tag, Places>::fromTypedText (const juce::String& text)
{
    auto t = decimal::withPoint (text.trim()).replaceCharacter (',', '.');
    bool negative = false;
    if (t.startsWithChar ('-') || t.startsWithChar ('+'))
    {
        negative = t.startsWithChar ('-');
        t = t.substring (1);
    }
    // Checked whole before the cut: a second separator among the cut digits ("1.234,5") is a
    // number written another way, not 1.23.
    const int point = t.indexOfChar ('.');
    const auto whole = point >= 0 ? t.substring (0, point) : t;
    auto fraction = point >= 0 ? t.substring (point + 1) : juce::String();
    if ((whole.isEmpty() && fraction.isEmpty()) || ! whole.containsOnly ("0123456789") || ! fraction.containsOnly ("0123456789"))
        return std::nullopt;
    fraction = decimal::cutAfterDecimals ("." + fraction, Places).substring (1);

    // Digit by digit with a check at each, so a long text is refused instead of wrapping round.
    __int128 count = 0;
    const auto digits = whole + fraction + juce::String::repeatedString ("0", Places - fraction.length());
    for (auto c : digits)
    {
        count = count * 10 + (c - '0');
        if (count > std::numeric_limits<std::int64_t>::max())
            return std::nullopt;
    }
    return FixedDecimal ((std::int64_t) (negative ? -count : count));
}

template <typename Tag, int Places>
juce::String FixedDecimal<Tag, Places>::format (const juce::String& separator) const
{
    const auto magnitude = value < 0 ? 0 - (std::uint64_t) value : (std::uint64_t) value;
    const auto text = decimal::digitsWithPoint (digitsOf (magnitude), Places);
    return (value < 0 ? "-" : "") + text.replace (".", separator);
}

template <typename Tag, int Places>
juce::String FixedDecimal<Tag, Places>::toText() const
{
    return format (decimalSeparator());
}

template <typename Tag, int Places>
juce::String FixedDecimal<Tag, Places>::toSql() const
{
    return format (".");
}

template <typename Tag, int Places>
std::int64_t FixedDecimal<Tag, Places>::checkedSum (std::int64_t a, std::int64_t b)
{
    std::int64_t out = 0;
    if (__builtin_add_overflow (a, b, &out))
        refuseOverflow();
    return out;
}

template <typename Tag, int Places>
std::int64_t FixedDecimal<Tag, Places>::checkedDifference (std::int64_t a, std::int64_t b)
{
    std::int64_t out = 0;
    if (__builtin_sub_overflow (a, b, &out))
        refuseOverflow();
    return out;
}

template <typename Tag, int Places>
FixedDecimal<Tag, Places> FixedDecimal<Tag, Places>::scaledBy (std::int64_t numerator, std::int64_t denominator,
                                                               Rounding rounding) const
{
    return FixedDecimal (mulDivRounded (value, numerator, denominator, rounding));
}

template class FixedDecimal<AmountTag, 2>;
template class FixedDecimal<LitresTag, 2>;
template class FixedDecimal<QuantityTag, 4>;
template class FixedDecimal<PercentTag, 2>;

//==============================================================================
std::vector<std::int64_t> splitLargestRemainder (std::int64_t total, const std::vector<std::int64_t>& weights)
{
    std::vector<std::int64_t> shares (weights.size(), 0);
    if (weights.empty())
        return shares;
    __int128 weightSum = 0;
    for (auto w : weights)
        weightSum += w > 0 ? w : 0;
    if (weightSum == 0)
    {
        shares[0] = total;
        return shares;
    }

    // Worked on the magnitude, so a negative total splits as the mirror image of a positive one.
    const bool negative = total < 0;
    const __int128 magnitude = negative ? -(__int128) total : (__int128) total;
    std::vector<__int128> whole (weights.size(), 0), remainders (weights.size(), 0);
    __int128 given = 0;
    for (size_t i = 0; i < weights.size(); ++i)
    {
        const __int128 product = magnitude * (weights[i] > 0 ? weights[i] : 0);
        whole[i] = product / weightSum;
        remainders[i] = product % weightSum;
        given += whole[i];
    }
    // The units left are fewer than the parts with a remainder, so each such part gets at most
    // one and a part of weight 0 (remainder 0) none.
    std::vector<size_t> order (weights.size());
    std::iota (order.begin(), order.end(), 0);
    std::stable_sort (order.begin(), order.end(), [&] (size_t a, size_t b) { return remainders[a] > remainders[b]; });
    for (size_t k = 0; given < magnitude; ++k, ++given)
        ++whole[order[k]];
    for (size_t i = 0; i < weights.size(); ++i)
        shares[i] = (std::int64_t) (negative ? -whole[i] : whole[i]);
    return shares;
}
} // namespace vindoro
