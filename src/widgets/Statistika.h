#pragma once
// The statistics line under a browser's table: a title and, under each column that has a measure,
// its value in the column's format (or a bold label). Owned by its browser as a child component;
// it recomputes from all current rows on every update and follows the header when it scrolls.
#include "widgets/StatCore.h"

#include <juce_gui_basics/juce_gui_basics.h>

class PregledBaze;

class Statistika : public juce::Component,
                   public juce::ComponentMovementWatcher,
                   public StatCore
{
public:
    explicit Statistika (PregledBaze* browser);
    ~Statistika() override;

    void updateStats();
    juce::XmlElement* getStatsRow() { return &statsRow; }
    juce::String getTitle() const { return titleKey; }

    void paint (juce::Graphics& g) override;
    void resized() override;
    void childBoundsChanged (juce::Component*) override;
    void parentSizeChanged() override;

    void componentMovedOrResized (bool wasMoved, bool wasResized) override;
    void componentPeerChanged() override {}
    void componentVisibilityChanged() override {}

    using juce::ComponentMovementWatcher::componentMovedOrResized;

private:
    PregledBaze* browser;
    juce::TableListBox* table;
    juce::String titleKey;
    juce::XmlElement statsRow { "ITEM" };
};
