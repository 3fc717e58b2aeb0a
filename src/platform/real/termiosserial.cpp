#include "platform/real/termiosserial.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>

namespace kwil {

namespace {

// /dev/ttyUSB2 before /dev/ttyUSB10: by the name without its trailing digits, then by them.
void naturalSort(QStringList& paths) {
  auto split = [](const QString& p) {
    qsizetype i = p.size();
    while (i > 0 && p[i - 1].isDigit()) --i;
    return std::make_pair(p.left(i), p.mid(i).toLongLong());
  };
  std::sort(paths.begin(), paths.end(),
            [&](const QString& a, const QString& b) { return split(a) < split(b); });
}

QStringList devices(const QString& pattern) {
  QStringList paths;
  for (const QString& name : QDir(QStringLiteral("/dev")).entryList({pattern}, QDir::System | QDir::Files))
    paths << QStringLiteral("/dev/") + name;
  naturalSort(paths);
  return paths;
}

// Every PC lists 4 to 32 ttyS nodes whether or not a UART sits behind them; only ports the
// kernel found hardware for count, so the Arduino search does not wait on empty ones.
bool hasUart(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  if (!QFileInfo::exists(QStringLiteral("/sys/class/tty/") + name + QStringLiteral("/device"))) return false;
  const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return false;
  serial_struct info{};
  const bool known = ::ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type != PORT_UNKNOWN;
  ::close(fd);
  return known;
}

bool configure(int fd) {
  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) return false;
  ::cfmakeraw(&tio);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS | CSIZE);
  tio.c_cflag |= CS8 | CLOCAL | CREAD;
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  ::cfsetispeed(&tio, B115200);
  ::cfsetospeed(&tio, B115200);
  return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

}  // namespace

TermiosSerialDevice::TermiosSerialDevice(int fd) : fd_(fd) {}

TermiosSerialDevice::~TermiosSerialDevice() {
  if (fd_ < 0) return;
  // Output a board never took would make close() wait for it to drain (up to half a minute
  // on some USB serial drivers); it is stale by now, so it is thrown away.
  ::tcflush(fd_, TCIOFLUSH);
  ::close(fd_);
}

void TermiosSerialDevice::noteError(int error) {
  if (error == EIO || error == ENXIO || error == ENODEV || error == EBADF || error == EPIPE) healthy_ = false;
}

bool TermiosSerialDevice::write(const QByteArray& data) {
  if (!healthy_) return false;
  qsizetype sent = 0;
  while (sent < data.size()) {
    const ssize_t n = ::write(fd_, data.constData() + sent, static_cast<size_t>(data.size() - sent));
    if (n > 0) {
      sent += n;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    // A full transmit buffer (EAGAIN: the board is not reading) drops the rest of this send:
    // the writes come from 5 ms timers and must never wait, and the next write repeats the
    // whole output value anyway.
    if (n < 0) noteError(errno);
    return false;
  }
  return true;
}

QByteArray TermiosSerialDevice::readAll() {
  QByteArray received;
  if (!healthy_) return received;
  char buffer[512];
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n > 0) {
      received.append(buffer, n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) noteError(errno);
    break;
  }
  // With VMIN = VTIME = 0 a hung-up line reads as "nothing"; poll tells the two apart. A read
  // that brought something came from a live line (a hang-up just after it shows at the next
  // read), which spares the polling timers a system call on every tick.
  pollfd p{fd_, POLLIN, 0};
  if (healthy_ && received.isEmpty() && ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)))
    healthy_ = false;
  return received;
}

int TermiosSerialDevice::bytesAvailable() {
  if (!healthy_) return 0;
  int n = 0;
  if (::ioctl(fd_, FIONREAD, &n) != 0) {
    noteError(errno);
    return 0;
  }
  return n;
}

QStringList TermiosSerialPorts::scanPorts() {
  const QString fromEnvironment = qEnvironmentVariable("KWILMORA_COM_PORTS");
  if (!fromEnvironment.isEmpty()) return fromEnvironment.split(u':', Qt::SkipEmptyParts);
  QStringList ports = devices(QStringLiteral("ttyACM*")) + devices(QStringLiteral("ttyUSB*"));
  for (const QString& path : devices(QStringLiteral("ttyS*")))
    if (hasUart(path)) ports << path;
  return ports;
}

// The list is taken afresh when a search starts at COM 1 (or the count is asked), so a board
// plugged in meanwhile is seen, and stays the same while the search walks the numbers.
QString TermiosSerialPorts::pathOf(int comNumber) {
  if (comNumber == 1 || !scanned_) count();
  if (comNumber < 1 || comNumber > ports_.size()) return {};
  return ports_[comNumber - 1];
}

int TermiosSerialPorts::count() {
  ports_ = scanPorts();
  scanned_ = true;
  return static_cast<int>(ports_.size());
}

std::unique_ptr<SerialDevice> TermiosSerialPorts::open(const QString& path) {
  const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  if (!::isatty(fd) || !configure(fd)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<TermiosSerialDevice>(fd);
}

}  // namespace kwil
