#pragma once
// How a Dutch teacher reads the course's notation aloud. A speech synthesiser reads what is
// written: a bit pattern as a decimal number ("101" as "honderd een"), a switching formula
// without its signs ("E = a . b" as "E gelijkteken a b"). These rules rewrite such notation
// into the words the lessons teach, for every text that is spoken: page texts and test texts
// alike.
#include <QString>
#include <QStringList>

namespace kwil::media {

// Bit patterns digit by digit ("101" becomes "één nul één"), ordinary numbers left as
// numbers. A row of noughts and ones counts as a bit pattern when
//   - it begins with a nought ("00", "0011", "= 00000101"; a decimal number never does),
//   - it has four or more digits (the course's decimal numbers stay below 1000),
//   - it follows a word that says it is binary ("het binaire getal 101", "Binair 101"),
//   - it stands after a row of input names, one digit per input ("s1 s2 = 10"),
//   - or it stands in one list with a bit pattern ("00, 01, 10 en 11").
QString readBitPatterns(const QString& text);

// Switching formulas as the lessons teach them to be spoken: in a formula "." and "·" are EN,
// "+" is OF, a letter with a bar over it (a combining overline, U+0305) is NIET and the letter.
// A bar printed as underscores standing alone before a formula, as a lesson page prints the
// bar on the row above, stands over the formula's last letter. Outside a formula "=" is read
// as the sentence around it needs: "s1 = het alarm staat aan" as "s1 betekent: het alarm
// staat aan", a condition with its verb last ("als s1 = 1 en s2 = 0" as "als s1 1 is en s2 0
// is"), "bij s1 = 0" as "bij s1 gelijk aan 0", otherwise "is". A lone "." before a new
// sentence ends the sentence before it; elsewhere it is "punt". A "-" between numbers that
// are equated is "min" and an "x" between numbers is "keer".
QString readFormulas(const QString& text);

// Digits as an exponent, raised after their base ("2" becomes "²"), the way a page that
// prints a power is read aloud: "2²" is spoken "2 tot de macht 2".
QString superscript(const QString& digits);

// Words and letters the voice would say wrongly, given as a teacher says them: English in
// the English voice, abbreviations in full, a switch name "s1" as "es1", and the case of a
// letter where the page is about it ("de letter a" as "de kleine letter a"). One table, a row a
// word.
QString readWords(const QString& text);

// The lines of a page as one text to speak: empty lines left out, a line that stops without a mark
// before a new sentence or table row ended with a full stop, the rest joined with a blank, powers,
// bit patterns and formulas read as a teacher reads them (above), and the few written forms a
// speech synthesiser would spell out letter by letter ("Dhr.", "blz.", "mA") given in their spoken
// form (readWords). Words in capitals ("WEL", "EN") are stressed with SSML, so the text is spoken with
// espeak-ng -m. A text may hold several lines itself, separated by newlines. Every text that is
// spoken goes through it.
QString spokenText(const QStringList& lines);

}  // namespace kwil::media
