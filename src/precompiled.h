#pragma once
// Precompiled once for every library of the program: the Qt headers most of its files use,
// directly or through the form layer. Kept to those: every file loads all of it.
#include <QApplication>
#include <QList>
#include <QMap>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <QWidget>
