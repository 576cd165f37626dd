// Bad input through the window: hostile parameter texts in every field,
// damaged or odd collection files, results and collection files that cannot
// be written, and a soak of many short runs. Every outcome is compared with a
// simple reference: the message the checks give for the value as read, or
// the whole results file and list of a literal search.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "common/decimal_reader.h"
#include "fake_platform.h"
#include "window_test_support.h"
#include "search/checks.h"
#include "windows/form1.h"

namespace gears {
namespace {

using testing::literalCollection;
using testing::literalContinuous;
using testing::numberText;
using testing::readAll;
using testing::Reference;
using testing::writeAll;

// Readable failure output.
std::string str(const QString& text) { return text.toStdString(); }
std::string str(const QStringList& texts) { return texts.join(QStringLiteral(" | ")).toStdString(); }

// The list as the window shows it with this limit.
QString listText(const Reference& o, double limit) {
  QString text;
  for (int i = 0; i < o.list.size() && i + 1 < limit + 1; ++i) text += o.list[i] + "\n";
  return text;
}

// ---- The checks as the table states them, on the values as read ----------

struct Verdict {
  QString message;  // empty: the search runs
  unsigned red = kNoField;
};

bool notWhole(double x) { return x - std::floor(x) != 0; }

// The ratio checks both series begin with.
Verdict ratioVerdict(double r, double e, bool six) {
  if (r - e < (six ? 0.000751314801 : 0.000322707878))
    return {six ? "RAPPORT - PRECISION < 0.00075" : "RAPPORT - PRECISION < 0.00032", kRapport};
  if (r + e > (six ? 1331 : 3098.7777777777))
    return {six ? "RAPPORT + PRECISION > 1331" : "RAPPORT + PRECISION > 3098", kRapport};
  return {};
}

// The tooth range; the collection's messages name the file.
Verdict rangeVerdict(double lo, double hi, const QString& suffix) {
  if (notWhole(lo)) return {"MINI ENTIER" + suffix, kMini};
  if (lo < 3) return {"MINI < 3" + suffix, kMini};
  if (notWhole(hi)) return {"MAXI ENTIER" + suffix, kMaxi};
  if (hi < lo) return {"MAXI  <  MINI" + suffix, kMini | kMaxi};
  if (hi > 400) return {"MAXI > 400" + suffix, kMaxi};
  return {};
}

// The precision and the limit, checked after the tooth counts in both series.
Verdict precisionAndLimitVerdict(double r, double e, const std::string& limit, bool six) {
  if (e > 0.05 * r) return {"PAS ASSEZ PRECIS", kEcart};
  const double n = readDecimal(limit);
  if (notWhole(n)) return {"NB SOLUTIONS ENTIER", kLimite};
  if (n > (six ? 1638 : 2048))
    return {six ? "NB SOLUTIONS A L'ECRAN > 1638" : "NB SOLUTIONS A L'ECRAN  > 2048", kLimite};
  return {};
}

Verdict continuousVerdict(const FieldTexts& f, bool six) {
  const double r = readDecimal(f.rapport), e = std::fabs(readDecimal(f.ecart));
  const double lo = readDecimal(f.mini), hi = readDecimal(f.maxi);
  if (Verdict v = ratioVerdict(r, e, six); !v.message.isEmpty()) return v;
  if (Verdict v = rangeVerdict(lo, hi, ""); !v.message.isEmpty()) return v;
  if (hi - lo > (six ? 30 : 164)) return {six ? "ECART DENTS > 30" : "ECART DENTS > 164", kMini | kMaxi};
  if (Verdict v = precisionAndLimitVerdict(r, e, f.limite, six); !v.message.isEmpty()) return v;
  const double low = six ? lo * lo * lo / hi / hi / hi : lo * lo / hi / hi;
  const double high = six ? hi * hi * hi / lo / lo / lo : hi * hi / lo / lo;
  if (low > r || high < r) return {"PAS DE SOLUTION", kRapport};
  return {};
}

// The range of a collection is kept in single precision.
Verdict collectionVerdict(const FieldTexts& f, const std::vector<double>& values, bool six) {
  float lo = 400, hi = 3;
  for (double v : values) hi = std::max(hi, float(v));
  for (double v : values) lo = std::min(lo, float(v));
  const double r = readDecimal(f.rapport), e = std::fabs(readDecimal(f.ecart));
  if (Verdict v = ratioVerdict(r, e, six); !v.message.isEmpty()) return v;
  if (Verdict v = rangeVerdict(lo, hi, " DANS LE FICHIER"); !v.message.isEmpty()) return v;
  if (values.size() > (six ? 32u : 166u))
    return {six ? "NOMBRE DE ROUES > 32 DANS LE FICHIER" : "NOMBRE DE ROUES > 166 DANS LE FICHIER", kMini | kMaxi};
  if (Verdict v = precisionAndLimitVerdict(r, e, f.limite, six); !v.message.isEmpty()) return v;
  const double low = six ? double(float(lo * lo * lo / hi / hi / hi)) : double(float(lo * lo / hi / hi));
  const double high = six ? double(float(hi * hi * hi / lo / lo / lo)) : double(float(hi * hi / lo / lo));
  if (low > r || high < r) return {"PAS DE SOLUTION", kRapport};
  return {};
}

// ---- Fixture ----------------------------------------------------------------

class BadInput : public testing::WindowTest {
 protected:
  QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
  QString collectionPath() const { return path("liste disponible.txt"); }
  static const char* resultsName(bool collection, bool six) {
    if (collection) return six ? "serie_orbanelles6.txt" : "serie_orbanelles4.txt";
    return six ? "rapports_orbanelles6.txt" : "rapports_orbanelles4.txt";
  }

