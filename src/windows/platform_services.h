#pragma once
#include <QString>

class QWidget;

namespace gears {

// What the windows need of the platform, behind one interface so that tests
// can script the dialogs and the clock.
class PlatformServices {
 public:
  virtual ~PlatformServices() = default;

  // Modal input dialog parented to `parent`; the typed text, or an empty
  // text on Cancel.
  virtual QString inputText(QWidget* parent, const QString& title, const QString& prompt) = 0;
  // Modal message box with one OK button, titled with the application's title.
  virtual void message(QWidget* parent, const QString& text) = 0;
  virtual void beep() = 0;
  // Seconds from a monotonic clock (never goes back, not even at midnight).
  virtual double clockSeconds() = 0;
  // Directory of the program, where its files go.
  virtual QString programDirectory() = 0;
  // Decimal symbol of the system locale.
  virtual QString decimalSymbol() = 0;
};

}  // namespace gears
