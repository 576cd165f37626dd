#pragma once
#include <QButtonGroup>
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

class QCloseEvent;

// The control classes come with this header, so that a handler file needs no
// other include to use the window's members.
namespace gears {

class PlatformServices;

// The colours of the window, by the names the handlers use.
namespace colours {
inline constexpr QColor grey{64, 64, 64};  // the window, the labels, and the normal text of the parameter fields
inline constexpr QColor black{0, 0, 0};
inline constexpr QColor white{255, 255, 255};
inline constexpr QColor red{255, 0, 0};
inline constexpr QColor green{0, 255, 0};
inline constexpr QColor darkGreen{0, 192, 0};
inline constexpr QColor cyan{0, 255, 255};
inline constexpr QColor teal{0, 192, 192};
inline constexpr QColor yellow{255, 255, 0};
inline constexpr QColor orange{255, 128, 0};
inline constexpr QColor pink{255, 128, 255};
inline constexpr QColor navy{0, 0, 128};
}  // namespace colours

// Colour access for every control of the windows. The roles are fixed so that
// what one handler sets, another (or a test) reads back:
//  - text fields (QLineEdit, QPlainTextEdit): text QPalette::Text, background QPalette::Base;
//  - buttons: background from setButtonColour (a style sheet, so the colour really
//    fills the button), text QPalette::ButtonText;
//  - everything else (labels, option buttons, frames, lines): text
//    QPalette::WindowText, background QPalette::Window.
void setTextColour(QWidget* control, const QColor& colour);
QColor textColour(const QWidget* control);
void setBackgroundColour(QWidget* control, const QColor& colour);
QColor backgroundColour(const QWidget* control);
// A button's fill colour; handlers change it at run time to show the kind of
// calculation last started.
void setButtonColour(QPushButton* button, const QColor& colour);
QColor buttonColour(const QPushButton* button);

// The main window. Every control is a public member named as its objectName,
// so that the handlers read like the descriptions of the calculations.
//
// Handlers of the calculation, collection and help buttons live in their own
// source files; this class only declares them and wires the buttons to them.
//
// Quitting: QUITTER and the close box call requestQuit(). It sets quitRequested
// and ends the program through endProgram(). A running search yields to the
// event loop, so the click reaches requestQuit() nested inside the search:
// such a search sets runInProgress for its duration, tests quitRequested after
// each yield and, when it is set, closes its file and returns at once without
// writing anything more; the event loop then ends.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(PlatformServices& platform, QWidget* parent = nullptr);
  ~Form1() override;

  PlatformServices& platform() const { return platform_; }

  // True while a calculation or collection handler runs (set and cleared by
  // it); a second calculation click during a run must not start another one.
  bool runInProgress = false;
  // Set by requestQuit(); a running handler stops at its next yield.
  bool quitRequested = false;

  // QUITTER: the program ends at once, whatever runs.
  virtual void requestQuit();
  // Closes every window (the help window too) and leaves the event loop;
  // harmless when no event loop runs. Overridable so tests can observe it.
  virtual void endProgram();

  // Left column: panels, diagrams and formulas.
  QFrame* Frame1 = nullptr;
  QFrame* Frame2 = nullptr;
  QFrame* Frame3 = nullptr;
  QFrame* Frame4 = nullptr;
  QFrame* Frame5 = nullptr;
  QFrame* Frame6 = nullptr;
  QFrame* Frame7 = nullptr;

  QFrame* Line1 = nullptr;
  QFrame* Line2 = nullptr;
  QFrame* Line3 = nullptr;
  QFrame* Line4 = nullptr;
  QFrame* Line5 = nullptr;
  QFrame* Line6 = nullptr;
  QFrame* Line7 = nullptr;
  QFrame* Line8 = nullptr;
  QFrame* Line9 = nullptr;
  QFrame* Line10 = nullptr;
  QFrame* Line11 = nullptr;
  QFrame* Line12 = nullptr;
  QFrame* Line13 = nullptr;
  QFrame* Line14 = nullptr;
  QFrame* Line15 = nullptr;
  QFrame* Line16 = nullptr;
  QFrame* Line17 = nullptr;
  QFrame* Line18 = nullptr;
  QFrame* Line19 = nullptr;

