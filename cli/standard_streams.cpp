// standard_streams.cpp: the command line on the process's standard input, output and error.
// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>
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

/// Standard output written by a thread of its own, so that the words of the next lines are
/// made while those before them are written: what is taken waits in one buffer of about
/// kHeld bytes while the thread writes the one before it, which bounds the memory.
class ThreadedOutput : public Output {
 public:
  explicit ThreadedOutput(int fd) : fd_(fd), thread_([this] { run(); }) {}
  ~ThreadedOutput() override {
    {
      const std::lock_guard lock(mutex_);
      closing_ = true;
    }
    work_.notify_one();
    thread_.join();
  }

  bool write(std::string_view bytes) override {
    std::unique_lock lock(mutex_);
    room_.wait(lock, [&] { return taken_.size() < kHeld || failed_; });
    if (failed_) return false;
    taken_.append(bytes);
    lock.unlock();
    work_.notify_one();
    return true;
  }

  bool drain() override {
    std::unique_lock lock(mutex_);
    room_.wait(lock, [&] { return (taken_.empty() && !writing_) || failed_; });
    return !failed_;
  }

 private:
  static constexpr std::size_t kHeld = 1 << 20;

  void run() {
    std::string out;
    std::unique_lock lock(mutex_);
    for (;;) {
      work_.wait(lock, [&] { return !taken_.empty() || closing_; });
      if (taken_.empty()) return;  // closing, with everything written
      std::swap(out, taken_);
      writing_ = true;
      lock.unlock();
      room_.notify_all();
      const bool ok = fd_.write(out);
      out.clear();
      lock.lock();
      writing_ = false;
      failed_ = failed_ || !ok;
      if (failed_) taken_.clear();
      room_.notify_all();
    }
  }

  FdOutput fd_;
  std::mutex mutex_;
  std::condition_variable work_, room_;  // bytes to write, or closing; room, or all written
  std::string taken_;                    // what the thread writes next
  bool writing_ = false, failed_ = false, closing_ = false;
  std::thread thread_;  // last: it starts once the rest is made
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
  FdOutput direct(STDOUT_FILENO), err(STDERR_FILENO);
  const bool terminal = isatty(STDOUT_FILENO) == 1;
  // A pipe or a socket is written from a thread of its own, as its reader takes the bytes, and
  // a pipe holds 1 MiB where the system allows it: fewer turns between us and the reader. A
  // terminal gets each line at once, and a file takes its bytes as fast as they are written.
  struct stat output;
  std::optional<ThreadedOutput> threaded;
  if (!terminal && fstat(STDOUT_FILENO, &output) == 0 &&
      (S_ISFIFO(output.st_mode) || S_ISSOCK(output.st_mode))) {
    fcntl(STDOUT_FILENO, F_SETPIPE_SZ, 1 << 20);
    threaded.emplace(STDOUT_FILENO);
  }
  Output& out = threaded ? static_cast<Output&>(*threaded) : direct;
  const Streams streams{in, out, err, terminal, SameFile(STDOUT_FILENO, STDERR_FILENO)};
  return Run(args, streams);
}

}  // namespace uslova::cli
