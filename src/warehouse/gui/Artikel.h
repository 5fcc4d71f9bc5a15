#pragma once
// One storage entry drawn as a tile on the warehouse plan: package picture, name, for bottled
// wine the lot line and the variety's dot, and the count with its unit. Owned by its canvas
// (Skladisce). A click makes it current, a drag moves it in an editing window (the position is
// written later, by the window), a double click opens the article's manager; it also carries the
// plan's two writes, its position and its withdrawal, both refused in a read-only window.
#include "frame/VindorWindowSetup.h"
#include "warehouse/GoodsRecords.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

class SkladisceGUI;
class SQLtoXml;
class VindorWindowAction;

class Artikel : public juce::Component,
                public juce::ChangeBroadcaster,
                public VindorWindowSetup
{
public:
    Artikel (SkladisceGUI* owner, Hramba entry, bool editable);
    ~Artikel() override;

    Hramba getHramba() const { return hramba; }
    bool isEditable() const { return editable; }
    bool isMoved() const { return moved; }
    bool isSelected() const { return selected; }
    float getZoom() const { return zoom; }

    /** Sizes the tile for the zoom and moves it to its plan position. */
    void setZoom (float z);
    /** Takes the zoom and the plan position of a pixel position at that zoom, and marks the tile
        moved; the tile itself stays where it is. */
    void takePositionFrom (juce::Point<int> pixel, float atZoom);
    /** Writes a moved tile's position (and stacking place); a failed write keeps it marked moved,
        so the next write tries again. */
    void writePosition();
    /** Takes the entry off its warehouse, and its article with it when no other active entry
        holds it, in one booking. False without a query object, in a read-only tile (nothing is
        written there), or when the booking failed. */
    bool setActive (SQLtoXml* db);
    void toggleSelected();
    /** The tile's lines: name (with "(+)" for a bill of materials), the lot of bottled wine, the count. */
    juce::AttributedString tileText() const;

    /** Makes the content of the window a double click opens for an entry: the article manager,
        unless a test puts another maker in its place (an empty one brings the manager back). */
    using ManagerFactory = std::function<VindorWindowAction* (const Hramba&)>;
    static void setManagerFactory (ManagerFactory factory);

    void paint (juce::Graphics& g) override;
    void resized() override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseDoubleClick (const juce::MouseEvent& e) override;
    void focusGained (FocusChangeType cause) override;
    void focusLost (FocusChangeType cause) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    static constexpr const char* kFocusColour = "ff00c500";
    static constexpr const char* kNormalColour = "ff008000";

private:
    Hramba hramba;
    bool editable = false;
    bool moved = false;
    juce::String focusColour { kFocusColour };
    juce::String selectionColour;
    juce::String normalColour { kNormalColour };
    juce::ComponentBoundsConstrainer constrainer;
    juce::ComponentDragger dragger;
    float zoom = 10.0f;
    SkladisceGUI* owner = nullptr;
    bool selected = false;

    void drawArtikelPicture (juce::Graphics& g, juce::Rectangle<float> area);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Artikel)
};
