// The controls of the main window, their places, colours, fonts and captions.
// Places and sizes are written in twips, as the window was drawn, and turned
// into pixels at 15 twips a pixel.
#include <QButtonGroup>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextDocument>
#include <QTextOption>
#include <QTimer>

#include "windows/form1.h"
#include "windows/wrapping_button.h"

namespace gears {

namespace {

constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) { return twips / kTwipsPerPixel; }

QRect twips(int left, int top, int width, int height) { return {px(left), px(top), px(width), px(height)}; }

// Every font of the window is Arial bold; 0 points keeps the window's font.
void setArial(QWidget* control, double points, bool italic = false) {
  if (points <= 0 && !italic) return;
  QFont font = control->font();
  font.setFamily(QStringLiteral("Arial"));
  font.setBold(true);
  if (points > 0) font.setPointSizeF(points);
  font.setItalic(italic);
  control->setFont(font);
}

struct Look {
  QColor text;
  QColor background;
  double points = 0;
  bool italic = false;
  Qt::Alignment alignment = Qt::AlignLeft;
};

void place(QWidget* control, const char* name, const QRect& geometry) {
  control->setObjectName(QString::fromUtf8(name));
  control->setGeometry(geometry);
}

QFrame* panel(QWidget* parent, const char* name, const QRect& geometry, const QColor& colour) {
  auto* frame = new QFrame(parent);
  place(frame, name, geometry);
  frame->setFrameShape(QFrame::NoFrame);
  setBackgroundColour(frame, colour);
  return frame;
}

// A wheel: a vertical stroke `width` pixels thick centred on x.
QFrame* wheel(QWidget* parent, const char* name, int x, int top, int bottom, const QColor& colour, int width = 7) {
  return panel(parent, name, QRect(px(x) - width / 2, px(top), width, px(bottom) - px(top)), colour);
}

// A shaft or a fraction bar: a horizontal stroke `width` pixels thick centred on y.
QFrame* bar(QWidget* parent, const char* name, int y, int left, int right, const QColor& colour, int width) {
  return panel(parent, name, QRect(px(left), px(y) - width / 2, px(right) - px(left), width), colour);
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, const QRect& geometry, const Look& look) {
  auto* control = new QLabel(caption, parent);
  place(control, name, geometry);
  control->setTextFormat(Qt::PlainText);
  control->setAlignment(look.alignment | Qt::AlignTop);
  setTextColour(control, look.text);
  setBackgroundColour(control, look.background);
  setArial(control, look.points, look.italic);
  // Captions wrap at word boundaries, except in a label one row high: there a
  // caption a pixel too wide would lose its last word to an invisible row.
  control->setWordWrap(geometry.height() >= 2 * QFontMetrics(control->font()).lineSpacing());
  return control;
}

QLineEdit* field(QWidget* parent, const char* name, const QRect& geometry, const Look& look) {
  auto* control = new QLineEdit(parent);
  place(control, name, geometry);
  control->setAlignment(look.alignment | Qt::AlignVCenter);
  setTextColour(control, look.text);
  setBackgroundColour(control, look.background);
  setArial(control, look.points, look.italic);
  return control;
}

QPlainTextEdit* multiLineField(QWidget* parent, const char* name, const QRect& geometry, const Look& look) {
  auto* control = new QPlainTextEdit(parent);
  place(control, name, geometry);
  setTextColour(control, look.text);
  setBackgroundColour(control, look.background);
  setArial(control, look.points, look.italic);
  return control;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                    const QColor& colour, double points = 0) {
  auto* control = new WrappingButton(caption, parent);
  place(control, name, geometry);
  setButtonColour(control, colour);
  setTextColour(control, colours::black);
  setArial(control, points);
  return control;
}

// Letters of the diagrams and formulas: 12 pt, centred, on grey.
QLabel* letter(QWidget* parent, const char* name, const QString& caption, int left, int top, const QColor& colour,
               int height = 375) {
  return label(parent, name, caption, twips(left, top, 255, height),
               {colour, colours::grey, 12, false, Qt::AlignHCenter});
}

// The "x" signs of the formulas keep the window's font.
QLabel* times(QWidget* parent, const char* name, int left, int top, int height = 255) {
  return label(parent, name, QStringLiteral("x"), twips(left, top, 255, height),
               {colours::white, colours::grey, 0, false, Qt::AlignHCenter});
}

QString blanks(int count) { return QString(count, QLatin1Char(' ')); }

}  // namespace

