#pragma once
// The maintenance runner's progress window: walks the maintenance steps from the stored
// level up to 3. Owned by start-up, which runs it after the schema runner.
#include "db/gui/UpgradeProgressThread.h"

namespace vindoro
{
class UpdateDBMProgressThread : public UpgradeProgressThread
{
public:
    explicit UpdateDBMProgressThread (int storedLevel);
    ~UpdateDBMProgressThread() override;
};
} // namespace vindoro
