// A small HTTP server on 127.0.0.1 for tests, benchmarks and the offline demo.
//
// It listens on a free port (or a given one), serves each connection on its own thread and answers
// every request with the scripted response routed to its exact request target, or with the default
// response. It records every request exactly as received, head and body, so tests can compare the
// bytes a client sent. Responses can misbehave on purpose: trickle the body, stall before the head
// or in the middle of the body, close early. Each answer carries "Connection: close"; HTTP/1.0 and
// HTTP/1.1 clients are both served. Absolute-form targets ("http://host/path") are routed like any
// other, so the server can also stand in for an HTTP proxy.
//
// All members are safe to call from any thread. The destructor ends every connection, also stalled
// ones, and joins every thread.
#ifndef QUORVANE_TOOLS_LOOPBACK_SERVER_H_
#define QUORVANE_TOOLS_LOOPBACK_SERVER_H_

#include <atomic>
#include <cstddef>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace quorvane::tools {

// One scripted answer and how it is delivered.
struct Response {
  std::string statusLine = "HTTP/1.1 200 OK";
  // Header lines without their line ends; "Content-Length" and "Connection: close" are added.
  std::vector<std::string> headers;
  std::string body;
  // False leaves out the Content-Length line: the end of the connection ends the body.
  bool contentLength = true;
  // When set, sent instead of the head built from the fields above (status line, header lines and
  // the empty line, bytes exactly as given).
  std::optional<std::string> head;

  // The body goes in pieces of this many bytes (0: in one go), each after a pause of
  // `pieceDelayMilliseconds`.
  std::size_t pieceBytes = 0;
  int pieceDelayMilliseconds = 0;
  // Sends nothing at all, and keeps the connection open until the client or the server ends it.
  bool stallBeforeHead = false;
  // Sends the head and this many body bytes, then nothing more until the client or the server ends
  // the connection.
  std::optional<std::size_t> stallAfter;
  // Sends the head and this many body bytes, then closes the connection.
  std::optional<std::size_t> closeAfter;
};

// A "200 OK" answer with `body`.
Response Ok(std::string body);

// An answer with `statusLine` (such as "HTTP/1.1 404 Not Found") and `body`.
Response WithStatus(std::string statusLine, std::string body);

// A redirect to `location` with `status` (301, 302, 303, 307 or 308) and a short body.
Response Redirect(int status, std::string location);

class LoopbackServer {
 public:
  // Listens on 127.0.0.1 at `port`, 0 for a free one. Throws std::runtime_error when it cannot.
  explicit LoopbackServer(int port = 0);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int port() const noexcept { return port_; }
  // "127.0.0.1:<port>", as a proxy setting names the server.
  std::string HostAndPort() const;
  // "http://127.0.0.1:<port>" followed by `target`, which should begin with "/".
  std::string Url(std::string_view target) const;

  // Answers requests whose target is exactly `target` with `response`, from now on.
  void Route(std::string target, Response response);
  // Answers every request without a route with `response`; at first "404 Not Found".
  void SetDefault(Response response);

  // Every request received so far, in the order they were read, bytes exactly as received.
  std::vector<std::string> Requests() const;
  std::size_t RequestCount() const;
  // Forgets the requests recorded so far.
  void ClearRequests();
  // Waits until every connection has been answered and closed, at most `timeoutMilliseconds`;
  // false when connections are still open then.
  bool WaitUntilIdle(int timeoutMilliseconds) const;

 private:
  struct Connection {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> finished;
  };

  void Listen();
  void Serve(int socket);
  std::shared_ptr<const Response> ResponseFor(const std::string& target) const;

  int listener_ = -1;
  int stop_ = -1;  // an eventfd that becomes readable when the server stops
  int port_ = 0;
  std::atomic<int> openConnections_{0};

  mutable std::mutex mutex_;
  std::map<std::string, std::shared_ptr<const Response>> routes_;
  std::shared_ptr<const Response> default_;
  std::vector<std::string> requests_;

  std::list<Connection> connections_;  // touched by the listening thread, then by the destructor
  std::thread listening_;
};

}  // namespace quorvane::tools

#endif  // QUORVANE_TOOLS_LOOPBACK_SERVER_H_
