#pragma once
// The process-wide, read-only list of the active VAT rates, loaded once from table ddv the first
// time anyone asks and then only read: labels for the pickers and look-ups by kind and by id.
// Owned by the framework's shut-down list; a rate saved meanwhile shows only after a restart.
// Index i of the four lists always describes the same row.
#include <juce_core/juce_core.h>
#include <juce_events/juce_events.h>

class DDV : public juce::DeletedAtShutdown
{
public:
    /** The one list, created and loaded on the first call from whichever thread asks first; every
        other caller waits for that load and gets the same object. Null only when asked from
        inside its own construction. */
    static DDV* getInstance();
    /** The list if it has been created, without creating it. */
    static DDV* getInstanceWithoutCreating();

    ~DDV() override;

    /** The id of the first loaded rate of that kind; -1 (logged) when none. */
    int findID (int tip) const;
    /** The rate in percent of the rate with that id; 0.0 (logged) when it is not loaded. */
    double findStopnja (int id) const;
    /** The kind of the rate with that id; -1 (logged) when it is not loaded. */
    int findTip (int id) const;
    /** The label at that index ("Splošna stopnja - 22,0%"), or empty outside the list. */
    juce::String getLabel (int index) const;

    int getNumRates() const { return ids.size(); }
    const juce::StringArray& getLabels() const { return labels; }
    const juce::Array<int>& getIds() const { return ids; }
    const juce::Array<double>& getStopnje() const { return stopnje; }
    const juce::Array<int>& getTipi() const { return tipi; }

    /** A rate's label: the description without surrounding blanks, " - ", the rate with one
        decimal in the language's decimal form, "%". */
    static juce::String makeLabel (const juce::String& opis, double stopnja);

    /** The query the list is loaded with. */
    static constexpr const char* kLoadQuery = "SELECT * FROM ddv WHERE active=1;";
    /** Logged under the look-up's name when no rate matches. */
    static constexpr const char* kNotFound = "FATAL ERROR: index -1";

private:
    DDV();

    juce::StringArray labels;
    juce::Array<int> ids;
    juce::Array<double> stopnje;
    juce::Array<int> tipi;

    JUCE_DECLARE_NON_COPYABLE (DDV)
};
