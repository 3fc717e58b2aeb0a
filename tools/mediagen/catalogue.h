#pragma once
// Every picture and sound the generator makes, and writing them into a program folder.
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace kwil::media {

struct PictureFile {
  QString fileName;  // as the program loads it from Afbeeldingen
  QString family;    // the circuit it shows a state of; empty for a single picture
  std::function<QImage()> render;
};

// Circuit families first, in the order of their table, then the pictures of the switching
// formulas (formula, gates and schema of each circuit in turn), then the single pictures.
QList<PictureFile> pictureFiles();

// Saves in the format the file name's extension asks for (.bmp, .jpg or .gif).
bool savePicture(const QImage& picture, const QString& path);

struct GenerationResult {
  int written = 0;
  QStringList failures;  // a line for each file that could not be made
};

// Writes every picture into `folder` (created when missing).
GenerationResult generatePictures(const QString& folder);
// Writes every sound into `folder` (created when missing).
GenerationResult generateSounds(const QString& folder);

}  // namespace kwil::media
