// Calculations through the window: run start, the list, the results file and
// the run end, with a scripted platform.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "windows/form1.h"

namespace gears {
namespace {

class RecordingForm1 : public Form1 {
 public:
  using Form1::Form1;
  void endProgram() override { ++ends; }
  int ends = 0;
};

QByteArray readAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

class Form1Run : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    platform.directory = dir.path();
  }
  void typeParameters(const char* ratio, const char* deviation, const char* mini, const char* maxi,
                      const char* limit) {
    form.Text5_rapport->setText(ratio);
    form.Text2_ecart->setText(deviation);
    form.Text3_mini->setText(mini);
    form.Text4_maxi->setText(maxi);
    form.Text8_limite->setText(limit);
  }
  QTemporaryDir dir;
  testing::FakePlatform platform;
  RecordingForm1 form{platform};
};

TEST_F(Form1Run, FourWheelsHalfRatioWritesEverySolution) {
  typeParameters("0.5", "0", "20", "40", "3");
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
