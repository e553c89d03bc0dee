// plant-render: draws what one press of the start button draws, without a window, into a PNG,
// a trace of every dot, or the trace's SHA-256.

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QImage>

#include <cstdio>
#include <optional>
#include <string>

#include "app/press.h"
#include "canvas/raster_canvas.h"
#include "canvas/tee_canvas.h"
#include "canvas/trace_canvas.h"
#include "render/render_options.h"
#include "render/signal_stop.h"

namespace {

using plant::kExitDrawn;
using plant::kExitFailure;
using plant::kExitUsage;

int Fail(const std::string& message) {
  std::fprintf(stderr, "plant-render: %s\n", message.c_str());
  return kExitFailure;
}

std::string Shown(const std::string& answer) { return answer.size() > 60 ? answer.substr(0, 60) + "..." : answer; }

int Render(const plant::RenderOptions& options, plant::StopOnSignals& signalStop) {
  plant::Generator generator;
  plant::PressContext context(generator);
  if (options.clock) context.clock = plant::Clock::Frozen(*options.clock);
  context.scratchDirectory = options.scratchDirectory;
  context.stop = signalStop.token();

  std::FILE* traceFile = nullptr;
  if (!options.trace.isEmpty()) {
    traceFile = std::fopen(options.trace.toLocal8Bit().constData(), "wb");
    if (!traceFile) return Fail("cannot write " + options.trace.toStdString());
  }
  bool traceWriteFailed = false;
  QCryptographicHash digest(QCryptographicHash::Sha256);
  plant::TraceCanvas trace([&](std::span<const std::byte> bytes) {
    if (traceFile && std::fwrite(bytes.data(), 1, bytes.size(), traceFile) != bytes.size()) traceWriteFailed = true;
    if (options.digest) {
      digest.addData(QByteArrayView(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    }
  });
  const bool wantTrace = traceFile || options.digest;
  std::optional<plant::RasterCanvas> raster;
  if (!options.output.isEmpty()) raster.emplace(options.width, options.height, options.scale);

  plant::PressOutcome outcome;
  if (raster && wantTrace) {
    plant::TeeCanvas both(*raster, trace);
    outcome = plant::Command1_Click(options.answer, both, context);
  } else if (raster) {
    outcome = plant::Command1_Click(options.answer, *raster, context);
  } else {
    outcome = plant::Command1_Click(options.answer, trace, context);
  }
  trace.Flush();
  if (traceFile && std::fclose(traceFile) != 0) traceWriteFailed = true;

  switch (outcome.result) {
    case plant::PressResult::kNotANumber:
      std::fprintf(stderr, "plant-render: the answer \"%s\" is not a number\n", Shown(options.answer).c_str());
      return kExitUsage;
    case plant::PressResult::kFailed:
      return Fail("the drawing failed: " + outcome.message);
    case plant::PressResult::kStopped:
      std::fprintf(stderr, "plant-render: stopped by a signal; the scratch files are removed\n");
      signalStop.RaiseReceived();
      return kExitFailure;
    case plant::PressResult::kNothingToDraw:
      std::fprintf(stderr, "plant-render: nothing to draw: the answer counts no crowns\n");
      break;
    case plant::PressResult::kDrawn:
      break;
  }
  if (traceWriteFailed) return Fail("cannot write the trace to " + options.trace.toStdString());
  if (raster) {
    const QImage image(reinterpret_cast<const uchar*>(raster->pixels()), raster->width(), raster->height(),
                       static_cast<qsizetype>(raster->width()) * 4, QImage::Format_RGB32);
    if (!image.save(options.output, "PNG")) return Fail("cannot write " + options.output.toStdString());
  }
  if (options.digest) std::printf("%s\n", digest.result().toHex().constData());
  return kExitDrawn;
}

}  // namespace

int main(int argc, char* argv[]) {
  plant::StopOnSignals signalStop;  // first, so that every later thread has the signals blocked
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName("plant-render");
  QCoreApplication::setApplicationVersion(PLANT_VERSION);

  const auto parsed = plant::ParseRenderOptions(QCoreApplication::arguments());
  if (const auto* done = std::get_if<plant::RenderExit>(&parsed)) {
    std::fputs(qPrintable(done->text), done->status == kExitDrawn ? stdout : stderr);
    return done->status;
  }
  try {
    return Render(std::get<plant::RenderOptions>(parsed), signalStop);
  } catch (const std::exception& failure) {  // for example, no memory for the canvas
    return Fail(failure.what());
  }
}
