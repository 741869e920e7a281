// The CO2 tab: carbon dioxide in a ventilated room and its chart.
#include "app/controls.h"
#include "app/mainwindow.h"
#include "calc/co2.h"
#include "calc/errors.h"
#include "calc/numtext.h"
#include "lang/texts.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <iterator>

#include "calc/valve.h"

void TForm1::BuildCO2Tab() {
  QWidget* p = CO2TabSheet;
  Label5 = Label(p, "Label5", lang::Swedish("Label5", lang::kCaption), {2, 0});
  CO2Grid = Placed(new TStringGrid(p, "CO2Grid", 3, 8), {2, 15, 250, 170});
  CO2Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetHint(CO2Grid, lang::Swedish("CO2Grid", lang::kHint));
  CO2Ute = Edit(p, "CO2Ute", lang::Swedish("CO2Ute", lang::kLabel), {258, 15, 55, 21}, "350");
  SetHint(CO2Ute, lang::Swedish("CO2Ute", lang::kHint));
  UteLuft = Edit(p, "UteLuft", lang::Swedish("UteLuft", lang::kLabel), {318, 15, 55, 21});
  UteLuft->SetColor(TColor::clRed);
  SetHint(UteLuft, lang::Swedish("UteLuft", lang::kHint));
  RumVolym = Edit(p, "RumVolym", lang::Swedish("RumVolym", lang::kLabel), {378, 15, 50, 21}, "30");

  GroupBox3 = Group(p, "GroupBox3", lang::Swedish("GroupBox3", lang::kCaption), {258, 42, 170, 76});
  SetHint(GroupBox3, lang::Swedish("GroupBox3", lang::kHint));
  SetTextColour(GroupBox3, TColor::clRed);
  AntalPers = Edit(GroupBox3, "AntalPers", lang::Swedish("AntalPers", lang::kLabel), {6, 30, 42, 21});
  AntalPers->SetColor(TColor::clRed);
  SetHint(AntalPers, lang::Swedish("AntalPers", lang::kHint));
  CO2Min = Edit(GroupBox3, "CO2Min", lang::Swedish("CO2Min", lang::kLabel), {52, 30, 110, 21});
  ReadOnlyResult(CO2Min);
  QFont bold = CO2Min->font();
  bold.setBold(true);
  CO2Min->setFont(bold);
  CO2Min->setFocusPolicy(Qt::ClickFocus);
  SetTextColour(CO2Min, TColor::clRed);
  Label7 = Label(GroupBox3, "Label7", lang::Swedish("Label7", lang::kCaption), {6, 56});
  Tid = Label(GroupBox3, "Tid", " 00:00", {124, 56});
  Tid->setFont(bold);
  SetTextColour(Tid, TColor::clRed);
  Tid->SpeakAfter(Label7);
  // One object for the time to equilibrium: its caption and the time.
  KeepFromScreenReaders(Label7);

  GroupBox2 = Group(p, "GroupBox2", lang::Swedish("GroupBox2", lang::kCaption), {258, 122, 170, 58});
  SetHint(GroupBox2, lang::Swedish("GroupBox2", lang::kHint));
  SetTextColour(GroupBox2, TColor::clBlue);
  CO2utspadning = Edit(GroupBox2, "CO2utspadning", lang::Swedish("CO2utspadning", lang::kLabel), {6, 30, 110, 21});
  CO2utspadning->SetColor(TColor::clWhite);
  SetHint(CO2utspadning, lang::Swedish("CO2utspadning", lang::kHint));
  AntalPersUtspadning = Edit(GroupBox2, "AntalPersUtspadning", lang::Swedish("AntalPersUtspadning", lang::kLabel),
                             {120, 30, 42, 21}, "0");
  AntalPersUtspadning->SetColor(TColor::clWhite);
  SetHint(AntalPersUtspadning, lang::Swedish("AntalPersUtspadning", lang::kHint));

  CO2CalcButton = Placed(new TSpeedButton(p, "CO2CalcButton", calculatorIcon_), {258, 186, 23, 22});
  SetHint(CO2CalcButton, lang::Swedish("CO2CalcButton", lang::kHint));
  SparaKurva = Placed(new TCheckBox(p, "SparaKurva", lang::Swedish("SparaKurva", lang::kCaption)), {290, 189, 130, 17});
  SetHint(SparaKurva, lang::Swedish("SparaKurva", lang::kHint));
  COkurva = Placed(new TPaintBox(p, "COkurva"), {432, 15, 335, 209});

  // The outdoor air a room needs, in the free space below the activity
  // table; made last, so the Tab key meets them after the tab's own controls.
  UteLuftSok = Placed(new TCheckBox(p, "UteLuftSok", lang::Swedish("UteLuftSok", lang::kCaption)), {2, 192, 150, 17});
  SetHint(UteLuftSok, lang::Swedish("UteLuftSok", lang::kHint));
  CO2Mal = Edit(p, "CO2Mal", lang::Swedish("CO2Mal", lang::kLabel), {2, 230, 55, 21});
  SetHint(CO2Mal, lang::Swedish("CO2Mal", lang::kHint));
  CO2Kriterium = Placed(new TComboBox(p, "CO2Kriterium"), {62, 230, 190, 21});
  CO2Kriterium->SetItems({lang::Swedish("CO2Kriterium", lang::kItem, 0), lang::Swedish("CO2Kriterium", lang::kItem, 1),
                          lang::Swedish("CO2Kriterium", lang::kItem, 2), lang::Swedish("CO2Kriterium", lang::kItem, 3),
                          lang::Swedish("CO2Kriterium", lang::kItem, 4)});
  FillCriterionFigures();
  CO2Kriterium->SetText(CO2Kriterium->itemText(0));
  // A list to choose from, not a text to type.
  CO2Kriterium->lineEdit()->setReadOnly(true);
  KeepHint(CO2Kriterium, lang::Swedish("CO2Kriterium", lang::kHint));
  VistelseTid = Edit(p, "VistelseTid", lang::Swedish("VistelseTid", lang::kLabel), {2, 272, 55, 21});
  SetHint(VistelseTid, lang::Swedish("VistelseTid", lang::kHint));
  UteLuftResultat = Label(p, "UteLuftResultat", QString(), {62, 275});
  UteLuftResultat->hide();
  Label5->Names(CO2Grid);

  WireCO2Tab();
}

