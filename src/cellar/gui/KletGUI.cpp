#include "cellar/gui/KletGUI.h"
#include "core/Globals.h"
#include "core/Log.h"
#include "frame/LookAndFeel_Vindor.h"
#include "frame/MessageBoxes.h"

namespace
{
constexpr double kDefaultZoom = 10.0;

juce::String zoomKey (int id) { return "KletGUI:zoom." + juce::String (id); }
juce::String scrollXKey (int id) { return "KletGUI:viewport.x." + juce::String (id); }
juce::String scrollYKey (int id) { return "KletGUI:viewport.y." + juce::String (id); }
} // namespace

KletGUI::KletGUI()
{
    topMargin = defaultRowHeight() + 2;
    if (auto* settings = getUserSettings())
        kletId = settings->getIntValue ("KletGUI:id", 0);

    viewport.setTopLeftPosition (0, topMargin);
    addAndMakeVisible (viewport);

    zoomSlider.setSliderStyle (juce::Slider::LinearVertical);
    zoomSlider.setTextBoxStyle (juce::Slider::NoTextBox, true, 0, 0);
    zoomSlider.setPopupDisplayEnabled (true, false, this);
    zoomSlider.setRange (1.0, 30.0, 0.01);
    zoomSlider.setValue (kDefaultZoom, juce::dontSendNotification);
    zoomSlider.addListener (this);
    zoomSlider.setBounds (5, topMargin + 5, 20, 100);
    addAndMakeVisible (zoomSlider);
    zoomSlider.toFront (false);

    setControlsEnabled (false);
    setSize (800, 600);
}

KletGUI::~KletGUI()
{
    viewport.setViewedComponent (nullptr, false);
    canvas.reset();
}

Posoda* KletGUI::getSelectedVessel() const
{
    if (canvas == nullptr || ! canvas->hasSelection())
        return nullptr;
    for (int i = 0; i < canvas->getNumPosode(); ++i)
        if (auto* vessel = canvas->getPosodaAt (i); vessel != nullptr && vessel->isSelected())
            return vessel;
    return nullptr;
}

void KletGUI::setControlsEnabled (bool enabled)
{
    for (auto* button : { editButton.get(), delkButton.get(), upButton.get(), downButton.get() })
        if (button != nullptr)
            button->setEnabled (enabled);
    if (addkButton != nullptr)
        addkButton->setEnabled (true);
    zoomSlider.setEnabled (enabled);
}

void KletGUI::setArrayKleti()
{
    auto tree = sqlFetch ("SELECT * FROM klet WHERE active = 1;");
    auto* data = tree != nullptr ? tree->getChildByName ("DATA") : nullptr;
    if (data == nullptr || data->getNumChildElements() == 0)
    {
        vindoro::vlog ("KletGUI::setArrayKleti", "ERROR: ni kleti");
        // The last cellar was removed: nothing may stay on show that could take new vessels.
        if (data != nullptr && chooser.getNumItems() > 0)
        {
            chooser.clear (juce::dontSendNotification);
            kletNames.clear();
            kletIds.clear();
            dropCanvas();
        }
        return;
    }
    kletNames.clear();
    kletIds.clear();
    for (auto* row : data->getChildIterator())
    {
        kletNames.add (row->getStringAttribute ("ime"));
        kletIds.add (row->getIntAttribute ("id", 0));
    }
    chooser.clear (juce::dontSendNotification);
    for (int i = 0; i < kletIds.size(); ++i)
        chooser.addItem (kletNames[i], kletIds[i] + 1);
    // Refilling always shows the cellar anew, so the canvas follows every change of the list.
    const int wanted = kletIds.contains (kletId) ? kletId + 1 : kletIds[0] + 1;
    chooser.setSelectedId (wanted, juce::sendNotificationAsync);
}

void KletGUI::showChosenKlet (bool editable)
{
    savePositions();
    initKlet (chooser.getSelectedId() - 1, this);
    canvas->setEditable (editable);
    canvas->loadPosode();
    if (auto* settings = getUserSettings())
        settings->setValue ("KletGUI:id", kletId);
}

void KletGUI::dropCanvas()
{
    if (canvas == nullptr)
        return;
    prepareToClose();
    viewport.setViewedComponent (nullptr, false);
    canvas.reset();
    setControlsEnabled (false);
}

