#pragma once
// The K8055 experiment cards over libusb-1.0. The kernel gives these cards no HID node, so each
// card (vendor 0x10CF, product 0x5500 + card address 0..3) is claimed directly and spoken to
// with 8-byte interrupt packets: out on endpoint 0x01, in on 0x81.
#include <array>
#include <cstdint>

#include "platform/services.h"

struct libusb_context;
struct libusb_device_handle;

namespace kwil {

using K8055Packet = std::array<std::uint8_t, 8>;

// The packet that sets the 8 digital outputs (analogue outputs kept at 0).
K8055Packet k8055OutputPacket(std::int32_t digital);
// The 5 digital inputs of an input packet, I1..I5 in bits 0..4.
std::int32_t k8055DigitalInputs(const K8055Packet& packet);
// The analogue inputs A1 and A2 of an input packet, 0 to 255.
std::int32_t k8055Analog1(const K8055Packet& packet);
std::int32_t k8055Analog2(const K8055Packet& packet);

class LibusbK8055Cards : public K8055Cards {
 public:
  LibusbK8055Cards();
  ~LibusbK8055Cards() override;
  LibusbK8055Cards(const LibusbK8055Cards&) = delete;
  LibusbK8055Cards& operator=(const LibusbK8055Cards&) = delete;

  std::int16_t searchDevices() override;
  void setCurrentDevice(std::int32_t card) override;
  void writeAllDigital(std::int32_t value) override;
  std::int32_t readAllDigital() override;
  void readAllAnalog(std::int32_t& a1, std::int32_t& a2) override;
  void closeDevice() override;

 private:
  struct Card {
    libusb_device_handle* handle = nullptr;
    K8055Packet lastInput{};
  };
  void close(Card& card);
  Card* current();
  // Reads one input packet into the card's last input; a card that went away is let go.
  void readInput(Card& card);

  libusb_context* context_ = nullptr;
  std::array<Card, 4> cards_{};
  int current_ = 0;
};

}  // namespace kwil
