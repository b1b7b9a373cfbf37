#include "app/sound_player.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

static void InitSoundResources() {
  Q_INIT_RESOURCE(skin);
}

namespace zavo {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {
  InitSoundResources();
}

SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::outputAvailable() {
  if (outputAvailable_ < 0) {
    // Asking the offscreen platform for devices can itself hang on a
    // missing sound server; tests and benchmarks need silence anyway.
    const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen");
    outputAvailable_ = !offscreen && !QMediaDevices::audioOutputs().isEmpty() ? 1 : 0;
  }
  return outputAvailable_ == 1;
}

QString SoundPlayer::Resolve(const QString& fileName) {
  if (fileName.isEmpty() || fileName.contains(QLatin1Char('/'))) return {};
  const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(fileName);
  if (QFileInfo(beside).isFile()) return beside;
  const QString builtIn = QString::fromLatin1(kResourceDir) + QLatin1Char('/') + fileName;
  if (QFileInfo(builtIn).isFile()) return builtIn;
  return {};
}

int SoundPlayer::DurationMs(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray head = file.read(12);
  if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return -1;
  quint32 byteRate = 0;
  // Walk the chunks: "fmt " gives the byte rate, "data" the length.
  while (true) {
    const QByteArray chunk = file.read(8);
    if (chunk.size() < 8) return -1;
    const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
    if (chunk.startsWith("fmt ")) {
      const QByteArray fmt = file.read(size);
      if (fmt.size() < 16 || qFromLittleEndian<quint16>(fmt.constData()) != 1) return -1;
      byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
    } else if (chunk.startsWith("data")) {
      if (byteRate == 0) return -1;
      const qint64 available = file.size() - file.pos();
      const qint64 bytes = qMin<qint64>(size, available);
      return int(bytes * 1000 / byteRate);
    } else if (!file.seek(file.pos() + size + (size & 1))) {
      return -1;
    }
  }
}

QSoundEffect* SoundPlayer::effectFor(const QString& fileName) {
  if (!outputAvailable()) return nullptr;
  if (QSoundEffect* known = effects_.value(fileName)) return known;
  const QString path = Resolve(fileName);
  if (path.isEmpty()) return nullptr;
  auto* effect = new QSoundEffect(this);
  effect->setSource(path.startsWith(QLatin1Char(':')) ? QUrl(QLatin1String("qrc") + path)
                                                      : QUrl::fromLocalFile(path));
  effects_.insert(fileName, effect);
  return effect;
}

void SoundPlayer::preload(const QStringList& fileNames) {
  for (const QString& name : fileNames) effectFor(name);
}

void SoundPlayer::playAsync(const QString& fileName) {
  if (QSoundEffect* effect = effectFor(fileName)) effect->play();
}

void SoundPlayer::playSync(const QString& fileName) {
  QSoundEffect* effect = effectFor(fileName);
  if (!effect || effect->status() == QSoundEffect::Error) return;
  const int length = DurationMs(Resolve(fileName));
  if (length <= 0) return;

  QEventLoop loop;
  QTimer bound;
  bound.setSingleShot(true);
  connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
  connect(effect, &QSoundEffect::playingChanged, &loop, [&] {
    if (!effect->isPlaying()) loop.quit();
  });
  connect(effect, &QSoundEffect::statusChanged, &loop, [&] {
    if (effect->status() == QSoundEffect::Error) loop.quit();
  });
  effect->play();
  bound.start(length + kStartSlackMs);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace zavo
