// The wheel collection through the window: entry, recall and the collection
// searches of both sizes, their files byte for byte against literal loops,
// their refusals, and the error path of files that cannot be read or written.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

#include "fake_platform.h"
#include "window_test_support.h"
#include "search/checks.h"
#include "search/collection_search.h"
#include "windows/form1.h"

namespace gears {
namespace {

using testing::literalCollection;
using testing::listOf;
using testing::readAll;
using testing::Reference;
using testing::writeAll;

// "20\r\n30\r\n" from {"20", "30"}.
QByteArray linesOf(const QList<QByteArray>& lines) {
  QByteArray out;
  for (const QByteArray& line : lines) out += line + "\r\n";
  return out;
}

QList<QByteArray> numbered(int count, int first) {
  QList<QByteArray> lines;
  for (int i = 0; i < count; ++i) lines << QByteArray::number(first + i);
  return lines;
}

QString rowsOf(const QList<QByteArray>& lines) {
  QString out;
  for (const QByteArray& line : lines) out += QString::fromLatin1(line) + "\n";
  return out;
}

const QString kTitle = "SAISIE DU NOMBRE DE DENTS DES ROUES";
const QString kPrompt = "SAISIE DU NOMBRE DE DENTS DE CHAQUE ROUE" + QString(81, ' ') + "ANNULER = FIN DE LA SAISIE";
const char kTooManyLines[] = "Indice hors limites : le fichier contient plus de 166 lignes";

class Collection : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    form.show();
  }
  QString listPath() const { return dir.filePath("liste disponible.txt"); }
  QString seriesPath(bool six) const { return dir.filePath(six ? "serie_orbanelles6.txt" : "serie_orbanelles4.txt"); }
  void chooseSix(bool six) { testing::chooseSix(form, six); }
  void type(const char* ratio, const char* deviation, const char* limit) {
    form.Text5_rapport->setText(ratio);
    form.Text2_ecart->setText(deviation);
    form.Text8_limite->setText(limit);
  }
  // Something on screen in every field the handlers empty or hide.
  void dirtyWindow() {
    for (QLineEdit* f : {form.Text5_rapport, form.Text2_ecart, form.Text8_limite, form.TxtTpsPasseH,
                         form.TxtTpsPasseM, form.TxtTpsPasseS, form.Text3_mini, form.Text4_maxi})
      f->setText("7");
    form.Text6_résultats->setPlainText("old list");
    form.TxtListe->setPlainText("old wheels");
    for (QWidget* w : std::initializer_list<QWidget*>{form.Text7_message, form.Text1_nb_solutions, form.Label7,
                                                      form.Text9_adresse, form.Text10_indique, form.LblPasFichier,
                                                      form.CmdRappel, form.Label16})
      w->show();
  }
  void expectCollectionColours() {
    EXPECT_EQ(buttonColour(form.Cmd1_calcul), colours::teal);
    EXPECT_EQ(buttonColour(form.Cmd2_calcul), colours::cyan);
    EXPECT_EQ(buttonColour(form.CmdChoixRoues), colours::cyan);
  }
  // The parameters, the elapsed time and the list emptied, the collection's
  // buttons lit.
  void expectEmptiedForTheCollection() {
    for (QLineEdit* f : {form.Text5_rapport, form.Text2_ecart, form.Text8_limite, form.TxtTpsPasseH,
                         form.TxtTpsPasseM, form.TxtTpsPasseS})
      EXPECT_EQ(f->text(), "") << f->objectName().toStdString();
    EXPECT_EQ(form.Text6_résultats->toPlainText(), "");
    expectCollectionColours();
  }
};

// ---------------------------------------------------------------- entry

struct EntryCase {
  const char* name;
  QStringList typed;   // then Cancel
  QByteArray file;
  QString rows;        // TxtListe
};

class Entry : public Collection, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(Entry, FileDialogsAndWindow) {
  const EntryCase& c = GetParam();
  ASSERT_TRUE(writeAll(listPath(), "99\r\n98\r\n"));
  dirtyWindow();
  platform.inputs.assign(c.typed.begin(), c.typed.end());
  std::vector<bool> hiddenDuringPrompt;
  platform.whileDialog = [&] { hiddenDuringPrompt.push_back(form.isHidden()); };
  form.CmdChoixRoues->click();

