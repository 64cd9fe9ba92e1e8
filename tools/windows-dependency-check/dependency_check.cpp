// dependency_check URL
//
// Fetches URL with libcurl and prints, one per line, every text between "http://" and "#EXT"
// (case-insensitive) in the page, without the line break that ends it, as PCRE2's 16-bit JIT
// finds it in the page's UTF-16 form. Before that it prints how the libraries were built:
// "tls: <backend>", "protocols: <list>", "libraries: <list>|none" and "jit: yes|no".
// Exits 0 when the page was fetched with status 200 and the pattern compiled with JIT;
// otherwise prints the reason to stderr and exits 1.
//
// Example (the page holds "http://a/1.ts\n#EXTINF:\nhttp://a/2.ts\n#EXT-X-ENDLIST"):
//   dependency_check http://127.0.0.1:8000/list.m3u8
//   -> "tls: Schannel", "protocols: http https", "libraries: none", "jit: yes", "a/1.ts", "a/2.ts"
#define PCRE2_CODE_UNIT_WIDTH 16
#include <cstdio>
#include <memory>
#include <string>

#include <curl/curl.h>
#include <pcre2.h>

namespace {

struct EasyHandleCleanup {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct CodeCleanup {
  void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct MatchDataCleanup {
  void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};

size_t AppendToString(char* data, size_t size, size_t count, void* body) {
  static_cast<std::string*>(body)->append(data, size * count);
  return size * count;
}

bool Fail(const char* what) {
  std::fprintf(stderr, "dependency_check: %s\n", what);
  return false;
}

bool Fetch(const char* url, std::string& body) {
  std::unique_ptr<CURL, EasyHandleCleanup> handle(curl_easy_init());
  if (!handle)
    return Fail("curl_easy_init failed");
  curl_easy_setopt(handle.get(), CURLOPT_URL, url);
  curl_easy_setopt(handle.get(), CURLOPT_NOPROXY, "*");
  curl_easy_setopt(handle.get(), CURLOPT_CONNECTTIMEOUT, 10L);
  curl_easy_setopt(handle.get(), CURLOPT_TIMEOUT, 30L);
  curl_easy_setopt(handle.get(), CURLOPT_WRITEFUNCTION, AppendToString);
  curl_easy_setopt(handle.get(), CURLOPT_WRITEDATA, &body);
  CURLcode result = curl_easy_perform(handle.get());
  if (result != CURLE_OK)
    return Fail(curl_easy_strerror(result));
  long status = 0;
  curl_easy_getinfo(handle.get(), CURLINFO_RESPONSE_CODE, &status);
  if (status != 200)
    return Fail("the page did not answer with status 200");
  return true;
}

void PrintBuild() {
  const curl_version_info_data* info = curl_version_info(CURLVERSION_NOW);
  std::printf("tls: %s\nprotocols:", info->ssl_version ? info->ssl_version : "none");
  for (const char* const* protocol = info->protocols; *protocol; ++protocol) {
    std::printf(" %s", *protocol);
  }
  // Compression, IDN, SSH and HTTP/2 libraries: none may be built in.
  std::printf("\nlibraries:");
  const char* const libraries[] = {info->libz_version, info->brotli_version, info->zstd_version,
                                   info->libidn,       info->libssh_version, info->nghttp2_version};
  bool any_library = false;
  for (const char* library : libraries) {
    if (library) {
      std::printf(" %s", library);
      any_library = true;
    }
  }
  if (!any_library)
    std::printf(" none");
  uint32_t jit = 0;
  pcre2_config(PCRE2_CONFIG_JIT, &jit);
  std::printf("\njit: %s\n", jit ? "yes" : "no");
}

// The page's bytes widened to UTF-16 code units; the check pages are ASCII.
std::u16string Widen(const std::string& bytes) {
  std::u16string wide;
  wide.reserve(bytes.size());
  for (unsigned char byte : bytes)
    wide.push_back(byte);
  return wide;
}

bool PrintMatches(const std::u16string& subject) {
  const std::u16string pattern = u"http://([\\s\\S]*?)#EXT";
  int error = 0;
  PCRE2_SIZE error_offset = 0;
  std::unique_ptr<pcre2_code, CodeCleanup> code(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()),
                                                              pattern.size(), PCRE2_CASELESS, &error,
                                                              &error_offset, nullptr));
  if (!code)
    return Fail("the pattern did not compile");
  if (pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE) != 0)
    return Fail("no JIT for the pattern");
  std::unique_ptr<pcre2_match_data, MatchDataCleanup> match(
      pcre2_match_data_create_from_pattern(code.get(), nullptr));
  if (!match)
    return Fail("no memory for the match data");
  PCRE2_SIZE start = 0;
  while (start <= subject.size()) {
    int found = pcre2_match(code.get(), reinterpret_cast<PCRE2_SPTR>(subject.data()), subject.size(), start,
                            0, match.get(), nullptr);
    if (found == PCRE2_ERROR_NOMATCH)
      break;
    if (found < 0)
      return Fail("the match failed");
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(match.get());
    PCRE2_SIZE end = ovector[3];
    while (end > ovector[2] && (subject[end - 1] == u'\n' || subject[end - 1] == u'\r'))
      --end;
    for (PCRE2_SIZE unit = ovector[2]; unit < end; ++unit) {
      std::putchar(static_cast<char>(subject[unit]));
    }
    std::putchar('\n');
    start = ovector[1] > ovector[0] ? ovector[1] : ovector[0] + 1;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dependency_check URL\n");
    return 2;
  }
  if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
    return 1;
  PrintBuild();
  std::string body;
  bool passed = Fetch(argv[1], body) && PrintMatches(Widen(body));
  curl_global_cleanup();
  return passed ? 0 : 1;
}
