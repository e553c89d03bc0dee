#include "render/render_options.h"

#include <QCommandLineParser>

namespace plant {
namespace {

// The canvas is held in memory whole: at most 32767 device pixels a side and 2^28 pixels (1 GiB).
constexpr long long kMostPixelsASide = 32767;
constexpr long long kMostPixels = 1LL << 28;

RenderExit Usage(const QString& message) {
  return {kExitUsage, "plant-render: " + message + "\nTry 'plant-render --help'.\n"};
}

bool ParseSize(const QString& text, int& width, int& height) {
  const QStringList parts = text.split('x');
  if (parts.size() != 2) return false;
  bool widthOk = false, heightOk = false;
  width = parts[0].toInt(&widthOk);
  height = parts[1].toInt(&heightOk);
  return widthOk && heightOk && width >= 1 && height >= 1;
}

}  // namespace

std::variant<RenderOptions, RenderExit> ParseRenderOptions(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Draws the plant exactly as one press of the window's start button does, without a window.\n\n"
      "Exit status: 0 when it drew, or there was nothing to draw; 1 when the drawing failed;\n"
      "2 on bad usage or an answer that is not a number. SIGINT or SIGTERM stops the drawing,\n"
      "removes its scratch files and ends the process by that signal.");
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption answer("answer", "The answer to the dialog: how many crowns (default 1).", "TEXT", "1");
  const QCommandLineOption clock("clock", "Freeze the clock at SECONDS since midnight.", "SECONDS");
  const QCommandLineOption size("size", "Canvas size in logical pixels of 15 twips (default 1024x768).", "WxH", "1024x768");
  const QCommandLineOption scale("scale", "Draw N device pixels to a logical pixel, pen widths likewise (1 to 8, default 1).", "N", "1");
  const QCommandLineOption output("output", "Write the picture to FILE as PNG.", "FILE");
  const QCommandLineOption trace("trace", "Write every dot to FILE as 12-byte records.", "FILE");
  const QCommandLineOption digest("digest", "Print the SHA-256 of the trace.");
  const QCommandLineOption scratch("scratch-dir", "Keep the scratch files in DIR instead of a private directory.", "DIR");
  parser.addOptions({answer, clock, size, scale, output, trace, digest, scratch});

  if (!parser.parse(arguments)) return Usage(parser.errorText());
  if (parser.isSet("help")) return RenderExit{kExitDrawn, parser.helpText()};
  if (parser.isSet("version")) return RenderExit{kExitDrawn, QString("plant-render %1\n").arg(PLANT_VERSION)};
  if (!parser.positionalArguments().isEmpty()) return Usage("unexpected argument " + parser.positionalArguments().first());

  RenderOptions options;
  options.answer = parser.value(answer).toStdString();
  if (!ParseSize(parser.value(size), options.width, options.height)) return Usage("--size takes WIDTHxHEIGHT in pixels");
  bool ok = false;
  options.scale = parser.value(scale).toInt(&ok);
  if (!ok || options.scale < 1 || options.scale > 8) return Usage("--scale takes a whole number from 1 to 8");
  const long long deviceWidth = static_cast<long long>(options.width) * options.scale;
  const long long deviceHeight = static_cast<long long>(options.height) * options.scale;
  if (deviceWidth > kMostPixelsASide || deviceHeight > kMostPixelsASide || deviceWidth * deviceHeight > kMostPixels) {
    return Usage("--size times --scale may reach 32767 pixels a side and 268435456 pixels in all");
  }
  if (parser.isSet(clock)) {
    const float seconds = parser.value(clock).toFloat(&ok);
    if (!ok || !(seconds >= 0 && seconds < 86400)) return Usage("--clock takes seconds since midnight, from 0 to 86400");
    options.clock = seconds;
  }
  options.output = parser.value(output);
  options.trace = parser.value(trace);
  options.digest = parser.isSet(digest);
  if (parser.isSet(scratch)) options.scratchDirectory = parser.value(scratch).toStdString();
  if (options.output.isEmpty() && options.trace.isEmpty() && !options.digest) {
    return Usage("say what to make: --output, --trace or --digest");
  }
  return options;
}

}  // namespace plant
