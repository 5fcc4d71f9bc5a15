#include "warehouse/gui/SkladisceGUI.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "frame/LookAndFeel_Vindor.h"
#include "warehouse/PlanGeometry.h"
#include "warehouse/gui/Skladisce.h"

using vindoro::vlog;

namespace
{
constexpr float kStartZoom = 10.0f;
constexpr int kCanvasWidth = 600;
constexpr int kCanvasHeight = 450;
} // namespace

// ---- the viewport

SkladisceGUI::KViewport::KViewport (SkladisceGUI* ownerWindow) : owner (ownerWindow)
{
}

bool SkladisceGUI::KViewport::keyPressed (const juce::KeyPress& key)
{
    vlog ("SkladisceGUI::KViewport::keyPressed", "INFO key pressed:" + key.getTextDescription());
    if (owner != nullptr && owner->keyPressed (key))
    {
        scrollToFocused (*this);
        return true;
    }
    return juce::Viewport::keyPressed (key);
}

// ---- the window

SkladisceGUI::SkladisceGUI()
{
    viewportTop = defaultRowHeight() + 2;
    viewport.setBounds (0, viewportTop, getWidth() - viewportMargin, getHeight() - viewportTop);
    addAndMakeVisible (viewport);

    zoomSlider.setSliderStyle (juce::Slider::LinearVertical);
    zoomSlider.setRange (1.0, 30.0, 0.01);
    zoomSlider.setTextBoxStyle (juce::Slider::NoTextBox, true, 0, 0);
    zoomSlider.setPopupDisplayEnabled (true, true, this);
    zoomSlider.setValue (kStartZoom, juce::dontSendNotification);
    zoomSlider.setBounds (5, viewportTop + 5, 20, 100);
    zoomSlider.addListener (this);
    addAndMakeVisible (zoomSlider);
    zoomSlider.setEnabled (false);

    if (auto* settings = getUserSettings())
        skladisce.id = settings->getIntValue (kIdKey, 0);
    setWantsKeyboardFocus (true);
}

SkladisceGUI::~SkladisceGUI()
{
    closeSkladisce (false);
    for (auto& b : buttons)
        b.reset();
}

juce::TextButton* SkladisceGUI::getButton (int number) const
{
    return number >= 1 && number <= (int) buttons.size() ? buttons[(size_t) number - 1].get() : nullptr;
}

void SkladisceGUI::makeButtons (const juce::StringArray& captions)
{
    for (int i = 0; i < (int) buttons.size() && i < captions.size(); ++i)
    {
        buttons[(size_t) i] = std::make_unique<juce::TextButton> (captions[i]);
        buttons[(size_t) i]->addListener (this);
        addAndMakeVisible (*buttons[(size_t) i]);
    }
    updateButtons();
}

void SkladisceGUI::updateButtons()
{
    if (buttons[0] != nullptr)
        buttons[0]->setEnabled (canvas != nullptr);
    // The transfer-note list does not exist yet: its button stays off until it does.
    if (buttons[3] != nullptr)
        buttons[3]->setEnabled (false);
}

void SkladisceGUI::openPregledPrenosnic()
{
    vlog ("SkladisceGUI::openPregledPrenosnic", "WARNING: the transfer-note list is not available");
}

void SkladisceGUI::initSkladisce (SkladisceRecord record, juce::Component* listener)
{
    closeSkladisce (true);

    skladisce = record;
    if (auto* settings = getUserSettings())
        settings->setValue (kIdKey, record.id);
    vlog ("SkladisceGUI::initSkladisce", juce::String::formatted ("delam s skladiscem %d", record.id));

    double z = kStartZoom;
    if (auto* settings = getUserSettings())
        z = settings->getDoubleValue (zoomKey (record.id), kStartZoom);
    zoomSlider.setValue (z, juce::dontSendNotification);

    canvas = std::make_unique<Skladisce> (skladisce, this, (float) z);
    skladisce = canvas->getSkladisce();
    canvas->setBounds (0, 0, kCanvasWidth, kCanvasHeight);

    if (auto* changeListener = dynamic_cast<juce::ChangeListener*> (listener))
        canvas->addChangeListener (changeListener);

    canvas->setVisible (true);
    addAndMakeVisible (*canvas);
    viewport.setViewedComponent (canvas.get(), false);
    viewport.restore = true;

    zoomSlider.setEnabled (true);
    updateButtons();
}

void SkladisceGUI::showPlan (SkladisceRecord record, juce::Component* listener, bool editable)
{
    initSkladisce (std::move (record), listener);
    canvas->editable = editable;
    canvas->initArtikli();
    scrollToFocused (viewport);
}

void SkladisceGUI::showComboChoice (bool editable)
{
    if (combo.getSelectedId() <= 0)
        return;
    SkladisceRecord record;
    record.id = combo.getSelectedId() - 1;
    record.ime = combo.getText();
    record.konsig.id = -1;
    showPlan (record, this, editable);
}

void SkladisceGUI::closeSkladisce (bool saveView)
{
    if (canvas == nullptr)
        return;
    if (saveView)
        prepareToClose();
    viewport.setViewedComponent (nullptr, false);
    canvas.reset();
    zoomSlider.setEnabled (false);
    updateButtons();
}