void Form1::buildFrames() {
  using namespace colours;
  Frame1 = panel(this, "Frame1", twips(120, 120, 2415, 9855), black);
  // The diagram frames stand on the window, above the black panel.
  Frame3 = panel(this, "Frame3", twips(240, 240, 2175, 2175), grey);
  Frame2 = panel(this, "Frame2", twips(240, 2520, 2175, 975), grey);
  Frame4 = panel(Frame1, "Frame4", twips(120, 3480, 2175, 975), darkGreen);
  Frame6 = panel(this, "Frame6", twips(240, 4680, 2175, 4095), grey);
  Frame7 = panel(Frame1, "Frame7", twips(120, 8760, 2175, 975), grey);
  Frame5 = panel(this, "Frame5", twips(10080, 120, 3015, 2295), black);
}

void Form1::buildDiagrams() {
  using namespace colours;
  // Four wheels: A drives B, C (on B's shaft) drives D.
  Line4 = wheel(Frame3, "Line4", 1200, 120, 1320, yellow);
  Line3 = wheel(Frame3, "Line3", 840, 480, 960, cyan);
  Line6 = bar(Frame3, "Line6", 720, 600, 1440, white, 3);
  Line1 = wheel(Frame3, "Line1", 840, 1080, 2040, red);
  Line5 = wheel(Frame3, "Line5", 1200, 1440, 1920, green);
  Line9 = bar(Frame3, "Line9", 1560, 600, 960, white, 3);
  Line8 = bar(Frame3, "Line8", 1680, 1080, 1440, white, 3);
  Label12 = letter(Frame3, "Label12", QStringLiteral("B"), 240, 600, cyan);
  Label13 = letter(Frame3, "Label13", QStringLiteral("C"), 1560, 600, yellow);
  Label11 = letter(Frame3, "Label11", QStringLiteral("A"), 240, 1440, red);
  Label14 = letter(Frame3, "Label14", QStringLiteral("D"), 1560, 1560, green);

  // Six wheels: A drives B, C drives D, E drives F.
  Line10 = wheel(Frame6, "Line10", 840, 120, 840, red);
  Line17 = bar(Frame6, "Line17", 480, 600, 960, white, 3);
  Line12 = wheel(Frame6, "Line12", 1200, 360, 2040, yellow);
  Line11 = wheel(Frame6, "Line11", 840, 960, 1440, cyan);
  Line15 = bar(Frame6, "Line15", 1200, 600, 1440, white, 3);
  Line14 = wheel(Frame6, "Line14", 1200, 2160, 3120, darkGreen);
  Line7 = wheel(Frame6, "Line7", 840, 2400, 2880, pink);
  Line16 = bar(Frame6, "Line16", 2640, 600, 1440, white, 3);
  Line13 = wheel(Frame6, "Line13", 840, 3000, 3960, orange);
  Line18 = bar(Frame6, "Line18", 3480, 600, 960, white, 3);
  Label21 = letter(Frame6, "Label21", QStringLiteral("A"), 240, 360, red);
  Label22 = letter(Frame6, "Label22", QStringLiteral("B"), 240, 1080, cyan);
  Label23 = letter(Frame6, "Label23", QStringLiteral("C"), 1560, 1080, yellow);
  Label24 = letter(Frame6, "Label24", QStringLiteral("D"), 1560, 2520, darkGreen);
  Label25 = letter(Frame6, "Label25", QStringLiteral("E"), 240, 2520, pink);
  Label26 = letter(Frame6, "Label26", QStringLiteral("F"), 240, 3360, orange);
}

