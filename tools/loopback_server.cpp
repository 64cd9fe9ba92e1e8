#include "loopback_server.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <utility>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quorvane::tools {
namespace {

constexpr std::size_t kLargestRequest = 16 * 1024 * 1024;

// Waits until `socket` shows `events` or the server stops; false when it stops or on error.
bool WaitFor(int socket, short events, int stop) {
  pollfd watched[2] = {{socket, events, 0}, {stop, POLLIN, 0}};
  while (true) {
    const int ready = poll(watched, 2, -1);
    if (ready < 0 && errno == EINTR) {
      continue;
    }
    return ready > 0 && watched[1].revents == 0;
  }
}

// Sleeps `milliseconds`; false when the server stops meanwhile.
bool Pause(int milliseconds, int stop) {
  pollfd watched = {stop, POLLIN, 0};
  return poll(&watched, 1, milliseconds) == 0;
}

bool SendAll(int socket, std::string_view bytes, int stop) {
  while (!bytes.empty()) {
    if (!WaitFor(socket, POLLOUT, stop)) {
      return false;
    }
    const ssize_t sent = send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0) {
      if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
        continue;
      }
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

// Keeps the connection open until the client closes it or the server stops.
void HoldOpen(int socket, int stop) {
  char discard[4096];
  while (WaitFor(socket, POLLIN | POLLRDHUP, stop)) {
    const ssize_t received = recv(socket, discard, sizeof discard, MSG_DONTWAIT);
    if (received == 0 || (received < 0 && errno != EAGAIN && errno != EINTR)) {
      return;
    }
  }
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

// The declared body length of a request head; 0 without a Content-Length line.
std::size_t DeclaredLength(std::string_view head) {
  std::size_t lineStart = 0;
  while (lineStart < head.size()) {
    std::size_t lineEnd = head.find('\n', lineStart);
    if (lineEnd == std::string_view::npos) {
      lineEnd = head.size();
    }
    const std::string_view line = head.substr(lineStart, lineEnd - lineStart);
    if (StartsWithIgnoringCase(line, "Content-Length:")) {
      return std::strtoull(std::string(line.substr(15)).c_str(), nullptr, 10);
    }
    lineStart = lineEnd + 1;
  }
  return 0;
}

// Reads one request, head and declared body; what arrived when the client stops sending early.
std::string ReadRequest(int socket, int stop) {
  std::string request;
  std::size_t complete = std::string::npos;
  char buffer[16384];
  while (request.size() < complete && request.size() < kLargestRequest) {
    if (!WaitFor(socket, POLLIN, stop)) {
      break;
    }
    const ssize_t received = recv(socket, buffer, sizeof buffer, MSG_DONTWAIT);
    if (received < 0 && (errno == EAGAIN || errno == EINTR)) {
      continue;
    }
    if (received <= 0) {
      break;
    }
    request.append(buffer, static_cast<std::size_t>(received));
    if (complete == std::string::npos) {
      std::size_t headEnd = request.find("\r\n\r\n");
      std::size_t separator = 4;
      if (headEnd == std::string::npos) {
        headEnd = request.find("\n\n");
        separator = 2;
      }
      if (headEnd != std::string::npos) {
        complete = headEnd + separator + DeclaredLength(std::string_view(request).substr(0, headEnd));
      }
    }
  }
  return request;
}

// The second word of the request line.
std::string TargetOf(std::string_view request) {
  const std::string_view line = request.substr(0, request.find_first_of("\r\n"));
  const std::size_t first = line.find(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  const std::size_t second = line.find(' ', first + 1);
  return std::string(
      line.substr(first + 1, second == std::string_view::npos ? line.npos : second - first - 1));
}

std::string HeadOf(const Response& response) {
  if (response.head.has_value()) {
    return *response.head;
  }
  std::string head = response.statusLine + "\r\n";
  for (const std::string& line : response.headers) {
    head += line + "\r\n";
  }
  if (response.contentLength) {
    head += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
  }
  head += "Connection: close\r\n\r\n";
  return head;
}

void Deliver(int socket, const Response& response, int stop) {
  if (response.stallBeforeHead) {
    HoldOpen(socket, stop);
    return;
  }
  if (!SendAll(socket, HeadOf(response), stop)) {
    return;
  }
  std::string_view body = response.body;
  if (response.stallAfter.has_value()) {
    body = body.substr(0, *response.stallAfter);
  } else if (response.closeAfter.has_value()) {
    body = body.substr(0, *response.closeAfter);
  }
  const std::size_t piece =
      response.pieceBytes == 0 ? std::max<std::size_t>(body.size(), 1) : response.pieceBytes;
  for (std::size_t offset = 0; offset < body.size(); offset += piece) {
    if (response.pieceDelayMilliseconds > 0 && !Pause(response.pieceDelayMilliseconds, stop)) {
      return;
    }
    if (!SendAll(socket, body.substr(offset, piece), stop)) {
      return;
    }
  }
  if (response.stallAfter.has_value()) {
    HoldOpen(socket, stop);
  }
}

}  // namespace

Response Ok(std::string body) {
  return WithStatus("HTTP/1.1 200 OK", std::move(body));
}

Response WithStatus(std::string statusLine, std::string body) {
  Response response;
  response.statusLine = std::move(statusLine);
  response.body = std::move(body);
  return response;
}

Response Redirect(int status, std::string location) {
  Response response;
  response.statusLine = "HTTP/1.1 " + std::to_string(status) + " Redirect";
  response.headers.push_back("Location: " + location);
  response.body = "moved to " + location;
  return response;
}

LoopbackServer::LoopbackServer(int port) {
  default_ = std::make_shared<const Response>(WithStatus("HTTP/1.1 404 Not Found", "not found"));

  stop_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const int reuse = 1;
  socklen_t length = sizeof address;
  if (stop_ < 0 || listener_ < 0 ||
      setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse) != 0 ||
      bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener_, 128) != 0 ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    const std::string reason = std::strerror(errno);
    if (listener_ >= 0) {
      close(listener_);
    }
    if (stop_ >= 0) {
      close(stop_);
    }
    throw std::runtime_error("loopback server cannot listen on 127.0.0.1:" + std::to_string(port) + ": " +
                             reason);
  }
  port_ = ntohs(address.sin_port);
  listening_ = std::thread([this] { Listen(); });
}

LoopbackServer::~LoopbackServer() {
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = write(stop_, &one, sizeof one);
  listening_.join();
  for (Connection& connection : connections_) {
    connection.thread.join();
  }
  close(listener_);
  close(stop_);
}

std::string LoopbackServer::HostAndPort() const {
  return "127.0.0.1:" + std::to_string(port_);
}

std::string LoopbackServer::Url(std::string_view target) const {
  return "http://" + HostAndPort() + std::string(target);
}

void LoopbackServer::Route(std::string target, Response response) {
  auto shared = std::make_shared<const Response>(std::move(response));
  const std::lock_guard lock(mutex_);
  routes_[std::move(target)] = std::move(shared);
}

void LoopbackServer::SetDefault(Response response) {
  auto shared = std::make_shared<const Response>(std::move(response));
  const std::lock_guard lock(mutex_);
  default_ = std::move(shared);
}

std::vector<std::string> LoopbackServer::Requests() const {
  const std::lock_guard lock(mutex_);
  return requests_;
}

std::size_t LoopbackServer::RequestCount() const {
  const std::lock_guard lock(mutex_);
  return requests_.size();
}

void LoopbackServer::ClearRequests() {
  const std::lock_guard lock(mutex_);
  requests_.clear();
  requests_.shrink_to_fit();
}

bool LoopbackServer::WaitUntilIdle(int timeoutMilliseconds) const {
  for (int waited = 0; openConnections_.load() != 0; waited += 5) {
    if (waited >= timeoutMilliseconds) {
      return false;
    }
    Pause(5, stop_);
  }
  return true;
}

std::shared_ptr<const Response> LoopbackServer::ResponseFor(const std::string& target) const {
  const std::lock_guard lock(mutex_);
  const auto route = routes_.find(target);
  return route == routes_.end() ? default_ : route->second;
}

void LoopbackServer::Listen() {
  while (WaitFor(listener_, POLLIN, stop_)) {
    const int socket = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (socket < 0) {
      continue;
    }
    connections_.remove_if([](Connection& connection) {
      if (!connection.finished->load()) {
        return false;
      }
      connection.thread.join();
      return true;
    });
    auto finished = std::make_shared<std::atomic<bool>>(false);
    ++openConnections_;
    connections_.push_back({std::thread([this, socket, finished] {
                              Serve(socket);
                              --openConnections_;
                              finished->store(true);
                            }),
                            finished});
  }
}

void LoopbackServer::Serve(int socket) {
  std::string request = ReadRequest(socket, stop_);
  if (!request.empty()) {
    const std::shared_ptr<const Response> response = ResponseFor(TargetOf(request));
    {
      const std::lock_guard lock(mutex_);
      requests_.push_back(std::move(request));
    }
    Deliver(socket, *response, stop_);
  }
  shutdown(socket, SHUT_WR);
  close(socket);
}

}  // namespace quorvane::tools
