// Calculations through the window: run start, the list, the results file and
// the run end, with a scripted platform.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "window_test_support.h"
#include "windows/form1.h"

namespace gears {
namespace {

using testing::readAll;

class Form1Run : public testing::WindowTest {};

TEST_F(Form1Run, FourWheelsHalfRatioWritesEverySolution) {
  testing::typeParameters(form, "0.5", "0", "20", "40", "3");
  form.Cmd1_calcul->click();
  EXPECT_EQ(form.Text7_message->text(), "FICHIER ECRIT");
  EXPECT_EQ(form.Text1_nb_solutions->text(), "164");
  EXPECT_EQ(form.Text6_résultats->toPlainText(),
            "20\t20\t20\t40\t\t\t0.5\n20\t21\t21\t40\t\t\t0.5\n20\t22\t22\t40\t\t\t0.5\n");
  const QByteArray file = readAll(dir.filePath("rapports_orbanelles4.txt"));
  EXPECT_EQ(file.count("\r\n"), 164);
  EXPECT_TRUE(file.startsWith(" 20 ; 20 ; 20 ; 40 ; 0.5 \r\n 20 ; 21 ; 21 ; 40 ; 0.5 \r\n"));
  EXPECT_EQ(form.Text9_adresse->text(), dir.filePath("rapports_orbanelles4.txt"));
  EXPECT_EQ(platform.beeps, 1);
}

}  // namespace
}  // namespace gears