void TForm1::WireCO2Tab() {
  CO2Grid->OnSelectCell = [this](int col, int row, bool& canSelect) { CO2GridSelectCell(col, row, canSelect); };
  CO2Grid->OnSetEditText = [this](int, int, const QString&) { CO2GridSetEditText(); };
  // The chosen rate is said as such, so a screen reader tells which one the
  // calculation takes as the arrows move over the table.
  CO2Grid->SpokenCell = [this](int col, int row, const QString& text) {
    if (col == 0 || col != GCO2Col || row != GCO2Row) return text;
    return (text.isEmpty() ? Say(lang::Word("RecordEmpty")) : text) + QStringLiteral(", ") +
           Say(lang::Word("CellChosen"));
  };
  CO2Grid->OnDrawCell = [this](int col, int row, const QRect& rect, TGridCanvas& canvas) {
    CO2GridDrawCell(col, row, rect, canvas);
  };
  for (TEdit* field : {CO2Ute, UteLuft, AntalPers, AntalPersUtspadning})
    field->OnChange = [field] { field->ColourRequired(); };
  RumVolym->OnChange = [this] {
    // No room has no volume either.
    const QString text = RumVolym->Text();
    RumVolym->SetColor(text.isEmpty() || text == "0" ? TColor::clRed : TColor::clWindow);
  };
  CO2Min->OnChange = [this] { CO2MinChange(); };
  AntalPers->OnEnter = [this] { AntalPersEnter(); };
  CO2utspadning->OnChange = [this] { CO2utspadningChange(); };
  CO2CalcButton->OnClick = [this] { CO2CalcButtonClick(); };
  CO2Ute->OnChange = [this] {
    CO2Ute->ColourRequired();
    FollowCO2Criterion();
  };
  UteLuftSok->OnClick = [this] { UteLuftSokClick(); };
  CO2Kriterium->OnChange = [this] { FollowCO2Criterion(); };
  CO2Mal->OnChange = [this] { CO2MalChange(); };
  COkurva->OnFirstPaint = [this] { COkurvaPaint(); };
  // The chart is reached by Tab after the tab's own controls, so that a
  // screen reader reads what it shows.
  COkurva->setFocusPolicy(Qt::TabFocus);
  setTabOrder(VistelseTid, COkurva);
}

