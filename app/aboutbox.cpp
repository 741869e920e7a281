#include "app/aboutbox.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/guard.h"
#include "app/platform.h"
#include "app/widgets/combobox.h"
#include "app/widgets/icons.h"
#include "app/widgets/spoken.h"

namespace {
const QString kManualName = QStringLiteral("PLUVIK.pdf");

QFont Bold(QFont font) {
  font.setBold(true);
  return font;
}
}  // namespace

QFileInfo ProgramFile(const QString& programPath) {
  // QFileInfo splits on '/' everywhere and on '\\' on Windows only.
  return QFileInfo(QString(programPath).replace('\\', '/'));
}

QString ProgramFolder(const QString& programPath) {
  if (!programPath.contains('/') && !programPath.contains('\\')) return QString();
  QString folder = ProgramFile(programPath).path();
  // A program in a drive's root keeps the separator ("C:\\").
  if (folder.endsWith(':')) folder += '/';
  // The folder is written in the separators the path came in.
  if (programPath.contains('\\')) folder.replace('/', '\\');
  return folder;
}

TAboutBox::TAboutBox(Platform& platform, QWidget* mainWindow) : QDialog(mainWindow), platform_(platform) {
  setObjectName("AboutBox");
  setWindowTitle(QStringLiteral("Om.."));
  setFixedSize(298, 316);
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowFlag(Qt::WindowStaysOnTopHint, true);

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setFrameShape(QFrame::Panel);
  Panel1->setFrameShadow(QFrame::Sunken);
  Panel1->setGeometry(8, 8, 281, 225);

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setObjectName("ProgramIcon");
  ProgramIcon->setGeometry(8, 8, 65, 57);
  ProgramIcon->setScaledContents(true);
  ProgramIcon->setPixmap(ProgramEmblem(65, 57));
  ProgramIcon->setAccessibleName(QStringLiteral("Programikon"));

  ProductName = new QLabel(QStringLiteral("PLUVIK"), Panel1);
  ProductName->setObjectName("ProductName");
  ProductName->setFont(Bold(font()));
  ProductName->setGeometry(88, 16, 180, 16);

  Version = new QLabel(QStringLiteral("Version 1,x"), Panel1);
  Version->setObjectName("Version");
  Version->setFont(Bold(font()));
  Version->setGeometry(88, 40, 180, 16);

  Kommentar = new QLabel(QString::fromUtf8("Beräkning av friktionstryckfall för kanaler och rör, kv- och Fe-värde för "
                                           "ventiler, effekt/flöde samt CO2"),
                         Panel1);
  Kommentar->setObjectName("Kommentar");
  Kommentar->setFont(Bold(font()));
  Kommentar->setWordWrap(true);
  Kommentar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Kommentar->setGeometry(8, 80, 265, 100);

  SpraakComboBox = new TComboBox(Panel1, "SpraakComboBox");
  SpraakComboBox->SetItems({QStringLiteral("Svensk"), QStringLiteral("Dansk")});
  SpraakComboBox->SetText(QStringLiteral("Svensk"));
  // Found by a screen reader in either language.
  SpeakAs(SpraakComboBox, QString::fromUtf8("Språk / Sprog"));
  // The language is the text exactly as typed: "dansk" is no language, so
  // the box must not complete it to "Dansk".
  SpraakComboBox->SetCompletes(false);
  SpraakComboBox->setGeometry(8, 190, 120, 22);

  Manual = new QPushButton(QStringLiteral("Manual"), this);
  Manual->setObjectName("Manual");
  Manual->setAutoDefault(false);
  Manual->setGeometry(8, 276, 75, 25);
  connect(Manual, &QPushButton::clicked, this, [this] { RunGuarded(this, [this] { ManualClick(); }); });

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName("OKButton");
  OKButton->setFont(Bold(font()));
  OKButton->setDefault(true);
  OKButton->setGeometry(111, 276, 75, 25);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  FormCreate();
}

void TAboutBox::FormCreate() { GProgramBibl = ProgramFolder(platform_.ProgramPath()); }

QStringList TAboutBox::ManualCandidates() const {
  QString folder = GProgramBibl;
  const QChar separator = QDir::separator();
  if (!folder.endsWith(separator)) folder += separator;
  return {folder + kManualName, folder + QStringLiteral("Manualer") + separator + kManualName};
}

void TAboutBox::ManualClick() {
  for (const QString& path : ManualCandidates()) {
    if (platform_.FileExists(path)) {
      platform_.OpenDocument(path);
      return;
    }
  }
  const QString notFound = QStringLiteral("Hittar ej manual");
  if (OnMessage)
    OnMessage(notFound);
  else
    platform_.ShowMessage(this, notFound);
}

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Centred on the screen, not on the main window.
  const QSize screen = platform_.ScreenSize();
  move((screen.width() - frameGeometry().width()) / 2, (screen.height() - frameGeometry().height()) / 2);
  OKButton->setFocus(Qt::OtherFocusReason);
}
