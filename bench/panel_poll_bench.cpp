// The full poll cycle of the main window, face updates and their painting
// included, offscreen against zavosim on loopback: median and 99th
// percentile per cycle, and how many widgets repaint per cycle. A second
// run replays the terminal's last answers, so that nothing changes: then no
// widget should repaint at all.
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "app/pending_windows.h"
#include "app/skin_composer.h"
#include "app/sound_player.h"
#include "app/tf_main.h"
#include "controls/tf_about.h"
#include "link/dynamic_access_library.h"
#include "settings/memory_store.h"
#include "settings/settings_store.h"
#include "settings/tf_settings.h"
#include "settings/tf_subnet.h"

using namespace zavo;

namespace {

// Passes calls to the real library; frozen, it answers every read with the
// last answer the terminal gave for that field.
class ReplayLibrary : public AccessLibrary {
 public:
  explicit ReplayLibrary(AccessLibrary& real) : real_(real) {}
  bool frozen = false;
  int16_t Register(int32_t m, const std::string& a, int32_t c) override {
    return real_.Register(m, a, c);
  }
  int16_t Read(const std::string& name, int32_t length, char* buffer) override {
    auto& kept = last_[name];
    if (!frozen) {
      kept.status = real_.Read(name, length, buffer);
      kept.bytes.assign(buffer, buffer + length);
    } else {
      std::memcpy(buffer, kept.bytes.data(), std::min<size_t>(kept.bytes.size(), length));
    }
    return kept.status;
  }
  void SendKeystroke(int32_t t, int32_t k, int32_t c) override { real_.SendKeystroke(t, k, c); }
  void Close() override { real_.Close(); }

 private:
  struct Answer {
    int16_t status = -1;
    std::vector<char> bytes;
  };
  AccessLibrary& real_;
  std::map<std::string, Answer> last_;
};

class PaintCounter : public QObject {
 public:
  QSet<QObject*> painted;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) painted.insert(o);
    return false;
  }
};

class SilentSound : public SoundPlayer {
 public:
  void playAsync(const QString&) override {}
  void playSync(const QString&) override {}
};

struct Figures {
  double median, p99;
  double repaintsPerCycle;
  int maxRepaints;
};

// `pauseMs` between cycles lets a live terminal move on, as the poll timer
// would; the pause is not counted.
Figures Run(TfMain& main, PaintCounter& counter, int cycles, int pauseMs) {
  std::vector<double> us;
  long repaints = 0;
  int maxRepaints = 0;
  for (int i = 0; i < cycles; ++i) {
    counter.painted.clear();
    const auto t0 = std::chrono::steady_clock::now();
    main.UpdateTimer();
    QCoreApplication::processEvents();  // the repaints the cycle asked for
    const auto t1 = std::chrono::steady_clock::now();
    us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    repaints += counter.painted.size();
    maxRepaints = std::max<int>(maxRepaints, counter.painted.size());
    if (pauseMs > 0) {
      QElapsedTimer pause;
      pause.start();
      while (pause.elapsed() < pauseMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
      counter.painted.clear();
    }
  }
  std::sort(us.begin(), us.end());
  return {us[us.size() / 2], us[static_cast<size_t>(us.size() * 0.99)], double(repaints) / cycles,
          maxRepaints};
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int cycles = argc > 1 ? std::max(100, atoi(argv[1])) : 2000;
  const int liveCycles = argc > 2 ? std::max(50, atoi(argv[2])) : 400;

  QProcess sim;
  sim.start(ZAVOSIM_PATH, {"--terminals", "1", "--address", "127.22.0.1"});
  if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(10000)) {
    std::fprintf(stderr, "zavosim did not start\n");
    return 1;
  }

  MemoryStore store;
  {
    auto tx = store.Begin();
    auto root = tx->Open(kRootPath, OpenMode::Create);
    root->WriteString("ZavIPList", "127.022.000.001");
    root->WriteString("ZavNameList", "Bench");
    root->WriteBool("KeypadEnabled", true);
    root->WriteBool("Benchmark", false);
    auto slot = tx->Open(ProfileSlotPath(1), OpenMode::Create);
    slot->WriteString("InputLabels", "a,b,c,d");
    slot->WriteString("OutputLabels", "e,f,g,h");
    slot->WriteInteger("RefreshInterval", 100);
    slot->WriteInteger("LPrintPort", 1749);
    tx->Commit();
  }

  auto real = DynamicAccessLibrary::Load({ZAVOAPI_PATH});
  ReplayLibrary library(*real);
  SkinComposer skin;
  skin.loadDirectory();
  SilentSound sound;
  TfMain::Services services;
  services.library = &library;
  services.store = &store;
  services.skin = &skin;
  services.sound = &sound;
  TfMain main(services);
  main.setErrorSink([](const QString& m) { std::fprintf(stderr, "error: %s\n", qPrintable(m)); });
  TfSubnet subnet;
  TfSettings settings(store, main, subnet);
  PendingPrinter printer;
  TfAbout about{QPixmap()};
  PendingTrend trend;
  PendingChartSettings chart;
  main.AttachWindows(&settings, &subnet, &printer, &about, &trend, &chart);
  main.show();
  main.FormShow();
  main.updateTimer()->stop();     // the bench drives the cycles itself
  for (int i = 0; i < 20; ++i) {  // settle: first paint of everything
    main.UpdateTimer();
    QCoreApplication::processEvents();
  }

  PaintCounter counter;
  app.installEventFilter(&counter);
  const Figures live = Run(main, counter, liveCycles, 20);
  library.frozen = true;
  Run(main, counter, 5, 0);  // the first frozen cycles may still differ from the last live one
  const Figures still = Run(main, counter, cycles, 0);

  std::printf("poll cycle incl. face updates and repaint (microseconds)\n");
  std::printf("  live terminal, %d cycles 20 ms apart:\n", liveCycles);
  std::printf("    median %.1f  p99 %.1f  widgets repainted per cycle %.2f (max %d)\n", live.median,
              live.p99, live.repaintsPerCycle, live.maxRepaints);
  std::printf("  nothing changes, %d cycles:\n", cycles);
  std::printf("    median %.1f  p99 %.1f  widgets repainted per cycle %.2f (max %d)\n",
              still.median, still.p99, still.repaintsPerCycle, still.maxRepaints);
  main.close();
  sim.terminate();
  sim.waitForFinished(3000);
  return still.maxRepaints == 0 ? 0 : 2;
}
