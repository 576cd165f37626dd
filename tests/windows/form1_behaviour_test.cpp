// The main window's own behaviour: focus and keyboard order, the two blink
// timers, quitting, and the colour helpers the handlers use.
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "window_test_support.h"
#include "windows/form1.h"

namespace gears {
namespace {

using testing::RecordingForm1;

class Form1Behaviour : public ::testing::Test {
 protected:
  testing::FakePlatform platform;
  RecordingForm1 form{platform};
};

const QStringList kKeyboardOrder = {"Text5_rapport", "Text2_ecart",  "Text3_mini", "Text4_maxi",
                                    "Text8_limite",  "Cmd1_calcul",  "Cmd2_quitter", "CmdInfos",
                                    "Option1",       "Option2",      "CmdChoixRoues", "CmdRappel",
                                    "Cmd2_calcul"};

TEST_F(Form1Behaviour, KeyboardOrderChain) {
  QStringList chain;
  QWidget* w = form.Text5_rapport;
  do {
    if (kKeyboardOrder.contains(w->objectName())) chain << w->objectName();
    w = w->nextInFocusChain();
  } while (w != form.Text5_rapport);
  EXPECT_EQ(chain, kKeyboardOrder);
  for (const QString& name : kKeyboardOrder)
    EXPECT_TRUE(form.findChild<QWidget*>(name)->focusPolicy() & Qt::TabFocus) << name.toStdString();
}

QWidget* pressTab() {
  QWidget* focus = QApplication::focusWidget();
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QApplication::sendEvent(focus, &tab);
  QApplication::processEvents();
  return QApplication::focusWidget();
}

TEST_F(Form1Behaviour, FocusStartsInTheRatioAndTabSkipsHiddenControls) {
  form.show();
  form.activateWindow();
  QApplication::processEvents();
  if (QApplication::focusWidget() == nullptr) GTEST_SKIP() << "no window activation on this platform";
  EXPECT_EQ(QApplication::focusWidget(), form.Text5_rapport);

  // Visible inputs and buttons, in order; the unchecked option button of the
  // group is passed over by Tab as usual; Cmd2_calcul is hidden.
  QStringList visited;
  for (int i = 0; i < 11; ++i) visited << pressTab()->objectName();
  EXPECT_EQ(visited, QStringList({"Text2_ecart", "Text3_mini", "Text4_maxi", "Text8_limite", "Cmd1_calcul",
                                  "Cmd2_quitter", "CmdInfos", "Option1", "CmdChoixRoues", "CmdRappel",
                                  "TxtTpsPasseH"}));
}

TEST_F(Form1Behaviour, MessageLineBlinks) {
  form.Text7_message->setText("MINI < 3");
  form.Timer1_message_Timer();
  EXPECT_EQ(form.Text7_message->text(), "");
  form.Timer1_message_Timer();
  EXPECT_EQ(form.Text7_message->text(), "PATIENTEZ");
  form.Timer1_message_Timer();
  EXPECT_EQ(form.Text7_message->text(), "");
  // Hidden at start, and toggling all the same.
  EXPECT_TRUE(form.Text7_message->isHidden());
  EXPECT_EQ(form.Text10_indique->text(), "");
}

TEST_F(Form1Behaviour, PointerBlinks) {
  form.Timer2_indique_Timer();
  EXPECT_EQ(form.Text10_indique->text(), "ICI -->");
  form.Timer2_indique_Timer();
  EXPECT_EQ(form.Text10_indique->text(), "");
  form.Text10_indique->setText("x");
  form.Timer2_indique_Timer();
  EXPECT_EQ(form.Text10_indique->text(), "");
  EXPECT_EQ(form.Text7_message->text(), "");
}

// The timers' ticks reach the toggles.
TEST_F(Form1Behaviour, TimerTicksToggle) {
  form.Text7_message->setText("FICHIER ECRIT");
  ASSERT_TRUE(QMetaObject::invokeMethod(form.Timer1_message, "timeout"));
  EXPECT_EQ(form.Text7_message->text(), "");
  ASSERT_TRUE(QMetaObject::invokeMethod(form.Timer2_indique, "timeout"));
  EXPECT_EQ(form.Text10_indique->text(), "ICI -->");
  EXPECT_EQ(form.Text7_message->text(), "");
}

TEST_F(Form1Behaviour, BlinkingStopsWithItsTimer) {
  form.Timer1_message->stop();
  EXPECT_FALSE(form.Timer1_message->isActive());
  EXPECT_TRUE(form.Timer2_indique->isActive());
}

TEST_F(Form1Behaviour, QuitButtonEndsTheProgram) {
  EXPECT_FALSE(form.quitRequested);
  form.Cmd2_quitter->click();
  EXPECT_TRUE(form.quitRequested);
  EXPECT_EQ(form.ends, 1);
}

// A running search sees the request at its next yield.
TEST_F(Form1Behaviour, QuitDuringARunIsSeenByTheRun) {
  form.runInProgress = true;
  form.Cmd2_quitter->click();
  EXPECT_TRUE(form.quitRequested);
  EXPECT_EQ(form.ends, 1);
}

TEST_F(Form1Behaviour, CloseBoxEndsTheProgram) {
  form.show();
  form.close();
  EXPECT_TRUE(form.quitRequested);
  EXPECT_EQ(form.ends, 1);
  EXPECT_FALSE(form.isVisible());
}

// The real end: every window closes, and without a running event loop nothing
// is left behind that would stop later event loops.
TEST(Form1Quit, ClosesEveryWindow) {
  testing::FakePlatform platform;
  Form1 form(platform);
  QWidget help;
  form.show();
  help.show();
  form.Cmd2_quitter->click();
  EXPECT_TRUE(form.quitRequested);
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(help.isVisible());

  QEventLoop loop;
  QTimer::singleShot(0, &loop, [&loop] { loop.exit(7); });
  EXPECT_EQ(loop.exec(), 7);
}

TEST_F(Form1Behaviour, ButtonColours) {
  setButtonColour(form.Cmd1_calcul, colours::cyan);
  EXPECT_EQ(buttonColour(form.Cmd1_calcul), colours::cyan);
  EXPECT_EQ(backgroundColour(form.Cmd1_calcul), colours::cyan);
  EXPECT_TRUE(form.Cmd1_calcul->styleSheet().contains("background-color: #00ffff"));
  setBackgroundColour(form.Cmd2_calcul, QColor(0, 192, 192));
  EXPECT_EQ(buttonColour(form.Cmd2_calcul), colours::teal);
  EXPECT_TRUE(form.Cmd2_calcul->styleSheet().contains("background-color: #00c0c0"));
  // The caption is kept whole however the button wraps it.
  EXPECT_EQ(form.Cmd2_calcul->text(), "CALCUL AVEC SERIE PARTICULIERE POUR LE TOUR");
}

TEST_F(Form1Behaviour, TextColours) {
  setTextColour(form.Text5_rapport, colours::red);
  EXPECT_EQ(textColour(form.Text5_rapport), colours::red);
  EXPECT_EQ(form.Text5_rapport->palette().color(QPalette::Text), colours::red);
  EXPECT_EQ(backgroundColour(form.Text5_rapport), colours::green);
  setTextColour(form.Text5_rapport, colours::grey);
  EXPECT_EQ(textColour(form.Text5_rapport), QColor(64, 64, 64));

  setTextColour(form.Text7_message, colours::cyan);
  EXPECT_EQ(form.Text7_message->palette().color(QPalette::Text), colours::cyan);
  EXPECT_EQ(backgroundColour(form.Text7_message), colours::black);

  setTextColour(form.TxtListe, colours::yellow);
  EXPECT_EQ(form.TxtListe->viewport()->palette().color(QPalette::Text), colours::yellow);

  setTextColour(form.Label7, colours::red);
  EXPECT_EQ(form.Label7->palette().color(QPalette::WindowText), colours::red);
  EXPECT_EQ(backgroundColour(form.Label7), colours::grey);
}

// What a later click finds: the window's handlers are wired to the buttons.
TEST_F(Form1Behaviour, ButtonsAreWired) {
  for (QPushButton* button : {form.Cmd1_calcul, form.Cmd2_calcul, form.CmdChoixRoues, form.CmdRappel,
                              form.CmdInfos, form.Cmd2_quitter}) {
    EXPECT_TRUE(QObject::disconnect(button, &QPushButton::clicked, &form, nullptr)) << button->objectName().toStdString();
  }
}

}  // namespace
}  // namespace gears
