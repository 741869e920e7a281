// PLUVIK's main window. One class holds every control of the five calculator
// tabs as a named member and every handler as a method; each tab's handlers
// live in that tab's file under tabs/, the window's own ones under app/.
//
// From a key press to a shown result: the window sees every key first, once,
// at its native window (FormKeyDown, through an event filter). Enter runs the
// active tab's ENTER handler; it reads the tab's fields as number texts (DecimalFormat,
// StrToFloat), calls the calculation in calc/, and writes the formatted
// results back into the tab's fields or grid. Writing a field's text from code
// runs that field's change handler at once, nested (TEdit::SetText), as typing
// does. A fault (a text that is not a number, a division by zero) throws; it
// ends the running handler and reaches the error report at the boundary where
// Qt called in (RunGuarded), and the program goes on.
#pragma once

#include <QHash>
#include <QWidget>
#include <optional>

#include "app/co2_chart.h"
#include "app/commands.h"
#include "app/guard.h"
#include "app/record.h"
#include "app/tab_description.h"
#include "app/version.h"
#include "app/widgets/buttons.h"
#include "app/widgets/combobox.h"
#include "app/widgets/edit.h"
#include "app/widgets/pagecontrol.h"
#include "app/widgets/paintbox.h"
#include "app/widgets/radiogroup.h"
#include "app/widgets/spinedit.h"
#include "app/widgets/stringgrid.h"
#include "calc/co2.h"
#include "calc/duct.h"
#include "calc/duct_series.h"
#include "calc/flow_search.h"
#include "calc/numtext.h"
#include "calc/pipe.h"
#include "calc/power.h"
#include "lang/texts.h"

class Platform;
class TForm1;
// The language table's rows that name no control of `form`, or one of a kind
// the row cannot be applied to, each as "CONTROL: why"; empty when every row
// applies (app/language.cpp).
QStringList UnappliedTextRows(TForm1& form);
class TAboutBox;
class TStracka;
struct RunRow;
class QAction;
class QGroupBox;
class QMimeData;
class QTranslator;
struct RecordFile;
class QFrame;

class TForm1 : public QWidget, public ErrorSink {
  Q_OBJECT

  // ---- The controls, by tab
 public:
  // The window's pages.
  TPageControl* PageControl1;
  QWidget* Kanalber;
  QWidget* Effekt;
  QWidget* Kvs;
  QWidget* Rorber;
  QWidget* CO2TabSheet;

  // Duct tab (Kanalber).
  TEdit* Flow;
  TEdit* MaxMeterPerSek;
  TEdit* MaxPaPerMeter;
  TSpeedButton* SpeedButton1;
  TStringGrid* StringGrid1;
  TCheckBox* CheckBox1;
  TRadioButton* CirkRadioButton;
  TRadioButton* RektRadioButton;
  TLabel* SidaLabel;
  TComboBox* Sida;
  TEdit* Steg;
  TComboBox* ComboBox1;
  TEdit* Isolering;
  TRadioGroup* EnhetRadioGroup;
  TEdit* Temperatur;
  TEdit* Ytrahet;
  TSpinEdit* SpinEdit1;
  TLabel* Label1;
  TStringGrid* StringGrid2;

  // Power tab (Effekt).
  TRadioGroup* EnhetFlowRadioGroup;
  TRadioGroup* EnhetEffektRadioGroup;
  TRadioGroup* CalkValRadioGroup;
  QFrame* Panel2;
  TEdit* EffektFlowEdit;
  TEdit* EffektEdit;
  QLabel* Image2;
  TEdit* DeltaT;
  TLabel* Label3;
  TEdit* SpecHeatKapacitet;
  TSpeedButton* SpeedButton4;

  // Valve tab (Kvs).
  TEdit* FlowEdit;
  TEdit* TryckEdit;
  TEdit* KvsEdit;
  TEdit* FeEdit1;
  TRadioButton* RadioButton1;
  TRadioButton* RadioButton2;
  TRadioButton* RadioButton3;
  TRadioButton* RadioButton4;
  TCheckBox* FeCheckBox;
  TLabel* FeInvDiamLabel;
  TEdit* InvDiamEdit;
  TSpeedButton* SpeedButton2;
  TRadioGroup* FlowRadioGroup;
  TRadioGroup* TryckRadioGroup;