void TForm1::FitCO2Columns(int scrollBarRoom) {
  // Both rate columns as wide as the adults' heading; the activity takes the
  // rest.
  CO2Grid->SetColWidth(2, TextWidthIn(CO2Grid, CO2Grid->Cell(2, 0)) + 10);
  CO2Grid->SetColWidth(1, CO2Grid->ColWidth(2));
  CO2Grid->SetColWidth(0, CO2Grid->width() - CO2Grid->ColWidth(2) - CO2Grid->ColWidth(1) - scrollBarRoom -
                              CO2Grid->GridLineWidth() * CO2Grid->ColCount());
}

void TForm1::PlaceTimeBesideItsCaption() {
  // The time to equilibrium stands right of its caption, which is longer in
  // Danish than in Swedish.
  constexpr int kDesignedLeft = 124;
  Tid->move(std::max(kDesignedLeft, Label7->x() + Label7->width() + 2), Tid->y());
}

// ---- The calculation ---------------------------------------------------------

void TForm1::CO2CalcButtonClick() {
  const Calculation calculation(*this, CO2TabSheet);
  // However the calculation ends, the chart's words follow what it shows.
  const auto describe = qScopeGuard([this] { DescribeCO2Chart(); });
  // A dilution can be drawn without anybody generating CO2.
  if (!CO2utspadning->Text().isEmpty() && AntalPers->Text().isEmpty()) AntalPers->SetText("0");
  // The search finds the outdoor air first; the tab then calculates with it.
  if (UteLuftSok->Checked() && !FindOutdoorAir()) return;
  for (const TEdit* field : {UteLuft, AntalPers, RumVolym, CO2Ute}) {
    if (field->Text().isEmpty()) {
      ShowMessage(Say(lang::Word("CO2InputsMissing")));
      return;
    }
  }
  if (!CO2InputsPossible()) return;
  if (!SparaKurva->Checked()) RitaCODiagram();
  // The curves this calculation draws start here; kept ones stand before.
  co2ChartFrom_ = COkurva->DrawnCount();
  const bool found = CO2Calkyl();
  RitaCOkurva();
  Utspadning();
  if (UteLuftSok->Checked()) {
    DrawTargetLine();
    ShowOutdoorAirLine();
  }
  if (found) CalculationDone();
}

// ---- The outdoor air a room needs ---------------------------------------------

void TForm1::UteLuftSokClick() {
  UteLuftResultat->SetCaption(QString());
  UteLuftResultat->hide();
  if (UteLuftSok->Checked()) {
    // The flow becomes the search's result, as a searched field on the
    // duct and pipe tabs.
    ReadOnlyResult(UteLuft);
  } else {
    UteLuft->SetReadOnly(false);
    UteLuft->ColourRequired();
  }
}

namespace {

// The criterion list's last item: the limit (item 1), then the categories.
constexpr int kLastCriterion = static_cast<int>(std::size(calc::kCO2CategoryMarginsPpm)) + 1;

}  // namespace

int TForm1::CriterionFigure(int item) {
  // Item 1 is the fixed limit, items 2 to 4 the categories' margins.
  if (item == 1) return calc::kCO2LimitPpm;
  return calc::kCO2CategoryMarginsPpm[item - 2];
}

void TForm1::FillCriterionFigures() {
  for (int item = 1; item <= kLastCriterion; ++item)
    if (CO2Kriterium->itemText(item).contains(QStringLiteral("%1")))
      CO2Kriterium->setItemText(item, CO2Kriterium->itemText(item).arg(CriterionFigure(item)));
}

void TForm1::FollowCO2Criterion() {
  // The limit, or the outdoor level and a category's margin; the own value
  // stays as typed.
  const int chosen = CO2Kriterium->currentIndex();
  if (chosen <= 0 || chosen > kLastCriterion) return;
  if (chosen == 1) {
    CO2Mal->SetText(QString::number(CriterionFigure(chosen)));
    return;
  }
  double outdoor = 0.0;
  if (!calc::TryStrToFloat(CO2Ute->Text().toStdString(), Fmt(), outdoor)) return;
  CO2Mal->SetText(QString::number(calc::RoundHalfEven(outdoor + CriterionFigure(chosen))));
}

