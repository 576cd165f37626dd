#include "windows/form2_aide.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "windows/form1.h"

#include "windows/help_placement.h"

namespace gears {
namespace {

// The help text as the user must read it: groups of rows, each group
// preceded by one empty row (the first one leaves the top row empty).
const std::vector<std::vector<const char*>> kGroups = {
    {"Les trains d'orbanelles sont composés de 4 ou 6 roues",
     "dentées ayant chacune entre 3 et 400 dents."},
    {"Pour le système à 4 roues : B et C sont solidaires.",
     "Pour les 6 roues : B et C ainsi que E et D sont solidaires."},
    {"Il faut saisir :",
     "- le rapport d'entraînement demandé.",
     "- L'écart MAXI pour le rapport c'est à dire la précision.",
     "- La plage de dents désirée pour les roues dentées,",
     "entre 3 dents pour le Mini et 400 dents pour le Maxi.",
     "- L'écart entre le Maxi et le Mini est limité pour le temps",
     "de calcul surtout pour le système à 6 roues.",
     "- Le nombre Maxi de solutions à afficher à l'écran est",
     "limité par le nombre de caractères dans une liste."},
    {"Après avoir lancé le calcul :",
     "- des solutions, s'il y en a, s'affichent à l'écran.",
     "- Le nombre total de solutions trouvées est indiqué.",
     "- L'adresse où se trouve le fichier contenant toutes",
     "les solutions trouvées est notée tout en bas de la",
     "feuille de calculs."},
    {"Il y a 2 options de calculs :",
     "-   \" Calcul avec série continue \"",
     "Les nombres de dents des roues sont choisis entre un",
     "MINI et un MAXI et toutes les solutions sont possibles",
     "entre ces limites y compris avec répétition de mêmes",
     "roues."},
    {"-  \" Calcul avec série particulière pour le Tour \"",
     "Les nombres de dents des roues sont saisis à partir",
     "de la collection particulière de chaque Tourneur.",
     "Les solutions ne dépendent que des  roues que l'on",
     "possède."},
    {"I M P O R T A N T :",
     "Le symbole décimal doit être le POINT."},
};

QStringList expectedLines() {
  QStringList lines;
  for (const auto& group : kGroups) {
    lines << QString();
    for (const char* row : group) lines << QString::fromUtf8(row);
  }
  return lines;
}

// Rows as the label shows them: one per line, trailing blanks (invisible) dropped.
QStringList shownLines(const QLabel* label) {
  QString text = label->text();
  if (label->textFormat() != Qt::PlainText) {
    QTextDocument document;
    document.setHtml(text);
    text = document.toPlainText();
  }
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines) {
    while (line.endsWith(QLatin1Char(' '))) line.chop(1);
  }
  return lines;
}

QRgb pixelOf(QWidget* widget, QPoint at) { return widget->grab().toImage().pixel(at); }

TEST(Form2Aide, WindowTitleNameAndFixedClientSize) {
  Form2Aide help;
  EXPECT_EQ(help.objectName(), "Form2Aide");
  EXPECT_EQ(help.windowTitle(), "Form2");
  EXPECT_TRUE(help.isWindow());
  EXPECT_EQ(help.size(), QSize(426, 715));  // 6390 x 10725 twips
  EXPECT_EQ(help.minimumSize(), QSize(426, 715));
  EXPECT_EQ(help.maximumSize(), QSize(426, 715));
  EXPECT_TRUE(help.testAttribute(Qt::WA_DeleteOnClose));
  // The strip right of and below the label shows the window's white.
  EXPECT_EQ(help.palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(QColor(pixelOf(&help, QPoint(425, 300))), QColor(255, 255, 255));
}

TEST(Form2Aide, LabelLook) {
  Form2Aide help;
  auto* label = help.findChild<QLabel*>("Label1");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label, help.label());
  EXPECT_EQ(label->geometry(), QRect(0, 0, 425, 713));  // 0, 0, 6375, 10695 twips
  EXPECT_TRUE(label->wordWrap());
  EXPECT_EQ(label->font().family(), "Arial");
  EXPECT_EQ(label->font().pointSizeF(), 11.25);
  EXPECT_TRUE(label->font().bold());
  EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
  EXPECT_EQ(label->palette().color(QPalette::Window), QColor(192, 192, 192));
  // Right end of the empty first row: background only.
  EXPECT_EQ(QColor(pixelOf(label, QPoint(400, 5))), QColor(192, 192, 192));
}

TEST(Form2Aide, HelpTextRowsAndGroupsInOrder) {
  Form2Aide help;
  const QStringList lines = shownLines(help.label());
  const QStringList expected = expectedLines();
  ASSERT_EQ(expected.size(), 32 + 7);
  ASSERT_EQ(lines.size(), expected.size());
  for (qsizetype i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i;
}

TEST(Form2Aide, EveryRowFitsOnOneLineAndTheTextStaysAboveTheButton) {
  Form2Aide help;
  QLabel* label = help.label();
  const QFontMetrics metrics(label->font());
  const int usable = label->contentsRect().width() - 2 * label->margin();
  for (const QString& line : shownLines(label)) {
    EXPECT_LE(metrics.horizontalAdvance(line), usable) << line.toStdString();
  }
  // Top-aligned, so the text ends where its wrapped height ends.
  EXPECT_EQ(label->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop);
  const int textBottom = label->contentsRect().top() + label->heightForWidth(label->width());
  EXPECT_LE(textBottom, help.quitButton()->geometry().top());
}

TEST(Form2Aide, QuitButtonLook) {
  Form2Aide help;
  auto* button = help.findChild<QPushButton*>("CmdQuitterInfos");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button, help.quitButton());
  EXPECT_EQ(button->text(), "QUITTER LES INFOS");
  EXPECT_EQ(button->geometry(), QRect(256, 688, 169, 25));  // 3840, 10320, 2535, 375 twips
  EXPECT_EQ(button->font().family(), "Arial");
  EXPECT_EQ(button->font().pointSizeF(), 12.0);
  EXPECT_TRUE(button->font().bold());
  EXPECT_TRUE(button->styleSheet().contains("background-color: rgb(128, 255, 128)"));
  EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width());
  // It lies over the label's lower right corner and is what a click there hits.
  EXPECT_TRUE(help.label()->geometry().contains(button->geometry()));
  EXPECT_EQ(help.childAt(button->geometry().center()), button);
}

