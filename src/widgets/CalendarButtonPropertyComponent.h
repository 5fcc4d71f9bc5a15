#pragma once
// The date field of the property panels: a button row showing the date; a click opens a month
// calendar under it in the opener, and a date may be typed as DD-MM-YYYY. An untouched row reads
// as the moment of reading. Owns its calendar popup and the popup's settings.
#include "core/DateTime.h"
#include "widgets/CalendarComponent.h"
#include "widgets/VindorButtonPropertyComponent.h"

#include <memory>

class CalendarButtonPropertyComponent : public VindorButtonPropertyComponent,
                                        public CalendarComponentListener
{
public:
    CalendarButtonPropertyComponent (const juce::String& name, juce::Component* opener, int mode);
    ~CalendarButtonPropertyComponent() override;

    DateTime getDateTime() const;
    void setDateTime (juce::Time t);
    void setDateText (juce::String text);

    juce::String getButtonText() const override { return buttonText; }
    void setButtonText (const juce::String& text);
    void showDate (juce::Time t);
    void closePopup (bool deletePopup);

    bool keyPressed (const juce::KeyPress& key) override;
    void buttonClicked() override;
    void dateSelected (CalendarComponent* calendar) override;
    void dayClicked (CalendarComponent* calendar, ColouredTextComponent* cell, const juce::MouseEvent& e) override;

    /** When false, a click does nothing (typing still sets the date). */
    bool popupEnabled = true;

    juce::Value& getValueObject() { return value; }
    CalendarComponent* getPopup() const { return popup.get(); }
    bool isPopupShowing() const { return ! popupHidden; }
    bool isDateSet() const { return dateSet; }
    juce::String getTypedText() const { return typedText; }
    int getMode() const { return mode; }
    CalendarSettings& getCalendarSettings() { return *settings; }

private:
    juce::String typedText;
    juce::Value value;
    bool popupHidden = true;
    std::unique_ptr<CalendarComponent> popup;
    int mode = 0;
    juce::Component::SafePointer<juce::Component> opener;
    juce::String buttonText;
    bool dateSet = false;
    juce::Time date;
    std::unique_ptr<CalendarSettings> settings;

    juce::Component* popupHost() const;
};
