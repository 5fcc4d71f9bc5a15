#include "warehouse/gui/ManagerTabbedComponent.h"

#include "cellar/gui/Kompozicija.h"
#include "frame/VindorWindowAction.h"
#include "warehouse/gui/ArtikelManager.h"
#include "warehouse/gui/PregledBazeArtikel.h"
#include "warehouse/gui/PregledBazeKosovnica.h"

namespace
{
juce::Colour tabColour()
{
    return juce::LookAndFeel::getDefaultLookAndFeel().findColour (juce::TabbedComponent::backgroundColourId);
}

int labelFontHeight()
{
    juce::Label probe;
    return (int) juce::Desktop::getInstance().getDefaultLookAndFeel().getLabelFont (probe).getHeight();
}
} // namespace

ManagerTabbedComponent::ManagerTabbedComponent (ArtikelManager* owner)
    : juce::TabbedComponent (juce::TabbedButtonBar::TabsAtTop), manager (owner)
{
    setName ("ManagerTabbedComponent");
    const auto colour = tabColour();
    const auto entry = [this] { return manager->getHramba(); };
    addTab (TRANS ("ArtikelManager_zaloga"), colour, createArtikelZalogaBrowser (entry()), true);
    addTab (TRANS ("ArtikelManager_details"), colour, createArtikelDetailsBrowser (entry()), true);
    addTab (TRANS ("ArtikelManager_kosovnica"), colour, createKosovnicaBrowser (entry()), true);
    if (entry().artikel.tip.id == TipRecord::bottledWine)
        addTab (TRANS ("ArtikelManager_kompozicija"), colour, createKompozicija (entry().serija).release(), true);
    addTab (TRANS ("ArtikelManager_prodaja"), colour, createArtikelProdajaBrowser (entry()), true);
    setTabBarDepth (2 * labelFontHeight());
}

ManagerTabbedComponent::~ManagerTabbedComponent() = default;

void ManagerTabbedComponent::closeAllChildWindows()
{
    for (int i = 0; i < getNumTabs(); ++i)
        if (auto* action = dynamic_cast<VindorWindowAction*> (getTabContentComponent (i)))
            action->closeAllChildWindows();
}

void ManagerTabbedComponent::lookAndFeelChanged()
{
    for (int i = 0; i < getNumTabs(); ++i)
        if (auto* content = getTabContentComponent (i))
            content->sendLookAndFeelChange();
    const auto colour = tabColour();
    for (int i = 0; i < getNumTabs(); ++i)
        setTabBackgroundColour (i, colour);
    const int depth = 2 * labelFontHeight();
    if (depth != getTabBarDepth())
    {
        setTabBarDepth (depth);
        resized();
    }
    juce::TabbedComponent::lookAndFeelChanged();
}
