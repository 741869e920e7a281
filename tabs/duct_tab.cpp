// The duct tab: friction pressure drop and velocity of air ducts.
#include "app/mainwindow.h"
#include "calc/duct.h"

void TForm1::WireDuctTab() {
  Flow->OnChange = [this] { FlowChange(); };
  Flow->OnExit = [this] { FlowExit(); };
  MaxMeterPerSek->OnExit = [this] { MaxMeterPerSekExit(); };
  MaxPaPerMeter->OnExit = [this] { MaxPaPerMeterExit(); };
  Temperatur->OnChange = [this] { TemperaturChange(); };
  Temperatur->OnExit = [this] { TemperaturExit(); };
  SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

std::optional<float> TForm1::Rvaerde(const QString& dim, float flode, float ytRahet, float ksi, int isolering) {
  const std::string dimText = dim.toStdString();
  const std::string temperature = Temperatur->Text().toStdString();
  calc::DuctAir air;
  air.temperature = temperature;
  air.unit =
      EnhetRadioGroup->ItemIndex() == 1 ? calc::AirFlowUnit::CubicMetresPerHour : calc::AirFlowUnit::LitresPerSecond;
  air.circularChosen = CirkRadioButton->Checked();
  const auto result = calc::Rvaerde(dimText, flode, ytRahet, ksi, isolering, air, Fmt());
  // Without a result (no flow, or no inner size left) there is no velocity
  // either.
  GHastighet = result ? result->v : 0.0f;
  if (!result) return std::nullopt;
  return result->r;
}

void TForm1::ComboBox1Click() {}

void TForm1::SpeedButton1Click() {}

void TForm1::FlowChange() { Flow->SetColor(Flow->Text().isEmpty() ? TColor::clRed : TColor::clWindow); }

void TForm1::FlowExit() { Flow->SetText(DecimalFormat(Flow->Text())); }

void TForm1::MaxMeterPerSekExit() { MaxMeterPerSek->SetText(DecimalFormat(MaxMeterPerSek->Text())); }

void TForm1::MaxPaPerMeterExit() { MaxPaPerMeter->SetText(DecimalFormat(MaxPaPerMeter->Text())); }

void TForm1::TemperaturChange() {
  double value = 0.0;
  const bool number = calc::TryStrToFloat(Temperatur->Text().toStdString(), Fmt(), value);
  Temperatur->SetColor(number ? TColor::clWindow : TColor::clRed);
}

void TForm1::TemperaturExit() { Temperatur->SetText(DecimalFormat(Temperatur->Text())); }
