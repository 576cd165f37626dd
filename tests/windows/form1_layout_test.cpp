// The main window as it opens: every control, its place, kind, visibility,
// caption, colours and font.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "windows/form1.h"

namespace gears {
namespace {

enum class Kind { Frame, Label, Field, MultiLine, Button, Option };

const char* className(Kind kind) {
  switch (kind) {
    case Kind::Frame: return "QFrame";
    case Kind::Label: return "QLabel";
    case Kind::Field: return "QLineEdit";
    case Kind::MultiLine: return "QPlainTextEdit";
    case Kind::Button: return "QPushButton";
    case Kind::Option: return "QRadioButton";
  }
  return "";
}

struct Control {
  const char* name;
  Kind kind;
  const char* container;
  int left, top, width, height;  // twips
  bool shown;
};

// Every control but the lines, with its place in twips relative to its container.
const Control kControls[] = {
    {"Frame1", Kind::Frame, "Form1", 120, 120, 2415, 9855, true},
    {"Frame3", Kind::Frame, "Form1", 240, 240, 2175, 2175, true},
    {"Frame2", Kind::Frame, "Form1", 240, 2520, 2175, 975, true},
    {"Frame4", Kind::Frame, "Frame1", 120, 3480, 2175, 975, true},
    {"Frame6", Kind::Frame, "Form1", 240, 4680, 2175, 4095, true},
    {"Frame7", Kind::Frame, "Frame1", 120, 8760, 2175, 975, true},
    {"Frame5", Kind::Frame, "Form1", 10080, 120, 3015, 2295, true},
    {"Label12", Kind::Label, "Frame3", 240, 600, 255, 375, true},
    {"Label13", Kind::Label, "Frame3", 1560, 600, 255, 375, true},
    {"Label11", Kind::Label, "Frame3", 240, 1440, 255, 375, true},
    {"Label14", Kind::Label, "Frame3", 1560, 1560, 255, 375, true},
    {"Label21", Kind::Label, "Frame6", 240, 360, 255, 375, true},
    {"Label22", Kind::Label, "Frame6", 240, 1080, 255, 375, true},
    {"Label23", Kind::Label, "Frame6", 1560, 1080, 255, 375, true},
    {"Label24", Kind::Label, "Frame6", 1560, 2520, 255, 375, true},
    {"Label25", Kind::Label, "Frame6", 240, 2520, 255, 375, true},
    {"Label26", Kind::Label, "Frame6", 240, 3360, 255, 375, true},
    {"Label10", Kind::Label, "Frame2", 360, 360, 255, 375, true},
    {"Label19", Kind::Label, "Frame2", 600, 360, 255, 255, true},
    {"Label1", Kind::Label, "Frame2", 960, 120, 255, 255, true},
    {"Label5", Kind::Label, "Frame2", 1200, 120, 255, 255, true},
    {"Label3", Kind::Label, "Frame2", 1440, 120, 255, 255, true},
    {"Label2", Kind::Label, "Frame2", 960, 600, 255, 255, true},
    {"Label6", Kind::Label, "Frame2", 1200, 600, 255, 375, true},
    {"Label4", Kind::Label, "Frame2", 1440, 600, 255, 255, true},
    {"Label33", Kind::Label, "Frame7", 120, 360, 255, 375, true},
    {"Label34", Kind::Label, "Frame7", 480, 360, 135, 255, true},
    {"Label27", Kind::Label, "Frame7", 720, 120, 255, 255, true},
    {"Label36", Kind::Label, "Frame7", 960, 120, 255, 255, true},
    {"Label29", Kind::Label, "Frame7", 1200, 120, 255, 255, true},
    {"Label37", Kind::Label, "Frame7", 1440, 120, 255, 255, true},
    {"Label31", Kind::Label, "Frame7", 1680, 120, 255, 255, true},
    {"Label28", Kind::Label, "Frame7", 720, 600, 255, 255, true},
    {"Label35", Kind::Label, "Frame7", 960, 600, 255, 255, true},
    {"Label30", Kind::Label, "Frame7", 1200, 600, 255, 255, true},
    {"Label38", Kind::Label, "Frame7", 1440, 600, 255, 255, true},
    {"Label32", Kind::Label, "Frame7", 1680, 600, 255, 255, true},
    {"Option1", Kind::Option, "Frame4", 120, 240, 735, 600, true},
    {"Option2", Kind::Option, "Frame4", 1200, 240, 735, 600, true},
    {"Label18", Kind::Label, "Form1", 2640, 360, 2175, 375, true},
    {"Text5_rapport", Kind::Field, "Form1", 6600, 240, 3255, 480, true},
    {"Label8", Kind::Label, "Form1", 2760, 1080, 3495, 375, true},
    {"Text2_ecart", Kind::Field, "Form1", 6600, 960, 3255, 480, true},
    {"Label16", Kind::Label, "Form1", 2760, 1800, 3495, 615, true},
    {"Label9", Kind::Label, "Form1", 6600, 1560, 3255, 255, true},
    {"Text3_mini", Kind::Field, "Form1", 6600, 1920, 975, 495, true},
    {"Text4_maxi", Kind::Field, "Form1", 8880, 1920, 975, 495, true},
    {"Label25_limite", Kind::Label, "Form1", 2760, 2880, 2895, 615, true},
    {"Text8_limite", Kind::Field, "Form1", 6600, 2880, 975, 465, true},
    {"Cmd1_calcul", Kind::Button, "Form1", 8520, 2640, 1335, 855, true},
    {"Label15", Kind::Label, "Frame5", 120, 120, 2775, 2055, true},
    {"TxtTpsPasseH", Kind::Field, "Form1", 10320, 2880, 495, 420, true},
    {"Label39", Kind::Label, "Form1", 10920, 3000, 135, 255, true},
    {"TxtTpsPasseM", Kind::Field, "Form1", 11160, 2880, 495, 420, true},
    {"Label40", Kind::Label, "Form1", 11760, 3000, 375, 255, true},
    {"TxtTpsPasseS", Kind::Field, "Form1", 12120, 2880, 495, 420, true},
    {"Label41", Kind::Label, "Form1", 12720, 3000, 135, 255, true},
    {"CmdRappel", Kind::Button, "Form1", 13200, 240, 1455, 495, true},
    {"LblPasFichier", Kind::Label, "Form1", 13200, 960, 1455, 615, false},
    {"CmdChoixRoues", Kind::Button, "Form1", 13200, 1800, 1455, 615, true},
    {"Cmd2_calcul", Kind::Button, "Form1", 13200, 2640, 1455, 975, false},
    {"TxtListe", Kind::MultiLine, "Form1", 13200, 4080, 1455, 6495, false},
    {"Label21_roue_a", Kind::Label, "Form1", 2760, 3600, 375, 375, false},
    {"Label22_roue_b", Kind::Label, "Form1", 3960, 3600, 375, 375, false},
    {"Label23_roue_c", Kind::Label, "Form1", 5160, 3600, 375, 375, false},
    {"Label24_roue_d", Kind::Label, "Form1", 6360, 3600, 375, 375, false},
    {"Label26_roue_e", Kind::Label, "Form1", 7560, 3600, 375, 375, false},
    {"Label27_roue_f", Kind::Label, "Form1", 8760, 3600, 375, 375, false},
    {"Label20_liste_rapport", Kind::Label, "Form1", 9960, 3600, 1575, 375, false},
    {"Text6_résultats", Kind::MultiLine, "Form1", 2760, 4080, 10215, 4335, false},
    {"Label20", Kind::Label, "Form1", 4440, 4800, 6375, 2775, true},
    {"CmdInfos", Kind::Button, "Form1", 2760, 8760, 975, 495, true},
    {"Text7_message", Kind::Field, "Form1", 4320, 8760, 6855, 465, false},
    {"Cmd2_quitter", Kind::Button, "Form1", 11520, 8760, 1455, 495, true},
    {"Label7", Kind::Label, "Form1", 2760, 9600, 5415, 375, false},
    {"Text1_nb_solutions", Kind::Field, "Form1", 9120, 9480, 3855, 525, false},
    {"Text10_indique", Kind::Field, "Form1", 120, 10200, 735, 360, false},
    {"Text9_adresse", Kind::Field, "Form1", 1320, 10200, 11655, 375, false},
};

struct Line {
  const char* name;
  const char* container;
  bool vertical;
  int at;           // x of a wheel, y of a shaft or bar (twips)
  int from, to;     // its extent along the other axis (twips)
  int width;        // pixels
  QColor colour;
};

const Line kLines[] = {
    {"Line4", "Frame3", true, 1200, 120, 1320, 7, colours::yellow},
    {"Line3", "Frame3", true, 840, 480, 960, 7, colours::cyan},
    {"Line6", "Frame3", false, 720, 600, 1440, 3, colours::white},
    {"Line1", "Frame3", true, 840, 1080, 2040, 7, colours::red},
    {"Line5", "Frame3", true, 1200, 1440, 1920, 7, colours::green},
    {"Line9", "Frame3", false, 1560, 600, 960, 3, colours::white},
    {"Line8", "Frame3", false, 1680, 1080, 1440, 3, colours::white},
    {"Line10", "Frame6", true, 840, 120, 840, 7, colours::red},
    {"Line17", "Frame6", false, 480, 600, 960, 3, colours::white},
    {"Line12", "Frame6", true, 1200, 360, 2040, 7, colours::yellow},
    {"Line11", "Frame6", true, 840, 960, 1440, 7, colours::cyan},
    {"Line15", "Frame6", false, 1200, 600, 1440, 3, colours::white},
    {"Line14", "Frame6", true, 1200, 2160, 3120, 7, colours::darkGreen},
    {"Line7", "Frame6", true, 840, 2400, 2880, 7, colours::pink},
    {"Line16", "Frame6", false, 2640, 600, 1440, 3, colours::white},
    {"Line13", "Frame6", true, 840, 3000, 3960, 7, colours::orange},
    {"Line18", "Frame6", false, 3480, 600, 960, 3, colours::white},
    {"Line2", "Frame2", false, 480, 960, 1680, 2, colours::white},
    {"Line19", "Frame7", false, 480, 720, 1920, 2, colours::white},
};

class Form1Layout : public ::testing::Test {
 protected:
  void SetUp() override {
    form.show();
  }

