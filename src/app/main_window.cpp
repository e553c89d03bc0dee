#include "app/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTwipsPerPixel = 15;
// Enough client area for the button (its far corner at 11655 x 7935 twips) and the stem's foot.
constexpr int kMinimumClientWidth = 800;
constexpr int kMinimumClientHeight = 560;

int Pixels(int twips) { return twips / kTwipsPerPixel; }

}  // namespace

Form1::Form1(Options options, QWidget* parent) : QWidget(parent), options_(options) {
  setWindowTitle("Form1");
  setAutoFillBackground(true);
  QPalette background = palette();
  background.setColor(QPalette::Window, Qt::white);
  setPalette(background);
  setMinimumSize(kMinimumClientWidth, kMinimumClientHeight);
  resize(kMinimumClientWidth, kMinimumClientHeight);

  Command1 = new QPushButton(QString::fromUtf8("СТАРТ"), this);
  Command1->setObjectName("Command1");
  Command1->setGeometry(Pixels(10920), Pixels(7440), Pixels(735), Pixels(495));
  QPalette white = Command1->palette();
  white.setColor(QPalette::Button, Qt::white);
  Command1->setPalette(white);
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);

  // The canvas covers the largest client area the screen allows, so enlarging the window later
  // shows what was drawn there; it is drawn at the screen's device resolution.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize area = screen ? screen->availableGeometry().size() : QSize();
  const int scale = screen ? std::max(1, static_cast<int>(std::lround(screen->devicePixelRatio()))) : 1;
  canvas_ = std::make_unique<plant::RasterCanvas>(std::max(area.width(), kMinimumClientWidth),
                                                  std::max(area.height(), kMinimumClientHeight), scale);
  picture_ = QImage(canvas_->width(), canvas_->height(), QImage::Format_RGB32);
  picture_.fill(Qt::white);
  picture_.setDevicePixelRatio(scale);

  repaintTimer_.setInterval(50);
  connect(&repaintTimer_, &QTimer::timeout, this, &Form1::ShowNewestFrame);
}

Form1::~Form1() { StopDrawing(); }

void Form1::Command1_Click() {
  // A press while a drawing runs is ignored; the button stays enabled.
  if (drawing()) return;
  bool accepted = false;
  const QString answer = QInputDialog::getText(this, QString::fromUtf8("Количество итераций:"),
                                               QString::fromUtf8("Ввод количества выполняемых итераций при формировании рисунка:"),
                                               QLineEdit::Normal, QString(), &accepted);
  const plant::ValidatedAnswer validated = plant::ValidateAnswer(accepted ? answer.toStdString() : std::string());
  switch (validated.verdict) {
    case plant::AnswerVerdict::kEmpty:
    case plant::AnswerVerdict::kNothingToDraw:
      emit drawingFinished(static_cast<int>(plant::PressResult::kNothingToDraw));
      return;
    case plant::AnswerVerdict::kNotANumber:
      QMessageBox::warning(this, windowTitle(), QString::fromUtf8("Введите число."));
      emit drawingFinished(static_cast<int>(plant::PressResult::kNotANumber));
      return;
    case plant::AnswerVerdict::kDraw:
      StartDrawing(validated.IterationCount);
      return;
  }
}

void Form1::StartDrawing(double IterationCount) {
  repaintTimer_.start();
  drawing_ = std::jthread([this, IterationCount](std::stop_token stop) {
    plant::PressContext context{generator_};
    if (options_.frozenClock) context.clock = plant::Clock::Frozen(*options_.frozenClock);
    context.stop = stop;
    plant::LiveCanvas live(*canvas_, frames_);
    const plant::PressOutcome outcome = plant::DrawPlant(live, IterationCount, context);
    QMetaObject::invokeMethod(this, [this, outcome] { FinishDrawing(outcome); }, Qt::QueuedConnection);
  });
}

void Form1::FinishDrawing(plant::PressOutcome outcome) {
  if (drawing_.joinable()) drawing_.join();
  repaintTimer_.stop();
  // The drawing thread is gone: the canvas can be read directly.
  std::copy_n(canvas_->pixels(), static_cast<std::size_t>(canvas_->width()) * canvas_->height(),
              reinterpret_cast<std::uint32_t*>(picture_.bits()));
  update();
  if (outcome.result == plant::PressResult::kFailed) {
    QMessageBox::critical(this, windowTitle(),
                          QString::fromUtf8("Рисунок прерван.\n") + QString::fromStdString(outcome.message));
  }
  emit drawingFinished(static_cast<int>(outcome.result));
}

void Form1::ShowNewestFrame() {
  frames_.Request();
  const bool fresh = frames_.TakeFresh([this](const std::vector<std::uint32_t>& frame) {
    std::copy(frame.begin(), frame.end(), reinterpret_cast<std::uint32_t*>(picture_.bits()));
  });
  if (fresh) update();
}

void Form1::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

void Form1::StopDrawing() {
  if (!drawing_.joinable()) return;
  drawing_.request_stop();
  drawing_.join();  // the drawing removes its scratch files as it stops
}

void Form1::closeEvent(QCloseEvent* event) {
  StopDrawing();
  event->accept();
}
