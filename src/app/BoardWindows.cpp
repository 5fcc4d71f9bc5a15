#include "app/BoardWindows.h"

#include "app/MainContentComponent.h"
#include "cellar/gui/KletEditor.h"
#include "operations/gui/VinskoOpravilo.h"
#include "partners/gui/StrankaWindows.h"

namespace vindoro
{
namespace
{
constexpr int kCellarsBoardCode = 5;   // "Kleti"
constexpr int kPartiesBoardCode = 11;  // "Stranke"
constexpr int kWineCareBoardCode = 3;  // "Opravilo"
} // namespace

void wireBoardWindows()
{
    StrankaWindows::install();
    MainContentComponent::setLauncher (kPartiesBoardCode, StrankaWindows::launchRegister);
    MainContentComponent::setLauncher (kCellarsBoardCode, launchKletEditor);
    MainContentComponent::setLauncher (kWineCareBoardCode, launchVinskoOpravilo);
}
} // namespace vindoro
