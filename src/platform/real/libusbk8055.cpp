#include "platform/real/libusbk8055.h"

#include <libusb.h>

namespace kwil {

namespace {

constexpr std::uint16_t kVendor = 0x10CF;
constexpr std::uint16_t kFirstProduct = 0x5500;
constexpr unsigned char kEndpointOut = 0x01;
constexpr unsigned char kEndpointIn = 0x81;
constexpr unsigned char kSetOutputs = 5;
// Short enough that a poll from a 5 ms timer never stalls the windows for long.
constexpr unsigned int kTimeoutMs = 20;

}  // namespace

K8055Packet k8055OutputPacket(std::int32_t digital) {
  K8055Packet packet{};
  packet[0] = kSetOutputs;
  packet[1] = static_cast<std::uint8_t>(digital & 0xFF);
  return packet;
}

std::int32_t k8055DigitalInputs(const K8055Packet& packet) {
  // Input I1..I5 arrive in bits 4, 5, 0, 6, 7 of the first byte.
  constexpr int bitOfInput[5] = {4, 5, 0, 6, 7};
  std::int32_t inputs = 0;
  for (int input = 0; input < 5; ++input)
    if (packet[0] & (1 << bitOfInput[input])) inputs |= 1 << input;
  return inputs;
}

std::int32_t k8055Analog1(const K8055Packet& packet) {
  return packet[2];
}
std::int32_t k8055Analog2(const K8055Packet& packet) {
  return packet[3];
}

LibusbK8055Cards::LibusbK8055Cards() {
  if (libusb_init(&context_) != 0) context_ = nullptr;
}

LibusbK8055Cards::~LibusbK8055Cards() {
  closeDevice();
  if (context_) libusb_exit(context_);
}

void LibusbK8055Cards::close(Card& card) {
  if (!card.handle) return;
  libusb_release_interface(card.handle, 0);
  libusb_close(card.handle);
  card = Card{};
}

std::int16_t LibusbK8055Cards::searchDevices() {
  closeDevice();
  if (!context_) return 0;
  std::int16_t found = 0;
  for (int address = 0; address < 4; ++address) {
    libusb_device_handle* handle = libusb_open_device_with_vid_pid(
        context_, kVendor, static_cast<std::uint16_t>(kFirstProduct + address));
    if (!handle) continue;
    libusb_set_auto_detach_kernel_driver(handle, 1);
    if (libusb_claim_interface(handle, 0) != 0) {
      libusb_close(handle);
      continue;
    }
    cards_[address].handle = handle;
    found = static_cast<std::int16_t>(found | (1 << address));
  }
  return found;
}

void LibusbK8055Cards::setCurrentDevice(std::int32_t card) {
  current_ = card;
}

LibusbK8055Cards::Card* LibusbK8055Cards::current() {
  if (current_ < 0 || current_ > 3 || !cards_[current_].handle) return nullptr;
  return &cards_[current_];
}

void LibusbK8055Cards::writeAllDigital(std::int32_t value) {
  Card* card = current();
  if (!card) return;
  K8055Packet packet = k8055OutputPacket(value);
  int transferred = 0;
  if (libusb_interrupt_transfer(card->handle, kEndpointOut, packet.data(), static_cast<int>(packet.size()),
                                &transferred, kTimeoutMs) == LIBUSB_ERROR_NO_DEVICE)
    close(*card);
}

void LibusbK8055Cards::readInput(Card& card) {
  K8055Packet packet{};
  int transferred = 0;
  const int result = libusb_interrupt_transfer(card.handle, kEndpointIn, packet.data(),
                                               static_cast<int>(packet.size()), &transferred, kTimeoutMs);
  if (result == LIBUSB_ERROR_NO_DEVICE) {
    close(card);
    return;
  }
  // A missed packet keeps the last one, so a slow answer does not look like released buttons.
  if (result == 0 && transferred == static_cast<int>(packet.size())) card.lastInput = packet;
}

std::int32_t LibusbK8055Cards::readAllDigital() {
  Card* card = current();
  if (!card) return 0;
  readInput(*card);
  return k8055DigitalInputs(card->lastInput);
}

void LibusbK8055Cards::readAllAnalog(std::int32_t& a1, std::int32_t& a2) {
  a1 = a2 = 0;
  Card* card = current();
  if (!card) return;
  readInput(*card);
  a1 = k8055Analog1(card->lastInput);
  a2 = k8055Analog2(card->lastInput);
}

void LibusbK8055Cards::closeDevice() {
  for (Card& card : cards_) close(card);
}

}  // namespace kwil
