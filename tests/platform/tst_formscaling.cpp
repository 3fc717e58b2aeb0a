// The first-load layout: the factors from the screen, the 640 refusal, and every kind of
// control scaled by its own rule, including the gap rule of the arrays.
#include <QTest>

#include "platform/endprogram.h"
#include "platform/forms/forms.h"
#include "support/form_test_helpers.h"

using namespace kwil;
using namespace kwil::formtest;

namespace {
struct Geometry {
  float left, top, width, height;
};
}  // namespace
Q_DECLARE_METATYPE(Geometry)

class TestFormScaling : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() { installFontSubstitutes(); }

  void factorsFollowTheScreen_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("refuse640");
    QTest::addColumn<float>("schaalX");
    QTest::addColumn<float>("schaalY");
    QTest::addColumn<bool>("ends");
    QTest::newRow("1024x768") << QSize(1024, 768) << true << 1.6f << 1.6f << false;
    QTest::newRow("1024 wide, 738 inner height") << QSize(1024, 738) << true << 1.6f << 738.0f / 480.0f << false;
    QTest::newRow("800x600") << QSize(800, 600) << true << 1.25f << 1.25f << false;
    QTest::newRow("640 wide is refused") << QSize(640, 480) << true << 1.0f << 1.0f << true;
    QTest::newRow("640 wide in a window that allows it") << QSize(640, 480) << false << 1.0f << 1.0f << false;
    QTest::newRow("below 640 is not refused") << QSize(600, 440) << true << 600.0f / 640.0f << 440.0f / 480.0f << false;
    QTest::newRow("641 wide runs") << QSize(641, 480) << true << 641.0f / 640.0f << 1.0f << false;
  }
  void factorsFollowTheScreen() {
    QFETCH(QSize, screen);
    QFETCH(bool, refuse640);
    QFETCH(float, schaalX);
    QFETCH(float, schaalY);
    QFETCH(bool, ends);
    RecordingDialogs* dialogs = installFormFakes(screen);
    EndProgramRecorder recorder;
    Form form;
    const ScaleFactors f = maximiseAndMeasureFactors(form);
    QCOMPARE(f.x, schaalX);
    QCOMPARE(f.y, schaalY);
    QCOMPARE(form.ScaleWidth(), float(screen.width()));
    bool ended = false;
    try {
      if (refuse640) refuseScreen640();
    } catch (const ProgramEnded&) {
      ended = true;
    }
    QCOMPARE(ended, ends);
    QCOMPARE(recorder.ends, ends ? 1 : 0);
    if (ends) {
      QCOMPARE(dialogs->texts, QStringList{QStringLiteral("De resolutie is te laag. (640) Stel een hogere waarde in.")});
      QCOMPARE(dialogs->buttons, QList<int>{0});
      QCOMPARE(dialogs->titles, QStringList{QStringLiteral("Kwilmora")});
    } else {
      QVERIFY(dialogs->texts.isEmpty());
    }
  }

  // kind: the control; inPanel: placed in a panel (twips) instead of on the form (pixels).
  void eachKindScalesByItsRule_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("inPanel");
    QTest::addColumn<bool>("roundButtons");
    QTest::addColumn<bool>("moveOnly");
    QTest::addColumn<float>("sy");
    QTest::addColumn<Geometry>("design");
    QTest::addColumn<Geometry>("scaled");
    QTest::addColumn<float>("font");  // expected font size, 0 = the kind has none
    const Geometry px{10, 20, 100, 25};
    QTest::newRow("button 25 px at 1.5 rounds to 30")
        << "button" << false << true << false << 1.5f << px << Geometry{16, 30, 160, 30} << 8.25f * 1.5f;
    QTest::newRow("button without rounding")
        << "button" << false << false << false << 1.5f << px << Geometry{16, 30, 160, 38} << 8.25f * 1.5f;
    QTest::newRow("button 375 twips in a panel becomes 555")
        << "button" << true << true << false << 1.5f << Geometry{300, 360, 2175, 375} << Geometry{480, 540, 3480, 555}
        << 8.25f * 1.5f;
    QTest::newRow("button in a panel, exact multiple stays") << "button" << true << true << false << 1.6f
                                                            << Geometry{0, 0, 1500, 450} << Geometry{0, 0, 2400, 720}
                                                            << 8.25f * 1.6f;
    QTest::newRow("picture box") << "picture" << false << true << false << 1.55f << px
                                 << Geometry{16, 31, 160, 39} << 8.25f * 1.55f;
    QTest::newRow("label") << "label" << false << true << false << 1.5f << px << Geometry{16, 30, 160, 38}
                           << 8.25f * 1.5f;
    QTest::newRow("text box in a panel") << "text" << true << true << false << 1.5f << Geometry{150, 300, 1500, 300}
                                         << Geometry{240, 450, 2400, 450} << 8.25f * 1.5f;
    QTest::newRow("list box") << "list" << false << true << false << 1.5f << px << Geometry{16, 30, 160, 38}
                              << 8.25f * 1.5f;
    QTest::newRow("panel") << "panel" << false << true << false << 1.5f << px << Geometry{16, 30, 160, 38}
                           << 8.25f * 1.5f;
    QTest::newRow("shape has no font") << "shape" << false << true << false << 1.5f << px
                                       << Geometry{16, 30, 160, 38} << 0.0f;
    QTest::newRow("image resized") << "image" << false << false << false << 1.5f << Geometry{224, 16, 75, 250}
                                   << Geometry{358, 24, 120, 375} << 0.0f;
    QTest::newRow("image only moved") << "image" << false << false << true << 1.5f << Geometry{224, 16, 75, 250}
                                      << Geometry{358, 24, 75, 250} << 0.0f;
  }
  void eachKindScalesByItsRule() {
    QFETCH(QString, kind);
    QFETCH(bool, inPanel);
    QFETCH(bool, roundButtons);
    QFETCH(bool, moveOnly);
    QFETCH(float, sy);
    QFETCH(Geometry, design);
    QFETCH(Geometry, scaled);
    QFETCH(float, font);
    Form form;
    Panel& holder = createControl<Panel>(&form, 0, 0, 600, 400);
    QWidget* container = inPanel ? static_cast<QWidget*>(&holder) : &form;
    Control* c = nullptr;
    if (kind == "button") c = &createControl<CommandButton>(container, 0, 0, 0, 0);
    if (kind == "picture") c = &createControl<PictureBox>(container, 0, 0, 0, 0);
    if (kind == "label") c = &createControl<Label>(container, 0, 0, 0, 0);
    if (kind == "text") c = &createControl<TextBox>(container, 0, 0, 0, 0);
    if (kind == "list") c = &createControl<ListBox>(container, 0, 0, 0, 0);
    if (kind == "panel") c = &createControl<Panel>(container, 0, 0, 0, 0);
    if (kind == "shape") c = &createControl<Shape>(container, 0, 0, 0, 0);
    if (kind == "image") c = &createControl<ImageBox>(container, 0, 0, 0, 0);
    QVERIFY(c);
    c->setBounds(design.left, design.top, design.width, design.height);
    c->setFontSize(8.25f);
    ScaleOptions options;
    options.roundButtonHeight = roundButtons;
    options.moveOnly = moveOnly;
    scaleControlBy(*c, 1.6f, sy, options);
    QCOMPARE(c->Left(), scaled.left);
    QCOMPARE(c->Top(), scaled.top);
    QCOMPARE(c->Width(), scaled.width);
    QCOMPARE(c->Height(), scaled.height);
    const float unit = inPanel ? 15.0f : 1.0f;
    QCOMPARE(c->widget()->geometry(), QRect(qRound(scaled.left / unit), qRound(scaled.top / unit),
                                            qRound(scaled.width / unit), qRound(scaled.height / unit)));
    if (font > 0) QVERIFY(qAbs(c->FontSize() - font) < 0.01f);
  }

  void panelBorderByTheWindowsFactor_data() {
    QTest::addColumn<int>("border");
    QTest::addColumn<int>("factorChoice");  // 0: SchaalX, 1: SchaalY
    QTest::addColumn<float>("sx");
    QTest::addColumn<float>("sy");
    QTest::addColumn<int>("expected");
    QTest::newRow("by SchaalX") << 2 << 0 << 1.6f << 1.0f << 3;
    QTest::newRow("by SchaalY") << 2 << 1 << 1.6f << 1.0f << 2;
    QTest::newRow("half rounds to even, down") << 3 << 0 << 1.5f << 1.0f << 4;  // 4.5 -> 4
    QTest::newRow("half rounds to even, up") << 5 << 1 << 1.0f << 1.5f << 8;    // 7.5 -> 8
    QTest::newRow("no border stays none") << 0 << 0 << 1.6f << 1.6f << 0;
  }
  void panelBorderByTheWindowsFactor() {
    QFETCH(int, border);
    QFETCH(int, factorChoice);
    QFETCH(float, sx);
    QFETCH(float, sy);
    QFETCH(int, expected);
    Form form;
    Panel& p = createControl<Panel>(&form, 10, 10, 100, 50);
    p.setBorderWidth(border);
    ScaleOptions options;
    options.borderFactor = factorChoice == 0 ? BorderBySchaalX : BorderBySchaalY;
    scaleControlBy(p, sx, sy, options);
    QCOMPARE(p.BorderWidth(), expected);
  }

  // The loop stops at the first missing index and leaves the counter at 0.
  void arraysStopAtTheFirstGap_data() {
    QTest::addColumn<QList<int>>("indexes");
    QTest::addColumn<QList<int>>("scaled");
    QTest::newRow("no gap") << QList<int>{1, 2, 3} << QList<int>{1, 2, 3};
    QTest::newRow("gap after 2") << QList<int>{1, 2, 4, 5} << QList<int>{1, 2};
    QTest::newRow("no element 1") << QList<int>{2, 3} << QList<int>{};
    QTest::newRow("element 0 is never scaled") << QList<int>{0, 1} << QList<int>{1};
    QTest::newRow("empty array") << QList<int>{} << QList<int>{};
  }
  void arraysStopAtTheFirstGap() {
    QFETCH(QList<int>, indexes);
    QFETCH(QList<int>, scaled);
    Form form;
    ControlArray<CommandButton> Command(QStringLiteral("Command"));
    for (int i : indexes) Command.create(i, &form, 10, 10, 100, 30);
    int teller = -1;
    scaleArrayBy(Command, 2.0f, 2.0f, ScaleOptions{}, teller);
    QCOMPARE(teller, 0);
    for (int i : indexes) QCOMPARE(Command(i).Width(), scaled.contains(i) ? 200.0f : 100.0f);
  }

  void lineEndsScale() {
    Form form;
    ControlArray<LineControl> Lijn(QStringLiteral("Lijn"));
    LineControl& l = Lijn.create(1, &form, 240, 16, 640, 16);
    int teller = 0;
    scaleArrayBy(Lijn, 1.6f, 1.5f, ScaleOptions{}, teller);
    QCOMPARE(l.X1(), 384.0f);
    QCOMPARE(l.X2(), 1024.0f);
    QCOMPARE(l.Y1(), 24.0f);
    QCOMPARE(l.Width(), 640.0f);
  }
};

QTEST_MAIN(TestFormScaling)
#include "tst_formscaling.moc"