void KletGUI::initKlet (int id, juce::Component* listener)
{
    dropCanvas();
    kletId = id;
    vindoro::vlog ("KletGUI::initKlet", juce::String::formatted ("delam s kletjo %d", id));

    double zoom = kDefaultZoom;
    if (auto* settings = getUserSettings())
        zoom = settings->getDoubleValue (zoomKey (id), kDefaultZoom);
    zoomSlider.setValue (zoom, juce::dontSendNotification);

    canvas = std::make_unique<Klet> (id, this, (float) zoomSlider.getValue());
    canvas->setBounds (0, 0, 600, 450);
    if (auto* changeListener = dynamic_cast<juce::ChangeListener*> (listener))
        canvas->addChangeListener (changeListener);
    canvas->setVisible (true);
    viewport.setViewedComponent (canvas.get(), false);

    restoreScroll = true;
    setControlsEnabled (true);
    repaint();
}

void KletGUI::showPosoda (int posodaId)
{
    if (canvas == nullptr)
        return;
    const int index = canvas->placePosoda (posodaId);
    if (index < 0)
        return;
    const auto centre = canvas->getPosodaAt (index)->getBounds().getCentre();
    viewport.setViewPosition (centre);
    // The new vessel is what the user wants to see, not the cellar's remembered scroll position.
    restoreScroll = false;
}

void KletGUI::buttonClicked (juce::Button* button)
{
    if (auto* child = dynamic_cast<juce::Component*> (currentChild.get()))
    {
        child->toFront (true);
        return;
    }
    savePositions();
    if (button == editButton.get())
    {
        vindoro::vlog ("KletGUI::buttonClicked", "editButton clicked");
        editKlet();
    }
    else if (button == addkButton.get())
    {
        vindoro::vlog ("KletGUI::buttonClicked", "addkButton clicked");
        addKlet();
    }
    else if (button == delkButton.get())
    {
        vindoro::vlog ("KletGUI::buttonClicked", "delkButton clicked");
        deleteKlet (false);
    }
    else if (button == upButton.get() || button == downButton.get())
    {
        auto* vessel = getSelectedVessel();
        if (vessel == nullptr)
            return;
        vessel->markMoved();
        if (button == upButton.get())
            vessel->toFront (false);
        else
            vessel->toBack();
    }
}

void KletGUI::deleteKlet (bool active)
{
    if (canvas == nullptr)
    {
        showMessageOK (vindoro::kIconInformation, TRANS ("Delete"), TRANS ("Ni nobene kleti!"), this);
        return;
    }
    if (canvas->getNumPosode() > 0)
    {
        showMessageOK (vindoro::kIconInformation, TRANS ("Delete"), TRANS ("Klet ni prazna za brisanje"), this);
        return;
    }
    if (askYesNoCancel (vindoro::kIconQuestion, TRANS ("Delete"), TRANS ("vprasanje brisi klet") + canvas->getIme() + "?", this) != 1)
        return;
    if (canvas->setActive (active))
        setArrayKleti();
}

void KletGUI::sliderValueChanged (juce::Slider* slider)
{
    if (slider == &zoomSlider && canvas != nullptr)
        canvas->setZoom ((float) zoomSlider.getValue());
}

void KletGUI::prepareToClose()
{
    auto* settings = getUserSettings();
    if (settings == nullptr)
        return;
    const double zoom = zoomSlider.getValue();
    const auto offset = viewport.getViewPosition();
    settings->setValue ("KletGUI:id", kletId);
    settings->setValue (zoomKey (kletId), zoom <= 1.0 ? kDefaultZoom : zoom);
    settings->setValue (scrollXKey (kletId), offset.x);
    settings->setValue (scrollYKey (kletId), offset.y);
    vindoro::vlog ("KletGUI::prepareToClose", "component saving offset " + juce::String (offset.x) + "," + juce::String (offset.y));
}

void KletGUI::paint (juce::Graphics&)
{
    if (! restoreScroll)
        return;
    restoreScroll = false;
    if (auto* settings = getUserSettings())
        viewport.setViewPosition (settings->getIntValue (scrollXKey (kletId), 0), settings->getIntValue (scrollYKey (kletId), 0));
}

void KletGUI::parentSizeChanged()
{
    auto* parent = getParentComponent();
    const auto area = parent != nullptr ? parent->getLocalBounds()
                                        : juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
    setSize (area.getWidth(), area.getHeight() - (defaultRowHeight() + 10));
}

void KletGUI::resized()
{
    viewport.setBounds (0, topMargin, juce::jmax (0, getWidth() - leftMargin), juce::jmax (0, getHeight() - topMargin));
}
