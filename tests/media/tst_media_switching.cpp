// The pictures of the switching formulas: every name the lesson loads is made at the size
// of its kind, the three pictures of each combination of inputs show the same value of E
// as the formula gives, and three frames of those sizes fit side by side in the window.
#include "formulapicture.h"
#include "gatediagram.h"
#include "schematic.h"
#include "shared/datafiles.h"
#include "switchingformulas.h"

#include <QDir>
#include <QImage>
#include <QRectF>
#include <QTest>

#include <functional>

using namespace kwil::media;

namespace {

// What the lesson's engine shows for each combination of operated inputs: E and the
// formula, gate and circuit pictures, exactly as the lesson names them.
struct EngineRow {
  const char* circuit;
  const char* operated;
  int e;
  const char* formula;
  const char* gates;
  const char* schema;
};

const EngineRow kEngineRows[] = {
      {"En2", "ab", 1, "ImgAlgebraa1ENb1.bmp", "ImgLogPoortEn2abbediend.bmp", "ImgSchemaLedEnabABbediend.bmp"},
      {"En2", "a", 0, "ImgAlgebraa1ENb.bmp", "ImgLogPoortEn2abediend.bmp", "ImgSchemaLedEnabAbediend.bmp"},
      {"En2", "b", 0, "ImgAlgebraaENb1.bmp", "ImgLogPoortEn2bbediend.bmp", "ImgSchemaLedEnabBbediend.bmp"},
      {"En2", "", 0, "ImgAlgebraaENb.bmp", "ImgLogPoortEn2Onbediend.bmp", "ImgSchemaLedEnabOnbediend.bmp"},
      {"En3", "abc", 1, "ImgAlgebraa1ENb1ENc1.bmp", "ImgLogPoortEn3abcbediend.bmp", "ImgSchemaLedEnabcABCbediend.bmp"},
      {"En3", "ab", 0, "ImgAlgebraa1ENb1ENc.bmp", "ImgLogPoortEn3abbediend.bmp", "ImgSchemaLedEnabcABbediend.bmp"},
      {"En3", "ac", 0, "ImgAlgebraa1ENbENc1.bmp", "ImgLogPoortEn3acbediend.bmp", "ImgSchemaLedEnabcACbediend.bmp"},
      {"En3", "bc", 0, "ImgAlgebraaENb1ENc1.bmp", "ImgLogPoortEn3bcbediend.bmp", "ImgSchemaLedEnabcBCbediend.bmp"},
      {"En3", "a", 0, "ImgAlgebraa1ENbENc.bmp", "ImgLogPoortEn3abediend.bmp", "ImgSchemaLedEnabcAbediend.bmp"},
      {"En3", "b", 0, "ImgAlgebraaENb1ENc.bmp", "ImgLogPoortEn3bbediend.bmp", "ImgSchemaLedEnabcBbediend.bmp"},
      {"En3", "c", 0, "ImgAlgebraaENbENc1.bmp", "ImgLogPoortEn3cbediend.bmp", "ImgSchemaLedEnabcCbediend.bmp"},
      {"En3", "", 0, "ImgAlgebraaENbENc.bmp", "ImgLogPoortEn3Onbediend.bmp", "ImgSchemaLedEnabcOnbediend.bmp"},
      {"Of2", "ab", 1, "ImgAlgebraa1OFb1.bmp", "ImgLogPoortOf2abbediend.bmp", "ImgSchemaLedOfabABbediend.bmp"},
      {"Of2", "a", 1, "ImgAlgebraa1OFb.bmp", "ImgLogPoortOf2abediend.bmp", "ImgSchemaLedOfabAbediend.bmp"},
      {"Of2", "b", 1, "ImgAlgebraaOFb1.bmp", "ImgLogPoortOf2bbediend.bmp", "ImgSchemaLedOfabBbediend.bmp"},
      {"Of2", "", 0, "ImgAlgebraaOFb.bmp", "ImgLogPoortOf2Onbediend.bmp", "ImgSchemaLedOfabOnbediend.bmp"},
      {"Niet", "a", 0, "ImgAlgebraNieta1.bmp", "ImgLogPoortNietBediend.bmp", "ImgSchemaLedNietaBediend.bmp"},
      {"Niet", "", 1, "ImgAlgebraNieta.bmp", "ImgLogPoortNietOnbediend.bmp", "ImgSchemaLedNietaOnbediend.bmp"},
      {"EnaNietb", "ab", 0, "ImgAlgebraa1ENNIETb1.bmp", "ImgLogPoortEnaNietbABbediend.bmp", "ImgSchemaLedEnaNietbABbediend.bmp"},
      {"EnaNietb", "a", 1, "ImgAlgebraa1ENNIETb.bmp", "ImgLogPoortEnaNietbAbediend.bmp", "ImgSchemaLedEnaNietbAbediend.bmp"},
      {"EnaNietb", "b", 0, "ImgAlgebraaENNIETb1.bmp", "ImgLogPoortEnaNietbBbediend.bmp", "ImgSchemaLedEnaNietbBbediend.bmp"},
      {"EnaNietb", "", 0, "ImgAlgebraaENNIETb.bmp", "ImgLogPoortEnaNietbOnbediend.bmp", "ImgSchemaLedEnaNietbOnbediend.bmp"},
      {"EnOf", "abc", 1, "ImgAlgebraa1ENb1OFc1.bmp", "ImgLogPoortEnOfabcbediend.bmp", "ImgSchemaLedEnOfabcbediend.bmp"},
      {"EnOf", "ab", 1, "ImgAlgebraa1ENb1OFc.bmp", "ImgLogPoortEnOfabbediend.bmp", "ImgSchemaLedEnOfabbediend.bmp"},
      {"EnOf", "ac", 1, "ImgAlgebraa1ENbOFc1.bmp", "ImgLogPoortEnOfacbediend.bmp", "ImgSchemaLedEnOfacbediend.bmp"},
      {"EnOf", "bc", 1, "ImgAlgebraaENb1OFc1.bmp", "ImgLogPoortEnOfbcbediend.bmp", "ImgSchemaLedEnOfbcbediend.bmp"},
      {"EnOf", "a", 0, "ImgAlgebraa1ENbOFc.bmp", "ImgLogPoortEnOfabediend.bmp", "ImgSchemaLedEnOfabediend.bmp"},
      {"EnOf", "b", 0, "ImgAlgebraaENb1OFc.bmp", "ImgLogPoortEnOfbbediend.bmp", "ImgSchemaLedEnOfbbediend.bmp"},
      {"EnOf", "c", 1, "ImgAlgebraaENbOFc1.bmp", "ImgLogPoortEnOfcbediend.bmp", "ImgSchemaLedEnOfcbediend.bmp"},
      {"EnOf", "", 0, "ImgAlgebraaENbOFc.bmp", "ImgLogPoortEnOfOnbediend.bmp", "ImgSchemaLedEnOfabcOnbediend.bmp"},
      {"Relais", "abc", 0, "ImgAlgebraa1OFb1NIETENc1.bmp", "ImgLogPoortOfabNietEncABCbediend.bmp", "ImgSchemaRelaisLedOfabNietEncABCbediend.bmp"},
      {"Relais", "ab", 0, "ImgAlgebraa1OFb1NIETENc.bmp", "ImgLogPoortOfabNietEncABbediend.bmp", "ImgSchemaRelaisLedOfabNietEncABbediend.bmp"},
      {"Relais", "ac", 0, "ImgAlgebraa1OFbNIETENc1.bmp", "ImgLogPoortOfabNietEncACbediend.bmp", "ImgSchemaRelaisLedOfabNietEncACbediend.bmp"},
      {"Relais", "bc", 0, "ImgAlgebraaOFb1NIETENc1.bmp", "ImgLogPoortOfabNietEncBCbediend.bmp", "ImgSchemaRelaisLedOfabNietEncBCbediend.bmp"},
      {"Relais", "a", 0, "ImgAlgebraa1OFbNIETENc.bmp", "ImgLogPoortOfabNietEncAbediend.bmp", "ImgSchemaRelaisLedOfabNietEncAbediend.bmp"},
      {"Relais", "b", 0, "ImgAlgebraaOFb1NIETENc.bmp", "ImgLogPoortOfabNietEncBbediend.bmp", "ImgSchemaRelaisLedOfabNietEncBbediend.bmp"},
      {"Relais", "c", 1, "ImgAlgebraaOFbNIETENc1.bmp", "ImgLogPoortOfabNietEncCbediend.bmp", "ImgSchemaRelaisLedOfabNietEncCbediend.bmp"},
      {"Relais", "", 0, "ImgAlgebraaOFbNIETENc.bmp", "ImgLogPoortOfabNietEncOnbediend.bmp", "ImgSchemaRelaisLedOfabNietEncOnbediend.bmp"},
};

// Each circuit's formula, evaluated here on its own.
bool expectedE(const QString& circuit, bool sA, bool sB, bool sC) {
  static const QHash<QString, std::function<bool(bool, bool, bool)>> formulas = {
      {"En2", [](bool a, bool b, bool) { return a && b; }},
      {"En3", [](bool a, bool b, bool c) { return a && b && c; }},
      {"Of2", [](bool a, bool b, bool) { return a || b; }},
      {"Niet", [](bool a, bool, bool) { return !a; }},
      {"EnaNietb", [](bool a, bool b, bool) { return a && !b; }},
      {"EnOf", [](bool a, bool b, bool c) { return (a && b) || c; }},
      {"Relais", [](bool a, bool b, bool c) { return !(a || b) && c; }},
  };
  return formulas.value(circuit)(sA, sB, sC);
}

QSet<QString> operatedSet(const QString& letters) {
  QSet<QString> set;
  for (QChar letter : letters) set.insert(QString(letter));
  return set;
}

struct Found {
  const SwitchingFamily* family = nullptr;
  const SwitchingState* state = nullptr;
};

Found generated(const QString& formulaFile) {
  for (const SwitchingFamily& family : switchingFamilies())
    for (const SwitchingState& state : family.states)
      if (state.formulaFile == formulaFile) return {&family, &state};
  return {};
}

// The size every picture of a kind has; the lesson's frames are laid out for these.
QSize expectedSize(const QString& name) {
  if (name.startsWith("ImgAlgebra")) return {200, 80};
  if (name.startsWith("ImgLogPoort")) return {230, 160};
  if (name.startsWith("ImgSchemaRelaisLed")) return {300, 320};
  if (name.startsWith("ImgSchemaLed")) return {240, 320};
  return {};
}

bool isLive(QRgb pixel) { return qRed(pixel) > 180 && qGreen(pixel) < 110 && qBlue(pixel) < 110; }

// Whether any pixel in the area is drawn in the live colour.
bool hasLive(const QImage& image, const QRectF& area) {
  const QRect box = area.toAlignedRect() & image.rect();
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x)
      if (isLive(image.pixel(x, y))) return true;
  return false;
}

