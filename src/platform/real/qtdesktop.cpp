#include "platform/real/qtdesktop.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

namespace kwil {

void QtClipboard::clear() { QGuiApplication::clipboard()->clear(); }

void QtClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }


QString QtSettingsStore::value(const QString& key) {
  QSettings s(QStringLiteral("Kwilmora"), QStringLiteral("Kwilmora"));
  s.beginGroup(QStringLiteral("Settings"));
  return s.value(key).toString();
}

void QtSettingsStore::setValue(const QString& key, const QString& value) {
  QSettings s(QStringLiteral("Kwilmora"), QStringLiteral("Kwilmora"));
  s.beginGroup(QStringLiteral("Settings"));
  s.setValue(key, value);
  s.sync();
}

QSize QtScreenInfo::maximisedSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry().size() : QSize(640, 480);
}

void QtEventPump::processPending() { QCoreApplication::processEvents(); }

}  // namespace kwil
