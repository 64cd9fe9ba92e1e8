// Cutting a plain HTTP address into the host, the port and the object path that a request needs.
//
// These are not a URL parser: each routine is a fixed sequence of searches and cuts, made for
// addresses of the form "http://" host [":" port] [path]. The scheme is recognised in any letter
// case; an address with any other scheme, or none, is read as if it began with the host. Odd
// addresses give odd but defined results (the scheme of an https address reads as its host, a user
// name as the host, a host found inside the scheme as the start of the path). None of the three
// fails or changes the address.
//
// Example:
//   address                                UrlHost       UrlPort   UrlPath
//   "HTTP://Server1:8080/Path/A.m3u8?x=1"  "server1"     8080      "/Path/A.m3u8?x=1"
//   "http://server1"                       "server1"     80        "/"
//   "server1:81/a"                         "server1"     81        "/a"
//   "https://server1/a"                    "https"       0         "//server1/a"
//   "http://server1?x=1"                   "server1?x=1" 80        "/"
#ifndef QUORVANE_HTTP_URL_H_
#define QUORVANE_HTTP_URL_H_

#include "text/text.h"

namespace quorvane {

// The host name in lower case (ASCII letters only): the text between the scheme and the first "/",
// cut before its first ":". May be empty; the empty address gives the empty text.
Text UrlHost(const Text& url);

// The number with which the text after the first ":" of the host part begins; 80 when the host part
// has no ":", 0 when the port text is empty or does not begin with a number. Leading zeros read as
// decimal; no range is enforced.
int UrlPort(const Text& url);

// The address from the first "/" at or after the first occurrence of the host (letter case ignored)
// to its end, in its own letter case; "/" when there is no such "/". A host that also occurs inside
// the scheme ("tp" in "http://tp/x") is found there, and the path then begins with "//".
Text UrlPath(const Text& url);

}  // namespace quorvane

#endif  // QUORVANE_HTTP_URL_H_