  QLineEdit* field(int i) const {
    QLineEdit* fields[] = {form.Text5_rapport, form.Text2_ecart, form.Text3_mini, form.Text4_maxi,
                           form.Text8_limite};
    return fields[i];
  }
  void type(const QString& r, const QString& e, const QString& lo, const QString& hi, const QString& n) {
    form.Text5_rapport->setText(r);
    form.Text2_ecart->setText(e);
    form.Text3_mini->setText(lo);
    form.Text4_maxi->setText(hi);
    form.Text8_limite->setText(n);
  }
  FieldTexts typed() const {
    return {form.Text5_rapport->text().toStdString(), form.Text2_ecart->text().toStdString(),
            form.Text3_mini->text().toStdString(), form.Text4_maxi->text().toStdString(),
            form.Text8_limite->text().toStdString()};
  }
  void setSix(bool six) { (six ? form.Option2 : form.Option1)->setChecked(true); }

  // A refused click: the message, exactly the listed fields red, the others
  // grey, no blinking, and the results file left as it was.
  void expectRefused(const Verdict& v, const QByteArray& fileBefore, const QString& results) {
    EXPECT_EQ(str(form.Text7_message->text()), str(v.message));
    EXPECT_EQ(textColour(form.Text7_message), colours::red);
    testing::expectRedFields(form, v.red);
    EXPECT_FALSE(form.Timer1_message->isActive());
    EXPECT_EQ(readAll(results).toStdString(), fileBefore.toStdString());
    EXPECT_EQ(str(platform.messageTexts()), "");
  }

