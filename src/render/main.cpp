// plant-render: draws what one press of the start button draws, without a window, into a PNG,
// a trace of every dot, or the trace's SHA-256.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QImage>

#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>

#include "app/press.h"
#include "canvas/raster_canvas.h"
#include "canvas/tee_canvas.h"
#include "canvas/trace_canvas.h"

namespace {

constexpr int kExitDrawn = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int Usage(const QString& message) {
  std::fprintf(stderr, "plant-render: %s\nTry 'plant-render --help'.\n", qPrintable(message));
  return kExitUsage;
}

bool ParseSize(const QString& text, int& width, int& height) {
  const QStringList parts = text.split('x');
  if (parts.size() != 2) return false;
  bool widthOk = false, heightOk = false;
  width = parts[0].toInt(&widthOk);
  height = parts[1].toInt(&heightOk);
  return widthOk && heightOk && width >= 1 && height >= 1 && width <= 16384 && height <= 16384;
}

// SIGINT and SIGTERM stop the drawing, which then removes its scratch files; afterwards the
// process ends by the same signal, as the sender expects. The signals are taken by a thread of
// their own with sigwait, so nothing runs in a signal handler.
class StopOnSignals {
 public:
  StopOnSignals() {
    sigemptyset(&signals_);
    sigaddset(&signals_, SIGINT);
    sigaddset(&signals_, SIGTERM);
    sigaddset(&signals_, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals_, nullptr);  // before any other thread exists
    waiter_ = std::jthread([this](std::stop_token finished) {
      int signal = 0;
      while (sigwait(&signals_, &signal) == 0) {
        if (finished.stop_requested()) return;
        received_ = signal;
        source_.request_stop();
      }
    });
  }
  ~StopOnSignals() {
    waiter_.request_stop();
    pthread_kill(waiter_.native_handle(), SIGHUP);  // wakes the waiter, which then returns
  }

  std::stop_token token() const { return source_.get_token(); }

  // Ends the process by the signal that stopped the drawing, if one did.
  void RaiseReceived() const {
    if (received_ == 0) return;
    signal(received_, SIG_DFL);
    pthread_sigmask(SIG_UNBLOCK, &signals_, nullptr);
    raise(received_);
  }

 private:
  sigset_t signals_{};
  std::stop_source source_;
  std::atomic<int> received_{0};
  std::jthread waiter_;
};

}  // namespace