  // Letters of the diagrams and formulas.
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* Label12 = nullptr;
  QLabel* Label13 = nullptr;
  QLabel* Label14 = nullptr;
  QLabel* Label19 = nullptr;
  QLabel* Label21 = nullptr;
  QLabel* Label22 = nullptr;
  QLabel* Label23 = nullptr;
  QLabel* Label24 = nullptr;
  QLabel* Label25 = nullptr;
  QLabel* Label26 = nullptr;
  QLabel* Label27 = nullptr;
  QLabel* Label28 = nullptr;
  QLabel* Label29 = nullptr;
  QLabel* Label30 = nullptr;
  QLabel* Label31 = nullptr;
  QLabel* Label32 = nullptr;
  QLabel* Label33 = nullptr;
  QLabel* Label34 = nullptr;
  QLabel* Label35 = nullptr;
  QLabel* Label36 = nullptr;
  QLabel* Label37 = nullptr;
  QLabel* Label38 = nullptr;

  // Train size.
  QRadioButton* Option1 = nullptr;  // four wheels
  QRadioButton* Option2 = nullptr;  // six wheels
  QButtonGroup* trainSizeGroup = nullptr;

  // Parameters of a calculation.
  QLabel* Label18 = nullptr;
  QLineEdit* Text5_rapport = nullptr;
  QLabel* Label8 = nullptr;
  QLineEdit* Text2_ecart = nullptr;
  QLabel* Label16 = nullptr;
  QLabel* Label9 = nullptr;
  QLineEdit* Text3_mini = nullptr;
  QLineEdit* Text4_maxi = nullptr;
  QLabel* Label25_limite = nullptr;
  QLineEdit* Text8_limite = nullptr;
  QPushButton* Cmd1_calcul = nullptr;

  // Statement of purpose and elapsed time.
  QLabel* Label15 = nullptr;
  QLineEdit* TxtTpsPasseH = nullptr;
  QLabel* Label39 = nullptr;
  QLineEdit* TxtTpsPasseM = nullptr;
  QLabel* Label40 = nullptr;
  QLineEdit* TxtTpsPasseS = nullptr;
  QLabel* Label41 = nullptr;

  // Wheel collection column.
  QPushButton* CmdRappel = nullptr;
  QLabel* LblPasFichier = nullptr;
  QPushButton* CmdChoixRoues = nullptr;
  QPushButton* Cmd2_calcul = nullptr;
  QPlainTextEdit* TxtListe = nullptr;

  // List of solutions with its headings, and the decimal-symbol warning.
  QLabel* Label21_roue_a = nullptr;
  QLabel* Label22_roue_b = nullptr;
  QLabel* Label23_roue_c = nullptr;
  QLabel* Label24_roue_d = nullptr;
  QLabel* Label26_roue_e = nullptr;
  QLabel* Label27_roue_f = nullptr;
  QLabel* Label20_liste_rapport = nullptr;
  QPlainTextEdit* Text6_résultats = nullptr;
  QLabel* Label20 = nullptr;

  // Bottom rows: help, message line, quit, total, path of the results file.
  QPushButton* CmdInfos = nullptr;
  QLineEdit* Text7_message = nullptr;
  QPushButton* Cmd2_quitter = nullptr;
  QLabel* Label7 = nullptr;
  QLineEdit* Text1_nb_solutions = nullptr;
  QLineEdit* Text10_indique = nullptr;
  QLineEdit* Text9_adresse = nullptr;

  // Blink of the message line and of the pointer to the file path.
  QTimer* Timer1_message = nullptr;
  QTimer* Timer2_indique = nullptr;

 public slots:
  // Buttons whose handlers live in their own files.
  void Cmd1_calcul_Click();
  void Cmd2_calcul_Click();
  void CmdChoixRoues_Click();
  void CmdRappel_Click();
  void CmdInfos_Click();

  void Cmd2_quitter_Click();
  // Toggle Text7_message between empty and "PATIENTEZ".
  void Timer1_message_Timer();
  // Toggle Text10_indique between empty and "ICI -->".
  void Timer2_indique_Timer();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildFrames();
  void buildDiagrams();
  void buildFormulas();
  void buildTrainSize();
  void buildParameters();
  void buildCollectionColumn();
  void buildList();
  void buildBottomRows();
  void buildTimers();
  void setKeyboardOrder();
  void connectButtons();

  PlatformServices& platform_;
};

}  // namespace gears
