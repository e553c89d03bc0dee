#pragma once

#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <thread>

#include "app/press.h"
#include "canvas/live_canvas.h"
#include "canvas/raster_canvas.h"
#include "numeric/reseeded_draw.h"

// The program's one window: a white client area that shows the picture, and the start button.
// The dialog and its validation run here, on the GUI thread; the drawing runs on a thread of its
// own, so the window repaints the growing picture and can be closed at any moment.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  struct Options {
    std::optional<float> frozenClock;  // seconds since midnight; the live clock if unset
  };

  explicit Form1(Options options = {}, QWidget* parent = nullptr);
  ~Form1() override;

  QPushButton* Command1;

  bool drawing() const { return drawing_.joinable(); }
  // The picture as the window shows it, at device resolution.
  const QImage& picture() const { return picture_; }

 signals:
  void drawingFinished(int result);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Command1_Click();
  void StartDrawing(double IterationCount);
  void FinishDrawing(plant::PressOutcome outcome);
  void ShowNewestFrame();
  void StopDrawing();

  Options options_;
  plant::Generator generator_;
  std::unique_ptr<plant::RasterCanvas> canvas_;
  plant::FrameExchange frames_;
  QImage picture_;
  QTimer repaintTimer_;
  std::jthread drawing_;
};