void TForm1::CO2MalChange() {
  CO2Mal->ColourRequired();
  // A target the user types is the user's own value.
  if (focusWidget() == CO2Mal && CO2Kriterium->currentIndex() != 0) CO2Kriterium->SetText(CO2Kriterium->itemText(0));
}

long long TForm1::StaySeconds() const {
  const QString text = VistelseTid->Text().trimmed();
  if (text.isEmpty()) return 0;
  static const QRegularExpression kStay(QStringLiteral("^(\\d{1,3}):([0-5]\\d)$"));
  const QRegularExpressionMatch match = kStay.match(text);
  if (!match.hasMatch()) return -1;
  const long long seconds = match.captured(1).toLongLong() * 3600 + match.captured(2).toLongLong() * 60;
  return seconds > 0 ? seconds : -1;
}

bool TForm1::FindOutdoorAir() {
  // What the search reads must be there, as ENTER asks of the tab's fields.
  if (CO2Mal->Text().isEmpty()) CO2Mal->SetColor(TColor::clRed);
  for (const TEdit* field : {AntalPers, RumVolym, CO2Ute, CO2Mal}) {
    if (field->Text().isEmpty()) {
      ShowMessage(Say(lang::Word("CO2InputsMissing")));
      return false;
    }
  }
  if (!CO2InputsPossible()) return false;
  if (CO2Grid->Cell(GCO2Col, GCO2Row).isEmpty()) {
    ShowMessage(Say(lang::Word("CO2NoRate")));
    return false;
  }
  calc::OutdoorAirNeed need;
  need.room.v = calc::ToSingle(StrToInt(RumVolym->Text()));
  need.room.k1 = StrToSingle(CO2Ute->Text());
  // The upper rate of the chosen cell: the range's max.
  need.room.f = Generation(ChosenRates().back(), AntalPers);
  need.target = StrToInt(CO2Mal->Text());
  need.staySeconds = StaySeconds();
  if (need.staySeconds < 0) {
    ShowMessage(Say(lang::Word("StayNotTime")));
    return false;
  }
  if (!(static_cast<double>(need.target) > need.room.k1)) {
    ShowMessage(Say(lang::Word("TargetOverOutdoor")).arg(CO2Ute->Text()));
    return false;
  }
  if (!(need.room.f > 0.0f)) {
    ShowMessage(Say(lang::Word("NobodyGenerates")));
    return false;
  }
  const std::int64_t tenths = calc::LeastOutdoorAir(need);
  if (tenths == 0) {
    // The search's bound in whole l/s, its thousands apart: "100 000".
    QString most = QString::number(calc::kMostOutdoorAirTenths / 10);
    for (qsizetype at = most.size() - 3; at > 0; at -= 3) most.insert(at, ' ');
    ShowMessage(Say(lang::Word("NoOutdoorAirReaches")).arg(need.target).arg(most));
    return false;
  }
  UteLuft->SetText(QStringLiteral("%1%2%3").arg(tenths / 10).arg(QChar(Fmt().decimalSeparator)).arg(tenths % 10));
  return true;
}

void TForm1::ShowOutdoorAirLine() {
  // The found flow in m3/h and per person generating CO2.
  const double flow = StrToFloat(UteLuft->Text());
  const int persons = StrToInt(AntalPers->Text());
  QString line = Say(lang::Word("OutdoorAirLine"))
                     .arg(FloatToStrF(flow * calc::kCubicMetresPerHourPerLitrePerSecond, 15, 1),
                          persons > 0 ? FloatToStrF(flow / persons, 15, 2) : QString());
  if (const long long stay = StaySeconds(); stay > 0) {
    calc::Room room = CO2Room();
    room.f = Generation(ChosenRates().back(), AntalPers);
    const auto level = calc::RoundHalfEven(calc::CO2Formel(room.k1, room, stay));
    line += Say(lang::Word("OutdoorAirStay")).arg(level).arg(QString::fromStdString(calc::BalansTid(stay)));
  }
  // The rate the search counted per person, made whole in ml/s as the law
  // takes it: why the flow differs from a hand calculation with the table's l/h.
  const int rate = ChosenRates().back();
  line += Say(lang::Word("OutdoorAirRate")).arg(rate).arg(calc::CO2Alstring(rate, 1));
  UteLuftResultat->SetCaption(line);
  UteLuftResultat->adjustSize();
  UteLuftResultat->show();
}