  // A finished run: the whole file and list against the literal search.
  void expectRun(const Reference& ref, double limit, const QString& results) {
    ASSERT_EQ(str(form.Text7_message->text()), "FICHIER ECRIT");
    EXPECT_EQ(str(form.Text1_nb_solutions->text()), std::to_string(ref.list.size()));
    EXPECT_EQ(readAll(results).toStdString(), ref.file.toStdString());
    EXPECT_EQ(str(form.Text6_résultats->toPlainText()), str(listText(ref, limit)));
    EXPECT_FALSE(form.Timer1_message->isActive());
    EXPECT_FALSE(form.runInProgress);
    EXPECT_EQ(str(platform.messageTexts()), "");
  }
};

// ---- Hostile parameter texts --------------------------------------------------

struct BadText {
  const char* name;
  QString text;
};

std::vector<BadText> badTexts() {
  const QString hex40 = QStringLiteral("&H") + QString(40, QLatin1Char('F'));
  return {
      {"100,000 digits", QString(100000, QLatin1Char('1'))},
      {"100,000 zeros", QString(100000, QLatin1Char('0'))},
      {"100,000 blanks", QString(100000, QLatin1Char(' '))},
      {"20 then 100,000 letters", QStringLiteral("20") + QString(100000, QLatin1Char('x'))},
      {"control characters", QString::fromUtf8("\x01\x02\x1b[31m\x7f")},
      {"tab and line feed inside", QStringLiteral("\t2\n0")},
      {"carriage return first", QStringLiteral("\r20")},
      {"NUL inside", QStringLiteral("2") + QChar(0) + QStringLiteral("0")},
      {"1e400", QStringLiteral("1e400")},
      {"-1e400", QStringLiteral("-1e400")},
      {"1e-400", QStringLiteral("1e-400")},
      {"&H and 40 hex digits", hex40},
      {"-0", QStringLiteral("-0")},
      {"lone minus", QStringLiteral("-")},
      {"lone point", QStringLiteral(".")},
      {"E5", QStringLiteral("E5")},
  };
}

const char* const kFieldNames[] = {"Text5_rapport", "Text2_ecart", "Text3_mini", "Text4_maxi", "Text8_limite"};

// Valid parameters whose search is small enough to compare with literal loops.
struct Base {
  const char* r;
  const char* e;
  const char* lo;
  const char* hi;
  const char* n;
};

// One table per train size; the base values keep the literal loops short.
struct ContinuousFieldsCase {
  const char* name;
  bool six;
  Base base;
};

class ContinuousFields : public BadInput, public ::testing::WithParamInterface<ContinuousFieldsCase> {};

TEST_P(ContinuousFields, EveryFieldOfTheContinuousSeries) {
  const ContinuousFieldsCase& c = GetParam();
  const Base& base = c.base;
  setSix(c.six);
  int runs = 0, refusals = 0;
  for (const BadText& bad : badTexts()) {
    for (int f = 0; f < 5; ++f) {
      SCOPED_TRACE(std::string(bad.name) + " in " + kFieldNames[f]);
      type(base.r, base.e, base.lo, base.hi, base.n);
      field(f)->setText(bad.text);
      const FieldTexts texts = typed();
      const Verdict v = continuousVerdict(texts, c.six);
      const QString results = path(resultsName(false, c.six));
      const QByteArray before = readAll(results);
      form.Cmd1_calcul->click();
      if (!v.message.isEmpty()) {
        ++refusals;
        expectRefused(v, before, results);
        continue;
      }
      ++runs;
      const double lo = readDecimal(texts.mini), hi = readDecimal(texts.maxi);
      ASSERT_LE(std::pow(hi - lo + 1, c.six ? 6 : 4), 5e6) << "case too slow for the literal loops";
      ASSERT_EQ(std::fabs(readDecimal(texts.ecart)), 0);
      expectRun(literalContinuous(c.six, readDecimal(texts.rapport), 0, lo, hi), readDecimal(texts.limite),
                results);
    }
  }
  EXPECT_GT(runs, 10);
  EXPECT_GT(refusals, 40);
}

INSTANTIATE_TEST_SUITE_P(BadInput, ContinuousFields,
                         ::testing::Values(ContinuousFieldsCase{"FourWheels", false, {"0.5", "0", "20", "40", "3"}},
                                           ContinuousFieldsCase{"SixWheels", true, {"1", "0", "20", "24", "3"}}),
                         [](const auto& info) { return std::string(info.param.name); });

// The collection series reads only the ratio, the deviation and the limit.
TEST_F(BadInput, EveryFieldOfTheCollectionSeries) {
  for (const bool six : {false, true}) {
    setSix(six);
    const std::vector<double> wheels = six ? std::vector<double>{20, 25, 30, 40, 50, 60}
                                           : std::vector<double>{20, 30, 40, 60};
    QByteArray collection;
    for (double w : wheels) collection += numberText(w).toLatin1() + "\r\n";
    ASSERT_TRUE(writeAll(collectionPath(), collection));
    const Base base = six ? Base{"0.125", "0", "", "", "3"} : Base{"1", "0", "", "", "3"};
    int runs = 0, refusals = 0;
    for (const BadText& bad : badTexts()) {
      for (int f : {0, 1, 4}) {
        SCOPED_TRACE(std::string(six ? "six: " : "four: ") + bad.name + " in " + kFieldNames[f]);
        type(base.r, base.e, base.lo, base.hi, base.n);
        field(f)->setText(bad.text);
        const FieldTexts texts = typed();
        const Verdict v = collectionVerdict(texts, wheels, six);
        const QString results = path(resultsName(true, six));
        const QByteArray before = readAll(results);
        form.Cmd2_calcul->click();
        EXPECT_EQ(readAll(collectionPath()), collection);
        if (!v.message.isEmpty()) {
          ++refusals;
          expectRefused(v, before, results);
          continue;
        }
        ++runs;
        ASSERT_EQ(std::fabs(readDecimal(texts.ecart)), 0);
        expectRun(literalCollection(six, readDecimal(texts.rapport), 0, wheels), readDecimal(texts.limite), results);
      }
    }
    EXPECT_GT(runs, 5);
    EXPECT_GT(refusals, 20);
  }
}

// ---- Damaged and odd collection files ------------------------------------------

// The reader's rule: a line ends at CR LF, a lone CR or a lone LF; a final
// end gives no empty line.
QList<QByteArray> linesOf(const QByteArray& bytes) {
  QList<QByteArray> lines;
  QByteArray line;
  bool open = false;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines << line;
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line += c;
      open = true;
    }
  }
  if (open) lines << line;
  return lines;
}