void SkladisceGUI::setArraySkladisca()
{
    if (sqlQuery ("SELECT * FROM skladisce WHERE active = 1;") == nullptr || getNumRows() < 1 || getData() == nullptr)
    {
        vlog ("SkladisceGUI::setArraySkladisca", "ERROR: ni skladisc");
        return;
    }

    names.clear();
    ids.clear();
    combo.clear (juce::dontSendNotification);
    for (auto* row : getData()->getChildIterator())
    {
        const int id = row->getIntAttribute ("id", 0);
        ids.add (id);
        names.add (row->getStringAttribute ("ime"));
        combo.addItem (names[names.size() - 1], id + 1);
    }

    int chosen = 0;
    if (ids.contains (skladisce.id))
        chosen = skladisce.id + 1;
    else
        for (int i = 0; i < combo.getNumItems() && chosen == 0; ++i)
            if (combo.isItemEnabled (combo.getItemId (i)) && combo.getItemText (i).isNotEmpty())
                chosen = combo.getItemId (i);
    // The window's combo handler loads the chosen warehouse: this is how every action refreshes the plan.
    combo.setSelectedId (chosen, juce::sendNotificationAsync);
}

void SkladisceGUI::prepareToClose()
{
    auto* settings = getUserSettings();
    if (settings == nullptr)
        return;
    settings->setValue (kIdKey, skladisce.id);
    const double z = zoomSlider.getValue();
    settings->setValue (zoomKey (skladisce.id), z <= 1.0 ? (double) kStartZoom : z);
    const auto position = viewport.getViewPosition();
    settings->setValue (viewXKey (skladisce.id), position.x);
    settings->setValue (viewYKey (skladisce.id), position.y);
    vlog ("SkladisceGUI::prepareToClose", "component saving offset " + juce::String (position.x) + "," + juce::String (position.y));
}

void SkladisceGUI::paint (juce::Graphics&)
{
    if (! viewport.restore)
        return;
    int x = 0, y = 0;
    if (auto* settings = getUserSettings())
    {
        x = settings->getIntValue (viewXKey (skladisce.id), 0);
        y = settings->getIntValue (viewYKey (skladisce.id), 0);
    }
    viewport.setViewPosition (x, y);
    viewport.restore = false;
}

bool SkladisceGUI::keyPressed (const juce::KeyPress& key)
{
    vlog ("SkladisceGUI::keyPressed", "INFO key pressed:" + key.getTextDescription());
    if (canvas == nullptr)
        return false;
    const int code = key.getKeyCode();
    if (code == juce::KeyPress::tabKey || code == juce::KeyPress::rightKey)
        return canvas->selectToRight();
    if (code == juce::KeyPress::returnKey)
        return canvas->returnPressed();
    if (code == juce::KeyPress::leftKey)
        return canvas->selectToLeft();
    if (code == juce::KeyPress::upKey)
        return canvas->selectToUp();
    if (code == juce::KeyPress::downKey)
        return canvas->selectToDown();
    return false;
}

bool SkladisceGUI::scrollToFocused (juce::Viewport& viewport)
{
    auto* focused = juce::Component::getCurrentlyFocusedComponent();
    if (focused == nullptr)
        return false;
    const auto target = PlanGeometry::scrollTarget (viewport.getViewArea(), focused->getBounds());
    viewport.setViewPosition (target);
    return true;
}

void SkladisceGUI::sliderValueChanged (juce::Slider* slider)
{
    if (slider == &zoomSlider && canvas != nullptr)
        canvas->setZoom ((float) zoomSlider.getValue());
}

void SkladisceGUI::buttonClicked (juce::Button* button)
{
    if (auto* child = childWindow.get())
    {
        if (auto* window = dynamic_cast<juce::Component*> (child))
        {
            window->toFront (true);
            window->grabKeyboardFocus();
        }
        return;
    }
    savePositions();
    if (button == buttons[0].get())
        editSkladisce();
    else if (button == buttons[1].get())
        addSkladisce();
    else if (button == buttons[2].get())
        arrangeArtikli();
    else if (button == buttons[3].get())
        openPregledPrenosnic();
}

void SkladisceGUI::parentSizeChanged()
{
    const int row = defaultRowHeight();
    if (auto* parent = getParentComponent())
        setSize (parent->getWidth(), parent->getHeight() - row - 10);
    else
    {
    {
        if (auto* display = juce::Desktop::getInstance().getDisplays().getDisplayForPoint (getScreenBounds().getCentre()))
            setSize (display->userArea.getWidth(), display->userArea.getHeight());
    }
    }
    viewport.setSize (getWidth() - viewportMargin, getHeight() - viewportTop);
}

void SkladisceGUI::resized()
{
    viewport.setBounds (0, viewportTop, getWidth() - viewportMargin, getHeight() - viewportTop);
}

void SkladisceGUI::focusGained (FocusChangeType)
{
    vlog ("SkladisceGUI::focusGained", "gain focus");
}
