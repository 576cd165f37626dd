#include <QGuiApplication>
#include <string>
#include <vector>

#include "collection/collection_file.h"
#include "common/cp1252.h"
#include "common/decimal_reader.h"
#include "common/file_error.h"
#include "common/number_text.h"
#include "common/program_dir.h"
#include "search/checks.h"
#include "search/tolerance.h"
#include "windows/form1.h"
#include "windows/form2_aide.h"
#include "windows/platform_services.h"
#include "windows/search_run.h"

// Handlers of the calculation, collection and help buttons; each is wired to
// its button's click in the window's constructor.
namespace gears {

namespace {

const char kCollectionFileName[] = "liste disponible.txt";
// Rows of TxtListe are cut on screen beyond this many characters, so that a
// pasted megabyte cannot freeze the window; the file keeps the whole entry.
constexpr int kShownEntryLength = 1000;

FieldTexts readFields(const Form1& w) {
  return {w.Text5_rapport->text().toStdString(), w.Text2_ecart->text().toStdString(),
          w.Text3_mini->text().toStdString(), w.Text4_maxi->text().toStdString(),
          w.Text8_limite->text().toStdString()};
}

std::string collectionPath(Form1& w) {
  return joinPath(w.platform().programDirectory().toStdString(), kCollectionFileName);
}

QString describe(FileError error, const std::string& path) {
  return QString::fromStdString(std::string(frenchDescription(error))) + QLatin1Char('\n') +
         QString::fromStdString(path);
}

// One wheel per row, each followed by a line end (so an empty row ends it).
void showEntries(Form1& w, const std::vector<std::string>& entries, bool bytesAreCp1252) {
  QString text;
  for (const std::string& entry : entries) {
    QString row = QString::fromStdString(bytesAreCp1252 ? cp1252ToUtf8(entry) : entry);
    if (row.size() > kShownEntryLength) row.truncate(kShownEntryLength);
    text += row;
    text += QLatin1Char('\n');
  }
  w.TxtListe->setPlainText(text);
}

void setCollectionColours(Form1& w) {
  setButtonColour(w.Cmd1_calcul, colours::teal);
  setButtonColour(w.Cmd2_calcul, colours::cyan);
  setButtonColour(w.CmdChoixRoues, colours::cyan);
}

void setParameterColours(Form1& w) {
  for (QLineEdit* field : {w.Text5_rapport, w.Text3_mini, w.Text4_maxi, w.Text2_ecart, w.Text8_limite}) {
    setTextColour(field, colours::grey);
  }
}

// The part of a calculation's preparation shared by both series.
void hideLastResults(Form1& w) {
  w.Label20->hide();
  w.Label7->hide();
  w.Label25_limite->show();
  w.Text1_nb_solutions->hide();
  w.Text6_résultats->hide();
  w.Text7_message->hide();
  w.Text8_limite->show();
  w.Text9_adresse->hide();
  w.Text10_indique->hide();
}

// Entry and recall leave the window in the collection state.
void showCollectionState(Form1& w) {
  w.Cmd2_calcul->show();
  w.Label16->hide();
  w.Text6_résultats->clear();
  for (QWidget* shown : std::initializer_list<QWidget*>{w.Text7_message, w.Text1_nb_solutions, w.Label7,
                                                        w.Text9_adresse, w.Text10_indique}) {
    shown->hide();
  }
  for (QLineEdit* field : {w.Text5_rapport, w.Text2_ecart, w.Text8_limite, w.TxtTpsPasseH, w.TxtTpsPasseM,
                           w.TxtTpsPasseS}) {
    field->clear();
  }
}

}  // namespace

void Form1::Cmd1_calcul_Click() {
  if (runInProgress) return;  // one run at a time
  const TrainSize size = trainSizeFromOptions(Option1->isChecked(), Option2->isChecked());

  setButtonColour(Cmd1_calcul, colours::cyan);
  setButtonColour(Cmd2_calcul, colours::teal);
  setButtonColour(CmdChoixRoues, colours::teal);
  hideLastResults(*this);
  // A collection entry or recall hides the tooth-range row; the continuous
  // series reads it, so it must be visible to be corrected.
  for (QWidget* row : std::initializer_list<QWidget*>{Label16, Label9, Text3_mini, Text4_maxi}) row->show();
  const FieldTexts fields = readFields(*this);
  setParameterColours(*this);

  const CheckOutcome outcome = checkContinuous(fields, size);
  if (!outcome.ok) return showCheckFailure(*this, outcome);

  RunRequest request;
  request.size = size;
  request.ratio = outcome.params.ratio;
  request.tolerance = toleranceFromDeviation(outcome.params.deviation);
  request.limit = outcome.params.limit;
  request.lo = outcome.params.lo;
  request.hi = outcome.params.hi;
  executeRun(*this, request);
}

void Form1::Cmd2_calcul_Click() {
  if (runInProgress) return;
  TxtListe->clear();
  setCollectionColours(*this);

  const std::string path = collectionPath(*this);
  const CollectionLoad load = loadCollection(path);
  if (load.error != FileError::None) {
    LblPasFichier->show();
    platform().message(this, describe(load.error, path));
    return;
  }
  TxtListe->show();
  showEntries(*this, load.entries, true);

  const std::vector<double> values = collectionValues(load.entries);
  float hi = 3;
  for (double value : values) {
    if (static_cast<float>(value) > hi) hi = static_cast<float>(value);
  }
  float lo = 400;
  for (double value : values) {
    if (static_cast<float>(value) < lo) lo = static_cast<float>(value);
  }
  const TrainSize size = trainSizeFromOptions(Option1->isChecked(), Option2->isChecked());

  CmdRappel->hide();
  hideLastResults(*this);
  for (QWidget* row : std::initializer_list<QWidget*>{Label9, Text3_mini, Text4_maxi}) row->show();
  LblPasFichier->hide();
  const std::string symbol = platform().decimalSymbol().toStdString();
  Text3_mini->setText(QString::fromStdString(singleToText(lo, symbol)));
  Text4_maxi->setText(QString::fromStdString(singleToText(hi, symbol)));
  const FieldTexts fields = readFields(*this);
  setParameterColours(*this);

  const CheckOutcome outcome = checkCollection(fields, lo, hi, static_cast<int>(load.entries.size()), size);
  if (!outcome.ok) return showCheckFailure(*this, outcome);

  RunRequest request;
  request.size = size;
  request.collection = true;
  request.ratio = outcome.params.ratio;
  request.tolerance = toleranceFromDeviation(outcome.params.deviation);
  request.limit = outcome.params.limit;
  request.values = values;
  executeRun(*this, request);
}

void Form1::CmdChoixRoues_Click() {
  if (runInProgress) return;
  setCollectionColours(*this);

  // While the main window is hidden, closing a dialog must not end the program.
  const bool quitOnClose = QGuiApplication::quitOnLastWindowClosed();
  QGuiApplication::setQuitOnLastWindowClosed(false);
  hide();
  LblPasFichier->hide();
  CmdRappel->hide();
  TxtListe->clear();

  // The new collection goes to a temporary file that replaces the old one only
  // once complete: a crash or a full disk never leaves half a collection.
  const std::string path = collectionPath(*this);
  CollectionWriter writer;
  if (FileError error = writer.begin(path); error != FileError::None) {
    show();
    QGuiApplication::setQuitOnLastWindowClosed(quitOnClose);
    platform().message(this, describe(error, path));
    return;
  }

  const QString title = QStringLiteral("SAISIE DU NOMBRE DE DENTS DES ROUES");
  const QString prompt = QStringLiteral("SAISIE DU NOMBRE DE DENTS DE CHAQUE ROUE") + QString(81, QLatin1Char(' ')) +
                         QStringLiteral("ANNULER = FIN DE LA SAISIE");
  std::vector<std::string> entries;
  for (QString typed = platform().inputText(this, title, prompt); !typed.isEmpty();
       typed = platform().inputText(this, title, prompt)) {
    entries.push_back(typed.toStdString());
  }

  showCollectionState(*this);
  for (QWidget* row : std::initializer_list<QWidget*>{Label9, Text3_mini, Text4_maxi}) row->hide();
  show();
  QGuiApplication::setQuitOnLastWindowClosed(quitOnClose);
  TxtListe->show();
  showEntries(*this, entries, false);

  for (const std::string& entry : entries) writer.add(utf8ToCp1252(entry));
  CmdRappel->hide();
  if (FileError error = writer.commit(); error != FileError::None) platform().message(this, describe(error, path));
}

void Form1::CmdRappel_Click() {
  if (runInProgress) return;
  setCollectionColours(*this);

  TxtListe->clear();
  showCollectionState(*this);
  for (QWidget* row : std::initializer_list<QWidget*>{Label9, Text3_mini, Text4_maxi}) row->show();

  const std::string path = collectionPath(*this);
  const CollectionLoad load = loadCollection(path);
  const auto failure = [this](const QString& text) {
    LblPasFichier->show();
    platform().message(this, text);
    Cmd2_calcul->hide();
  };
  if (load.error != FileError::None) return failure(describe(load.error, path));

  TxtListe->show();
  showEntries(*this, load.entries, true);
  // A file without any line has no failure to describe.
  if (load.entries.empty()) return failure(QString());

  const CollectionRange range = collectionRange(load.entries);
  const std::string symbol = platform().decimalSymbol().toStdString();
  Text3_mini->setText(QString::fromStdString(doubleToText(range.smallest, symbol)));
  Text4_maxi->setText(QString::fromStdString(doubleToText(range.largest, symbol)));
}

void Form1::CmdInfos_Click() { showHelp(this); }

}  // namespace gears
