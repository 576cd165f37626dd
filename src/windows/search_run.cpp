#include "windows/search_run.h"

#include <QTextCursor>
#include <string>

#include "common/cp1252.h"
#include "common/file_error.h"
#include "common/number_text.h"
#include "common/program_dir.h"
#include "search/collection_search.h"
#include "search/continuous_search.h"
#include "search/elapsed_time.h"
#include "search/record_format.h"
#include "search/results_writer.h"
#include "windows/event_yield.h"
#include "windows/form1.h"
#include "windows/platform_services.h"

namespace gears {

namespace {

void showWheelHeadings(Form1& w, TrainSize size) {
  for (QLabel* label : {w.Label21_roue_a, w.Label22_roue_b, w.Label23_roue_c, w.Label24_roue_d}) label->show();
  w.Label26_roue_e->setVisible(size == TrainSize::Six);
  w.Label27_roue_f->setVisible(size == TrainSize::Six);
}

// One run from start to end; lives only for the click that started it.
class Run {
 public:
  Run(Form1& window, const RunRequest& request)
      : w_(window),
        request_(request),
        symbol_(window.platform().decimalSymbol().toStdString()),
        writer_(utf8ToCp1252(symbol_)) {}

  void execute() {
    path_ = joinPath(w_.platform().programDirectory().toStdString(),
                     resultsFileName(request_.collection, request_.size).toStdString());
    if (FileError error = writer_.create(path_); error != FileError::None) return fail(error);
    start();

    const bool completed = search();
    if (w_.quitRequested) {
      // Quitting: keep what was found, write nothing more.
      writer_.close();
      return;
    }
    if (!completed) return fail(writer_.close());

    QCoreApplication::processEvents();
    if (FileError error = writer_.close(); error != FileError::None) return fail(error);
    if (w_.quitRequested) return;
    end();
  }

 private:
  void start() {
    w_.Timer1_message->start();
    showWheelHeadings(w_, request_.size);
    w_.Label20_liste_rapport->show();
    w_.Text6_résultats->show();
    w_.Text6_résultats->clear();
    w_.Text7_message->show();
    setTextColour(w_.Text7_message, colours::green);
    startTime_ = w_.platform().clockSeconds();
    w_.Text7_message->setText(QStringLiteral("PATIENTEZ"));
    w_.Text6_résultats->clear();
    w_.TxtTpsPasseH->clear();
    w_.TxtTpsPasseM->clear();
    w_.TxtTpsPasseS->clear();
    listCursor_ = QTextCursor(w_.Text6_résultats->document());
    QCoreApplication::processEvents();
  }

  bool search() {
    EventYield<Form1> yield(w_);
    auto sink = [this](const auto& train) { return record(train.wheels.data(), int(train.wheels.size()), train.ratio); };
    const RunRequest& q = request_;
    if (q.collection) {
      return q.size == TrainSize::Six ? searchCollection6(q.values, q.ratio, q.tolerance, sink, yield)
                                      : searchCollection4(q.values, q.ratio, q.tolerance, sink, yield);
    }
    return q.size == TrainSize::Six ? searchContinuous6(q.ratio, q.tolerance, q.lo, q.hi, sink, yield)
                                    : searchContinuous4(q.ratio, q.tolerance, q.lo, q.hi, sink, yield);
  }

  bool record(const double* wheels, int count, double ratio) {
    // Quitting may come in the run start's yield, before the search's first
    // yield point: nothing found after it is written.
    if (w_.quitRequested) return false;
    count_ += 1;
    if (!writer_.writeRecord(wheels, count, ratio)) return false;
    if (isListed(count_, request_.limit)) {
      // Appended at the end: rewriting the whole text would cost seconds.
      listCursor_.movePosition(QTextCursor::End);
      listCursor_.insertText(QString::fromStdString(listLine(wheels, count, ratio, symbol_)) + QLatin1Char('\n'));
    }
    return true;
  }

  void end() {
    setTextColour(w_.Text7_message, colours::cyan);
    w_.Timer1_message->stop();
    w_.platform().beep();
    w_.Text7_message->setText(QStringLiteral("FICHIER ECRIT"));

    const ElapsedTime elapsed = splitElapsed(static_cast<float>(w_.platform().clockSeconds() - startTime_));
    w_.TxtTpsPasseH->setText(QString::fromStdString(singleToText(elapsed.hours, symbol_)));
    w_.TxtTpsPasseM->setText(QString::fromStdString(singleToText(elapsed.minutes, symbol_)));
    w_.TxtTpsPasseS->setText(QString::fromStdString(singleToText(elapsed.seconds, symbol_)));

    w_.Label7->show();
    showWheelHeadings(w_, request_.size);
    w_.Label20_liste_rapport->show();
    w_.Text1_nb_solutions->show();
    w_.Text1_nb_solutions->setText(QString::fromStdString(doubleToText(count_, symbol_)));
    w_.Text9_adresse->show();
    w_.Text10_indique->show();
    w_.Text9_adresse->setText(QString::fromStdString(path_));
    w_.Timer2_indique->start();
    w_.Timer1_message->stop();
  }

  // A results file that cannot be created or written ends the run cleanly:
  // never a frozen "PATIENTEZ" nor a "FICHIER ECRIT" for a file that is not.
  void fail(FileError error) {
    if (writer_.error() == FileError::None) writer_.close();
    if (error == FileError::None) error = FileError::Other;
    w_.Timer1_message->stop();
    if (request_.collection) w_.LblPasFichier->show();
    w_.Text7_message->show();
    setTextColour(w_.Text7_message, colours::red);
    w_.Text7_message->setText(QStringLiteral("FICHIER NON ECRIT"));
    w_.platform().message(&w_, QString::fromStdString(std::string(frenchDescription(error))) + QLatin1Char('\n') +
                                   QString::fromStdString(path_));
  }

  Form1& w_;
  const RunRequest& request_;
  std::string symbol_;
  ResultsWriter writer_;
  std::string path_;
  double count_ = 0;
  double startTime_ = 0;
  QTextCursor listCursor_;
};

}  // namespace

QString resultsFileName(bool collection, TrainSize size) {
  const bool six = size == TrainSize::Six;
  if (collection) return six ? QStringLiteral("serie_orbanelles6.txt") : QStringLiteral("serie_orbanelles4.txt");
  return six ? QStringLiteral("rapports_orbanelles6.txt") : QStringLiteral("rapports_orbanelles4.txt");
}

void executeRun(Form1& window, const RunRequest& request) {
  window.runInProgress = true;
  Run(window, request).execute();
  window.runInProgress = false;
}

void showCheckFailure(Form1& w, const CheckOutcome& outcome) {
  w.Text7_message->show();
  setTextColour(w.Text7_message, colours::red);
  w.Text7_message->setText(QString::fromStdString(outcome.message));
  const std::pair<unsigned, QLineEdit*> fields[] = {
      {kRapport, w.Text5_rapport}, {kEcart, w.Text2_ecart}, {kMini, w.Text3_mini},
      {kMaxi, w.Text4_maxi},       {kLimite, w.Text8_limite},
  };
  for (const auto& [bit, field] : fields) {
    if (outcome.redFields & bit) setTextColour(field, colours::red);
  }
  for (QLabel* label : {w.Label21_roue_a, w.Label22_roue_b, w.Label23_roue_c, w.Label24_roue_d, w.Label26_roue_e,
                        w.Label27_roue_f, w.Label20_liste_rapport, w.Label7}) {
    label->hide();
  }
  w.Timer1_message->stop();
}

}  // namespace gears