  // Pipe tab (Rorber).
  QGroupBox* GroupBox1;
  TEdit* RYtrahet;
  TEdit* RInvDiam;
  TComboBox* RMtrlComboBox;
  QGroupBox* GroupBox4;
  TLabel* RorEnhet;
  TCheckBox* CheckBox2;
  TEdit* RTemp;
  TEdit* RKinViskos;
  TEdit* RDensitet;
  TEdit* RFlow;
  TEdit* RHast;
  TEdit* RvardeRoer;
  TRadioGroup* EnhetRorRadioGroup;
  TSpeedButton* SpeedButton3;
  TRadioGroup* EnhetRorDpRadioGroup;

  // CO2 tab (CO2TabSheet).
  TLabel* Label5;
  TStringGrid* CO2Grid;
  TEdit* CO2Ute;
  TEdit* UteLuft;
  TEdit* RumVolym;
  QGroupBox* GroupBox3;
  TEdit* AntalPers;
  TEdit* CO2Min;
  TLabel* Label7;
  TLabel* Tid;
  QGroupBox* GroupBox2;
  TEdit* CO2utspadning;
  TEdit* AntalPersUtspadning;
  TCheckBox* SparaKurva;
  TSpeedButton* CO2CalcButton;
  TPaintBox* COkurva;
  // The outdoor air a room needs: the search's box, target, criterion, stay
  // and the found flow in other units.
  TCheckBox* UteLuftSok;
  TEdit* CO2Mal;
  TComboBox* CO2Kriterium;
  TEdit* VistelseTid;
  TLabel* UteLuftResultat;

  // ---- Window-wide values
 public:
  // FormCreate sets the first ones (GCO2Col and GCO2Row through its choice of
  // the first rate cell) before anything reads them.
  bool GDecimalPunkt;
  bool GOmboxVisad;
  int GSparadBredd;
  int GSparadHojd;
  QString GStegText;
  QString GStegRubrik;
  // The language's caption of the step field, written by the last language
  // application even while a circular duct's field shows "ð".
  QString stegCaption_ = lang::Swedish("Steg", lang::kLabel);
  TGridOptions GCO2GridOptions;  // the CO2 grid's options as designed
  int GCO2Col;
  int GCO2Row;
  float GHastighet = 0.0f;
  bool GStartvardeFoljer = false;
  TDiagram GDiagram;

 private:
  // What more than one of the files below keeps or reads.
  Platform& platform_;
  TAboutBox* aboutBox_ = nullptr;
  TStracka* stracka_ = nullptr;  // the duct run window, made at its first use
  QIcon calculatorIcon_;         // the ENTER buttons' picture, drawn once
  calc::NumberFormat fmt_;
  bool takingDown_ = false;
  // The record of each tab's last calculation.
  QHash<const QWidget*, CalcRecord> kept_;
  bool danishTexts_ = false;  // Danish was the language applied last
  // Texts only the language routines write: the captions of SidaLabel for
  // each shape and the message for a duct side too small for its insulation.
  // Empty until a language is first applied.
  QString GCirkSidaText;
  QString GRektSidaText;
  QString GMeddKanalTillIsol;
  // What a screen reader hears: after a duct grid cell over its limit,
  // before the joint coefficient ð, and as the CO2 chart's description (the
  // build-up, the airing, no chart). Swedish until a language is applied.
  QString GOverGransen = lang::Swedish("GOverGransen", lang::kPrivate);
  QString GEngangsmotstand = lang::Swedish("GEngangsmotstand", lang::kPrivate);
  QString GKurvaUppbyggnad = lang::Swedish("GKurvaUppbyggnad", lang::kPrivate);
  QString GKurvaUtvadring = lang::Swedish("GKurvaUtvadring", lang::kPrivate);
  QString GKurvaTom = lang::Swedish("GKurvaTom", lang::kPrivate);

