#pragma once
// The article picker row: a button that opens the article list for picking, shows the picked
// article's name and hands the article to the owner's ArtikelListener (slot 1). Owned by its
// property panel; the list window belongs to the window framework, one at a time.
#include "warehouse/GoodsRecords.h"
#include "widgets/TableButtonPropertyComponent.h"

class ArtikelTablePropertyComponent : public TableButtonPropertyComponent
{
public:
    ArtikelTablePropertyComponent (const juce::String& buttonText, const juce::String& name, juce::Component* opener);
    ~ArtikelTablePropertyComponent() override;

    juce::String getButtonText() const override { return buttonText; }
    void openSelectBrowser() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    /** The last picked article (id -1 before the first pick). */
    const ArtikelRecord& getArtikel() const { return artikel; }

private:
    ArtikelRecord artikel;
    juce::String buttonText;
};
