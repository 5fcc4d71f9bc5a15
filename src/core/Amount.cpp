#include "core/Amount.h"
#include "core/TextHelpers.h"

#include <cmath>
#include <limits>
#include <numeric>

namespace vindoro
{
namespace
{
constexpr double kLargestCount = 9.2e18;

// |a * b / c| rounded half away from zero, through 128-bit intermediates so no product overflows.
std::int64_t mulDivRounded (std::int64_t a, std::int64_t b, std::int64_t c)
{
    const __int128 product = (__int128) a * b;
    const bool negative = (product < 0) != (c < 0);
    __int128 p = product < 0 ? -product : product;
    const __int128 d = c < 0 ? -(__int128) c : (__int128) c;
    __int128 q = p / d;
    if ((p % d) * 2 >= d)
        ++q;
    return (std::int64_t) (negative ? -q : q);
}
} // namespace

template <typename Tag>
std::optional<Hundredths<Tag>> Hundredths<Tag>::fromStoredDouble (double value)
{
    if (! std::isfinite (value))
        return std::nullopt;
    const double scaled = std::floor (std::abs (value) * 100.0 + 0.5);
    if (scaled >= kLargestCount)
        return std::nullopt;
    const auto magnitude = (std::int64_t) scaled;
    return Hundredths (value < 0 ? -magnitude : magnitude);
}

template <typename Tag>
std::optional<Hundredths<Tag>> Hundredths<Tag>::fromTypedText (const juce::String& text)
{
    auto t = text.trim();
    const auto separator = decimalSeparatorText();
    if (separator.isNotEmpty())
        t = t.replace (separator, ".");
    t = t.replaceCharacter (',', '.');
    bool negative = false;
    if (t.startsWithChar ('-') || t.startsWithChar ('+'))
    {
        negative = t.startsWithChar ('-');
        t = t.substring (1);
    }
    const int point = t.indexOfChar ('.');
    const auto whole = point >= 0 ? t.substring (0, point) : t;
    auto fraction = point >= 0 ? t.substring (point + 1) : juce::String();
    if ((whole.isEmpty() && fraction.isEmpty()) || ! whole.containsOnly ("0123456789")
        || ! fraction.containsOnly ("0123456789") || whole.length() > 16)
        return std::nullopt;
    fraction = (fraction + "00").substring (0, 2);
    const auto count = whole.getLargeIntValue() * 100 + fraction.getIntValue();
    return Hundredths (negative ? -count : count);
}

template <typename Tag>
Hundredths<Tag> Hundredths<Tag>::scaledBy (std::int64_t numerator, std::int64_t denominator) const
{
    jassert (denominator != 0);
    return denominator == 0 ? Hundredths() : Hundredths (mulDivRounded (count, numerator, denominator));
}

template <typename Tag>
juce::String Hundredths<Tag>::format (std::int64_t c, const juce::String& separator)
{
    const auto magnitude = c < 0 ? -(unsigned long long) c : (unsigned long long) c;
    auto cents = juce::String ((juce::int64) (magnitude % 100));
    if (cents.length() < 2)
        cents = "0" + cents;
    return (c < 0 ? "-" : "") + juce::String ((juce::int64) (magnitude / 100)) + separator + cents;
}

template <typename Tag>
juce::String Hundredths<Tag>::decimalSeparatorText()
{
    return decimalSeparator();
}

template class Hundredths<AmountTag>;
template class Hundredths<LitresTag>;

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
    const bool negative = total < 0;
    const __int128 magnitude = negative ? -(__int128) total : (__int128) total;
    std::vector<__int128> remainders (weights.size(), 0);
    __int128 given = 0;
    for (size_t i = 0; i < weights.size(); ++i)
    {
        const __int128 product = magnitude * (weights[i] > 0 ? weights[i] : 0);
        shares[i] = (std::int64_t) (product / weightSum);
        remainders[i] = product % weightSum;
        given += shares[i];
    }
    std::vector<size_t> order (weights.size());
    std::iota (order.begin(), order.end(), 0);
    std::stable_sort (order.begin(), order.end(), [&] (size_t a, size_t b) { return remainders[a] > remainders[b]; });
    for (size_t k = 0; given < magnitude; ++k, ++given)
        ++shares[order[k % order.size()]];
    if (negative)
        for (auto& s : shares)
            s = -s;
    return shares;
}
} // namespace vindoro
