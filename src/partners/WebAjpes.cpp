#include "partners/WebAjpes.h"

#include "core/Globals.h"
#include "core/Log.h"
#include "core/MyExceptions.h"

#include <memory>
#include <string>

using vindoro::vlog;

namespace
{
int connectMs = WebAjpes::kConnectTimeOutMs;
int transferMs = WebAjpes::kTransferTimeOutMs;

const char* const kTransferFailed = "Error: Sending the message to Ajpes server failed!";
const char* const kNoXPathContext = "Error: unable to create new XPath context";
const char* const kXPathFailed = "Error: unable to evaluate xpath expression ";
const char* const kNoReplyFolder = "Error: the setting xml_ajpes_reply_dir is empty!";

// recover, no error reports, no warnings
constexpr int kHtmlOptions = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING;

struct ReplyBuffer
{
    std::string bytes;
};

juce::String setting (const char* key)
{
    if (auto* settings = getUserSettings())
        return settings->getValue (key, {});
    return {};
}

juce::String percentByte (unsigned char byte)
{
    return "%" + juce::String::toHexString ((int) byte).paddedLeft ('0', 2).toUpperCase();
}

struct HeaderList
{
    curl_slist* list = nullptr;
    ~HeaderList() { curl_slist_free_all (list); }
};

struct XPathContext
{
    xmlXPathContextPtr context = nullptr;
    xmlXPathObjectPtr result = nullptr;
    ~XPathContext()
    {
        if (result != nullptr)
            xmlXPathFreeObject (result);
        if (context != nullptr)
            xmlXPathFreeContext (context);
    }
};

// Keeps libxml2's XPath complaints in the program's log instead of standard error.
void logXPathError (void*, xmlErrorPtr error)
{
    if (error != nullptr && error->message != nullptr)
        vlog ("WebAjpes::setData", juce::String ("XPath: ") + juce::String::fromUTF8 (error->message).trimEnd());
}
size_t WriteMemoryCallback (void* data, size_t size, size_t count, void* userp)
{
    const size_t n = size * count;
    auto* buffer = static_cast<ReplyBuffer*> (userp);
    try
    {
        buffer->bytes.append (static_cast<const char*> (data), n);
    }
    catch (const std::bad_alloc&)
    {
        vlog ("WriteMemoryCallback", "not enough memory (realloc returned NULL)");
        return 0;
    }
    return n;
}
} // namespace

//==============================================================================
void WebAjpes::setTimeOuts (int newConnectMs, int newTransferMs)
{
    connectMs = newConnectMs;
    transferMs = newTransferMs;
}

int WebAjpes::connectTimeOutMs() { return connectMs; }
int WebAjpes::transferTimeOutMs() { return transferMs; }

WebAjpes::WebAjpes()
{
    replyDir = setting ("xml_ajpes_reply_dir");
    password = setting ("ajpes_password");
    username = setting ("ajpes_username");
    baseUrl = setting ("ajpes_url");
    caFile = setting ("trusted_certificates_file");

    // Every path is appended with its own "/": a stored address ending in one would ask for "//".
    while (baseUrl.endsWithChar ('/'))
        baseUrl = baseUrl.dropLastCharacters (1);

    // Without a folder the cookie would be written to "/ajpes_cookie" at the root.
    if (replyDir.trim().isEmpty())
        throw myexceptions::AjpesException (kNoReplyFolder);

    vlog ("WebAjpes::WebAjpes", "Initializing CURL");
    curl = curl_easy_init();
    if (curl == nullptr)
        throw myexceptions::curlException ("Cannot initialize CURL!");

    // libcurl's verbose trace would carry the password and the session cookie to standard error.
    curl_easy_setopt (curl, CURLOPT_VERBOSE, 0L);
    curl_easy_setopt (curl, CURLOPT_CONNECTTIMEOUT_MS, (long) connectMs);
    curl_easy_setopt (curl, CURLOPT_TIMEOUT_MS, (long) transferMs);
    curl_easy_setopt (curl, CURLOPT_CAINFO, caFile.toRawUTF8());
    curl_easy_setopt (curl, CURLOPT_AUTOREFERER, 1L);
    curl_easy_setopt (curl, CURLOPT_FOLLOWLOCATION, 1L);

    cookieFile = replyDir + "/" + kCookieFileName;
    curl_easy_setopt (curl, CURLOPT_COOKIEFILE, cookieFile.toRawUTF8());
    curl_easy_setopt (curl, CURLOPT_COOKIEJAR, cookieFile.toRawUTF8());
}

WebAjpes::~WebAjpes()
{
    vlog ("WebAjpes::~WebAjpes", "Shutting down curl");
    if (curl != nullptr)
        curl_easy_cleanup (curl); // writes the cookie jar
    if (doc != nullptr)
        xmlFreeDoc (doc);
}

//==============================================================================
void WebAjpes::login()
{
    vlog ("WebAjpes::login", "inside");
    const auto url = baseUrl + "/MDScripts/ajax.asp?method=checkuser";
    // Escaped, so that a password holding "&", "+" or "=" arrives whole.
    const auto body = "uporabnik=" + escapeQueryValue (username) + "&geslo=" + escapeQueryValue (password);
    post (body, url);
    vlog ("WebAjpes::login", "exit");
}

void WebAjpes::logout()
{
    vlog ("WebAjpes::logout", "inside");
    get (baseUrl + "/login/logout.asp");
    vlog ("WebAjpes::logout", "exit");
}

