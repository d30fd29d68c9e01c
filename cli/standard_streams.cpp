// standard_streams.cpp: the command line on the process's standard input, output and error.
// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <vector>

#include "cli.h"

namespace uslova::cli {
namespace {

/// Waits until `fd` can be read or written; for a descriptor that is set not to block.
void Wait(int fd, short events) {
  pollfd p{fd, events, 0};
  while (poll(&p, 1, -1) < 0 && errno == EINTR) {
  }
}

class FdInput : public Input {
 public:
  explicit FdInput(int fd) : fd_(fd) {}

  std::ptrdiff_t read(char* buffer, std::size_t size, std::string& error) override {
    for (;;) {
      const ssize_t n = ::read(fd_, buffer, size);
      if (n >= 0) return n;
      if (errno == EINTR) continue;
      if (errno == EAGAIN || errno == EWOULDBLOCK) {
        Wait(fd_, POLLIN);
        continue;
      }
      error = std::strerror(errno);
      return -1;
    }
  }

  bool ready() override {
    pollfd p{fd_, POLLIN, 0};
    return poll(&p, 1, 0) != 0;  // data, the end, an error, or a descriptor poll cannot judge
  }

 private:
  int fd_;
};

class FdOutput : public Output {
 public:
  explicit FdOutput(int fd) : fd_(fd) {}

  bool write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
        Wait(fd_, POLLOUT);
        continue;
      }
      if (n <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }

 private:
  int fd_;
};

bool SameFile(int a, int b) {
  struct stat sa, sb;
  return fstat(a, &sa) == 0 && fstat(b, &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

}  // namespace

int RunOnStandardStreams(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_DFL);  // a reader that goes away ends a batch quietly
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  FdInput in(STDIN_FILENO);
  FdOutput out(STDOUT_FILENO), err(STDERR_FILENO);
  const Streams streams{in, out, err, isatty(STDOUT_FILENO) == 1,
                        SameFile(STDOUT_FILENO, STDERR_FILENO)};
  return Run(args, streams);
}

}  // namespace uslova::cli
