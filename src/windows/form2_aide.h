#pragma once
#include <QWidget>

class QLabel;
class QPushButton;

namespace gears {

// The help window: a fixed text on grey and a button that closes it.
// Created by showHelp(); closing it (button or close box) destroys it.
class Form2Aide : public QWidget {
  Q_OBJECT

 public:
  explicit Form2Aide(QWidget* parent = nullptr);

  // Client size in pixels (6390 x 10725 twips at 15 twips a pixel).
  static constexpr int kClientWidth = 426;
  static constexpr int kClientHeight = 715;

  QLabel* label() const { return label_; }
  QPushButton* quitButton() const { return quitButton_; }

 private:
  QLabel* label_ = nullptr;
  QPushButton* quitButton_ = nullptr;
};

// What the main window calls. There is at most one help window at a time.

// Click on INFOS: if no help window is open, creates one, places it beside
// `mainWindow` (which may be moved so that both fit on its screen) and shows
// it without blocking anything; if one is open, does nothing at all.
void showHelp(QWidget* mainWindow);

// The open help window, or nullptr when none is open (a window that has
// been closed but not yet deleted counts as closed).
Form2Aide* currentHelpWindow();

// Closes the open help window, if any, as its close box would (hidden now,
// deleted at the next turn of the event loop). For the main window's close.
void closeHelp();

}  // namespace gears
