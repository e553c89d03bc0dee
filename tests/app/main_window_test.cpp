#include "app/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>
#include <stdlib.h>

#include <functional>
#include <optional>

#include "support/temporary_directory.h"

namespace {

using plant::PressResult;

// The real window on Qt's offscreen platform, driven as a person would: press the button, answer
// the dialog, read any message.
class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "main_window_test";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
  }

  void SetUp() override {
    setenv("TMPDIR", temporary.path().c_str(), 1);
    window.emplace(Form1::Options{43200.25f});
    window->show();
  }
  void TearDown() override {
    window.reset();
    unsetenv("TMPDIR");
  }

  struct Press {
    QString title, prompt, initialText, message;
    int result = -1;
  };

  // Presses the button; `answer` fills the dialog (nullopt cancels it). Waits for the press to end
  // unless told not to.
  Press PressWith(std::optional<QString> answer, bool waitForTheEnd = true) {
    Press press;
    bool finished = false;
    const auto connection = QObject::connect(window.operator->(), &Form1::drawingFinished, [&](int result) {
      press.result = result;
      finished = true;
    });
    QTimer watcher;
    watcher.setInterval(5);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* dialog = qobject_cast<QInputDialog*>(modal)) {
        press.title = dialog->windowTitle();
        press.prompt = dialog->labelText();
        press.initialText = dialog->textValue();
        if (answer) {
          dialog->setTextValue(*answer);
          dialog->accept();
        } else {
          dialog->reject();
        }
      } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        press.message = box->text();
        box->accept();
      }
    });
    watcher.start();
    window->Command1->click();
    if (!waitForTheEnd) {
      QObject::disconnect(connection);
      return press;
    }
    QEventLoop loop;
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    while (!finished) loop.processEvents(QEventLoop::WaitForMoreEvents, 50);
    QObject::disconnect(connection);
    return press;
  }

  int PaintedPixels() const {
    const QImage& picture = window->picture();
    int painted = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) painted += picture.pixel(x, y) != 0xFFFFFFFFu;
    return painted;
  }

  plant::testing::TemporaryDirectory temporary;
  std::optional<Form1> window;
};

TEST_F(MainWindowTest, WindowAndButtonSettings) {
  EXPECT_EQ(window->windowTitle(), "Form1");
  EXPECT_EQ(window->Command1->text(), QString::fromUtf8("СТАРТ"));
  // (10920, 7440) twips, 735 x 495 twips, at 15 twips to the pixel.
  EXPECT_EQ(window->Command1->geometry(), QRect(728, 496, 49, 33));
  EXPECT_TRUE(window->rect().contains(window->Command1->geometry())) << "the button must be reachable";
  EXPECT_GE(window->height(), 8250 / 15) << "the stem's foot must show";
  EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(MainWindowTest, TheDialogAsksWithItsOwnWords) {
  const Press press = PressWith(std::nullopt);
  EXPECT_EQ(press.title, QString::fromUtf8("Количество итераций:"));
  EXPECT_EQ(press.prompt, QString::fromUtf8("Ввод количества выполняемых итераций при формировании рисунка:"));
  EXPECT_TRUE(press.initialText.isEmpty());
}

TEST_F(MainWindowTest, EveryKindOfAnswer) {
  const struct {
    std::optional<QString> answer;
    PressResult result;
  } cases[] = {
      {std::nullopt, PressResult::kNothingToDraw}, {QString(""), PressResult::kNothingToDraw},
      {QString("0"), PressResult::kNothingToDraw}, {QString("0.7"), PressResult::kNothingToDraw},
      {QString("-0.5"), PressResult::kNothingToDraw}, {QString("abc"), PressResult::kNotANumber},
      {QString("2.99"), PressResult::kDrawn},      {QString("-3"), PressResult::kDrawn},
  };
  int painted = 0;
  for (const auto& c : cases) {
    const QString shown = c.answer.value_or("(cancelled)");
    const Press press = PressWith(c.answer);
    EXPECT_EQ(press.result, static_cast<int>(c.result)) << shown.toStdString();
    if (c.result == PressResult::kNotANumber) {
      EXPECT_EQ(press.message, QString::fromUtf8("Введите число.")) << shown.toStdString();
    }
    const int now = PaintedPixels();
    if (c.result == PressResult::kDrawn) {
      EXPECT_GT(now, painted) << shown.toStdString();
    } else {
      EXPECT_EQ(now, painted) << shown.toStdString();
    }
    painted = now;
    EXPECT_TRUE(temporary.Entries().empty()) << shown.toStdString() << ": no scratch file is left";
  }
}

// Waits, serving the window's events, until `done` holds or the time runs out.
bool WaitUntil(const std::function<bool()>& done, int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

TEST_F(MainWindowTest, ThePictureGrowsWhileDrawingAndClosingStopsAtOnce) {
  PressWith(QString("100000"), false);
  ASSERT_TRUE(window->drawing());
  // The window shows the picture as it grows: frames arrive while the drawing runs.
  ASSERT_TRUE(WaitUntil([&] { return PaintedPixels() > 0; }, 5000));
  const int early = PaintedPixels();
  ASSERT_TRUE(WaitUntil([&] { return PaintedPixels() > early; }, 5000));
  // The crowns are growing: the private scratch directory holds its files.
  ASSERT_TRUE(WaitUntil([&] { return temporary.Entries().size() == 1; }, 5000));
  EXPECT_TRUE(window->drawing());

  // A press while drawing is ignored: no dialog opens.
  window->Command1->click();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  QElapsedTimer closing;
  closing.start();
  window->close();
  EXPECT_LT(closing.elapsed(), 100) << "closing must stop the drawing within 100 ms";
  EXPECT_FALSE(window->drawing());
  EXPECT_TRUE(temporary.Entries().empty()) << "closing must leave no scratch file or directory";
}

// On a screen whose device pixel ratio is 2 the picture keeps its logical size and is drawn at
// device resolution: the base stem's dots, 8 pixels wide, cover 16 device pixels.
TEST_F(MainWindowTest, DrawsAtDeviceResolution) {
  if (window->devicePixelRatioF() != 2) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
  const Press press = PressWith(QString("1"));
  ASSERT_EQ(press.result, static_cast<int>(PressResult::kDrawn));
  const QImage& picture = window->picture();
  EXPECT_EQ(picture.devicePixelRatio(), 2);
  const int row = 7500 * 2 / 15;  // through the base stem, below the leaves
  int green = 0;
  for (int x = (3800 - 225) * 2 / 15; x < (3800 + 225) * 2 / 15; ++x) green += picture.pixel(x, row) == qRgb(0, 255, 0);
  EXPECT_EQ(green, 16);
}

// A failure of the scratch files ends the drawing with a message and keeps the window working.
TEST_F(MainWindowTest, AScratchFailureIsSaidAndTheWindowStays) {
  setenv("TMPDIR", "/nonexistent/scratch", 1);
  const Press failed = PressWith(QString("1"));
  EXPECT_EQ(failed.result, static_cast<int>(PressResult::kFailed));
  EXPECT_TRUE(failed.message.contains("Cannot make a scratch directory in /nonexistent/scratch")) << failed.message.toStdString();
  EXPECT_GT(PaintedPixels(), 0) << "the plant body drawn before the failure stays";

  setenv("TMPDIR", temporary.path().c_str(), 1);
  EXPECT_EQ(PressWith(QString("1")).result, static_cast<int>(PressResult::kDrawn));
  EXPECT_TRUE(temporary.Entries().empty());
}

}  // namespace
