#pragma once
// The iCP12 board's commands. Output bit i-1 (output E(i)) is board pin RA0, RA1, RA2, RA3,
// RA5, RB0, RB1, RB2 for i = 1 to 8; each list holds eight 6-character commands.
#include <QString>

namespace kwil {

inline const QString kICP12PinInstelling =
    QStringLiteral("(RA0o),(RA1o),(RA2o),(RA3o),(RA5o),(RB0o),(RB1o),(RB2o)");
inline const QString kICP12Aan = QStringLiteral("(RA01),(RA11),(RA21),(RA31),(RA51),(RB01),(RB11),(RB21)");
inline const QString kICP12Uit = QStringLiteral("(RA00),(RA10),(RA20),(RA30),(RA50),(RB00),(RB10),(RB20)");

// Item i (1 to 8) of one of the lists above.
QString icp12Commando(const QString& lijst, int i);

}  // namespace kwil