  EXPECT_EQ(readAll(listPath()), c.file);
  ASSERT_EQ(platform.prompts.size(), static_cast<std::size_t>(c.typed.size() + 1));
  for (const auto& p : platform.prompts) {
    EXPECT_EQ(p.title, kTitle);
    EXPECT_EQ(p.prompt, kPrompt);
    EXPECT_EQ(p.prompt.size(), 147);
  }
  EXPECT_EQ(hiddenDuringPrompt, std::vector<bool>(platform.prompts.size(), true)) << "the main window hides";
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_FALSE(form.isHidden());

  EXPECT_EQ(form.TxtListe->toPlainText(), c.rows);
  EXPECT_FALSE(form.TxtListe->isHidden());
  EXPECT_FALSE(form.Cmd2_calcul->isHidden());
  for (QWidget* w : std::initializer_list<QWidget*>{form.Label16, form.Label9, form.Text3_mini, form.Text4_maxi,
                                                    form.Text7_message, form.Text1_nb_solutions, form.Label7,
                                                    form.Text9_adresse, form.Text10_indique, form.CmdRappel,
                                                    form.LblPasFichier})
    EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
  expectEmptiedForTheCollection();
  // Nothing left beside the collection.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"liste disponible.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    Window, Entry,
    ::testing::Values(EntryCase{"FourWheels", {"20", "30", "30", "127"}, "20\r\n30\r\n30\r\n127\r\n", "20\n30\n30\n127\n"},
                      EntryCase{"CancelAtOnce", {}, "", ""},
                      EntryCase{"Letters", {"20", "abc"}, "20\r\nabc\r\n", "20\nabc\n"},
                      EntryCase{"BlanksKept", {" 36 ", "   "}, " 36 \r\n   \r\n", " 36 \n   \n"},
                      EntryCase{"Accent", {"40 dents \u00e9"}, "40 dents \xe9\r\n", "40 dents \u00e9\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Collection, EntryOfSeventeenBytes) {
  platform.inputs = {"20", "30", "30", "127"};
  form.CmdChoixRoues->click();
  EXPECT_EQ(readAll(listPath()).size(), 17);
}

// A collection file that cannot be written: a French message, the window back,
// nothing asked, and whatever stood there untouched.
TEST_F(Collection, EntryThatCannotWrite) {
  // A folder in place of the collection file.
  ASSERT_TRUE(QDir().mkdir(listPath()));
  ASSERT_TRUE(writeAll(listPath() + "/inside.txt", "20\r\n"));
  platform.inputs = {"20"};
  form.CmdChoixRoues->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Un dossier porte le nom du fichier\n" + listPath());
  EXPECT_FALSE(form.isHidden());
  EXPECT_TRUE(QFileInfo(listPath()).isDir());
  EXPECT_EQ(readAll(listPath() + "/inside.txt"), "20\r\n");
  EXPECT_EQ(platform.inputs.size(), 1u) << "nothing is asked for a file that cannot be written";

  // A program directory that is gone.
  platform.messages.clear();
  platform.directory = dir.filePath("gone");
  form.CmdChoixRoues->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.startsWith("Fichier introuvable\n"));
  EXPECT_FALSE(form.isHidden());
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("gone")));
}

TEST_F(Collection, EntryInAReadOnlyFolderKeepsTheOldCollection) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  ASSERT_TRUE(writeAll(listPath(), "40\r\n"));
  ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
  platform.inputs = {"20"};
  form.CmdChoixRoues->click();
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.startsWith(QString::fromUtf8("Acc\u00e8s refus\u00e9")));
  EXPECT_FALSE(form.isHidden());
  EXPECT_EQ(readAll(listPath()), "40\r\n");
}

// ---------------------------------------------------------------- recall

struct RecallCase {
  const char* name;
  bool exists;
  QByteArray file;
  const char* message;  // nullptr: no failure; "" an empty message box; else its start
  QString rows;
  const char *mini, *maxi;  // texts after the click
};

class Recall : public Collection, public ::testing::WithParamInterface<RecallCase> {};

