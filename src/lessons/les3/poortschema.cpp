#include "lessons/les3/poortschema.h"

#include <QMap>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "platform/forms/colors.h"

namespace kwil {

namespace {

// Design pixels of the layout.
constexpr double kSlot = 32;          // the band of one input wire
constexpr double kPoortBreedte = 40;
constexpr double kKolomAfstand = 56;  // free room between two columns of gates
constexpr double kRailLinks = 24;
constexpr double kRailAfstand = 24;
constexpr double kBoven = 38;         // room for the rail names and values
constexpr double kCirkel = 4;         // radius of the negation circle
constexpr double kLed = 9;

const QColor kHoog(220, 0, 0);    // a wire at 1
const QColor kLaag(0, 0, 139);    // a wire at 0
QColor kleur(bool niveau) { return niveau ? kHoog : kLaag; }

double poortHoogte(int ingangen) { return std::max(ingangen, 1) * 16.0 + 12; }

// The gate tree: the expression with a NIET over EN or OF folded into a circle.
struct Knoop {
  bool blad = false;
  int knop = 0;           // blad: the button, 0 for a constant
  bool constante = false; // blad with knop 0: its value
  PoortVak::Soort soort = PoortVak::Soort::En;
  bool negatie = false;
  std::vector<Knoop> kinderen;
};

Knoop bouw(const SchakelExpressie& e, const SchemaOpties& o) {
  using S = SchakelExpressie::Soort;
  Knoop k;
  switch (e.soort) {
    case S::Waarde:
    case S::Knop:
      k.blad = true;
      k.knop = e.soort == S::Knop ? e.getal : 0;
      k.constante = e.soort == S::Waarde && e.getal != 0;
      return k;
    case S::Niet: {
      const SchakelExpressie& binnen = *e.delen.front();
      k.negatie = true;
      if (!o.losseNiet && (binnen.soort == S::En || binnen.soort == S::Of)) {
        k = bouw(binnen, o);
        k.negatie = true;
      } else {
        k.soort = PoortVak::Soort::Niet;
        k.kinderen.push_back(bouw(binnen, o));
      }
      return k;
    }
    case S::En:
    case S::Of:
      k.soort = e.soort == S::En ? PoortVak::Soort::En : PoortVak::Soort::Of;
      for (const auto& d : e.delen) k.kinderen.push_back(bouw(*d, o));
      return k;
  }
  return k;
}

int kolom(const Knoop& k) {
  int hoogste = 0;
  for (const Knoop& c : k.kinderen) hoogste = std::max(hoogste, kolom(c));
  return k.blad ? 0 : hoogste + 1;
}

double band(const Knoop& k) {
  if (k.blad) return kSlot;
  double som = 0;
  for (const Knoop& c : k.kinderen) som += band(c);
  return std::max(som, poortHoogte(static_cast<int>(k.kinderen.size())) + 8);
}

QString soortNaam(const Knoop& k) {
  switch (k.soort) {
    case PoortVak::Soort::En: return k.negatie ? QStringLiteral("NEN") : QStringLiteral("EN");
    case PoortVak::Soort::Of: return k.negatie ? QStringLiteral("NOF") : QStringLiteral("OF");
    case PoortVak::Soort::Niet: return QStringLiteral("NIET");
  }
  return {};
}

class Uitlegger {
 public:
  Uitlegger(const std::array<bool, 5>& in, const SchemaOpties& o, int rails) : in_(in), opties_(o), rails_(rails) {}

  struct Uitgang {
    QString naam;
    QPointF punt;
    bool waarde = false;
  };

  // Places k in the band starting at `boven`; returns where its output leaves.
  Uitgang plaats(const Knoop& k, double boven, PoortSchema& s) {
    if (k.blad) {
      const double midden = boven + band(k) / 2;
      if (k.knop == 0) return {k.constante ? QStringLiteral("1") : QStringLiteral("0"), {kRailLinks - 12, midden}, k.constante};
      const QPointF start(railX(k.knop), midden);
      s.knooppunten.append(start);
      IngangsRail& rail = s.rails[k.knop - 1];
      rail.onder = std::max(rail.onder, static_cast<float>(midden));
      return {QStringLiteral("s%1").arg(k.knop), start, in_[static_cast<std::size_t>(k.knop - 1)]};
    }
    PoortVak p;
    p.soort = k.soort;
    p.negatie = k.negatie;
    p.verborgen = opties_.verborgen;
    const QString soort = soortNaam(k);
    p.naam = soort + QString::number(++tellers_[soort]);
    const int n = static_cast<int>(k.kinderen.size());
    const double links = kolomX(kolom(k));
    const int index = static_cast<int>(s.poorten.size());
    s.poorten.append(p);

    double stapel = 0;
    for (const Knoop& c : k.kinderen) stapel += band(c);
    double kindBoven = boven + (band(k) - stapel) / 2;
    std::vector<Uitgang> kinderen;
    for (const Knoop& c : k.kinderen) {
      kinderen.push_back(plaats(c, kindBoven, s));
      kindBoven += band(c);
    }
    // Each input sits level with what drives it, so the wires run straight; the box spans them.
    const double eerste = kinderen.front().punt.y(), laatste = kinderen.back().punt.y();
    const double hoogte = std::max(poortHoogte(n), laatste - eerste + 24);
    const double midden = (eerste + laatste) / 2;
    p.rand = QRectF(links, midden - hoogte / 2, kPoortBreedte, hoogte);
    p.uitgang = QPointF(links + kPoortBreedte + (p.negatie && !p.verborgen ? 2 * kCirkel : 0), midden);
    s.poorten[index] = p;
    std::vector<bool> waarden;
    for (const Uitgang& u : kinderen) {
      const QPointF ingang(links, u.punt.y());
      s.draden.append({u.naam, p.naam, {u.punt, ingang}, u.waarde});
      waarden.push_back(u.waarde);
    }
    bool w = k.soort == PoortVak::Soort::En ? std::all_of(waarden.begin(), waarden.end(), [](bool b) { return b; })
                                            : std::any_of(waarden.begin(), waarden.end(), [](bool b) { return b; });
    if (k.soort == PoortVak::Soort::Niet) w = waarden.front();
    if (k.negatie) w = !w;
    s.poorten[index].waarde = w;
    return {p.naam, p.uitgang, w};
  }

