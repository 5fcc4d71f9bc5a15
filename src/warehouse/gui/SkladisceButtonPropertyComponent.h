#pragma once
// The warehouse picker row: as the storage-entry picker, but what it picks is the warehouse shown
// in the plan window at the moment of the pick, tile or no tile; it goes into slot 1 of the
// owner's SkladisceListener and its name onto the button.
#include "warehouse/gui/ArtikelButtonPropertyComponent.h"

class SkladisceButtonPropertyComponent : public ArtikelButtonPropertyComponent
{
public:
    using ArtikelButtonPropertyComponent::ArtikelButtonPropertyComponent;

    void openViewer() override;
    void openEditor() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
};
