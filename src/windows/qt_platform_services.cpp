#include "windows/qt_platform_services.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>

#include "common/program_dir.h"

namespace gears {

namespace {
// Width of the dialog's prompt, in pixels. Narrower than a sentence followed by
// its run of blanks, so that the blanks push the next sentence onto a later row.
constexpr int kPromptWidth = 360;
}  // namespace

QString QtPlatformServices::applicationTitle() { return QStringLiteral("CALCUL DE TRAINS D'ORBANELLES"); }

QtPlatformServices::QtPlatformServices() { clock_.start(); }

QString QtPlatformServices::inputText(QWidget* parent, const QString& title, const QString& prompt) {
  QInputDialog dialog(parent);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(title);
  dialog.setLabelText(prompt);
  dialog.setOkButtonText(QStringLiteral("OK"));
  dialog.setCancelButtonText(QStringLiteral("Annuler"));
  dialog.setTextValue(QString());
  if (auto* label = dialog.findChild<QLabel*>()) {
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFixedWidth(kPromptWidth);
  }
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.textValue();
}

void QtPlatformServices::message(QWidget* parent, const QString& text) {
  QMessageBox box(parent);
  box.setWindowTitle(applicationTitle());
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

void QtPlatformServices::beep() { QApplication::beep(); }

double QtPlatformServices::clockSeconds() { return static_cast<double>(clock_.nsecsElapsed()) / 1e9; }

QString QtPlatformServices::programDirectory() { return QString::fromStdString(gears::programDirectory()); }

QString QtPlatformServices::decimalSymbol() { return QLocale::system().decimalPoint(); }

}  // namespace gears
