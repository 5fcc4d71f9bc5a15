#pragma once
// One vessel drawn on a cellar canvas: its picture by kind, label, variety, stock, a fill bar in
// the variety's colour, selection, and dragging in edit mode. Positions are kept at zoom 10.
#include "cellar/PosodaOps.h"
#include "cellar/gui/VesselPictureCache.h"
#include "db/SQLtoXml.h"
#include "frame/VindorWindowSetup.h"

#include <juce_gui_basics/juce_gui_basics.h>

// Double-clicking a vessel opens the list of its wines, one window per vessel.
class Posoda : public juce::Component, public juce::ChangeBroadcaster, public VindorWindowSetup
{
public:
    /** Where the kind's pictures come from (index = kind - 2); set by the application. */
    using PictureSource = juce::Drawable* (*) (int index);
    static PictureSource pictures;

    Posoda (juce::Component* owner, const juce::XmlElement* row, const KletRecord& klet, bool movable);
    ~Posoda() override;

    posoda getPosoda() const { return record; }
    /** The canvas's shared backdrops; without one the vessel draws its picture itself. */
    void setPictureCache (VesselPictureCache* cache) { pictureCache = cache; }
    void setZoom (float zoom);
    void writePosition();
    bool setActive();
    /** The database's text for the vessel's last failed statement. */
    juce::String getLastError() const { return db.lastError; }
    void toggleSelected();
    void setSelected (bool on);
    bool isSelected() const { return selected; }
    bool isMoved() const { return moved; }
    void markMoved() { moved = true; }
    /** Stores the pixel position as canvas units at zoom 10. */
    void storePosition (int x, int y);

    /** The vessel's text for a picture area `height` pixels high, with `h` the label font's
        height: the lines that fit, from the label down to the fill percentage. */
    juce::AttributedString describe (float height, float h) const;
    /** The label font's height as painting uses it (whole pixels). */
    float labelFontHeight() const;

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseDoubleClick (const juce::MouseEvent& e) override;
    /** The wine list answering: 12 (a change saved) keeps it open, anything else closes it. */
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void resized() override;
    void lookAndFeelChanged() override;

private:
    void drawText (juce::Graphics& g, const juce::AttributedString& text, juce::Rectangle<float> area);

    juce::Component* owner;
    posoda record;
    bool movable;
    bool moved = false;
    bool selected = false;
    float zoom = 10.0f;
    VesselPictureCache* pictureCache = nullptr;
    mutable float labelHeight = 0.0f;
    mutable const juce::LookAndFeel* labelLook = nullptr;
    juce::TextLayout layout;
    juce::String laidOutText;
    juce::Rectangle<float> laidOutArea;
    int laidOutAttributes = -1;
    SQLtoXml db;
    juce::ComponentBoundsConstrainer constrainer;
    juce::ComponentDragger dragger;
};
