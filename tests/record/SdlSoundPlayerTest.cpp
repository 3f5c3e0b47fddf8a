#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <cmath>

#include "platform/SoundPlayer.h"

namespace {

// A mono 16-bit wave of a loud tone.
QByteArray ToneWave(int Rate, int Samples) {
  QByteArray Pcm;
  for (int I = 0; I < Samples; ++I) {
    const qint16 Value = qint16(12000 * std::sin(2 * M_PI * 440 * I / Rate));
    Pcm.append(reinterpret_cast<const char*>(&Value), 2);
  }
  auto Le32 = [](quint32 V) {
    V = qToLittleEndian(V);
    return QByteArray(reinterpret_cast<const char*>(&V), 4);
  };
  auto Le16 = [](quint16 V) {
    V = qToLittleEndian(V);
    return QByteArray(reinterpret_cast<const char*>(&V), 2);
  };
  return "RIFF" + Le32(36 + Pcm.size()) + "WAVEfmt " + Le32(16) + Le16(1) + Le16(1) + Le32(Rate) +
         Le32(Rate * 2) + Le16(2) + Le16(16) + "data" + Le32(Pcm.size()) + Pcm;
}

bool HasSound(const QString& RawPath) {
  QFile Raw(RawPath);
  if (!Raw.open(QIODevice::ReadOnly)) return false;
  const QByteArray Bytes = Raw.readAll();
  return std::any_of(Bytes.begin(), Bytes.end(), [](char C) { return C != 0; });
}

// Plays through SDL2_mixer into SDL's disk audio driver, which writes the
// mixed samples to a file: the samples must reach it.
TEST(SdlSoundPlayerTest, WaveReachesTheAudioDevice) {
  QTemporaryDir Dir;
  ASSERT_TRUE(Dir.isValid());
  const QString Wave = Dir.filePath("tone.wav");
  const QString NotWave = Dir.filePath("notes.wav");
  const QString Raw = Dir.filePath("out.raw");
  {
    QFile File(Wave);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(ToneWave(22050, 22050 / 2));
    QFile Text(NotWave);
    ASSERT_TRUE(Text.open(QIODevice::WriteOnly));
    Text.write("not a wave file\n");
  }

  // The driver is chosen when the device opens, so close the one other tests opened.
  ShutdownSoundPlayer();
  const QByteArray OldDriver = qgetenv("SDL_AUDIODRIVER");
  qputenv("SDL_AUDIODRIVER", "disk");
  qputenv("SDL_DISKAUDIOFILE", Raw.toUtf8());

  SoundPlayer().PlayFile(NotWave);
  SoundPlayer().PlayFile(Wave);
  // The disk driver's own thread writes in real time; nothing can tell when.
  QDeadlineTimer Deadline(10000);
  while (!HasSound(Raw) && !Deadline.hasExpired()) QThread::msleep(20);
  const bool Heard = HasSound(Raw);

  ShutdownSoundPlayer();
  qputenv("SDL_AUDIODRIVER", OldDriver);
  qunsetenv("SDL_DISKAUDIOFILE");
  EXPECT_TRUE(Heard);
}

}  // namespace
