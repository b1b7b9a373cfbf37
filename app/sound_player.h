// Plays the program's short sounds by plain file name. A file beside the
// program wins over the one built into the resources. Without an audio
// output (or under the offscreen platform) every call returns at once.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QSoundEffect;

namespace zavo {

class SoundPlayer : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* kResourceDir = ":/sound";
  // What a synchronous play may wait beyond the sound's own length, for the
  // output to start.
  static constexpr int kStartSlackMs = 100;

  explicit SoundPlayer(QObject* parent = nullptr);
  ~SoundPlayer() override;

  // Starts the sound and returns.
  virtual void playAsync(const QString& fileName);
  // Returns when the sound has finished, and never later than its length
  // plus kStartSlackMs. User input waits meanwhile; other events run, since
  // the audio output needs them.
  virtual void playSync(const QString& fileName);

  // Loads the sounds ahead, so the first play does not wait for decoding.
  void preload(const QStringList& fileNames);

  // False when nothing will be heard: no output device, offscreen platform.
  bool outputAvailable();

  // The file to play for a plain name: beside the program, else in the
  // resources; empty when neither exists.
  static QString Resolve(const QString& fileName);
  // Length of a PCM WAV file in milliseconds; -1 when it is not one.
  static int DurationMs(const QString& path);

 private:
  QSoundEffect* effectFor(const QString& fileName);

  QHash<QString, QSoundEffect*> effects_;
  int outputAvailable_ = -1;  // -1: not asked yet
};

}  // namespace zavo
