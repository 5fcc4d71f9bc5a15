#pragma once
// One HTTPS client of the business register's web application: logs in to the register account
// of the settings, fetches pages, parses each reply as HTML and hands the nodes an XPath picks to
// its subclass. Lives for one look-up; the log-in travels between clients in a cookie file that a
// client reads on its first transfer and writes when it is destroyed. Main thread only.
#include <curl/curl.h>
#include <libxml/HTMLparser.h>
#include <libxml/xpath.h>

#include <juce_core/juce_core.h>

class WebAjpes
{
public:
    /** Time-outs a client is built with unless a test has shortened them (setTimeOuts). */
    static constexpr int kConnectTimeOutMs = 10000;
    static constexpr int kTransferTimeOutMs = 30000;
    /** The time-outs of the clients built from now on. */
    static void setTimeOuts (int connectMs, int transferMs);
    static int connectTimeOutMs();
    static int transferTimeOutMs();

    /** The file the log-in cookie lives in, inside the folder of xml_ajpes_reply_dir. */
    static constexpr const char* kCookieFileName = "ajpes_cookie";

    /** Reads the settings and prepares the transfer handle. Throws curlException when libcurl
        gives no handle, AjpesException when no reply folder is set. */
    WebAjpes();
    virtual ~WebAjpes();

    /** Receives the nodes of the last setData (null or empty when nothing matched). */
    virtual void read_xpath_nodes (xmlNodeSetPtr nodes) = 0;

    /** Posts the log-in form; the register's answer shows only in the cookie it sets. */
    void login();
    void logout();
    void get (const juce::String& url);
    void post (const juce::String& data, const juce::String& url);
    /** Runs the prepared transfer; any failure or an answer other than 200 throws curlException. */
    void sendMessage();
    /** Evaluates the expression on the last page and passes the nodes to read_xpath_nodes. */
    void setData (const juce::String& xpath);

    const juce::String& getBaseUrl() const { return baseUrl; }
    const juce::String& getCookieFile() const { return cookieFile; }
    xmlDocPtr getDocument() const { return doc; }

    /** The headers every request carries, in the order they are sent. */
    static juce::StringArray requestHeaders();
    /** A text as a query value: letters, digits and _-.*!'() stay, every other UTF-8 byte
        becomes %XX (upper-case hexadecimal). */
    static juce::String escapeQueryValue (const juce::String& text);
    /** A query text taken as it is, trimmed, with blanks, control and non-ASCII bytes as %XX. */
    static juce::String escapeQueryText (const juce::String& text);
    /** The node's text content as UTF-8, untrimmed; empty for a null node. */
    static juce::String nodeText (xmlNodePtr node);

protected:
    xmlDocPtr doc = nullptr;
    CURL* curl = nullptr;
    juce::String username;
    juce::String password;
    juce::String cookieFile;
    juce::String replyDir;
    juce::String baseUrl;
    juce::String caFile;

private:
    void runWithHeaders();

    JUCE_DECLARE_NON_COPYABLE (WebAjpes)
};
