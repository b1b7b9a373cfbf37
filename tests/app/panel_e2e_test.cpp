// The panel end to end: the real main window with the real access library,
// against zavosim on loopback addresses of its own, with a private settings
// store in a temporary directory.
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/pending_windows.h"
#include "app/skin_composer.h"
#include "app/sound_player.h"
#include "app/strip_button.h"
#include "app/tf_main.h"
#include "controls/tf_about.h"
#include "controls/up_down.h"
#include "link/dynamic_access_library.h"
#include "settings/default_store.h"
#include "settings/settings_store.h"
#include "settings/tf_settings.h"
#include "settings/tf_subnet.h"

using namespace zavo;

namespace {

// 127.21.0.x belongs to this test alone.
const char* const kFirstAddress = "127.21.0.1";
const char* const kIpList = "127.021.000.001,127.021.000.002";

class SilentSound : public SoundPlayer {
 public:
  void playAsync(const QString&) override {}
  void playSync(const QString&) override {}
};

}  // namespace

class PanelEndToEnd : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void showsWeightAndIdentity();
  void keystrokesArriveWithTheirCodes();
  void switchesTerminals();
  void toolButtons();
  void aKilledSimulatorShowsTheErrorAndComesBack();
  void printsThePanel();
  void closeSavesAndReleasesTheLink();
  void aMissingLibraryIsReportedAndConnectFails();

 private:
  void Provision();
  void StartSimulator();
  QStringList KeyLog() const;
  template <typename T>
  T* Find(const char* name) const {
    T* w = main_->findChild<T*>(name);
    if (!w) qFatal("no control %s", name);
    return w;
  }

  QTemporaryDir dir_;
  QString keyLog_;
  std::unique_ptr<QProcess> sim_;
  std::unique_ptr<KeyValueStore> store_;
  std::unique_ptr<DynamicAccessLibrary> library_;
  std::unique_ptr<SkinComposer> skin_;
  std::unique_ptr<SilentSound> sound_;
  std::unique_ptr<TfMain> main_;
  std::unique_ptr<TfSubnet> subnet_;
  std::unique_ptr<TfSettings> settings_;
  std::unique_ptr<PendingPrinter> printer_;
  std::unique_ptr<TfAbout> about_;
  std::unique_ptr<PendingTrend> trend_;
  std::unique_ptr<PendingChartSettings> chart_;
  QStringList errors_;
};

void PanelEndToEnd::Provision() {
  auto tx = store_->Begin();
  {
    auto root = tx->Open(kRootPath, OpenMode::Create);
    QVERIFY(root);
    root->WriteString("ZavIPList", kIpList);
    root->WriteString("ZavNameList", "Filler,Mixer");
    root->WriteInteger("CurrentZavNumber", 1);
    root->WriteBool("ShowHints", true);
    root->WriteBool("KeypadEnabled", true);
    root->WriteBool("Benchmark", true);
    root->WriteInteger("LeftPosition", 20);
    root->WriteInteger("TopPosition", 30);
  }
  for (int slot = 1; slot <= 6; ++slot) {
    auto key = tx->Open(ProfileSlotPath(slot), OpenMode::Create);
    QVERIFY(key);
    key->WriteString("InputLabels", "Gate,Full,Empty,Jam");
    key->WriteString("OutputLabels", "Feed,Dump,Horn,Lamp");
    key->WriteInteger("RefreshInterval", 100);
    key->WriteInteger("LPrintPort", 1749);
  }
  tx->Commit();
}

void PanelEndToEnd::StartSimulator() {
  sim_ = std::make_unique<QProcess>();
  sim_->setProgram(ZAVOSIM_PATH);
  sim_->setArguments({"--terminals", "2", "--address", kFirstAddress, "--keylog", keyLog_});
  sim_->setProcessChannelMode(QProcess::MergedChannels);
  sim_->start();
  QVERIFY(sim_->waitForStarted(5000));
  // One line per terminal when it is ready.
  QByteArray out;
  QElapsedTimer t;
  t.start();
  while (out.count('\n') < 2 && t.elapsed() < 10000) {
    sim_->waitForReadyRead(200);
    out += sim_->readAll();
  }
  QVERIFY2(out.count('\n') >= 2, out.constData());
}

