// The settings dialog on real widgets (offscreen) and the scan on real
// loopback sockets. Listeners live in 127.30.0.0/16 on port 1749.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "app/main_window_port.h"
#include "dialog_test_store.h"
#include "settings/scan_socket.h"
#include "settings/subnet_scanner.h"
#include "settings/terminal_list_editor.h"
#include "settings/tf_settings.h"
#include "settings/tf_subnet.h"

namespace zavo {
namespace {

class FakeMain : public MainWindowPort {
 public:
  explicit FakeMain(SettingsStore& store) : store_(store) {}
  QStringList calls;
  StartupSettings reloaded;
  void StopPoll() override { calls << "stop poll"; }
  void StartPoll() override { calls << "start poll"; }
  void SetWeightText(const char* t) override { calls << QString("weight ") + t; }
  void SetDisplayText(const char* t) override { calls << QString("display ") + t; }
  void EnableKeypad(bool on) override { calls << (on ? "keypad on" : "keypad off"); }
  void FocusInput() override { calls << "focus input"; }
  int CurrentTerminal() const override { return 1; }
  int Left() const override { return 40; }
  int Top() const override { return 60; }
  void Reload() override {
    calls << "reload";
    reloaded = store_.LoadStartupSettings();
  }

 private:
  SettingsStore& store_;
};

class FakeChartSettings : public HintedWindow {
 public:
  int shown = -1;
  void SetShowHints(bool on) override { shown = on; }
};

// What the main window's Settings button does with the dialog.
bool SettingsButton(TfSettings& dialog, MainWindowPort& main) {
  if (!dialog.ExecModal()) return false;
  main.StopPoll();
  main.Reload();
  return true;
}

// Listeners standing for terminals on port 1749.
std::vector<std::unique_ptr<QTcpServer>> Listen(const QStringList& addresses) {
  std::vector<std::unique_ptr<QTcpServer>> servers;
  for (const QString& a : addresses) {
    auto server = std::make_unique<QTcpServer>();
    if (!server->listen(QHostAddress(a), SubnetScanner::kPort)) return {};
    servers.push_back(std::move(server));
  }
  return servers;
}

}  // namespace

class TfSettingsTest : public QObject {
  Q_OBJECT

  struct Dialog {
    explicit Dialog(DialogTestStore& db) : main(db.store), settings(db.memory, main, subnet) {}
    FakeMain main;
    TfSubnet subnet;
    TfSettings settings;
    template <typename T>
    T* get(const char* name) {
      T* w = settings.findChild<T*>(name);
      if (!w) qFatal("no %s", name);
      return w;
    }
    QTreeWidget* list() { return get<QTreeWidget>("lvIPs"); }
    void ClickRow(int row) {
      QTreeWidget* lv = list();
      const QRect r = lv->visualItemRect(lv->topLevelItem(row));
      QTest::mouseClick(lv->viewport(), Qt::LeftButton, {}, r.center());
    }
  };

  // Runs `steps` inside the dialog's modal loop.
  // A failed check ends the steps early; the dialog is closed then, too.
  static void During(QDialog& dialog, std::function<void()> steps) {
    QTimer::singleShot(0, &dialog, [&dialog, steps = std::move(steps)] {
      steps();
      if (dialog.isVisible()) dialog.reject();
    });
  }

