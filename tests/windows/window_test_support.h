#pragma once
// Support shared by the window tests: a main window that does not end the
// test program, whole-file helpers, the literal loops that give the expected
// results files and list lines, and the checks every refusal shares.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <unistd.h>
#include <utility>
#include <vector>

#include "fake_platform.h"
#include "search/checks.h"
#include "windows/form1.h"

namespace gears::testing {

// Counts the end of the program instead of ending it.
class RecordingForm1 : public Form1 {
 public:
  using Form1::Form1;
  void endProgram() override { ++ends; }
  int ends = 0;
};

// A main window on the scripted platform, writing into a folder of its own.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    platform.directory = dir.path();
  }
  QTemporaryDir dir;
  FakePlatform platform;
  RecordingForm1 form{platform};
};

// The whole file; empty when it cannot be read.
inline QByteArray readAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

inline bool writeAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A value as the files and the list write it.
inline QString numberText(double v) { return QString::number(v, 'g', 15); }

// One results file line: " a ; b ; c ; d ; ratio " and CR LF.
template <class Wheels>
QByteArray fileLine(const Wheels& wheels, double ratio) {
  QStringList fields;
  for (double w : wheels) fields << " " + numberText(w) + " ";
  fields << " " + numberText(ratio) + " ";
  return fields.join(';').toLatin1() + "\r\n";
}

// Each line followed by a line feed, as a list box shows them.
inline QString listOf(const QStringList& lines) {
  QString out;
  for (const QString& line : lines) out += line + "\n";
  return out;
}

// ---- Literal searches, formatted the simple way -----------------------------

struct Reference {
  QByteArray file;   // the whole results file
  QStringList list;  // every solution's list line
};

// Keeps the trains within the deviation, in the order they come.
struct ReferenceCollector {
  double r, t;
  bool six;
  Reference ref;
  void take(std::initializer_list<double> wheels, double ratio) {
    if (!(std::fabs(r - ratio) <= t)) return;
    ref.file += fileLine(wheels, ratio);
    QStringList cells;
    for (double w : wheels) cells << numberText(w);
    if (!six) cells << "" << "";
    cells << numberText(ratio);
    ref.list << cells.join('\t');
  }
};

// Every train of whole tooth counts from lo to hi, in nested-loop order.
inline Reference literalContinuous(bool six, double r, double t, double lo, double hi) {
  ReferenceCollector c{r, t, six, {}};
  for (double a = lo; a <= hi; ++a)
    for (double b = lo; b <= hi; ++b)
      for (double cc = lo; cc <= hi; ++cc)
        for (double d = lo; d <= hi; ++d) {
          if (!six) {
            c.take({a, b, cc, d}, cc * a / b / d);
            continue;
          }
          for (double e = lo; e <= hi; ++e)
            for (double f = lo; f <= hi; ++f) c.take({a, b, cc, d, e, f}, cc * a * e / b / d / f);
        }
  return c.ref;
}

// Every ordered choice of four (six) different entries, in ascending order of
// their indices.
inline Reference literalCollection(bool six, double r, double t, const std::vector<double>& v) {
  ReferenceCollector c{r, t, six, {}};
  const int n = static_cast<int>(v.size());
  std::vector<int> k(six ? 6 : 4);
  auto used = [&](int depth, int x) { return std::find(k.begin(), k.begin() + depth, x) != k.begin() + depth; };
  std::function<void(int)> pick = [&](int depth) {
    if (depth == static_cast<int>(k.size())) {
      if (six) {
        c.take({v[k[0]], v[k[1]], v[k[2]], v[k[3]], v[k[4]], v[k[5]]},
               v[k[2]] * v[k[0]] * v[k[4]] / v[k[1]] / v[k[3]] / v[k[5]]);
      } else {
        c.take({v[k[0]], v[k[1]], v[k[2]], v[k[3]]}, v[k[2]] * v[k[0]] / v[k[1]] / v[k[3]]);
      }
      return;
    }
    for (int x = 0; x < n; ++x) {
      if (used(depth, x)) continue;
      k[depth] = x;
      pick(depth + 1);
    }
  };
  pick(0);
  return c.ref;
}

// ---- The window -------------------------------------------------------------

inline void typeParameters(Form1& form, const QString& ratio, const QString& deviation, const QString& mini,
                           const QString& maxi, const QString& limit) {
  form.Text5_rapport->setText(ratio);
  form.Text2_ecart->setText(deviation);
  form.Text3_mini->setText(mini);
  form.Text4_maxi->setText(maxi);
  form.Text8_limite->setText(limit);
}

inline void chooseSix(Form1& form, bool six) {
  form.Option1->setChecked(!six);
  form.Option2->setChecked(six);
}

// Exactly the fields of the mask red, the others grey.
inline void expectRedFields(const Form1& form, unsigned red) {
  const std::pair<unsigned, QLineEdit*> fields[] = {{kRapport, form.Text5_rapport},
                                                     {kEcart, form.Text2_ecart},
                                                     {kMini, form.Text3_mini},
                                                     {kMaxi, form.Text4_maxi},
                                                     {kLimite, form.Text8_limite}};
  for (const auto& [bit, field] : fields)
    EXPECT_EQ(textColour(field), (red & bit) ? colours::red : colours::grey) << field->objectName().toStdString();
}

// Clicks every calculation and collection button while the run `start` begins
// goes on; gives the number of clicks made.
inline int clickEveryButtonDuringTheRun(Form1& form, QPushButton* start) {
  int clicks = 0;
  QTimer::singleShot(0, &form, [&] {
    ASSERT_TRUE(form.runInProgress);
    for (QPushButton* b : {form.Cmd1_calcul, form.Cmd2_calcul, form.CmdChoixRoues, form.CmdRappel}) {
      b->click();
      ++clicks;
    }
  });
  start->click();
  return clicks;
}

// ---- Files that cannot be written --------------------------------------------

// Something put at a file's path that makes its writing fail, with the
// description the message box gives.
struct FileObstacle {
  const char* name;
  std::function<bool(const QString&)> place;
  const char* description;
};

inline std::vector<FileObstacle> fileObstacles() {
  return {
      {"folder", [](const QString& p) { return QDir().mkdir(p); }, "Un dossier porte le nom du fichier"},
      {"full disk", [](const QString& p) { return ::symlink("/dev/full", QFile::encodeName(p).constData()) == 0; },
       "Disque plein"},
  };
}

// A run whose results file could not be written: one message box on the
// window, the red message still, no beep, the run over, and the label that
// no file was made only in the collection series.
inline void expectResultsNotWritten(const Form1& form, const FakePlatform& platform, const QString& message,
                                    bool collection) {
  ASSERT_EQ(platform.messageTexts(), QStringList{message});
  EXPECT_EQ(platform.messages[0].parent, &form);
  EXPECT_EQ(form.Text7_message->text(), "FICHIER NON ECRIT");
  EXPECT_FALSE(form.Text7_message->isHidden());
  EXPECT_EQ(textColour(form.Text7_message), colours::red);
  EXPECT_FALSE(form.Timer1_message->isActive());
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_TRUE(form.Text1_nb_solutions->isHidden());
  EXPECT_EQ(form.LblPasFichier->isHidden(), !collection) << "no part of the continuous series";
  EXPECT_FALSE(form.runInProgress);
}

// Takes away whichever obstacle stands at the path.
inline bool removeObstacle(const QString& path) {
  return QFileInfo(path).isSymLink() ? QFile::remove(path) : QDir().rmdir(path);
}

}  // namespace gears::testing
