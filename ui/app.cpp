// app.cpp: the window program's start: its options, the display check and the event loop.
// SPDX-License-Identifier: MIT
#include "app.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "form1.h"
#include "uslova/version.h"

namespace uslova {
namespace {

constexpr const char* kHelp =
    "Usage: uslova [--help] [--version]\n"
    "Opens the uslova window: type a number, press \"U slova\", and the label shows it in\n"
    "Serbian words. Double-click the window to empty the label. Needs a graphical display;\n"
    "for scripts and batches use uslova-cli.\n";

bool HasEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

/// While the application starts, a platform that cannot open (no display, a display that does
/// not answer) is reported in one plain line and ends the program with status 1, not an abort.
QtMessageHandler previousHandler = nullptr;

void ReportStartFailure(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (previousHandler != nullptr) previousHandler(type, context, message);
    return;
  }
  std::fprintf(stderr, "uslova: cannot open the window: %s\n",
               qPrintable(message.section(QLatin1Char('\n'), 0, 0)));
  std::fflush(stderr);
  std::_Exit(1);
}

/// Writes `text` to standard output; says so when it cannot be written.
int Print(const char* text) {
  if (std::fputs(text, stdout) >= 0 && std::fflush(stdout) == 0) return 0;
  std::fputs("uslova: the output could not be written\n", stderr);
  return 1;
}

}  // namespace

int RunApp(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      return Print((std::string("uslova ") + std::string(kVersion) + "\n").c_str());
    }
    if (std::strcmp(argv[i], "--help") == 0) return Print(kHelp);
  }
  if (!HasEnv("QT_QPA_PLATFORM") && !HasEnv("DISPLAY") && !HasEnv("WAYLAND_DISPLAY")) {
    std::fputs(
        "uslova: no display found: the window needs a graphical session "
        "(DISPLAY or WAYLAND_DISPLAY); for the command line use uslova-cli\n",
        stderr);
    return 1;
  }
  previousHandler = qInstallMessageHandler(ReportStartFailure);
  QApplication app(argc, argv);
  // The desktop entry's id: so that task bars tie the window to its launcher.
  QGuiApplication::setDesktopFileName(QStringLiteral("rs.uslova.Uslova"));
  qInstallMessageHandler(previousHandler);

  Form1 window;
  window.show();
  return app.exec();
}

}  // namespace uslova
