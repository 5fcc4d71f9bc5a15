#include "partners/gui/StrankaWindows.h"

#include "frame/VindorWindow.h"
#include "partners/StrankaQuery.h"
#include "partners/gui/AddStranka.h"
#include "partners/gui/EditStranka.h"
#include "partners/gui/PregledBazeStranka.h"

void StrankaWindows::install()
{
    PregledBazeStranka::editorMaker = [] (PregledBazeStranka& browser, const juce::XmlElement* row, bool insert) -> VindorWindowAction*
    {
        if (insert)
            return new AddStranka (row, browser.getMask(), &browser);
        return new EditStranka (row, browser.getMask(), &browser);
    };
}

KWindow* StrankaWindows::launchRegister (const juce::String& title, juce::Component* opener, juce::Component* openerSetup)
{
    auto* browser = new PregledBazeStranka (kStrankaAllKinds, true);
    browser->setSize (1000, 600);
    return VindorWindow::launchNormal (title, browser, opener, openerSetup);
}
