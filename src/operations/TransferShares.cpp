#include "operations/TransferShares.h"

using vindoro::Litres;

std::vector<WineShare> shareTransfer (const std::vector<std::pair<int, Litres>>& wines, Litres volume, Litres loss)
{
    std::vector<WineShare> shares;
    std::vector<Litres> stocks;
    for (auto& [vino, stock] : wines)
    {
        shares.push_back ({ vino, stock, {}, {}, {} });
        stocks.push_back (stock);
    }
    if (shares.empty())
        return shares;
    // The outflows are split by the stock, the inflows by the outflows: a largest-remainder share
    // never exceeds its weight when the total does not exceed the weights' sum, so each wine keeps
    // inflow <= outflow <= stock, which splitting both by the stock would not promise.
    const auto outflows = vindoro::splitLargestRemainder (volume + loss, stocks);
    const auto inflows = vindoro::splitLargestRemainder (volume, outflows);
    for (size_t i = 0; i < shares.size(); ++i)
    {
        shares[i].outflow = outflows[i];
        shares[i].inflow = inflows[i];
        shares[i].loss = outflows[i] - inflows[i];
    }
    return shares;
}
