// Draws every skin bitmap and both sounds of the program and writes them, with
// the resource list, into an assets directory:
//   zavo-make-skin <assets dir>
// The output depends only on this program, the face layout and the fonts
// (DejaVu), so running it again gives the same files.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/face_layout.h"
#include "assets/tools/skin_art.h"

using namespace zavo::face;
using namespace zavo::art;

namespace {

QString S(std::string_view s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// ---- Sounds -------------------------------------------------------------------

bool WriteWav(const QString& path, const std::vector<int16_t>& samples, int rate) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  auto u32 = [&](uint32_t v) {
    char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    f.write(b, 4);
  };
  auto u16 = [&](uint16_t v) {
    char b[2] = {char(v), char(v >> 8)};
    f.write(b, 2);
  };
  const uint32_t dataBytes = uint32_t(samples.size() * 2);
  f.write("RIFF", 4);
  u32(36 + dataBytes);
  f.write("WAVE", 4);
  f.write("fmt ", 4);
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(uint32_t(rate));
  u32(uint32_t(rate * 2));
  u16(2);
  u16(16);
  f.write("data", 4);
  u32(dataBytes);
  for (int16_t s : samples) u16(uint16_t(s));
  return f.error() == QFile::NoError;
}

std::vector<int16_t> ToPcm(const std::vector<double>& x, double peak) {
  double m = 1e-9;
  for (double v : x) m = std::max(m, std::abs(v));
  std::vector<int16_t> out(x.size());
  for (size_t i = 0; i < x.size(); ++i) out[i] = int16_t(std::lround(x[i] / m * peak * 32767));
  return out;
}

// A soft key tick: a short, damped 2.4 kHz ping over a breath of filtered
// noise, 30 ms.
std::vector<int16_t> ClickSound(int rate) {
  const int n = rate * 30 / 1000;
  std::vector<double> x(n);
  Noise noise(7);
  double lp = 0;
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / rate;
    const double attack = std::min(1.0, t / 0.0006);
    const double ping = std::sin(2 * M_PI * 2400 * t) * std::exp(-t / 0.0045);
    const double body = 0.5 * std::sin(2 * M_PI * 1100 * t) * std::exp(-t / 0.007);
    lp += 0.35 * (noise.signedUnit() - lp);
    const double tick = lp * std::exp(-t / 0.0015);
    x[i] = attack * (ping + body + 0.6 * tick);
  }
  return ToPcm(x, 0.55);
}

// A two-note falling chime (E6 to A5), bell-like partials, 420 ms.
std::vector<int16_t> CloseSound(int rate) {
  const int n = rate * 420 / 1000;
  std::vector<double> x(n, 0.0);
  auto note = [&](double f, double start, double decay, double gain) {
    for (int i = int(start * rate); i < n; ++i) {
      const double t = double(i) / rate - start;
      const double env = std::min(1.0, t / 0.004) * std::exp(-t / decay);
      x[i] += gain * env *
              (std::sin(2 * M_PI * f * t) +
               0.35 * std::sin(2 * M_PI * 2 * f * t) * std::exp(-t / 0.05) +
               0.12 * std::sin(2 * M_PI * 3.01 * f * t) * std::exp(-t / 0.03));
    }
  };
  note(1318.5, 0.0, 0.09, 0.8);
  note(880.0, 0.11, 0.11, 1.0);
  // Fade the last 20 ms to silence so the end does not click.
  const int tail = rate * 20 / 1000;
  for (int i = 0; i < tail; ++i) x[n - 1 - i] *= double(i) / tail;
  return ToPcm(x, 0.5);
}

// ---- Output -------------------------------------------------------------------

struct Output {
  QDir skinDir;
  QDir soundDir;
  QStringList skinFiles;
  bool ok = true;

  void bitmap(const QString& name, const QImage& image) {
    if (!MaskedBitmap(image).save(skinDir.filePath(name), "BMP")) {
      std::fprintf(stderr, "make-skin: cannot write %s\n", qPrintable(name));
      ok = false;
    }
    skinFiles << name;
  }
};

QString QrcText(const QStringList& skin, const QStringList& sounds) {
  QString text;
  QTextStream out(&text);
  out << "<!-- Written by zavo-make-skin (scripts/make-assets); do not edit. -->\n";
  out << "<RCC>\n  <qresource prefix=\"/skin\">\n";
  for (const QString& f : skin)
    out << "    <file alias=\"" << f.toHtmlEscaped() << "\">skin/" << f.toHtmlEscaped()
        << "</file>\n";
  out << "  </qresource>\n  <qresource prefix=\"/sound\">\n";
  for (const QString& f : sounds)
    out << "    <file alias=\"" << f << "\">sound/" << f << "</file>\n";
  out << "  </qresource>\n</RCC>\n";
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: zavo-make-skin <assets dir>\n");
    return 2;
  }
  if (!QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")))
    std::fprintf(stderr, "make-skin: DejaVu Sans is missing; the legends will differ\n");

  const QDir assets(QString::fromLocal8Bit(argv[1]));
  Output out;
  assets.mkpath(QStringLiteral("skin"));
  assets.mkpath(QStringLiteral("sound"));
  out.skinDir = QDir(assets.filePath(QStringLiteral("skin")));
  out.soundDir = QDir(assets.filePath(QStringLiteral("sound")));

  // Main face and everything that sits on it. The strips carry the face's
  // own pixels behind them, so their corners melt into the face.
  const QImage face = DrawMainFace();
  out.bitmap(S(kFaceBitmap), face);
  for (const Key& key : kKeys) {
    const QImage behind = face.copy(ToQRect(key.rect));
    out.bitmap(S(key.strip), DrawKeyStrip(key.name, false, behind));
    out.bitmap(S(key.altStrip), DrawKeyStrip(key.name, true, behind));
  }
  for (const StripButtonPlace& b : kTools)
    out.bitmap(S(b.strip), DrawToolStrip(b.name, face.copy(ToQRect(b.rect))));
  for (const StripButtonPlace& b : kWindowButtons)
    out.bitmap(S(b.strip), DrawWindowButtonStrip(b.name, face.copy(ToQRect(b.rect))));

  // The printer and the trend window.
  const QImage printer = DrawPrinterFace();
  out.bitmap(QStringLiteral("VPrinterGray.bmp"), printer);
  out.bitmap(QStringLiteral("PBtnStripGray.bmp"), DrawPrinterButtonStrip(printer));
  const QImage trend = DrawTrendFace();
  out.bitmap(QStringLiteral("Face_Trend.bmp"), trend);
  for (const TrendButton& b : TrendButtons())
    out.bitmap(S(b.strip), DrawTrendButtonStrip(b, trend));

  const int rate = 22050;
  const QStringList sounds = {QStringLiteral("Click.wav"), QStringLiteral("Close.wav")};
  out.ok &= WriteWav(out.soundDir.filePath(sounds[0]), ClickSound(rate), rate);
  out.ok &= WriteWav(out.soundDir.filePath(sounds[1]), CloseSound(rate), rate);

  QStringList skin = out.skinFiles;
  skin.removeDuplicates();
  skin.sort();
  QFile qrc(assets.filePath(QStringLiteral("skin.qrc")));
  if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      qrc.write(QrcText(skin, sounds).toUtf8()) < 0) {
    std::fprintf(stderr, "make-skin: cannot write skin.qrc\n");
    out.ok = false;
  }
  std::printf("make-skin: %lld bitmaps, %lld sounds in %s\n", qlonglong(skin.size()),
              qlonglong(sounds.size()), qPrintable(assets.absolutePath()));
  return out.ok ? 0 : 1;
}
