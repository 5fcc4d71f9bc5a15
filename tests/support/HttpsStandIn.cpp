#include "support/HttpsStandIn.h"

#include <httplib.h>
#include <openssl/ec.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509v3.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace vtest
{
namespace
{
std::string lower (std::string s)
{
    for (auto& c : s)
        c = (char) std::tolower ((unsigned char) c);
    return s;
}

std::string decodeFormText (const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '+')
            out += ' ';
        else if (text[i] == '%' && i + 2 < text.size() && std::isxdigit ((unsigned char) text[i + 1])
                 && std::isxdigit ((unsigned char) text[i + 2]))
        {
            out += (char) std::stoi (text.substr (i + 1, 2), nullptr, 16);
            i += 2;
        }
        else
            out += text[i];
    }
    return out;
}

void addExtension (X509* certificate, int nid, const char* value)
{
    X509V3_CTX context;
    X509V3_set_ctx_nodb (&context);
    X509V3_set_ctx (&context, certificate, certificate, nullptr, nullptr, 0);
    X509_EXTENSION* extension = X509V3_EXT_conf_nid (nullptr, &context, nid, value);
    if (extension == nullptr)
        throw std::runtime_error ("certificate extension refused");
    X509_add_ext (certificate, extension, -1);
    X509_EXTENSION_free (extension);
}

void writePem (const juce::File& file, const std::function<int (BIO*)>& write)
{
    BIO* bio = BIO_new_file (file.getFullPathName().toRawUTF8(), "w");
    if (bio == nullptr || write (bio) != 1)
    {
        BIO_free (bio);
        throw std::runtime_error ("cannot write " + file.getFullPathName().toStdString());
    }
    BIO_free (bio);
}
} // namespace

//==============================================================================
std::string HttpsStandIn::Request::header (const std::string& name) const
{
    for (auto& [key, value] : headers)
        if (lower (key) == lower (name))
            return value;
    return {};
}

std::string HttpsStandIn::Request::cookie (const std::string& name) const
{
    juce::StringArray parts;
    parts.addTokens (juce::String (cookies), ";", {});
    for (auto& part : parts)
    {
        const auto p = part.trim();
        if (p.upToFirstOccurrenceOf ("=", false, false) == juce::String (name))
            return p.fromFirstOccurrenceOf ("=", false, false).toStdString();
    }
    return {};
}

std::string HttpsStandIn::Request::formField (const std::string& name) const
{
    size_t start = 0;
    while (start <= body.size())
    {
        const auto end = std::min (body.find ('&', start), body.size());
        const auto field = body.substr (start, end - start);
        const auto eq = field.find ('=');
        if (decodeFormText (field.substr (0, eq)) == name)
            return eq == std::string::npos ? std::string() : decodeFormText (field.substr (eq + 1));
        start = end + 1;
    }
    return {};
}

//==============================================================================
void HttpsStandIn::makeCertificate (const juce::File& certificateFile, const juce::File& keyFile)
{
    EVP_PKEY* key = EVP_EC_gen ("P-256");
    X509* certificate = X509_new();
    if (key == nullptr || certificate == nullptr)
        throw std::runtime_error ("no key or certificate");

    static std::atomic<long> serial { 1 };
    X509_set_version (certificate, 2);
    ASN1_INTEGER_set (X509_get_serialNumber (certificate), (long) juce::Time::currentTimeMillis() % 1000000 + serial++);
    X509_gmtime_adj (X509_getm_notBefore (certificate), -3600);
    X509_gmtime_adj (X509_getm_notAfter (certificate), 24 * 3600);
    X509_set_pubkey (certificate, key);
    auto* name = X509_get_subject_name (certificate);
    X509_NAME_add_entry_by_txt (name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*> ("127.0.0.1"), -1, -1, 0);
    X509_set_issuer_name (certificate, name);
    // Its own authority, so the client can trust it as the only certificate in its bundle.
    addExtension (certificate, NID_basic_constraints, "critical,CA:TRUE");
    addExtension (certificate, NID_key_usage, "critical,digitalSignature,keyCertSign");
    addExtension (certificate, NID_subject_key_identifier, "hash");
    addExtension (certificate, NID_subject_alt_name, "IP:127.0.0.1");
    X509_sign (certificate, key, EVP_sha256());

    writePem (certificateFile, [&] (BIO* bio) { return PEM_write_bio_X509 (bio, certificate); });
    writePem (keyFile, [&] (BIO* bio) { return PEM_write_bio_PrivateKey (bio, key, nullptr, nullptr, 0, nullptr, nullptr); });
    X509_free (certificate);
    EVP_PKEY_free (key);
}

