#include "db/gui/UpdateDBMProgressThread.h"

namespace vindoro
{
UpdateDBMProgressThread::UpdateDBMProgressThread (int storedLevel) : UpgradeProgressThread (Kind::maintenance, storedLevel) {}
UpdateDBMProgressThread::~UpdateDBMProgressThread() = default;
} // namespace vindoro