void WebAjpes::get (const juce::String& url)
{
    vlog ("WebAjpes::get", "inside");
    curl_easy_setopt (curl, CURLOPT_URL, url.toRawUTF8());
    curl_easy_setopt (curl, CURLOPT_HTTPGET, 1L);
    runWithHeaders();
    vlog ("WebAjpes::get", "exit");
}

void WebAjpes::post (const juce::String& data, const juce::String& url)
{
    vlog ("WebAjpes::post", "inside");
    const std::string body = data.toStdString(); // must outlive the transfer
    curl_easy_setopt (curl, CURLOPT_URL, url.toRawUTF8());
    curl_easy_setopt (curl, CURLOPT_POST, 1L);
    curl_easy_setopt (curl, CURLOPT_POSTFIELDS, body.c_str());
    curl_easy_setopt (curl, CURLOPT_POSTFIELDSIZE, (long) body.size());
    runWithHeaders();
    vlog ("WebAjpes::post", "exit");
}

void WebAjpes::runWithHeaders()
{
    HeaderList headers;
    for (auto& header : requestHeaders())
        headers.list = curl_slist_append (headers.list, header.toRawUTF8());
    curl_easy_setopt (curl, CURLOPT_HTTPHEADER, headers.list);
    try
    {
        sendMessage();
    }
    catch (...)
    {
        curl_easy_setopt (curl, CURLOPT_HTTPHEADER, nullptr);
        throw;
    }
    curl_easy_setopt (curl, CURLOPT_HTTPHEADER, nullptr);
}

juce::StringArray WebAjpes::requestHeaders()
{
    return { "Accept: text/xml", "Content-Type: application/x-www-form-urlencoded; charset=utf-8",
             "Accept-Charset: utf-8" };
}

void WebAjpes::sendMessage()
{
    ReplyBuffer buffer;
    curl_easy_setopt (curl, CURLOPT_WRITEFUNCTION, WriteMemoryCallback);
    curl_easy_setopt (curl, CURLOPT_WRITEDATA, &buffer);

    vlog ("WebAjpes::sendMessage", "Sending data!");
    juce::String failure;
    const CURLcode res = curl_easy_perform (curl);
    if (res != CURLE_OK)
    {
        failure = juce::String ("curl_easy_perform() failed: ") + curl_easy_strerror (res);
    }
    else
    {
        long code = 0;
        curl_easy_getinfo (curl, CURLINFO_RESPONSE_CODE, &code);
        if (code != 200)
            failure = "curl_easy_perform() failed: http error code = " + juce::String ((juce::int64) code);
    }
    curl_easy_setopt (curl, CURLOPT_WRITEDATA, nullptr);

    if (failure.isNotEmpty())
    {
        vlog ("WebAjpes::sendMessage", failure);
        throw myexceptions::curlException (kTransferFailed);
    }

    auto* parsed = htmlReadDoc (reinterpret_cast<const xmlChar*> (buffer.bytes.c_str()), nullptr, "utf-8", kHtmlOptions);
    if (doc != nullptr)
        xmlFreeDoc (doc);
    doc = parsed;
    vlog ("WebAjpes::sendMessage", "Message sent/received successfully!");
}

void WebAjpes::setData (const juce::String& xpath)
{
    vlog ("WebAjpes::setData", "inside");
    XPathContext x;
    // libxml2 makes a context on no document as well, and searching it would read a null tree.
    if (doc != nullptr)
        x.context = xmlXPathNewContext (doc);
    if (x.context == nullptr)
    {
        vlog ("WebAjpes::setData", kNoXPathContext);
        throw myexceptions::AjpesException (kNoXPathContext);
    }
    x.context->error = logXPathError;

    x.result = xmlXPathEvalExpression (reinterpret_cast<const xmlChar*> (xpath.toRawUTF8()), x.context);
    if (x.result == nullptr)
    {
        vlog ("WebAjpes::setData", kXPathFailed + xpath);
        throw myexceptions::AjpesException (kXPathFailed + xpath);
    }

    read_xpath_nodes (x.result->nodesetval);
    vlog ("WebAjpes::setData", "end of setData");
}

//==============================================================================
juce::String WebAjpes::escapeQueryValue (const juce::String& text)
{
    juce::String out;
    for (auto* p = text.toRawUTF8(); *p != 0; ++p)
    {
        const auto byte = static_cast<unsigned char> (*p);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9')
            || juce::String ("_-.*!'()").containsChar ((juce::juce_wchar) byte))
            out << (char) byte;
        else
            out << percentByte (byte);
    }
    return out;
}

juce::String WebAjpes::escapeQueryText (const juce::String& text)
{
    juce::String out;
    const auto trimmed = text.trim(); // the raw pointer below must not outlive the trimmed copy
    for (auto* p = trimmed.toRawUTF8(); *p != 0; ++p)
    {
        const auto byte = static_cast<unsigned char> (*p);
        if (byte <= 0x20 || byte >= 0x7F)
            out << percentByte (byte);
        else
            out << (char) byte;
    }
    return out;
}

juce::String WebAjpes::nodeText (xmlNodePtr node)
{
    if (node == nullptr)
        return {};
    auto* content = xmlNodeGetContent (node);
    if (content == nullptr)
        return {};
    const auto text = juce::String::fromUTF8 (reinterpret_cast<const char*> (content));
    xmlFree (content);
    return text;
}
