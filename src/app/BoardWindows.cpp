#include "app/BoardWindows.h"

#include "app/MainContentComponent.h"
#include "cellar/gui/KletEditor.h"
#include "operations/gui/Pretok.h"
#include "operations/gui/Trgatev.h"
#include "operations/gui/VinskoOpravilo.h"
#include "partners/gui/StrankaWindows.h"

namespace vindoro
{
namespace
{
constexpr int kCellarsBoardCode = 5;   // "Kleti"
constexpr int kPartiesBoardCode = 11;  // "Stranke"
constexpr int kHarvestBoardCode = 1;   // "Trgatev"
constexpr int kTransferBoardCode = 2;  // "Pretok"
constexpr int kWineCareBoardCode = 3;  // "Opravilo"
} // namespace

void wireBoardWindows()
{
    StrankaWindows::install();
    MainContentComponent::setLauncher (kPartiesBoardCode, StrankaWindows::launchRegister);
    MainContentComponent::setLauncher (kCellarsBoardCode, launchKletEditor);
    MainContentComponent::setLauncher (kHarvestBoardCode, launchTrgatev);
    MainContentComponent::setLauncher (kTransferBoardCode, launchPretok);
    MainContentComponent::setLauncher (kWineCareBoardCode, launchVinskoOpravilo);
}
} // namespace vindoro