void TForm1::DrawTargetLine() {
  // The target as a horizontal line across the chart, where the scale reaches.
  const TDiagram& d = GDiagram;
  const double target = StrToInt(CO2Mal->Text());
  const int y = d.yBase - static_cast<int>(calc::RoundHalfEven(target / 1000.0 * d.dy));
  if (y < d.yTop || y > d.yBase) return;
  COkurva->penColor = TColor::clMaroon;
  COkurva->penWidth = 1;
  COkurva->MoveTo(d.x0, y);
  COkurva->LineTo(d.xEnd, y);
}

bool TForm1::CO2InputsPossible() {
  // Persons are whole numbers; a text that is none is left to the
  // calculation's own report. A negative outdoor flow or room volume the
  // calculation refuses itself.
  const auto whole = [](const TEdit* field) {
    int value = 0;
    return calc::TryStrToInt(field->Text().toStdString(), value) ? field->Text() : QString();
  };
  return InputsPossible(
      {
          NotNegative(CO2Ute, CO2Ute->Text(), lang::Word("NoNegativeOutdoorCO2")),
          NotNegative(AntalPers, whole(AntalPers), lang::Word("NoNegativePersons")),
          NotNegative(AntalPersUtspadning, whole(AntalPersUtspadning), lang::Word("NoNegativePersons")),
      },
      // The chart is cleared as a calculation clears it.
      [this] {
        if (!SparaKurva->Checked()) RitaCODiagram();
      });
}

calc::Room TForm1::CO2Room() const {
  calc::Room room;
  room.q = calc::ToSingle(StrToFloat(UteLuft->Text()) / 1000.0);
  room.v = calc::ToSingle(StrToInt(RumVolym->Text()));
  room.k1 = StrToSingle(CO2Ute->Text());
  return room;
}

float TForm1::Generation(int rate, const TEdit* persons) const {
  return calc::ToSingle(static_cast<double>(calc::CO2Alstring(rate, StrToInt(persons->Text()))));
}

QList<int> TForm1::ChosenRates() const {
  // One whole number, or two joined by "-": the lower and the upper rate.
  const QString text = CO2Grid->Cell(GCO2Col, GCO2Row);
  const qsizetype dash = text.indexOf('-');
  if (dash < 0) return {StrToInt(text)};
  return {StrToInt(text.left(dash)), StrToInt(text.mid(dash + 1))};
}

float TForm1::CO2Ber(float k0, const calc::Room& room) {
  const calc::Equilibrium found = calc::CO2Ber(k0, room);
  Tid->SetCaption(QString::fromStdString(calc::BalansTid(found.t)));
  return found.c;
}

bool TForm1::CO2Calkyl() {
  calc::Room room = CO2Room();
  const float k0 = room.k1;
  if (CO2Grid->Cell(GCO2Col, GCO2Row).isEmpty()) {
    ShowMessage(Say(lang::Word("CO2NoRate")));
    return false;
  }
  const QList<int> rates = ChosenRates();
  const auto equilibrium = [&](int rate) {
    room.f = Generation(rate, AntalPers);
    return QString::number(calc::RoundHalfEven(CO2Ber(k0, room)));
  };
  CO2Min->SetText(equilibrium(rates.front()));
  if (rates.size() == 2) CO2Min->SetText(CO2Min->Text() + " - " + equilibrium(rates.back()));
  return true;
}

void TForm1::Utspadning() {
  if (CO2utspadning->Text().isEmpty() && AntalPersUtspadning->Text().isEmpty()) return;
  QString start = CO2utspadning->Text();
  if (start.contains('-')) {
    start.remove(' ');
    start.replace(start.indexOf('-'), 1, " - ");
    CO2utspadning->SetText(start);
  }
  RitaUtspadningKurva();
}

// ---- Following the start value ---------------------------------------------------

void TForm1::CO2MinChange() {
  // The airing start value follows the computed range until the user types
  // one of their own.
  if (CO2utspadning->Text().isEmpty() || CO2Min->Text().contains(CO2utspadning->Text()))
    CO2utspadning->SetText(CO2Min->Text());
  if (GStartvardeFoljer) CO2utspadning->SetText(CO2Min->Text());
}

