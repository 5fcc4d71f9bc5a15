#pragma once
// The drawing surface of one warehouse's plan: loads the warehouse and its active storage
// entries, makes a tile (Artikel) for each, zooms, arranges them on a grid, walks them with the
// arrow keys and tells its window which tile is current. Owned by the warehouse window
// (SkladisceGUI), which makes a new canvas for every refresh; it owns its tiles.
#include "db/SQLtoXml.h"
#include "warehouse/GoodsRecords.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <map>
#include <tuple>

class Artikel;
class SkladisceGUI;

class Skladisce : public juce::Component,
                  public SQLtoXml,
                  public juce::ChangeListener,
                  public juce::ChangeBroadcaster
{
public:
    Skladisce (SkladisceRecord record, SkladisceGUI* owner, float zoom);
    ~Skladisce() override;

    void loadSkladisce();
    void initArtikli();
    void clearArtikli();
    void setZoom (float z);
    void arrangeAll();
    void updateNewPositionsToDB();

    /** A copy of the current tile's entry; ask only while there is a current tile. */
    Hramba getCurrentHramba() const;
    SkladisceRecord getSkladisce() const { return skladisce; }

    bool selectToUp();
    bool selectToDown();
    bool selectToRight();
    bool selectToLeft();
    bool returnPressed();

    const juce::OwnedArray<Artikel>& getArtikli() const { return artikli; }
    Artikel* getCurrent() const { return current; }
    bool isEmpty() const { return empty; }
    float getZoom() const { return zoom; }
    bool hasDostavniplac() const { return dostavniplac; }

    /** The article picture drawn at this size, kept for the next tile of the same size (drawing
        the vector picture for every tile of a large plan is far slower than one image). */
    juce::Image pictureImage (int index, int width, int height);

    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void childBoundsChanged (juce::Component* child) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void resized() override;
    void paint (juce::Graphics& g) override;
    void focusGained (FocusChangeType cause) override;

    /** Edit mode; the window sets it before the tiles are made. */
    bool editable = false;

private:
    SkladisceRecord skladisce;
    juce::OwnedArray<Artikel> artikli;
    int extentRight = 0;
    int extentBottom = 0;
    float zoom = 10.0f;
    Artikel* current = nullptr;
    bool empty = true;
    bool dostavniplac = false;
    juce::ComponentBoundsConstrainer constrainer;
    juce::ComponentDragger dragger;
    SkladisceGUI* owner = nullptr;
    std::map<std::tuple<juce::Drawable*, int, int>, juce::Image> pictures;

    void updateSize();
    bool selectTo (int direction, const char* method);
    void makeCurrent (Artikel* tile);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Skladisce)
};
