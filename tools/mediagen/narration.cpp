#include "narration.h"

#include "spokenforms.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

namespace kwil::media {
namespace {

// Kept in the Teksten folder: for each file made, the fingerprint of the text it speaks.
const char* const kManifest = ".narration-texts";
// Part of every fingerprint, so that a change of voice or encoding makes everything again.
const char* const kVoiceSettings = "espeak-ng -v nl -s 150 | lame -m m -b 64";

QString fingerprint(const QString& text) {
  return QString::fromLatin1(
      QCryptographicHash::hash((QString::fromLatin1(kVoiceSettings) + '\n' + text).toUtf8(), QCryptographicHash::Sha1)
          .toHex());
}

QHash<QString, QString> readManifest(const QString& path) {
  QHash<QString, QString> known;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return known;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    const qsizetype tab = line.indexOf('\t');
    if (tab > 0) known.insert(line.mid(tab + 1), line.left(tab));
  }
  return known;
}

bool writeManifest(const QString& path, const QHash<QString, QString>& known) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
  QStringList names = known.keys();
  names.sort();
  for (const QString& name : names) file.write((known.value(name) + '\t' + name + '\n').toUtf8());
  return true;
}

struct Job {
  NarrationText text;
  QString wav;
  QString mp3;
  std::unique_ptr<QProcess> process;
  QString failure;
};

void start(Job& job, const QString& program, const QStringList& arguments, const QByteArray& input = {}) {
  job.process = std::make_unique<QProcess>();
  job.process->setProcessChannelMode(QProcess::MergedChannels);
  job.process->start(program, arguments);
  if (!input.isEmpty()) job.process->write(input);
  job.process->closeWriteChannel();
}

// Waits for the job's process; notes a failure in the job.
void finish(Job& job, const QString& what) {
  if (!job.process) return;
  const bool ok = job.process->waitForFinished(60000) && job.process->exitStatus() == QProcess::NormalExit &&
                  job.process->exitCode() == 0;
  if (!ok && job.failure.isEmpty())
    job.failure = what + " kon " + job.text.fileName + " niet maken: " +
                  QString::fromLocal8Bit(job.process->readAll()).trimmed() + job.process->errorString();
  job.process.reset();
}

// Speaks and encodes a batch of texts side by side.
void runBatch(QList<Job*> batch) {
  for (Job* job : batch)
    start(*job, "espeak-ng", {"-v", "nl", "-s", "150", "-w", job->wav, "--stdin"}, job->text.text.toUtf8());
  for (Job* job : batch) finish(*job, "espeak-ng");
  for (Job* job : batch)
    if (job->failure.isEmpty()) start(*job, "lame", {"--quiet", "-m", "m", "-b", "64", job->wav, job->mp3});
  for (Job* job : batch) finish(*job, "lame");
}

}  // namespace

QString spokenText(const QStringList& lines) {
  QStringList spoken;
  for (const QString& line : lines)
    if (!line.trimmed().isEmpty()) spoken.append(line.trimmed());
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  QString text = readFormulas(readBitPatterns(spoken.join(QLatin1Char(' ')).replace(blanks, QStringLiteral(" "))));
  static const QList<std::pair<QRegularExpression, QString>> spokenForms = {
      {QRegularExpression(QStringLiteral("\\bDhr\\.")), QStringLiteral("meneer")},
      {QRegularExpression(QStringLiteral("\\bblz\\.")), QStringLiteral("bladzijde")},
      {QRegularExpression(QStringLiteral("\\bmA\\b")), QStringLiteral("milliampère")},
      {QRegularExpression(QStringLiteral("(\\d) - (\\d)")), QStringLiteral("\\1 tot \\2")},
      // The signs inside the gate symbols.
      {QRegularExpression(QStringLiteral("&")), QStringLiteral("en-teken")},
      {QRegularExpression(QStringLiteral("≥")), QStringLiteral("groter dan of gelijk aan ")},
  };
  for (const auto& [written, said] : spokenForms) text.replace(written, said);
  // Capitals stress a word on the screen; the voice would spell it.
  for (const char* word : {"WEL", "NIET", "EN", "OF", "NEN", "NOF", "DAN", "PARALLEL", "SERIE", "PUNT"}) {
    const QString stressed = QString::fromLatin1(word);
    const QRegularExpression asWord(QStringLiteral("\\b") + stressed + QStringLiteral("\\b"));
    text.replace(asWord, stressed.toLower());
  }
  return text;
}

NarrationResult generateNarration(const QString& folder, const QList<NarrationText>& texts) {
  NarrationResult result;
  const QDir root(folder);
  QTemporaryDir scratch;
  if (!root.mkpath(".") || !scratch.isValid()) {
    result.failures.append("Kan de map " + folder + " niet gebruiken.");
    return result;
  }
  const QString manifestPath = root.filePath(kManifest);
  QHash<QString, QString> known = readManifest(manifestPath);

  std::vector<std::unique_ptr<Job>> jobs;
  for (const NarrationText& text : texts) {
    const QString target = root.filePath(text.fileName);
    if (text.text.trimmed().isEmpty()) {
      result.failures.append(text.fileName + " heeft geen tekst.");
      continue;
    }
    if (known.value(text.fileName) == fingerprint(text.text) && QFileInfo::exists(target)) {
      ++result.unchanged;
      continue;
    }
    if (!QFileInfo(target).dir().mkpath(".")) {
      result.failures.append("Kan de map voor " + text.fileName + " niet maken.");
      continue;
    }
    auto job = std::make_unique<Job>();
    job->text = text;
    job->wav = scratch.filePath(QString::number(jobs.size()) + ".wav");
    job->mp3 = target;
    jobs.push_back(std::move(job));
  }

  const int width = std::max(1, QThread::idealThreadCount());
  for (size_t first = 0; first < jobs.size(); first += size_t(width)) {
    QList<Job*> batch;
    for (size_t i = first; i < std::min(jobs.size(), first + size_t(width)); ++i) batch.append(jobs[i].get());
    runBatch(batch);
  }
  for (const auto& job : jobs) {
    if (job->failure.isEmpty()) {
      known.insert(job->text.fileName, fingerprint(job->text.text));
      ++result.spoken;
    } else {
      known.remove(job->text.fileName);
      QFile::remove(job->mp3);  // never leave half a file behind
      result.failures.append(job->failure);
    }
  }
  if (!writeManifest(manifestPath, known)) result.failures.append("Kan " + manifestPath + " niet schrijven.");
  return result;
}

}  // namespace kwil::media
