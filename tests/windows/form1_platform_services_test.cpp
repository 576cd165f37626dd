// The real platform services, their dialogs driven as a user would.
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "common/program_dir.h"
#include "windows/qt_platform_services.h"

namespace gears {
namespace {

// 147 characters.
const QString kPrompt = "SAISIE DU NOMBRE DE DENTS DE CHAQUE ROUE" + QString(81, ' ') + "ANNULER = FIN DE LA SAISIE";

// Runs `act` on the modal dialog once it is up.
void whenModal(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      poll->stop();
      poll->deleteLater();
      act(modal);
    }
  });
  poll->start();
}

QStringList buttonTexts(QWidget* dialog) {
  QStringList texts;
  for (QAbstractButton* b : dialog->findChild<QDialogButtonBox*>()->buttons()) texts << b->text();
  texts.sort();
  return texts;
}

TEST(QtPlatformServices, InputDialogReturnsTheTypedText) {
  QtPlatformServices platform;
  QWidget owner;
  QString title, prompt;
  QStringList buttons;
  int promptRows = 0;
  whenModal([&](QWidget* dialog) {
    auto* input = qobject_cast<QInputDialog*>(dialog);
    ASSERT_NE(input, nullptr);
    title = input->windowTitle();
    prompt = input->labelText();
    buttons = buttonTexts(input);
    const QLabel* label = input->findChild<QLabel*>();
    EXPECT_TRUE(label->wordWrap());
    promptRows = label->heightForWidth(label->width()) / label->fontMetrics().lineSpacing();
    EXPECT_EQ(input->textValue(), "");
    EXPECT_EQ(input->parentWidget(), &owner);
    input->findChild<QLineEdit*>()->setText(" 36 ");
    input->accept();
  });
  EXPECT_EQ(platform.inputText(&owner, "SAISIE DU NOMBRE DE DENTS DES ROUES", kPrompt), " 36 ");
  EXPECT_EQ(title, "SAISIE DU NOMBRE DE DENTS DES ROUES");
  EXPECT_EQ(prompt, kPrompt);
  EXPECT_EQ(buttons, QStringList({"Annuler", "OK"}));
  // The blanks push "ANNULER = FIN DE LA SAISIE" onto a row of its own.
  EXPECT_EQ(promptRows, 2);
}

TEST(QtPlatformServices, InputDialogCancelledReturnsEmpty) {
  QtPlatformServices platform;
  whenModal([](QWidget* dialog) {
    dialog->findChild<QLineEdit*>()->setText("40");
    qobject_cast<QDialog*>(dialog)->reject();
  });
  EXPECT_EQ(platform.inputText(nullptr, "T", kPrompt), "");
}

TEST(QtPlatformServices, MessageBoxHasOneOkButtonAndTheApplicationTitle) {
  QtPlatformServices platform;
  QString title, text;
  QStringList buttons;
  whenModal([&](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    buttons = buttonTexts(box);
    box->button(QMessageBox::Ok)->click();
  });
  platform.message(nullptr, "<b>Fichier introuvable</b>");
  EXPECT_EQ(title, "CALCUL DE TRAINS D'ORBANELLES");
  EXPECT_EQ(text, "<b>Fichier introuvable</b>");
  EXPECT_EQ(buttons, QStringList({"OK"}));
}

TEST(QtPlatformServices, SystemFacts) {
  QtPlatformServices platform;
  EXPECT_EQ(platform.decimalSymbol(), QLocale::system().decimalPoint());
  EXPECT_EQ(platform.programDirectory(), QString::fromStdString(gears::programDirectory()));
  EXPECT_FALSE(platform.programDirectory().isEmpty());
  const double first = platform.clockSeconds();
  const double second = platform.clockSeconds();
  EXPECT_GE(first, 0.0);
  EXPECT_GE(second, first);
  EXPECT_EQ(QtPlatformServices::applicationTitle(), "CALCUL DE TRAINS D'ORBANELLES");
}

}  // namespace
}  // namespace gears