TEST_P(Recall, ListRangeAndFailurePath) {
  const RecallCase& c = GetParam();
  if (c.exists) {
    ASSERT_TRUE(writeAll(listPath(), c.file));
  }
  dirtyWindow();
  form.Text3_mini->setText("old mini");
  form.Text4_maxi->setText("old maxi");
  form.Cmd2_calcul->show();
  form.TxtListe->hide();
  form.CmdRappel->click();

  EXPECT_EQ(form.TxtListe->toPlainText(), c.rows);
  EXPECT_EQ(form.Text3_mini->text(), c.mini);
  EXPECT_EQ(form.Text4_maxi->text(), c.maxi);
  for (QWidget* w : std::initializer_list<QWidget*>{form.Label9, form.Text3_mini, form.Text4_maxi, form.CmdRappel})
    EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
  for (QWidget* w : std::initializer_list<QWidget*>{form.Label16, form.Text7_message, form.Text1_nb_solutions,
                                                    form.Label7, form.Text9_adresse, form.Text10_indique})
    EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
  expectEmptiedForTheCollection();
  // A recall never changes the file.
  if (c.exists) EXPECT_EQ(readAll(listPath()), c.file);
  else EXPECT_FALSE(QFile::exists(listPath()));

  if (c.message == nullptr) {
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(form.Cmd2_calcul->isHidden());
    EXPECT_FALSE(form.LblPasFichier->isHidden()) << "a recall does not hide it (shown by dirtyWindow)";
    EXPECT_FALSE(form.TxtListe->isHidden());
    return;
  }
  ASSERT_EQ(platform.messages.size(), 1u);
  if (*c.message == '\0') EXPECT_EQ(platform.messages[0].text, "");
  else EXPECT_EQ(platform.messages[0].text, QString::fromUtf8(c.message) + "\n" + listPath());
  EXPECT_FALSE(form.LblPasFichier->isHidden());
  EXPECT_EQ(form.LblPasFichier->text(), "  PAS DE FICHIER CREE");
  EXPECT_TRUE(form.Cmd2_calcul->isHidden());
  // Only a file without lines was shown (empty); otherwise it keeps its visibility.
  EXPECT_EQ(form.TxtListe->isHidden(), !(c.exists && c.file.isEmpty()));
}

INSTANTIATE_TEST_SUITE_P(
    Window, Recall,
    ::testing::Values(
        RecallCase{"AboveRange", true, "500\r\n600\r\n", nullptr, "500\n600\n", "400", "600"},
        RecallCase{"BelowRange", true, "1\r\n2\r\n", nullptr, "1\n2\n", "1", "3"},
        RecallCase{"Letters", true, "20\r\nabc\r\n", nullptr, "20\nabc\n", "0", "20"},
        RecallCase{"LoneCrAndLastLine", true, "20\r30\r\n127", nullptr, "20\n30\n127\n", "20", "127"},
        RecallCase{"Accent", true, "40 dents \xe9\r\n", nullptr, "40 dents \u00e9\n", "40", "40"},
        RecallCase{"Decimals", true, "25.5\r\n040\r\n 36 \r\n", nullptr, "25.5\n040\n 36 \n", "25.5", "40"},
        RecallCase{"Lines166", true, linesOf(numbered(166, 20)), nullptr, rowsOf(numbered(166, 20)), "20", "185"},
        RecallCase{"Missing", false, "", "Fichier introuvable", "", "old mini", "old maxi"},
        RecallCase{"Empty", true, "", "", "", "old mini", "old maxi"},
        RecallCase{"Lines167", true, linesOf(numbered(167, 20)), kTooManyLines, "", "old mini", "old maxi"}),
    [](const auto& info) { return std::string(info.param.name); });

// Cancel at the first prompt, then a recall: the empty collection is refused;
// a new entry hides the label again, a good recall alone does not.
TEST_F(Collection, EmptyEntryThenRecall) {
  form.CmdChoixRoues->click();
  EXPECT_EQ(QFileInfo(listPath()).size(), 0);
  EXPECT_FALSE(form.Cmd2_calcul->isHidden());
  form.CmdRappel->click();
  ASSERT_EQ(platform.messageTexts(), QStringList{""});
  EXPECT_FALSE(form.LblPasFichier->isHidden());
  EXPECT_TRUE(form.Cmd2_calcul->isHidden());

  ASSERT_TRUE(writeAll(listPath(), "20\r\n"));
  form.CmdRappel->click();
  EXPECT_FALSE(form.LblPasFichier->isHidden());
  EXPECT_FALSE(form.Cmd2_calcul->isHidden());
  platform.inputs = {"30"};
  form.CmdChoixRoues->click();
  EXPECT_TRUE(form.LblPasFichier->isHidden());
  EXPECT_EQ(readAll(listPath()), "30\r\n");
}

