#pragma once
// Answering the test window's questions as a pupil does: the right answer or a wrong one of
// the current question, found in the shuffled boxes, chosen and confirmed.
#include <QTest>

#include "shared/kwilstate.h"
#include "toetsen/toetsen.h"
#include "toetsen/vraagbank.h"

namespace kwil::toetstest {

inline const ToetsVraag& huidigeVraag() {
  return vraagbank(state().LesNummer)->vragen.at(state().VraagNummer.toInt() - 1);
}

// The box that shows the bank's answer bankNummer.
inline int boxVan(int bankNummer) {
  for (int box = 1; box <= 4; ++box)
    if (state().Volgorde[box] == bankNummer) return box;
  return 0;
}

// The bank number of a right or of a (the first) wrong answer of the current question.
inline int bankAntwoord(bool goed) {
  const int juist = huidigeVraag().goed;
  return goed ? juist : (juist == 1 ? 2 : 1);
}

// Chooses with the mouse and confirms with the button.
inline void klikAntwoord(Toetsen& toets, bool goed) {
  QTest::mouseClick(&toets.Ribbon(boxVan(bankAntwoord(goed))), Qt::LeftButton);
  QTest::mouseClick(&toets.Command(1), Qt::LeftButton);
}

// Chooses with a key (1-4 when cijfers, else A-D) and confirms with Enter.
inline void toetsAntwoord(Toetsen& toets, bool goed, bool cijfers) {
  const int box = boxVan(bankAntwoord(goed));
  toets.keyDown(cijfers ? '0' + box : 'A' + box - 1, 0);
  toets.keyDown(vbKeyReturn, 0);
}

// The letters a whole test answered by patroon ('1' right, '0' wrong, as the helpers above
// answer) must give: the right one's letter in upper case, the wrong one chosen (A, or B
// when A is right) in lower case.
inline QString verwachteLetters(int les, const QString& patroon) {
  QString letters;
  const Vraagbank bank = *vraagbank(les);
  for (int v = 0; v < 10; ++v) {
    const int goed = bank.vragen.at(v).goed;
    letters += patroon.at(v) == QLatin1Char('1') ? QChar('A' + goed - 1) : QChar(goed == 1 ? 'b' : 'a');
  }
  return letters;
}

}  // namespace kwil::toetstest