// Windows-1252 for the few bytes above 127 these files hold (the others keep
// their own value, as Latin-1 gives them).
QString shownRow(const QByteArray& line) {
  QString row = QString::fromLatin1(line.left(1000));
  row.replace(QChar(0x80), QChar(0x20AC));
  row.replace(QChar(0x9C), QChar(0x0153));
  return row;
}

struct FileCase {
  const char* name;
  QByteArray bytes;
  bool folder = false;
  const char* ratio = "1";
  const char* deviation = "0";
};

QByteArray numberedLines(int count) {
  QByteArray bytes;
  for (int i = 0; i < count; ++i) bytes += QByteArray::number(20 + i % 40) + "\r\n";
  return bytes;
}

std::vector<FileCase> fileCases() {
  return {
      {"NUL inside an entry", QByteArray("20\r\n40\0dents\r\n30\r\n60\r\n", 22)},
      {"NUL alone on a line", QByteArray("20\r\n\0\0\r\n40\r\n", 12)},
      {"bytes above 127", "20\r\n30 \xe9t\xe9\r\n40\x80\x81\x9c\r\n60\xff"},
      {"one 10 MB line", "20\r\n30\r\n40" + QByteArray(10 << 20, 'x') + "\r\n60\r\n"},
      {"lone CR ends", "20\r30\r40\r60\r"},
      {"mixed ends", "20\r\n30\n40\r60"},
      {"CR CR LF", "20\r\r\n30\r\n40\r\n60\r\n"},
      {"values beyond single precision", "20\r\n1e300\r\n-1e300\r\n1e-300\r\n1e400\r\n"},
      {"166 lines", numberedLines(166), false, "1", "1"},
      {"167 lines", numberedLines(167)},
      {"10,000 lines", numberedLines(10000)},
      {"a folder", {}, true},
  };
}

