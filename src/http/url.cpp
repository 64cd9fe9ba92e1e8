#include "http/url.h"

#include "text/ascii.h"
#include "text/number_primitives.h"
#include "text/text_primitives.h"

namespace quorvane {
namespace {

constexpr int kSchemeLength = 7;

// The address without its "http://" scheme and without everything from the first "/" after the
// host: the host, an optional ":" and port, and for unusual addresses whatever else stands there.
Text HostPart(const Text& url) {
  if (StartsWithIgnoringAsciiCase(url.view(), "http://")) {
    const int slash = FindText(url, "/", kSchemeLength + 1, true);
    if (slash != -1) {
      return TextMid(url, kSchemeLength + 1, slash - (kSchemeLength + 1));
    }
    return ReplaceAt(url, 1, kSchemeLength);
  }
  const int slash = FindText(url, "/", 1, true);
  if (slash != -1) {
    return TextLeft(url, slash - 1);
  }
  return url;
}

}  // namespace

Text UrlHost(const Text& url) {
  Text host = HostPart(url);
  const int colon = FindText(host, ":", 1, true);
  if (colon != -1) {
    host = TextLeft(host, colon - 1);
  }
  return ToLower(host);
}

int UrlPort(const Text& url) {
  const Text host = HostPart(url);
  const int colon = FindText(host, ":", 1, true);
  const Text portText = colon == -1 ? Text("80") : TextRight(host, TextLength(host) - colon);
  return TruncateToInteger(ToNumber(portText));
}

Text UrlPath(const Text& url) {
  const Text host = UrlHost(url);
  const int hostAt = FindText(url, host, 1, true);
  const int slash = FindText(url, "/", hostAt, true);
  if (slash == -1) {
    return "/";
  }
  return TextRight(url, TextLength(url) - slash + 1);
}

}  // namespace quorvane