QStringList PanelEndToEnd::KeyLog() const {
  QFile f(keyLog_);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

void PanelEndToEnd::initTestCase() {
  QVERIFY(dir_.isValid());
  qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
  keyLog_ = dir_.filePath("keys.log");
  store_ = OpenDefaultStore();
  Provision();
  StartSimulator();

  library_ = DynamicAccessLibrary::Load({ZAVOAPI_PATH});
  skin_ = std::make_unique<SkinComposer>();
  skin_->loadDirectory();
  sound_ = std::make_unique<SilentSound>();
  TfMain::Services s;
  s.library = library_.get();
  s.store = store_.get();
  s.skin = skin_.get();
  s.sound = sound_.get();
  main_ = std::make_unique<TfMain>(s);
  main_->setErrorSink([this](const QString& m) { errors_ << m; });
  subnet_ = std::make_unique<TfSubnet>(main_.get());
  settings_ = std::make_unique<TfSettings>(*store_, *main_, *subnet_, main_.get());
  printer_ = std::make_unique<PendingPrinter>();
  about_ = std::make_unique<TfAbout>(QPixmap());
  trend_ = std::make_unique<PendingTrend>();
  chart_ = std::make_unique<PendingChartSettings>();
  main_->AttachWindows(settings_.get(), subnet_.get(), printer_.get(), about_.get(), trend_.get(),
                       chart_.get());
  main_->show();
  main_->FormShow();
  main_->FocusInput();
  QVERIFY2(errors_.isEmpty(), qPrintable(errors_.join("; ")));
}

void PanelEndToEnd::cleanupTestCase() {
  settings_.reset();  // children of the main window: gone before it
  subnet_.reset();
  main_.reset();
  library_.reset();
  if (sim_) {
    sim_->terminate();
    sim_->waitForFinished(3000);
  }
}

void PanelEndToEnd::showsWeightAndIdentity() {
  auto* weight = Find<QLabel>("lWeight");
  auto* display = Find<QLabel>("lDisplay");
  QTRY_VERIFY_WITH_TIMEOUT(display->text() != "Connected", 5000);
  QVERIFY2(!display->text().startsWith("Error: "), qPrintable(display->text()));
  QVERIFY(!weight->text().isEmpty());
  QCOMPARE(Find<QLabel>("lZavName")->text(), QString("Filler - 127.21.0.1"));
  QVERIFY(Find<QLabel>("lOSVer")->text().startsWith("SWID: "));
  QVERIFY(Find<QLabel>("lCalib")->text().startsWith("Calibrated: "));
  QVERIFY(Find<QLabel>("lSerial")->text().startsWith("P/N: "));
  QCOMPARE(Find<QLabel>("lIDDk")->text(), Find<QLabel>("lID")->text());
  QVERIFY(Find<QLabel>("lID")->text() != "--------");
  QVERIFY(Find<QLabel>("lTime")->isVisible());  // benchmark mode
  QTRY_VERIFY(Find<QLabel>("lTime")->text().endsWith("ms"));
  QVERIFY(trend_->samples() > 0);
  QCOMPARE(Find<QWidget>("shLED_i3")->toolTip(), QString("Empty"));
  QCOMPARE(main_->pos(), QPoint(20, 30));
  // The weight follows the simulator: it changes within a few seconds.
  const QString first = weight->text();
  QTRY_VERIFY_WITH_TIMEOUT(weight->text() != first, 8000);
}

void PanelEndToEnd::keystrokesArriveWithTheirCodes() {
  auto* input = Find<QLineEdit>("eInput");
  QVERIFY(!input->isReadOnly());
  Find<StripButton>("b7")->click();
  Find<StripButton>("bZero")->click();
  QTest::keyClicks(input, "12");
  QTest::keyClick(input, Qt::Key_Backspace);
  QTest::keyClick(input, Qt::Key_Slash);
  QTest::keyClick(input, Qt::Key_Escape);
  QTest::keyClick(input, Qt::Key_Return);
  QCOMPARE(input->text(), QString(""));
  QTest::keyClick(input, Qt::Key_Delete);  // no character: nothing sent
  QTest::sendKeyEvent(QTest::Click, input, Qt::Key_Egrave, QString(QChar(200)), Qt::NoModifier);
  const QStringList expected = {"1 1 55", "1 1 7", "1 2 49", "1 2 50", "1 2 127",
                                "1 2 5",  "1 2 2", "1 2 13", "1 2 -56"};
  QTRY_VERIFY_WITH_TIMEOUT(KeyLog().size() >= expected.size(), 5000);
  QTest::qWait(300);
  QCOMPARE(KeyLog().join(" / "), expected.join(" / "));
}

void PanelEndToEnd::switchesTerminals() {
  auto* ud = Find<UpDown>("udZavNum");
  ud->step(-1);  // below the range: refused, nothing happens
  QCOMPARE(ud->position(), 1);
  const int before = KeyLog().size();
  ud->step(+1);
  QCOMPARE(ud->position(), 2);
  QCOMPARE(Find<QLineEdit>("eZavNum")->text(), QString("2"));
  QCOMPARE(Find<QLabel>("lZavName")->text(), QString("Mixer - 127.21.0.2"));
  ud->step(+1);  // above the range
  QCOMPARE(ud->position(), 2);
  const bool alternative = Find<QLabel>("lOSVer")->text().toUpper().contains("ZAVOR");
  QCOMPARE(Find<StripButton>("b7")->stripName(),
           QString(alternative ? "R7_strip.bmp" : "7_strip.bmp"));
  Find<StripButton>("bEnt")->click();
  QTRY_COMPARE(KeyLog().size(), before + 1);
  QCOMPARE(KeyLog().last(), QString("2 1 8"));
  QTRY_VERIFY(!Find<QLabel>("lDisplay")->text().startsWith("Error: "));
  ud->step(-1);
  QCOMPARE(ud->position(), 1);
  QVERIFY(errors_.isEmpty());
}

void PanelEndToEnd::toolButtons() {
  // The printer switch opens the printer docked to the right edge; the
  // terminal program command writes the host and closes the printer again.
  auto* print = Find<StripButton>("bShowPrint");
  print->click();
  QVERIFY(print->isChecked());
  QVERIFY(printer_->isVisible());
  QCOMPARE(printer_->pos(),
           QPoint(main_->frameGeometry().right() + 1, main_->frameGeometry().top()));
  Find<StripButton>("bTerm")->click();
  QVERIFY(!print->isChecked());
  QVERIFY(!printer_->isVisible());
  auto tx = store_->Begin();
  auto key = tx->Open(kTerminalProgramPath, OpenMode::Read);
  QVERIFY(key);
  QCOMPARE(key->ReadString("AutoConnectHost"), std::string("127.21.0.1"));
  // The trend switch opens its window below the main window.
  auto* trend = Find<StripButton>("bTrend");
  trend->click();
  QVERIFY(trend_->isVisible());
  QCOMPARE(trend_->pos().y(), main_->frameGeometry().bottom() + 1);
  trend->click();
  QVERIFY(!trend_->isVisible());
  QVERIFY(errors_.isEmpty());
}

void PanelEndToEnd::aKilledSimulatorShowsTheErrorAndComesBack() {
  auto* weight = Find<QLabel>("lWeight");
  auto* display = Find<QLabel>("lDisplay");
  sim_->kill();
  QVERIFY(sim_->waitForFinished(3000));
  QTRY_VERIFY_WITH_TIMEOUT(display->text().startsWith("Error: "), 3000);
  QCOMPARE(weight->text(), QString("-------"));
  bool isNumber = false;
  QVERIFY(display->text().mid(7).toInt(&isNumber) < 0);
  QVERIFY(isNumber);
  StartSimulator();
  QTRY_VERIFY_WITH_TIMEOUT(!display->text().startsWith("Error: "), 8000);
  QTRY_VERIFY(weight->text() != "-------");
}

void PanelEndToEnd::printsThePanel() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir_.filePath("panel.pdf"));
  main_->PrintPicture(printer);
  QVERIFY(QFileInfo(dir_.filePath("panel.pdf")).size() > 1000);
}

