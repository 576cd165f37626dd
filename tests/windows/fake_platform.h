#pragma once
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "windows/platform_services.h"

namespace gears::testing {

// Scripted platform for the window tests: the input dialog answers from a
// queue (an exhausted queue answers as Cancel, the empty text), every dialog
// and beep is recorded, the clock and the directory are set by the test.
class FakePlatform : public PlatformServices {
 public:
  struct Prompt {
    QWidget* parent;
    QString title;
    QString prompt;
  };
  struct Message {
    QWidget* parent;
    QString text;
  };

  std::deque<QString> inputs;
  std::vector<Prompt> prompts;
  std::vector<Message> messages;
  int beeps = 0;
  double clock = 0.0;
  // Successive clock readings; once used up, `clock` answers.
  std::deque<double> clockReadings;
  // Called while an input dialog or a message box is up (the window's state
  // as the user sees it then).
  std::function<void()> whileDialog;
  QString directory = QStringLiteral("/tmp");
  QString decimal = QStringLiteral(".");

  QString inputText(QWidget* parent, const QString& title, const QString& prompt) override {
    prompts.push_back({parent, title, prompt});
    if (whileDialog) whileDialog();
    if (inputs.empty()) return {};
    QString text = inputs.front();
    inputs.pop_front();
    return text;
  }
  void message(QWidget* parent, const QString& text) override {
    messages.push_back({parent, text});
    if (whileDialog) whileDialog();
  }
  void beep() override { ++beeps; }
  double clockSeconds() override {
    if (clockReadings.empty()) return clock;
    const double reading = clockReadings.front();
    clockReadings.pop_front();
    return reading;
  }
  QString programDirectory() override { return directory; }
  QString decimalSymbol() override { return decimal; }

  // The texts of the recorded messages, in order.
  QStringList messageTexts() const {
    QStringList texts;
    for (const Message& m : messages) texts << m.text;
    return texts;
  }
};

}  // namespace gears::testing
