#pragma once
// Precompiled once for every test program: QtTest and the Qt headers most tests use. Kept to
// those: every test file loads all of it.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <QSignalSpy>
#include <QTest>
