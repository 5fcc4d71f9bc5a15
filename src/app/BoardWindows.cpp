#include "app/BoardWindows.h"

#include "app/MainContentComponent.h"
#include "partners/gui/StrankaWindows.h"

namespace vindoro
{
namespace
{
constexpr int kPartiesBoardCode = 11;  // "Stranke"
} // namespace

void wireBoardWindows()
{
    StrankaWindows::install();
    MainContentComponent::setLauncher (kPartiesBoardCode, StrankaWindows::launchRegister);
}
} // namespace vindoro
