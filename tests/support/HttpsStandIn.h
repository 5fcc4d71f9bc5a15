#pragma once
// A web server on the loopback address for tests of the program's HTTPS clients: real TLS with a
// certificate made for the test, pages answered by handlers the test registers, every request
// recorded. Started by the constructor, stopped by the destructor (which also cuts short any
// answer a handler still holds back).
#include "support/TestSupport.h"

#include <juce_core/juce_core.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vtest
{
class HttpsStandIn
{
public:
    struct Request
    {
        std::string method;
        std::string path;
        std::string query;   // the raw text after "?", as the client sent it
        std::string body;
        // As the server library hands them over: grouped by name, not in the order sent.
        std::vector<std::pair<std::string, std::string>> headers;
        std::string cookies; // the "Cookie" header, empty when none came

        /** The first value of the header (name ignoring case), or empty. */
        std::string header (const std::string& name) const;
        /** The value of one cookie of the "Cookie" header, or empty. */
        std::string cookie (const std::string& name) const;
        /** The body read as a form: the decoded value of one field, or empty. */
        std::string formField (const std::string& name) const;
    };

    struct Reply
    {
        int status = 200;
        std::string body;
        std::string contentType = "text/html; charset=utf-8";
        std::vector<std::pair<std::string, std::string>> headers;
        int holdMs = 0; // keep the answer back this long (cut short when the stand-in stops)
    };

    using Handler = std::function<Reply (const Request&)>;

    HttpsStandIn();
    ~HttpsStandIn();

    /** Answers requests of `method` ("GET", "POST") to exactly `path`; others get a 404. */
    void handle (const std::string& method, const std::string& path, Handler handler);

    /** "https://127.0.0.1:" + the port. */
    juce::String url() const;
    int port() const;
    /** The PEM certificate the server presents, to be trusted by the client. */
    juce::File certificateFile() const;

    /** Every request so far, in the order they arrived. */
    std::vector<Request> requests() const;
    void clearRequests();

    /** Writes a new self-signed certificate for 127.0.0.1 and its key as PEM files. */
    static void makeCertificate (const juce::File& certificate, const juce::File& key);

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};
} // namespace vtest
