// The main window with the real settings dialog end to end: a store that
// holds only the provisioning file, the real access library, and zavosim on
// loopback addresses of this test's own. The modal dialogs are driven from
// inside their loops by a timer that acts on whichever one is up.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
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
#include "settings/reg_parser.h"
#include "settings/reg_transfer.h"
#include "settings/reg_writer.h"
#include "settings/settings_store.h"
#include "settings/tf_settings.h"
#include "settings/tf_subnet.h"

using namespace zavo;

namespace {

// 127.23.0.x belongs to this test alone.
const char* const kFirstAddress = "127.23.0.1";
const char* const kSubnet = "127.023.000";

class SilentSound : public SoundPlayer {
 public:
  void playAsync(const QString&) override {}
  void playSync(const QString&) override {}
};

// The program's windows as start-up creates them.
struct Panel {
  explicit Panel(const TfMain::Services& services) : about(QPixmap()) {
    main = std::make_unique<TfMain>(services);
    main->setErrorSink([this](const QString& m) { errors << m; });
    subnet = std::make_unique<TfSubnet>(main.get());
    settings = std::make_unique<TfSettings>(*services.store, *main, *subnet, main.get());
    settings->SetChartSettings(&chart);
    main->AttachWindows(settings.get(), subnet.get(), &printer, &about, &trend, &chart);
  }
  ~Panel() {
    settings.reset();  // children of the main window: gone before it
    subnet.reset();
    main->close();
  }
  template <typename T>
  T* Face(const char* name) const {
    T* w = main->findChild<T*>(name);
    if (!w) qFatal("no control %s", name);
    return w;
  }
  template <typename T>
  T* Dialog(QWidget* dialog, const char* name) const {
    T* w = dialog->findChild<T*>(name);
    if (!w) qFatal("no control %s in %s", name, qPrintable(dialog->objectName()));
    return w;
  }
  QString display() const { return Face<QLabel>("lDisplay")->text(); }
  QString weight() const { return Face<QLabel>("lWeight")->text(); }
  bool keypadOn() const { return !Face<QLineEdit>("eInput")->isReadOnly(); }
  QStringList listed() const {
    QStringList rows;
    auto* lv = Dialog<QTreeWidget>(settings.get(), "lvIPs");
    for (int i = 0; i < lv->topLevelItemCount(); ++i)
      rows << lv->topLevelItem(i)->text(0) + " " + lv->topLevelItem(i)->text(1);
    return rows;
  }

  PendingPrinter printer;
  TfAbout about;
  PendingTrend trend;
  PendingChartSettings chart;
  std::unique_ptr<TfMain> main;
  std::unique_ptr<TfSubnet> subnet;
  std::unique_ptr<TfSettings> settings;
  QStringList errors;
};

// Calls `step` with the active modal window every few milliseconds. A click
// that opens a modal window of its own must be posted (Later), or the
// timer could not run inside that window's loop. After the deadline every
// modal window is closed, so a failed step ends the test instead of hanging.
class ModalDriver {
 public:
  explicit ModalDriver(std::function<void(QWidget*)> step, int deadlineMs = 60000)
      : step_(std::move(step)), deadline_(deadlineMs) {
    clock_.start();
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start(10);
  }
  bool timedOut() const { return timedOut_; }

  static void Later(QAbstractButton* button) {
    QTimer::singleShot(0, button, [button] { button->click(); });
  }
  static void LaterClose(QWidget* window) {
    QTimer::singleShot(0, window, [window] { window->close(); });
  }

 private:
  void Tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (clock_.elapsed() > deadline_) {
      timedOut_ = true;
      if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
      return;
    }
    step_(modal);
  }

  std::function<void(QWidget*)> step_;
  int deadline_;
  QElapsedTimer clock_;
  QTimer timer_;
  bool timedOut_ = false;
};

// What the face showed at the moment the settings dialog opened, before
// the dialog's own opening wrote over it.
class OpenWatch : public QObject {
 public:
  explicit OpenWatch(Panel& panel) : panel_(panel) { panel.settings->installEventFilter(this); }
  QStringList seen;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Show && !e->spontaneous())
      seen << QString("%1|%2|keypad %3")
                  .arg(panel_.display(), panel_.weight(), panel_.keypadOn() ? "on" : "off");
    return false;
  }

 private:
  Panel& panel_;
};

std::string Snapshot(KeyValueStore& store) {
  const std::optional<RegKey> root = ExportKey(store, kRootPath);
  if (!root) return {};
  RegWriter writer("\n");
  writer.AddKey(LocalMachinePath(kRootPath), *root);
  return writer.text();
}

}  // namespace

class SettingsEndToEnd : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void anEmptyListConfirmedOpensTheDialogAgain();
  void aScanFromNoListFindsTheTerminalsAndConnects();
  void theSettingsButtonReloadsOnOkOnly();

 private:
  // A store of its own in a new folder, holding only the provisioning file.
  void FreshStore(const QString& name);
  TfMain::Services Services();

  QTemporaryDir dir_;
  std::unique_ptr<QProcess> sim_;
  std::unique_ptr<KeyValueStore> store_;
  std::unique_ptr<DynamicAccessLibrary> library_;
  std::unique_ptr<SkinComposer> skin_;
  std::unique_ptr<SilentSound> sound_;
  std::unique_ptr<Panel> panel_;  // linked by the scan, used by the next case
};