  // ---- The window: making it, activation, tab switch, sizes, keys, dialogs, errors (app/mainwindow.cpp)
 public:
  explicit TForm1(Platform& platform);
  // The about box is created after the main window, as at program start; its
  // own message box goes through the window's one place for dialogs.
  void AttachAboutBox(TAboutBox* aboutBox);
  ~TForm1() override;

  static constexpr const char* kCaption = "Tellvik - PLUVIK, Version " PLUVIK_VERSION;

  Platform& platform() { return platform_; }
  TAboutBox* aboutBox() const { return aboutBox_; }

  // The window's values by name, for the driver ("var NAME").
  std::optional<QString> VarText(const QString& name) const;

  void FormCreate();
  void FormActivate();
  void PageControl1Changing(QWidget* leaving);
  void PageControl1Change();
  void FormKeyDown(int key);
  void FormResize();
  void FormConstrainedResize();

  // Outer window size, frame included, and its conversion to the client area.
  QSize OuterSize() const;
  void SetOuterSize(int width, int height);
  QSize FrameExtra() const;
  QPoint OuterPos() const;
  void SetOuterPos(int left, int top);

  // Every dialog of the window goes through RunDialog, so the window knows
  // when one is up (DialogUp): while one is, and as it closes, an activation
  // of the window is the dialog's doing and runs no FormActivate. The
  // program's other windows (the duct run's) use RunDialog and DialogUp too.
  void RunDialog(const std::function<void()>& show);
  bool DialogUp() const { return dialogDepth_ > 0; }
  // The about box is shown modally; the caller runs the activation steps
  // after it.
  void ShowAboutBox();
  // A plain message box: no icon, one OK button, above `owner` (the window
  // itself when none is given).
  void ShowMessage(const QString& text, QWidget* owner = nullptr);

  // The error report: the message and a full stop, in an error box titled
  // with the program file's name.
  void ReportError(const std::exception& error) override;
  // A fault's message as the user reads it.
  QString Worded(const std::exception& error) const;
  void ReportAfterPaint(const std::exception& error) override;
  bool TakingDown() const override;

  // The duct run window, made at its first use.
  TStracka* RunWindow();
  TStracka* runWindowIfMade() const { return stracka_; }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The window's start size, as a client area.
  static constexpr QSize kStartClient{543, 95};

  void ReportMessage(QString message);
  // Sizes and limits with the frame the window manager reports once mapped.
  void AdoptFrame();
  void ApplySizeLimits();
  // Grows the window until a control the keyboard reached is shown.
  void ShowFocusedControl(QWidget* control);
  // A red field's reason for screen readers, as its description, while it is
  // red: empty, no number, or the message that refused it.
  void DescribeRedField(QWidget* field);
  // Why a field is red ("Fältet är tomt"), empty while it is not.
  QString RedReason(const QWidget* field) const;
  // Says to screen readers why ENTER on `page` calculated nothing: each red
  // field with its reason, once; nothing of earlier results.
  void AnnounceRefusal(QWidget* page);
  // The property that marks a field whose description is its red reason.
  static constexpr const char* kRedReason = "pluvikRedReason";
  // A field's description for screen readers where its hint says the wrong
  // thing (empty: the hint); heard whenever the field is not red.
  void SetOwnDescription(QWidget* field, const QString& description);
  static constexpr const char* kOwnDescription = "pluvikOwnDescription";
  void DescribeRedFields();
  void CentreOnScreen();
  void PlaceDuctGrid();
  int PageHeight() const;

  int dialogDepth_ = 0;         // dialogs up now
  bool activatedOnce_ = false;  // the first activation has run
  // Another window of the program had the activation since the window last
  // had it, and the program kept it meanwhile.
  bool backFromOwnWindow_ = false;
  QSize frameUsed_;          // the frame the sizes were last counted with
  QString paintFaultShown_;  // a paint fault reported since the last input
  bool paintFaultPending_ = false;
  // The outer size limits as designed; FormCreate lowers the width to 800.
  int maxWidth_ = 1800;
  int maxHeight_ = 400;
  int minWidth_ = 495;
  int minHeight_ = 113;
  int hintHidePause_;  // set by FormCreate
  int ductGridRightMargin_ = 1;
  int ductGridBottomMargin_ = 1;