int main(int argc, char* argv[]) {
  StopOnSignals signalStop;
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName("plant-render");
  QCoreApplication::setApplicationVersion(PLANT_VERSION);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Draws the plant exactly as one press of the window's start button does, without a window.\n\n"
      "Exit status: 0 when it drew, or there was nothing to draw; 1 when the drawing failed;\n"
      "2 on bad usage or an answer that is not a number. SIGINT or SIGTERM stops the drawing,\n"
      "removes its scratch files and ends the process by that signal.");
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption answerOption("answer", "The answer to the dialog: how many crowns (default 1).", "TEXT", "1");
  const QCommandLineOption clockOption("clock", "Freeze the clock at SECONDS since midnight.", "SECONDS");
  const QCommandLineOption sizeOption("size", "Canvas size in logical pixels of 15 twips (default 1024x768).", "WxH", "1024x768");
  const QCommandLineOption scaleOption("scale", "Draw N device pixels to a logical pixel, pen widths likewise (1 to 8, default 1).", "N", "1");
  const QCommandLineOption outputOption("output", "Write the picture to FILE as PNG.", "FILE");
  const QCommandLineOption traceOption("trace", "Write every dot to FILE as 12-byte records.", "FILE");
  const QCommandLineOption digestOption("digest", "Print the SHA-256 of the trace.");
  const QCommandLineOption scratchOption("scratch-dir", "Keep the scratch files in DIR instead of a private directory.", "DIR");
  parser.addOptions({answerOption, clockOption, sizeOption, scaleOption, outputOption, traceOption, digestOption, scratchOption});
  if (!parser.parse(QCoreApplication::arguments())) return Usage(parser.errorText());
  if (parser.isSet("help")) {
    std::fputs(qPrintable(parser.helpText()), stdout);
    return kExitDrawn;
  }
  if (parser.isSet("version")) {
    std::printf("plant-render %s\n", PLANT_VERSION);
    return kExitDrawn;
  }
  if (!parser.positionalArguments().isEmpty()) return Usage("unexpected argument " + parser.positionalArguments().first());

  int width = 0, height = 0;
  if (!ParseSize(parser.value(sizeOption), width, height)) return Usage("--size takes WIDTHxHEIGHT, from 1x1 to 16384x16384");
  bool scaleOk = false;
  const int scale = parser.value(scaleOption).toInt(&scaleOk);
  if (!scaleOk || scale < 1 || scale > 8) return Usage("--scale takes a whole number from 1 to 8");
  const bool wantPicture = parser.isSet(outputOption);
  const bool wantTrace = parser.isSet(traceOption) || parser.isSet(digestOption);
  if (!wantPicture && !wantTrace) return Usage("say what to make: --output, --trace or --digest");

  plant::Generator generator;
  plant::PressContext context{generator};
  if (parser.isSet(clockOption)) {
    bool ok = false;
    const float seconds = parser.value(clockOption).toFloat(&ok);
    if (!ok || !(seconds >= 0 && seconds < 86400)) return Usage("--clock takes seconds since midnight, from 0 to 86400");
    context.clock = plant::Clock::Frozen(seconds);
  }
  if (parser.isSet(scratchOption)) context.scratchDirectory = parser.value(scratchOption).toStdString();
  context.stop = signalStop.token();

  std::FILE* traceFile = nullptr;
  if (parser.isSet(traceOption)) {
    traceFile = std::fopen(parser.value(traceOption).toLocal8Bit().constData(), "wb");
    if (!traceFile) {
      std::fprintf(stderr, "plant-render: cannot write %s\n", qPrintable(parser.value(traceOption)));
      return kExitFailure;
    }
  }
  bool traceWriteFailed = false;
  QCryptographicHash digest(QCryptographicHash::Sha256);
  plant::TraceCanvas trace([&](std::span<const std::byte> bytes) {
    if (traceFile && std::fwrite(bytes.data(), 1, bytes.size(), traceFile) != bytes.size()) traceWriteFailed = true;
    digest.addData(QByteArrayView(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
  });
  std::optional<plant::RasterCanvas> raster;
  if (wantPicture) raster.emplace(width, height, scale);

  const std::string answer = parser.value(answerOption).toStdString();
  plant::PressOutcome outcome;
  if (wantPicture && wantTrace) {
    plant::TeeCanvas both(*raster, trace);
    outcome = plant::Command1_Click(answer, both, context);
  } else if (wantPicture) {
    outcome = plant::Command1_Click(answer, *raster, context);
  } else {
    outcome = plant::Command1_Click(answer, trace, context);
  }
  trace.Flush();
  if (traceFile && std::fclose(traceFile) != 0) traceWriteFailed = true;

  if (outcome.result == plant::PressResult::kNotANumber) {
    std::fprintf(stderr, "plant-render: the answer \"%s\" is not a number\n", answer.c_str());
    return kExitUsage;
  }
  if (outcome.result == plant::PressResult::kFailed) {
    std::fprintf(stderr, "plant-render: the drawing failed: %s\n", outcome.message.c_str());
    return kExitFailure;
  }
  if (outcome.result == plant::PressResult::kStopped) {
    std::fprintf(stderr, "plant-render: stopped by a signal; the scratch files are removed\n");
    signalStop.RaiseReceived();
    return kExitFailure;
  }
  if (outcome.result == plant::PressResult::kNothingToDraw) {
    std::fprintf(stderr, "plant-render: nothing to draw: the answer counts no crowns\n");
  }
  if (traceWriteFailed) {
    std::fprintf(stderr, "plant-render: cannot write the trace to %s\n", qPrintable(parser.value(traceOption)));
    return kExitFailure;
  }
  if (wantPicture) {
    const QImage image(reinterpret_cast<const uchar*>(raster->pixels()), raster->width(), raster->height(),
                       static_cast<qsizetype>(raster->width()) * 4, QImage::Format_RGB32);
    if (!image.save(parser.value(outputOption), "PNG")) {
      std::fprintf(stderr, "plant-render: cannot write %s\n", qPrintable(parser.value(outputOption)));
      return kExitFailure;
    }
  }
  if (parser.isSet(digestOption)) std::printf("%s\n", digest.result().toHex().constData());
  return kExitDrawn;
}