void TForm1::AntalPersEnter() { GStartvardeFoljer = CO2Min->Text() == CO2utspadning->Text(); }

void TForm1::CO2utspadningChange() {
  if (focusWidget() == CO2utspadning) GStartvardeFoljer = false;
}

// ---- The activity table --------------------------------------------------------------

void TForm1::CO2GridSelectCell(int col, int row, bool& canSelect) {
  // The activity names cannot be chosen; a rate cell becomes the chosen one.
  if (col == 0) {
    canSelect = false;
    return;
  }
  GCO2Col = col;
  GCO2Row = row;
  // Only the own-choice row, the last, takes typing.
  TGridOptions options = GCO2GridOptions;
  if (row == CO2Grid->RowCount() - 1) options.editing = true;
  CO2Grid->SetOptions(options);
  CO2Min->SetText(QString());
}

void TForm1::CO2GridSetEditText() {
  // Typing goes on in the own-choice cell; the typed text is the cell's text
  // from the first key on.
  TGridOptions options = GCO2GridOptions;
  options.alwaysShowEditor = true;
  options.editing = GCO2Row == CO2Grid->RowCount() - 1;
  CO2Grid->SetOptions(options);
}

void TForm1::CO2GridDrawCell(int col, int row, const QRect& rect, TGridCanvas& canvas) {
  if (col == 0 || row == 0) return;
  const bool chosen = col == GCO2Col && row == GCO2Row;
  const QString text = CO2Grid->Cell(col, row);
  if (chosen) {
    canvas.fontColor = TColor::clRed;
    canvas.brushColor = row == CO2Grid->RowCount() - 1 && text.isEmpty() ? TColor::clRed : TColor::clYellow;
  }
  // The rates stand right-aligned, 4 pixels inside the cell.
  canvas.FillRect(rect);
  canvas.TextOut(rect.right() + 1 - 4 - canvas.TextWidth(text),
                 rect.top() + (rect.bottom() + 1 - rect.top() - canvas.TextHeight(text)) / 2, text);
}

// ---- The chart ----------------------------------------------------------------------

void TForm1::DescribeCO2Chart() {
  // The build-up curves are red, the airing curves blue.
  bool buildUp = false;
  bool airing = false;
  for (const TPaintBox::Stroke& stroke : COkurva->Strokes()) {
    buildUp = buildUp || stroke.colour == TColor::clRed;
    airing = airing || stroke.colour == TColor::clBlue;
  }
  bool target = false;
  for (const TPaintBox::Stroke& stroke : COkurva->Strokes()) target = target || stroke.colour == TColor::clMaroon;
  QStringList words;
  if (buildUp) words << GKurvaUppbyggnad.arg(CO2Ute->Text(), CO2Min->Text(), Tid->Caption().trimmed());
  if (airing) words << GKurvaUtvadring.arg(CO2utspadning->Text(), airingEnds_.join(QStringLiteral(" - ")));
  if (target) words << Say(lang::Word("ChartTarget")).arg(CO2Mal->Text());
  COkurva->setAccessibleDescription(words.isEmpty() ? GKurvaTom : words.join(' '));
}

void TForm1::COkurvaPaint() { RitaCODiagram(); }

void TForm1::RitaCODiagram() {
  TPaintBox& c = *COkurva;
  c.Clear(TColor::clBtnFace);
  TDiagram& d = GDiagram;
  d.x0 = c.TextWidth("XXXXXX");
  d.yTop = c.TextHeight("XXX");
  d.bottom = 2 * c.TextHeight("XXX");
  d.right = c.TextWidth("XXX");
  d.yBase = c.height() - d.bottom;
  d.xEnd = c.width() - d.right;
  d.dx = (c.width() - d.x0 - d.right) / d.hourDivisions;
  d.dy = (c.height() - d.yTop - d.bottom) / d.ppmDivisions;

  // The frame and grid are not curves.
  c.recording = false;
  c.penColor = TColor::clBlack;
  c.penWidth = 1;
  c.MoveTo(d.x0, d.yBase);
  c.LineTo(d.x0, d.yTop);
  c.MoveTo(d.x0, d.yBase);
  c.LineTo(d.xEnd, d.yBase);
  c.TextOut(d.x0 - c.TextWidth("CO2") / 2, 0, "CO2 ppm");
  c.TextOut(d.xEnd + 4, d.yBase - c.TextHeight("X") / 2, "  h");
  for (int i = 0; i <= d.hourDivisions; ++i) {
    c.TextOut(d.x0 - c.TextWidth("X") / 2 + i * d.dx, d.yBase + 4, QString::number(i));
    c.penColor = i > 0 ? TColor::clYellow : TColor::clBlack;
    c.MoveTo(d.x0 + i * d.dx, d.yBase);
    c.LineTo(d.x0 + i * d.dx, d.yTop);
    c.penColor = TColor::clBlack;
  }
  for (int j = 0; j <= d.ppmDivisions; ++j) {
    c.TextOut(2, d.yBase - j * d.dy - c.TextHeight("X") / 2, QString::number(j * 1000));
    c.penColor = j > 0 ? TColor::clYellow : TColor::clBlack;
    c.MoveTo(d.x0, d.yBase - j * d.dy);
    c.LineTo(d.xEnd, d.yBase - j * d.dy);
    c.penColor = TColor::clBlack;
  }
  c.recording = true;
}