 private slots:
  void addAndConfirmFromAFreshStore() {
    DialogTestStore db;
    db.Provision(0);
    db.memory.Begin()->Open(kRootPath, OpenMode::Write)->WriteBool("ShowHints", false);
    Dialog d(db);
    FakeChartSettings chart;
    d.settings.SetChartSettings(&chart);
    for (const char* name :
         {"gbIPList", "eName",    "eIP",      "lvIPs",      "bAdd",     "bDel",   "bUp",
          "bDn",      "bScan",    "ProgBar",  "lCurrentIP", "shLED",    "gbVars", "Grid",
          "eUpdFrq",  "udUpdFrq", "ePrnPort", "ckHints",    "ckKeypad", "bOK"})
      QVERIFY2(d.settings.findChild<QWidget*>(name), name);

    During(d.settings, [&] {
      QCOMPARE(d.list()->topLevelItemCount(), 0);
      QVERIFY(!d.get<QCheckBox>("ckHints")->isChecked());
      QCOMPARE(chart.shown, 0);
      QCOMPARE(d.get<QSpinBox>("udUpdFrq")->value(), 125);  // slot 1
      QCOMPARE(d.get<QLineEdit>("ePrnPort")->text(), QString("2001"));
      auto* eName = d.get<QLineEdit>("eName");
      auto* eIP = d.get<QLineEdit>("eIP");
      QTest::keyClicks(eName, "Line,1");
      QCOMPARE(eName->text(), QString("Line1"));  // no comma reaches a name
      QTest::keyClicks(eIP, "127030000");
      QTest::keyClick(eName, '+');  // incomplete address: the plus is typed
      QCOMPARE(eName->text(), QString("Line1+"));
      QVERIFY(!d.get<QToolButton>("bAdd")->isEnabled());
      eName->setText("Line 1");
      QTest::keyClicks(eIP, "001");
      QVERIFY(d.get<QToolButton>("bAdd")->isEnabled());
      d.get<QToolButton>("bAdd")->click();
      QCOMPARE(d.list()->topLevelItemCount(), 1);
      QCOMPARE(d.list()->topLevelItem(0)->text(0), QString("Line 1"));
      QCOMPARE(d.list()->topLevelItem(0)->text(1), QString("127.030.000.001"));
      QVERIFY(eName->text().isEmpty());
      QVERIFY(!d.get<QToolButton>("bAdd")->isEnabled());
      QVERIFY(!d.get<QTableWidget>("Grid")->isEnabled());
      QCOMPARE(d.get<QTableWidget>("Grid")->item(0, 0)->text(), QString("In 1"));
      d.get<QPushButton>("bOK")->click();
    });
    QVERIFY(SettingsButton(d.settings, d.main));

    const QStringList expected = {"stop poll",   "weight -------", "display Editing Settings",
                                  "keypad off",  "keypad on",      "start poll",
                                  "focus input", "stop poll",      "reload"};
    QCOMPARE(d.main.calls, expected);
    QCOMPARE(QString::fromStdString(d.main.reloaded.nameList), QString("Line 1"));
    QCOMPARE(QString::fromStdString(d.main.reloaded.ipList), QString("127.030.000.001"));
    QVERIFY(!d.main.reloaded.showHints);
    QCOMPARE(d.main.reloaded.leftPosition, 40);
  }

  // Keys and clicks on the list map onto moves and deletes; the close box
  // then leaves the store as it was.
  void closeBoxAfterListEditsKeepsTheStore() {
    DialogTestStore db;
    db.Provision(3);
    const std::string before = db.Snapshot();
    Dialog d(db);
    During(d.settings, [&] {
      d.ClickRow(0);
      QTest::keyClick(d.list(), Qt::Key_F2);  // the name edited in place
      auto* inPlace = d.list()->viewport()->findChild<QLineEdit*>();
      QVERIFY(inPlace);
      inPlace->selectAll();
      QTest::keyClicks(inPlace, "North,Scale,Room");
      QTest::keyClick(inPlace, Qt::Key_Return);
      QTRY_COMPARE(d.list()->topLevelItem(0)->text(0), QString("NorthScaleRoo"));
      QTest::keyClick(d.list(), Qt::Key_Down, Qt::ControlModifier);
      QCOMPARE(d.list()->topLevelItem(1)->text(0), QString("NorthScaleRoo"));
      QCOMPARE(d.get<QTableWidget>("Grid")->item(0, 0)->text(), QString("P1"));
      QVERIFY(d.get<QTableWidget>("Grid")->isEnabled());
      QVERIFY(d.get<QToolButton>("bUp")->isEnabled());
      QTest::keyClick(d.list(), Qt::Key_Delete);
      QCOMPARE(d.list()->topLevelItemCount(), 2);
      QCOMPARE(d.list()->topLevelItem(0)->text(0), QString("T2"));
      d.settings.close();
    });
    QVERIFY(!SettingsButton(d.settings, d.main));
    QCOMPARE(db.Snapshot(), before);
    QCOMPARE(d.main.calls.last(), QString("focus input"));
  }