TEST(Form2Aide, OnlyTheButtonTakesTheFocus) {
  Form2Aide help;
  QList<QWidget*> focusable;
  for (QWidget* child : help.findChildren<QWidget*>()) {
    if (child->focusPolicy() != Qt::NoFocus) focusable << child;
  }
  ASSERT_EQ(focusable.size(), 1);
  EXPECT_EQ(focusable.front(), help.quitButton());
  EXPECT_EQ(help.quitButton()->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
}

// Help windows opened by showHelp, whatever their state.
int helpWindowsAlive() {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (qobject_cast<Form2Aide*>(w) != nullptr) ++count;
  }
  return count;
}

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class ShowHelp : public ::testing::Test {
 protected:
  void SetUp() override {
    area_ = main_.screen()->availableGeometry();
    main_.setWindowTitle("stand-in main window");
  }
  void TearDown() override {
    closeHelp();
    flushDeletes();
    EXPECT_EQ(helpWindowsAlive(), 0);
  }
  // Shows the stand-in main window with its frame at `x`, `y` (screen relative).
  void showMain(int x, int y, int width, int height) {
    main_.resize(width, height);
    main_.move(area_.left() + x, area_.top() + y);
    main_.show();
  }
  // What the placement should give for the main window as it now stands.
  HelpPlacement expected() const {
    const QRect f = main_.frameGeometry();
    const QSize margins = f.size() - main_.geometry().size();
    const WindowRect mainRect{static_cast<float>((f.left() - area_.left()) * 15), static_cast<float>(f.top() * 15),
                              static_cast<float>(f.width() * 15), static_cast<float>(f.height() * 15)};
    const WindowRect helpRect{0, 0, static_cast<float>((426 + margins.width()) * 15),
                              static_cast<float>((715 + margins.height()) * 15)};
    return placeHelpWindow(mainRect, helpRect, static_cast<float>(area_.width() * 15));
  }
  QWidget main_;
  QRect area_;
};

TEST_F(ShowHelp, OpensOneWindowBesideTheMainWindowWithoutBlockingIt) {
  EXPECT_EQ(currentHelpWindow(), nullptr);
  showMain(0, 100, 300, 600);
  const HelpPlacement want = expected();
  showHelp(&main_);
  Form2Aide* help = currentHelpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_TRUE(help->isWindow());
  EXPECT_EQ(help->windowModality(), Qt::NonModal);
  EXPECT_TRUE(main_.isEnabled());
  // Left half with room: joins the main window's right edge, centred on its height.
  EXPECT_EQ(help->frameGeometry().left(), main_.frameGeometry().right() + 1);
  EXPECT_EQ(help->frameGeometry().left(), area_.left() + qRound(want.helpLeft / 15));
  EXPECT_EQ(help->frameGeometry().top(), qRound(want.helpTop / 15));
  EXPECT_EQ(main_.frameGeometry().left(), area_.left());
}

