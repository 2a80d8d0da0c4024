// Watches the X server's root window for startup notification messages, the ones
// a launcher's busy cursor waits for, and prints each whole message on a line of its
// own. Prints "watching" once it listens, and ends with exit code 0 after the first
// "remove:" message, or with 1 when SECONDS pass without one.
// Usage: glimmerix_startup_watch SECONDS
#include <X11/Xlib.h>
#include <poll.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>

namespace {

// Waits up to `timeout` for an event from the server.
bool WaitForEvent(Display* display, std::chrono::milliseconds timeout) {
  if (XPending(display) > 0) return true;
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  return poll(&connection, 1, static_cast<int>(timeout.count())) > 0 && XPending(display) > 0;
}

}  // namespace

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  if (argc != 2 || display == nullptr) {
    std::cerr << "usage: glimmerix_startup_watch SECONDS (with DISPLAY set)\n";
    return 2;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[1]));
  const Atom first = XInternAtom(display, "_NET_STARTUP_INFO_BEGIN", False);
  const Atom next = XInternAtom(display, "_NET_STARTUP_INFO", False);
  XSelectInput(display, DefaultRootWindow(display), PropertyChangeMask);
  XSync(display, False);
  std::cout << "watching" << std::endl;

  // A message comes in pieces of 20 bytes, told apart by the sender's window; its
  // end is the first zero byte.
  std::map<Window, std::string> pending;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !WaitForEvent(display, left)) return 1;
    XEvent event;
    XNextEvent(display, &event);
    const XClientMessageEvent& piece = event.xclient;
    if (event.type != ClientMessage || (piece.message_type != first && piece.message_type != next))
      continue;
    std::string& text = pending[piece.window];
    if (piece.message_type == first) text.clear();
    const std::string bytes(piece.data.b, sizeof piece.data.b);
    text += bytes.substr(0, bytes.find('\0'));
    if (bytes.find('\0') == std::string::npos) continue;
    std::cout << text << std::endl;
    if (text.starts_with("remove:")) return 0;
    pending.erase(piece.window);
  }
}