  void scanOnLoopbackFindsEachListenerOnce() {
    const auto servers = Listen({"127.30.7.10", "127.30.7.20", "127.30.7.30"});
    QCOMPARE(servers.size(), size_t{3});
    DialogTestStore db;
    db.Provision(0);
    {
      auto tx = db.memory.Begin();
      auto root = tx->Open(kRootPath, OpenMode::Write);
      root->WriteString("ZavNameList", "Known");
      root->WriteString("ZavIPList", "127.030.007.020");
    }
    TerminalListEditor editor(db.store);
    editor.Open(0, 0);
    ScanSocket socket;
    ScanObserver quiet;
    SubnetScanner scanner(editor, socket, socket, quiet);
    socket.SetScanner(&scanner);
    for (int round = 0; round < 2; ++round) {
      scanner.Run("127.030.007", [] { return 2; });
      QCOMPARE(editor.Count(), 3);
      QCOMPARE(QString::fromStdString(editor.entries()[1].name), QString("Zav2"));
      QCOMPARE(QString::fromStdString(editor.AddressAt(1)), QString("127.030.007.010"));
      QCOMPARE(QString::fromStdString(editor.entries()[2].name), QString("Zav3"));
      QCOMPARE(QString::fromStdString(editor.AddressAt(2)), QString("127.030.007.030"));
    }
    socket.SetScanner(nullptr);
  }

  // The Net Scan button through the prompt, with a wait text that is no
  // number; Stop between addresses; the button ready again afterwards.
  void dialogScanStopsBetweenAddresses() {
    const auto servers = Listen({"127.30.8.1", "127.30.8.2", "127.30.8.3"});
    QCOMPARE(servers.size(), size_t{3});
    DialogTestStore db;
    db.Provision(0);
    Dialog d(db);
    auto* bScan = d.get<QPushButton>("bScan");
    int triedAtStop = 0;
    During(d.settings, [&] {
      QTimer::singleShot(0, &d.subnet, [&] {
        d.subnet.SetSubnetText("127.030.008");
        d.subnet.findChild<QLineEdit*>("eTimeout")->setText("fast");
        d.subnet.accept();
      });
      QTimer watch;
      QObject::connect(&watch, &QTimer::timeout, [&] {
        if (d.list()->topLevelItemCount() < 3 || triedAtStop) return;
        triedAtStop = d.get<QProgressBar>("ProgBar")->value();
        QCOMPARE(bScan->text(), QString("&Stop"));
        QVERIFY(d.get<QProgressBar>("ProgBar")->isVisible());
        bScan->click();
      });
      watch.start(5);
      bScan->click();  // runs the whole scan
      watch.stop();
      QVERIFY(!d.settings.scanning());
      QCOMPARE(bScan->text(), QString("Net &Scan"));
      QVERIFY(!d.get<QProgressBar>("ProgBar")->isVisible());
      QCOMPARE(d.get<QProgressBar>("ProgBar")->value(), 0);
      QVERIFY(d.settings.findChild<QLabel*>("lCurrentIP")->text().isEmpty());
      // The next click asks for the subnet again.
      bool asked = false;
      QTimer::singleShot(0, &d.subnet, [&] {
        asked = d.subnet.isVisible();
        d.subnet.reject();
      });
      bScan->click();
      QVERIFY(asked);
      d.get<QPushButton>("bOK")->click();
    });
    QVERIFY(d.settings.ExecModal());
    QVERIFY(triedAtStop >= 2 && triedAtStop < 10);
    QCOMPARE(d.subnet.TimeoutPosition(), 50);
    QCOMPARE(QString::fromStdString(db.store.LoadDialogSettings().ipList),
             QString("127.030.008.001,127.030.008.002,127.030.008.003"));
    QCOMPARE(QString::fromStdString(db.store.LoadDialogSettings().nameList),
             QString("Zav1,Zav2,Zav3"));
  }
};

}  // namespace zavo

QTEST_MAIN(zavo::TfSettingsTest)
#include "tf_settings_test.moc"
