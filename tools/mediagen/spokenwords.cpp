#include "spokenforms.h"

#include <QList>
#include <QRegularExpression>

namespace kwil::media {
namespace {

struct SpokenForm {
  QRegularExpression written;
  QString said;
};

QRegularExpression word(const QString& pattern, bool anyCase = false) {
  return QRegularExpression(pattern, anyCase ? QRegularExpression::CaseInsensitiveOption
                                             : QRegularExpression::NoPatternOption);
}

// English spoken by the English voice: espeak-ng switches for a span marked so.
QString inEnglish(const QString& words) {
  return QStringLiteral("<voice xml:lang=\"en\">") + words + QStringLiteral("</voice>");
}

}  // namespace

QString readWords(const QString& text) {
  // One row a word or phrase: what is written, what is said.
  static const QList<SpokenForm> table = {
      {word("\\bDhr\\."), "meneer"},
      {word("\\bblz\\.", true), "bladzijde"},
      {word("\\bmA\\b"), "milliampère"},
      {word("\\bascii\\b", true), "aski"},
      {word("\\bbyte\\b", true), "bajt"},
      {word("\\bRAM\\b"), "ram"},
      {word("\\bspoiler\\b"), "spojler"},
      // The Dutch voice has no spelling that gives "ruh-lè"; its phonemes do.
      {word("\\brelais\\b"), "[[r@l'E:]]"},
      {word("(?<!\">)\\bLight Emitting Diode\\b"), inEnglish("Light Emitting Diode")},
      {word("(?<!\">)\\bLow Energy Device\\b"), inEnglish("Low Energy Device")},
      {word("\\(AND\\)"), "(" + inEnglish("and") + ")"},
      {word("\\(OR\\)"), "(" + inEnglish("or") + ")"},
      {word("\\(NOT\\)"), "(" + inEnglish("not") + ")"},
      // "een" is also the article: the page means one direction.
      {word("\\bmaar in een richting\\b"), "maar in één richting"},
      // The bar stands over both letters, which the written words do not show.
      {word("\\beerst NIET a OF b en\\b"), "eerst de NIET over a OF b samen, en"},
      // Where the case of a letter is what the page is about.
      {word("\\bde letter ([A-Z])\\b"), "de hoofdletter \\1"},
      {word("\\bde letter ([a-z])\\b"), "de kleine letter \\1"},
      // A letter before a number whose name the voice drops: "s1" is a hiss and a number, which
      // after "is" melts into "is één". E1 is already "ee één".
      {word("\\bs(?=\\d)"), "es"},
      {word("\\bS(?=\\d)"), "Es"},
  };
  QString spoken = text;
  for (const auto& [written, said] : table) spoken.replace(written, said);
  return spoken;
}

}  // namespace kwil::media
