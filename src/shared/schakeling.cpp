#include "shared/schakeling.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace kwil {

bool SchakelExpressie::aan(const std::array<bool, 5>& s) const {
  switch (soort) {
    case Soort::Waarde:
      return getal != 0;
    case Soort::Knop:
      return s[static_cast<std::size_t>(getal - 1)];
    case Soort::Niet:
      return !delen.front()->aan(s);
    case Soort::En:
      for (const auto& d : delen)
        if (!d->aan(s)) return false;
      return true;
    case Soort::Of:
      for (const auto& d : delen)
        if (d->aan(s)) return true;
      return false;
  }
  return false;
}

int SchakelExpressie::hoogsteKnop() const {
  int hoogste = soort == Soort::Knop ? getal : 0;
  for (const auto& d : delen) hoogste = std::max(hoogste, d->hoogsteKnop());
  return hoogste;
}

namespace {

using Knoop = std::shared_ptr<const SchakelExpressie>;

// Recursive descent over the words and brackets of one expression.
class Lezer {
 public:
  explicit Lezer(const QString& tekst) {
    static const QRegularExpression woord(QStringLiteral("\\(|\\)|[^\\s()]+"));
    for (auto it = woord.globalMatch(tekst); it.hasNext();) woorden_.append(it.next().captured().toUpper());
  }

  Knoop lees(QString& fout) {
    Knoop k = of(fout);
    if (k && pos_ < woorden_.size()) {
      fout = QStringLiteral("onverwacht \"%1\" in de schakeling").arg(woorden_.at(pos_));
      return nullptr;
    }
    return k;
  }

 private:
  Knoop reeks(SchakelExpressie::Soort soort, const QString& voeg, Knoop (Lezer::*deel)(QString&),
              QString& fout) {
    Knoop eerste = (this->*deel)(fout);
    if (!eerste) return nullptr;
    auto n = std::make_shared<SchakelExpressie>();
    n->soort = soort;
    n->delen.push_back(eerste);
    while (pos_ < woorden_.size() && woorden_.at(pos_) == voeg) {
      ++pos_;
      Knoop volgende = (this->*deel)(fout);
      if (!volgende) return nullptr;
      n->delen.push_back(volgende);
    }
    return n->delen.size() == 1 ? eerste : Knoop(n);
  }
  Knoop of(QString& fout) {
    return reeks(SchakelExpressie::Soort::Of, QStringLiteral("OF"), &Lezer::en, fout);
  }
  Knoop en(QString& fout) {
    return reeks(SchakelExpressie::Soort::En, QStringLiteral("EN"), &Lezer::factor, fout);
  }

  Knoop factor(QString& fout) {
    if (pos_ >= woorden_.size()) {
      fout = QStringLiteral("de schakeling houdt te vroeg op");
      return nullptr;
    }
    const QString w = woorden_.at(pos_++);
    auto n = std::make_shared<SchakelExpressie>();
    if (w == QLatin1String("NIET")) {
      Knoop binnen = factor(fout);
      if (!binnen) return nullptr;
      n->soort = SchakelExpressie::Soort::Niet;
      n->delen.push_back(binnen);
      return n;
    }
    if (w == QLatin1String("(")) {
      Knoop binnen = of(fout);
      if (!binnen) return nullptr;
      if (pos_ >= woorden_.size() || woorden_.at(pos_) != QLatin1String(")")) {
        fout = QStringLiteral("er ontbreekt een haakje sluiten");
        return nullptr;
      }
      ++pos_;
      return binnen;
    }
    static const QRegularExpression knop(QStringLiteral("^S([1-5])$"));
    if (const auto m = knop.match(w); m.hasMatch()) {
      n->soort = SchakelExpressie::Soort::Knop;
      n->getal = m.captured(1).toInt();
      return n;
    }
    if (w == QLatin1String("0") || w == QLatin1String("1")) {
      n->getal = w.toInt();
      return n;
    }
    fout = QStringLiteral("\"%1\" is geen schakelaar s1 tot s5, 0, 1, EN, OF of NIET").arg(w);
    return nullptr;
  }

  QStringList woorden_;
  qsizetype pos_ = 0;
};

}  // namespace

std::shared_ptr<const SchakelExpressie> SchakelExpressie::lees(const QString& tekst, QString& fout) {
  return Lezer(tekst).lees(fout);
}

std::optional<SchakelRegel> SchakelRegel::lees(const QString& tekst, QString& fout) {
  static const QRegularExpression vorm(QStringLiteral("^\\s*[Ee]([1-8])\\s*=(.*)$"));
  const auto m = vorm.match(tekst);
  if (!m.hasMatch()) {
    fout = QStringLiteral("een schakeling begint met een uitgang E1 tot E8 en een =-teken");
    return std::nullopt;
  }
  Knoop expressie = SchakelExpressie::lees(m.captured(2), fout);
  if (!expressie) return std::nullopt;
  SchakelRegel regel;
  regel.uitgang_ = m.captured(1).toInt();
  regel.expressie_ = std::move(expressie);
  return regel;
}

bool SchakelRegel::aan(const std::array<bool, 5>& ingedrukt) const {
  return expressie_->aan(ingedrukt);
}

}  // namespace kwil
