// Whole continuous-series clicks through the window: the results file byte
// for byte against literal loops, the list, the total, the elapsed time, the
// thirteen refusals with their red fields, quitting and clicking during a run,
// and results files that cannot be written.
#include <QFile>
#include <QRegularExpression>
#include <QTimer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

#include "fake_platform.h"
#include "window_test_support.h"
#include "search/checks.h"
#include "search/continuous_search.h"
#include "windows/form1.h"

namespace gears {
namespace {

using testing::fileLine;
using testing::literalContinuous;
using testing::listOf;
using testing::readAll;
using testing::RecordingForm1;
using testing::Reference;

class Flow : public testing::WindowTest {
 protected:
  void type(const char* ratio, const char* deviation, const char* mini, const char* maxi, const char* limit) {
    testing::typeParameters(form, ratio, deviation, mini, maxi, limit);
  }
  void chooseSix(bool six) { testing::chooseSix(form, six); }
  // A table row's parameters typed in the window of its size, then CALCUL.
  template <class Case>
  void clickCalcul(const Case& c) {
    chooseSix(c.six);
    type(c.ratio, c.deviation, c.mini, c.maxi, c.limit);
    form.Cmd1_calcul->click();
  }
  QString path(bool six) const { return dir.filePath(six ? "rapports_orbanelles6.txt" : "rapports_orbanelles4.txt"); }
};

// ---------------------------------------------------------------- whole runs

struct RunCase {
  const char* name;
  bool six;
  const char *ratio, *deviation, *mini, *maxi, *limit;
  int count;
  int listed;
  QStringList firstLines;  // as given in the description of the searches
};

class ContinuousRun : public Flow, public ::testing::WithParamInterface<RunCase> {};

TEST_P(ContinuousRun, FileListTotalAndEndState) {
  const RunCase& c = GetParam();
  clickCalcul(c);

  const Reference ref = literalContinuous(c.six, std::atof(c.ratio), std::fabs(std::atof(c.deviation)),
                                          std::atoi(c.mini), std::atoi(c.maxi));
  ASSERT_EQ(ref.list.size(), c.count);
  EXPECT_EQ(readAll(path(c.six)), ref.file);
  EXPECT_EQ(form.Text6_résultats->toPlainText(), listOf(ref.list.mid(0, c.listed)));
  for (int i = 0; i < c.firstLines.size(); ++i) EXPECT_EQ(ref.list.value(i), c.firstLines[i]) << i;
  EXPECT_EQ(form.Text1_nb_solutions->text(), QString::number(c.count));
  EXPECT_FALSE(form.Text1_nb_solutions->isHidden());
  EXPECT_FALSE(form.Text6_résultats->isHidden());

  EXPECT_EQ(form.Text7_message->text(), "FICHIER ECRIT");
  EXPECT_EQ(textColour(form.Text7_message), colours::cyan);
  EXPECT_FALSE(form.Timer1_message->isActive());
  EXPECT_TRUE(form.Timer2_indique->isActive());
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(form.Text9_adresse->text(), path(c.six));
  EXPECT_FALSE(form.Text9_adresse->isHidden());
  EXPECT_FALSE(form.Text10_indique->isHidden());
  EXPECT_FALSE(form.Label7->isHidden());
  EXPECT_FALSE(form.Label20_liste_rapport->isHidden());
  for (QLabel* l : {form.Label21_roue_a, form.Label22_roue_b, form.Label23_roue_c, form.Label24_roue_d})
    EXPECT_FALSE(l->isHidden());
  EXPECT_EQ(form.Label26_roue_e->isHidden(), !c.six);
  EXPECT_EQ(form.Label27_roue_f->isHidden(), !c.six);
  EXPECT_EQ(buttonColour(form.Cmd1_calcul), colours::cyan);
  EXPECT_EQ(buttonColour(form.Cmd2_calcul), colours::teal);
  EXPECT_EQ(buttonColour(form.CmdChoixRoues), colours::teal);
  EXPECT_FALSE(form.runInProgress);
  // The other series' file is not touched.
  EXPECT_FALSE(QFile::exists(path(!c.six)));
}

INSTANTIATE_TEST_SUITE_P(
    Window, ContinuousRun,
    ::testing::Values(
        RunCase{"FourHalf", false, "0.5", "0", "20", "40", "3", 164, 3,
                {"20\t20\t20\t40\t\t\t0.5", "20\t21\t21\t40\t\t\t0.5", "20\t22\t22\t40\t\t\t0.5"}},
        RunCase{"FourHalfLimit0", false, "0.5", "0", "20", "40", "0", 164, 0, {}},
        RunCase{"FourHalfNegativeLimit", false, "0.5", "0", "20", "40", "-4", 164, 0, {}},
        RunCase{"FourOne", false, "1", "0", "20", "21", "2048", 6, 6,
                {"20\t20\t20\t20\t\t\t1", "20\t20\t21\t21\t\t\t1", "20\t21\t21\t20\t\t\t1",
                 "21\t20\t20\t21\t\t\t1", "21\t21\t20\t20\t\t\t1", "21\t21\t21\t21\t\t\t1"}},
        RunCase{"FourNone", false, "1.03", "0", "20", "21", "5", 0, 0, {}},
        RunCase{"SixOne", true, "1", "0.0001", "20", "21", "1638", 20, 20,
                {"20\t20\t20\t20\t20\t20\t1", "20\t20\t20\t20\t21\t21\t1"}},
        RunCase{"SixOneLimit3", true, "1", "0.0001", "20", "21", "3", 20, 3, {}},
        RunCase{"SixOneLimit5", true, "1", "0.0001", "20", "21", "5", 20, 5, {}},
        RunCase{"SixOneLimit0", true, "1", "0.0001", "20", "21", "0", 20, 0, {}},
        RunCase{"SixSquare", true, "1.1025", "0.00001", "20", "21", "10", 6, 6, {"20\t20\t21\t20\t21\t20\t1.1025"}},
        RunCase{"SixSingle", true, "1", "0", "20", "20", "1", 1, 1, {"20\t20\t20\t20\t20\t20\t1"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The last of the twenty six-wheel solutions, and the exact bytes of its file.
TEST_F(Flow, SixWheelFileExactBytes) {
  chooseSix(true);
  type("1", "0.0001", "20", "21", "1638");
  form.Cmd1_calcul->click();
  const QByteArray file = readAll(path(true));
  EXPECT_EQ(file.size(), 20 * 35);
  EXPECT_TRUE(file.startsWith(" 20 ; 20 ; 20 ; 20 ; 20 ; 20 ; 1 \r\n 20 ; 20 ; 20 ; 20 ; 21 ; 21 ; 1 \r\n"));
  EXPECT_TRUE(file.endsWith(" 21 ; 21 ; 21 ; 21 ; 21 ; 21 ; 1 \r\n"));
  EXPECT_TRUE(form.Text6_résultats->toPlainText().endsWith("21\t21\t21\t21\t21\t21\t1\n"));
}

// A second run replaces the first file completely, and a third of the other
// size leaves it alone.
TEST_F(Flow, SecondRunReplacesTheFile) {
  type("0.5", "0", "20", "40", "1");
  form.Cmd1_calcul->click();
  type("1", "0", "20", "21", "1");
  form.Cmd1_calcul->click();
  EXPECT_EQ(readAll(path(false)), literalContinuous(false, 1, 0, 20, 21).file);
  EXPECT_EQ(form.Text1_nb_solutions->text(), "6");
  EXPECT_EQ(form.Text6_résultats->toPlainText(), "20\t20\t20\t20\t\t\t1\n");
}

// With a comma as the decimal symbol the list and the file write commas; the
// deviation typed with a point keeps its value (it is not cut at the comma of
// its own text form, which would accept exact ratios only).
TEST_F(Flow, CommaDecimalSymbol) {
  platform.decimal = ",";
  type("0.5", "0.001", "20", "40", "1");
  form.Cmd1_calcul->click();
  const Reference ref = literalContinuous(false, 0.5, 0.001, 20, 40);
  ASSERT_GT(ref.list.size(), 164);
  EXPECT_EQ(form.Text1_nb_solutions->text(), QString::number(ref.list.size()));
  EXPECT_EQ(form.Text6_résultats->toPlainText(), QString(ref.list[0]).replace('.', ',') + "\n");
  QByteArray expected = ref.file;
  EXPECT_EQ(readAll(path(false)), expected.replace('.', ','));
}

// ---------------------------------------------------------------- elapsed time

struct ElapsedCase {
  double start, end;
  const char *hours, *minutes, *seconds;
};

TEST_F(Flow, ElapsedTimeFromTheClock) {
  const ElapsedCase cases[] = {
      {0, 3725.5, "1", "2", "5"},   {100, 100, "0", "0", "0"},       {0, 59.9, "0", "0", "59"},
      {10, 70, "0", "1", "0"},      {50000, 53599, "0", "59", "59"}, {0, 36000, "10", "0", "0"},
  };
  type("1", "0", "20", "20", "1");
  for (const ElapsedCase& c : cases) {
    platform.clockReadings = {c.start, c.end};
    form.Cmd1_calcul->click();
    EXPECT_TRUE(platform.clockReadings.empty()) << "the clock is read once at the start and once at the end";
    EXPECT_EQ(form.TxtTpsPasseH->text(), c.hours) << c.end;
    EXPECT_EQ(form.TxtTpsPasseM->text(), c.minutes) << c.end;
    EXPECT_EQ(form.TxtTpsPasseS->text(), c.seconds) << c.end;
  }
}

// A failed check leaves the elapsed time of the last run on screen.
TEST_F(Flow, FailedCheckKeepsTheElapsedTime) {
  platform.clockReadings = {0, 3725.5};
  type("1", "0", "20", "20", "1");
  form.Cmd1_calcul->click();
  form.Text3_mini->setText("2");
  form.Cmd1_calcul->click();
  EXPECT_EQ(form.Text7_message->text(), "MINI < 3");
  EXPECT_EQ(form.TxtTpsPasseH->text() + form.TxtTpsPasseM->text() + form.TxtTpsPasseS->text(), "125");
}

// ---------------------------------------------------------------- the checks

struct CheckCase {
  const char* name;
  bool six;
  const char *ratio, *deviation, *mini, *maxi, *limit;
  const char* message;
  unsigned red;  // FieldMask bits
};

class ContinuousCheck : public Flow, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(ContinuousCheck, MessageRedFieldsAndCorrection) {
  const CheckCase& c = GetParam();
  clickCalcul(c);

  EXPECT_EQ(form.Text7_message->text(), QString::fromUtf8(c.message));
  EXPECT_FALSE(form.Text7_message->isHidden());
  EXPECT_EQ(textColour(form.Text7_message), colours::red);
  testing::expectRedFields(form, c.red);
  for (QLabel* l : {form.Label21_roue_a, form.Label22_roue_b, form.Label23_roue_c, form.Label24_roue_d,
                    form.Label26_roue_e, form.Label27_roue_f, form.Label20_liste_rapport, form.Label7, form.Label20})
    EXPECT_TRUE(l->isHidden()) << l->objectName().toStdString();
  for (QWidget* w : std::initializer_list<QWidget*>{form.Text1_nb_solutions, form.Text6_résultats,
                                                    form.Text9_adresse, form.Text10_indique})
    EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
  EXPECT_FALSE(form.Text8_limite->isHidden());
  EXPECT_FALSE(form.Label25_limite->isHidden());
  EXPECT_FALSE(form.Timer1_message->isActive());
  EXPECT_EQ(buttonColour(form.Cmd1_calcul), colours::cyan);
  EXPECT_EQ(buttonColour(form.Cmd2_calcul), colours::teal);
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(QFile::exists(path(c.six))) << "no file for a refused click";

  // Corrected fields: every red goes at the next click.
  type("1", "0", "20", "20", "1");
  form.Cmd1_calcul->click();
  EXPECT_EQ(form.Text7_message->text(), "FICHIER ECRIT");
  testing::expectRedFields(form, kNoField);
}

constexpr unsigned kRange = kMini | kMaxi;

INSTANTIATE_TEST_SUITE_P(
    Window, ContinuousCheck,
    ::testing::Values(
        CheckCase{"Four1", false, "0.0003", "0", "20", "20", "1", "RAPPORT - PRECISION < 0.00032", kRapport},
        CheckCase{"Four1Comma", false, "0,5", "0", "20", "20", "1", "RAPPORT - PRECISION < 0.00032", kRapport},
        CheckCase{"Four1Empty", false, "", "0", "2", "1", "x", "RAPPORT - PRECISION < 0.00032", kRapport},
        CheckCase{"Four2", false, "3098", "0.8", "20", "20", "1", "RAPPORT + PRECISION > 3098", kRapport},
        CheckCase{"Four3", false, "1", "0", "3.5", "20", "1", "MINI ENTIER", kMini},
        CheckCase{"Four4", false, "1", "0", "2", "20", "1", "MINI < 3", kMini},
        CheckCase{"Four4Empty", false, "1", "0", "", "20", "1", "MINI < 3", kMini},
        CheckCase{"Four5", false, "1", "0", "20", "40.5", "1", "MAXI ENTIER", kMaxi},
        CheckCase{"Four6", false, "1", "0", "40", "20", "1", "MAXI  <  MINI", kRange},
        CheckCase{"Four7", false, "1", "0", "3", "401", "1", "MAXI > 400", kMaxi},
        CheckCase{"Four8", false, "1", "0", "3", "168", "1", "ECART DENTS > 164", kRange},
        CheckCase{"Four9", false, "1", "0.0500001", "20", "20", "1", "PAS ASSEZ PRECIS", kEcart},
        CheckCase{"Four9Negative", false, "1", "-0.06", "20", "20", "1", "PAS ASSEZ PRECIS", kEcart},
        CheckCase{"Four10", false, "1", "0", "20", "20", "12.5", "NB SOLUTIONS ENTIER", kLimite},
        CheckCase{"Four11", false, "1", "0", "20", "20", "2049", "NB SOLUTIONS A L'ECRAN  > 2048", kLimite},
        CheckCase{"Four12", false, "0.2", "0.001", "20", "40", "1", "PAS DE SOLUTION", kRapport},
        CheckCase{"Four13", false, "4.5", "0.001", "20", "40", "1", "PAS DE SOLUTION", kRapport},
        CheckCase{"Six1", true, "0.00075", "0", "20", "20", "1", "RAPPORT - PRECISION < 0.00075", kRapport},
        CheckCase{"Six2", true, "1331", "0.5", "20", "20", "1", "RAPPORT + PRECISION > 1331", kRapport},
        CheckCase{"Six3", true, "1", "0", "20.25", "20", "1", "MINI ENTIER", kMini},
        CheckCase{"Six4", true, "1", "0", "-3", "20", "1", "MINI < 3", kMini},
        CheckCase{"Six5", true, "1", "0", "20", "20.5", "1", "MAXI ENTIER", kMaxi},
        CheckCase{"Six6", true, "1", "0", "21", "20", "1", "MAXI  <  MINI", kRange},
        CheckCase{"Six7", true, "1", "0", "390", "401", "1", "MAXI > 400", kMaxi},
        CheckCase{"Six8", true, "1", "0", "3", "34", "1", "ECART DENTS > 30", kRange},
        CheckCase{"Six9", true, "1", "0.0500001", "20", "20", "1", "PAS ASSEZ PRECIS", kEcart},
        CheckCase{"Six10", true, "1", "0", "20", "20", "0.5", "NB SOLUTIONS ENTIER", kLimite},
        CheckCase{"Six11", true, "1", "0", "20", "20", "2048", "NB SOLUTIONS A L'ECRAN > 1638", kLimite},
        CheckCase{"Six12", true, "0.1", "0.001", "20", "40", "1", "PAS DE SOLUTION", kRapport},
        CheckCase{"Six13", true, "9", "0.001", "20", "40", "1", "PAS DE SOLUTION", kRapport}),
    [](const auto& info) { return std::string(info.param.name); });

// Neither option button set counts as four wheels.
TEST_F(Flow, NeitherOptionRunsFourWheels) {
  form.trainSizeGroup->setExclusive(false);
  form.Option1->setChecked(false);
  form.Option2->setChecked(false);
  type("1", "0", "20", "21", "0");
  form.Cmd1_calcul->click();
  EXPECT_EQ(form.Text1_nb_solutions->text(), "6");
  EXPECT_TRUE(QFile::exists(path(false)));
}

// A refused click after a good run hides the list, the total and the path, but
// leaves the earlier results file as it was.
TEST_F(Flow, FailedClickAfterARunKeepsTheFile) {
  type("1", "0", "20", "21", "6");
  form.Cmd1_calcul->click();
  const QByteArray before = readAll(path(false));
  ASSERT_EQ(before.count("\r\n"), 6);
  const QString list = form.Text6_résultats->toPlainText();

  form.Text3_mini->setText("2");
  form.Cmd1_calcul->click();
  EXPECT_EQ(form.Text7_message->text(), "MINI < 3");
  EXPECT_EQ(readAll(path(false)), before);
  for (QWidget* w : std::initializer_list<QWidget*>{form.Text6_résultats, form.Text1_nb_solutions, form.Label7,
                                                    form.Text9_adresse, form.Text10_indique})
    EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
  EXPECT_EQ(form.Text6_résultats->toPlainText(), list) << "only hidden, not emptied";
  EXPECT_EQ(platform.beeps, 1);
}

// ---------------------------------------------------------------- during a run

// Every whole line of the file: " n ; n ; n ; n ; ratio " and CR LF.
bool wholeLines(const QByteArray& file, int wheels) {
  if (!file.isEmpty() && !file.endsWith("\r\n")) return false;
  QString pattern = "^";
  for (int i = 0; i < wheels; ++i) pattern += " \\d+ ;";
  pattern += " [0-9.e+-]+ $";
  const QRegularExpression line(pattern);
  const QList<QByteArray> lines = file.split('\n');
  for (int i = 0; i + 1 < lines.size(); ++i) {
    if (!lines[i].endsWith('\r') || !line.match(QString::fromLatin1(lines[i].chopped(1))).hasMatch()) return false;
  }
  return true;
}

// The complete results file of a search, from the search itself.
template <int N>
QByteArray completeFile(double r, double t, double lo, double hi) {
  QByteArray file;
  auto sink = [&](const Train<N>& train) {
    file += fileLine(train.wheels, train.ratio);
    return true;
  };
  if constexpr (N == 4) {
    searchContinuous4(r, t, lo, hi, sink, [] { return true; });
  } else {
    searchContinuous6(r, t, lo, hi, sink, [] { return true; });
  }
  return file;
}

// Quitting while a long search runs: the search stops at its next yield, the
// file keeps the whole lines found so far, nothing says the file was written,
// and the program ends.
TEST_F(Flow, QuitDuringARun) {
  const struct {
    const char* name;
    std::function<void(RecordingForm1&)> quit;
  } ways[] = {
      {"QUITTER", [](RecordingForm1& f) { f.Cmd2_quitter->click(); }},
      {"requestQuit", [](RecordingForm1& f) { f.requestQuit(); }},
      {"close box", [](RecordingForm1& f) { f.close(); }},
  };
  // The longest search there is (31^6 trains), with a few hundred solutions.
  const QByteArray complete = completeFile<6>(0.7071, 0.00001, 3, 33);
  for (const auto& way : ways) {
    SCOPED_TRACE(way.name);
    testing::FakePlatform p;
    p.directory = dir.path();
    RecordingForm1 f{p};
    f.show();
    f.Option2->setChecked(true);
    f.Text5_rapport->setText("0.7071");
    f.Text2_ecart->setText("0.00001");
    f.Text3_mini->setText("3");
    f.Text4_maxi->setText("33");
    f.Text8_limite->setText("5");
    bool wasRunning = false;
    // The first timer fires in the run start's yield; the one it arms, at the
    // search's first yield to the window.
    QTimer::singleShot(0, &f, [&] {
      QTimer::singleShot(0, &f, [&] {
        wasRunning = f.runInProgress;
        way.quit(f);
      });
    });
    f.Cmd1_calcul->click();
    EXPECT_TRUE(wasRunning);
    EXPECT_EQ(f.ends, 1);
    EXPECT_TRUE(f.quitRequested);
    EXPECT_FALSE(f.runInProgress);
    EXPECT_NE(f.Text7_message->text(), "FICHIER ECRIT");
    EXPECT_EQ(p.beeps, 0);
    EXPECT_TRUE(p.messages.empty());
    const QByteArray file = readAll(dir.filePath("rapports_orbanelles6.txt"));
    EXPECT_TRUE(wholeLines(file, 6));
    EXPECT_TRUE(complete.startsWith(file)) << "the solutions found before quitting, in order";
    EXPECT_LT(file.size(), complete.size()) << "the run stopped before its end";
  }
}

// What the window shows while a run goes on, seen from its first yield.
TEST_F(Flow, StateDuringARun) {
  platform.clockReadings = {0, 3725.5};
  type("1", "0", "20", "20", "1");
  form.Cmd1_calcul->click();  // leaves an elapsed time and a list to be emptied
  chooseSix(true);
  type("1", "0.0001", "20", "21", "5");
  bool seen = false;
  QTimer::singleShot(0, &form, [&] {
    seen = true;
    EXPECT_EQ(form.Text7_message->text(), "PATIENTEZ");
    EXPECT_FALSE(form.Text7_message->isHidden());
    EXPECT_EQ(textColour(form.Text7_message), colours::green);
    EXPECT_TRUE(form.Timer1_message->isActive());
    EXPECT_FALSE(form.Text6_résultats->isHidden());
    EXPECT_EQ(form.Text6_résultats->toPlainText(), "");
    EXPECT_EQ(form.TxtTpsPasseH->text() + form.TxtTpsPasseM->text() + form.TxtTpsPasseS->text(), "");
    for (QLabel* l : {form.Label20_liste_rapport, form.Label21_roue_a, form.Label22_roue_b, form.Label23_roue_c,
                      form.Label24_roue_d, form.Label26_roue_e, form.Label27_roue_f})
      EXPECT_FALSE(l->isHidden()) << l->objectName().toStdString();
    EXPECT_TRUE(form.Text1_nb_solutions->isHidden());
    EXPECT_TRUE(form.Text9_adresse->isHidden());
  });
  form.Cmd1_calcul->click();
  EXPECT_TRUE(seen);
  EXPECT_EQ(form.Text1_nb_solutions->text(), "20");
}

// Quitting as the run starts: the file is created, and not one line is
// written after the click.
TEST_F(Flow, QuitAtTheRunStartWritesNothing) {
  chooseSix(true);
  type("1", "0.0001", "20", "21", "5");
  QTimer::singleShot(0, &form, [&] { form.Cmd2_quitter->click(); });
  form.Cmd1_calcul->click();
  EXPECT_EQ(form.ends, 1);
  EXPECT_TRUE(QFile::exists(path(true)));
  EXPECT_EQ(readAll(path(true)), "");
  EXPECT_EQ(form.Text6_résultats->toPlainText(), "");
  EXPECT_EQ(platform.beeps, 0);
}

// Clicks on any collection or calculation button during a run are ignored:
// one run at a time, its file complete, nothing asked or shown.
TEST_F(Flow, ClicksDuringARunAreIgnored) {
  form.show();
  form.TxtListe->setPlainText("kept");
  type("0.7071", "0.00001", "20", "120", "5");
  EXPECT_EQ(testing::clickEveryButtonDuringTheRun(form, form.Cmd1_calcul), 4);
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_TRUE(platform.prompts.empty());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(form.TxtListe->toPlainText(), "kept");
  EXPECT_EQ(buttonColour(form.Cmd1_calcul), colours::cyan);
  EXPECT_EQ(buttonColour(form.Cmd2_calcul), colours::teal);
  EXPECT_EQ(form.Text7_message->text(), "FICHIER ECRIT");
  EXPECT_EQ(readAll(path(false)), completeFile<4>(0.7071, 0.00001, 20, 120));
  EXPECT_FALSE(QFile::exists(dir.filePath("serie_orbanelles4.txt")));
}

// ---------------------------------------------------------------- file failures

TEST_F(Flow, ResultsFileThatCannotBeWritten) {
  for (bool six : {false, true}) {
    for (const testing::FileObstacle& o : testing::fileObstacles()) {
      SCOPED_TRACE(std::string(o.name) + (six ? " six" : " four"));
      const QString target = path(six);
      QFile::remove(target);
      ASSERT_TRUE(o.place(target));
      chooseSix(six);
      type("1", "0.0001", "20", "21", "3");
      platform.messages.clear();
      platform.beeps = 0;
      form.Cmd1_calcul->click();

      ASSERT_NO_FATAL_FAILURE(
          testing::expectResultsNotWritten(form, platform, QString::fromUtf8(o.description) + "\n" + target, false));

      // Once the cause is gone the next run works.
      ASSERT_TRUE(testing::removeObstacle(target));
      platform.messages.clear();
      form.Cmd1_calcul->click();
      EXPECT_TRUE(platform.messages.empty());
      EXPECT_EQ(form.Text7_message->text(), "FICHIER ECRIT");
      EXPECT_EQ(textColour(form.Text7_message), colours::cyan);
      EXPECT_EQ(readAll(target), literalContinuous(six, 1, 0.0001, 20, 21).file);
    }
  }
}

// A disk that fills during a long run: the run stops at the failed write and
// says so; the lines already listed stay on screen.
TEST_F(Flow, DiskFullDuringALongRun) {
  ASSERT_EQ(::symlink("/dev/full", QFile::encodeName(path(false)).constData()), 0);
  type("1", "0.05", "3", "60", "2");  // megabytes of solutions
  form.Cmd1_calcul->click();
  ASSERT_NO_FATAL_FAILURE(testing::expectResultsNotWritten(form, platform, "Disque plein\n" + path(false), false));
  EXPECT_EQ(form.Text6_résultats->toPlainText(), "3\t3\t3\t3\t\t\t1\n3\t3\t4\t4\t\t\t1\n");
  EXPECT_TRUE(form.Text9_adresse->isHidden());
}

}  // namespace
}  // namespace gears
