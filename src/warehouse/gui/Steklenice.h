#pragma once
// The bottling window: wine of the picked vessel filled into the picked batch of bottles, which
// enter the picked warehouse as the batch's article. The rows keep the wine quantity and the
// number of bottles consistent by the batch's bottle size; OK hands everything to StekleniceSave,
// which books it all at once or nothing. Opened from the main board, at most once.
#include "cellar/PosodaListener.h"
#include "cellar/SerijaListener.h"
#include "frame/VindorWindowAction.h"
#include "operations/AnalizaValues.h"
#include "operations/SredstvoListener.h"
#include "warehouse/SkladisceListener.h"

#include <cstdint>
#include <memory>

class VindorPropertyPanel;
class PosodaButtonPropertyComponent;
class SerijaButtonPropertyComponent;
class VolumeSliderPropertyComponent;
class CalendarButtonPropertyComponent;
class SkladisceButtonPropertyComponent;
class KWindow;
struct StekleniceInput;

class Steklenice : public juce::Component,
                   public juce::Value::Listener,
                   public VindorWindowAction,
                   public PosodaListener,
                   public SerijaListener,
                   public SkladisceListener,
                   public SredstvoListener
{
public:
    /** The titled sections, counted from 0. */
    enum Section { transferSection = 0, extraSection, analysisSection };

    Steklenice();
    ~Steklenice() override;

    void resized() override;
    bool okAction() override;
    bool cancelAction() override;
    void prepareToClose() override;

    void valueChanged (juce::Value& value) override;
    void setPosodaIDN (posoda record, int slot) override;
    void setSerijaIDN (SerijaRecord record, int slot) override;
    void setSkladisceIDN (SkladisceRecord record, int slot) override;

    /** Books the bottling; false leaves the reason as the window's error text. */
    bool saveSteklenice();

    VindorPropertyPanel& getPanel() { return *panel; }
    VolumeSliderPropertyComponent& getQuantityRow() { return *quantityRow; }
    VolumeSliderPropertyComponent& getBottlesRow() { return *bottlesRow; }
    VolumeSliderPropertyComponent& getLossRow() { return *lossRow; }
    SerijaButtonPropertyComponent& getBatchRow() { return *batchRow; }
    SkladisceButtonPropertyComponent& getWarehouseRow() { return *warehouseRow; }
    /** The pair the rows keep consistent: litres booked and whole bottles. */
    double getBookedQuantity() const { return bookedQuantity; }
    int getBookedBottles() const { return bookedBottles; }

    /** The value holders behind the rows, for the tests that drive the window. */
    juce::Value stanje, kolicina, stevilo, kalo, opombe, cena, ddv, serijaId;
    AnalizaValues analize;

private:
    /** One bottle of the chosen batch in millionths of a litre; 0 without a batch or a bottle size. */
    std::int64_t bottle() const;
    double stock() const { return vessel.zaloga; }
    double loss() const;
    void setBottleMaximum();
    StekleniceInput collectInput();

    std::unique_ptr<VindorPropertyPanel> panel;
    VolumeSliderPropertyComponent* quantityRow = nullptr;
    VolumeSliderPropertyComponent* bottlesRow = nullptr;
    VolumeSliderPropertyComponent* lossRow = nullptr;
    PosodaButtonPropertyComponent* vesselRow = nullptr;
    SerijaButtonPropertyComponent* batchRow = nullptr;
    SkladisceButtonPropertyComponent* warehouseRow = nullptr;
    CalendarButtonPropertyComponent* dateRow = nullptr;

    double bookedQuantity = 0.0;
    int bookedBottles = 0;
    int letnik = 0;
    juce::String remark;
    posoda vessel;
    SerijaRecord batch;
    SkladisceRecord warehouse;
    bool saving = false;
};

/** Opens the window from the main board. */
KWindow* launchSteklenice (const juce::String& title, juce::Component* opener, juce::Component* openerSetup);