TEST_F(BadInput, CollectionFilesThroughRecallAndBothSearches) {
  const QString results4 = path("serie_orbanelles4.txt");
  const QString results6 = path("serie_orbanelles6.txt");
  const QString described = QString::fromUtf8("\n") + collectionPath();
  for (const FileCase& c : fileCases()) {
    QDir().rmdir(collectionPath());
    QFile::remove(collectionPath());
    if (c.folder) {
      ASSERT_TRUE(QDir().mkdir(collectionPath()));
    } else {
      ASSERT_TRUE(writeAll(collectionPath(), c.bytes));
    }
    const QList<QByteArray> lines = linesOf(c.bytes);
    std::vector<double> values;
    for (const QByteArray& line : lines) values.push_back(readDecimal(line.toStdString()));
    QString rows;
    for (const QByteArray& line : lines) rows += shownRow(line) + "\n";
    QString failure;  // the message box of a file that cannot be read
    if (c.folder) failure = QString::fromUtf8("Un dossier porte le nom du fichier") + described;
    if (lines.size() > 166)
      failure = QString::fromUtf8("Indice hors limites : le fichier contient plus de 166 lignes") + described;
    auto fileUnchanged = [&] {
      if (c.folder) {
        EXPECT_TRUE(QFileInfo(collectionPath()).isDir());
        EXPECT_TRUE(QDir(collectionPath()).isEmpty());
      } else {
        EXPECT_TRUE(readAll(collectionPath()) == c.bytes) << "the collection file changed";
      }
    };

    {
      SCOPED_TRACE(std::string(c.name) + ", recall");
      platform.messages.clear();
      form.CmdRappel->click();
      fileUnchanged();
      if (!failure.isEmpty()) {
        EXPECT_EQ(str(platform.messageTexts()), str(failure));
        EXPECT_FALSE(form.LblPasFichier->isHidden());
        EXPECT_TRUE(form.Cmd2_calcul->isHidden());
        EXPECT_EQ(str(form.TxtListe->toPlainText()), "");
      } else {
        EXPECT_EQ(str(platform.messageTexts()), "");
        EXPECT_EQ(form.TxtListe->toPlainText().size(), rows.size());
        EXPECT_TRUE(form.TxtListe->toPlainText() == rows);
        double smallest = 400, largest = 3;
        for (double v : values) smallest = std::min(smallest, v), largest = std::max(largest, v);
        // An overflowing line reads as infinity, shown as "inf".
        auto shown = [](const QString& text) { return text == "inf" ? HUGE_VAL : readDecimal(str(text)); };
        EXPECT_EQ(shown(form.Text3_mini->text()), smallest);
        EXPECT_EQ(shown(form.Text4_maxi->text()), largest);
        EXPECT_FALSE(form.Cmd2_calcul->isHidden());
      }
    }

    for (const bool six : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (six ? ", six-wheel search" : ", four-wheel search"));
      setSix(six);
      const QString results = six ? results6 : results4;
      QFile::remove(results);
      platform.messages.clear();
      type(c.ratio, c.deviation, "", "", "3");
      const FieldTexts texts = typed();
      form.Cmd2_calcul->click();
      fileUnchanged();
      if (!failure.isEmpty()) {
        EXPECT_EQ(str(platform.messageTexts()), str(failure));
        EXPECT_FALSE(form.LblPasFichier->isHidden());
        EXPECT_EQ(str(form.TxtListe->toPlainText()), "");
        EXPECT_FALSE(QFile::exists(results));
        continue;
      }
      EXPECT_EQ(form.TxtListe->toPlainText().size(), rows.size());
      EXPECT_TRUE(form.TxtListe->toPlainText() == rows);
      const Verdict v = collectionVerdict(texts, values, six);
      if (!v.message.isEmpty()) {
        expectRefused(v, {}, results);
        EXPECT_FALSE(QFile::exists(results));
        continue;
      }
      expectRun(literalCollection(six, readDecimal(texts.rapport), 0, values), 3, results);
    }
  }
}

