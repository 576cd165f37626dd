#include "windows/form2_aide.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "windows/help_placement.h"

namespace gears {

namespace {

constexpr float kTwipsPerPixel = 15.0f;

// One row per line: explicit breaks keep every row on its own line whatever
// the font's metrics; an empty line opens the text and separates the groups.
// Double blanks inside rows are part of the text.
const char kHelpText[] =
    "\n"
    "Les trains d'orbanelles sont composés de 4 ou 6 roues\n"
    "dentées ayant chacune entre 3 et 400 dents.\n"
    "\n"
    "Pour le système à 4 roues : B et C sont solidaires.\n"
    "Pour les 6 roues : B et C ainsi que E et D sont solidaires.\n"
    "\n"
    "Il faut saisir :\n"
    "- le rapport d'entraînement demandé.\n"
    "- L'écart MAXI pour le rapport c'est à dire la précision.\n"
    "- La plage de dents désirée pour les roues dentées,\n"
    "entre 3 dents pour le Mini et 400 dents pour le Maxi.\n"
    "- L'écart entre le Maxi et le Mini est limité pour le temps\n"
    "de calcul surtout pour le système à 6 roues.\n"
    "- Le nombre Maxi de solutions à afficher à l'écran est\n"
    "limité par le nombre de caractères dans une liste.\n"
    "\n"
    "Après avoir lancé le calcul :\n"
    "- des solutions, s'il y en a, s'affichent à l'écran.\n"
    "- Le nombre total de solutions trouvées est indiqué.\n"
    "- L'adresse où se trouve le fichier contenant toutes\n"
    "les solutions trouvées est notée tout en bas de la\n"
    "feuille de calculs.\n"
    "\n"
    "Il y a 2 options de calculs :\n"
    "-   \" Calcul avec série continue \"\n"
    "Les nombres de dents des roues sont choisis entre un\n"
    "MINI et un MAXI et toutes les solutions sont possibles\n"
    "entre ces limites y compris avec répétition de mêmes\n"
    "roues.\n"
    "\n"
    "-  \" Calcul avec série particulière pour le Tour \"\n"
    "Les nombres de dents des roues sont saisis à partir\n"
    "de la collection particulière de chaque Tourneur.\n"
    "Les solutions ne dépendent que des  roues que l'on\n"
    "possède.\n"
    "\n"
    "I M P O R T A N T :\n"
    "Le symbole décimal doit être le POINT.";

QFont arialBold(qreal points) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

// The label shows the rows as rich text only to fix the row pitch: 39 rows
// at the font's own spacing (18 px) would run under the button, at 17 px
// (Arial's pitch at this size on the original platform) they end above it.
QString helpTextHtml() {
  QString rows = QString::fromUtf8(kHelpText).toHtmlEscaped();
  rows.replace(QLatin1Char('\n'), QLatin1String("<br>"));
  return QLatin1String(
             "<p style=\"margin:0; white-space:pre-wrap; "
             "line-height:17px; -qt-line-height-type:fixed;\">") +
         rows + QLatin1String("</p>");
}

QPointer<Form2Aide>& trackedHelp() {
  static QPointer<Form2Aide> help;
  return help;
}

float toTwips(int pixels) { return static_cast<float>(pixels) * kTwipsPerPixel; }
int toPixels(float twips) { return qRound(twips / kTwipsPerPixel); }

// Places a help window that has not been shown yet beside `main`, moving
// `main` sideways when both would not fit on its screen.
void place(Form2Aide* help, QWidget* main) {
  const QRect mainFrame = main->frameGeometry();
  // The help window's frame is unknown until it is shown; the main window's
  // frame margins on the same desktop are the best estimate of it.
  const QSize margins = mainFrame.size() - main->geometry().size();
  const QSize helpOuter = help->size() + margins;

  QScreen* screen = main->screen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 0, 0);
  // Work relative to the screen's left edge so a second monitor behaves
  // like the first.
  WindowRect mainRect{toTwips(mainFrame.left() - area.left()), toTwips(mainFrame.top()),
                      toTwips(mainFrame.width()), toTwips(mainFrame.height())};
  WindowRect helpRect{0.0f, 0.0f, toTwips(helpOuter.width()), toTwips(helpOuter.height())};
  const HelpPlacement where = placeHelpWindow(mainRect, helpRect, toTwips(area.width()));

  if (where.mainLeft != mainRect.left) {
    main->move(toPixels(where.mainLeft) + area.left(), mainFrame.top());
  }
  // move() on a window positions its frame, which is what the placement is about.
  help->move(toPixels(where.helpLeft) + area.left(), toPixels(where.helpTop));
}

}  // namespace

Form2Aide::Form2Aide(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Form2Aide"));
  setWindowTitle(QStringLiteral("Form2"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kClientWidth, kClientHeight);
  QPalette windowPalette = palette();
  windowPalette.setColor(QPalette::Window, Qt::white);
  setPalette(windowPalette);
  setAutoFillBackground(true);

  label_ = new QLabel(this);
  label_->setObjectName(QStringLiteral("Label1"));
  label_->setGeometry(0, 0, 425, 713);  // 0, 0, 6375, 10695 twips
  label_->setTextFormat(Qt::RichText);
  label_->setText(helpTextHtml());
  label_->setWordWrap(true);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label_->setFont(arialBold(11.25));
  QPalette labelPalette = label_->palette();
  labelPalette.setColor(QPalette::Window, QColor(192, 192, 192));
  labelPalette.setColor(QPalette::WindowText, Qt::black);
  label_->setPalette(labelPalette);
  label_->setAutoFillBackground(true);
  label_->setFocusPolicy(Qt::NoFocus);

  // Created after the label so that it lies on top of its lower right corner.
  quitButton_ = new QPushButton(QStringLiteral("QUITTER LES INFOS"), this);
  quitButton_->setObjectName(QStringLiteral("CmdQuitterInfos"));
  quitButton_->setGeometry(256, 688, 169, 25);  // 3840, 10320, 2535, 375 twips
  quitButton_->setFont(arialBold(12));
  quitButton_->setStyleSheet(QStringLiteral("background-color: rgb(128, 255, 128);"));
  quitButton_->setFocusPolicy(Qt::StrongFocus);
  quitButton_->setFocus();
  // close() hides the window and, with WA_DeleteOnClose, deletes it later.
  connect(quitButton_, &QPushButton::clicked, this, &QWidget::close);
}

void showHelp(QWidget* mainWindow) {
  if (currentHelpWindow() != nullptr) return;
  auto* help = new Form2Aide;
  if (mainWindow != nullptr) place(help, mainWindow);
  trackedHelp() = help;
  help->show();
}

Form2Aide* currentHelpWindow() {
  Form2Aide* help = trackedHelp().data();
  // Closed but awaiting deletion: already gone as far as the user can tell.
  return help != nullptr && help->isVisible() ? help : nullptr;
}

void closeHelp() {
  if (Form2Aide* help = currentHelpWindow()) help->close();
}

}  // namespace gears
