#include "spokenforms.h"

#include <QList>
#include <QRegularExpression>

namespace kwil::media {
namespace {

const QChar kOverline(0x0305);

bool onlyBits(const QString& number) {
  return !number.isEmpty() && number.count(QLatin1Char('0')) + number.count(QLatin1Char('1')) == number.size();
}

QString digitByDigit(const QString& bits) {
  QStringList words;
  for (QChar digit : bits) words.append(digit == QLatin1Char('0') ? QStringLiteral("nul") : QStringLiteral("één"));
  return words.join(QLatin1Char(' '));
}

struct Number {
  qsizetype at = 0;
  QString digits;
  bool bits = false;
};

// Does the text before a number make it a bit pattern?
bool bitsByWhatPrecedes(const QString& before) {
  // "het binaire getal 101", "Binair  01000000", "de binaire waarde op 101"
  static const QRegularExpression binaryWord(QStringLiteral("\\bbinaire?(\\s+(getal|waarde|patroon))?(\\s+op)?\\s*$"),
                                             QRegularExpression::CaseInsensitiveOption);
  // Two or more input names before "=": one digit for each ("s1 s2 = 10", "a b c = 101").
  static const QRegularExpression inputNames(QStringLiteral("\\b[A-Za-z]\\d?(\\s+[A-Za-z]\\d?)+\\s*=\\s*$"));
  return binaryWord.match(before).hasMatch() || inputNames.match(before).hasMatch();
}

}  // namespace

QString readBitPatterns(const QString& text) {
  static const QRegularExpression numberPattern(QStringLiteral("(?<![\\w.,])\\d+(?![\\w]|[.,]\\d)"));
  QList<Number> numbers;
  for (auto it = numberPattern.globalMatch(text); it.hasNext();) {
    const auto m = it.next();
    Number n{m.capturedStart(), m.captured(), false};
    if (n.digits.size() >= 2 && onlyBits(n.digits))
      n.bits = n.digits.startsWith(QLatin1Char('0')) || n.digits.size() >= 4 || bitsByWhatPrecedes(text.left(n.at));
    numbers.append(n);
  }
  // A list that holds one bit pattern holds only bit patterns: "00, 01, 10 en 11".
  static const QRegularExpression listSeparator(QStringLiteral("^\\s*(,|en|of)\\s*$|^\\s*,\\s*(en|of)\\s*$"));
  for (qsizetype first = 0; first < numbers.size();) {
    qsizetype last = first;
    while (last + 1 < numbers.size()) {
      const Number& here = numbers[last];
      const QString between = text.mid(here.at + here.digits.size(), numbers[last + 1].at - here.at - here.digits.size());
      if (!listSeparator.match(between).hasMatch()) break;
      ++last;
    }
    bool anyBits = false;
    for (qsizetype i = first; i <= last; ++i) anyBits = anyBits || numbers[i].bits;
    for (qsizetype i = first; i <= last; ++i)
      if (anyBits && numbers[i].digits.size() >= 2 && onlyBits(numbers[i].digits)) numbers[i].bits = true;
    first = last + 1;
  }
  QString spoken = text;
  for (qsizetype i = numbers.size() - 1; i >= 0; --i)
    if (numbers[i].bits) spoken.replace(numbers[i].at, numbers[i].digits.size(), digitByDigit(numbers[i].digits));
  return spoken;
}

namespace {

// The parts of a switching formula: a name (a, s1, E2), maybe barred or negated, and the
// signs between names.
const QString kName = QStringLiteral("\\b[A-Za-z]\\d?\\b\\x{0305}?");
const QString kTerm = QStringLiteral("(?:NIET\\s+)?(?:\\(\\s*)*") + kName + QStringLiteral("(?:\\s*\\))*");
// The point stands between blanks, as the lessons write it, so that a sentence's full stop
// after a name ("... EN s3. s1 is bediend") is no sign.
const QString kSign = QStringLiteral("(?:\\s*[\\x{00B7}+]\\s*|\\s+\\.\\s+|\\s*\\bEN\\b\\s*|\\s*\\bOF\\b\\s*)");
// A name, "=", and terms joined by signs: "E = a . b", "E1 = s1 + s2\u0305", "E = (a + b) . c",
// "E = a\u0305".
const QString kFormula = kName + QStringLiteral("\\s*=\\s*") + kTerm + QStringLiteral("(?:") + kSign + kTerm +
                         QStringLiteral(")*");

// A formula's signs in words, its bars as NIET.
QString formulaInWords(QString formula) {
  static const QRegularExpression barred(QStringLiteral("(\\b[A-Za-z]\\d?)\\x{0305}"));
  formula.replace(barred, QStringLiteral("NIET \\1"));
  static const QRegularExpression andSign(QStringLiteral("\\s*[.\\x{00B7}]\\s*"));
  static const QRegularExpression orSign(QStringLiteral("\\s*\\+\\s*"));
  static const QRegularExpression isSign(QStringLiteral("\\s*=\\s*"));
  formula.replace(andSign, QStringLiteral(" EN ")).replace(orSign, QStringLiteral(" OF ")).replace(isSign, QStringLiteral(" is "));
  return formula;
}

// A bar of underscores alone, before a formula: the bar goes over the formula's last letter.
QString barsOverFormulas(const QString& text) {
  static const QRegularExpression barThenFormula(QStringLiteral("(?:^|\\s)_+\\s+(") + kFormula + QStringLiteral(")"));
  QString result = text;
  for (auto m = barThenFormula.match(result); m.hasMatch(); m = barThenFormula.match(result, m.capturedStart())) {
    QString formula = m.captured(1);
    static const QRegularExpression lastName(QStringLiteral("\\b([A-Za-z]\\d?)(?!\\x{0305})\\b(?=\\s*\\)*\\s*$)"));
    const auto name = lastName.match(formula);
    if (name.hasMatch()) formula.insert(name.capturedEnd(1), kOverline);
    const qsizetype start = m.capturedStart(0) + (result.at(m.capturedStart(0)).isSpace() ? 1 : 0);
    result.replace(start, m.capturedEnd(1) - start, formula);
  }
  return result;
}

}  // namespace

QString readFormulas(const QString& text) {
  QString spoken = barsOverFormulas(text);
  static const QRegularExpression formula(kFormula);
  for (auto m = formula.match(spoken); m.hasMatch(); m = formula.match(spoken, m.capturedStart() + 1)) {
    const QString words = formulaInWords(m.captured());
    spoken.replace(m.capturedStart(), m.capturedLength(), words);
  }
  static const QList<std::pair<QRegularExpression, QString>> signs = {
      // "153 - 128 = 25": a difference, not a range
      {QRegularExpression(QStringLiteral("(\\d) - (\\d+ =)")), QStringLiteral("\\1 min \\2")},
      {QRegularExpression(QStringLiteral("(\\d) x (?=\\d)")), QStringLiteral("\\1 keer ")},
      // "is E1 = 1?": "is E1 gelijk aan 1?", not "is E1 is 1?"
      {QRegularExpression(QStringLiteral("(\\bis\\s+[A-Za-z]\\d?\\s+)=(?=\\s)")), QStringLiteral("\\1gelijk aan")},
      {QRegularExpression(QStringLiteral("(^|\\s)=(?=\\s|$)")), QStringLiteral("\\1is")},
      // "de . voor de EN": the sign itself; "een . (PUNT)" names it already
      {QRegularExpression(QStringLiteral("(^|\\s)\\.(?=\\s|$)(?!\\s*\\(punt)"), QRegularExpression::CaseInsensitiveOption),
       QStringLiteral("\\1punt")},
      {QRegularExpression(QStringLiteral("(^|\\s)\\.(?=\\s*\\(punt)"), QRegularExpression::CaseInsensitiveOption),
       QStringLiteral("\\1")},
  };
  for (const auto& [written, said] : signs) spoken.replace(written, said);
  static const QRegularExpression blanks(QStringLiteral("\\s{2,}"));
  return spoken.replace(blanks, QStringLiteral(" "));
}

}  // namespace kwil::media
