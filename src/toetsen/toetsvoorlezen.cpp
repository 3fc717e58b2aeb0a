#include "toetsen/toetsvoorlezen.h"

#include "toetsen/vraagbank.h"

namespace kwil {

QString vraagNummerInBestand(int vraag) {
  return vraag == 10 ? QStringLiteral("10") : QStringLiteral("0") + QString::number(vraag);
}

QList<ToetsVoorleesTekst> toetsVoorleesTeksten() {
  QList<ToetsVoorleesTekst> teksten;
  for (int les = 1; les <= 5; ++les) {
    const std::optional<Vraagbank> bank = vraagbank(les);
    if (!bank) continue;
    const QString map = QStringLiteral("Hoofdstuk %1/Toets/").arg(les);
    for (int v = 1; v <= bank->vragen.size(); ++v) {
      const ToetsVraag& vraag = bank->vragen.at(v - 1);
      const QString nr = vraagNummerInBestand(v);
      teksten.append({map + QStringLiteral("Vraag ") + nr + QStringLiteral(".mp3"),
                      vraag.vraag.join(QLatin1Char('\n'))});
      for (int k = 1; k <= 4; ++k)
        teksten.append({map + QStringLiteral("Antwoord %1-%2.mp3").arg(nr).arg(k),
                        vraag.antwoorden[static_cast<std::size_t>(k - 1)].join(QLatin1Char('\n'))});
    }
  }
  return teksten;
}

}  // namespace kwil