// ---- Results files that cannot be created or written -----------------------------

struct SeriesCase {
  bool collection;
  bool six;
  const char* r;
  const char* e;
  const char* lo;
  const char* hi;
};

const SeriesCase kSeries[] = {
    {false, false, "0.5", "0", "20", "40"},
    {false, true, "1", "0", "20", "24"},
    {true, false, "1", "0", "", ""},
    {true, true, "0.125", "0", "", ""},
};

const char kSixWheels[] = "20\r\n25\r\n30\r\n40\r\n50\r\n60\r\n";
const std::vector<double> kSixWheelValues{20, 25, 30, 40, 50, 60};

TEST_F(BadInput, ResultsFileThatCannotBeCreatedOrWritten) {
  ASSERT_TRUE(writeAll(collectionPath(), kSixWheels));
  struct Cause {
    const char* name;
    bool folder;
    const char* description;
  };
  const Cause causes[] = {{"a folder in its place", true, "Un dossier porte le nom du fichier"},
                          {"a link to /dev/full", false, "Disque plein"}};
  for (const SeriesCase& s : kSeries) {
    for (const Cause& cause : causes) {
      SCOPED_TRACE(std::string(s.collection ? "collection" : "continuous") + (s.six ? ", six, " : ", four, ") +
                   cause.name);
      setSix(s.six);
      const QString results = path(resultsName(s.collection, s.six));
      QFile::remove(results);
      ASSERT_TRUE(cause.folder ? QDir().mkdir(results) : QFile::link("/dev/full", results));
      platform.messages.clear();
      bool blinkingDuringMessage = true;
      platform.whileDialog = [&] { blinkingDuringMessage = form.Timer1_message->isActive(); };
      type(s.r, s.e, s.lo, s.hi, "3");
      QPushButton* button = s.collection ? form.Cmd2_calcul : form.Cmd1_calcul;
      button->click();

      EXPECT_FALSE(blinkingDuringMessage);
      ASSERT_NO_FATAL_FAILURE(testing::expectResultsNotWritten(
          form, platform, QString::fromUtf8(cause.description) + "\n" + results, s.collection));
      EXPECT_TRUE(QFileInfo("/dev/full").exists() && !QFileInfo("/dev/full").isFile());

      // The cause removed, the next click runs normally.
      platform.whileDialog = nullptr;
      platform.messages.clear();
      ASSERT_TRUE(cause.folder ? QDir().rmdir(results) : QFile::remove(results));
      button->click();
      const Reference ref = s.collection ? literalCollection(s.six, readDecimal(s.r), 0, kSixWheelValues)
                                       : literalContinuous(s.six, readDecimal(s.r), 0, readDecimal(s.lo),
                                                           readDecimal(s.hi));
      ASSERT_FALSE(ref.list.empty());
      expectRun(ref, 3, results);
      EXPECT_TRUE(form.LblPasFichier->isHidden());
      platform.beeps = 0;
    }
  }
}

// ---- A collection entry whose file cannot be written ------------------------------

TEST_F(BadInput, CollectionEntryIntoAFolderKeepsTheFolder) {
  ASSERT_TRUE(QDir().mkdir(collectionPath()));
  platform.inputs = {"20", "30"};
  form.CmdChoixRoues->click();
  EXPECT_EQ(str(platform.messageTexts()), str(QString::fromUtf8("Un dossier porte le nom du fichier\n") + collectionPath()));
  EXPECT_TRUE(platform.prompts.empty());  // refused before anything is typed
  EXPECT_FALSE(form.isHidden());
  EXPECT_TRUE(QFileInfo(collectionPath()).isDir());
  EXPECT_TRUE(QDir(collectionPath()).isEmpty());
}