void Form1::buildFormulas() {
  using namespace colours;
  const Look sign{white, grey, 12, false, Qt::AlignHCenter};

  // R = (A x C) / (B x D)
  Label10 = letter(Frame2, "Label10", QStringLiteral("R"), 360, 360, white);
  Label19 = label(Frame2, "Label19", QStringLiteral("="), twips(600, 360, 255, 255), sign);
  Label1 = letter(Frame2, "Label1", QStringLiteral("A"), 960, 120, red, 255);
  Label5 = times(Frame2, "Label5", 1200, 120);
  Label3 = letter(Frame2, "Label3", QStringLiteral("C"), 1440, 120, yellow, 255);
  Line2 = bar(Frame2, "Line2", 480, 960, 1680, white, 2);
  Label2 = letter(Frame2, "Label2", QStringLiteral("B"), 960, 600, cyan, 255);
  Label6 = times(Frame2, "Label6", 1200, 600, 375);
  Label4 = letter(Frame2, "Label4", QStringLiteral("D"), 1440, 600, green, 255);

  // R = (A x C x E) / (B x D x F)
  Label33 = letter(Frame7, "Label33", QStringLiteral("R"), 120, 360, white);
  Label34 = label(Frame7, "Label34", QStringLiteral("="), twips(480, 360, 135, 255),
                  {white, grey, 12, false, Qt::AlignLeft});
  Label27 = letter(Frame7, "Label27", QStringLiteral("A"), 720, 120, red, 255);
  Label36 = times(Frame7, "Label36", 960, 120);
  Label29 = letter(Frame7, "Label29", QStringLiteral("C"), 1200, 120, yellow, 255);
  Label37 = times(Frame7, "Label37", 1440, 120);
  Label31 = letter(Frame7, "Label31", QStringLiteral("E"), 1680, 120, pink, 255);
  Line19 = bar(Frame7, "Line19", 480, 720, 1920, white, 2);
  Label28 = letter(Frame7, "Label28", QStringLiteral("B"), 720, 600, cyan, 255);
  Label35 = times(Frame7, "Label35", 960, 600);
  Label30 = letter(Frame7, "Label30", QStringLiteral("D"), 1200, 600, darkGreen, 255);
  Label38 = times(Frame7, "Label38", 1440, 600);
  Label32 = letter(Frame7, "Label32", QStringLiteral("F"), 1680, 600, orange, 255);
}

void Form1::buildTrainSize() {
  auto option = [this](const char* name, const QString& caption, int left) {
    auto* control = new QRadioButton(caption, Frame4);
    place(control, name, twips(left, 240, 735, 600));
    setTextColour(control, colours::black);
    setBackgroundColour(control, colours::darkGreen);
    setArial(control, 27.75);
    return control;
  };
  Option1 = option("Option1", QStringLiteral("4"), 120);
  Option2 = option("Option2", QStringLiteral("6"), 1200);
  trainSizeGroup = new QButtonGroup(this);
  trainSizeGroup->setObjectName(QStringLiteral("trainSizeGroup"));
  trainSizeGroup->addButton(Option1, 4);
  trainSizeGroup->addButton(Option2, 6);
  Option1->setChecked(true);
}

void Form1::buildParameters() {
  using namespace colours;
  const Look caption{white, grey, 11.25, true, Qt::AlignLeft};
  const Look centredCaption{white, grey, 11.25, true, Qt::AlignHCenter};
  const Look input{black, green, 18, false, Qt::AlignRight};

  Label18 = label(this, "Label18", QStringLiteral("   Rapport demandé"), twips(2640, 360, 2175, 375), caption);
  Text5_rapport = field(this, "Text5_rapport", twips(6600, 240, 3255, 480), input);
  Label8 = label(this, "Label8", QStringLiteral("Ecart MAXI voulu pour le rapport "), twips(2760, 1080, 3495, 375),
                 centredCaption);
  Text2_ecart = field(this, "Text2_ecart", twips(6600, 960, 3255, 480), input);
  Label16 = label(this, "Label16", QStringLiteral("Plage de dents désirée pour les roues dentées :  de 3 à 400"),
                  twips(2760, 1800, 3495, 615), {white, grey, 12, true, Qt::AlignLeft});
  // Headings of the two fields below, one over each.
  Label9 = label(this, "Label9", QStringLiteral("Mini") + blanks(30) + QStringLiteral("Maxi"),
                 twips(6600, 1560, 3255, 255), centredCaption);
  Text3_mini = field(this, "Text3_mini", twips(6600, 1920, 975, 495), input);
  Text4_maxi = field(this, "Text4_maxi", twips(8880, 1920, 975, 495), input);
  Label25_limite = label(this, "Label25_limite", QStringLiteral("Nombre MAXI de solutions  à afficher à l'écran"),
                         twips(2760, 2880, 2895, 615), caption);
  Text8_limite = field(this, "Text8_limite", twips(6600, 2880, 975, 465), input);
  Cmd1_calcul = button(this, "Cmd1_calcul", QStringLiteral("CALCUL AVEC SERIE CONTINUE"),
                       twips(8520, 2640, 1335, 855), teal, 9.75);

  const QString purpose = QStringList{
      blanks(5) + QStringLiteral("Obtenir un rapport"),
      QStringLiteral("de réduction"),
      QStringLiteral("ou de multiplication"),
      QStringLiteral("entre les  roues"),
      QStringLiteral("A et D   ou   A et F."),
      QStringLiteral("B et C   et    D et E"),
      QStringLiteral("étant solidaires"),
  }.join(QLatin1Char('\n'));
  Label15 = label(Frame5, "Label15", purpose, twips(120, 120, 2775, 2055), {black, darkGreen, 12});

  const Look time{green, black, 14.25, false, Qt::AlignRight};
  const Look unit{white, grey, 9.75};
  TxtTpsPasseH = field(this, "TxtTpsPasseH", twips(10320, 2880, 495, 420), time);
  Label39 = label(this, "Label39", QStringLiteral("H"), twips(10920, 3000, 135, 255), unit);
  TxtTpsPasseM = field(this, "TxtTpsPasseM", twips(11160, 2880, 495, 420), time);
  Label40 = label(this, "Label40", QStringLiteral("Mn"), twips(11760, 3000, 375, 255), unit);
  TxtTpsPasseS = field(this, "TxtTpsPasseS", twips(12120, 2880, 495, 420), time);
  Label41 = label(this, "Label41", QStringLiteral("S"), twips(12720, 3000, 135, 255), unit);
}

