#include "narration.h"

#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>

namespace kwil::media {
namespace {

// Kept in the Teksten folder: for each file made, the fingerprint of the text it speaks.
const char* const kManifest = ".narration-texts";

const QStringList kVoice = {"-m", "-v", "nl", "-s", "150"};
// Mono at 64 kbit/s, at 44.1 kHz rather than espeak-ng's 22050 Hz. lame's Info frame tells a
// gapless decoder to drop the encoder's delay of 1105 samples from the start: more than a whole
// frame at 22050 Hz (576 samples), whose first frame then decodes to nothing, and GStreamer's
// mp3 decoder prints a critical assertion for that empty frame at every narration. A frame at
// 44.1 kHz holds 1152 samples. The Info frame stays: it gives the length before playing.
const QStringList kEncoding = {"--quiet", "-m", "m", "-b", "64", "--resample", "44.1"};

// The voice and encoding are part of every fingerprint, so that a change of either makes
// everything again.
QString fingerprint(const QString& text) {
  const QString settings = "espeak-ng " + kVoice.join(' ') + " | lame " + kEncoding.join(' ');
  return QString::fromLatin1(
      QCryptographicHash::hash((settings + '\n' + text).toUtf8(), QCryptographicHash::Sha1).toHex());
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

// A program that has not ended after this long has hung; its text fails.
constexpr int kStepTimeoutMs = 60000;

struct Job {
  NarrationText text;
  QString wav;
  QString mp3;
  QString failure;
};

// Runs one step of a job (a program, given its input) and calls `then` once it has ended or
// failed to start, noting a failure in the job. The process belongs to `owner`.
void runStep(QObject& owner, Job& job, const QString& program, const QStringList& arguments, const QByteArray& input,
             const std::function<void()>& then) {
  auto* process = new QProcess(&owner);
  process->setProcessChannelMode(QProcess::MergedChannels);
  const auto ended = [process, &job, program, then](bool started) {
    const bool ok = started && process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    if (!ok && job.failure.isEmpty())
      job.failure = program + " kon " + job.text.fileName + " niet maken: " +
                    QString::fromLocal8Bit(process->readAll()).trimmed() + process->errorString();
    then();
  };
  QObject::connect(process, &QProcess::finished, process, [ended] { ended(true); });
  QObject::connect(process, &QProcess::errorOccurred, process, [ended](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) ended(false);
  });
  QTimer::singleShot(kStepTimeoutMs, process, [process] { process->kill(); });
  process->start(program, arguments);
  if (process->state() == QProcess::NotRunning) return;
  if (!input.isEmpty()) process->write(input);
  process->closeWriteChannel();
}

// Speaks and encodes every job, `width` of them at a time: each job is encoded as soon as it
// is spoken, and the next job starts as soon as one is done, so no core waits for the slowest
// job of a group.
void runJobs(const std::vector<std::unique_ptr<Job>>& jobs, int width) {
  QObject owner;
  QEventLoop loop;
  size_t next = 0;
  size_t done = 0;
  std::function<void()> startNext;
  const std::function<void()> jobDone = [&] {
    if (++done == jobs.size()) loop.quit();
    else startNext();
  };
  startNext = [&] {
    if (next == jobs.size()) return;
    Job* job = jobs[next++].get();
    runStep(owner, *job, "espeak-ng", kVoice + QStringList{"-w", job->wav, "--stdin"}, job->text.text.toUtf8(),
            [&owner, &jobDone, job] {
              if (!job->failure.isEmpty()) return jobDone();
              runStep(owner, *job, "lame", kEncoding + QStringList{job->wav, job->mp3}, {}, jobDone);
            });
  };
  for (int i = 0; i < width; ++i) startNext();
  // A program that cannot start fails at once, so every job may be done already.
  if (done < jobs.size()) loop.exec();
}

}  // namespace

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

  runJobs(jobs, std::max(1, QThread::idealThreadCount()));
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
