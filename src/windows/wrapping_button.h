#pragma once
#include <QPushButton>

namespace gears {

// A push button whose caption wraps at word boundaries inside the button, as
// the long captions of the windows ("CALCUL AVEC SERIE CONTINUE") need; text()
// keeps the caption exactly as given.
class WrappingButton : public QPushButton {
 public:
  explicit WrappingButton(const QString& caption, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace gears
