// The exact bytes HttpRequest puts on the wire, compared whole against a loopback server's record.
#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "http/http_request.h"
#include "http_test_support.h"
#include "loopback_server.h"
#include "support/text_printers.h"

namespace quorvane {
namespace {

using test_support::kDefaultAcceptLine;
using test_support::kLanguageLine;
using test_support::kUserAgentLine;
using tools::LoopbackServer;
using tools::Response;

class HttpRequestBytesTest : public ::testing::Test {
 protected:
  std::string HostLine() const { return "Host: " + server_.HostAndPort() + "\r\n"; }
  std::string LastRequest() const {
    const auto requests = server_.Requests();
    return requests.empty() ? std::string() : requests.back();
  }

  LoopbackServer server_;
};

TEST_F(HttpRequestBytesTest, PlaylistRequestCarriesTheThreeDefaultLines) {
  const std::string playlist = "#EXTM3U\n#EXTINF:10.000,\nhttp://cdn/segment_1.ts\n#EXT-X-ENDLIST\n";
  server_.Route("/vod_hls/15012x01_141483582.m3u8", tools::Ok(playlist));
  const std::string url = server_.Url("/vod_hls/15012x01_141483582.m3u8");

  EXPECT_EQ(HttpRequest(Text(url)), Text(playlist));
  EXPECT_EQ(LastRequest(), "GET /vod_hls/15012x01_141483582.m3u8 HTTP/1.1\r\n" + HostLine() + kUserAgentLine +
                               kDefaultAcceptLine + "Referer: " + url + "\r\n" + kLanguageLine + "\r\n");
}

TEST_F(HttpRequestBytesTest, OmittedAndGivenScratchValuesEndTheSame) {
  const std::string url = server_.Url("/a");
  Text method;
  Text headers;
  HttpRequest(Text(url), &method, std::nullopt, &headers);
  EXPECT_EQ(method, Text("GET"));
  EXPECT_EQ(headers, Text(kDefaultAcceptLine + "Referer: " + url + "\r\n" + kLanguageLine));
}

TEST_F(HttpRequestBytesTest, MethodDecidesVerbBodyAndPostLines) {
  struct Case {
    const char* method;
    const char* postData;
    const char* methodAfter;
    std::string requestLine;
    std::string postLines;  // after the default lines
    std::string body;
  };
  const Case cases[] = {
      // A POST keeps the caller's letter case; its form lines follow the defaults.
      {"post", "a=1&b=2", "post", "post /f HTTP/1.1\r\n",
       "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 7\r\n", "a=1&b=2"},
      {"POST", "a=1&b=2", "POST", "POST /f HTTP/1.1\r\n",
       "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 7\r\n", "a=1&b=2"},
      // An empty POST has no form lines; the client states the empty length itself.
      {"Post", "", "Post", "Post /f HTTP/1.1\r\n", "Content-Length: 0\r\n", ""},
      // Anything else is a GET, which sends no body even when one is given.
      {"PUT", "a=1", "GET", "GET /f HTTP/1.1\r\n", "", ""},
      {"HEAD", "", "GET", "GET /f HTTP/1.1\r\n", "", ""},
      {"", "a=1", "GET", "GET /f HTTP/1.1\r\n", "", ""},
  };
  const std::string url = server_.Url("/f");
  for (const Case& row : cases) {
    Text method(row.method);
    HttpRequest(Text(url), &method, std::nullopt, nullptr, Text(row.postData));
    EXPECT_EQ(method, Text(row.methodAfter)) << row.method;
    EXPECT_EQ(LastRequest(), row.requestLine + HostLine() + kUserAgentLine + kDefaultAcceptLine +
                                 "Referer: " + url + "\r\n" + kLanguageLine + row.postLines + "\r\n" +
                                 row.body)
        << row.method;
  }
}

TEST_F(HttpRequestBytesTest, CallerLinesComeFirstAndSuppressDefaultsByNameAndBlank) {
  struct Case {
    const char* callerLines;
    std::string lines;  // what follows the Host and User-Agent lines
  };
  const std::string url = server_.Url("/h");
  const std::string referer = "Referer: " + url + "\r\n";
  const Case cases[] = {
      {"accept: text/plain\r\n", "accept: text/plain\r\n" + referer + kLanguageLine},
      // Any text holding "Accept: " counts, even inside another name.
      {"X-Accept: 1\r\n", "X-Accept: 1\r\n" + referer + kLanguageLine},
      // Without the blank the name is not recognised: both lines go.
      {"Accept:text/plain\r\n", "Accept:text/plain\r\n" + kDefaultAcceptLine + referer + kLanguageLine},
      {"REFERER: http://elsewhere/\r\nAccept-Language: en\r\n",
       "REFERER: http://elsewhere/\r\nAccept-Language: en\r\n" + kDefaultAcceptLine},
      // A caller line without its line end runs into the first default line.
      {"X-Tag: 1", "X-Tag: 1" + kDefaultAcceptLine + referer + kLanguageLine},
      // A line with an empty value is sent as it stands.
      {"X-Empty:\r\n", "X-Empty:\r\n" + kDefaultAcceptLine + referer + kLanguageLine},
  };
  for (const Case& row : cases) {
    Text headers(row.callerLines);
    HttpRequest(Text(url), nullptr, std::nullopt, &headers);
    EXPECT_EQ(LastRequest(), "GET /h HTTP/1.1\r\n" + HostLine() + kUserAgentLine + row.lines + "\r\n")
        << row.callerLines;
  }
}

TEST_F(HttpRequestBytesTest, ObjectPathGoesOnTheRequestLineAsCut) {
  // The path keeps its letter case, query and fragment; blanks are escaped so the line stays whole.
  const std::string url = server_.Url("/Vod/A.m3u8?x=1&y=%41#frag");
  HttpRequest(Text(url));
  EXPECT_EQ(LastRequest().substr(0, LastRequest().find("\r\n")), "GET /Vod/A.m3u8?x=1&y=%41#frag HTTP/1.1");
  HttpRequest(Text(server_.Url("/a b")));
  EXPECT_EQ(LastRequest().substr(0, LastRequest().find("\r\n")), "GET /a%20b HTTP/1.1");
}

TEST_F(HttpRequestBytesTest, GivenProxyReceivesTheAbsoluteAddress) {
  const std::string url = "http://Origin.Invalid:8080/p?q=1";
  server_.Route("http://origin.invalid:8080/p?q=1", tools::Ok("via proxy"));
  EXPECT_EQ(HttpRequest(Text(url), nullptr, Text(server_.HostAndPort())), Text("via proxy"));
  EXPECT_EQ(LastRequest(), "GET http://origin.invalid:8080/p?q=1 HTTP/1.1\r\nHost: origin.invalid:8080\r\n" +
                               kUserAgentLine + kDefaultAcceptLine + "Referer: " + url + "\r\n" +
                               kLanguageLine + "Pragma: no-cache\r\nCache-Control: no-cache\r\n\r\n");
  // The default port is left out of the address, as of the Host line.
  HttpRequest(Text("http://origin.invalid/x"), nullptr, Text("http://" + server_.HostAndPort()));
  EXPECT_EQ(LastRequest().substr(0, LastRequest().find("Accept:")),
            "GET http://origin.invalid/x HTTP/1.1\r\nHost: origin.invalid\r\n" + kUserAgentLine);
}

TEST_F(HttpRequestBytesTest, DirectAccessIgnoresTheEnvironmentsProxy) {
  LoopbackServer proxy;
  proxy.SetDefault(tools::Ok("from the proxy"));
  server_.Route("/direct", tools::Ok("direct"));
  ::setenv("http_proxy", proxy.Url("/").c_str(), 1);
  ::setenv("HTTP_PROXY", proxy.Url("/").c_str(), 1);
  const Text body = HttpRequest(Text(server_.Url("/direct")));
  ::unsetenv("http_proxy");
  ::unsetenv("HTTP_PROXY");
  EXPECT_EQ(body, Text("direct"));
  EXPECT_EQ(proxy.RequestCount(), 0u);
}

}  // namespace
}  // namespace quorvane
