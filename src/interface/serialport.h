#pragma once
// The program's one serial port, shared by the board searches, the output writes and the
// input polls. It offers the members the drivers reason with: choose a port number, open and
// close it, send text, take what has arrived and count what is waiting.
#include <QString>
#include <memory>

namespace kwil {

class SerialDevice;

class SerialPort {
 public:
  // COM number that the next open uses (1 and up).
  int CommPort = 1;

  // True while a port is open and its device is still there. A device that has gone away
  // (unplugged board, closed pseudo-terminal) is let go here, so from then on the port reads
  // as closed and every write and poll does nothing until a search opens a port again.
  bool PortOpen();
  // Opens COM CommPort (when true) or closes the port. Opening a port that does not exist
  // or cannot be opened leaves the port closed; the searches then skip that number.
  void setPortOpen(bool open);

  // Sends the text unchanged, no line ending added; does nothing while the port is closed.
  void Output(const QString& text);
  // Everything received so far, taken out of the receive buffer; empty when nothing came.
  QString Input();
  // Number of received characters not yet taken.
  int InBufferCount();

  // The unfinished start of a reply that an input poll took and keeps for the next poll, which
  // reads its rest; emptied whenever a port is opened or closed.
  QString onvolledigAntwoord;

 private:
  std::unique_ptr<SerialDevice> device_;
};

// The one instance.
SerialPort& serialPort();

// Takes what is waiting, again and again while InBufferCount is not 0, and returns it all;
// lets pending events run after each chunk when asked. A board that never stops talking
// cannot keep the program here: collecting ends after kOntvangstLimiet characters.
QString ontvangAlles(bool laatGebeurtenissenToe);
constexpr int kOntvangstLimiet = 1024;

}  // namespace kwil