void TForm1::DrawCO2Curve(float k0, const calc::Room& room) {
  // Every five minutes over the ten hours, and one step past them.
  const TDiagram& d = GDiagram;
  const auto y = [&d](double ppm) { return d.yBase - static_cast<int>(calc::RoundHalfEven(ppm / 1000.0 * d.dy)); };
  COkurva->MoveTo(d.x0, y(k0));
  std::int64_t t = 0;
  do {
    t += 300;
    const auto c = calc::RoundHalfEven(calc::CO2Formel(k0, room, t));
    const int x = d.x0 + static_cast<int>(calc::RoundHalfEven(static_cast<double>(t) / 3600.0 * d.dx));
    COkurva->LineTo(x, y(static_cast<double>(c)));
  } while (t <= 36000);
}

bool TForm1::CO2ChartInputsPresent() const {
  return !UteLuft->Text().isEmpty() && !RumVolym->Text().isEmpty() && !CO2Ute->Text().isEmpty();
}

void TForm1::RitaCOkurva() {
  if (!CO2ChartInputsPresent() || CO2Grid->Cell(GCO2Col, GCO2Row).isEmpty()) return;
  COkurva->penColor = TColor::clRed;
  COkurva->penWidth = 2;
  calc::Room room = CO2Room();
  const float k = room.k1;
  for (const int rate : ChosenRates()) {
    room.f = Generation(rate, AntalPers);
    DrawCO2Curve(k, room);
  }
}

void TForm1::RitaUtspadningKurva() {
  if (!CO2ChartInputsPresent()) return;
  if (AntalPersUtspadning->Text().isEmpty()) AntalPersUtspadning->SetText("0");
  if (CO2Grid->Cell(GCO2Col, GCO2Row).isEmpty()) return;
  COkurva->penColor = TColor::clBlue;
  COkurva->penWidth = 2;
  calc::Room room = CO2Room();
  const QList<int> rates = ChosenRates();
  // The start value: "a - b" gives a to the lower rate and b to the upper.
  const QString start = CO2utspadning->Text();
  const qsizetype dash = start.indexOf('-');
  airingEnds_.clear();
  for (qsizetype i = 0; i < rates.size(); ++i) {
    room.f = Generation(rates[i], AntalPersUtspadning);
    QString k0 = start;
    if (rates.size() == 2 && dash >= 0) k0 = i == 0 ? start.left(dash).trimmed() : start.mid(dash + 1).trimmed();
    DrawCO2Curve(calc::ToSingle(StrToInt(k0)), room);
    // Where the curve stands after the chart's ten hours, for screen readers.
    airingEnds_ << QString::number(calc::RoundHalfEven(calc::CO2Formel(calc::ToSingle(StrToInt(k0)), room, 36000)));
  }
}

// ---- The record -------------------------------------------------------------