void Form1::buildCollectionColumn() {
  using namespace colours;
  CmdRappel = button(this, "CmdRappel", QStringLiteral("CONFIGURATION PERSONNELLE"), twips(13200, 240, 1455, 495), yellow);
  LblPasFichier = label(this, "LblPasFichier", QStringLiteral("  PAS DE FICHIER CREE"), twips(13200, 960, 1455, 615),
                        {white, red, 9.75, false, Qt::AlignHCenter});
  LblPasFichier->hide();
  CmdChoixRoues = button(this, "CmdChoixRoues", QStringLiteral("CHOIX DES ROUES"), twips(13200, 1800, 1455, 615),
                         teal, 9.75);
  Cmd2_calcul = button(this, "Cmd2_calcul", QStringLiteral("CALCUL AVEC SERIE PARTICULIERE POUR LE TOUR"),
                       twips(13200, 2640, 1455, 975), teal, 9);
  Cmd2_calcul->hide();

  TxtListe = multiLineField(this, "TxtListe", twips(13200, 4080, 1455, 6495), {white, black, 20.25});
  TxtListe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  TxtListe->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QTextOption centred = TxtListe->document()->defaultTextOption();
  centred.setAlignment(Qt::AlignHCenter);
  TxtListe->document()->setDefaultTextOption(centred);
  TxtListe->hide();
}

void Form1::buildList() {
  using namespace colours;
  auto heading = [this](const char* name, const QString& caption, int left, int width, const QColor& colour) {
    QLabel* control = label(this, name, caption, twips(left, 3600, width, 375),
                            {colour, grey, 14.25, false, Qt::AlignHCenter});
    control->hide();
    return control;
  };
  // One heading over each tab column of the list.
  Label21_roue_a = heading("Label21_roue_a", QStringLiteral("A"), 2760, 375, red);
  Label22_roue_b = heading("Label22_roue_b", QStringLiteral("B"), 3960, 375, cyan);
  Label23_roue_c = heading("Label23_roue_c", QStringLiteral("C"), 5160, 375, yellow);
  Label24_roue_d = heading("Label24_roue_d", QStringLiteral("D"), 6360, 375, green);
  Label26_roue_e = heading("Label26_roue_e", QStringLiteral("E"), 7560, 375, pink);
  Label27_roue_f = heading("Label27_roue_f", QStringLiteral("F"), 8760, 375, orange);
  Label20_liste_rapport = heading("Label20_liste_rapport", QStringLiteral("RAPPORT"), 9960, 1575, white);

  const QString warning = QStringList{
      QString(),
      blanks(37) + QStringLiteral("IMPORTANT"),
      QString(),
      QStringLiteral("Il faut que le symbole décimale"),
      QStringLiteral("soit le POINT  \" . \" et non la VIRGULE  \" , \""),
      QStringLiteral("Voir les options régionales et linguistiques"),
      QStringLiteral("dans le Panneau de configuration   S.V.P."),
      QString(),
      QStringLiteral("MERCI"),
  }.join(QLatin1Char('\n'));
  Label20 = label(this, "Label20", warning, twips(4440, 4800, 6375, 2775), {white, navy, 12});

  // Created after the warning so that, once shown, the list covers it.
  Text6_résultats = multiLineField(this, "Text6_résultats", twips(2760, 4080, 10215, 4335), {white, black, 12});
  Text6_résultats->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text6_résultats->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text6_résultats->setLineWrapMode(QPlainTextEdit::NoWrap);
  // 1200 twips between columns, the spacing of the headings above.
  Text6_résultats->setTabStopDistance(px(1200));
  Text6_résultats->hide();
}