// A refused 167-line file is closed again: a new entry can replace it.
TEST_F(Collection, TooLongFileIsClosedAfterRecall) {
  ASSERT_TRUE(writeAll(listPath(), linesOf(numbered(167, 20))));
  form.CmdRappel->click();
  platform.inputs = {"20", "40"};
  form.CmdChoixRoues->click();
  EXPECT_EQ(readAll(listPath()), "20\r\n40\r\n");
  form.CmdRappel->click();
  EXPECT_EQ(form.Text3_mini->text(), "20");
  EXPECT_EQ(form.Text4_maxi->text(), "40");
}

// ---------------------------------------------------------------- searches

struct SearchCase {
  const char* name;
  bool six;
  QList<QByteArray> lines;
  std::vector<double> values;  // empty: the lines are plain numbers
  const char *ratio, *deviation, *limit;
  int count;
  QStringList shown;  // list lines given by the description of the searches
  int from;           // index of the first of them (negative: from the end)
  const char *mini, *maxi;
};

class Search : public Collection, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(Search, FileListTotalAndWindow) {
  const SearchCase& c = GetParam();
  ASSERT_TRUE(writeAll(listPath(), linesOf(c.lines)));
  dirtyWindow();
  chooseSix(c.six);
  type(c.ratio, c.deviation, c.limit);
  form.Cmd2_calcul->click();

