#pragma once
// The bulk-wine line of an invoice: the vessel, the litres sold from it or taken into it, the
// article's name, VAT and price, and for an intake the composition of the incoming wine over the
// vessel's wines and any new wines. The opener reads the vessel and the storage entry carrying
// the saved article and the whole litres after OK; the booking is OdprtoArtikelSave's.
#include "cellar/PosodaListener.h"
#include "core/Amount.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "warehouse/GoodsRecords.h"

#include <memory>

class VindorPropertyPanel;
class VolumeSliderPropertyComponent;
class PosodaButtonPropertyComponent;

class OdprtoEditArtikel : public juce::Component,
                          public VindorWindowAction,
                          public VindorWindowSetup,
                          public juce::Value::Listener,
                          public PosodaListener
{
public:
    class PregledBazeOEA;
    class OdprtoNamePropertyComponent;

    /** intake: wine comes into the vessel (with the composition list); plainQuantity: the
        quantity is a text row without a limit instead of a litre slider. */
    OdprtoEditArtikel (bool intake, bool plainQuantity);
    ~OdprtoEditArtikel() override;

    using PosodaListener::getPosoda;
    posoda getPosoda() const { return vessel; }
    Hramba getHramba() const { return result; }
    double getKolicina() const;
    vindoro::Litres getLitres() const;
    void setLitres (vindoro::Litres litres);

    bool buttonAction (int code) override;
    bool okAction() override;
    bool insertAction() override;
    bool editAction() override;
    virtual bool save();
    virtual bool deleteAction();

    void setPosodaIDN (posoda record, int slot) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void valueChanged (juce::Value& value) override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    PregledBazeOEA* getKompozicija() const { return kompozicija.get(); }
    OdprtoNamePropertyComponent* getNameRow() const { return nameRow; }
    const ArtikelRecord& getOldArticle() const { return oldArticle; }
    const ArtikelRecord& getNewArticle() const { return newArticle; }
    bool isIntake() const { return intake; }

    juce::Value stanje, kolicina, ime, cenaText, ddv;

private:
    std::unique_ptr<PregledBazeOEA> kompozicija;   // declared first among the owned parts, reset first
    std::unique_ptr<VindorPropertyPanel> panel;
    ArtikelRecord oldArticle, newArticle;
    posoda vessel;
    Hramba result;
    PosodaButtonPropertyComponent* vesselRow = nullptr;
    VolumeSliderPropertyComponent* quantityRow = nullptr;
    OdprtoNamePropertyComponent* nameRow = nullptr;
    bool intake = false;
    juce::Rectangle<int> descriptionArea;

    JUCE_DECLARE_NON_COPYABLE (OdprtoEditArtikel)
};