void PanelEndToEnd::closeSavesAndReleasesTheLink() {
  main_->move(40, 50);
  main_->close();
  const StartupSettings saved = SettingsStore(*store_).LoadStartupSettings();
  QCOMPARE(saved.leftPosition, main_->x());
  QCOMPARE(saved.topPosition, main_->y());
  QCOMPARE(saved.ipList, std::string(kIpList));
  QCOMPARE(saved.currentZavNumber, 1);
  // Closed: a read no longer links.
  char buffer[106] = {};
  QVERIFY(library_->Read("/z1/bd001", 51, buffer) != 0);
}

void PanelEndToEnd::aMissingLibraryIsReportedAndConnectFails() {
  UnavailableAccessLibrary none;
  TfMain::Services s;
  s.library = &none;
  s.libraryError = "Cannot load the terminal access library libzavoapi.so: test";
  s.store = store_.get();
  s.skin = skin_.get();
  s.sound = sound_.get();
  TfMain main(s);
  QStringList errors;
  main.setErrorSink([&](const QString& m) { errors << m; });
  TfSettings settings(*store_, main, *subnet_);
  main.AttachWindows(&settings, subnet_.get(), printer_.get(), about_.get(), trend_.get(),
                     chart_.get());
  main.FormShow();
  QCOMPARE(main.findChild<QLabel*>("lDisplay")->text(), QString("Connect failed"));
  QCOMPARE(main.findChild<QLabel*>("lWeight")->text(), QString("-------"));
  QCOMPARE(errors, QStringList{QString::fromStdString(s.libraryError)});
  QVERIFY(main.findChild<QLineEdit*>("eInput")->isReadOnly());
  QVERIFY(!main.updateTimer()->isActive());
}

QTEST_MAIN(PanelEndToEnd)
#include "panel_e2e_test.moc"