  std::vector<double> values = c.values;
  if (values.empty())
    for (const QByteArray& line : c.lines) values.push_back(line.toDouble());
  const Reference ref = literalCollection(c.six, std::atof(c.ratio), std::atof(c.deviation), values);
  ASSERT_EQ(ref.list.size(), c.count);
  const int limit = std::atoi(c.limit);
  EXPECT_EQ(readAll(seriesPath(c.six)), ref.file);
  EXPECT_EQ(form.Text6_résultats->toPlainText(), listOf(ref.list.mid(0, std::max(limit, 0))));
  const int from = c.from < 0 ? c.count + c.from : c.from;
  for (int i = 0; i < c.shown.size(); ++i) EXPECT_EQ(ref.list.value(from + i), c.shown[i]) << from + i;

  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(form.Text7_message->text(), "FICHIER ECRIT");
  EXPECT_EQ(textColour(form.Text7_message), colours::cyan);
  EXPECT_EQ(form.Text1_nb_solutions->text(), QString::number(c.count));
  EXPECT_EQ(form.Text9_adresse->text(), seriesPath(c.six));
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_FALSE(form.Timer1_message->isActive());
  EXPECT_TRUE(form.Timer2_indique->isActive());
  EXPECT_EQ(form.TxtListe->toPlainText(), rowsOf(c.lines));
  EXPECT_EQ(form.Text3_mini->text(), c.mini);
  EXPECT_EQ(form.Text4_maxi->text(), c.maxi);
  for (QWidget* w : std::initializer_list<QWidget*>{form.TxtListe, form.Label9, form.Text3_mini, form.Text4_maxi,
                                                    form.Text1_nb_solutions, form.Label7, form.Text9_adresse,
                                                    form.Text10_indique, form.Label20_liste_rapport})
    EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
  EXPECT_TRUE(form.CmdRappel->isHidden());
  EXPECT_TRUE(form.LblPasFichier->isHidden());
  EXPECT_EQ(form.Label26_roue_e->isHidden(), !c.six);
  expectCollectionColours();
  EXPECT_FALSE(QFile::exists(seriesPath(!c.six)));
  EXPECT_FALSE(QFile::exists(dir.filePath("rapports_orbanelles4.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Window, Search,
    ::testing::Values(
        SearchCase{"FourEight", false, {"20", "30", "40", "60"}, {}, "1", "0", "2048", 8,
                   {"20\t30\t60\t40\t\t\t1", "20\t40\t60\t30\t\t\t1", "30\t20\t40\t60\t\t\t1", "30\t60\t40\t20\t\t\t1",
                    "40\t20\t30\t60\t\t\t1", "40\t60\t30\t20\t\t\t1", "60\t30\t20\t40\t\t\t1", "60\t40\t20\t30\t\t\t1"},
                   0, "20", "60"},
        SearchCase{"FourSixteen", false, {"40", "40", "50", "50"}, {}, "1", "0", "3", 16,
                   {"40\t40\t50\t50\t\t\t1"}, 0, "40", "50"},
        SearchCase{"FourHalf", false, {"24", "30", "36", "40", "48", "60"}, {}, "0.5", "0", "1", 8,
                   {"24\t36\t30\t40\t\t\t0.5"}, 0, "24", "60"},
        SearchCase{"FourHalfLast", false, {"24", "30", "36", "40", "48", "60"}, {}, "0.5", "0", "0", 8,
                   {"40\t60\t36\t48\t\t\t0.5"}, -1, "24", "60"},
        SearchCase{"FourOneWheel", false, {"40"}, {}, "1", "0", "5", 0, {}, 0, "40", "40"},
        SearchCase{"FourHalfTooth", false, {"20", "25.5", "30", "40"}, {}, "1.7", "0.001", "10", 4,
                   {"25.5\t20\t40\t30\t\t\t1.7"}, 0, "20", "40"},
        SearchCase{"FourSpelled", false, {" 40", "040", "40 dents", "20", "80"}, {40, 40, 40, 20, 80}, "1", "0",
                   "4", 24, {"40\t20\t40\t80\t\t\t1"}, 0, "20", "80"},
        SearchCase{"SixEighth", true, {"20", "25", "30", "40", "50", "60"}, {}, "0.125", "0.0001", "1638", 36,
                   {"20\t40\t25\t50\t30\t60\t0.125", "20\t40\t25\t60\t30\t50\t0.125"}, 0, "20", "60"},
        SearchCase{"SixEighthLast", true, {"20", "25", "30", "40", "50", "60"}, {}, "0.125", "0.0001", "5", 36,
                   {"30\t60\t25\t50\t20\t40\t0.125"}, -1, "20", "60"},
        SearchCase{"SixPairs", true, {"20", "20", "30", "30", "40", "40"}, {}, "1", "0", "2", 288,
                   {"20\t20\t30\t30\t40\t40\t1", "20\t20\t30\t30\t40\t40\t1"}, 0, "20", "40"},
        SearchCase{"SixFive", true, {"20", "25", "30", "40", "50"}, {}, "0.125", "0.0001", "5", 0, {}, 0, "20",
                   "50"}),
    [](const auto& info) { return std::string(info.param.name); });

// The exact bytes of both collection results files on small cases.
TEST_F(Collection, SeriesFilesExactBytes) {
  ASSERT_TRUE(writeAll(listPath(), "20\r\n30\r\n40\r\n60\r\n"));
  type("1", "0", "0");
  form.Cmd2_calcul->click();
  EXPECT_EQ(readAll(seriesPath(false)),
            " 20 ; 30 ; 60 ; 40 ; 1 \r\n 20 ; 40 ; 60 ; 30 ; 1 \r\n 30 ; 20 ; 40 ; 60 ; 1 \r\n"
            " 30 ; 60 ; 40 ; 20 ; 1 \r\n 40 ; 20 ; 30 ; 60 ; 1 \r\n 40 ; 60 ; 30 ; 20 ; 1 \r\n"
            " 60 ; 30 ; 20 ; 40 ; 1 \r\n 60 ; 40 ; 20 ; 30 ; 1 \r\n");
  EXPECT_EQ(form.Text6_résultats->toPlainText(), "");

  ASSERT_TRUE(writeAll(listPath(), "20\r\n25\r\n30\r\n40\r\n50\r\n60\r\n"));
  chooseSix(true);
  type("0.125", "0.0001", "0");
  form.Cmd2_calcul->click();
  const QByteArray six = readAll(seriesPath(true));
  EXPECT_EQ(six.size(), 36 * 39);
  EXPECT_TRUE(six.startsWith(" 20 ; 40 ; 25 ; 50 ; 30 ; 60 ; 0.125 \r\n 20 ; 40 ; 25 ; 60 ; 30 ; 50 ; 0.125 \r\n"));
  EXPECT_TRUE(six.endsWith(" 30 ; 60 ; 25 ; 50 ; 20 ; 40 ; 0.125 \r\n"));
}

// Biggest collections that are searched: 166 wheels of four, 32 of six; the
// search agrees with the search code run directly.
TEST_F(Collection, LargestCollectionsAreSearched) {
  for (bool six : {false, true}) {
    SCOPED_TRACE(six ? "six" : "four");
    const int wheels = six ? 32 : 166;
    ASSERT_TRUE(writeAll(listPath(), linesOf(numbered(wheels, 20))));
    chooseSix(six);
    type("0.70710678", "0.000001", "3");
    platform.beeps = 0;
    form.Cmd2_calcul->click();
    EXPECT_EQ(form.Text7_message->text(), "FICHIER ECRIT");
    EXPECT_TRUE(platform.messages.empty());
    std::vector<double> values;
    for (int i = 0; i < wheels; ++i) values.push_back(20 + i);
    int count = 0;
    auto sink = [&](const auto&) { return ++count, true; };
    auto yield = [] { return true; };
    if (six) searchCollection6(values, 0.70710678, 0.000001, sink, yield);
    else searchCollection4(values, 0.70710678, 0.000001, sink, yield);
    EXPECT_EQ(form.Text1_nb_solutions->text(), QString::number(count));
    EXPECT_EQ(readAll(seriesPath(six)).count("\r\n"), count);
    EXPECT_EQ(form.TxtListe->toPlainText().count('\n'), wheels);
  }
}

// ---------------------------------------------------------------- refusals

struct RefusalCase {
  const char* name;
  bool six;
  QByteArray file;
  const char *ratio, *deviation, *limit;
  const char* message;
  unsigned red;
  const char *mini, *maxi;
};

class Refusal : public Collection, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, MessageRedFieldsAndWindow) {
  const RefusalCase& c = GetParam();
  ASSERT_TRUE(writeAll(listPath(), c.file));
  ASSERT_TRUE(writeAll(seriesPath(c.six), "earlier\r\n"));
  dirtyWindow();
  chooseSix(c.six);
  type(c.ratio, c.deviation, c.limit);
  form.Cmd2_calcul->click();

  EXPECT_EQ(form.Text7_message->text(), QString::fromUtf8(c.message));
  EXPECT_FALSE(form.Text7_message->isHidden());
  EXPECT_EQ(textColour(form.Text7_message), colours::red);
  testing::expectRedFields(form, c.red);
  EXPECT_EQ(form.Text3_mini->text(), c.mini);
  EXPECT_EQ(form.Text4_maxi->text(), c.maxi);
  EXPECT_EQ(readAll(seriesPath(c.six)), "earlier\r\n");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_FALSE(form.Timer1_message->isActive());
  EXPECT_FALSE(form.TxtListe->isHidden());
  EXPECT_EQ(form.TxtListe->toPlainText().toLatin1(), QByteArray(c.file).replace("\r\n", "\n"));
  for (QWidget* w : std::initializer_list<QWidget*>{form.Label9, form.Text3_mini, form.Text4_maxi})
    EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
  for (QWidget* w : std::initializer_list<QWidget*>{form.LblPasFichier, form.CmdRappel, form.Label7,
                                                    form.Label20_liste_rapport, form.Label21_roue_a,
                                                    form.Text1_nb_solutions, form.Text6_résultats})
    EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
  expectCollectionColours();
}

constexpr unsigned kRange = kMini | kMaxi;

INSTANTIATE_TEST_SUITE_P(
    Window, Refusal,
    ::testing::Values(
        RefusalCase{"Empty4", false, "", "1", "0", "1", "MAXI  <  MINI DANS LE FICHIER", kRange, "400", "3"},
        RefusalCase{"Empty6", true, "", "1", "0", "1", "MAXI  <  MINI DANS LE FICHIER", kRange, "400", "3"},
        RefusalCase{"EndsWithEmptyLine", false, "20\r\n30\r\n\r\n", "1", "0", "1", "MINI < 3 DANS LE FICHIER", kMini,
                    "0", "30"},
        RefusalCase{"EmptyLineInside", true, "20\r\n\r\n30\r\n", "1", "0", "1", "MINI < 3 DANS LE FICHIER", kMini, "0",
                    "30"},
        RefusalCase{"Smallest2", true, "2\r\n20\r\n", "1", "0", "1", "MINI < 3 DANS LE FICHIER", kMini, "2", "20"},
        RefusalCase{"SmallestHalf", false, "12.5\r\n20\r\n40\r\n", "1", "0", "1", "MINI ENTIER DANS LE FICHIER", kMini,
                    "12.5", "40"},
        RefusalCase{"LargestHalf", false, "20\r\n40.5\r\n", "1", "0", "1", "MAXI ENTIER DANS LE FICHIER", kMaxi, "20",
                    "40.5"},
        RefusalCase{"Single401", false, "401\r\n", "1", "0", "1", "MAXI > 400 DANS LE FICHIER", kMaxi, "400", "401"},
        RefusalCase{"Wheels33", true, linesOf(numbered(33, 20)), "1", "0", "1", "NOMBRE DE ROUES > 32 DANS LE FICHIER",
                    kRange, "20", "52"},
        RefusalCase{"Ratio1Four", false, "20\r\n40\r\n", "0.0003", "0", "1", "RAPPORT - PRECISION < 0.00032",
                    kRapport, "20", "40"},
        RefusalCase{"Ratio1Six", true, "20\r\n40\r\n", "0.00075", "0", "1", "RAPPORT - PRECISION < 0.00075", kRapport,
                    "20", "40"},
        RefusalCase{"Ratio2Four", false, "20\r\n40\r\n", "3099", "0", "1", "RAPPORT + PRECISION > 3098", kRapport,
                    "20", "40"},
        RefusalCase{"Ratio2Six", true, "20\r\n40\r\n", "1331", "0.1", "1", "RAPPORT + PRECISION > 1331", kRapport,
                    "20", "40"},
        RefusalCase{"Precision", false, "20\r\n40\r\n", "1", "-0.06", "1", "PAS ASSEZ PRECIS", kEcart, "20", "40"},
        RefusalCase{"LimitWhole", true, "20\r\n40\r\n", "1", "0", "1.5", "NB SOLUTIONS ENTIER", kLimite, "20", "40"},
        RefusalCase{"Limit2049", false, "20\r\n40\r\n", "1", "0", "2049", "NB SOLUTIONS A L'ECRAN  > 2048", kLimite,
                    "20", "40"},
        RefusalCase{"Limit1639", true, "20\r\n40\r\n", "1", "0", "1639", "NB SOLUTIONS A L'ECRAN > 1638", kLimite,
                    "20", "40"},
        RefusalCase{"NoSolutionLow", true, "20\r\n40\r\n25\r\n30\r\n35\r\n40\r\n", "0.1", "0.001", "1",
                    "PAS DE SOLUTION", kRapport, "20", "40"},
        RefusalCase{"NoSolutionHigh", false, "20\r\n40\r\n", "4.5", "0.001", "1", "PAS DE SOLUTION", kRapport, "20",
                    "40"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- error path

TEST_F(Collection, MissingOrTooLongCollectionTakesTheErrorPath) {
  const struct {
    const char* name;
    bool exists;
    QByteArray file;
    QString description;
  } cases[] = {
      {"missing", false, "", "Fichier introuvable"},
      {"167 lines", true, linesOf(numbered(167, 20)), kTooManyLines},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(listPath());
    if (c.exists) {
      ASSERT_TRUE(writeAll(listPath(), c.file));
    }
    platform.messages.clear();
    form.Text7_message->hide();
    form.TxtListe->setPlainText("old");
    form.Cmd2_calcul->click();
    ASSERT_EQ(platform.messageTexts(), QStringList{c.description + "\n" + listPath()});
    EXPECT_FALSE(form.LblPasFichier->isHidden());
    EXPECT_EQ(form.TxtListe->toPlainText(), "");
    EXPECT_TRUE(form.Text7_message->isHidden()) << "no check message";
    EXPECT_FALSE(QFile::exists(seriesPath(false)));
    expectCollectionColours();
  }
}

// A results file that cannot be created or written during a collection run.
TEST_F(Collection, SeriesFileThatCannotBeWritten) {
  ASSERT_TRUE(writeAll(listPath(), "20\r\n25\r\n30\r\n40\r\n50\r\n60\r\n"));
  for (bool six : {false, true}) {
    for (const testing::FileObstacle& o : testing::fileObstacles()) {
      SCOPED_TRACE(std::string(o.name) + (six ? " six" : " four"));
      const QString target = seriesPath(six);
      QFile::remove(target);
      ASSERT_TRUE(o.place(target));
      chooseSix(six);
      type(six ? "0.125" : "1", six ? "0.0001" : "0", "3");
      platform.messages.clear();
      platform.beeps = 0;
      form.Cmd2_calcul->click();

      ASSERT_NO_FATAL_FAILURE(
          testing::expectResultsNotWritten(form, platform, QString::fromUtf8(o.description) + "\n" + target, true));

      ASSERT_TRUE(testing::removeObstacle(target));
      platform.messages.clear();
      form.Cmd2_calcul->click();
      EXPECT_TRUE(platform.messages.empty());
      EXPECT_EQ(form.Text7_message->text(), "FICHIER ECRIT");
      EXPECT_TRUE(form.LblPasFichier->isHidden());
      EXPECT_EQ(readAll(target),
                literalCollection(six, six ? 0.125 : 1, six ? 0.0001 : 0, {20, 25, 30, 40, 50, 60}).file);
    }
  }
}

// Calculation and collection clicks during a collection run are ignored.
TEST_F(Collection, ClicksDuringACollectionRunAreIgnored) {
  ASSERT_TRUE(writeAll(listPath(), "20\r\n30\r\n40\r\n60\r\n"));
  type("1", "0", "8");
  form.Text3_mini->setText("20");
  EXPECT_EQ(testing::clickEveryButtonDuringTheRun(form, form.Cmd2_calcul), 4);
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_TRUE(platform.prompts.empty());
  EXPECT_TRUE(platform.messages.empty());
  expectCollectionColours();
  EXPECT_EQ(form.Text1_nb_solutions->text(), "8");
  EXPECT_EQ(readAll(listPath()), "20\r\n30\r\n40\r\n60\r\n");
  EXPECT_EQ(readAll(seriesPath(false)), literalCollection(false, 1, 0, {20, 30, 40, 60}).file);
  EXPECT_FALSE(QFile::exists(dir.filePath("rapports_orbanelles4.txt")));
}

// Quitting as a collection run starts: no line is written after the click.
TEST_F(Collection, QuitAtTheRunStartWritesNothing) {
  ASSERT_TRUE(writeAll(listPath(), "20\r\n30\r\n40\r\n60\r\n"));
  type("1", "0", "8");
  QTimer::singleShot(0, &form, [&] { form.Cmd2_quitter->click(); });
  form.Cmd2_calcul->click();
  EXPECT_EQ(form.ends, 1);
  EXPECT_TRUE(QFile::exists(seriesPath(false)));
  EXPECT_EQ(readAll(seriesPath(false)), "");
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_TRUE(platform.messages.empty());
}

// The collection cannot take the place of the old file at the end of the
// entry (a folder appeared there meanwhile): a message, the window back, no
// temporary file left.
TEST_F(Collection, EntryWhoseFileCannotBeReplaced) {
  ASSERT_TRUE(writeAll(listPath(), "99\r\n"));
  platform.inputs = {"20", "30"};
  platform.whileDialog = [&] {
    if (platform.prompts.size() != 3) return;
    QFile::remove(listPath());
    QDir().mkdir(listPath());
    writeAll(listPath() + "/inside.txt", "x");
  };
  form.CmdChoixRoues->click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Un dossier porte le nom du fichier\n" + listPath());
  EXPECT_FALSE(form.isHidden());
  EXPECT_EQ(readAll(listPath() + "/inside.txt"), "x");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{});
}

// A later continuous click reads the range a collection search left.
TEST_F(Collection, ContinuousRunUsesTheCollectionRange) {
  ASSERT_TRUE(writeAll(listPath(), "21\r\n20\r\n"));
  type("1", "0", "1");
  form.Cmd2_calcul->click();
  ASSERT_EQ(form.Text1_nb_solutions->text(), "0");
  form.Cmd1_calcul->click();
  EXPECT_EQ(form.Text1_nb_solutions->text(), "6");
  EXPECT_EQ(buttonColour(form.Cmd1_calcul), colours::cyan);
  EXPECT_EQ(buttonColour(form.Cmd2_calcul), colours::teal);
}

}  // namespace
}  // namespace gears
