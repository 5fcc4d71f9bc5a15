#pragma once
// The schema runner's progress window: walks the steps from the stored version up to 37.
// Owned by start-up, which runs it modally when the stored version is below 37.
#include "db/gui/UpgradeProgressThread.h"

namespace vindoro
{
class UpdateDBProgressThread : public UpgradeProgressThread
{
public:
    explicit UpdateDBProgressThread (int storedVersion);
    ~UpdateDBProgressThread() override;
};
} // namespace vindoro
