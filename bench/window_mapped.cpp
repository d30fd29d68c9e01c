// window_mapped.cpp: starts the window program and reports the milliseconds until its window
// titled "Form1" is mapped on the X display, and the program's peak resident memory.
// Usage: window_mapped PROGRAM
// SPDX-License-Identifier: MIT
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>

namespace {

bool IsForm1(xcb_connection_t* x, xcb_window_t window) {
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 64);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(x, cookie, nullptr);
  if (reply == nullptr) return false;
  const std::string_view name(static_cast<const char*>(xcb_get_property_value(reply)),
                              static_cast<std::size_t>(xcb_get_property_value_length(reply)));
  std::free(reply);
  return name == "Form1";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_mapped PROGRAM\n");
    return 2;
  }
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "window_mapped: no X display\n");
    return 1;
  }
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execl(argv[1], argv[1], static_cast<char*>(nullptr));
    _exit(127);
  }
  double milliseconds = -1;
  while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
    const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
    const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
    std::free(event);
    if (mapped && IsForm1(x, window)) {
      milliseconds =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count();
      break;
    }
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // let it paint, then close it
  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  xcb_disconnect(x);
  std::printf("%.1f %ld\n", milliseconds, usage.ru_maxrss);  // ms to mapped, peak RSS in KiB
  return milliseconds < 0 ? 1 : 0;
}
