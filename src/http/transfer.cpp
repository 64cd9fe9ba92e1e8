#include "http/transfer.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "http/curl_handles.h"
#include "text/clock.h"
#include "text/hooks.h"

namespace quorvane::internal {
namespace {

// Collects what libcurl hands over: body bytes wait in `pending` until the read loop takes them in
// chunks, head lines go straight into the head of the response they belong to.
struct Sink {
  std::string pending;
  std::string head;
  std::size_t bytesSeen = 0;

  static std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* self) {
    auto* sink = static_cast<Sink*>(self);
    const std::size_t bytes = size * count;
    AppendOrReport(sink->pending, std::string_view(data, bytes));
    sink->bytesSeen += bytes;
    return bytes;
  }

  static std::size_t OnHeadLine(char* data, std::size_t size, std::size_t count, void* self) {
    auto* sink = static_cast<Sink*>(self);
    const std::size_t bytes = size * count;
    sink->bytesSeen += bytes;
    std::string_view line(data, bytes);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
      line.remove_suffix(1);
    }
    // A status line opens a new response: an interim 1xx answer or a followed redirect is replaced
    // by the one after it.
    if (line.starts_with("HTTP/")) {
      sink->head.clear();
    }
    if (!line.empty()) {
      AppendOrReport(sink->head, line);
      AppendOrReport(sink->head, "\r\n");
    }
    return bytes;
  }
};

// Detaches the easy handle from the multi handle on every way out.
class Attachment {
 public:
  Attachment(CURLM* multi, CURL* easy) : multi_(multi), easy_(easy) {
    attached_ = curl_multi_add_handle(multi, easy) == CURLM_OK;
  }
  Attachment(const Attachment&) = delete;
  Attachment& operator=(const Attachment&) = delete;
  ~Attachment() {
    if (attached_) {
      curl_multi_remove_handle(multi_, easy_);
    }
  }
  bool attached() const noexcept { return attached_; }

 private:
  CURLM* multi_;
  CURL* easy_;
  bool attached_ = false;
};

void TakePending(Sink& sink, Bytes& body, EventPolicy events) {
  const std::string_view pending = sink.pending;
  if (events == EventPolicy::kNone) {
    body.Append(pending);
  } else {
    for (std::size_t offset = 0; offset < pending.size(); offset += kReadChunkBytes) {
      ProcessPendingEvents();
      body.Append(pending.substr(offset, kReadChunkBytes));
    }
  }
  sink.pending.clear();
}

curl_off_t BytesSent(CURL* easy) {
  curl_off_t sent = 0;
  curl_easy_getinfo(easy, CURLINFO_SIZE_UPLOAD_T, &sent);
  return sent;
}

// How long to wait in one poll: short enough to dispatch events in time and to notice the idle
// limit, at most one second otherwise.
int PollMilliseconds(EventPolicy events, const TransferLimits& limits, std::int64_t idleSince) {
  std::int64_t wait = events == EventPolicy::kDispatchWhileReading ? kEventIntervalMilliseconds : 1000;
  if (limits.idleMilliseconds > 0) {
    wait = std::clamp<std::int64_t>(idleSince + limits.idleMilliseconds - MonotonicMilliseconds(), 1, wait);
  }
  return static_cast<int>(wait);
}

}  // namespace

TransferOutcome RunTransfer(CURL* easy, const TransferLimits& limits, EventPolicy events) {
  TransferOutcome outcome;
  Sink sink;
  bool ready =
      curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Sink::OnBody) == CURLE_OK &&
      curl_easy_setopt(easy, CURLOPT_WRITEDATA, &sink) == CURLE_OK &&
      curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Sink::OnHeadLine) == CURLE_OK &&
      curl_easy_setopt(easy, CURLOPT_HEADERDATA, &sink) == CURLE_OK &&
      curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectMilliseconds)) ==
          CURLE_OK &&
      curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.totalMilliseconds)) == CURLE_OK;
  // A transfer given up while the host name is still being resolved must not wait for the
  // resolver to finish when it is detached (which can take as long as the system's resolver takes).
  curl_easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
  MultiHandle multi(ready ? curl_multi_init() : nullptr);
  if (multi == nullptr) {
    return outcome;
  }
  const Attachment attachment(multi.get(), easy);
  if (!attachment.attached()) {
    return outcome;
  }

  std::int64_t idleSince = MonotonicMilliseconds();
  std::size_t bytesSeen = 0;
  curl_off_t bytesSent = 0;
  int running = 1;
  bool timedOut = false;
  while (true) {
    if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
      break;
    }
    TakePending(sink, outcome.body, events);
    if (events == EventPolicy::kDispatchWhileReading && ProgramIsClosing()) {
      break;  // The window went while its events were let through: nobody waits for the rest.
    }
    if (sink.bytesSeen != bytesSeen || BytesSent(easy) != bytesSent) {
      bytesSeen = sink.bytesSeen;
      bytesSent = BytesSent(easy);
      idleSince = MonotonicMilliseconds();
    }
    if (running == 0) {
      break;
    }
    if (limits.idleMilliseconds > 0 && MonotonicMilliseconds() - idleSince >= limits.idleMilliseconds) {
      timedOut = true;
      break;
    }
    if (events == EventPolicy::kDispatchWhileReading) {
      ProcessPendingEvents();
      if (ProgramIsClosing()) {
        break;
      }
    }
    if (curl_multi_poll(multi.get(), nullptr, 0, PollMilliseconds(events, limits, idleSince), nullptr) !=
        CURLM_OK) {
      break;
    }
  }

  int queued = 0;
  while (const CURLMsg* message = curl_multi_info_read(multi.get(), &queued)) {
    if (message->msg == CURLMSG_DONE && message->easy_handle == easy) {
      outcome.complete = !timedOut && message->data.result == CURLE_OK;
    }
  }
  outcome.rawHeaders = std::move(sink.head);
  if (!outcome.rawHeaders.empty()) {
    outcome.rawHeaders += "\r\n";
  }
  curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &outcome.status);
  const char* redirect = nullptr;
  if (curl_easy_getinfo(easy, CURLINFO_REDIRECT_URL, &redirect) == CURLE_OK && redirect != nullptr) {
    outcome.redirectUrl = redirect;
  }
  return outcome;
}

}  // namespace quorvane::internal
