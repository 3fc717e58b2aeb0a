#include "support/fake_hardware.h"

#include "support/fakes.h"

namespace kwil::fake {

namespace {

void note(QStringList* log, const QString& line) {
  if (log) log->append(line);
}

}  // namespace

void FakeParallelPort::out32(std::int16_t port, std::int16_t value) {
  writes.append({port, value});
  note(log, QStringLiteral("Out32 %1 %2").arg(port).arg(value));
}

std::int16_t FakeParallelPort::inp32(std::int16_t port) {
  reads.append(port);
  note(log, QStringLiteral("Inp32 %1").arg(port));
  return answer;
}

std::int16_t FakeK8055Cards::searchDevices() {
  ++searches;
  return present;
}

void FakeK8055Cards::setCurrentDevice(std::int32_t card) {
  current = card;
  selected.append(card);
  note(log, QStringLiteral("SetCurrentDevice %1").arg(card));
}

void FakeK8055Cards::writeAllDigital(std::int32_t value) {
  writes.append({current, value});
  note(log, QStringLiteral("WriteAllDigital %1").arg(value));
}

std::int32_t FakeK8055Cards::readAllDigital() {
  note(log, QStringLiteral("ReadAllDigital"));
  if (current < 0 || current > 3 || !(present & (1 << current))) return 0;
  return digital[static_cast<std::size_t>(current)];
}

void FakeK8055Cards::readAllAnalog(std::int32_t& a1, std::int32_t& a2) {
  const bool here = current >= 0 && current <= 3 && (present & (1 << current));
  a1 = here ? analog1[static_cast<std::size_t>(current)] : 0;
  a2 = here ? analog2[static_cast<std::size_t>(current)] : 0;
}

void FakeK8055Cards::closeDevice() {
  ++closes;
}

bool FakeSerialDevice::write(const QByteArray& data) {
  if (line_->vanished) return false;
  line_->sends.append(data);
  note(line_->log, QStringLiteral("send ") + QString::fromLatin1(data));
  if (line_->reply) line_->pending += line_->reply(data);
  return true;
}

QByteArray FakeSerialDevice::readAll() {
  if (line_->vanished) return {};
  const qsizetype n =
      line_->maxChunk > 0 ? qMin<qsizetype>(line_->maxChunk, line_->pending.size()) : line_->pending.size();
  QByteArray taken = line_->pending.left(n);
  line_->pending.remove(0, n);
  return taken;
}

int FakeSerialDevice::bytesAvailable() {
  return line_->vanished ? 0 : static_cast<int>(line_->pending.size());
}

QString FakeSerialPorts::pathOf(int comNumber) {
  if (comNumber < 1 || comNumber > lines.size()) return {};
  return lines[comNumber - 1]->path;
}

std::unique_ptr<SerialDevice> FakeSerialPorts::open(const QString& path) {
  for (const auto& line : lines) {
    if (line->path != path) continue;
    if (!line->openable || line->vanished) return nullptr;
    ++line->opens;
    return std::make_unique<FakeSerialDevice>(line);
  }
  return nullptr;
}

FakeSerialLine& FakeSerialPorts::addPort(const QString& path) {
  auto line = std::make_shared<FakeSerialLine>();
  line->path = path.isEmpty() ? QStringLiteral("/dev/fake%1").arg(lines.size() + 1) : path;
  line->log = log;
  lines.append(line);
  return *line;
}

FakeSerialLine& FakeSerialPorts::port(int comNumber) {
  while (lines.size() < comNumber) addPort();
  return *lines[comNumber - 1];
}

FakeHardware& installFakeHardware(FakeClock* clock) {
  static FakeHardware hardware;
  hardware.log.clear();
  Platform& p = platform();
  auto parallel = std::make_unique<FakeParallelPort>();
  auto k8055 = std::make_unique<FakeK8055Cards>();
  auto serial = std::make_unique<FakeSerialPorts>();
  hardware.parallel = parallel.get();
  hardware.k8055 = k8055.get();
  hardware.serial = serial.get();
  parallel->log = k8055->log = serial->log = &hardware.log;
  p.parallel = std::move(parallel);
  p.k8055 = std::move(k8055);
  p.serialPorts = std::move(serial);
  if (clock) clock->onSleep = [](int ms) { hardware.log.append(QStringLiteral("sleep %1").arg(ms)); };
  return hardware;
}

}  // namespace kwil::fake
