#pragma once
// A test's own business register: the loopback stand-in, settings of the test's own pointing at
// it, a reply folder for the log-in cookie; the client's time-outs as shipped unless a test
// shortens them to wait for an answer that is held back.
#include "partners/AjpesStandIn.h"
#include "partners/WebAjpes.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace vtest
{
class AjpesRegisterTest : public ::testing::Test
{
protected:
    static constexpr int kShortTransferMs = 1500;

    AjpesRegisterTest() { reg.configure (settings.user(), replyFolder.get()); }
    ~AjpesRegisterTest() override { WebAjpes::setTimeOuts (WebAjpes::kConnectTimeOutMs, WebAjpes::kTransferTimeOutMs); }

    static void shortenTransferTimeOut() { WebAjpes::setTimeOuts (WebAjpes::kConnectTimeOutMs, kShortTransferMs); }

    TestSettings settings;
    TempFolder replyFolder;
    AjpesStandIn reg;
};

/** The three headers every request of the register client must carry. */
inline void expectClientHeaders (const HttpsStandIn::Request& r)
{
    EXPECT_EQ (r.header ("Accept"), "text/xml") << r.path;
    EXPECT_EQ (r.header ("Content-Type"), "application/x-www-form-urlencoded; charset=utf-8") << r.path;
    EXPECT_EQ (r.header ("Accept-Charset"), "utf-8") << r.path;
}
} // namespace vtest
