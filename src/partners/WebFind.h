#pragma once
// The company search of the business register: logs in, asks the result page with the given
// conditions and turns its hit links into a row tree for the hit browser. All work happens in
// the constructor; the log-in stays open for the page reader that follows (WebGet).
#include "partners/AjpesRecords.h"
#include "partners/WebAjpes.h"

#include <memory>

class WebFind : public WebAjpes
{
public:
    /** Throws curlException when the client cannot be built or the log-in transfer fails, and
        AjpesException (after a log-out) for every failure of the search page and its reading. */
    explicit WebFind (const AjpesIskanjeRecord& conditions);
    ~WebFind() override;

    void read_xpath_nodes (xmlNodeSetPtr nodes) override;

    /** The hits ("MYSQL_DATA" / "COLUMNS" / "DATA" / "ITEM"), still owned by the search. */
    juce::XmlElement* getRezultat() const { return rezultat.get(); }
    /** Hands the hits over to the caller; the search keeps none afterwards. */
    std::unique_ptr<juce::XmlElement> takeRezultat() { return std::move (rezultat); }

    /** base + "/prs/rezultati.asp?" + each used condition as key=escaped value& + "status=1&MAXREC=10000". */
    static juce::String searchUrl (const juce::String& base, const AjpesIskanjeRecord& conditions);

    static constexpr const char* kHitsXPath = "//tbody//*[contains(@href,'podjetje.asp?')]";

private:
    std::unique_ptr<juce::XmlElement> rezultat;
};