//==============================================================================
struct HttpsStandIn::Impl
{
    TempFolder folder;
    std::unique_ptr<httplib::SSLServer> server;
    std::thread thread;
    int port = 0;

    mutable std::mutex mutex;
    std::vector<Request> requests;
    std::map<std::pair<std::string, std::string>, Handler> handlers;

    std::mutex holdMutex;
    std::condition_variable holdRelease;
    bool stopping = false;

    void serve (const std::string& method, const httplib::Request& in, httplib::Response& out)
    {
        Request r;
        r.method = method;
        r.path = in.path;
        const auto q = in.target.find ('?');
        r.query = q == std::string::npos ? std::string() : in.target.substr (q + 1);
        r.body = in.body;
        for (auto& [key, value] : in.headers)
            r.headers.emplace_back (key, value);
        r.cookies = in.get_header_value ("Cookie");

        Handler handler;
        {
            std::lock_guard<std::mutex> lock (mutex);
            requests.push_back (r);
            auto it = handlers.find ({ method, r.path });
            if (it != handlers.end())
                handler = it->second;
        }

        Reply reply;
        if (handler)
            reply = handler (r);
        else
            reply = { 404, "<html><body>Not found</body></html>" };

        if (reply.holdMs > 0)
        {
            std::unique_lock<std::mutex> lock (holdMutex);
            holdRelease.wait_for (lock, std::chrono::milliseconds (reply.holdMs), [this] { return stopping; });
        }

        out.status = reply.status;
        for (auto& [key, value] : reply.headers)
            out.set_header (key, value);
        out.set_content (reply.body, reply.contentType.c_str());
    }
};

HttpsStandIn::HttpsStandIn() : impl (std::make_unique<Impl>())
{
    const auto certificate = impl->folder.file ("standin-cert.pem");
    const auto key = impl->folder.file ("standin-key.pem");
    makeCertificate (certificate, key);

    impl->server = std::make_unique<httplib::SSLServer> (certificate.getFullPathName().toRawUTF8(),
                                                         key.getFullPathName().toRawUTF8());
    if (! impl->server->is_valid())
        throw std::runtime_error ("the stand-in's TLS set-up failed");
    impl->server->set_keep_alive_timeout (1);

    auto* self = impl.get();
    impl->server->Get (".*", [self] (const httplib::Request& in, httplib::Response& out) { self->serve ("GET", in, out); });
    impl->server->Post (".*", [self] (const httplib::Request& in, httplib::Response& out) { self->serve ("POST", in, out); });

    impl->port = impl->server->bind_to_any_port ("127.0.0.1");
    if (impl->port <= 0)
        throw std::runtime_error ("the stand-in found no loopback port");
    impl->thread = std::thread ([self] { self->server->listen_after_bind(); });
    for (int i = 0; i < 500 && ! impl->server->is_running(); ++i)
        std::this_thread::sleep_for (std::chrono::milliseconds (2));
}

HttpsStandIn::~HttpsStandIn()
{
    {
        std::lock_guard<std::mutex> lock (impl->holdMutex);
        impl->stopping = true;
    }
    impl->holdRelease.notify_all();
    impl->server->stop();
    if (impl->thread.joinable())
        impl->thread.join();
}

void HttpsStandIn::handle (const std::string& method, const std::string& path, Handler handler)
{
    std::lock_guard<std::mutex> lock (impl->mutex);
    impl->handlers[{ method, path }] = std::move (handler);
}

juce::String HttpsStandIn::url() const { return "https://127.0.0.1:" + juce::String (impl->port); }
int HttpsStandIn::port() const { return impl->port; }
juce::File HttpsStandIn::certificateFile() const { return impl->folder.file ("standin-cert.pem"); }

std::vector<HttpsStandIn::Request> HttpsStandIn::requests() const
{
    std::lock_guard<std::mutex> lock (impl->mutex);
    return impl->requests;
}

void HttpsStandIn::clearRequests()
{
    std::lock_guard<std::mutex> lock (impl->mutex);
    impl->requests.clear();
}
} // namespace vtest
