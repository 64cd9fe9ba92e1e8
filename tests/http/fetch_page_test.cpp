#include "http/fetch_page.h"

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "http_test_support.h"
#include "loopback_server.h"
#include "support/text_printers.h"
#include "text/clock.h"
#include "text/hooks.h"

namespace quorvane {
namespace {

using test_support::kUserAgentLine;
using tools::LoopbackServer;
using tools::Response;

class FetchPageTest : public ::testing::Test {
 protected:
  LoopbackServer server_;
};

TEST_F(FetchPageTest, SendsAPlainHttp10GetAndReturnsTheWholeBody) {
  constexpr char kPage[] = "!Orvessa1!v1.7v1\0after the zero!Orvessa2!";
  const std::string page(kPage, sizeof kPage - 1);
  server_.Route("/update.html", tools::Ok(page));
  EXPECT_EQ(FetchPage(Text(server_.Url("/update.html"))), Bytes(page));
  EXPECT_EQ(server_.Requests().back(), "GET /update.html HTTP/1.0\r\nHost: " + server_.HostAndPort() +
                                           "\r\n" + kUserAgentLine + "Accept: */*\r\n\r\n");
}

TEST_F(FetchPageTest, ResultsOnEveryPath) {
  Response error = tools::WithStatus("HTTP/1.0 503 Service Unavailable", "try later");
  Response cut = tools::Ok(std::string(4000, 'c'));
  cut.closeAfter = 1000;
  server_.Route("/error", error);
  server_.Route("/cut", cut);
  server_.Route("/moved", tools::Redirect(302, "/error"));
  struct Case {
    std::string address;
    std::string expected;
  };
  const Case cases[] = {
      {server_.Url("/error"), "try later"},
      {server_.Url("/cut"), std::string(1000, 'c')},
      {server_.Url("/moved"), "try later"},
      {"ftp://127.0.0.1/x", ""},
      {"not an address", ""},
      {"", ""},
  };
  for (const Case& row : cases) {
    EXPECT_EQ(FetchPage(Text(row.address)), Bytes(row.expected)) << row.address;
  }
}

TEST_F(FetchPageTest, GivesUpAfterItsTotalTimeWithTheBytesSoFarAndNoEvents) {
  // Bytes keep coming, but the whole fetch has a limit.
  Response endless = tools::Ok(std::string(100, 'e'));
  endless.pieceBytes = 10;
  endless.pieceDelayMilliseconds = 150;
  server_.Route("/endless", endless);
  int events = 0;
  SetPendingEventsProcessor([&events] { ++events; });
  const std::int64_t start = MonotonicMilliseconds();
  const Bytes body = internal::FetchPageWithTimeout(500, Text(server_.Url("/endless")));
  const std::int64_t elapsed = MonotonicMilliseconds() - start;
  SetPendingEventsProcessor(nullptr);
  EXPECT_GE(body.size(), 10u);
  EXPECT_LT(body.size(), 100u);
  EXPECT_EQ(body, Bytes(std::string(body.size(), 'e')));
  EXPECT_LT(elapsed, 5000);
  EXPECT_EQ(events, 0);
}

}  // namespace
}  // namespace quorvane
