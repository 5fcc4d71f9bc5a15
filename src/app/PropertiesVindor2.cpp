#include "app/PropertiesVindor2.h"

#include "app/UporabnikButtonPropertyComponent.h"
#include "core/Globals.h"
#include "partners/OwnCompany.h"
#include "partners/gui/StrankaValButton.h"
#include "widgets/RangeCheckedSliderPropertyComponent.h"
#include "widgets/SVGFilenameButtonPropertyComponent.h"
#include "widgets/VindorBooleanPropertyComponent.h"
#include "widgets/VindorPathPropertyComponent.h"
#include "widgets/VindorPropertyPanel.h"
#include "widgets/VindorText2PropertyComponent.h"
#include "widgets/VindorTextPropertyComponent.h"

using namespace juce;

namespace
{
constexpr int kCompanyMask = 1;
constexpr int kInvoiceTextChars = 2000;
} // namespace

PropertiesVindor2::PropertiesVindor2 (Component* ownerIn)
    : StrankaListener (1), panel (std::make_unique<VindorPropertyPanel>())
{
    setOpaque (false);
    addAndMakeVisible (*panel);
    owner = ownerIn;

    // The premise and cash-register pickers join this group once the fiscal windows are built in.
    userPicker = new UporabnikButtonPropertyComponent (owner);
    panel->addProperties ({ userPicker });

    auto* settings = getUserSettings();
    auto text = [settings] (const char* key) { return var (settings != nullptr ? settings->getValue (key) : String()); };
    auto flag = [settings] (const char* key) { return var (settings != nullptr && settings->getBoolValue (key, false)); };

    companyPicker = new StrankaValButton (kCompanyMask, companyText, TRANS ("podjetje"), this, 1, 0);
    companyPicker->setStranka (getPodjetje());

    auto* separator = new RangeCheckedSliderPropertyComponent (
        bind (headerSeparator, settings != nullptr ? settings->getDoubleValue ("headerseparator", 0.0) : 0.0),
        TRANS ("headerseparator"), 0.0, 5.0, 0.1);

    panel->addSection (
        TRANS ("Podatki za racun"),
        { new SVGFilenameButtonPropertyComponent ("logofile", TRANS ("Logo filename")), companyPicker, separator,
          new VindorTextPropertyComponent (bind (fiksnaOpomba, text ("b_fiksna_opomba")), TRANS ("racun_fiksna_opomba"), kInvoiceTextChars, true),
          new VindorTextPropertyComponent (bind (opombaDomaci, text ("b_opomba_domaci")), TRANS ("racun_opomba_domaci"), kInvoiceTextChars, true),
          new VindorBooleanPropertyComponent (bind (opombaDomaciPodpis, flag ("b_opomba_domaci_podpis")), TRANS ("racun_opomba_domaci"),
                                              TRANS ("racun_opomba_domaci_podpis")),
          new VindorTextPropertyComponent (bind (opombaTuji, text ("b_opomba_tuji")), TRANS ("racun_opomba_tuji"), kInvoiceTextChars, true),
          new VindorBooleanPropertyComponent (bind (opombaTujiPodpis, flag ("b_opomba_tuji_podpis")), TRANS ("racun_opomba_tuji"),
                                              TRANS ("racun_opomba_tuji_podpis")),
          new VindorTextPropertyComponent (bind (drugo, text ("b_drugo")), TRANS ("drugo_footer"), kInvoiceTextChars, true) },
        false);

    panel->addSection (TRANS ("FURS data"),
                       { new VindorPathPropertyComponent ("p12_file", TRANS ("User certificate"), false),
                         new VindorText2PropertyComponent ("furs_password", TRANS ("Password")) },
                       false);

    panel->addSection (TRANS ("AJPES data"),
                       { new VindorText2PropertyComponent ("ajpes_username", TRANS ("Username")),
                         new VindorText2PropertyComponent ("ajpes_password", TRANS ("Password")) },
                       false);

    panel->addSection (TRANS ("eracun data"),
                       { new VindorPathPropertyComponent ("eracun_cert", TRANS ("User eracun certificate"), false),
                         new VindorText2PropertyComponent ("eracun_password", TRANS ("Password")) },
                       false);

    // Listening only now: loading the values above is no change to store.
    for (auto* bound : { &headerSeparator, &opombaDomaci, &opombaDomaciPodpis, &opombaTuji, &opombaTujiPodpis, &fiksnaOpomba, &drugo })
        bound->value.addListener (this);
}

PropertiesVindor2::~PropertiesVindor2()
{
    for (auto* bound : { &headerSeparator, &opombaDomaci, &opombaDomaciPodpis, &opombaTuji, &opombaTujiPodpis, &fiksnaOpomba, &drugo })
        bound->value.removeListener (this);
    panel.reset();
}

Value& PropertiesVindor2::bind (BoundValue& bound, const var& stored)
{
    bound.value = stored;
    return bound.value;
}

void PropertiesVindor2::paint (Graphics& g)
{
    static const Colour background = findColour (TabbedComponent::backgroundColourId);
    g.fillAll (background);
}

void PropertiesVindor2::resized()
{
    panel->setBounds (getLocalBounds().reduced (4));
}

void PropertiesVindor2::setStrankaIDN (StrankaRecord party, int slot)
{
    StrankaListener::setStrankaIDN (party, slot);
    getPodjetje() = getStranka (1);
    if (auto* settings = getUserSettings())
        settings->setValue ("b_podjetje", getPodjetje().id);
}

void PropertiesVindor2::valueChanged (Value& v)
{
    auto* settings = getUserSettings();
    if (settings == nullptr)
        return;

    if (v.refersToSameSourceAs (headerSeparator.value))
        settings->setValue (headerSeparator.key, (double) v.getValue());
    else if (v.refersToSameSourceAs (opombaDomaciPodpis.value) || v.refersToSameSourceAs (opombaTujiPodpis.value))
        settings->setValue (v.refersToSameSourceAs (opombaDomaciPodpis.value) ? opombaDomaciPodpis.key : opombaTujiPodpis.key,
                            (bool) v.getValue());
    else
        for (auto* bound : { &opombaDomaci, &opombaTuji, &fiksnaOpomba, &drugo })
            if (v.refersToSameSourceAs (bound->value))
                settings->setValue (bound->key, v.toString());
}