void Form1::buildBottomRows() {
  using namespace colours;
  CmdInfos = button(this, "CmdInfos", QStringLiteral("INFOS"), twips(2760, 8760, 975, 495), yellow, 14.25);
  Text7_message = field(this, "Text7_message", twips(4320, 8760, 6855, 465), {green, black, 15.75, true, Qt::AlignHCenter});
  Text7_message->hide();
  Cmd2_quitter = button(this, "Cmd2_quitter", QStringLiteral("QUITTER"), twips(11520, 8760, 1455, 495), orange, 14.25);

  Label7 = label(this, "Label7", QStringLiteral("Nombre total de solutions écrites dans le fichier "),
                 twips(2760, 9600, 5415, 375), {white, grey, 12, true});
  Label7->hide();
  Text1_nb_solutions = field(this, "Text1_nb_solutions", twips(9120, 9480, 3855, 525),
                             {green, black, 20.25, true, Qt::AlignRight});
  Text1_nb_solutions->hide();

  // The pointer stands just left of the path it points at.
  Text10_indique = field(this, "Text10_indique", twips(120, 10200, 735, 360), {black, yellow, 11.25, false, Qt::AlignHCenter});
  Text10_indique->hide();
  Text9_adresse = field(this, "Text9_adresse", twips(1320, 10200, 11655, 375), {green, black, 9, true, Qt::AlignHCenter});
  Text9_adresse->hide();
}

void Form1::buildTimers() {
  auto timer = [this](const char* name, void (Form1::*tick)()) {
    auto* control = new QTimer(this);
    control->setObjectName(QString::fromUtf8(name));
    control->setInterval(600);
    connect(control, &QTimer::timeout, this, tick);
    control->start();
    return control;
  };
  Timer1_message = timer("Timer1_message", &Form1::Timer1_message_Timer);
  Timer2_indique = timer("Timer2_indique", &Form1::Timer2_indique_Timer);
}

void Form1::setKeyboardOrder() {
  // Inputs and buttons first; the display fields, reachable once shown, after them.
  const QList<QWidget*> order{Text5_rapport, Text2_ecart,   Text3_mini,      Text4_maxi,     Text8_limite,
                              Cmd1_calcul,   Cmd2_quitter,  CmdInfos,        Option1,        Option2,
                              CmdChoixRoues, CmdRappel,     Cmd2_calcul,     Text7_message,  Text6_résultats,
                              TxtListe,      TxtTpsPasseH,  TxtTpsPasseM,    TxtTpsPasseS,   Text1_nb_solutions,
                              Text10_indique, Text9_adresse};
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void Form1::connectButtons() {
  connect(Cmd1_calcul, &QPushButton::clicked, this, &Form1::Cmd1_calcul_Click);
  connect(Cmd2_calcul, &QPushButton::clicked, this, &Form1::Cmd2_calcul_Click);
  connect(CmdChoixRoues, &QPushButton::clicked, this, &Form1::CmdChoixRoues_Click);
  connect(CmdRappel, &QPushButton::clicked, this, &Form1::CmdRappel_Click);
  connect(CmdInfos, &QPushButton::clicked, this, &Form1::CmdInfos_Click);
  connect(Cmd2_quitter, &QPushButton::clicked, this, &Form1::Cmd2_quitter_Click);
}

}  // namespace gears