  double railX(int knop) const { return kRailLinks + (knop - 1) * kRailAfstand; }
  double kolomX(int k) const {
    return kRailLinks + (rails_ - 1) * kRailAfstand + 30 + (k - 1) * (kPoortBreedte + kKolomAfstand);
  }

 private:
  std::array<bool, 5> in_;
  SchemaOpties opties_;
  int rails_;
  QMap<QString, int> tellers_;
};

void tekenPoort(QPainter& p, const QRectF& r, const QString& teken, bool negatie) {
  p.setPen(QPen(Qt::black, 1.6));
  p.setBrush(Qt::white);
  p.drawRect(r);
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(14);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRectF(r.left(), r.top() + 2, r.width(), 18), Qt::AlignCenter, teken);
  if (negatie) p.drawEllipse(QPointF(r.right() + kCirkel, r.center().y()), kCirkel, kCirkel);
}

QString teken(const PoortVak& v) {
  if (v.verborgen) return QStringLiteral("?");
  switch (v.soort) {
    case PoortVak::Soort::En: return QStringLiteral("&");
    case PoortVak::Soort::Of: return QStringLiteral("≥1");
    case PoortVak::Soort::Niet: return QStringLiteral("1");
  }
  return {};
}

void zetLetter(QPainter& p, int pixels, bool vet) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(pixels);
  f.setBold(vet);
  p.setFont(f);
}

QImage leegBeeld(const QSizeF& grootte, double zoom, QPainter& p) {
  QImage beeld(static_cast<int>(std::ceil(grootte.width() * zoom)), static_cast<int>(std::ceil(grootte.height() * zoom)),
               QImage::Format_RGB32);
  beeld.fill(Qt::white);
  p.begin(&beeld);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(zoom, zoom);
  return beeld;
}

}  // namespace

bool PoortSchema::niveau(const QString& van, const QString& naar) const {
  for (const Draad& d : draden)
    if (d.van == van && d.naar == naar) return d.niveau;
  throw std::out_of_range(("no wire from " + van + " to " + naar).toStdString());
}

const PoortVak& PoortSchema::poort(const QString& naam) const {
  for (const PoortVak& p : poorten)
    if (p.naam == naam) return p;
  throw std::out_of_range(("no gate " + naam).toStdString());
}

PoortSchema legSchemaUit(const SchakelExpressie& expressie, const std::array<bool, 5>& ingedrukt,
                         const SchemaOpties& opties) {
  const int rails = std::max(1, expressie.hoogsteKnop());
  PoortSchema s;
  for (int k = 1; k <= rails; ++k) {
    const auto x = static_cast<float>(kRailLinks + (k - 1) * kRailAfstand);
    s.rails.append({k, x, static_cast<float>(kBoven - 6), static_cast<float>(kBoven + 4), ingedrukt[static_cast<std::size_t>(k - 1)]});
  }
  Uitlegger uitlegger(ingedrukt, opties, rails);
  const Knoop wortel = bouw(expressie, opties);
  const Uitlegger::Uitgang uit = uitlegger.plaats(wortel, kBoven, s);
  const double ledX = std::max(uit.punt.x(), uitlegger.kolomX(1)) + 44;
  s.led = QPointF(ledX, uit.punt.y());
  s.ledAan = uit.waarde;
  s.draden.append({uit.naam, QStringLiteral("E1"), {uit.punt, {ledX - kLed, uit.punt.y()}}, uit.waarde});
  s.grootte = QSizeF(ledX + kLed + 34, kBoven + band(wortel) + 8);
  return s;
}

