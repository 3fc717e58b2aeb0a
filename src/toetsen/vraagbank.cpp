#include "toetsen/vraagbank.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

namespace kwil {

namespace {

// A line of a question or an answer as the bank writes it: the blanks that indent it (a
// column of a truth table, a formula set apart) stay, those at its end go.
QString zonderBlanksAchteraan(QString tekst) {
  while (!tekst.isEmpty() && tekst.back().isSpace()) tekst.chop(1);
  return tekst;
}

// Reads a bank line by line; stops at the first fault.
class BankLezer {
 public:
  VraagbankUitslag lees(const QString& tekst) {
    const QStringList regels = tekst.split(QLatin1Char('\n'));
    for (int i = 0; i < regels.size() && fout_.isEmpty(); ++i) {
      regelNr_ = i + 1;
      leesRegel(regels.at(i).trimmed());
    }
    if (fout_.isEmpty()) sluitVraag();
    if (fout_.isEmpty() && bank_.vragen.size() != kVragenPerToets) {
      regelNr_ = 0;
      fout_ =
          QStringLiteral("er staan %1 vragen in plaats van %2").arg(bank_.vragen.size()).arg(kVragenPerToets);
    }
    if (!fout_.isEmpty()) return {std::nullopt, regelNr_, fout_};
    return {bank_, 0, {}};
  }

 private:
  void leesRegel(const QString& r) {
    if (r.isEmpty() || r.startsWith(QLatin1Char('#'))) return;
    static const QRegularExpression kop(QStringLiteral("^Vraag\\s+(\\d+)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (const auto m = kop.match(r); m.hasMatch()) return nieuweVraag(m.captured(1).toInt());
    if (!open_)
      return zetFout(QStringLiteral("deze regel staat niet bij een vraag (begin een vraag met \"Vraag 1\")"));
    static const QRegularExpression veld(QStringLiteral("^([VABCD]|Goed)\\s*:\\s?(.*)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (const auto m = veld.match(r); m.hasMatch())
      return leesVeld(m.captured(1).toUpper(), zonderBlanksAchteraan(m.captured(2)));
    QString fout;
    if (auto s = SchakelRegel::lees(r, fout)) return vraag_.schakeling.append(*s);
    zetFout(r.startsWith(QLatin1Char('E'), Qt::CaseInsensitive) && r.contains(QLatin1Char('='))
                ? fout
                : QStringLiteral("onbekende regel; een regel begint met V:, A:, B:, C:, D:, Goed: of E1 ="));
  }

  void nieuweVraag(int nummer) {
    sluitVraag();
    if (!fout_.isEmpty()) return;
    if (nummer != bank_.vragen.size() + 1)
      return zetFout(QStringLiteral("hier wordt vraag %1 verwacht").arg(bank_.vragen.size() + 1));
    vraag_ = ToetsVraag{};
    open_ = true;
    beginRegel_ = regelNr_;
  }

  void leesVeld(const QString& naam, const QString& tekst) {
    if (naam == QLatin1String("GOED")) {
      static const QRegularExpression letter(QStringLiteral("^[ABCD]$"));
      const QString goed = tekst.trimmed().toUpper();
      if (!letter.match(goed).hasMatch()) return zetFout(QStringLiteral("na Goed: hoort A, B, C of D"));
      vraag_.goed = goed.at(0).unicode() - 'A' + 1;
      return;
    }
    if (tekst.trimmed().isEmpty()) return zetFout(QStringLiteral("lege regel na %1:").arg(naam));
    if (naam == QLatin1String("V")) {
      if (vraag_.vraag.size() == kMaxVraagRegels)
        return zetFout(QStringLiteral("een vraag heeft ten hoogste %1 regels").arg(kMaxVraagRegels));
      vraag_.vraag.append(tekst);
      return;
    }
    QStringList& antwoord = vraag_.antwoorden[static_cast<std::size_t>(naam.at(0).unicode() - 'A')];
    if (antwoord.size() == kMaxAntwoordRegels)
      return zetFout(
          QStringLiteral("antwoord %1 heeft ten hoogste %2 regels").arg(naam).arg(kMaxAntwoordRegels));
    antwoord.append(tekst);
  }

  // Checks the question that is open and adds it to the bank.
  // A fault of the question as a whole is reported at its "Vraag" line.
  void sluitVraag() {
    if (!open_) return;
    open_ = false;
    const QString welke = QStringLiteral("vraag %1: ").arg(bank_.vragen.size() + 1);
    auto vraagFout = [this](const QString& fout) {
      regelNr_ = beginRegel_;
      zetFout(fout);
    };
    if (vraag_.vraag.isEmpty()) return vraagFout(welke + QStringLiteral("de vraag zelf (V:) ontbreekt"));
    QSet<QString> verschillend;
    for (int k = 0; k < 4; ++k) {
      const QStringList& a = vraag_.antwoorden[static_cast<std::size_t>(k)];
      if (a.isEmpty()) return vraagFout(welke + QStringLiteral("antwoord %1 ontbreekt").arg(QChar('A' + k)));
      verschillend.insert(a.join(QLatin1Char(' ')).toLower());
    }
    if (verschillend.size() != 4) return vraagFout(welke + QStringLiteral("twee antwoorden zijn gelijk"));
    if (vraag_.goed == 0) return vraagFout(welke + QStringLiteral("de regel Goed: ontbreekt"));
    bank_.vragen.append(vraag_);
  }

  void zetFout(const QString& fout) {
    if (fout_.isEmpty()) fout_ = fout;
  }

  Vraagbank bank_;
  ToetsVraag vraag_;
  bool open_ = false;
  int regelNr_ = 0;
  int beginRegel_ = 0;
  QString fout_;
};

}  // namespace

QString Vraagbank::sleutel() const {
  QString s;
  for (const ToetsVraag& v : vragen) s += QChar('A' + v.goed - 1);
  return s;
}

VraagbankUitslag leesVraagbank(const QString& tekst) {
  return BankLezer().lees(tekst);
}

QString vraagbankTekst(int les) {
  // The banks are plain text files that a teacher can read and correct; the build compiles
  // them into the program as resources.
  if (les < 1 || les > 5) return {};
  QFile file(QStringLiteral(":/toetsen/les%1.txt").arg(les));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

std::optional<Vraagbank> vraagbank(int les, QString* fout) {
  static QMap<int, VraagbankUitslag> gelezen;
  if (!gelezen.contains(les)) gelezen.insert(les, leesVraagbank(vraagbankTekst(les)));
  const VraagbankUitslag& u = gelezen[les];
  if (fout && !u.bank) {
    *fout = u.regel > 0 ? QStringLiteral("les %1, regel %2: %3").arg(les).arg(u.regel).arg(u.fout)
                        : QStringLiteral("les %1: %2").arg(les).arg(u.fout);
  }
  return u.bank;
}

}  // namespace kwil
