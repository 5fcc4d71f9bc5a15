#pragma once
// The reports window: pick a report from the list, set its period and filters, prepare it behind
// a progress window, then print or export it. Hosts and owns one report at a time, made by id;
// the filter rows hand their picks to this window's selection slots, and the report gets them at
// the next prepare (a batch, party or article pick also at once, clearing the report).
#include "cellar/KletListener.h"
#include "cellar/SerijaListener.h"
#include "frame/VindorWindowAction.h"
#include "frame/VindorWindowSetup.h"
#include "partners/StrankaListener.h"
#include "warehouse/ArtikelListener.h"
#include "warehouse/SkladisceListener.h"
#include "widgets/VindorPropertyPanel.h"

#include <juce_gui_basics/juce_gui_basics.h>

class PregledBaze;
class PorociloPogoj;
class CalendarButtonPropertyComponent;
class VindorChoicePropertyComponent;
class StrankaButtonPropertyComponent;
class ArtikelTablePropertyComponent;
class SkladisceChoicePropertyComponent;
class KletChoicePropertyComponent;
class SerijaButtonPropertyComponent;

class Porocilo : public juce::Button::Listener,
                 public juce::Value::Listener,
                 public VindorWindowSetup,
                 public VindorWindowAction,
                 public juce::Component,
                 public StrankaListener,
                 public ArtikelListener,
                 public SkladisceListener,
                 public KletListener,
                 public SerijaListener
{
public:
    static constexpr int kSeparator = 19;
    static constexpr int kLastReportId = 18;
    static constexpr int kPrepareAction = 1;
    static constexpr const char* kUnknownReport = "ERROR: tip porocila je nepoznan:";

    /** One entry of the report list: the translation key and the report id (19 for a separator). */
    struct Entry
    {
        const char* key;
        int id;
    };
    static const std::vector<Entry>& reportList();

    /** The start of the day after `day` on the calendar, as "%Y-%m-%d 00:00:00", whatever the
        length of that day in local time. */
    static juce::String nextDayStart (juce::Time day);

    Porocilo();
    ~Porocilo() override;

    void createReport (int id);
    void reload();
    void clearReport();
    void updateConditionRows();
    void updateTableContent();

    void buttonClicked (juce::Button* button) override;
    void valueChanged (juce::Value& value) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void setStrankaIDN (StrankaRecord party, int slot) override;
    void setArtikelIDN (ArtikelRecord article, int slot) override;
    void setSerijaIDN (SerijaRecord batch, int slot) override;

    bool buttonAction (int code) override;
    bool okAction() override;
    bool cancelAction() override;
    bool printAction (VindorPrintSettings* settings) override;
    bool printAction() override;
    int printReport (juce::Rectangle<int> area, myPrint& printer, VindorPrintSettings& settings, myPrint* output,
                     int totalPages) override;
    void prepareToClose() override;

    void paintOverChildren (juce::Graphics& g) override;
    void resized() override;

    /** Prints every copy of this window's pages on `job`; the pages printed. */
    int printCopies (myPrint& job, VindorPrintSettings& settings, int copies);

    PregledBaze* getReport() const { return report.get(); }
    PorociloPogoj* getPogoj() const;
    int getReportTip() const { return reportTip; }
    VindorPropertyPanel& getPanel() { return panel; }
    juce::Value& getTipValue() { return tipValue; }
    juce::Value& getSkladisceValue() { return skladisceValue; }
    juce::Value& getKletValue() { return kletValue; }
    CalendarButtonPropertyComponent* getStartCalendar() const { return startCalendar; }
    CalendarButtonPropertyComponent* getEndCalendar() const { return endCalendar; }
    VindorChoicePropertyComponent* getTipChoice() const { return tipChoice; }
    SerijaButtonPropertyComponent* getSerijaButton() const { return serijaButton; }
    StrankaButtonPropertyComponent* getStrankaButton() const { return strankaButton; }
    ArtikelTablePropertyComponent* getArtikelButton() const { return artikelButton; }
    SkladisceChoicePropertyComponent* getSkladisceChoice() const { return skladisceChoice; }
    KletChoicePropertyComponent* getKletChoice() const { return kletChoice; }
    juce::TextButton* getPrepareButton() const { return buttons[0]; }
    juce::Rectangle<int> getReportBounds() const { return reportBounds; }

protected:
    /** The report of the id, or null for an id without a report class (logged). */
    virtual std::unique_ptr<PregledBaze> makeReport (int id);

private:
    bool dateSectionOpen() const;

    std::unique_ptr<PregledBaze> report;
    VindorPropertyPanel panel;
    CalendarButtonPropertyComponent* startCalendar = nullptr;
    CalendarButtonPropertyComponent* endCalendar = nullptr;
    VindorChoicePropertyComponent* tipChoice = nullptr;
    SerijaButtonPropertyComponent* serijaButton = nullptr;
    StrankaButtonPropertyComponent* strankaButton = nullptr;
    ArtikelTablePropertyComponent* artikelButton = nullptr;
    SkladisceChoicePropertyComponent* skladisceChoice = nullptr;
    KletChoicePropertyComponent* kletChoice = nullptr;
    juce::OwnedArray<juce::TextButton> buttons;
    juce::Array<int> buttonActions;
    juce::Array<KWindowRef> buttonWindows;
    int labelFontHeight = 0;
    int reportTip = 0;
    juce::Value tipValue, skladisceValue, kletValue, useCalendarValue;
    juce::Rectangle<int> panelBounds, reportBounds, freeArea;

    JUCE_DECLARE_NON_COPYABLE (Porocilo)
};