void SettingsEndToEnd::FreshStore(const QString& name) {
  qputenv("XDG_CONFIG_HOME", dir_.filePath(name).toLocal8Bit());
  store_ = OpenDefaultStore();
  QFile file(PROVISION_REG_PATH);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const ImportSummary s =
      ImportPatch(*store_, ParseRegFile(std::string_view(bytes.constData(), bytes.size())),
                  ImportMode::KeepExisting);
  QVERIFY(s.valuesAdded > 0);
  const StartupSettings loaded = SettingsStore(*store_).LoadStartupSettings();
  QVERIFY(loaded.found);
  QVERIFY(loaded.ipList.empty() && loaded.nameList.empty());
}

TfMain::Services SettingsEndToEnd::Services() {
  TfMain::Services s;
  s.library = library_.get();
  s.store = store_.get();
  s.skin = skin_.get();
  s.sound = sound_.get();
  return s;
}

void SettingsEndToEnd::initTestCase() {
  QVERIFY(dir_.isValid());
  sim_ = std::make_unique<QProcess>();
  sim_->setProgram(ZAVOSIM_PATH);
  sim_->setArguments({"--terminals", "3", "--address", kFirstAddress});
  sim_->setProcessChannelMode(QProcess::MergedChannels);
  sim_->start();
  QVERIFY(sim_->waitForStarted(5000));
  QByteArray out;  // one line per terminal when it listens
  QElapsedTimer t;
  t.start();
  while (out.count('\n') < 3 && t.elapsed() < 10000) {
    sim_->waitForReadyRead(200);
    out += sim_->readAll();
  }
  QVERIFY2(out.count('\n') >= 3, out.constData());
  library_ = DynamicAccessLibrary::Load({ZAVOAPI_PATH});
  skin_ = std::make_unique<SkinComposer>();
  skin_->loadDirectory();
  sound_ = std::make_unique<SilentSound>();
}

void SettingsEndToEnd::cleanupTestCase() {
  panel_.reset();
  library_.reset();
  if (sim_) {
    sim_->terminate();
    sim_->waitForFinished(3000);
  }
}

// OK on an empty list reconnects, finds the list empty again and opens the
// dialog again; cancelled then, the panel stays unlinked with the keypad on
// and the poll reporting the library's status.
void SettingsEndToEnd::anEmptyListConfirmedOpensTheDialogAgain() {
  FreshStore("again");
  Panel p(Services());
  OpenWatch watch(p);
  int handled = 0;
  ModalDriver driver([&](QWidget* modal) {
    if (modal != p.settings.get() || handled == watch.seen.size()) return;
    handled = static_cast<int>(watch.seen.size());
    if (handled == 1)
      ModalDriver::Later(p.Dialog<QPushButton>(modal, "bOK"));
    else
      ModalDriver::LaterClose(modal);
  });
  p.main->show();
  p.main->FormShow();
  QVERIFY(!driver.timedOut());
  QCOMPARE(watch.seen, QStringList({"No list|-------|keypad off", "No list|-------|keypad off"}));
  QVERIFY(p.keypadOn());
  QVERIFY(p.main->updateTimer()->isActive());
  QTRY_VERIFY_WITH_TIMEOUT(p.display().startsWith("Error: "), 3000);
  bool isNumber = false;
  QVERIFY(p.display().mid(7).toInt(&isNumber) < 0);
  QVERIFY(isNumber);
  QCOMPARE(p.weight(), QString("-------"));
  QVERIFY2(p.errors.isEmpty(), qPrintable(p.errors.join("; ")));
}

