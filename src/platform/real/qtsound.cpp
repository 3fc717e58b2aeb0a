#include "platform/real/qtsound.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace kwil {

namespace {

// A player with an audio output on the current default device. It hangs under the
// application object so that it is gone with it: the platform services outlive the
// application at program exit, and a media player must not be torn down after it.
QMediaPlayer* newPlayer() {
  auto* player = new QMediaPlayer(QCoreApplication::instance());
  player->setAudioOutput(new QAudioOutput(QMediaDevices::defaultAudioOutput(), player));
  return player;
}

// Follows the default device, which may have appeared or changed since the player was made.
void useDefaultDevice(QMediaPlayer* player) {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (player->audioOutput()->device() != device) player->audioOutput()->setDevice(device);
}

void destroyPlayer(QPointer<QMediaPlayer>& player) {
  if (!player) return;
  player->stop();
  delete player.data();
}

}  // namespace

QtWavPlayer::~QtWavPlayer() {
  destroyPlayer(player_);
}

int QtWavPlayer::outputDeviceCount() {
  return static_cast<int>(QMediaDevices::audioOutputs().size());
}

QMediaPlayer* QtWavPlayer::mediaPlayer() const {
  return player_;
}

void QtWavPlayer::play(const QString& path) {
  if (!QFileInfo(path).isFile()) return;
  if (!player_) player_ = newPlayer();
  useDefaultDevice(player_);
  player_->stop();
  player_->setSource(QUrl::fromLocalFile(path));
  player_->play();
}

QtNarrationPlayer::QtNarrationPlayer() : player_(newPlayer()) {}

QtNarrationPlayer::~QtNarrationPlayer() {
  destroyPlayer(player_);
}

QMediaPlayer* QtNarrationPlayer::mediaPlayer() const {
  return player_;
}

void QtNarrationPlayer::render(const QString& path) {
  if (player_ && QFileInfo(path).isFile()) player_->setSource(QUrl::fromLocalFile(path));
}

void QtNarrationPlayer::run() {
  if (player_ && !player_->source().isEmpty()) player_->play();
}

void QtNarrationPlayer::stop() {
  if (player_) player_->stop();
}

std::unique_ptr<NarrationPlayer> QtNarrationFactory::create() {
  return std::make_unique<QtNarrationPlayer>();
}

}  // namespace kwil
