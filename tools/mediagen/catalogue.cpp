#include "catalogue.h"

#include "circuits.h"
#include "gifwriter.h"
#include "illustrations.h"
#include "sounds.h"
#include "switchingformulas.h"

#include <QDir>
#include <QFileInfo>

namespace kwil::media {

QList<PictureFile> pictureFiles() {
  QList<PictureFile> files;
  for (const CircuitFamily& family : circuitFamilies()) {
    const QString familyName = family.states.first().fileName;
    for (const CircuitState& state : family.states) {
      const Circuit circuit = family.circuit;
      const QSet<QString> operated = state.operated;
      files.append({state.fileName, familyName, [circuit, operated] { return drawCircuit(circuit, operated); }});
    }
  }
  for (const SwitchingFamily& family : switchingFamilies()) {
    for (const auto& [view, fileOf] : {std::pair(SwitchingView::Formula, &SwitchingState::formulaFile),
                                       std::pair(SwitchingView::Gates, &SwitchingState::gatesFile),
                                       std::pair(SwitchingView::Circuit, &SwitchingState::circuitFile)}) {
      const QString familyName = family.states.first().*fileOf;
      for (const SwitchingState& state : family.states) {
        const QSet<QString> operated = state.operated;
        files.append({state.*fileOf, familyName, [&family, view, operated] { return family.draw(view, operated); }});
      }
    }
  }
  for (const Illustration& single : illustrations()) files.append({single.fileName, QString(), single.render});
  return files;
}

bool savePicture(const QImage& picture, const QString& path) {
  const QString extension = QFileInfo(path).suffix().toLower();
  if (extension == "gif") return writeGif(picture, path);
  if (extension == "jpg") return picture.save(path, "JPG", 92);
  if (extension == "bmp") return picture.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
  return false;
}

namespace {

bool prepare(const QString& folder, GenerationResult& result) {
  if (QDir().mkpath(folder)) return true;
  result.failures.append("Kan de map " + folder + " niet maken.");
  return false;
}

}  // namespace

GenerationResult generatePictures(const QString& folder) {
  GenerationResult result;
  if (!prepare(folder, result)) return result;
  for (const PictureFile& file : pictureFiles()) {
    if (savePicture(file.render(), QDir(folder).filePath(file.fileName)))
      ++result.written;
    else
      result.failures.append("Kan " + file.fileName + " niet schrijven.");
  }
  return result;
}

GenerationResult generateSounds(const QString& folder) {
  GenerationResult result;
  if (!prepare(folder, result)) return result;
  for (const SoundEffect& effect : soundEffects()) {
    if (writeWav(QDir(folder).filePath(effect.fileName), effect.synthesise()))
      ++result.written;
    else
      result.failures.append("Kan " + effect.fileName + " niet schrijven.");
  }
  return result;
}

}  // namespace kwil::media
