// zavo-remote: the remote front panel. Creates the program's seven windows
// in their order, shows the main window and runs until it closes.
#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <memory>

#include "app/pending_windows.h"
#include "app/skin_composer.h"
#include "app/sound_player.h"
#include "app/tf_main.h"
#include "controls/tf_about.h"
#include "link/dynamic_access_library.h"
#include "settings/default_store.h"
#include "settings/tf_settings.h"
#include "settings/tf_subnet.h"

namespace {

void ShowFatal(const QString& message) {
  QMessageBox::critical(nullptr, QApplication::applicationName(), message);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Zavomax Remote");
  QApplication::setApplicationDisplayName("Zavomax Remote");
  try {
    zavo::SkinComposer skin;
    skin.loadDirectory();
    zavo::SoundPlayer sound;
    sound.preload({"Click.wav", "Close.wav"});

    std::unique_ptr<zavo::AccessLibrary> library;
    zavo::TfMain::Services services;
    try {
      library = zavo::DynamicAccessLibrary::Load();
    } catch (const zavo::LibraryLoadError& e) {
      library = std::make_unique<zavo::UnavailableAccessLibrary>();
      services.libraryError = e.what();
    }
    std::unique_ptr<zavo::KeyValueStore> store = zavo::OpenDefaultStore();
    services.library = library.get();
    services.store = store.get();
    services.skin = &skin;
    services.sound = &sound;

    zavo::TfMain fMain(services);
    // The settings dialog hosts the subnet prompt, so the prompt comes first.
    zavo::TfSubnet fSubnet(&fMain);
    zavo::TfSettings fSettings(*store, fMain, fSubnet, &fMain);
    zavo::PendingPrinter fVPrint;
    zavo::TfAbout fAbout(QPixmap{});
    zavo::PendingTrend fTrend;
    zavo::PendingChartSettings fChartSettings;
    fSettings.SetChartSettings(&fChartSettings);
    fMain.AttachWindows(&fSettings, &fSubnet, &fVPrint, &fAbout, &fTrend, &fChartSettings);
    QObject::connect(&fMain, &zavo::TfMain::closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);

    fMain.show();
    fMain.FormShow();  // an error here ends the program after its box
    fMain.FocusInput();
    app.exec();
  } catch (const std::exception& e) {
    ShowFatal(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    ShowFatal("Unknown error");
  }
  return 0;
}
