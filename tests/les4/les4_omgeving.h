#pragma once
// Lesson 4 shown through the registry in a program folder with its pictures. Each kind of
// picture has a size of its own, so a test can tell that a frame was sized around it.
#include <QSet>

#include "frame/les_omgeving.h"
#include "lessons/les4/formule.h"
#include "lessons/les4/formulemotor.h"

namespace kwil::lestest {

inline const QSize kSchemaMaat{150, 110}, kPoortMaat{110, 80}, kFormuleMaat{120, 40};

// Every picture the lesson loads: the engine's pictures, the released ones among them.
inline QStringList les4Plaatjes() {
  QStringList namen;
  for (const FormuleGroep* g : formuleGroepen())
    for (int i = 0; i < g->aantalRijen; ++i)
      for (int vak : {kSchemaVak, kPoortVak, kFormuleVak}) namen.append(g->rijen[i].plaatje(vak));
  return namen;
}

inline QSize les4Maat(const QString& naam) {
  if (naam.startsWith(QLatin1String("ImgSchema"))) return kSchemaMaat;
  if (naam.startsWith(QLatin1String("ImgLogPoort"))) return kPoortMaat;
  return kFormuleMaat;
}

// Puts every lesson-4 picture into the program folder, a white image of its kind's size.
inline void maakLes4Plaatjes(programmatest::ProgrammaOmgeving& omgeving) {
  for (const QString& naam : les4Plaatjes()) {
    QImage beeld(les4Maat(naam), QImage::Format_RGB32);
    beeld.fill(Qt::white);
    omgeving.bewaarPlaatje(naam, beeld);
  }
}

class Les4Omgeving : public LesOmgeving {
 public:
  // Once per test program.
  void maakLes4Map() {
    maakProgrammaMap({});
    maakLes4Plaatjes(*this);
  }
  void begin() {
    LesOmgeving::begin();
    state().Hoofdstuk = 4;
  }
};

inline Formule& toonLes4(int stap) { return toonLes<Formule>(WindowId::Formule, 4, stap); }

// The picture frames that are visible: circuit (4), gates (9), formula (10), in that order.
inline QList<int> zichtbareLijsten(Formule& les) {
  return zichtbarePanelen(les, {Formule::kSchemaLijst, Formule::kPoortLijst, Formule::kFormuleLijst});
}

// Builds the pages from `van` to `naar` one by one, as Verder and Terug build them.
inline Formule& bouwVan(int van, int naar) {
  Formule& les = toonLes4(van);
  bouwPaginas(les, van, naar);
  return les;
}

}  // namespace kwil::lestest
