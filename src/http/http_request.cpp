#include "http/http_request.h"

#include <string>

#include <curl/curl.h>

#include "http/curl_handles.h"
#include "http/request_headers.h"
#include "http/transfer.h"
#include "http/url.h"
#include "text/ascii.h"
#include "text/byte_primitives.h"
#include "text/number_primitives.h"
#include "text/text_primitives.h"

namespace quorvane {
namespace internal {
namespace {

constexpr int kMaxRedirects = 10;
constexpr int kDefaultPort = 80;

// Where the request goes and what it asks for, worked out before anything is sent.
struct Destination {
  Text host;
  int port = kDefaultPort;
  std::string requestTarget;
};

// Host names reach libcurl inside an address, so only the bytes of a name may pass: anything else
// (a query or a password left in the host by the cuts) could name another host or break the
// address. Such a host cannot be resolved in any case.
bool IsHostName(const Text& host) {
  if (host.empty()) {
    return false;
  }
  for (const char byte : host.view()) {
    const bool letterOrDigit =
        (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9');
    if (!letterOrDigit && byte != '-' && byte != '.' && byte != '_') {
      return false;
    }
  }
  return true;
}

// The object path as it goes on the request line. Blanks and control bytes would end or break the
// line, so they are written as %XX; every other byte goes as it stands.
std::string RequestPath(const Text& path) {
  std::string escaped;
  for (const char byte : path.view()) {
    const auto code = static_cast<unsigned char>(byte);
    if (code <= 0x20 || code == 0x7F) {
      static constexpr char kHex[] = "0123456789ABCDEF";
      escaped += '%';
      escaped += kHex[code >> 4];
      escaped += kHex[code & 0x0F];
    } else {
      escaped += byte;
    }
  }
  return escaped;
}

std::string Authority(const Destination& destination) {
  std::string authority(destination.host.view());
  if (destination.port != kDefaultPort) {
    authority += ':';
    authority += std::to_string(destination.port);
  }
  return authority;
}

// An HTTP proxy address for libcurl: the proxy text, marked as plain HTTP unless it says so itself,
// so that another scheme written into it cannot turn the proxy into something else.
std::string ProxyAddress(const Text& proxy) {
  if (StartsWithIgnoringAsciiCase(proxy.view(), "http://")) {
    return std::string(proxy.view());
  }
  return "http://" + std::string(proxy.view());
}

bool IsFollowedRedirect(long status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

struct RequestSetup {
  const Destination& destination;
  const std::optional<Text>& proxy;
  const std::string& verb;
  bool isGet;
  const Text& postData;
  const HeaderList& headers;
  const HeaderList& proxyHeaders;
};

bool Configure(CURL* easy, const RequestSetup& setup) {
  const Destination& destination = setup.destination;
  const std::string connectTo = "http://" + Authority(destination) + "/";
  bool ok =
      curl_easy_setopt(easy, CURLOPT_URL, connectTo.c_str()) == CURLE_OK &&
      curl_easy_setopt(easy, CURLOPT_REQUEST_TARGET, destination.requestTarget.c_str()) == CURLE_OK &&
      curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1)) == CURLE_OK &&
      curl_easy_setopt(easy, CURLOPT_USERAGENT, kAgentText) == CURLE_OK &&
      curl_easy_setopt(easy, CURLOPT_HTTPHEADER, setup.headers.get()) == CURLE_OK &&
      curl_easy_setopt(easy, CURLOPT_PROXYHEADER, setup.proxyHeaders.get()) == CURLE_OK;
  if (setup.proxy.has_value()) {
    const std::string proxyAddress = ProxyAddress(*setup.proxy);
    ok = ok && curl_easy_setopt(easy, CURLOPT_PROXY, proxyAddress.c_str()) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP)) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_NOPROXY, "") == CURLE_OK;
  } else {
    // The empty proxy makes libcurl go direct and leave the environment's proxy variables alone.
    ok = ok && curl_easy_setopt(easy, CURLOPT_PROXY, "") == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_NOPROXY, "*") == CURLE_OK;
  }
  if (setup.isGet) {
    return ok && curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L) == CURLE_OK;
  }
  return ok && curl_easy_setopt(easy, CURLOPT_POST, 1L) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE,
                          static_cast<curl_off_t>(setup.postData.size())) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_COPYPOSTFIELDS, setup.postData.c_str()) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, setup.verb.c_str()) == CURLE_OK;
}

