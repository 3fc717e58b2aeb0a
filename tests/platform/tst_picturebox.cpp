// The picture box that keeps its drawing: printing and the print position, tab columns,
// text sizes, pictures from files (missing ones too) and the region copy between boxes.
#include <QTemporaryDir>
#include <QTest>

#include "platform/forms/forms.h"

using namespace kwil;

namespace {
// Whether any pixel of `r` differs from `background`.
bool anyInk(const QImage& img, const QRect& r, QColor background) {
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (img.pixelColor(x, y) != background) return true;
  return false;
}
}  // namespace

class TestPictureBox : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() { installFontSubstitutes(); }

  // Each step: "P:text" Print, ";:text" print without ending the line, "T:n" tab column n.
  // Expected: the position after the steps in text units (widths of the printed pieces and
  // line heights), compared with TextWidth/TextHeight of the same box.
  void printMovesThePosition_data() {
    QTest::addColumn<int>("scaleMode");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("widthOf");  // CurrentX expected = TextWidth(widthOf)
    QTest::addColumn<int>("lines");        // CurrentY expected = lines * TextHeight
    QTest::newRow("print ends the line") << int(PictureBox::Pixels) << QStringList{"P:  Hallo"} << "" << 1;
    QTest::newRow("empty print is a blank line") << int(PictureBox::Pixels) << QStringList{"P:", "P:"} << "" << 2;
    QTest::newRow("semicolon stays on the line") << int(PictureBox::Pixels) << QStringList{";:Ik denk van niet. "}
                                                 << "Ik denk van niet. " << 0;
    QTest::newRow("two parts add up") << int(PictureBox::Pixels) << QStringList{";:ab", ";:cd"} << "abcd" << 0;
    QTest::newRow("line then part") << int(PictureBox::Pixels) << QStringList{"P:x", ";:yz"} << "yz" << 1;
    QTest::newRow("twips") << int(PictureBox::Twips) << QStringList{";:Kwilmora"} << "Kwilmora" << 0;
    QTest::newRow("twips, two lines") << int(PictureBox::Twips) << QStringList{"P:a", "P:b"} << "" << 2;
  }
  void printMovesThePosition() {
    QFETCH(int, scaleMode);
    QFETCH(QStringList, steps);
    QFETCH(QString, widthOf);
    QFETCH(int, lines);
    QWidget host;
    PictureBox& box = createControl<PictureBox>(&host, 0, 0, 300, 200);
    box.setScaleMode(scaleMode);
    box.setFontName(QStringLiteral("Comic Sans MS"));
    box.setFontSize(9.75f);
    box.Cls();
    for (const QString& step : steps) {
      const QString arg = step.mid(2);
      if (step.startsWith("P:")) box.Print(arg);
      if (step.startsWith(";:")) box.PrintPart(arg);
    }
    QVERIFY(box.TextHeight() > 0);
    QCOMPARE(box.CurrentX(), widthOf.isEmpty() ? 0.0f : box.TextWidth(widthOf));
    QCOMPARE(box.CurrentY(), lines * box.TextHeight());
  }

  void twipsAreFifteenPixels() {
    QWidget host;
    PictureBox& box = createControl<PictureBox>(&host, 0, 0, 300, 200);
    const float px = box.TextWidth(QStringLiteral("Kwilmora"));
    box.setScaleMode(PictureBox::Twips);
    QCOMPARE(box.TextWidth(QStringLiteral("Kwilmora")), px * 15);
    QCOMPARE(box.ScaleWidth(), 300.0f * 15);
  }

  void tabColumns_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("linesDown");
    QTest::newRow("from the left edge") << "" << 10 << 0;
    QTest::newRow("after a short text") << "  abc" << 25 << 0;
    QTest::newRow("column 1 is the left edge") << "" << 1 << 0;
    QTest::newRow("already beyond: next line") << QString(40, 'W') << 10 << 1;
  }
  void tabColumns() {
    QFETCH(QString, before);
    QFETCH(int, column);
    QFETCH(int, linesDown);
    QWidget host;
    PictureBox& box = createControl<PictureBox>(&host, 0, 0, 600, 200);
    box.Cls();
    box.PrintPart(before);
    box.PrintTab(column);
    const float columnWidth = QFontMetricsF(box.font(), &box.image()).averageCharWidth();
    QCOMPARE(box.CurrentX(), (column - 1) * columnWidth);
    QCOMPARE(box.CurrentY(), linesDown * box.TextHeight());
  }

  void printLeavesInkWhereItPrints() {
    QWidget host;
    PictureBox& box = createControl<PictureBox>(&host, 0, 0, 200, 100);
    box.setBackColor(0xFAE5D5);
    box.setForeColor(0x000000);
    box.Cls();
    box.setCurrentY(50);
    box.Print(QStringLiteral("WWW"));
    const QColor bg = vbColor(0xFAE5D5);
    QVERIFY(!anyInk(box.image(), QRect(0, 0, 200, 49), bg));
    QVERIFY(anyInk(box.image(), QRect(0, 50, 200, 50), bg));
    box.Cls();
    QVERIFY(!anyInk(box.image(), box.image().rect(), bg));
    QCOMPARE(box.CurrentY(), 0.0f);
  }

  void drawingSurvivesHidingAndGrowing() {
    QWidget host;
    PictureBox& box = createControl<PictureBox>(&host, 0, 0, 50, 40);
    box.setVisible(false);
    box.Cls();
    box.DrawBox(5, 5, 9, 9, 0x0000FF, true);
    box.setWidth(80);
    QCOMPARE(box.image().size(), QSize(80, 40));
    QCOMPARE(box.image().pixelColor(5, 5), QColor(255, 0, 0));
    QCOMPARE(box.image().pixelColor(9, 9), QColor(255, 0, 0));
    QCOMPARE(box.image().pixelColor(10, 10), vbColor(box.BackColor()));
  }

  // Source filled with a gradient; copy (sx, sy, w, h) to (x, y): exactly the region moves.
  void bitBltCopiesExactlyTheRegion_data() {
    QTest::addColumn<QRect>("from");  // sx, sy, w, h
    QTest::addColumn<QPoint>("to");
    QTest::newRow("whole page at offset 0") << QRect(0, 0, 40, 30) << QPoint(0, 0);
    QTest::newRow("scroll offset row 7") << QRect(0, 7, 40, 23) << QPoint(0, 0);
    QTest::newRow("inner block to elsewhere") << QRect(3, 4, 10, 6) << QPoint(20, 15);
    QTest::newRow("source beyond the edge is clipped") << QRect(30, 25, 20, 20) << QPoint(0, 0);
    QTest::newRow("destination beyond the edge is clipped") << QRect(0, 0, 20, 20) << QPoint(35, 25);
  }
  void bitBltCopiesExactlyTheRegion() {
    QFETCH(QRect, from);
    QFETCH(QPoint, to);
    QWidget host;
    PictureBox& src = createControl<PictureBox>(&host, 0, 0, 40, 30);
    PictureBox& dst = createControl<PictureBox>(&host, 0, 40, 40, 30);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) src.image().setPixelColor(x, y, QColor(x * 5, y * 7, 99));
    dst.setBackColor(0x00FF00);
    dst.Cls();
    bitBlt(dst, to.x(), to.y(), from.width(), from.height(), src, from.x(), from.y());
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) {
        const int sx = x - to.x() + from.x(), sy = y - to.y() + from.y();
        const bool inside = x >= to.x() && y >= to.y() && x < to.x() + from.width() && y < to.y() + from.height() &&
                            sx < 40 && sy < 30;
        const QColor want = inside ? QColor(sx * 5, sy * 7, 99) : QColor(0, 255, 0);
        if (dst.image().pixelColor(x, y) != want) QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
      }
  }

  void bitBltOntoItselfUsesTheOldPixels() {
    QWidget host;
    PictureBox& box = createControl<PictureBox>(&host, 0, 0, 10, 10);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) box.image().setPixelColor(x, y, QColor(0, 0, y * 20));
    bitBlt(box, 0, 1, 10, 9, box, 0, 0);  // shift down one row
    for (int y = 1; y < 10; ++y) QCOMPARE(box.image().pixelColor(4, y), QColor(0, 0, (y - 1) * 20));
  }

  void picturesFromFiles_data() {
    QTest::addColumn<QString>("nameOnDisk");
    QTest::addColumn<QString>("nameAsked");
    QTest::addColumn<bool>("loads");
    QTest::newRow("exact") << "Bel.png" << "Bel.png" << true;
    QTest::newRow("other letter case") << "ImgSchemaBelOnbediend.png" << "imgschemabelonbediend.PNG" << true;
    QTest::newRow("trailing blanks asked") << "Bel.png" << "Bel.png  " << true;
    QTest::newRow("folder in other case") << "Bel.png" << "../AFBEELDINGEN/bel.png" << true;
    QTest::newRow("missing file") << "Bel.png" << "Deur.png" << false;
    QTest::newRow("not a picture") << "Bel.png" << "kapot.png" << false;
  }
  void picturesFromFiles() {
    QFETCH(QString, nameOnDisk);
    QFETCH(QString, nameAsked);
    QFETCH(bool, loads);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("Afbeeldingen"));
    const QString folder = dir.path() + "/Afbeeldingen/";
    QImage img(12, 8, QImage::Format_RGB32);
    img.fill(Qt::red);
    QVERIFY(img.save(folder + nameOnDisk));
    QFile broken(folder + "kapot.png");
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("no picture here");
    broken.close();

    QWidget host;
    PictureBox& box = createControl<PictureBox>(&host, 0, 0, 30, 30);
    box.setAutoSize(true);
    QCOMPARE(box.setPicture(folder + nameAsked), loads);
    QCOMPARE(box.Picture().isNull(), !loads);
    QCOMPARE(box.widget()->size(), loads ? QSize(12, 8) : QSize(30, 30));
    ImageBox& image = createControl<ImageBox>(&host, 0, 0, 30, 30);
    QCOMPARE(image.setPicture(folder + nameAsked), loads);
    QCOMPARE(image.widget()->size(), loads ? QSize(12, 8) : QSize(30, 30));
  }

  void autoSizedPictureInAPanelIsInTwips() {
    Panel host(nullptr);
    PictureBox& box = createControl<PictureBox>(&host, 150, 150, 300, 300);
    box.setAutoSize(true);
    QImage img(40, 20, QImage::Format_RGB32);
    img.fill(Qt::blue);
    box.setPicture(img);
    QCOMPARE(box.Width(), 600.0f);
    QCOMPARE(box.Height(), 300.0f);
  }
};

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