QImage tekenSchema(const PoortSchema& s, double zoom) {
  QPainter p;
  QImage beeld = leegBeeld(s.grootte, zoom, p);
  for (const IngangsRail& r : s.rails) {
    p.setPen(QPen(kleur(r.niveau), 2.5));
    p.drawLine(QPointF(r.x, r.boven), QPointF(r.x, r.onder));
    zetLetter(p, 12, true);
    p.drawText(QRectF(r.x - 14, 2, 28, 15), Qt::AlignCenter, QStringLiteral("s%1").arg(r.knop));
    zetLetter(p, 11, false);
    p.drawText(QRectF(r.x - 14, 16, 28, 14), Qt::AlignCenter, r.niveau ? QStringLiteral("1") : QStringLiteral("0"));
  }
  for (const Draad& d : s.draden) {
    p.setPen(QPen(kleur(d.niveau), 2.5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(d.punten.data(), static_cast<int>(d.punten.size()));
  }
  for (const QPointF& k : s.knooppunten) {
    const auto rail = std::find_if(s.rails.begin(), s.rails.end(), [&](const IngangsRail& r) { return r.x == k.x(); });
    const QColor c = kleur(rail != s.rails.end() && rail->niveau);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(k, 3.5, 3.5);
  }
  for (const PoortVak& v : s.poorten) {
    tekenPoort(p, v.rand, teken(v), v.negatie && !v.verborgen);
    p.setPen(kleur(v.waarde));
    zetLetter(p, 12, true);
    p.drawText(QRectF(v.uitgang.x() + 3, v.uitgang.y() - 17, 20, 15), Qt::AlignLeft | Qt::AlignBottom,
               v.waarde ? QStringLiteral("1") : QStringLiteral("0"));
  }
  p.setPen(QPen(Qt::black, 1.5));
  p.setBrush(s.ledAan ? kHoog : QColor(215, 215, 215));
  p.drawEllipse(s.led, kLed, kLed);
  zetLetter(p, 12, true);
  p.setPen(Qt::black);
  p.drawText(QRectF(s.led.x() + kLed + 4, s.led.y() - 8, 30, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("E1"));
  p.end();
  return beeld;
}

QImage tekenSymbolen(double zoom) {
  QPainter p;
  QImage beeld = leegBeeld(QSizeF(330, 110), zoom, p);
  struct Symbool {
    const char* teken;
    const char* naam;
    int ingangen;
    bool negatie;
  };
  const Symbool symbolen[] = {{"&", "EN", 2, false}, {"≥1", "OF", 2, false}, {"1", "NIET", 1, true}};
  double links = 40;
  for (const Symbool& s : symbolen) {
    const double h = poortHoogte(s.ingangen);
    const QRectF r(links, 50 - h / 2, kPoortBreedte, h);
    p.setPen(QPen(Qt::black, 2));
    for (int i = 0; i < s.ingangen; ++i) {
      const double y = r.top() + 14 + 16.0 * i;
      p.drawLine(QPointF(links - 18, y), QPointF(links, y));
    }
    const double uit = r.right() + (s.negatie ? 2 * kCirkel : 0);
    p.drawLine(QPointF(uit, r.center().y()), QPointF(uit + 18, r.center().y()));
    tekenPoort(p, r, QString::fromUtf8(s.teken), s.negatie);
    zetLetter(p, 13, true);
    p.drawText(QRectF(links - 20, 82, kPoortBreedte + 40, 18), Qt::AlignCenter, QString::fromUtf8(s.naam));
    links += 105;
  }
  p.end();
  return beeld;
}

QImage tekenPoortenTabel(double zoom) {
  constexpr double kCel = 40, kRij = 22;
  QPainter p;
  QImage beeld = leegBeeld(QSizeF(8 * kCel + 50, 5 * kRij + 20), zoom, p);
  auto cel = [&](double x, double y, const QString& tekst, int kop) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kop ? vbColor(KleurTabelKop) : QColor(Qt::white));
    p.drawRect(QRectF(x, y, kCel, kRij));
    zetLetter(p, 12, true);
    if (!kop) p.setPen(kleur(tekst == QLatin1String("1")));
    p.drawText(QRectF(x, y, kCel, kRij), Qt::AlignCenter, tekst);
  };
  auto bit = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
  const double boven = 10, links = 10;
  const QStringList kop = {"s1", "s2", "EN", "OF", "NEN", "NOF"};
  for (int k = 0; k < kop.size(); ++k) cel(links + k * kCel, boven, kop[k], 1);
  for (int r = 0; r < 4; ++r) {
    const bool a = r & 2, b = r & 1;
    const bool waarden[] = {a, b, a && b, a || b, !(a && b), !(a || b)};
    for (int k = 0; k < 6; ++k) cel(links + k * kCel, boven + (r + 1) * kRij, bit(waarden[k]), 0);
  }
  const double tweede = links + 6 * kCel + 30;
  cel(tweede, boven, QStringLiteral("s1"), 1);
  cel(tweede + kCel, boven, QStringLiteral("NIET"), 1);
  for (int r = 0; r < 2; ++r) {
    cel(tweede, boven + (r + 1) * kRij, bit(r), 0);
    cel(tweede + kCel, boven + (r + 1) * kRij, bit(!r), 0);
  }
  p.end();
  return beeld;
}

}  // namespace kwil