  // ---- Number texts (app/numbers.cpp)
 public:
  QString DecimalFormat(const QString& text) const;
  calc::NumberFormat Fmt() const { return fmt_; }
  double StrToFloat(const QString& text) const;
  int StrToInt(const QString& text) const;
  QString FloatToStrF(double value, int precision, int decimals) const;
  QString FloatToStr(double value) const;
  // A field's number stored as a 32-bit single; a value beyond its range is
  // a floating point overflow.
  float StrToSingle(const QString& text) const;

  // ---- Control and column fitting (app/layout.cpp)
 public:
  // Widens and places controls to fit their texts, and fits the grids'
  // columns; each tab's part (FitDuctControls and the like) is in its own
  // file.
  void Omskalning();
  void KolumnBredd();

 private:
  int TextWidth(const QString& text) const;

  // ---- The calculation record, the command table and the program's words (app/calc_record.cpp)
 public:
  // The program's own word in the interface language applied last.
  QString Say(lang::Words words) const;
  // The active tab's record: that of its last calculation, kept when the
  // calculation ended; each tab builds its own from what it shows.
  CalcRecord ActiveRecord();
  // A record with the header filled in: language, tab caption, time. The
  // program's other windows (the duct run's) make their records with it.
  CalcRecord NewRecord() const;
  // A constant of the model as the method lines write it, with the screen's
  // decimal separator: up to `digits` significant digits (7 give a single's
  // own, 0.025 rather than 0.025000000372529).
  QString Figure(double value, int digits = 10) const;
  // Held by each tab's ENTER handler while it runs: the outermost one forgets
  // the tab's earlier calculation and, when the handler ends without a fault,
  // keeps the record of what it read and showed.
  class Calculation {
   public:
    Calculation(TForm1& form, QWidget* page);
    ~Calculation();
    Calculation(const Calculation&) = delete;
    Calculation& operator=(const Calculation&) = delete;

   private:
    TForm1& form_;
    QWidget* page_;
    int exceptions_;
    bool outer_;
  };
  // Said by an ENTER handler once it has written the results of the inputs it
  // read: only then is its calculation kept as the tab's record.
  void CalculationDone() { calculationDone_ = true; }
  void CopyRecord();
  void SaveRecord();
  void PrintRecord();
  // The same for a record of another window (the duct run's).
  void CopyRecordOf(const CalcRecord& record);
  void SaveRecordOf(const CalcRecord& record);
  void PrintRecordOf(const CalcRecord& record);
  // Says to screen readers where a file was saved, through the notice of the
  // window that saved it.
  void AnnounceSaved(QWidget* owner, const QString& path);
  // A key of the command table (app/commands.h) runs its command; true when
  // the key was taken.
  bool CommandKey(int key, Qt::KeyboardModifiers modifiers);
  // Runs a command of the main window; false when it does not apply here
  // (Ctrl+L off the duct tab, F6 with no run window up).
  bool RunCommand(Command command);
  // The page's context menu: the table's entries for the main window.
  void ShowRecordMenu(QWidget* page, const QPoint& at);
  // A command's action, shared by its key and the context menu, made at its
  // first use, named in the interface language.
  QAction* CommandAction(Command command);
  // Qt's own dialogs (the file dialogs, the print preview) in the interface
  // language: its translation is loaded before such a dialog is shown.
  void LoadQtTranslation();

 private:
  // An input or result as shown; an empty text says so.
  RecordLine Shown(const QString& caption, const QString& text) const;
  QString ScreenName(const QWidget* control) const;
  void KeepCalculation(QWidget* page);
  // Says a calculation's results once to screen readers, in reading order,
  // through a notification that appears (what Orca speaks for a change it
  // did not cause).
  void AnnounceResults(QWidget* page, const CalcRecord& record);
  // The record of a tab that shows no result: its inputs as they stand.
  CalcRecord NoResultRecord(QWidget* page);

