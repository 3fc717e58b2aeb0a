#pragma once
// Spoken narration of the lesson pages and test questions, made from the program's own
// texts: espeak-ng speaks each text in Dutch and lame encodes it as mp3.
//
// The lessons and question banks hand their texts over through providers: functions that
// return (file name, text) pairs, the file name relative to the Teksten folder as the
// program looks it up, for example {"Hoofdstuk 1/Kwil 1-5.mp3", page text} or
// {"Hoofdstuk 1/Toets/Vraag 07.mp3", question text}.
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace kwil::media {

struct NarrationText {
  QString fileName;
  QString text;
};

using NarrationProvider = std::function<QList<NarrationText>()>;

// The providers of the program's lessons and tests (narration_sources.cpp).
QList<NarrationProvider> narrationProviders();

struct NarrationResult {
  int spoken = 0;     // files made now
  int unchanged = 0;  // files whose text had not changed since they were made
  QStringList failures;
};

// Makes the mp3 file of every text under `folder`. A file is made again only when its text
// changed or the file is gone, so a school's own recording of an unchanged text stays.
NarrationResult generateNarration(const QString& folder, const QList<NarrationText>& texts);

}  // namespace kwil::media
