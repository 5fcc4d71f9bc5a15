#include "app/BoardWindows.h"

#include "app/MainContentComponent.h"
#include "cellar/gui/KletEditor.h"
#include "partners/gui/StrankaWindows.h"

namespace vindoro
{
namespace
{
constexpr int kCellarsBoardCode = 5;   // "Kleti"
constexpr int kPartiesBoardCode = 11;  // "Stranke"
} // namespace

void wireBoardWindows()
{
    StrankaWindows::install();
    MainContentComponent::setLauncher (kPartiesBoardCode, StrankaWindows::launchRegister);
    MainContentComponent::setLauncher (kCellarsBoardCode, launchKletEditor);
}
} // namespace vindoro