  // How deep calculations run inside one another now.
  int calculating_ = 0;
  // The Enter key's calculation is running (not a tab switch's or a unit's).
  bool enterPressed_ = false;
  bool calculationDone_ = false;         // the running calculation wrote its results
  QHash<int, QAction*> commandActions_;  // made at their first use
  QWidget* resultNotice_ = nullptr;      // made at the first result announced
  QTranslator* qtTranslator_ = nullptr;
  QTranslator* extraTranslator_ = nullptr;  // the dialog texts Qt's catalogues lack
  QString qtTranslation_;                   // the language of the Qt translation loaded

  // ---- Tab descriptions (app/tab_description.cpp)
 public:
  // The description of `page`: its tab's one description of its inputs and
  // results, as the tab stands now (each tab's own is in the tab's group).
  TabDescription Describe(const QWidget* page);
  // The tab's inputs as typed and chosen, in the order they are set again.
  TypedInputs TypedInputsOf(const QWidget* page);
  // The texts of the tab's results as they stand.
  QStringList ShownResults(const QWidget* page);

 private:
  // An input or result named as the screen names its control (or by
  // `caption`), with a unit the screen shows only in a hint.
  RecordLine DescribedLine(const QWidget* control, const QString& caption, const QString& text,
                           const QString& unit) const;
  // The record of `page` from its description: its inputs as they stand,
  // and its results when `withResults` (else it says no result is shown).
  CalcRecord BuildRecord(const QWidget* page, bool withResults);
  // An input's value as saved, and as the record shows it.
  QString InputValue(const TabInput& input) const;
  QString ShownValue(const TabInput& input) const;
  // The input a saved name stands for; nullptr for none.
  const TabInput* SavedInput(const TabDescription& description, const QString& name) const;
  bool SavedValuePossible(const TabInput& input, const QString& value) const;
  // A saved value as it is set again: a typed number with the separator in use.
  QString SavedValue(const TabInput& input, const QString& saved, const RecordFile& file) const;
  // Sets one input of a record as the user would.
  void PutInput(const TabInput& input, const QString& value);

  // ---- Opening a record (app/record_open.cpp)
 public:
  void OpenRecordDialog();
  // Opens the record saved in the PDF at `path`: one message for a file that
  // is none, or for figures this version computes otherwise.
  void OpenRecord(const QString& path);
  // Runs the active tab's ENTER handler, as Enter does.
  void CalculateActiveTab();
  // A text typed into a saved record's field, with the decimal separator in
  // use now (the duct run's cells too).
  QString SavedText(const RecordFile& file, QString text) const;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // What in a record's file no calculation can have ("Flow: -5"); empty when
  // every input is possible.
  QString ImpossibleInput(const RecordFile& file);
  QWidget* PageNamed(const QString& name) const;
  // The one PDF file a drag carries, or an empty text.
  QString PdfFileOf(const QMimeData* data) const;

  // ---- Impossible inputs (app/input_checks.cpp)
 public:
  // One input of a calculation and the least value a real case can have.
  struct PossibleInput {
    QWidget* field;      // turns red when the input is refused
    QString text;        // the text as the calculation reads it
    double least;        // the least value a real case has
    bool leastIncluded;  // whether `least` itself is possible
    QString message;     // says what the quantity must be
    // When set, decides instead of `least` whether a value is possible.
    bool (*possible)(double) = nullptr;
  };
  PossibleInput NotNegative(QWidget* field, const QString& text, lang::Words message) const;
  static PossibleInput Above(QWidget* field, const QString& text, double bound, const QString& message);
  // Refuses the first input no real case can have: `emptyResults` empties
  // what an earlier run showed, the field turns red and a message box says
  // what the input must be. Empty texts and texts that are no number are left
  // to the calculation, which reports them where it reads them. True when
  // every input is possible.
  bool InputsPossible(std::initializer_list<PossibleInput> inputs, const std::function<void()>& emptyResults = nullptr);
  // "The temperature must be above -273.15 °C", with the system's separator.
  QString AbsoluteZeroMessage() const;
  // The air temperature of a duct refused where the air's model is not
  // physical (below about -147.8 °C), with its own message.
  PossibleInput AirTemperature(QWidget* field, const QString& text) const;