// A file-size limit makes the write fail as a full disk would.
TEST_F(BadInput, CollectionEntryThatCannotBeWrittenKeepsTheOldCollection) {
  ASSERT_TRUE(writeAll(collectionPath(), "20\r\n30\r\n"));
  platform.inputs = {"100", "200", "300", "400", "500", "600"};

  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  struct rlimit small = old;
  small.rlim_cur = 16;
  void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  form.CmdChoixRoues->click();
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(platform.prompts.size(), 7u);
  EXPECT_EQ(str(platform.messageTexts()), str(QString::fromUtf8("Disque plein\n") + collectionPath()));
  EXPECT_FALSE(form.isHidden());
  EXPECT_EQ(readAll(collectionPath()).toStdString(), "20\r\n30\r\n");
  EXPECT_EQ(str(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)), "liste disponible.txt");

  // The old collection is still the one read.
  platform.messages.clear();
  form.CmdRappel->click();
  EXPECT_EQ(str(platform.messageTexts()), "");
  EXPECT_EQ(str(form.TxtListe->toPlainText()), "20\n30\n");
}

// ---- Soak: many short runs with refusals between -------------------------------

TEST_F(BadInput, TwoHundredShortRunsAlternatingSeriesAndSizes) {
  ASSERT_TRUE(writeAll(collectionPath(), kSixWheels));
  // Per series and size: a few parameter sets, and a refusal for each.
  const std::vector<Base> variants[4] = {
      {{"0.5", "0", "20", "30", "3"}, {"1", "0", "20", "30", "0"}, {"0.75", "0", "20", "30", "2048"}},
      {{"1", "0", "20", "23", "5"}, {"0.7", "0", "20", "23", "-1"}, {"1.5", "0", "20", "23", "1638"}},
      {{"0.5", "0", "", "", "3"}, {"1", "0", "", "", "0"}, {"0.8", "0", "", "", "2048"}},
      {{"0.125", "0.0001", "", "", "5"}, {"1", "0", "", "", "-3"}, {"0.5", "0.02", "", "", "1638"}},
  };
  const Base refusals[] = {{"0", "0", "20", "30", "3"},
                              {"1", "1", "20", "30", "3"},
                              {"1", "0", "20", "30", "12.5"},
                              {"1", "0", "2", "30", "3"}};
  std::vector<Reference> refs[4];
  for (int k = 0; k < 4; ++k) {
    const bool collection = k >= 2, six = k % 2 == 1;
    for (const Base& v : variants[k]) {
      const double r = readDecimal(v.r), t = readDecimal(v.e);
      refs[k].push_back(collection ? literalCollection(six, r, t, kSixWheelValues)
                                   : literalContinuous(six, r, t, readDecimal(v.lo), readDecimal(v.hi)));
    }
  }
  int solutions = 0;
  for (int i = 0; i < 200; ++i) {
    const int k = (i % 2) * 2 + (i / 2) % 2;  // continuous/collection alternate, sizes every two runs
    const bool collection = k >= 2, six = k % 2 == 1;
    const int which = (i / 4) % 3;
    SCOPED_TRACE("run " + std::to_string(i));
    setSix(six);
    QPushButton* button = collection ? form.Cmd2_calcul : form.Cmd1_calcul;
    const QString results = path(resultsName(collection, six));

    const Base& bad = refusals[i % (collection ? 3 : 4)];
    type(bad.r, bad.e, bad.lo, bad.hi, bad.n);
    const FieldTexts badTexts = typed();
    const QByteArray before = readAll(results);
    button->click();
    const Verdict verdict = collection ? collectionVerdict(badTexts, kSixWheelValues, six)
                                       : continuousVerdict(badTexts, six);
    ASSERT_FALSE(verdict.message.isEmpty());
    expectRefused(verdict, before, results);

    const Base& v = variants[k][which];
    type(v.r, v.e, v.lo, v.hi, v.n);
    button->click();
    const Reference& ref = refs[k][which];
    expectRun(ref, readDecimal(v.n), results);
    solutions += int(ref.list.size());
    if (::testing::Test::HasFailure()) break;
  }
  EXPECT_GT(solutions, 500);
}

}  // namespace
}  // namespace gears
