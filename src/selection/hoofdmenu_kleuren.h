#pragma once
// The colours of the main menu (&HBBGGRR), beside the buttons' KleurKnopNormaal and
// KleurKnopOnderMuis.
#include <cstdint>

namespace kwil::menukleur {

inline constexpr std::int32_t Achtergrond = 0xE3BB9B;    // window, frames, number panels
inline constexpr std::int32_t NummerTekst = 0x400000;    // text of a number panel
inline constexpr std::int32_t NummerOplicht = 0xC07B01;  // number panel of the lesson pointed at
inline constexpr std::int32_t OplichtTekst = 0xC0FFFF;   // text of the lesson pointed at
inline constexpr std::int32_t TitelNormaal = 0x55552D;   // background of a title panel
inline constexpr std::int32_t TitelIngedrukt = 0xC0FFFF;  // title panel of a pressed lesson
inline constexpr std::int32_t IngedruktTekst = 0x865B38;  // its text after a mouse press
inline constexpr std::int32_t LijnBoven = 0x4080;
inline constexpr std::int32_t LijnOnder = 0xFF0000;

}  // namespace kwil::menukleur
