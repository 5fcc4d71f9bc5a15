#include "db/gui/UpdateDBProgressThread.h"

namespace vindoro
{
UpdateDBProgressThread::UpdateDBProgressThread (int storedVersion) : UpgradeProgressThread (Kind::schema, storedVersion) {}
UpdateDBProgressThread::~UpdateDBProgressThread() = default;
} // namespace vindoro
