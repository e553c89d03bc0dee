#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstring>
#include <memory>

#include "app/main_window.h"

namespace {

// --help and --version need no display, so they are answered before the GUI is brought up.
bool AsksOnlyForText(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"}) {
      if (std::strcmp(argv[i], option) == 0) return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::unique_ptr<QCoreApplication> application;
  if (AsksOnlyForText(argc, argv)) {
    application = std::make_unique<QCoreApplication>(argc, argv);
  } else {
    application = std::make_unique<QApplication>(argc, argv);
  }
  QCoreApplication::setApplicationName("plant");
  QCoreApplication::setApplicationVersion(PLANT_VERSION);
  QGuiApplication::setDesktopFileName("plant");

  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Draws a plant dot by dot. Press СТАРТ and say how many crowns to grow.\n\n"
      "Exit status: 0 when the window was closed, 2 on bad usage (for example a --clock that is not\n"
      "seconds since midnight).");
  parser.addHelpOption();
  parser.addVersionOption();
  QCommandLineOption clockOption("clock", "Freeze the clock at SECONDS since midnight, for reproducible pictures.", "SECONDS");
  parser.addOption(clockOption);
  parser.process(*application);

  Form1::Options options;
  if (parser.isSet(clockOption)) {
    bool ok = false;
    const float seconds = parser.value(clockOption).toFloat(&ok);
    if (!ok || seconds < 0 || seconds >= 86400) {
      std::fprintf(stderr, "plant: --clock takes seconds since midnight, from 0 to 86400\n");
      return 2;
    }
    options.frozenClock = seconds;
  }

  Form1 window(options);
  window.showMaximized();
  return application->exec();
}
