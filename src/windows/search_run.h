#pragma once
#include <QString>
#include <vector>

#include "search/checks.h"

namespace gears {

class Form1;

// What a calculation click hands to the run once its checks have passed.
struct RunRequest {
  TrainSize size = TrainSize::Four;
  bool collection = false;     // the wheels of the collection, not a range
  double ratio = 0;
  double tolerance = 0;
  double limit = 0;            // on-screen limit
  double lo = 0, hi = 0;       // tooth range of the continuous series
  std::vector<double> values;  // tooth counts of the collection's entries
};

// Run start, the search with its solution recording, and run end, on the
// window's controls. Returns when the run has ended, failed or been stopped
// by quitting.
void executeRun(Form1& window, const RunRequest& request);

// Shows a failed check: the message in red, the fields concerned in red,
// list headings and total caption hidden, blinking stopped.
void showCheckFailure(Form1& window, const CheckOutcome& outcome);

// Name of the results file of a run.
QString resultsFileName(bool collection, TrainSize size);

}  // namespace gears