// The lines libcurl sends after the request line and its own Host and User-Agent lines: the
// header text, and nothing of libcurl's own making that the text does not ask for.
bool FillHeaderLists(const Text& headerText, const RequestSetup& setup, HeaderList& headers,
                     HeaderList& proxyHeaders) {
  bool ok = true;
  for (const std::string& line : WireHeaderLines(headerText)) {
    ok = ok && headers.Append(line);
  }
  // Entries with nothing after the colon are not sent: they stop libcurl's own lines of that name.
  ok = ok && headers.Append("Accept:") && headers.Append("Expect:");
  if (!setup.isGet && setup.postData.empty()) {
    ok = ok && headers.Append("Content-Type:");
  }
  if (setup.proxy.has_value()) {
    // libcurl keeps no cache, so a direct answer is always fresh; a proxy may keep one.
    if (!HasHeaderLine(headerText, "Pragma")) {
      ok = ok && headers.Append("Pragma: no-cache");
    }
    if (!HasHeaderLine(headerText, "Cache-Control")) {
      ok = ok && headers.Append("Cache-Control: no-cache");
    }
    ok = ok && proxyHeaders.Append("Proxy-Connection:");
  }
  return ok;
}

// Sends the request and reads the answer, following a GET's redirects; the outcome of the last
// transfer made, or an empty one when nothing could be sent.
TransferOutcome Exchange(CURL* easy, const RequestSetup& setup, const TransferLimits& limits) {
  if (!Configure(easy, setup)) {
    return {};
  }
  TransferOutcome outcome = RunTransfer(easy, limits, EventPolicy::kDispatchWhileReading);
  for (int followed = 0; setup.isGet && followed < kMaxRedirects; ++followed) {
    if (!outcome.complete || !IsFollowedRedirect(outcome.status) || outcome.redirectUrl.empty()) {
      break;
    }
    // The next address is a whole one from the server: libcurl builds its request line.
    if (curl_easy_setopt(easy, CURLOPT_URL, outcome.redirectUrl.c_str()) != CURLE_OK ||
        curl_easy_setopt(easy, CURLOPT_REQUEST_TARGET, nullptr) != CURLE_OK) {
      break;
    }
    outcome = RunTransfer(easy, limits, EventPolicy::kDispatchWhileReading);
  }
  return outcome;
}

}  // namespace

Text HttpRequestWithTimeout(int timeoutMilliseconds, const Text& url, Text* method,
                            const std::optional<Text>& proxy, Text* extraHeaders, const Text& postData,
                            Text* rawHeaders) {
  Text scratchMethod;
  Text scratchHeaders;
  Text& verb = method != nullptr ? *method : scratchMethod;
  Text& headerText = extraHeaders != nullptr ? *extraHeaders : scratchHeaders;
  HeaderList headers;
  HeaderList proxyHeaders;

  // The client.
  const EasyHandle easy = MakeEasyHandle();
  if (easy == nullptr) {
    return {};
  }

  // The connection. libcurl connects only when the request is sent, so here the destination is
  // merely worked out; port 0 stands for the service's default port.
  Destination destination{.host = UrlHost(url), .port = UrlPort(url), .requestTarget = {}};
  if (destination.port == 0) {
    destination.port = kDefaultPort;
  }
  if (!TextEquals(ToUpper(verb), "POST")) {
    verb = "GET";
  }

  // The request.
  const std::string path = RequestPath(UrlPath(url));
  destination.requestTarget = proxy.has_value() ? "http://" + Authority(destination) + path : path;
  CompleteHeaderText(headerText, url);
  const bool isGet = TextEquals(verb, "GET");
  if (!isGet && !TextEquals(postData, "")) {
    AppendPostLines(headerText, postData);
  }

  // Send and read. A host that is no host name, a port outside the 16-bit range and an empty proxy
  // cannot be reached: the send fails and nothing is read.
  const std::string verbText(verb.view());
  const RequestSetup setup{destination, proxy, verbText, isGet, postData, headers, proxyHeaders};
  const TransferLimits limits{.connectMilliseconds = timeoutMilliseconds,
                              .idleMilliseconds = timeoutMilliseconds};
  TransferOutcome outcome;
  const bool reachable = IsHostName(destination.host) && destination.port > 0 && destination.port <= 65535 &&
                         !(proxy.has_value() && proxy->empty());
  if (reachable && FillHeaderLists(headerText, setup, headers, proxyHeaders)) {
    outcome = Exchange(easy.get(), setup, limits);
  }

  if (rawHeaders != nullptr) {
    *rawHeaders = Text(std::move(outcome.rawHeaders));
  }
  return BytesToText(outcome.body);
}

}  // namespace internal

Text HttpRequest(const Text& url, Text* method, const std::optional<Text>& proxy, Text* extraHeaders,
                 const Text& postData, Text* rawHeaders) {
  return internal::HttpRequestWithTimeout(kHttpTimeoutMilliseconds, url, method, proxy, extraHeaders,
                                          postData, rawHeaders);
}

}  // namespace quorvane