  // ---- Interface texts (app/language.cpp)
 public:
  // Applies the language chosen in the about box: "Svensk" or "Dansk",
  // exactly; any other text changes nothing.
  void ValjSprak();
  void SvenskaTexter();
  void DanskaTexter();

 private:
  // One language applied in the table's order, its rules, and the private
  // texts by name.
  void ApplyLanguage(bool danish);
  void ApplyLanguageRule(int rule, bool danish);
  // The private text `name`; nullptr for a name that is none of them.
  QString* PrivateText(const QString& name);
  // The names screen readers hear, in Swedish, before a language is applied.
  void NameForScreenReaders();
  friend QStringList UnappliedTextRows(TForm1& form);

  // ---- Duct tab (tabs/duct_tab.cpp)
 public:
  // The duct tab's part of every activation: before the about box, a material
  // shown and the grid's headings; after the language and the page set-up,
  // the roughness, the dimension series and the side list follow the material.
  void ShowDuctMaterialAndHeadings();
  void FollowDuctMaterial();
  // The friction model on the tab's current temperature, flow unit and shape:
  // returns the pressure drop and leaves the velocity in GHastighet. No value
  // where the duct or flow has no meaningful result. Shares its name with
  // calc::Rvaerde, not its contract: that one reads no field, sets nothing and
  // returns both values.
  std::optional<float> Rvaerde(const QString& dim, float flode, float ytRahet, float ksi, int isolering);
  void Kanaldimensioner();
  void ComboBox1Click();
  void CirkRadioButtonClick();
  void RektRadioButtonClick();
  // The step field's caption while it holds a circular duct's joint
  // coefficient: "ð".
  QString JointCaption() const;
  // Names the step field for screen readers by what its caption shows.
  void NameStegField();
  void SidaClick();
  void SidaChange();
  void SidaExit();
  // Whether the side is complete: for a rectangular duct two sides joined by
  // "*", "x" or "X", neither missing. An incomplete side turns red and takes
  // the focus.
  bool SidaTest();
  void StegChange();
  void IsoleringChange();
  void IsoleringExit();
  void SpeedButton1Click();
  // The sizing run of each shape; false when it wrote no row (a refused series).
  bool Cirk();
  bool Rekt();
  // Whether a shown velocity or pressure drop is over its limit (drawn red).
  bool OverLimit(int col, int row) const;
  // Whether a shown cell is over a limit given as text.
  bool OverLimitOf(const QString& cell, const QString& limitText) const;
  void StringGrid1DrawCell(int col, int row, const QRect& rect, TGridCanvas& canvas);
  void EnhetRadioGroupClick();
  void FlowDblClick();
  void FlowChange();
  void FlowExit();
  void MaxMeterPerSekEnter();
  void MaxMeterPerSekExit();
  void MaxPaPerMeterEnter();
  void MaxPaPerMeterExit();
  void TemperaturChange();
  void TemperaturExit();
  void CheckBox1Click();
  void SearchFlow();
  void SummaFlow();
  // Ctrl+L: the chosen row of the duct grid becomes a section of the duct
  // run, which opens beside the window without taking the keyboard.
  void AddToRun();
  // A pressure drop (Pa/m) as the duct grid shows it: the fewer decimals the
  // larger it is. The program's other windows (the duct run's) use it too.
  QString PressureDropText(float r) const;
  // The tab's one description of its inputs and results, as the tab stands now.
  TabDescription DuctDescription();
  // The duct grid's shown rows, marked over the limits the calculation read.
  void FillDuctRows(RecordTable& table, const TypedInputs& typed) const;
  // The tab's part of Omskalning and KolumnBredd: its controls and its grid's
  // columns fitted to their texts.
  void FitDuctControls();
  void FitDuctColumns(int scrollBarRoom);