qsizetype partLabelled(const Circuit& circuit, const QString& label) {
  for (qsizetype i = 0; i < circuit.parts.size(); ++i)
    if (circuit.parts[i].label == label) return i;
  return -1;
}

void addEngineRows() {
  QTest::addColumn<QString>("circuit");
  QTest::addColumn<QString>("operated");
  QTest::addColumn<bool>("e");
  QTest::addColumn<QString>("formula");
  QTest::addColumn<QString>("gates");
  QTest::addColumn<QString>("schema");
  for (const EngineRow& row : kEngineRows)
    QTest::addRow("%s %s", row.circuit, *row.operated ? row.operated : "-")
        << row.circuit << row.operated << (row.e == 1) << row.formula << row.gates << row.schema;
}

// The window's layout rules for the three frames, in window pixels.
struct Window {
  double width, height;
  double sx() const { return width / 640; }
  double sy() const { return height / 480; }
  double band() const { return 320 * sy(); }  // top of the band below the pictures
  QRectF infoBar() const { return {416 * sx(), 8 * sy(), 217 * sx(), 33 * sy()}; }

  // A frame around a picture, centred on the window and between its top and the band.
  QRectF centred(QSize picture) const {
    const double w = picture.width() + 20, h = picture.height() + 20;
    return {width / 2 - w / 2, band() / 2 - h / 2, w, h};
  }
  // Circuit left of the gates, formula right of them, each centred in its strip.
  QList<QRectF> besideGates(QRectF gates, QSize schema, QSize formula) const {
    QRectF left = centred(schema), right = centred(formula);
    left.moveLeft(gates.left() / 2 - left.width() / 2);
    right.moveLeft((gates.left() + width + gates.width()) / 2 - right.width() / 2);
    return {left, gates, right};
  }
  // The relay page: circuit at a third of the width, gates beside it at its top, formula
  // under the gates at its bottom.
  QList<QRectF> relay(QSize schema, QSize gates, QSize formula) const {
    QRectF left = centred(schema), middle = centred(gates), right = centred(formula);
    left.moveLeft(width / 3.5 - left.width() / 2);
    middle.moveTop(left.top() + (height <= 600 ? 30 * sy() : 0));
    middle.moveLeft((left.left() + width + left.width()) / 2 - middle.width() / 2);
    right.moveTop(left.bottom() - right.height());
    right.moveLeft(middle.right() - right.width());
    return {left, middle, right};
  }
};

