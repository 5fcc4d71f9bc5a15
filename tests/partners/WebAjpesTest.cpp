// The register web client against the loopback register: what it sends, what it keeps between
// clients, and how every kind of failure reaches its caller.
#include "partners/AjpesRegisterFixture.h"
#include "core/MyExceptions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <unistd.h>

namespace
{
using vtest::AjpesStandIn;
using Fault = AjpesStandIn::Fault;

const char* const kTransferText = "Error: Sending the message to Ajpes server failed!";

// Reads every node's text, so a test sees what an XPath picked.
class PageProbe : public WebAjpes
{
public:
    void read_xpath_nodes (xmlNodeSetPtr nodes) override
    {
        ++calls;
        texts.clear();
        if (nodes != nullptr)
            for (int i = 0; i < nodes->nodeNr; ++i)
                texts.add (nodeText (nodes->nodeTab[i]));
    }
    int calls = 0;
    juce::StringArray texts;
};

// Everything written to standard error while it lives (libcurl's verbose trace would go there).
class StderrCapture
{
public:
    StderrCapture()
    {
        fflush (stderr);
        saved = dup (2);
        const int fd = open (file.getFullPathName().toRawUTF8(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2 (fd, 2);
        close (fd);
    }
    ~StderrCapture() { restore(); }
    juce::String text()
    {
        restore();
        return file.loadFileAsString();
    }

private:
    void restore()
    {
        if (saved < 0)
            return;
        fflush (stderr);
        dup2 (saved, 2);
        close (saved);
        saved = -1;
    }
    vtest::TempFolder folder;
    juce::File file { folder.file ("stderr.txt") };
    int saved = -1;
};

class RegisterClient : public vtest::AjpesRegisterTest
{
};

TEST_F (RegisterClient, LogInPostsTheWholeEscapedFormAndPagesCarryItsCookie)
{
    PageProbe client;
    client.login();
    client.get (reg.web.url() + AjpesStandIn::kLogout);

    const auto requests = reg.requests();
    ASSERT_EQ (requests.size(), 2u);
    const auto& login = requests[0];
    EXPECT_EQ (login.method, "POST");
    EXPECT_EQ (login.path, AjpesStandIn::kLogin);
    EXPECT_EQ (login.query, "method=checkuser");
    // "&", "+", "%" and "=" in the password would otherwise cut or change it on the way.
    EXPECT_EQ (login.body, "uporabnik=vinar&geslo=a%26b%2Bc%25d%3De");
    EXPECT_EQ (login.formField ("geslo"), "a&b+c%d=e");
    EXPECT_EQ (login.cookies, "");
    EXPECT_EQ (requests[1].method, "GET");
    EXPECT_EQ (requests[1].cookie (reg.sessionCookieName), reg.sessionCookieValue);
    for (auto& r : requests)
        vtest::expectClientHeaders (r);
    EXPECT_EQ (WebAjpes::requestHeaders(),
               juce::StringArray ({ "Accept: text/xml", "Content-Type: application/x-www-form-urlencoded; charset=utf-8",
                                    "Accept-Charset: utf-8" }));
}

TEST_F (RegisterClient, TheLogInReachesTheNextClientThroughTheCookieFile)
{
    juce::String cookieFile;
    {
        PageProbe first;
        first.login();
        cookieFile = first.getCookieFile();
    }
    EXPECT_EQ (cookieFile, replyFolder.file ("ajpes_cookie").getFullPathName());
    EXPECT_TRUE (juce::File (cookieFile).loadFileAsString().contains (reg.sessionCookieValue));

    PageProbe second;
    second.get (reg.web.url() + AjpesStandIn::kLogout);
    EXPECT_EQ (reg.requests().back().cookie (reg.sessionCookieName), reg.sessionCookieValue);
}

TEST_F (RegisterClient, AClientThatFailedStillWritesItsCookies)
{
    reg.inject (AjpesStandIn::kSearch, Fault::error500);
    {
        PageProbe client;
        client.login();
        EXPECT_THROW (client.get (reg.web.url() + AjpesStandIn::kSearch + "?status=1"), myexceptions::curlException);
    }
    EXPECT_TRUE (replyFolder.file ("ajpes_cookie").loadFileAsString().contains (reg.sessionCookieValue));
}

TEST_F (RegisterClient, AnAddressEndingInASlashMakesNoDoubleSlash)
{
    settings.user().setValue ("ajpes_url", reg.web.url() + "/");
    PageProbe client;
    EXPECT_EQ (client.getBaseUrl(), reg.web.url());
    client.login();
    ASSERT_EQ (reg.requests().size(), 1u);
    EXPECT_EQ (reg.requests()[0].path, AjpesStandIn::kLogin);
}

TEST_F (RegisterClient, RedirectIsFollowedAndTheLastAnswerCounts)
{
    reg.inject (AjpesStandIn::kLogin, Fault::redirect);
    {
        PageProbe client;
        client.login();
        client.setData ("//p");
        EXPECT_EQ (client.texts.joinIntoString ("|"), juce::String::fromUTF8 ("Dobrodošli"));
    }
    ASSERT_EQ (reg.requests().size(), 2u);
    EXPECT_EQ (reg.requests()[1].path, AjpesStandIn::kStart);
    EXPECT_EQ (reg.requests()[1].header ("Referer"), (reg.web.url() + AjpesStandIn::kLogin + "?method=checkuser").toStdString());

    reg.inject (AjpesStandIn::kLogin, Fault::redirectToError);
    vtest::LogCapture log;
    PageProbe client;
    try
    {
        client.login();
        FAIL() << "a redirect to a failing page passed";
    }
    catch (const myexceptions::curlException& e)
    {
        EXPECT_STREQ (e.what(), kTransferText);
    }
    EXPECT_TRUE (log.contains ("curl_easy_perform() failed: http error code = 500"));
}

enum class Arrange { error500, error404, held, untrustedCertificate, emptyAddress, nothingListening };

struct TransferFailure
{
    const char* name;
    Arrange arrange;
    const char* logged; // libcurl's or the server's side of it, which only the log tells
};

void PrintTo (const TransferFailure& c, std::ostream* os) { *os << c.name; }

class TransferFailures : public vtest::AjpesRegisterTest, public ::testing::WithParamInterface<TransferFailure>
{
};

TEST_P (TransferFailures, ArriveAsTheTransferTextWithTheCauseInTheLog)
{
    const auto& c = GetParam();
    vtest::TempFolder other;
    switch (c.arrange)
    {
        case Arrange::error500: reg.inject (AjpesStandIn::kSearch, Fault::error500); break;
        case Arrange::error404: reg.inject (AjpesStandIn::kSearch, Fault::error404); break;
        case Arrange::held:
            shortenTransferTimeOut();
            reg.inject (AjpesStandIn::kSearch, Fault::hold);
            break;
        case Arrange::untrustedCertificate:
            vtest::HttpsStandIn::makeCertificate (other.file ("cert.pem"), other.file ("key.pem"));
            settings.user().setValue ("trusted_certificates_file", other.file ("cert.pem").getFullPathName());
            break;
        case Arrange::emptyAddress: settings.user().setValue ("ajpes_url", ""); break;
        case Arrange::nothingListening: settings.user().setValue ("ajpes_url", "https://127.0.0.1:1"); break;
    }

    vtest::LogCapture log;
    PageProbe client;
    const auto started = std::chrono::steady_clock::now();
    try
    {
        client.get (client.getBaseUrl() + AjpesStandIn::kSearch + "?status=1&MAXREC=10000");
        FAIL() << c.name << ": no failure";
    }
    catch (const myexceptions::curlException& e)
    {
        EXPECT_STREQ (e.what(), kTransferText) << c.name;
    }
    EXPECT_LT (std::chrono::steady_clock::now() - started, std::chrono::seconds (8)) << c.name;
    EXPECT_TRUE (log.contains (c.logged)) << c.name << "\n" << log.lines().joinIntoString ("\n");
    EXPECT_EQ (client.getDocument(), nullptr) << c.name;
}

INSTANTIATE_TEST_SUITE_P (
    RegisterClient, TransferFailures,
    ::testing::Values (TransferFailure { "500 with a page", Arrange::error500, "http error code = 500" },
                       TransferFailure { "404 with a page", Arrange::error404, "http error code = 404" },
                       TransferFailure { "answer held past the time-out", Arrange::held, "Timeout was reached" },
                       TransferFailure { "certificate not trusted", Arrange::untrustedCertificate,
                                         "SSL peer certificate or SSH remote key was not OK" },
                       TransferFailure { "empty address", Arrange::emptyAddress, "URL using bad/illegal format" },
                       TransferFailure { "nothing listening", Arrange::nothingListening, "Couldn't connect to server" }));

TEST_F (RegisterClient, AFailedPageLeavesTheLastOneInPlace)
{
    PageProbe client;
    client.login();
    auto* page = client.getDocument();
    ASSERT_NE (page, nullptr);
    reg.inject (AjpesStandIn::kSearch, Fault::error500);
    EXPECT_THROW (client.get (reg.web.url() + AjpesStandIn::kSearch), myexceptions::curlException);
    EXPECT_EQ (client.getDocument(), page);
    client.setData ("//p");
    EXPECT_EQ (client.texts, juce::StringArray ({ "OK" }));
}

TEST_F (RegisterClient, APageTheParserCannotReadStopsBeforeAnyXPath)
{
    reg.inject (AjpesStandIn::kSearch, Fault::unreadable);
    PageProbe client;
    client.login();
    client.get (reg.web.url() + AjpesStandIn::kSearch);
    EXPECT_EQ (client.getDocument(), nullptr);
    try
    {
        client.setData ("//tbody//*[contains(@href,'podjetje.asp?')]");
        FAIL() << "XPath ran on no document";
    }
    catch (const myexceptions::AjpesException& e)
    {
        EXPECT_STREQ (e.what(), "Error: unable to create new XPath context");
    }
    EXPECT_EQ (client.calls, 0);
}

TEST_F (RegisterClient, AnInvalidExpressionNamesItself)
{
    PageProbe client;
    client.login();
    try
    {
        client.setData ("//p[");
        FAIL() << "an invalid expression passed";
    }
    catch (const myexceptions::AjpesException& e)
    {
        EXPECT_STREQ (e.what(), "Error: unable to evaluate xpath expression //p[");
    }
    EXPECT_EQ (client.calls, 0);

    client.setData ("//nothing");
    EXPECT_EQ (client.calls, 1);
    EXPECT_TRUE (client.texts.isEmpty());
}

TEST_F (RegisterClient, WithoutAReplyFolderNoClientIsBuilt)
{
    settings.user().setValue ("xml_ajpes_reply_dir", "");
    try
    {
        PageProbe client;
        FAIL() << "a client without a cookie folder was built";
    }
    catch (const myexceptions::AjpesException& e)
    {
        EXPECT_TRUE (juce::String (e.what()).contains ("xml_ajpes_reply_dir")) << e.what();
    }
    EXPECT_TRUE (reg.requests().empty());
}

TEST_F (RegisterClient, NeitherPasswordNorSessionCookieReachStandardErrorOrTheLog)
{
    vtest::LogCapture log;
    juce::String errors;
    {
        StderrCapture capture;
        {
            PageProbe client;
            client.login();
            client.get (reg.web.url() + AjpesStandIn::kLogout);
        }
        errors = capture.text();
    }
    ASSERT_EQ (reg.logouts(), 1);
    ASSERT_EQ (reg.requests().back().cookie (reg.sessionCookieName), reg.sessionCookieValue); // it was sent
    const auto logText = log.lines().joinIntoString ("\n");
    for (const juce::String secret : { juce::String (reg.sessionCookieValue), juce::String (reg.password),
                                       juce::String ("a%26b%2Bc%25d%3De") })
    {
        EXPECT_FALSE (errors.contains (secret)) << secret;
        EXPECT_FALSE (logText.contains (secret)) << secret;
    }
}

TEST (RegisterClientTexts, QueryValuesAndQueryTextsAreEscapedByTheirOwnRules)
{
    struct Case
    {
        const char* in;
        const char* value;
        const char* text;
    };
    const Case cases[] = {
        { "Vinska klet", "Vinska%20klet", "Vinska%20klet" },
        { "\xc4\x8d", "%C4%8D", "%C4%8D" },
        { "_-.*!'()", "_-.*!'()", "_-.*!'()" },
        { "a&b=c+d%e/f?g", "a%26b%3Dc%2Bd%25e%2Ff%3Fg", "a&b=c+d%e/f?g" },
        { "  s=1&e=5012345000\r\n", "%20%20s%3D1%26e%3D5012345000%0D%0A", "s=1&e=5012345000" },
        { "s=1&e=KLET D\xc4\x8d\tX", "s%3D1%26e%3DKLET%20D%C4%8D%09X", "s=1&e=KLET%20D%C4%8D%09X" },
    };
    for (auto& c : cases)
    {
        const auto in = juce::String::fromUTF8 (c.in);
        EXPECT_EQ (WebAjpes::escapeQueryValue (in), c.value) << c.in;
        EXPECT_EQ (WebAjpes::escapeQueryText (in), c.text) << c.in;
    }
}
} // namespace
