#pragma once
// Colours as the windows write them: one Long &HBBGGRR, the low byte red.
#include <QColor>
#include <cstdint>

namespace kwil {

// Normal and hovered background of buttons and lists.
inline constexpr std::int32_t KleurKnopNormaal = 0xFFDBBF;
inline constexpr std::int32_t KleurKnopOnderMuis = 0xFAE5D5;

// Header cells of the lessons' tables (truth tables, gate tables): the pale yellow of the
// name plates.
inline constexpr std::int32_t KleurTabelKop = 0xC0FFFF;

// Twips in one pixel, the fixed factor between a panel's unit and the screen.
inline constexpr int TwipsPerPixel = 15;

// &HBBGGRR to a colour (bits above the low 24 are ignored).
QColor vbColor(std::int32_t bbggrr);
// A colour back to &HBBGGRR.
std::int32_t vbColorOf(const QColor& colour);

}  // namespace kwil
