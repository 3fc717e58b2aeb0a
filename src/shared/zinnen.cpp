#include "shared/zinnen.h"

#include "platform/services.h"
#include "shared/kwilstate.h"

namespace kwil {

void KopieerZinnen() {
  QString tekst;
  for (const QString& zin : state().Zin)
    if (!zin.isEmpty()) tekst += zin + QLatin1Char('\r');
  if (!platform().clipboard) return;
  platform().clipboard->clear();
  platform().clipboard->setText(tekst);
}

void MaakAlleZinnenLeeg() {
  state().Zin.fill(QString());
  if (platform().clipboard) platform().clipboard->clear();
}

}  // namespace kwil
