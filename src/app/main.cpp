#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

#include "app/main_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("plant");
  QApplication::setApplicationVersion(PLANT_VERSION);
  QGuiApplication::setDesktopFileName("plant");

  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Draws a plant dot by dot. Press СТАРТ and say how many crowns to grow.\n\n"
      "Exit status: 0 when the window was closed, 2 on bad usage.");
  parser.addHelpOption();
  parser.addVersionOption();
  QCommandLineOption clockOption("clock", "Freeze the clock at SECONDS since midnight, for reproducible pictures.", "SECONDS");
  parser.addOption(clockOption);
  parser.process(application);

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
  return application.exec();
}