TabDescription TForm1::CO2Description() {
  const bool search = UteLuftSok->Checked();
  const bool ownChoice = GCO2Row == CO2Grid->RowCount() - 1;
  // The chosen cell of the activity table, as "COL,ROW".
  TabInput cell = Input(CO2Grid, InputKind::Custom).Caption(Label5->Caption()).Shows([this] {
    return CO2Grid->Cell(0, GCO2Row) + ", " + CO2Grid->Cell(GCO2Col, 0) + ": " + CO2Grid->Cell(GCO2Col, GCO2Row);
  });
  cell.read = [this] { return QStringLiteral("%1,%2").arg(GCO2Col).arg(GCO2Row); };
  cell.valid = [this](const QString& value) {
    const QStringList at = value.split(',');
    bool colRead = false;
    bool rowRead = false;
    const int col = at.value(0).toInt(&colRead);
    const int row = at.value(1).toInt(&rowRead);
    return at.size() == 2 && colRead && rowRead && col >= 1 && col < CO2Grid->ColCount() && row >= 1 &&
           row < CO2Grid->RowCount();
  };
  cell.put = [this](const QString& value) {
    const QStringList at = value.split(',');
    CO2Grid->SetCurrentCell(at[0].toInt(), at[1].toInt());
  };
  // The own choice's rates, typed into its cell.
  TabInput rates;
  rates.kind = InputKind::Custom;
  rates.name = QStringLiteral("CO2GridRates");
  rates.line = false;
  rates.inForce = ownChoice;
  rates.read = [this] { return CO2Grid->Cell(GCO2Col, GCO2Row); };
  rates.put = [this](const QString& value) {
    CO2Grid->SetCell(GCO2Col, GCO2Row, value);
    CO2GridSetEditText();
  };

  TabDescription d;
  // With the search on, the outdoor air is its result, not an input; the
  // search and the kept curves say nothing of this calculation's figures.
  d.inputs = {Input(UteLuftSok, InputKind::Button).NoLine(),
              Input(CO2Ute).NotNegative().Hint(Hint(CO2Ute)),
              Input(UteLuft).NotNegative().When(!search),
              Input(RumVolym).NotNegative(),
              cell,
              rates,
              Input(AntalPers).NotNegative(),
              Input(CO2utspadning).Hint(Hint(CO2Ute)),
              Input(AntalPersUtspadning).NotNegative(),
              Input(SparaKurva, InputKind::Button).NoLine(),
              Input(CO2Kriterium, InputKind::Choice).When(search),
              Input(CO2Mal).NotNegative().When(search),
              Input(VistelseTid).When(search)};
  d.results = {Result(UteLuft).When(search).Shows([this] {
                 return UteLuft->Text().isEmpty() ? QString() : UteLuft->Text() + ' ' + UteLuftResultat->Caption();
               }),
               Result(CO2Min).Hint(Hint(CO2Ute)),
               Result(Tid).Caption(Label7->Caption()).Shows([this] { return Tid->Caption().trimmed(); })};
  d.rest = [this, search](CalcRecord& record, bool withResults) {
    CO2Method(record, search);
    // Only this calculation's curves: those kept from earlier ones were
    // drawn from other inputs.
    if (withResults) record.chart = COkurva->PictureFrom(co2ChartFrom_);
  };
  d.calculate = [this] { CO2CalcButtonClick(); };
  return d;
}

void TForm1::CO2Method(CalcRecord& record, bool search) {
  const QString rates = CO2Grid->Cell(GCO2Col, GCO2Row);
  record.method << Say(lang::Word("MethodCO2Law"))
                << Say(lang::Word("MethodCO2Equilibrium")).arg(Figure(calc::kEquilibriumTolerance));
  if (search) {
    const QString where = StaySeconds() > 0 ? Say(lang::Word("MethodOutdoorAirStay")).arg(VistelseTid->Text().trimmed())
                                            : Say(lang::Word("MethodOutdoorAirEquilibrium"));
    record.method << Say(lang::Word("MethodOutdoorAir")).arg(Figure(0.1), CO2Mal->Text(), where);
  }
  // The rate per person as the law takes it: the table's l/h made whole in
  // ml/s (9 l/h counts as 2 ml/s).
  int persons = 0;
  const bool personsRead = calc::TryStrToInt(AntalPers->Text().toStdString(), persons);
  for (const QString& part : rates.split('-')) {
    int rate = 0;
    if (!calc::TryStrToInt(part.toStdString(), rate) || !personsRead) continue;
    const auto perPerson = calc::CO2Alstring(rate, 1);
    record.method << Say(lang::Word("MethodCO2Rate")).arg(rate).arg(perPerson).arg(calc::CO2Alstring(rate, persons));
  }
}
