#pragma once
#include <QElapsedTimer>

#include "windows/platform_services.h"

namespace gears {

// The platform services of the real program: Qt dialogs, the system beep, a
// monotonic clock, the executable's directory and the system locale.
class QtPlatformServices : public PlatformServices {
 public:
  // Title of the message boxes, and the application's name.
  static QString applicationTitle();

  QtPlatformServices();

  QString inputText(QWidget* parent, const QString& title, const QString& prompt) override;
  void message(QWidget* parent, const QString& text) override;
  void beep() override;
  double clockSeconds() override;
  QString programDirectory() override;
  QString decimalSymbol() override;

 private:
  QElapsedTimer clock_;
};

}  // namespace gears