 private:
  void BuildDuctTab();
  void WireDuctTab();
  QString MaterialRoughness() const;
  // The roughness of an insulation's surface as the field shows it: "0.900".
  QString InsulationRoughness() const;
  void ClearResultRows();
  // The duct grid's row `row` as a section of the duct run: its flow in l/s,
  // its dimension and the tab's duct as the calculation read them.
  RunRow DuctRunRow(int row);
  // Refuse what no real duct can have, before the run or the search computes
  // (the search's limits it refuses itself).
  bool SizingInputsPossible();
  bool SearchInputsPossible(int isolering);
  bool InsulationLeavesDuct();
  bool RectangularSeriesAccepted(long long step, const calc::RectangularSeries& series);
  void ScrollToFirstAcceptableRow();
  void WriteResultRow(int row, const QString& dimension, std::optional<float> r);
  void WriteRectangularSeries(const QString& side, long long step, const calc::RectangularSeries& series,
                              int isolering);
  void SetRoughnessForInsulation(int isolering);
  // The duct record's method lines, headings and search end; what screen
  // readers hear of the duct grid after a calculation.
  void DuctMethod(CalcRecord& record);
  QStringList AnnouncedDuctRow(const CalcRecord& record) const;
  void ChooseSearchCriterion(TEdit* criterion, TEdit* other);
  // Shows how a search ended: the flow and the duct's values, or why not.
  // Returns whether a further criterion may carry on from it.
  bool ShowSearchResult(const calc::FlowSearch& search, TEdit* limitField, calc::SearchCriterion criterion,
                        const QString& dimension,
                        const std::function<std::optional<calc::DuctFriction>(float)>& evaluate);

  // How the last largest-flow search ended, when it ended with a message; a
  // new run forgets it.
  QString ductSearchEnd_;
  // The insulation's text when its field was last entered.
  QString isoleringEntered_;

  // ---- Power tab (tabs/power_tab.cpp)
 public:
  void SpeedButton4Click();
  // Refuses what no real water can have: a negative heat capacity.
  bool PowerInputsPossible();
  // Sets up the chosen direction: flow to power (item 0) or power to flow.
  void CalkValRadioGroupClick();
  // The flow unit changed.
  void Click();
  void EnhetEffektRadioGroupClick();
  void EffektEditChange();
  void EffektFlowEditChange();
  // The tab's one description of its inputs and results, as the tab stands now.
  TabDescription PowerDescription();
  // The tab's part of Omskalning: its controls fitted to their texts.
  void FitPowerControls();

 private:
  void BuildPowerTab();
  void WirePowerTab();
  bool PowerToFlow() const;
  QString PowerText(const calc::Power& power) const;
  QString WaterFlowPerSecondText(const calc::WaterFlow& flow) const;

  // ---- Valve tab (tabs/valve_tab.cpp)
 public:
  void SpeedButton2Click();
  // Sets up the fields for the mode the radio buttons and FeCheckBox choose.
  void KalkylVal();
  // Whether every input the chosen mode needs holds a text (the flow, the
  // pressure drop, kv, or Fe with the inner diameter); each of them turns red
  // when empty and back to the field colour when not.
  bool KontrollData();
  // Refuses what no real valve can have: a negative flow, kv or inner
  // diameter among the mode's inputs.
  bool ValveInputsPossible();
  // The tab's one description of its inputs and results, as the tab stands now.
  TabDescription ValveDescription();

 private:
  void BuildValveTab();
  void WireValveTab();
  QString ValveFlowText(float q) const;
  // The field the chosen mode computes, and the fields it reads.
  TEdit* ValveResultField() const;
  QList<TEdit*> ValveInputFields() const;

