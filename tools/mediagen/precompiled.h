#pragma once
// Precompiled once for the media library: the Qt headers most of its drawing files use. Kept to
// those: every file loads all of it.
#include <QDir>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QString>
