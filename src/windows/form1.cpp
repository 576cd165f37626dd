#include "windows/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QVariant>

#include "windows/platform_services.h"

namespace gears {

namespace {

// The fill colour is kept beside the style sheet so that it reads back exactly.
constexpr char kButtonColourProperty[] = "buttonColour";

bool isTextField(const QWidget* control) {
  return qobject_cast<const QLineEdit*>(control) != nullptr || qobject_cast<const QPlainTextEdit*>(control) != nullptr;
}

QPalette::ColorRole textRole(const QWidget* control) {
  if (isTextField(control)) return QPalette::Text;
  if (qobject_cast<const QPushButton*>(control) != nullptr) return QPalette::ButtonText;
  return QPalette::WindowText;
}

// Labels, frames and option buttons paint their whole face in the Window role.
QPalette::ColorRole backgroundRole(const QWidget* control) {
  if (isTextField(control)) return QPalette::Base;
  if (qobject_cast<const QPushButton*>(control) != nullptr) return QPalette::Button;
  return QPalette::Window;
}

}  // namespace

void setTextColour(QWidget* control, const QColor& colour) {
  QPalette palette = control->palette();
  palette.setColor(textRole(control), colour);
  control->setPalette(palette);
}

QColor textColour(const QWidget* control) { return control->palette().color(textRole(control)); }

void setBackgroundColour(QWidget* control, const QColor& colour) {
  if (auto* button = qobject_cast<QPushButton*>(control)) {
    setButtonColour(button, colour);
    return;
  }
  QPalette palette = control->palette();
  palette.setColor(backgroundRole(control), colour);
  control->setPalette(palette);
  if (!isTextField(control)) {
    control->setBackgroundRole(QPalette::Window);
    control->setAutoFillBackground(true);
  }
}

QColor backgroundColour(const QWidget* control) {
  if (auto* button = qobject_cast<const QPushButton*>(control)) return buttonColour(button);
  return control->palette().color(backgroundRole(control));
}

void setButtonColour(QPushButton* button, const QColor& colour) {
  button->setProperty(kButtonColourProperty, colour);
  // The platform's button face ignores the palette; a style sheet fills the
  // whole button, and the outset border keeps it looking like a button.
  const QString rgb = colour.name(QColor::HexRgb);
  button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; }"
                                       " QPushButton:pressed { border-style: inset; }"
                                       " QPushButton:focus { border-color: %2; }")
                            .arg(rgb, colour.darker(160).name(QColor::HexRgb)));
}

QColor buttonColour(const QPushButton* button) { return button->property(kButtonColourProperty).value<QColor>(); }

Form1::Form1(PlatformServices& platform, QWidget* parent) : QWidget(parent), platform_(platform) {
  setObjectName(QStringLiteral("Form1"));
  // The blanks move the words towards the middle of the title bar.
  setWindowTitle(QString(93, QLatin1Char(' ')) + QStringLiteral("CALCUL DE TRAINS D'ORBANELLES     V2-25"));
  setFixedSize(990, 722);
  QFont windowFont(QStringLiteral("Arial"));
  windowFont.setPointSizeF(8.25);
  windowFont.setBold(true);
  // Whole-pixel glyph advances, as the captions were fitted to: with fractional
  // ones some captions come out a pixel too wide for their label and wrap.
  windowFont.setHintingPreference(QFont::PreferFullHinting);
  setFont(windowFont);
  setBackgroundColour(this, colours::grey);

  buildFrames();
  buildDiagrams();
  buildFormulas();
  buildTrainSize();
  buildParameters();
  buildCollectionColumn();
  buildList();
  buildBottomRows();
  buildTimers();
  setKeyboardOrder();
  connectButtons();

  // Takes effect when the window is first activated.
  Text5_rapport->setFocus();
}

Form1::~Form1() = default;

void Form1::requestQuit() {
  quitRequested = true;
  endProgram();
}

void Form1::endProgram() {
  QApplication::closeAllWindows();
  // Without a running event loop there is nothing to leave, and asking to quit
  // anyway would make every later event loop of the process return at once.
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::quit();
}

void Form1::Cmd2_quitter_Click() { requestQuit(); }

void Form1::closeEvent(QCloseEvent* event) {
  event->accept();
  // The close box ends the program too, help window included, and stops a
  // running search like QUITTER does.
  if (!quitRequested) requestQuit();
}

void Form1::Timer1_message_Timer() {
  Text7_message->setText(Text7_message->text().isEmpty() ? QStringLiteral("PATIENTEZ") : QString());
}

void Form1::Timer2_indique_Timer() {
  Text10_indique->setText(Text10_indique->text().isEmpty() ? QStringLiteral("ICI -->") : QString());
}

}  // namespace gears