  template <typename T = QWidget>
  T* control(const char* name) {
    T* found = form.findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  testing::FakePlatform platform;
  Form1 form{platform};
};

TEST_F(Form1Layout, WindowItself) {
  EXPECT_EQ(form.objectName(), "Form1");
  EXPECT_EQ(form.windowTitle(), QString(93, ' ') + "CALCUL DE TRAINS D'ORBANELLES     V2-25");
  EXPECT_EQ(form.size(), QSize(990, 722));
  EXPECT_EQ(form.minimumSize(), QSize(990, 722));
  EXPECT_EQ(form.maximumSize(), QSize(990, 722));
  EXPECT_EQ(backgroundColour(&form), colours::grey);
  EXPECT_EQ(form.font().family(), "Arial");
  EXPECT_EQ(form.font().pointSizeF(), 8.25);
  EXPECT_TRUE(form.font().bold());
}

TEST_F(Form1Layout, EveryControlInItsPlace) {
  for (const Control& c : kControls) {
    SCOPED_TRACE(c.name);
    QWidget* w = control(c.name);
    if (w == nullptr) continue;
    EXPECT_STREQ(w->metaObject()->className(), className(c.kind));
    ASSERT_NE(w->parentWidget(), nullptr);
    EXPECT_EQ(w->parentWidget()->objectName(), c.container);
    EXPECT_EQ(w->geometry(), QRect(c.left / 15, c.top / 15, c.width / 15, c.height / 15));
    EXPECT_EQ(w->isVisible(), c.shown);
  }
}

TEST_F(Form1Layout, LinesDrawTheWheelsAndShafts) {
  for (const Line& l : kLines) {
    SCOPED_TRACE(l.name);
    auto* w = control<QFrame>(l.name);
    if (w == nullptr) continue;
    EXPECT_EQ(w->parentWidget()->objectName(), l.container);
    const QRect g = w->geometry();
    if (l.vertical) {
      EXPECT_EQ(g.width(), l.width);
      EXPECT_EQ((g.left() + l.width / 2) * 15, l.at);
      EXPECT_EQ(g.top() * 15, l.from);
      EXPECT_EQ((g.bottom() + 1) * 15, l.to);
    } else {
      EXPECT_EQ(g.height(), l.width);
      EXPECT_EQ((g.top() + l.width / 2) * 15, l.at);
      EXPECT_EQ(g.left() * 15, l.from);
      EXPECT_EQ((g.right() + 1) * 15, l.to);
    }
    EXPECT_EQ(backgroundColour(w), l.colour);
    EXPECT_TRUE(w->autoFillBackground());
    EXPECT_TRUE(w->isVisible());
  }
}

// Nothing named on the window that the tables above do not know.
TEST_F(Form1Layout, NoOtherNamedControls) {
  QSet<QString> known;
  for (const Control& c : kControls) known.insert(QString::fromUtf8(c.name));
  for (const Line& l : kLines) known.insert(QString::fromUtf8(l.name));
  EXPECT_EQ(known.size(), int(std::size(kControls) + std::size(kLines)));
  for (QWidget* w : form.findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (name.isEmpty() || name.startsWith("qt_")) continue;
    EXPECT_TRUE(known.contains(name)) << name.toStdString();
  }
}

// The members carry the controls of the same name.
TEST_F(Form1Layout, MembersAreTheNamedControls) {
  EXPECT_EQ(form.Text6_résultats, control("Text6_résultats"));
  EXPECT_EQ(form.Label20, control("Label20"));
  EXPECT_EQ(form.Label20_liste_rapport, control("Label20_liste_rapport"));
  EXPECT_EQ(form.Label21, control("Label21"));
  EXPECT_EQ(form.Label21_roue_a, control("Label21_roue_a"));
  EXPECT_EQ(form.Label25, control("Label25"));
  EXPECT_EQ(form.Label25_limite, control("Label25_limite"));
  EXPECT_EQ(form.Label27, control("Label27"));
  EXPECT_EQ(form.Label27_roue_f, control("Label27_roue_f"));
  EXPECT_EQ(form.Cmd2_calcul, control("Cmd2_calcul"));
  EXPECT_EQ(form.Cmd2_quitter, control("Cmd2_quitter"));
  EXPECT_EQ(form.TxtListe, control("TxtListe"));
  EXPECT_EQ(form.Option2, control("Option2"));
}

struct Caption {
  const char* name;
  const char* text;
};

const Caption kCaptions[] = {
    {"Label12", "B"}, {"Label13", "C"}, {"Label11", "A"}, {"Label14", "D"},
    {"Label21", "A"}, {"Label22", "B"}, {"Label23", "C"}, {"Label24", "D"}, {"Label25", "E"}, {"Label26", "F"},
    {"Label10", "R"}, {"Label19", "="}, {"Label1", "A"}, {"Label5", "x"}, {"Label3", "C"},
    {"Label2", "B"}, {"Label6", "x"}, {"Label4", "D"},
    {"Label33", "R"}, {"Label34", "="}, {"Label27", "A"}, {"Label36", "x"}, {"Label29", "C"}, {"Label37", "x"},
    {"Label31", "E"}, {"Label28", "B"}, {"Label35", "x"}, {"Label30", "D"}, {"Label38", "x"}, {"Label32", "F"},
    {"Option1", "4"}, {"Option2", "6"},
    {"Label18", "   Rapport demandé"},
    {"Label8", "Ecart MAXI voulu pour le rapport "},
    {"Label16", "Plage de dents désirée pour les roues dentées :  de 3 à 400"},
    {"Label9", "Mini                              Maxi"},
    {"Label25_limite", "Nombre MAXI de solutions  à afficher à l'écran"},
    {"Cmd1_calcul", "CALCUL AVEC SERIE CONTINUE"},
    {"Label39", "H"}, {"Label40", "Mn"}, {"Label41", "S"},
    {"CmdRappel", "CONFIGURATION PERSONNELLE"},
    {"LblPasFichier", "  PAS DE FICHIER CREE"},
    {"CmdChoixRoues", "CHOIX DES ROUES"},
    {"Cmd2_calcul", "CALCUL AVEC SERIE PARTICULIERE POUR LE TOUR"},
    {"Label21_roue_a", "A"}, {"Label22_roue_b", "B"}, {"Label23_roue_c", "C"}, {"Label24_roue_d", "D"},
    {"Label26_roue_e", "E"}, {"Label27_roue_f", "F"}, {"Label20_liste_rapport", "RAPPORT"},
    {"CmdInfos", "INFOS"},
    {"Cmd2_quitter", "QUITTER"},
    {"Label7", "Nombre total de solutions écrites dans le fichier "},
};

QString captionOf(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  return {};
}

TEST_F(Form1Layout, Captions) {
  for (const Caption& c : kCaptions) {
    QWidget* w = control(c.name);
    if (w != nullptr) {
      EXPECT_EQ(captionOf(w), QString::fromUtf8(c.text)) << c.name;
    }
  }
  EXPECT_EQ(form.Label9->text(), "Mini" + QString(30, ' ') + "Maxi");
}

QStringList trimmedRows(const QString& caption) {
  QStringList rows;
  for (const QString& row : caption.split('\n')) rows << row.trimmed();
  return rows;
}

TEST_F(Form1Layout, CaptionsOfSeveralRows) {
  EXPECT_EQ(trimmedRows(form.Label15->text()),
            QStringList({"Obtenir un rapport", "de réduction", "ou de multiplication", "entre les  roues",
                         "A et D   ou   A et F.", "B et C   et    D et E", "étant solidaires"}));
  EXPECT_TRUE(form.Label15->text().startsWith("     Obtenir"));
  EXPECT_EQ(trimmedRows(form.Label20->text()),
            QStringList({"", "IMPORTANT", "", "Il faut que le symbole décimale",
                         "soit le POINT  \" . \" et non la VIRGULE  \" , \"",
                         "Voir les options régionales et linguistiques",
                         "dans le Panneau de configuration   S.V.P.", "", "MERCI"}));
  // IMPORTANT stands towards the middle of its row.
  EXPECT_TRUE(form.Label20->text().split('\n')[1].startsWith(QString(20, ' ')));
}

TEST_F(Form1Layout, TextFieldsStartEmpty) {
  for (auto* field : form.findChildren<QLineEdit*>()) EXPECT_EQ(field->text(), "") << field->objectName().toStdString();
  EXPECT_EQ(form.Text6_résultats->toPlainText(), "");
  EXPECT_EQ(form.TxtListe->toPlainText(), "");
  for (auto* field : form.findChildren<QLineEdit*>()) EXPECT_FALSE(field->isReadOnly());
  EXPECT_FALSE(form.Text6_résultats->isReadOnly());
  EXPECT_FALSE(form.TxtListe->isReadOnly());
}

struct Colours {
  const char* name;
  QColor text;
  QColor background;
};

const Colours kColours[] = {
    {"Frame1", colours::black, colours::black},
    {"Frame3", colours::black, colours::grey},
    {"Frame2", colours::black, colours::grey},
    {"Frame4", colours::black, colours::darkGreen},
    {"Frame6", colours::black, colours::grey},
    {"Frame7", colours::black, colours::grey},
    {"Frame5", colours::black, colours::black},
    {"Label12", colours::cyan, colours::grey},
    {"Label13", colours::yellow, colours::grey},
    {"Label11", colours::red, colours::grey},
    {"Label14", colours::green, colours::grey},
    {"Label21", colours::red, colours::grey},
    {"Label22", colours::cyan, colours::grey},
    {"Label23", colours::yellow, colours::grey},
    {"Label24", colours::darkGreen, colours::grey},
    {"Label25", colours::pink, colours::grey},
    {"Label26", colours::orange, colours::grey},
    {"Label10", colours::white, colours::grey},
    {"Label19", colours::white, colours::grey},
    {"Label1", colours::red, colours::grey},
    {"Label5", colours::white, colours::grey},
    {"Label3", colours::yellow, colours::grey},
    {"Label2", colours::cyan, colours::grey},
    {"Label6", colours::white, colours::grey},
    {"Label4", colours::green, colours::grey},
    {"Label33", colours::white, colours::grey},
    {"Label34", colours::white, colours::grey},
    {"Label27", colours::red, colours::grey},
    {"Label36", colours::white, colours::grey},
    {"Label29", colours::yellow, colours::grey},
    {"Label37", colours::white, colours::grey},
    {"Label31", colours::pink, colours::grey},
    {"Label28", colours::cyan, colours::grey},
    {"Label35", colours::white, colours::grey},
    {"Label30", colours::darkGreen, colours::grey},
    {"Label38", colours::white, colours::grey},
    {"Label32", colours::orange, colours::grey},
    {"Option1", colours::black, colours::darkGreen},
    {"Option2", colours::black, colours::darkGreen},
    {"Label18", colours::white, colours::grey},
    {"Text5_rapport", colours::black, colours::green},
    {"Label8", colours::white, colours::grey},
    {"Text2_ecart", colours::black, colours::green},
    {"Label16", colours::white, colours::grey},
    {"Label9", colours::white, colours::grey},
    {"Text3_mini", colours::black, colours::green},
    {"Text4_maxi", colours::black, colours::green},
    {"Label25_limite", colours::white, colours::grey},
    {"Text8_limite", colours::black, colours::green},
    {"Cmd1_calcul", colours::black, colours::teal},
    {"Label15", colours::black, colours::darkGreen},
    {"TxtTpsPasseH", colours::green, colours::black},
    {"Label39", colours::white, colours::grey},
    {"TxtTpsPasseM", colours::green, colours::black},
    {"Label40", colours::white, colours::grey},
    {"TxtTpsPasseS", colours::green, colours::black},
    {"Label41", colours::white, colours::grey},
    {"CmdRappel", colours::black, colours::yellow},
    {"LblPasFichier", colours::white, colours::red},
    {"CmdChoixRoues", colours::black, colours::teal},
    {"Cmd2_calcul", colours::black, colours::teal},
    {"TxtListe", colours::white, colours::black},
    {"Label21_roue_a", colours::red, colours::grey},
    {"Label22_roue_b", colours::cyan, colours::grey},
    {"Label23_roue_c", colours::yellow, colours::grey},
    {"Label24_roue_d", colours::green, colours::grey},
    {"Label26_roue_e", colours::pink, colours::grey},
    {"Label27_roue_f", colours::orange, colours::grey},
    {"Label20_liste_rapport", colours::white, colours::grey},
    {"Text6_résultats", colours::white, colours::black},
    {"Label20", colours::white, colours::navy},
    {"CmdInfos", colours::black, colours::yellow},
    {"Text7_message", colours::green, colours::black},
    {"Cmd2_quitter", colours::black, colours::orange},
    {"Label7", colours::white, colours::grey},
    {"Text1_nb_solutions", colours::green, colours::black},
    {"Text10_indique", colours::black, colours::yellow},
    {"Text9_adresse", colours::green, colours::black},
};

TEST_F(Form1Layout, Colours) {
  for (const Colours& c : kColours) {
    SCOPED_TRACE(c.name);
    QWidget* w = control(c.name);
    if (w == nullptr) continue;
    // Frames have no text of their own.
    if (qstrncmp(c.name, "Frame", 5) != 0) {
      EXPECT_EQ(textColour(w), c.text);
    }
    EXPECT_EQ(backgroundColour(w), c.background);
  }
}

// The colours are the ones the widgets really paint with.
TEST_F(Form1Layout, ColoursReachThePalette) {
  EXPECT_EQ(form.Text5_rapport->palette().color(QPalette::Text), colours::black);
  EXPECT_EQ(form.Text5_rapport->palette().color(QPalette::Base), colours::green);
  EXPECT_EQ(form.Text6_résultats->viewport()->palette().color(QPalette::Base), colours::black);
  EXPECT_EQ(form.Label20->palette().color(QPalette::WindowText), colours::white);
  EXPECT_EQ(form.Label20->palette().color(QPalette::Window), colours::navy);
  EXPECT_TRUE(form.Label20->autoFillBackground());
  EXPECT_TRUE(form.Cmd2_quitter->styleSheet().contains("background-color: #ff8000"));
}

struct Font {
  const char* name;
  double points;
  bool italic;
};

const Font kFonts[] = {
    {"Label12", 12, false},          {"Label5", 8.25, false},          {"Label10", 12, false},
    {"Label34", 12, false},          {"Option1", 27.75, false},        {"Label18", 11.25, true},
    {"Text5_rapport", 18, false},    {"Label8", 11.25, true},          {"Label16", 12, true},
    {"Label9", 11.25, true},         {"Text4_maxi", 18, false},        {"Label25_limite", 11.25, true},
    {"Cmd1_calcul", 9.75, false},    {"Label15", 12, false},           {"TxtTpsPasseH", 14.25, false},
    {"Label39", 9.75, false},        {"CmdRappel", 8.25, false},       {"LblPasFichier", 9.75, false},
    {"CmdChoixRoues", 9.75, false},  {"Cmd2_calcul", 9, false},        {"TxtListe", 20.25, false},
    {"Label24_roue_d", 14.25, false}, {"Label20_liste_rapport", 14.25, false},
    {"Text6_résultats", 12, false},  {"Label20", 12, false},           {"CmdInfos", 14.25, false},
    {"Text7_message", 15.75, true},  {"Cmd2_quitter", 14.25, false},   {"Label7", 12, true},
    {"Text1_nb_solutions", 20.25, true}, {"Text10_indique", 11.25, false}, {"Text9_adresse", 9, true},
};

TEST_F(Form1Layout, Fonts) {
  for (const Font& f : kFonts) {
    QWidget* w = control(f.name);
    if (w == nullptr) continue;
    EXPECT_EQ(w->font().pointSizeF(), f.points) << f.name;
    EXPECT_EQ(w->font().italic(), f.italic) << f.name;
  }
  for (QWidget* w : form.findChildren<QWidget*>()) {
    EXPECT_EQ(w->font().family(), "Arial") << w->objectName().toStdString();
    EXPECT_TRUE(w->font().bold()) << w->objectName().toStdString();
  }
}

struct Alignment {
  const char* name;
  Qt::Alignment horizontal;
};

const Alignment kAlignments[] = {
    {"Text5_rapport", Qt::AlignRight}, {"Text2_ecart", Qt::AlignRight},   {"Text3_mini", Qt::AlignRight},
    {"Text4_maxi", Qt::AlignRight},    {"Text8_limite", Qt::AlignRight},  {"TxtTpsPasseS", Qt::AlignRight},
    {"Text7_message", Qt::AlignHCenter}, {"Text1_nb_solutions", Qt::AlignRight},
    {"Text10_indique", Qt::AlignHCenter}, {"Text9_adresse", Qt::AlignHCenter},
    {"Label8", Qt::AlignHCenter},      {"Label9", Qt::AlignHCenter},      {"Label18", Qt::AlignLeft},
    {"LblPasFichier", Qt::AlignHCenter}, {"Label21_roue_a", Qt::AlignHCenter},
    {"Label20_liste_rapport", Qt::AlignHCenter}, {"Label12", Qt::AlignHCenter}, {"Label34", Qt::AlignLeft},
    {"Label20", Qt::AlignLeft},        {"Label7", Qt::AlignLeft},
};

TEST_F(Form1Layout, Alignments) {
  for (const Alignment& a : kAlignments) {
    QWidget* w = control(a.name);
    if (w == nullptr) continue;
    Qt::Alignment actual;
    if (auto* field = qobject_cast<QLineEdit*>(w)) actual = field->alignment();
    if (auto* label = qobject_cast<QLabel*>(w)) actual = label->alignment();
    EXPECT_EQ(actual & Qt::AlignHorizontal_Mask, a.horizontal) << a.name;
  }
}

TEST_F(Form1Layout, LabelsWrapUnlessOneRowHigh) {
  EXPECT_TRUE(form.Label16->wordWrap());
  EXPECT_TRUE(form.Label25_limite->wordWrap());
  EXPECT_TRUE(form.Label15->wordWrap());
  EXPECT_TRUE(form.Label20->wordWrap());
  EXPECT_TRUE(form.LblPasFichier->wordWrap());
  // One row high: the caption stays on its row.
  EXPECT_FALSE(form.Label7->wordWrap());
  EXPECT_FALSE(form.Label8->wordWrap());
}

// Every caption of more than a letter has room for all its rows.
TEST_F(Form1Layout, CaptionsFitTheirLabels) {
  for (QLabel* label : form.findChildren<QLabel*>()) {
    if (label->text().size() <= 1) continue;
    const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
    EXPECT_LE(needed, label->height()) << label->objectName().toStdString();
  }
}

TEST_F(Form1Layout, MultiLineFields) {
  QPlainTextEdit* list = form.Text6_résultats;
  EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(list->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(list->tabStopDistance(), 80.0);

  QPlainTextEdit* wheels = form.TxtListe;
  EXPECT_EQ(wheels->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(wheels->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  wheels->setPlainText("20\r\n30\r\n");
  EXPECT_EQ(wheels->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

// The list shows its columns under the headings: one tab stop per 1200 twips.
TEST_F(Form1Layout, ListHeadingsStandOneTabStopApart) {
  const QLabel* headings[] = {form.Label21_roue_a, form.Label22_roue_b, form.Label23_roue_c, form.Label24_roue_d,
                              form.Label26_roue_e, form.Label27_roue_f, form.Label20_liste_rapport};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(headings[i]->x() - form.Text6_résultats->x(), i * form.Text6_résultats->tabStopDistance()) << i;
  }
}

TEST_F(Form1Layout, TrainSizeAndTimersAtStart) {
  EXPECT_TRUE(form.Option1->isChecked());
  EXPECT_FALSE(form.Option2->isChecked());
  form.Option2->click();
  EXPECT_FALSE(form.Option1->isChecked());
  EXPECT_TRUE(form.Option2->isChecked());
  form.Option1->click();
  EXPECT_TRUE(form.Option1->isChecked());
  EXPECT_FALSE(form.Option2->isChecked());

  for (const char* name : {"Timer1_message", "Timer2_indique"}) {
    auto* timer = form.findChild<QTimer*>(name);
    ASSERT_NE(timer, nullptr) << name;
    EXPECT_EQ(timer->interval(), 600);
    EXPECT_TRUE(timer->isActive());
    EXPECT_FALSE(timer->isSingleShot());
  }
  EXPECT_EQ(form.Timer1_message, form.findChild<QTimer*>("Timer1_message"));
  EXPECT_EQ(form.Timer2_indique, form.findChild<QTimer*>("Timer2_indique"));
}

}  // namespace
}  // namespace gears
