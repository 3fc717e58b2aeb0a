// How panels and buttons are drawn: bevel direction by look, the level bar's fill, the face
// colours. Set KWIL_SCREENSHOT to a file name to keep a picture of the demo window.
#include <QTest>

#include "platform/forms/forms.h"

using namespace kwil;

namespace {
class DemoForm : public Form {
 public:
  ControlArray<kwil::Panel> Panel{QStringLiteral("Panel")};
  ControlArray<CommandButton> Command{QStringLiteral("Command")};
  ControlArray<kwil::PictureBox> PictureBox{QStringLiteral("PictureBox")};
  DemoForm() {
    setBackColor(0xE3BB9B);
    resize(640, 480);
    kwil::Panel& title = Panel.create(1, this, 16, 16, 185, 81);
    title.setBackColor(0xE3BB9B);
    title.setForeColor(0x400000);
    title.setFontName(QStringLiteral("Comic Sans MS"));
    title.setFontSize(12);
    title.setCaption(QStringLiteral("Piet\rJansen"));
    kwil::Panel& pressed = Panel.create(2, this, 16, 110, 185, 40);
    pressed.setLook(kwil::Panel::Highlighted);
    pressed.setBackColor(0xC07B01);
    pressed.setForeColor(0xC0FFFF);
    pressed.setCaption(QStringLiteral("Les 1"));
    kwil::Panel& bar = Panel.create(3, this, 220, 16, 20, 200);
    bar.setBackColor(0x400000);
    bar.setFloodType(kwil::Panel::FloodBottomToTop);
    bar.setFloodColor(0xE3BB9B);
    bar.setFloodPercent(128 / 2.55);
    Command.create(1, &Panel(1), 1500, 600, 1200, 450).setCaption(QStringLiteral("&Help"));
    Command.create(2, this, 16, 170, 145, 30).setCaption(QStringLiteral("Hoofd&menu"));
    Command(2).setBackColor(KleurKnopOnderMuis);
    kwil::PictureBox& page = PictureBox.create(1, this, 260, 16, 360, 134);
    page.setBackColor(0xFAE5D5);
    page.setFontName(QStringLiteral("Comic Sans MS"));
    page.setFontSize(9.75f);
    page.setFontBold(true);
    page.Cls();
    page.Print(QStringLiteral("  In deze les wordt het volgende besproken..."));
    page.setCurrentY(page.CurrentY() + 5);
    page.PrintTab(10);
    page.Print(QStringLiteral("- Stroomkringschema's"));
  }
};
}  // namespace

class TestFormLook : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() { installFontSubstitutes(); }

  void panelsAndButtons_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QPoint>("at");  // in the window
    QTest::addColumn<QColor>("colour");
    QTest::newRow("normal panel: raised, light top-left") << "panel 1" << QPoint(16, 16) << QColor(255, 255, 255);
    QTest::newRow("normal panel: dark bottom-right") << "panel 1" << QPoint(16 + 184, 16 + 80) << QColor(128, 128, 128);
    QTest::newRow("highlighted panel: sunk, dark top-left") << "panel 2" << QPoint(16, 110) << QColor(128, 128, 128);
    QTest::newRow("highlighted panel face") << "panel 2" << QPoint(20, 113) << vbColor(0xC07B01);
    QTest::newRow("level bar filled at the bottom") << "bar" << QPoint(230, 210) << vbColor(0xE3BB9B);
    QTest::newRow("level bar empty at the top") << "bar" << QPoint(230, 20) << vbColor(0x400000);
    QTest::newRow("button face") << "button" << QPoint(16 + 5, 170 + 4) << vbColor(KleurKnopOnderMuis);
    QTest::newRow("button in a panel, placed in twips") << "button" << QPoint(16 + 100 + 5, 16 + 40 + 4)
                                                         << vbColor(KleurKnopNormaal);
    QTest::newRow("window background") << "form" << QPoint(5, 400) << vbColor(0xE3BB9B);
  }
  void panelsAndButtons() {
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    DemoForm form;
    form.Show();
    const QImage shot = form.grab().toImage();
    if (!qEnvironmentVariableIsEmpty("KWIL_SCREENSHOT")) shot.save(qEnvironmentVariable("KWIL_SCREENSHOT"));
    QCOMPARE(shot.pixelColor(at), colour);
  }

  // The colours a button's caption is drawn in: its ForeColor while it can be pressed, engraved
  // grey (never its ForeColor) while it is disabled, whatever its face and text colours.
  void captionShowsWhetherAButtonWorks_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("face");
    QTest::addColumn<int>("fore");
    QTest::newRow("enabled, black on the usual face") << true << int(KleurKnopNormaal) << 0x000000;
    QTest::newRow("disabled, black on the usual face") << false << int(KleurKnopNormaal) << 0x000000;
    QTest::newRow("disabled, blue on white") << false << 0xFFFFFF << 0x800000;
    QTest::newRow("enabled, blue on white") << true << 0xFFFFFF << 0x800000;
  }
  void captionShowsWhetherAButtonWorks() {
    QFETCH(bool, enabled);
    QFETCH(int, face);
    QFETCH(int, fore);
    DemoForm form;
    CommandButton& knop = form.Command.create(3, &form, 300, 300, 132, 32);
    knop.setCaption(QStringLiteral("&Bevestig"));
    knop.setFontSize(10);
    knop.setBackColor(face);
    knop.setForeColor(fore);
    knop.setEnabled(enabled);
    form.Show();
    const QImage shot = knop.grab().toImage();
    QSet<QRgb> caption;
    for (int y = 4; y < shot.height() - 4; ++y)
      for (int x = 4; x < shot.width() - 4; ++x) caption.insert(shot.pixel(x, y));
    const QRgb foreColour = vbColor(fore).rgb();
    const QRgb grey = qRgb(128, 128, 128);
    QCOMPARE(caption.contains(foreColour), enabled);
    QCOMPARE(caption.contains(grey), !enabled);
  }
};

QTEST_MAIN(TestFormLook)
#include "tst_formlook.moc"
