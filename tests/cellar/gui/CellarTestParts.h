#pragma once
// The cellar fixture for the cellar windows and dialogs: numbers typed with a decimal point, the
// VAT rates read afresh for every test, and the window launchers unwired afterwards.
#include "cellar/CellarFixture.h"
#include "reports/DDV.h"
#include "support/WindowTestParts.h"

namespace celltest
{
class CellarWindowFixture : public CellarFixture
{
protected:
    void SetUp() override
    {
        juce::LocalisedStrings::setCurrentMappings (
            new juce::LocalisedStrings ("language: Test\n\"decimalna_vejica\" = \".\"\n", true));
        CellarFixture::SetUp();
    }

    void TearDown() override
    {
        wtest::closeOpenWindows();
        delete DDV::getInstanceWithoutCreating();
        juce::LocalisedStrings::setCurrentMappings (nullptr);
        CellarFixture::TearDown();
    }

    int count (const juce::String& sql) const { return value (sql).getIntValue(); }
    int entries() const { return count ("SELECT COUNT(*) FROM glavna"); }
    /** The tables a vessel or cellar change may write. */
    juce::StringArray cellarDump() const
    {
        return vtest::dumpTables (file(), { "klet", "posoda", "glavna", "prenosposode", "tipizacija" });
    }
};
} // namespace celltest

#include "cellar/gui/KletEditor.h"
#include "cellar/gui/KletViewer.h"
#include "cellar/gui/PosodaButtonPropertyComponent.h"
#include "support/ScriptedAnswerer.h"

namespace celltest
{
/** A synthetic drag of a component from one local point to another, as the mouse does it. */
inline void drag (juce::Component& c, juce::Point<int> from, juce::Point<int> to)
{
    auto source = juce::Desktop::getInstance().getMainMouseSource();
    const auto now = juce::Time::getCurrentTime();
    const juce::ModifierKeys left (juce::ModifierKeys::leftButtonModifier);
    c.mouseDown (wtest::mouseAt (c, from.x, from.y));
    const juce::MouseEvent moved (source, to.toFloat(), left, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, &c, &c, now, from.toFloat(), now, 1, true);
    c.mouseDrag (moved);
    c.mouseUp (moved);
}

/** The vessel of that id on the window's canvas, or null. */
inline Posoda* vesselOf (KletGUI& window, int id)
{
    if (auto* canvas = window.getKlet())
        for (int i = 0; i < canvas->getNumPosode(); ++i)
            if (canvas->getPosodaAt (i)->getPosoda().id == id)
                return canvas->getPosodaAt (i);
    return nullptr;
}

/** A click on the vessel, and the messages it sends delivered. */
inline void clickVessel (Posoda& vessel)
{
    vessel.mouseDown (wtest::mouseAt (vessel, 20, 20));
    vessel.mouseUp (wtest::mouseAt (vessel, 20, 20));
    wtest::pump (60);
}

/** Picks the vessel through the cellar viewer that a vessel row opens: the row of that caption,
    or the form's first vessel row when the caption is empty. */
inline void pickVessel (juce::Component& content, int id, const juce::String& caption = {})
{
    auto* picker = wtest::findChild<PosodaButtonPropertyComponent> (
        content, [&caption] (PosodaButtonPropertyComponent& p) { return caption.isEmpty() || p.getName() == caption; });
    ASSERT_NE (picker, nullptr) << caption;
    auto* button = wtest::findChild<juce::TextButton> (*picker);
    ASSERT_NE (button, nullptr);
    button->triggerClick();
    wtest::pump (150);
    auto* viewerWindow = picker->currentChild.get();
    ASSERT_NE (viewerWindow, nullptr);
    auto* viewer = dynamic_cast<KletGUI*> (viewerWindow->getAction());
    ASSERT_NE (viewer, nullptr);
    auto* vessel = vesselOf (*viewer, id);
    ASSERT_NE (vessel, nullptr);
    clickVessel (*vessel);
    wtest::pump (100);
}

/** An opener with the board's buttons for the cellar window. */
class CellarOpener : public wtest::OpenerContent
{
public:
    CellarOpener()
    {
        const std::pair<const char*, int> buttons[] = { { "Close", 0 }, { "Refresh", 12 }, { "Edit", 3 }, { "Delete", 5 }, { "Insert", 6 } };
        for (const auto& [label, code] : buttons)
            addButton (label, code);
    }
};
} // namespace celltest
