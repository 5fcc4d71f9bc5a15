#pragma once
// The cellar window: a cellar chooser over a zoomable, scrollable canvas of the chosen cellar.
// Two modes derive from it (KletEditor changes cellars and vessels, KletViewer only picks a
// vessel). Remembers per user the cellar shown and per cellar the zoom and scroll position.
// Owned by its window's button bar; it owns the canvas (one at a time) and its buttons.
#include "cellar/gui/Klet.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"

class KletGUI : public juce::Component,
                public juce::Slider::Listener,
                public juce::Button::Listener,
                public SQLtoXml,
                public VindorWindowSetup,
                public VindorWindowAction
{
public:
    KletGUI();
    ~KletGUI() override;

    /** Writes the vessels moved on the shown canvas (edit mode only). */
    virtual void savePositions() {}
    virtual void editKlet() = 0;
    virtual void addKlet() = 0;
    /** Writes the shown cellar's active flag after the checks and the question. */
    virtual void deleteKlet (bool active);

    /** Refills the chooser with the active cellars and shows the remembered one (or the first). */
    void setArrayKleti();
    /** Shows a new canvas for the cellar; a change-listener `listener` hears its selection. */
    void initKlet (int kletId, juce::Component* listener);
    /** Places a just-added vessel beside the others and scrolls to it. */
    void showPosoda (int posodaId);
    void setControlsEnabled (bool enabled);

    void buttonClicked (juce::Button* button) override;
    void sliderValueChanged (juce::Slider* slider) override;
    void prepareToClose() override;
    void paint (juce::Graphics& g) override;
    void parentSizeChanged() override;
    void resized() override;

    Klet* getKlet() const { return canvas.get(); }
    int getKletId() const { return kletId; }
    juce::ComboBox& getChooser() { return chooser; }
    juce::Slider& getZoomSlider() { return zoomSlider; }
    juce::Viewport& getViewport() { return viewport; }
    /** The cellars the chooser offers, in its order. */
    const juce::StringArray& getKletNames() const { return kletNames; }
    /** The selected vessel's component on the shown canvas, or null. */
    Posoda* getSelectedVessel() const;

protected:
    /** Shows the cellar of the chooser's item (the modes' reaction to the chooser). */
    void showChosenKlet (bool editable);
    /** Deletes the canvas (its zoom and scroll stored first). */
    void dropCanvas();

    int kletId = 0;
    std::unique_ptr<Klet> canvas;
    juce::Slider zoomSlider;
    std::unique_ptr<juce::TextButton> editButton, addkButton, delkButton, upButton, downButton;
    juce::StringArray kletNames;
    juce::Array<int> kletIds;
    juce::ComboBox chooser;
    juce::Viewport viewport;
    int topMargin = 0;
    int leftMargin = 2;
    bool restoreScroll = false;
    KWindowRef addKletWindow, editKletWindow, editPosodaWindow, addPosodaWindow;
};
