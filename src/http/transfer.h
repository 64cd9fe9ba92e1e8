// Runs one prepared libcurl transfer to its end under time limits, collecting the body and the
// head of the last response.
//
// Internal to the HTTP client. The request routine reads the body in chunks of at most
// `kReadChunkBytes` and lets the window's waiting events through before each chunk and at least
// every `kEventIntervalMilliseconds` while it waits, and gives up at once, with what it has, when
// those events closed the program's window (`ProgramIsClosing`); the whole-page fetch lets no events
// through.
#ifndef QUORVANE_HTTP_TRANSFER_H_
#define QUORVANE_HTTP_TRANSFER_H_

#include <cstddef>
#include <string>

#include <curl/curl.h>

#include "text/text.h"

namespace quorvane::internal {

inline constexpr std::size_t kReadChunkBytes = 512;
inline constexpr int kEventIntervalMilliseconds = 50;

// Time limits of one transfer in milliseconds; 0 sets no idle or total limit.
struct TransferLimits {
  // To resolve the host and open the connection; 0 leaves libcurl's default of 300 seconds.
  int connectMilliseconds = 0;
  // The longest wait during which no byte is sent or received.
  int idleMilliseconds = 0;
  // The whole transfer, from the first step to the last byte.
  int totalMilliseconds = 0;
};

enum class EventPolicy { kDispatchWhileReading, kNone };

struct TransferOutcome {
  // The body bytes received, whole or up to the failure.
  Bytes body;
  // The status line and header lines of the last response, each ending in CR LF, then one empty
  // line; empty when no response head arrived.
  std::string rawHeaders;
  // True when the transfer ran to its end without an error or a time-out.
  bool complete = false;
  // The status code of the last response; 0 when none arrived.
  long status = 0;
  // Where a redirecting answer points, as an absolute address; empty otherwise.
  std::string redirectUrl;
};

// Performs `easy`, which the caller has set up with its address and request, and returns what came
// back. The callbacks for body and head and the limits are set on `easy` here. Never fails: a
// transfer that cannot start gives an empty, incomplete outcome.
TransferOutcome RunTransfer(CURL* easy, const TransferLimits& limits, EventPolicy events);

}  // namespace quorvane::internal

#endif  // QUORVANE_HTTP_TRANSFER_H_
