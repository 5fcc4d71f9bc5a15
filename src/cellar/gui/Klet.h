#pragma once
// The drawing of one cellar: its active vessels at their stored positions and stacking, one of
// them selected, following the window's zoom; in edit mode vessels can be dragged and written.
#include "cellar/gui/Posoda.h"

class Klet : public juce::Component,
             public SQLtoXml,
             public juce::ChangeListener,
             public juce::ChangeBroadcaster
{
public:
    Klet (int kletId, juce::Component* window, float zoom);
    ~Klet() override;

    void loadKlet();
    void loadPosode();
    void setZoom (float zoom);
    void setEditable (bool on) { editable = on; }
    void updateNewPositionsToDB();
    int placePosoda (int posodaId);
    bool setActive (bool active);

    KletRecord getKlet() const { return klet; }
    juce::String getIme() const { return klet.ime; }
    posoda getSelectedPosoda() const { return selectedVessel != nullptr ? selectedVessel->getPosoda() : posoda(); }
    bool hasSelection() const { return ! nothingSelected; }
    int getNumPosode() const { return vessels.size(); }
    Posoda* getPosodaAt (int index) const { return vessels[index]; }
    const VesselPictureCache& getPictureCache() const { return pictureCache; }

    void paint (juce::Graphics& g) override;
    void resized() override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void childBoundsChanged (juce::Component* child) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    /** The rubber band of the left button over the empty canvas, kept as state only: it is
        neither drawn nor used to select. */
    class SelectionBox
    {
    public:
        void start (juce::Point<int> p);
        void stop (juce::Point<int> p);
        bool isComplete() const { return hasFirst && hasSecond; }
        void clear() { hasFirst = hasSecond = false; }
        bool hasFirstPoint() const { return hasFirst; }
        juce::Point<int> getFirst() const { return first; }
        juce::Point<int> getSecond() const { return second; }

    private:
        juce::Point<int> first, second;
        bool hasFirst = false, hasSecond = false;
    };
    const SelectionBox& getSelectionBox() const { return selectionBox; }

private:
    void fit();

    KletRecord klet;
    // Before the vessels, so it outlives them.
    VesselPictureCache pictureCache;
    juce::OwnedArray<Posoda> vessels;
    int extentRight = 0;
    int extentBottom = 0;
    float zoom;
    bool editable = false;
    Posoda* selectedVessel = nullptr;
    bool nothingSelected = true;
    juce::Component* window;
    SelectionBox selectionBox;
    juce::ComponentBoundsConstrainer constrainer;
    juce::ComponentDragger dragger;
};
