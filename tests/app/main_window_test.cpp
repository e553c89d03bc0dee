#include "app/main_window.h"

#include <QApplication>
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

  // Presses the button; `answer` fills the dialog (nullopt cancels it). Waits for the press to end.
  Press PressWith(std::optional<QString> answer) {
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

TEST_F(MainWindowTest, WindowAndButtonAsDesigned) {
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

}  // namespace
