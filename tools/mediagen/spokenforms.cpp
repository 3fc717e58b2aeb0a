#include "spokenforms.h"

#include <QList>
#include <QRegularExpression>

namespace kwil::media {
namespace {

const QChar kOverline(0x0305);

// Where a page teaches how a written form is spoken: "E = a . b  spreek je uit als: E is a EN b".
const QRegularExpression kHowToSay(QStringLiteral("\\s*[,.]?\\s*spreek je uit als\\b[:,]?\\s*"),
                                   QRegularExpression::CaseInsensitiveOption);

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

// How a formula's signs are read out: its bars, its points, its pluses and its "=".
struct SignReading {
  QString bar;  // "\\1" stands for the letter under the bar
  QString andSign, orSign, isSign;
};

QString readSigns(QString formula, const SignReading& reading) {
  static const QRegularExpression barred(QStringLiteral("(\\b[A-Za-z]\\d?)\\x{0305}"));
  static const QRegularExpression andSign(QStringLiteral("\\s*[.\\x{00B7}]\\s*"));
  static const QRegularExpression orSign(QStringLiteral("\\s*\\+\\s*"));
  static const QRegularExpression isSign(QStringLiteral("\\s*=\\s*"));
  return formula.replace(barred, reading.bar)
      .replace(andSign, reading.andSign)
      .replace(orSign, reading.orSign)
      .replace(isSign, reading.isSign);
}

// A formula's signs in words, its bars as NIET: "E is a EN NIET b".
QString formulaInWords(const QString& formula) {
  return readSigns(formula, {QStringLiteral("NIET \\1"), QStringLiteral(" EN "), QStringLiteral(" OF "),
                             QStringLiteral(" is ")});
}

// A formula by what is written, as a teacher points at the board: "E = a . b\u0305" as "E is
// gelijk aan a punt b met een streep erboven".
QString formulaBySigns(const QString& formula) {
  return readSigns(formula, {QStringLiteral("\\1 met een streep erboven"), QStringLiteral(" punt "),
                             QStringLiteral(" plus "), QStringLiteral(" is gelijk aan ")});
}

// A bracket round a part of a formula is said, so that answers that differ only in their
// brackets ("NIET s1 EN s2", "NIET (s1 OF s2)") sound different: "haakje openen, s1 OF s2,
// haakje sluiten". A bracket belongs to a formula when a gate word stands against it; a
// remark in brackets ("als een deur open is (s1 of s2), maar") stays a remark.
QString readGrouping(QString text) {
  static const QRegularExpression group(
      QStringLiteral("\\((\\s*(?:NIET\\s+)?[A-Za-z]\\d?(?:\\s+(?:EN|OF)\\s+(?:NIET\\s+)?[A-Za-z]\\d?)+\\s*)\\)"),
      QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression gateBefore(QStringLiteral("\\b(?:EN|OF|NIET)\\s*$"),
                                             QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression gateAfter(QStringLiteral("^\\s*(?:EN|OF)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
  for (auto m = group.match(text); m.hasMatch(); m = group.match(text, m.capturedStart() + 1)) {
    const QString before = text.left(m.capturedStart());
    const QString after = text.mid(m.capturedEnd());
    if (!gateBefore.match(before).hasMatch() && !gateAfter.match(after).hasMatch()) continue;
    const bool wordBefore = !before.trimmed().isEmpty() && before.trimmed().back().isLetterOrNumber();
    const bool wordAfter = !after.trimmed().isEmpty() && after.trimmed().front().isLetterOrNumber();
    const QString said = QStringLiteral("%1haakje openen, %2, haakje sluiten%3")
                             .arg(wordBefore ? QStringLiteral(", ") : QString(), m.captured(1).trimmed(),
                                  wordAfter ? QStringLiteral(",") : QString());
    const qsizetype start = wordBefore ? before.trimmed().size() : m.capturedStart();
    text.replace(start, m.capturedEnd() - start, said);
  }
  return text;
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

// A name given a value: "s1 = 1", "E1 = 0".
const QString kNameIsValue = QStringLiteral("\\b([A-Za-z]\\d?)\\s*=\\s*(\\d+)(?!\\w)");

// Rewrites every "name = value" of each run of them that follows an opening word
// ("als s1 = 1 en s2 = 0") as `said` does.
QString pairsAfter(QString text, const QString& opening, const QString& said) {
  static const QRegularExpression pair(kNameIsValue);
  const QRegularExpression run(opening + QStringLiteral("\\s+") + kNameIsValue +
                                   QStringLiteral("(?:\\s+(?:en|of)\\s+") + kNameIsValue +
                                   QStringLiteral(")*"),
                               QRegularExpression::CaseInsensitiveOption);
  for (auto m = run.match(text); m.hasMatch();) {
    const QString part = m.captured().replace(pair, said);
    text.replace(m.capturedStart(), m.capturedLength(), part);
    m = run.match(text, m.capturedStart() + part.size());
  }
  return text;
}

// "=" between a name and a value or a description, read as the sentence around it needs.
QString readEquations(QString text) {
  // "s1 s2 = 00, 01": a row of inputs names the columns of the values after it
  static const QRegularExpression inputRow(QStringLiteral("(\\b[A-Za-z]\\d?(?:\\s+[A-Za-z]\\d?)+)\\s*=\\s+"));
  text.replace(inputRow, QStringLiteral("\\1: "));
  // A row of a truth table: "s1 = 0 geeft E1 = 1"
  static const QRegularExpression gives(kNameIsValue + QStringLiteral("\\s+geeft\\s+") + kNameIsValue);
  text.replace(gives, QStringLiteral("\\1 gelijk aan \\2 geeft \\3 gelijk aan \\4"));
  // "a = 1 dan geldt ...": a condition before its main clause
  static const QRegularExpression condition(kNameIsValue + QStringLiteral("\\s+(?=dan\\b)"));
  text.replace(condition, QStringLiteral("\\1 \\2 is, "));
  // "s1 = het alarm staat aan": a name and what it stands for, a sentence of its own
  static const QRegularExpression described(
      QStringLiteral("\\b([A-Za-z]\\d?)\\s*=\\s*(?=(?:de|het)\\s+\\w+\\s+\\w+)"));
  text.replace(described, QStringLiteral("\\1 betekent: "));
  // "als s1 = 1 en s2 = 0": a condition, its verb last ("als s1 1 is en s2 0 is"); "waarin
  // E1 = 1 is" has its verb already
  text = pairsAfter(text, QStringLiteral("\\b(?:als|wanneer|waarin|waarbij|zodra|zolang|dat)(?:\\.\\.\\.)?"),
                    QStringLiteral("\\1 \\2 is"));
  static const QRegularExpression verbTwice(QStringLiteral("(\\d) is is\\b"));
  text.replace(verbTwice, QStringLiteral("\\1 is"));
  static const QRegularExpression thenMain(QStringLiteral("(\\d) is dan\\b"));
  text.replace(thenMain, QStringLiteral("\\1 is, dan"));
  // "bij s1 = 0", "is E1 = 1?": "bij s1 gelijk aan 0", "is E1 gelijk aan 1?"
  return pairsAfter(text, QStringLiteral("\\b(?:bij|is)"), QStringLiteral("\\1 gelijk aan \\2"));
}

}  // namespace

QString readFormulas(const QString& text) {
  QString spoken = barsOverFormulas(text);
  static const QRegularExpression formula(kFormula);
  // After "is" the formula's own "is" would follow at once: "De formule is: E1 is ...".
  static const QRegularExpression afterIs(QStringLiteral("\\bis(\\s*)$"));
  for (auto m = formula.match(spoken); m.hasMatch(); m = formula.match(spoken, m.capturedStart() + 1)) {
    qsizetype start = m.capturedStart();
    qsizetype end = m.capturedEnd();
    QString words;
    const auto taught = kHowToSay.match(spoken, end, QRegularExpression::NormalMatch,
                                        QRegularExpression::AnchorAtOffsetMatchOption);
    if (taught.hasMatch()) {
      words = formulaBySigns(m.captured()) + QStringLiteral(", spreek je uit als: ");
      end = taught.capturedEnd();
    } else {
      words = formulaInWords(m.captured());
      if (const auto is = afterIs.match(spoken.left(start)); is.hasMatch()) {
        words.prepend(QStringLiteral(": "));
        start = is.capturedStart(1);
      }
    }
    spoken.replace(start, end - start, words);
  }
  spoken = readEquations(spoken);
  static const QList<std::pair<QRegularExpression, QString>> signs = {
      // "a + b" outside a formula: between names the sign is OF, as in a formula; a bracket
      // that says it again in words ("a + b (a OF b)") is not said twice
      {QRegularExpression(QStringLiteral("(\\b[A-Za-z]\\d?) \\+ (?=[A-Za-z]\\d?\\b)")), QStringLiteral("\\1 OF ")},
      {QRegularExpression(QStringLiteral("(\\b[A-Za-z]\\d?(?: OF [A-Za-z]\\d?)+) \\(\\1\\)")), QStringLiteral("\\1")},
      // "de +", "een +": the sign itself
      {QRegularExpression(QStringLiteral("\\b(de|een) \\+(?=[\\s.,]|$)")), QStringLiteral("\\1 plus")},
      // "binair 01000001 = decimaal 65 = de letter A": the second "=" goes on from the first
      {QRegularExpression(QStringLiteral("(\\s=\\s[^=.!?;:,]*?)\\s+=(?=\\s)")), QStringLiteral("\\1, dat is")},
      // "153 - 128 = 25": a difference, not a range
      {QRegularExpression(QStringLiteral("(\\d) - (\\d+ =)")), QStringLiteral("\\1 min \\2")},
      {QRegularExpression(QStringLiteral("(\\d) x (?=\\d)")), QStringLiteral("\\1 keer ")},
      {QRegularExpression(QStringLiteral("(^|\\s)=(?=\\s|$)")), QStringLiteral("\\1is")},
      // "... is 16 . Zet hieronder": a full stop before a new sentence, not the sign
      {QRegularExpression(QStringLiteral("(\\S)\\s+\\.(?=\\s+[A-Z][a-z]|\\s*$)")), QStringLiteral("\\1.")},
      // "een . (PUNT)", "meer. .. (Punten)": the bracket names the points shown
      {QRegularExpression(QStringLiteral("\\s*\\.(?:\\s*\\.)*\\s*(?=\\(punt)"), QRegularExpression::CaseInsensitiveOption),
       QStringLiteral(" ")},
      // "de . voor de EN": the sign itself
      {QRegularExpression(QStringLiteral("(^|\\s)\\.(?=\\s|$)")), QStringLiteral("\\1punt")},
  };
  for (const auto& [written, said] : signs) spoken.replace(written, said);
  static const QRegularExpression blanks(QStringLiteral("\\s{2,}"));
  static const QRegularExpression blankBeforeComma(QStringLiteral("\\s+,"));
  return readGrouping(spoken.replace(blanks, QStringLiteral(" ")).replace(blankBeforeComma, QStringLiteral(",")));
}

namespace {

const QString kSuperscripts = QStringLiteral("\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079");

// "2²": "2 tot de macht 2"; where the page then says how to speak it, by what is written:
// "2 met een kleine 2 erboven".
QString readPowers(QString text) {
  static const QRegularExpression power(QStringLiteral("(\\d)([") + kSuperscripts + QStringLiteral("]+)"));
  for (auto m = power.match(text); m.hasMatch(); m = power.match(text, m.capturedStart() + 1)) {
    QString exponent;
    for (QChar raised : m.captured(2)) exponent += QString::number(kSuperscripts.indexOf(raised));
    const bool taught = kHowToSay.match(text, m.capturedEnd(), QRegularExpression::NormalMatch,
                                        QRegularExpression::AnchorAtOffsetMatchOption)
                            .hasMatch();
    text.replace(m.capturedStart(2), m.capturedLength(2),
                 taught ? QStringLiteral(" met een kleine ") + exponent + QStringLiteral(" erboven")
                        : QStringLiteral(" tot de macht ") + exponent);
  }
  return text;
}

// A line that stops without a mark before a line that starts anew ends a sentence: a table
// row ("s1 = 0 geeft E1 = 1") or a list line ("Als eerste de NIET") is heard on its own. A
// line that ends in a mark, also inside a bracket ("(1 van 5.)"), or a bar of underscores
// over the next line, goes on as it is. Words printed in columns apart on one line ("a is een
// WEL   b is een NIET") are read with a pause between them.
QStringList withSentenceEnds(QStringList lines) {
  static const QRegularExpression closed(QStringLiteral("[.,;:!?\\-=(_]\\)?$"));
  static const QRegularExpression opensAnew(QStringLiteral("^(?:[A-Z][a-z]|[A-Za-z]\\d?\\s*=)"));
  static const QRegularExpression columnsApart(QStringLiteral("(\\w)\\s{3,}(?=\\w)"));
  // "voor de", "EN een .", "OF een +": each gate and its sign a clause, so that the second
  // gate's name is not heard as joining the two signs ("een punt of een plus")
  static const QRegularExpression gateAndSign(QStringLiteral("^(?:EN|OF|NIET) een \\S+$"));
  for (qsizetype i = lines.size() - 1; i > 0; --i)
    if (gateAndSign.match(lines[i]).hasMatch() && gateAndSign.match(lines[i - 1]).hasMatch())
      lines[i].prepend(QStringLiteral(", en voor de "));
  for (qsizetype i = 0; i < lines.size(); ++i) {
    lines[i].replace(columnsApart, QStringLiteral("\\1, "));
    if (i + 1 < lines.size() && !closed.match(lines[i]).hasMatch() &&
        opensAnew.match(lines[i + 1]).hasMatch())
      lines[i] += QLatin1Char('.');
  }
  return lines;
}

// Capitals stress a word on the screen, above all a gate's name ("de schakelingen WEL, NIET,
// EN en OF"); the voice would spell them, or, lowered, hear "en" and "of" as joining words.
// They are spoken stressed (SSML, espeak-ng -m), gate names in English as words.
QString stressCapitals(QString text) {
  static const QRegularExpression stressed(
      QStringLiteral("\\b(?:WEL|NIET|EN|OF|NEN|NOF|DAN|PARALLEL|SERIE|PUNT)\\b"));
  for (auto m = stressed.match(text); m.hasMatch(); m = stressed.match(text, m.capturedStart() + 1)) {
    const QString said =
        QStringLiteral("<emphasis>") + m.captured().toLower() + QStringLiteral("</emphasis>");
    text.replace(m.capturedStart(), m.capturedLength(), said);
  }
  return text;
}

// A sentence that begins with a name or a gate's name ("s1 is bediend", "NIET: keert de ingang
// om") starts with a capital when spoken: after a full stop before a small letter the voice
// hears no sentence end, and reads "1. s1" as "eerste s1" and a full stop after a stressed
// word as "punt". An ellipsis ("Dat wil zeggen... wanneer") goes on.
QString capitalSentenceStarts(QString text) {
  static const QRegularExpression start(QStringLiteral("(?<!\\.)[.!?]\\)?\\s+(?:<emphasis>)?([a-z])"));
  for (auto m = start.match(text); m.hasMatch(); m = start.match(text, m.capturedEnd()))
    text[m.capturedStart(1)] = m.captured(1).at(0).toUpper();
  return text;
}

}  // namespace

QString superscript(const QString& digits) {
  QString raised;
  for (QChar digit : digits) raised += digit.isDigit() ? kSuperscripts.at(digit.digitValue()) : digit;
  return raised;
}

QString spokenText(const QStringList& lines) {
  QStringList spoken;
  for (const QString& text : lines)
    for (const QString& line : text.split(QLatin1Char('\n')))
      if (!line.trimmed().isEmpty()) spoken.append(line.trimmed());
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  const QString joined = withSentenceEnds(spoken).join(QLatin1Char(' ')).replace(blanks, QStringLiteral(" "));
  QString text = readFormulas(readBitPatterns(readPowers(joined)));
  static const QList<std::pair<QRegularExpression, QString>> signs = {
      {QRegularExpression(QStringLiteral("(\\d) - (\\d)")), QStringLiteral("\\1 tot \\2")},
      // The signs inside the gate symbols.
      {QRegularExpression(QStringLiteral("&")), QStringLiteral("en-teken")},
      {QRegularExpression(QStringLiteral("≥")), QStringLiteral("groter dan of gelijk aan ")},
      // The voice reads markup: a sign of comparison is said, never taken for a tag.
      {QRegularExpression(QStringLiteral("<(?!/?(?:emphasis|voice)\\b)")), QStringLiteral(" kleiner dan ")},
      {QRegularExpression(QStringLiteral("(?<!emphasis)(?<!voice)(?<!\")>")), QStringLiteral(" groter dan ")},
  };
  for (const auto& [written, said] : signs) text.replace(written, said);
  text = readWords(text).replace(blanks, QStringLiteral(" ")).trimmed();
  // A page that stops without a mark still ends its last sentence.
  static const QRegularExpression sentences(QStringLiteral("[.!?]\\s"));
  static const QRegularExpression ended(QStringLiteral("[.!?:;,]['\\)]?$"));
  if (sentences.match(text).hasMatch() && !ended.match(text).hasMatch()) text += QLatin1Char('.');
  return capitalSentenceStarts(stressCapitals(text));
}

}  // namespace kwil::media
