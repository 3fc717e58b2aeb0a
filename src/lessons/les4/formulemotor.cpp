#include "lessons/les4/formulemotor.h"

#include <QList>
#include <iterator>
#include <stdexcept>

namespace kwil {

namespace {

// Rows in the order they are tried: for two inputs both, a, b, none; for three inputs all,
// ab, ac, bc, a, b, c, none; for NOT a, none.
const FormuleRij kEn2[] = {
    {"ab", 1, "ImgAlgebraa1ENb1.bmp", "ImgLogPoortEn2abbediend.bmp", "ImgSchemaLedEnabABbediend.bmp", "JJ-"},
    {"a", 0, "ImgAlgebraa1ENb.bmp", "ImgLogPoortEn2abediend.bmp", "ImgSchemaLedEnabAbediend.bmp", "J--"},
    {"b", 0, "ImgAlgebraaENb1.bmp", "ImgLogPoortEn2bbediend.bmp", "ImgSchemaLedEnabBbediend.bmp", "-J-"},
    {"", 0, "ImgAlgebraaENb.bmp", "ImgLogPoortEn2Onbediend.bmp", "ImgSchemaLedEnabOnbediend.bmp", "NN-"},
};

const FormuleRij kEn3[] = {
    {"abc", 1, "ImgAlgebraa1ENb1ENc1.bmp", "ImgLogPoortEn3abcbediend.bmp", "ImgSchemaLedEnabcABCbediend.bmp",
     "JJJ"},
    {"ab", 0, "ImgAlgebraa1ENb1ENc.bmp", "ImgLogPoortEn3abbediend.bmp", "ImgSchemaLedEnabcABbediend.bmp",
     "JJ-"},
    {"ac", 0, "ImgAlgebraa1ENbENc1.bmp", "ImgLogPoortEn3acbediend.bmp", "ImgSchemaLedEnabcACbediend.bmp",
     "J-J"},
    {"bc", 0, "ImgAlgebraaENb1ENc1.bmp", "ImgLogPoortEn3bcbediend.bmp", "ImgSchemaLedEnabcBCbediend.bmp",
     "-JJ"},
    {"a", 0, "ImgAlgebraa1ENbENc.bmp", "ImgLogPoortEn3abediend.bmp", "ImgSchemaLedEnabcAbediend.bmp", "J--"},
    {"b", 0, "ImgAlgebraaENb1ENc.bmp", "ImgLogPoortEn3bbediend.bmp", "ImgSchemaLedEnabcBbediend.bmp", "-J-"},
    {"c", 0, "ImgAlgebraaENbENc1.bmp", "ImgLogPoortEn3cbediend.bmp", "ImgSchemaLedEnabcCbediend.bmp", "--J"},
    {"", 0, "ImgAlgebraaENbENc.bmp", "ImgLogPoortEn3Onbediend.bmp", "ImgSchemaLedEnabcOnbediend.bmp", "---"},
};

const FormuleRij kOf2[] = {
    {"ab", 1, "ImgAlgebraa1OFb1.bmp", "ImgLogPoortOf2abbediend.bmp", "ImgSchemaLedOfabABbediend.bmp", "JJ-"},
    {"a", 1, "ImgAlgebraa1OFb.bmp", "ImgLogPoortOf2abediend.bmp", "ImgSchemaLedOfabAbediend.bmp", "J--"},
    {"b", 1, "ImgAlgebraaOFb1.bmp", "ImgLogPoortOf2bbediend.bmp", "ImgSchemaLedOfabBbediend.bmp", "-J-"},
    {"", 0, "ImgAlgebraaOFb.bmp", "ImgLogPoortOf2Onbediend.bmp", "ImgSchemaLedOfabOnbediend.bmp", "NN-"},
};

const FormuleRij kNiet[] = {
    {"a", 0, "ImgAlgebraNieta1.bmp", "ImgLogPoortNietBediend.bmp", "ImgSchemaLedNietaBediend.bmp", "J--"},
    {"", 1, "ImgAlgebraNieta.bmp", "ImgLogPoortNietOnbediend.bmp", "ImgSchemaLedNietaOnbediend.bmp", "N--"},
};

const FormuleRij kEnNiet[] = {
    {"ab", 0, "ImgAlgebraa1ENNIETb1.bmp", "ImgLogPoortEnaNietbABbediend.bmp",
     "ImgSchemaLedEnaNietbABbediend.bmp", "JJ-"},
    {"a", 1, "ImgAlgebraa1ENNIETb.bmp", "ImgLogPoortEnaNietbAbediend.bmp", "ImgSchemaLedEnaNietbAbediend.bmp",
     "J--"},
    {"b", 0, "ImgAlgebraaENNIETb1.bmp", "ImgLogPoortEnaNietbBbediend.bmp", "ImgSchemaLedEnaNietbBbediend.bmp",
     "-J-"},
    {"", 0, "ImgAlgebraaENNIETb.bmp", "ImgLogPoortEnaNietbOnbediend.bmp", "ImgSchemaLedEnaNietbOnbediend.bmp",
     "NN-"},
};

const FormuleRij kEnOf[] = {
    {"abc", 1, "ImgAlgebraa1ENb1OFc1.bmp", "ImgLogPoortEnOfabcbediend.bmp", "ImgSchemaLedEnOfabcbediend.bmp",
     "JJJ"},
    {"ab", 1, "ImgAlgebraa1ENb1OFc.bmp", "ImgLogPoortEnOfabbediend.bmp", "ImgSchemaLedEnOfabbediend.bmp",
     "JJ-"},
    {"ac", 1, "ImgAlgebraa1ENbOFc1.bmp", "ImgLogPoortEnOfacbediend.bmp", "ImgSchemaLedEnOfacbediend.bmp",
     "J-J"},
    {"bc", 1, "ImgAlgebraaENb1OFc1.bmp", "ImgLogPoortEnOfbcbediend.bmp", "ImgSchemaLedEnOfbcbediend.bmp",
     "-JJ"},
    {"a", 0, "ImgAlgebraa1ENbOFc.bmp", "ImgLogPoortEnOfabediend.bmp", "ImgSchemaLedEnOfabediend.bmp", "J--"},
    {"b", 0, "ImgAlgebraaENb1OFc.bmp", "ImgLogPoortEnOfbbediend.bmp", "ImgSchemaLedEnOfbbediend.bmp", "-J-"},
    {"c", 1, "ImgAlgebraaENbOFc1.bmp", "ImgLogPoortEnOfcbediend.bmp", "ImgSchemaLedEnOfcbediend.bmp", "--J"},
    {"", 0, "ImgAlgebraaENbOFc.bmp", "ImgLogPoortEnOfOnbediend.bmp", "ImgSchemaLedEnOfabcOnbediend.bmp",
     "---"},
};

const FormuleRij kRelais[] = {
    {"abc", 0, "ImgAlgebraa1OFb1NIETENc1.bmp", "ImgLogPoortOfabNietEncABCbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncABCbediend.bmp", "JJJ"},
    {"ab", 0, "ImgAlgebraa1OFb1NIETENc.bmp", "ImgLogPoortOfabNietEncABbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncABbediend.bmp", "JJ-"},
    {"ac", 0, "ImgAlgebraa1OFbNIETENc1.bmp", "ImgLogPoortOfabNietEncACbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncACbediend.bmp", "JNJ"},
    {"bc", 0, "ImgAlgebraaOFb1NIETENc1.bmp", "ImgLogPoortOfabNietEncBCbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncBCbediend.bmp", "NJJ"},
    {"a", 0, "ImgAlgebraa1OFbNIETENc.bmp", "ImgLogPoortOfabNietEncAbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncAbediend.bmp", "JN-"},
    {"b", 0, "ImgAlgebraaOFb1NIETENc.bmp", "ImgLogPoortOfabNietEncBbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncBbediend.bmp", "NJ-"},
    {"c", 1, "ImgAlgebraaOFbNIETENc1.bmp", "ImgLogPoortOfabNietEncCbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncCbediend.bmp", "NNJ"},
    {"", 0, "ImgAlgebraaOFbNIETENc.bmp", "ImgLogPoortOfabNietEncOnbediend.bmp",
     "ImgSchemaRelaisLedOfabNietEncOnbediend.bmp", "NNN"},
};

constexpr std::array<int, 3> kPoortVoorSchema = {kFormuleVak, kPoortVak, kSchemaVak};
constexpr std::array<int, 3> kSchemaVoorPoort = {kFormuleVak, kSchemaVak, kPoortVak};

template <std::size_t N>
FormuleGroep groep(int van, int tot, const char* ingangen, int niveau, std::array<int, 3> volgorde,
                   bool relais, const FormuleRij (&rijen)[N]) {
  return {van, tot, ingangen, niveau, volgorde, relais, rijen, static_cast<int>(N)};
}

const FormuleGroep kGroepen[] = {
    groep(2, 4, "ab", 1, kPoortVoorSchema, false, kEn2),
    groep(5, 6, "abc", 2, kPoortVoorSchema, false, kEn3),
    groep(7, 8, "ab", 3, kPoortVoorSchema, false, kOf2),
    groep(10, 11, "a", 4, kSchemaVoorPoort, false, kNiet),
    groep(12, 13, "ab", 5, kSchemaVoorPoort, false, kEnNiet),
    groep(15, 16, "abc", 6, kPoortVoorSchema, false, kEnOf),
    groep(17, 18, "abc", 7, kPoortVoorSchema, true, kRelais),
};

}  // namespace

QString FormuleRij::plaatje(int k) const {
  switch (k) {
    case kFormuleVak:
      return QString::fromLatin1(formule);
    case kPoortVak:
      return QString::fromLatin1(poort);
    case kSchemaVak:
      return QString::fromLatin1(schema);
    default:
      return {};
  }
}

const FormuleRij& FormuleGroep::rij(bool a, bool b, bool c) const {
  const QString circuit = QString::fromLatin1(ingangen);
  QString bediend;
  if (a && circuit.contains(QLatin1Char('a'))) bediend += QLatin1Char('a');
  if (b && circuit.contains(QLatin1Char('b'))) bediend += QLatin1Char('b');
  if (c && circuit.contains(QLatin1Char('c'))) bediend += QLatin1Char('c');
  for (int i = 0; i < aantalRijen; ++i)
    if (bediend == QLatin1String(rijen[i].bediend)) return rijen[i];
  throw std::logic_error("formula table without a row for " + bediend.toStdString());
}

bool FormuleGroep::allesBediend(const FormuleRij& r) const {
  return QLatin1String(r.bediend) == QLatin1String(ingangen);
}

const FormuleGroep* formuleGroep(int stap) {
  for (const FormuleGroep& g : kGroepen)
    if (stap >= g.eersteStap && stap <= g.laatsteStap) return &g;
  return nullptr;
}

QList<const FormuleGroep*> formuleGroepen() {
  QList<const FormuleGroep*> uit;
  for (const FormuleGroep& g : kGroepen) uit.append(&g);
  return uit;
}

bool relaisSchakelt(bool verwerktA, bool verwerktB, bool a, bool b) {
  return (verwerktA || verwerktB) != (a || b);
}

}  // namespace kwil
