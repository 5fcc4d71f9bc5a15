#pragma once
// The common base of the warehouse windows: a warehouse chooser, a zoom slider and up to four
// buttons over a viewport showing the chosen warehouse's plan (Skladisce). It owns the canvas
// and replaces it on every load, keeps per warehouse the zoom and scroll position in the user
// settings, routes the arrow keys to the canvas and scrolls to the tile they reach. What the
// buttons and the window's own buttons do is up to the editor, viewer and goods-received windows.
#include "db/SQLtoXml.h"
#include "frame/KWindow.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "warehouse/GoodsRecords.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <memory>

class Skladisce;

class SkladisceGUI : public juce::Component,
                     public juce::Slider::Listener,
                     public juce::Button::Listener,
                     public SQLtoXml,
                     public VindorWindowSetup,
                     public VindorWindowAction
{
public:
    /** The viewport of the plan: hands the keys to its window first and applies the saved scroll
        position at the window's next paint. */
    class KViewport : public juce::Viewport
    {
    public:
        explicit KViewport (SkladisceGUI* owner);
        bool keyPressed (const juce::KeyPress& key) override;

        SkladisceGUI* owner = nullptr;
        bool restore = false;
    };

    /** What childWindow is, for the kinds the base itself opens. */
    static constexpr int kChildPregledPrenosnic = 9;

    SkladisceGUI();
    ~SkladisceGUI() override;

    virtual void editSkladisce() = 0;
    virtual void addSkladisce() = 0;
    virtual void arrangeArtikli() {}
    virtual void openPregledPrenosnic();
    /** Writes what the plan changed; runs before every button and before another warehouse is shown. */
    virtual void savePositions() {}

    void initSkladisce (SkladisceRecord record, juce::Component* listener);
    void closeSkladisce (bool saveView);
    void setArraySkladisca();
    SkladisceRecord getSkladisce() const { return skladisce; }
    Skladisce* getCanvas() const { return canvas.get(); }
    KViewport& getViewport() { return viewport; }
    juce::Slider& getZoomSlider() { return zoomSlider; }
    juce::ComboBox& getCombo() { return combo; }
    juce::TextButton* getButton (int number) const;
    const juce::StringArray& getNames() const { return names; }
    const juce::Array<int>& getIds() const { return ids; }

    /** Scrolls the viewport so the component with the keyboard focus comes into view; false when
        nothing has the focus. */
    static bool scrollToFocused (juce::Viewport& viewport);

    void prepareToClose() override;
    void paint (juce::Graphics& g) override;
    bool keyPressed (const juce::KeyPress& key) override;
    void sliderValueChanged (juce::Slider* slider) override;
    void buttonClicked (juce::Button* button) override;
    void parentSizeChanged() override;
    void resized() override;
    void focusGained (FocusChangeType cause) override;

    static constexpr const char* kIdKey = "SkladisceGUI:id";
    static juce::String zoomKey (int id) { return "SkladisceGUI:zoom." + juce::String (id); }
    static juce::String viewXKey (int id) { return "SkladisceGUI:viewport.x." + juce::String (id); }
    static juce::String viewYKey (int id) { return "SkladisceGUI:viewport.y." + juce::String (id); }

protected:
    /** Shows the warehouse as its windows do: load it, set the edit mode, make the tiles and
        bring the current tile into view. */
    void showPlan (SkladisceRecord record, juce::Component* listener, bool editable);
    /** Shows the plan of the warehouse chosen in the combo, if one is, with this window listening. */
    void showComboChoice (bool editable);
    /** Makes button 1 to 4 (the editor's); the base places them nowhere. */
    void makeButtons (const juce::StringArray& captions);
    /** Enables the buttons for the current state. */
    void updateButtons();

    SkladisceRecord skladisce;
    int viewportTop = 0;
    int viewportMargin = 2;
    std::unique_ptr<Skladisce> canvas;
    juce::Slider zoomSlider;
    std::array<std::unique_ptr<juce::TextButton>, 4> buttons;
    juce::StringArray names;
    juce::Array<int> ids;
    KWindowRef childWindow;
    int childKind = 0;
    juce::ComboBox combo;
    KViewport viewport { this };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SkladisceGUI)
};
