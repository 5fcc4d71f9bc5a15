#pragma once
// The company page reader of the business register: reads one company's register page and its
// account page into an AjpesPodjetjeRecord, then ends the register log-in. Runs after the search
// (WebFind) on a client of its own that carries the search's log-in cookie. All work happens in
// the constructor.
#include "partners/AjpesRecords.h"
#include "partners/WebAjpes.h"

class WebGet : public WebAjpes
{
public:
    /** `query` is a hit's ajpesid. Throws curlException when the client cannot be built and
        AjpesException (after a log-out) for every failure of its pages and their reading. */
    explicit WebGet (const juce::String& query);
    ~WebGet() override;

    void read_xpath_nodes (xmlNodeSetPtr nodes) override;
    void read_xpath_nodes_get2 (xmlNodeSetPtr nodes);
    void getIBAN();
    void read_xpath_nodes_iban (xmlNodeSetPtr nodes);

    void parsajDavcno (const juce::String& text) { splitTaxNumber (text, podjetje); }
    void parsajNaslov (const juce::String& address) { splitAddress (address, podjetje); }

    /** Sets idDDV (the trimmed text before the first digit) and davcna (the trimmed rest). */
    static void splitTaxNumber (const juce::String& text, AjpesPodjetjeRecord& into);
    /** Splits "[settlement,] street number[addition], post code post office" into its fields. */
    static void splitAddress (const juce::String& address, AjpesPodjetjeRecord& into);

    AjpesPodjetjeRecord getPodjetje() const { return podjetje; }

    static constexpr const char* kCompanyXPath =
        "(//div[@class='row form-gray-print'])[1]//div[contains(@class,'col-sm')]";
    static constexpr const char* kAccountsXPath = "//*[contains(@href,'Podrobnosti.aspx?')]";

private:
    AjpesPodjetjeRecord podjetje;
};