TEST_F(ShowHelp, SecondClickNeitherDuplicatesNorMovesIt) {
  showMain(0, 100, 300, 600);
  showHelp(&main_);
  Form2Aide* first = currentHelpWindow();
  ASSERT_NE(first, nullptr);
  const QPoint where = first->pos();
  main_.move(area_.left() + 40, area_.top() + 150);
  showHelp(&main_);
  EXPECT_EQ(currentHelpWindow(), first);
  EXPECT_EQ(first->pos(), where);
  EXPECT_EQ(helpWindowsAlive(), 1);
  EXPECT_EQ(main_.pos(), QPoint(area_.left() + 40, area_.top() + 150));
}

TEST_F(ShowHelp, MovesTheMainWindowWhenBothDoNotFit) {
  // Left half, too wide for the help window on its right.
  showMain(0, 50, area_.width() - 200, 400);
  const HelpPlacement want = expected();
  ASSERT_LT(want.mainLeft, 0.0f);
  showHelp(&main_);
  Form2Aide* help = currentHelpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(main_.frameGeometry().left(), area_.left() + qRound(want.mainLeft / 15));
  EXPECT_EQ(main_.frameGeometry().top(), 50 + area_.top());
  EXPECT_EQ(help->frameGeometry().left(), area_.left() + qRound(want.helpLeft / 15));
  // The help window ends within a pixel of the screen's right edge.
  EXPECT_NEAR(help->frameGeometry().left() + help->frameGeometry().width(), area_.right() + 1, 1);
}

TEST_F(ShowHelp, QuitButtonHidesThenDestroysIt) {
  showMain(0, 100, 300, 600);
  showHelp(&main_);
  QPointer<Form2Aide> help = currentHelpWindow();
  ASSERT_FALSE(help.isNull());
  help->quitButton()->click();
  ASSERT_FALSE(help.isNull());
  EXPECT_FALSE(help->isVisible());
  EXPECT_EQ(currentHelpWindow(), nullptr);
  flushDeletes();
  EXPECT_TRUE(help.isNull());
  EXPECT_TRUE(main_.isVisible());
}

TEST_F(ShowHelp, CloseBoxAndCloseHelpDestroyIt) {
  showMain(0, 100, 300, 600);
  for (bool viaCloseHelp : {false, true}) {
    showHelp(&main_);
    QPointer<Form2Aide> help = currentHelpWindow();
    ASSERT_FALSE(help.isNull());
    if (viaCloseHelp) {
      closeHelp();
    } else {
      help->close();  // what the title bar's close box does
    }
    EXPECT_EQ(currentHelpWindow(), nullptr);
    flushDeletes();
    EXPECT_TRUE(help.isNull()) << viaCloseHelp;
  }
}

TEST_F(ShowHelp, ReopeningPlacesItBesideTheMainWindowsNewPosition) {
  showMain(0, 100, 300, 600);
  showHelp(&main_);
  ASSERT_NE(currentHelpWindow(), nullptr);
  const int rightOfMain = currentHelpWindow()->frameGeometry().left();
  currentHelpWindow()->quitButton()->click();
  flushDeletes();

  // Now in the right half with room on the left: the help window joins its left edge.
  const int x = area_.width() - 320;
  ASSERT_GE(x, 426 + (main_.frameGeometry().width() - main_.width()));
  main_.move(area_.left() + x, area_.top() + 30);
  const HelpPlacement want = expected();
  showHelp(&main_);
  Form2Aide* help = currentHelpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_NE(help->frameGeometry().left(), rightOfMain);
  EXPECT_EQ(help->frameGeometry().right() + 1, main_.frameGeometry().left());
  EXPECT_EQ(help->frameGeometry().left(), area_.left() + qRound(want.helpLeft / 15));
  EXPECT_EQ(help->frameGeometry().top(), qRound(want.helpTop / 15));
  EXPECT_EQ(main_.frameGeometry().left(), area_.left() + x);
  EXPECT_EQ(helpWindowsAlive(), 1);
}

// The main window's close box ends the program: the help window goes with it.
TEST(HelpWithMainWindow, ClosingTheMainWindowClosesTheHelpWindow) {
  testing::FakePlatform platform;
  auto* form = new Form1(platform);
  form->setAttribute(Qt::WA_DeleteOnClose);
  QPointer<Form1> alive = form;
  form->show();
  form->CmdInfos->click();
  QPointer<Form2Aide> help = currentHelpWindow();
  ASSERT_FALSE(help.isNull());
  EXPECT_TRUE(help->isVisible());
  form->close();
  flushDeletes();
  EXPECT_TRUE(alive.isNull());
  EXPECT_TRUE(help.isNull() || !help->isVisible());
  EXPECT_EQ(currentHelpWindow(), nullptr);
  closeHelp();
  flushDeletes();
}

}  // namespace
}  // namespace gears