  // ---- Pipe tab (tabs/pipe_tab.cpp)
 public:
  void RTempChange();
  void VattenDataBer();
  // The pipe friction on the tab's fields, read afresh; sets GHastighet.
  float RoerRVaerde(float q);
  // Whether the pipe's roughness, inner diameter, viscosity, density and,
  // unless the search is on, flow all hold a text; an empty one turns red.
  bool TestRorIndata();
  // Refuses what no real pipe or water can have: a negative inner diameter,
  // flow or viscosity, a density that is not positive.
  bool PipeInputsPossible();
  void SpeedButton3Click();
  void RMtrlComboBoxChange();
  void EnhetRorRadioGroupClick();
  void EnhetRorDpRadioGroupClick();
  void RFlowChange();
  void CheckBox2Click();
  void RHastEnter();
  void RvardeRoerEnter();
  void SearchWaterFlow();
  // The tab's one description of its inputs and results, as the tab stands now.
  TabDescription PipeDescription();
  // The tab's part of Omskalning: its controls fitted to their texts.
  void FitPipeControls();

 private:
  void BuildPipeTab();
  void WirePipeTab();
  void PipeInputChange(TEdit* field);
  void ChooseWaterLimit(TEdit* limit, TEdit* other);
  void SearchLimitChange();
  TEdit* WaterSearchLimit() const;
  QString PipePressureDropText(float r) const;
  QString PipeVelocityText(float v) const;
  QString WaterFlowText(float f) const;
  void ShowWaterSearchResult(const calc::FlowSearch& search, TEdit* limitField,
                             const std::function<std::optional<calc::PipeFriction>(float)>& evaluate);

  // How the last largest-flow search ended, when it ended with a message; a
  // new run forgets it.
  QString pipeSearchEnd_;

  // ---- CO2 tab (tabs/co2_tab.cpp)
 public:
  void CO2CalcButtonClick();
  // The outdoor-air search: the box sets UteLuft up as its result; the
  // criterion fills the target from the outdoor level; typing a target makes
  // it the user's own. FindOutdoorAir writes the least flow into UteLuft, or
  // refuses with one message and changes no field.
  void UteLuftSokClick();
  void FollowCO2Criterion();
  // The figure of the criterion list's item (a limit or a margin, ppm), and
  // the items' texts given their figures.
  static int CriterionFigure(int item);
  void FillCriterionFigures();
  void CO2MalChange();
  bool FindOutdoorAir();
  // The stay as typed, in seconds; 0 for none, -1 for a text that is no stay.
  long long StaySeconds() const;
  void ShowOutdoorAirLine();
  void DrawTargetLine();
  // Refuses what no real room can have: a negative outdoor CO2 level or a
  // negative number of persons.
  bool CO2InputsPossible();
  void PlaceTimeBesideItsCaption();
  // The CO2 chart in words for screen readers: what the curves drawn show.
  void DescribeCO2Chart();
  // The equilibrium range and its time; false when no rate is chosen.
  bool CO2Calkyl();
  // The equilibrium from k0; writes the time it took into Tid.
  float CO2Ber(float k0, const calc::Room& room);
  void Utspadning();
  void CO2GridSelectCell(int col, int row, bool& canSelect);
  void CO2GridSetEditText();
  void CO2GridDrawCell(int col, int row, const QRect& rect, TGridCanvas& canvas);
  void CO2MinChange();
  void AntalPersEnter();
  void CO2utspadningChange();
  // The chart: the empty diagram (also its first painting), the build-up
  // curves and the airing curves.
  void COkurvaPaint();
  void RitaCODiagram();
  void RitaCOkurva();
  void RitaUtspadningKurva();
  // The tab's one description of its inputs and results, as the tab stands now.
  TabDescription CO2Description();
  // The tab's part of KolumnBredd: its grid's columns fitted to their texts.
  void FitCO2Columns(int scrollBarRoom);

 private:
  void BuildCO2Tab();
  void WireCO2Tab();
  calc::Room CO2Room() const;
  QList<int> ChosenRates() const;
  // The room's generation in ml/s, as the law takes it, for `persons` at `rate`.
  float Generation(int rate, const TEdit* persons) const;
  bool CO2ChartInputsPresent() const;
  void DrawCO2Curve(float k0, const calc::Room& room);
  void CO2Method(CalcRecord& record, bool search);

  // Where the airing curves drawn last stand after the chart's ten hours.
  QStringList airingEnds_;
  // Where the curves of the last CO2 calculation start on the chart.
  qsizetype co2ChartFrom_ = 0;
};
