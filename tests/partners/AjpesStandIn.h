#pragma once
// The business register's web application as the look-ups see it, on a loopback HTTPS stand-in:
// the log-in form that sets a session cookie, the search page, the company page, the account
// page and the log-out. Every page after the log-in wants the session cookie. Pages are built
// from the fields below, which a test changes before it searches; a fault can be put on any path.
#include "support/HttpsStandIn.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace vtest
{
class AjpesStandIn
{
public:
    static constexpr const char* kLogin = "/MDScripts/ajax.asp";
    static constexpr const char* kSearch = "/prs/rezultati.asp";
    static constexpr const char* kCompany = "/prs/podjetjeSRG.asp";
    static constexpr const char* kAccounts = "/ertr/JavniDel/Rezultati.aspx";
    static constexpr const char* kLogout = "/login/logout.asp";
    static constexpr const char* kStart = "/start.asp";  // where a redirect leads
    static constexpr const char* kBroken = "/broken.asp"; // a redirect target answering 500

    enum class Fault
    {
        none,
        error500,        // 500 with an HTML page
        error404,        // 404 with an HTML page
        redirect,        // 302 to a page answering 200
        redirectToError, // 302 to a page answering 500
        hold,            // the answer held back past any short transfer time-out
        unreadable       // 200 with a body the HTML parser makes no document of
    };

    struct Hit
    {
        std::string maticna, ime, kratkoIme, naslov, davcna;
        bool linkInLastCell = false;
    };

    AjpesStandIn();

    /** Points the user settings at this register: address, trusted certificate, reply folder,
        user and password. */
    void configure (juce::PropertiesFile& settings, const juce::File& replyFolder) const;

    void inject (const std::string& path, Fault fault);

    std::vector<HttpsStandIn::Request> requests() const { return web.requests(); }
    /** The requests to one path, in order. */
    std::vector<HttpsStandIn::Request> requestsTo (const std::string& path) const;
    int logouts() const { return (int) requestsTo (kLogout).size(); }

    // The register's account and what it serves; change before the look-up.
    std::string user = "vinar";
    std::string password = "a&b+c%d=e";
    std::string sessionCookieName = "ASPSESSIONIDQS";
    std::string sessionCookieValue = "s3ss10nV4lue";
    std::vector<Hit> hits;                      // in page order
    bool tbody = true;                          // the hit table's explicit <tbody>
    std::vector<std::pair<std::string, std::string>> companyPairs; // label/value blocks in order
    bool companyBlocks = true;                  // false: a company page without its block of data
    std::map<std::string, std::vector<std::string>> accounts;      // registration number -> link texts

    /** The hit and page of one company, "VINSKA KLET GORIČKO d.o.o.", as the tests mostly use it. */
    void serveOneCompany();

private:
    HttpsStandIn::Reply faultReply (const std::string& path) const;
    bool hasSession (const HttpsStandIn::Request& r) const;
    std::string searchPage() const;
    std::string companyPage() const;
    std::string accountPage (const std::string& maticna) const;

    mutable std::mutex mutex;
    std::map<std::string, Fault> faults;

public:
    // Last, so it stops serving before anything its pages read goes away.
    HttpsStandIn web;
};
} // namespace vtest
