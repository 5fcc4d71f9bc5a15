#include "app/BoardWindows.h"

#include "app/MainContentComponent.h"
#include "cellar/gui/KletEditor.h"
#include "operations/gui/Pretok.h"
#include "operations/gui/Trgatev.h"
#include "operations/gui/VinskoOpravilo.h"
#include "partners/gui/StrankaWindows.h"
#include "print/gui/Porocilo.h"
#include "warehouse/gui/SkladisceEditor.h"
#include "warehouse/gui/Steklenice.h"
#include "frame/VindorWindow.h"

namespace vindoro
{
namespace
{
constexpr int kCellarsBoardCode = 5;   // "Kleti"
constexpr int kPartiesBoardCode = 11;  // "Stranke"
constexpr int kHarvestBoardCode = 1;   // "Trgatev"
constexpr int kTransferBoardCode = 2;  // "Pretok"
constexpr int kWineCareBoardCode = 3;  // "Opravilo"
constexpr int kReportsBoardCode = 10;  // "Porocila"
constexpr int kStockBoardCode = 6;     // "Zaloga"
constexpr int kBottlingBoardCode = 4;  // "Steklenice"

KWindow* launchPorocilo (const juce::String& title, juce::Component* opener, juce::Component* openerSetup)
{
    return VindorWindow::launchNormal (title, new Porocilo(), opener, openerSetup);
}
} // namespace

void wireBoardWindows()
{
    StrankaWindows::install();
    MainContentComponent::setLauncher (kPartiesBoardCode, StrankaWindows::launchRegister);
    MainContentComponent::setLauncher (kCellarsBoardCode, launchKletEditor);
    MainContentComponent::setLauncher (kHarvestBoardCode, launchTrgatev);
    MainContentComponent::setLauncher (kTransferBoardCode, launchPretok);
    MainContentComponent::setLauncher (kWineCareBoardCode, launchVinskoOpravilo);
    MainContentComponent::setLauncher (kReportsBoardCode, launchPorocilo);
    MainContentComponent::setLauncher (kStockBoardCode, launchSkladisceEditor);
    MainContentComponent::setLauncher (kBottlingBoardCode, launchSteklenice);
}
} // namespace vindoro