// Start-up with no list: the dialog opens by itself, the Net Scan of the
// simulator's subnet at the shortest wait fills the list, and OK reloads and
// connects to the first terminal found.
void SettingsEndToEnd::aScanFromNoListFindsTheTerminalsAndConnects() {
  FreshStore("scan");
  panel_ = std::make_unique<Panel>(Services());
  Panel& p = *panel_;
  OpenWatch watch(p);
  enum { Open, Prompt, Started, Scanning, Done } phase = Open;
  QStringList found;
  ModalDriver driver([&](QWidget* modal) {
    const bool inSettings = modal == p.settings.get();
    switch (phase) {
      case Open:
        if (!inSettings) return;
        QCOMPARE(p.display(), QString("Editing Settings"));
        QVERIFY(!p.main->updateTimer()->isActive());
        QCOMPARE(p.listed(), QStringList());
        phase = Prompt;
        ModalDriver::Later(p.Dialog<QPushButton>(modal, "bScan"));
        return;
      case Prompt:
        if (modal != p.subnet.get()) return;
        p.subnet->SetSubnetText(kSubnet);
        p.subnet->SetTimeoutPosition(50);
        phase = Started;
        ModalDriver::Later(p.Dialog<QPushButton>(modal, "bOK"));
        return;
      case Started:
        if (inSettings && p.settings->scanning()) phase = Scanning;
        return;
      case Scanning:
        if (!inSettings || p.settings->scanning()) return;
        found = p.listed();
        phase = Done;
        ModalDriver::Later(p.Dialog<QPushButton>(modal, "bOK"));
        return;
      case Done:
        return;
    }
  });
  p.main->show();
  p.main->FormShow();
  QVERIFY(!driver.timedOut());
  QCOMPARE(watch.seen, QStringList({"No list|-------|keypad off"}));
  QCOMPARE(found,
           QStringList({"Zav1 127.023.000.001", "Zav2 127.023.000.002", "Zav3 127.023.000.003"}));
  const StartupSettings saved = SettingsStore(*store_).LoadStartupSettings();
  QCOMPARE(QString::fromStdString(saved.ipList),
           QString("127.023.000.001,127.023.000.002,127.023.000.003"));
  QCOMPARE(QString::fromStdString(saved.nameList), QString("Zav1,Zav2,Zav3"));

  // Reloaded and linked: the first terminal's identity and its live face.
  QVERIFY(p.main->updateTimer()->isActive());
  QVERIFY(!p.keypadOn());  // the stored option (never set: off), not the closing's
  QCOMPARE(p.Face<QLabel>("lZavName")->text(), QString("Zav1 - 127.23.0.1"));
  QCOMPARE(p.Face<UpDown>("udZavNum")->maximum(), 3);
  QVERIFY(p.Face<QLabel>("lOSVer")->text().startsWith("SWID: "));
  QVERIFY(p.Face<QLabel>("lSerial")->text().startsWith("P/N: "));
  QVERIFY(p.Face<QLabel>("lID")->text() != "--------");
  QTRY_VERIFY_WITH_TIMEOUT(p.display() != "Connected", 5000);
  QVERIFY2(!p.display().startsWith("Error: "), qPrintable(p.display()));
  QVERIFY(p.weight() != "-------" && !p.weight().isEmpty());
  QVERIFY2(p.errors.isEmpty(), qPrintable(p.errors.join("; ")));
}

// The settings button: OK stores the options and runs the whole show
// sequence again; the close box stores nothing and only restarts the poll.
void SettingsEndToEnd::theSettingsButtonReloadsOnOkOnly() {
  if (!panel_ || !panel_->main->updateTimer()->isActive()) QSKIP("needs the linked panel");
  Panel& p = *panel_;
  auto* bSettings = p.Face<StripButton>("bSettings");
  QVERIFY(!p.keypadOn());  // not stored yet: off

  bool pollStopped = false;
  bool acted = false;
  {
    ModalDriver driver([&](QWidget* modal) {
      if (modal != p.settings.get() || acted) return;
      acted = true;
      pollStopped = !p.main->updateTimer()->isActive() && p.display() == "Editing Settings" &&
                    p.weight() == "-------" && !p.keypadOn();
      auto* keypad = p.Dialog<QCheckBox>(modal, "ckKeypad");
      QVERIFY(!keypad->isChecked());
      keypad->click();
      ModalDriver::Later(p.Dialog<QPushButton>(modal, "bOK"));
    });
    bSettings->click();
    QVERIFY(!driver.timedOut());
  }
  QVERIFY(acted && pollStopped);
  // Reconnected from scratch, with the stored keypad option applied.
  QCOMPARE(p.display(), QString("Connected"));
  QVERIFY(p.keypadOn());
  QVERIFY(p.main->updateTimer()->isActive());
  QVERIFY(SettingsStore(*store_).LoadStartupSettings().keypadEnabled);
  QTRY_VERIFY_WITH_TIMEOUT(p.display() != "Connected", 5000);

  const std::string before = Snapshot(*store_);
  QVERIFY(!before.empty());
  acted = false;
  {
    ModalDriver driver([&](QWidget* modal) {
      if (modal != p.settings.get() || acted) return;
      acted = true;
      p.Dialog<QCheckBox>(modal, "ckKeypad")->click();
      p.Dialog<QCheckBox>(modal, "ckHints")->click();
      p.Dialog<QLineEdit>(modal, "eName")->setText("Spare");
      ModalDriver::LaterClose(modal);
    });
    bSettings->click();
    QVERIFY(!driver.timedOut());
  }
  QVERIFY(acted);
  QCOMPARE(Snapshot(*store_), before);
  // The dialog's closing switched the keypad on and restarted the poll;
  // nothing reconnected.
  QVERIFY(p.keypadOn());
  QVERIFY(p.main->updateTimer()->isActive());
  QCOMPARE(p.display(), QString("Editing Settings"));
  QTRY_VERIFY_WITH_TIMEOUT(p.display() != "Editing Settings", 3000);
  QVERIFY2(!p.display().startsWith("Error: "), qPrintable(p.display()));
  QVERIFY2(p.errors.isEmpty(), qPrintable(p.errors.join("; ")));
}

QTEST_MAIN(SettingsEndToEnd)
#include "settings_e2e_test.moc"