const SwitchingFamily& familyWithFormula(const QString& noneFile) { return *generated(noneFile).family; }

}  // namespace

class TestMediaSwitching : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // The generator's table holds every combination the engine shows, under the same names,
  // with the E the formula gives.
  void everyEngineRowIsGenerated_data() { addEngineRows(); }
  void everyEngineRowIsGenerated() {
    QFETCH(QString, circuit);
    QFETCH(QString, operated);
    QFETCH(bool, e);
    QFETCH(QString, formula);
    QFETCH(QString, gates);
    QFETCH(QString, schema);
    QCOMPARE(expectedE(circuit, operated.contains('a'), operated.contains('b'), operated.contains('c')), e);
    const Found found = generated(formula);
    QVERIFY2(found.state, qPrintable(formula + " is not generated"));
    QCOMPARE(found.state->operated, operatedSet(operated));
    QCOMPARE(found.state->output, e);
    QCOMPARE(found.state->gatesFile, gates);
    QCOMPARE(found.state->circuitFile, schema);
  }

  void generatorMakesNoOtherRows() {
    qsizetype rows = 0;
    for (const SwitchingFamily& family : switchingFamilies()) rows += family.states.size();
    QCOMPARE(rows, qsizetype(std::size(kEngineRows)));
  }

  // Each drawing shows E as the formula gives it: the circuit lights its LED, the gate
  // diagram's output line and label are live, the formula's E is live; inputs likewise.
  void picturesOfARowAgreeOnE_data() { addEngineRows(); }
  void picturesOfARowAgreeOnE() {
    QFETCH(QString, operated);
    QFETCH(bool, e);
    QFETCH(QString, formula);
    const Found found = generated(formula);
    QVERIFY(found.state);
    const SwitchingFamily& family = *found.family;
    const QSet<QString> inputs = operatedSet(operated);

    const Circuit& circuit = family.circuit;
    const qsizetype led = partLabelled(circuit, "E");
    QVERIFY(led >= 0);
    QCOMPARE(partsCarryingCurrent(circuit, inputs)[led], e);
    const QImage schema = family.draw(SwitchingView::Circuit, inputs);
    const QPointF ledMiddle = (circuit.parts[led].from + circuit.parts[led].to) / 2;
    QCOMPARE(hasLive(schema, QRectF(ledMiddle - QPointF(3, 3), QSizeF(6, 6))), e);

    const QSize gateSize = family.size(SwitchingView::Gates);
    const GateDiagram diagram = layoutGates(family.formula, inputs, gateSize);
    const QImage gates = family.draw(SwitchingView::Gates, inputs);
    for (const GateLabel& label : diagram.labels) {
      const bool one = label.text == "E" ? e : inputs.contains(label.text);
      QCOMPARE(label.one, one);
      // The line at the label carries its value.
      const QPointF onLine = label.at + QPointF(label.text == "E" ? -6 : 6, 0);
      QCOMPARE(hasLive(gates, QRectF(onLine - QPointF(1, 1), QSizeF(2, 2))), one);
    }

    const FormulaLayout typeset = typesetFormula(family.formula, inputs, family.size(SwitchingView::Formula));
    const QImage picture = family.draw(SwitchingView::Formula, inputs);
    for (const FormulaGlyph& glyph : typeset.glyphs) {
      if (!glyph.hasValue()) continue;
      const bool one = glyph.input == "E" ? e : inputs.contains(glyph.input);
      QCOMPARE(glyph.live, one);
      QCOMPARE(hasLive(picture, glyph.box), one);
    }
  }

  // Every picture the engine swaps in is in the program folder, at its kind's size, found
  // as the program finds it.
  void pictureIsGeneratedAtItsSize_data() {
    QTest::addColumn<QString>("name");
    for (const EngineRow& row : kEngineRows)
      for (const char* name : {row.formula, row.gates, row.schema}) QTest::newRow(name) << QString::fromLatin1(name);
  }
  void pictureIsGeneratedAtItsSize() {
    QFETCH(QString, name);
    const QString path = kwil::dataFilePath("\\Afbeeldingen\\" + name);
    QVERIFY2(!path.isEmpty(), qPrintable(name + " is missing: build the target kwil-media"));
    const QImage picture(path);
    QVERIFY2(!picture.isNull(), qPrintable(name + " cannot be read"));
    QCOMPARE(picture.size(), expectedSize(name));
  }

  // The pages load the released pictures under names of their own spelling.
  void pageNameFindsItsPicture_data() {
    QTest::addColumn<QString>("literal");
    QTest::addColumn<QString>("file");
    QTest::newRow("trailing blank") << "\\Afbeeldingen\\ImgAlgebraaENbENc.bmp " << "ImgAlgebraaENbENc.bmp";
    QTest::newRow("other letter case and blank") << "\\Afbeeldingen\\ImgAlgebraNIETa.bmp " << "ImgAlgebraNieta.bmp";
    QTest::newRow("relay formula") << "\\Afbeeldingen\\ImgAlgebraaOFbNIETENc.bmp " << "ImgAlgebraaOFbNIETENc.bmp";
    QTest::newRow("as named") << "\\Afbeeldingen\\ImgSchemaLedEnOfabcOnbediend.bmp" << "ImgSchemaLedEnOfabcOnbediend.bmp";
  }
  void pageNameFindsItsPicture() {
    QFETCH(QString, literal);
    QFETCH(QString, file);
    QCOMPARE(QFileInfo(kwil::dataFilePath(literal)).fileName(), file);
  }

  // The diagram follows the formula's structure: a NIET over an input of a gate is a circle
  // there, over a gate's result a circle at its output, on its own a "1" gate.
  void gateDiagramFollowsTheFormula_data() {
    QTest::addColumn<int>("formula");
    QTest::addColumn<QStringList>("signs");
    QTest::addColumn<int>("circles");
    QTest::newRow("a . b") << 0 << QStringList{"&"} << 0;
    QTest::newRow("NIET a") << 1 << QStringList{"1"} << 1;
    QTest::newRow("a . NIET b") << 2 << QStringList{"&"} << 1;
    QTest::newRow("a . b + c") << 3 << QStringList{"&", "≥1"} << 0;
    QTest::newRow("NIET (a + b) . c") << 4 << QStringList{"≥1", "&"} << 1;
    QTest::newRow("NIET NIET a") << 5 << QStringList{"1", "1"} << 2;
    QTest::newRow("NIET (NIET a . b)") << 6 << QStringList{"&"} << 2;
  }
  void gateDiagramFollowsTheFormula() {
    QFETCH(int, formula);
    QFETCH(QStringList, signs);
    QFETCH(int, circles);
    const Formula a = Formula::in("a"), b = Formula::in("b"), c = Formula::in("c");
    const QList<Formula> formulas = {Formula::en({a, b}),
                                     Formula::niet(a),
                                     Formula::en({a, Formula::niet(b)}),
                                     Formula::of({Formula::en({a, b}), c}),
                                     Formula::en({Formula::niet(Formula::of({a, b})), c}),
                                     Formula::niet(Formula::niet(a)),
                                     Formula::niet(Formula::en({Formula::niet(a), b}))};
    const Formula& f = formulas[formula];
    for (int mask = 0; mask < 8; ++mask) {
      QSet<QString> on;
      if (mask & 1) on.insert("a");
      if (mask & 2) on.insert("b");
      if (mask & 4) on.insert("c");
      const GateDiagram diagram = layoutGates(f, on, QSize(230, 160));
      QStringList drawn;
      int negations = 0;
      for (const GateSymbol& gate : diagram.gates) {
        drawn.append(gate.sign);
        negations += int(gate.negatedOutput) + int(gate.negatedPins.count(true));
        QVERIFY(QRectF(0, 0, 230, 160).contains(gate.box));
      }
      QCOMPARE(drawn, signs);
      QCOMPARE(negations, circles);
      QCOMPARE(diagram.gates.last().value, f.evaluate(on));
      QCOMPARE(diagram.lines.last().one, f.evaluate(on));
    }
  }

  // The coil pulls in with a or b and opens its contact; c alone lights the LED.
  void relayWorksItsContact_data() {
    QTest::addColumn<QString>("operated");
    QTest::addColumn<bool>("pulledIn");
    QTest::addColumn<bool>("lit");
    QTest::newRow("none") << "" << false << false;
    QTest::newRow("c") << "c" << false << true;
    QTest::newRow("a") << "a" << true << false;
    QTest::newRow("b c") << "bc" << true << false;
    QTest::newRow("a b c") << "abc" << true << false;
  }
  void relayWorksItsContact() {
    QFETCH(QString, operated);
    QFETCH(bool, pulledIn);
    QFETCH(bool, lit);
    const Circuit& circuit = familyWithFormula("ImgAlgebraaOFbNIETENc.bmp").circuit;
    const QSet<QString> inputs = operatedSet(operated);
    QCOMPARE(operatedWithRelays(circuit, inputs).contains("K"), pulledIn);
    const QList<bool> live = partsCarryingCurrent(circuit, inputs);
    QCOMPARE(live[partLabelled(circuit, "K")], pulledIn);
    QCOMPARE(live[partLabelled(circuit, "k-1")], lit);
    QCOMPARE(live[partLabelled(circuit, "E")], lit);
  }

  // Three frames (picture + 20) stand beside each other above the band, clear of the
  // information bar and inside the window, on every page layout the lesson uses.
  void framesFitTheWindow_data() {
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("layout");
    const QList<QSizeF> windows = {{800, 550}, {800, 578}, {1024, 740}, {1280, 990}, {1920, 1050}};
    for (const QSizeF& w : windows)
      for (const char* layout : {"standard", "shifted", "relay"})
        QTest::addRow("%gx%g %s", w.width(), w.height(), layout) << w.width() << w.height() << QString(layout);
  }
  void framesFitTheWindow() {
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QString, layout);
    const Window window{width, height};
    const bool relay = layout == "relay";
    const SwitchingFamily& family =
        familyWithFormula(relay ? "ImgAlgebraaOFbNIETENc.bmp" : layout == "shifted" ? "ImgAlgebraaENbOFc.bmp" : "ImgAlgebraaENb.bmp");
    const QSize schema = family.size(SwitchingView::Circuit), gates = family.size(SwitchingView::Gates),
                formula = family.size(SwitchingView::Formula);
    QList<QRectF> frames;
    if (relay) {
      frames = window.relay(schema, gates, formula);
    } else {
      QRectF middle = window.centred(gates);
      if (layout == "shifted" && width <= 800) middle.translate(30, 0);
      frames = window.besideGates(middle, schema, formula);
    }
    const QRectF area(0, 0, width, window.band());
    for (qsizetype i = 0; i < frames.size(); ++i) {
      QVERIFY2(area.contains(frames[i]), qPrintable(QString("frame %1 outside the picture area").arg(i)));
      QVERIFY2(!frames[i].intersects(window.infoBar()), qPrintable(QString("frame %1 covers the bar").arg(i)));
      for (qsizetype j = i + 1; j < frames.size(); ++j)
        QVERIFY2(!frames[i].intersects(frames[j]), qPrintable(QString("frames %1 and %2 overlap").arg(i).arg(j)));
    }
  }
};

QTEST_MAIN(TestMediaSwitching)
#include "tst_media_switching.moc"
