#pragma once
// The name row of the bulk-wine editor: the article's name, typed or taken from a wine of the
// vessel (or, without a vessel, from a variety) picked in a browser, as variety and vintage.
#include "cellar/posoda.h"
#include "frame/VindorWindowSetup.h"
#include "widgets/ValButtonPropertyComponent.h"
#include "warehouse/gui/OdprtoEditArtikel.h"

class OdprtoEditArtikel::OdprtoNamePropertyComponent : public ValButtonPropertyComponent,
                                                       public VindorWindowSetup
{
public:
    OdprtoNamePropertyComponent (const juce::Value& name, const juce::String& label, OdprtoEditArtikel* owner,
                                 double share = 0.1);
    ~OdprtoNamePropertyComponent() override;

    void buttonClicked() override;
    juce::String getButtonText() const override { return "..."; }
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    void setPosoda (posoda record) { vessel = record; }
    void setOverComponent (juce::Component* c) { over = c; }

private:
    juce::Component::SafePointer<juce::Component> over;
    juce::Value nameValue;
    posoda vessel;
};
