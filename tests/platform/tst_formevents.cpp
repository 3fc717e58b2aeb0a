// Forms and their controls as the windows use them: arrays from 1, the life of a form, keys
// that reach the form whichever control has the focus, per-control mouse events with the
// index and twips, text and list boxes, timers, colours and the dialog text.
#include <QTest>

#include "platform/forms/forms.h"
#include "support/form_test_helpers.h"

using namespace kwil;
using namespace kwil::formtest;

namespace {

// A window that records what reaches it.
class RecordingForm : public Form {
 public:
  QStringList log;
  int swallowKey = 0;  // key code the form takes away from the controls
  bool keyDownLetsEventsRun = false;  // like a board search waiting inside the key handler
  ControlArray<CommandButton> Command{QStringLiteral("Command")};
  ControlArray<kwil::Panel> Panel{QStringLiteral("Panel")};
  ControlArray<TextBox> Text{QStringLiteral("Text")};
  ControlArray<kwil::ImageBox> ImageBox{QStringLiteral("ImageBox")};
  ListBox* List = nullptr;

  RecordingForm() {
    Panel.create(1, this, 10, 10, 300, 200);
    Command.create(1, this, 320, 10, 100, 30).setCaption(QStringLiteral("&Stop"));
    Command.create(2, &Panel(1), 300, 300, 1500, 450).setCaption(QStringLiteral("Verder"));
    Text.create(1, this, 320, 50, 100, 20);
    ImageBox.create(1, this, 320, 80, 75, 250);
    List = &createControl<ListBox>(this, 430, 10, 150, 100);
    Command.events().Click = [this](int i) { log << QStringLiteral("Command_Click %1").arg(i); };
    const auto mouse = [this](const char* what) {
      return [this, what](int i, int button, int shift, float x, float y) {
        log << QStringLiteral("%1 %2 %3 %4 %5 %6").arg(what).arg(i).arg(button).arg(shift).arg(x).arg(y);
      };
    };
    Command.events().MouseMove = mouse("Command_MouseMove");
    ImageBox.events().MouseDown = mouse("ImageBox_MouseDown");
    ImageBox.events().MouseUp = mouse("ImageBox_MouseUp");
    Panel.events().MouseMove = mouse("Panel_MouseMove");
    Text.events().KeyPress = [this](int i, int& ascii) {
      log << QStringLiteral("Text_KeyPress %1 %2").arg(i).arg(ascii);
      if (ascii == 13) ascii = 0;
    };
  }

 protected:
  void Form_Load() override { log << "Load"; }
  void Form_Activate() override { log << "Activate"; }
  void Form_Deactivate() override { log << "Deactivate"; }
  void Form_KeyDown(int& keyCode, int shift) override {
    log << QStringLiteral("KeyDown %1 %2").arg(keyCode).arg(shift);
    if (keyCode == swallowKey) keyCode = 0;
    if (keyDownLetsEventsRun) QCoreApplication::processEvents();
  }
  void Form_KeyUp(int& keyCode, int shift) override { log << QStringLiteral("KeyUp %1 %2").arg(keyCode).arg(shift); }
  void Form_MouseMove(int, int, float, float) override { log << "Form_MouseMove"; }
  void Form_QueryUnload(bool& cancel) override {
    log << "QueryUnload";
    cancel = true;
  }
};

}  // namespace

class TestFormEvents : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void initTestCase() {
    installFontSubstitutes();
    installFormFakes();
  }

  void arraysAreIndexedFromOne() {
    RecordingForm f;
    QVERIFY(!f.Command.exists(0));
    QVERIFY(f.Command.exists(1) && f.Command.exists(2));
    QCOMPARE(f.Command.count(), 2);
    QCOMPARE(f.Command.ubound(), 2);
    QCOMPARE(f.Command(2).Index(), 2);
    QCOMPARE(&f.Command[1], &f.Command(1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, f.Command(3));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, f.Command.create(1, &f, 0, 0, 1, 1));
    // A button inside a panel is placed in twips: 300 twips = 20 pixels.
    QCOMPARE(f.Command(2).widget()->geometry(), QRect(20, 20, 100, 30));
    QCOMPARE(f.Command(2).Left(), 300.0f);
  }

  void loadOnceActivateEveryShow() {
    RecordingForm a, b;
    a.Show();
    b.Show();
    a.Hide();
    b.Hide();
    a.Show();
    a.Show();  // already current and visible: nothing
    QCOMPARE(a.log, (QStringList{"Load", "Activate", "Deactivate", "Activate"}));
    QCOMPARE(b.log, (QStringList{"Load", "Activate", "Deactivate"}));
    QCOMPARE(Form::current(), &a);
  }

  // Keys reach the form first, whichever control has the focus.
  void keysReachTheForm_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("vbCode");
    QTest::addColumn<int>("shift");
    QTest::newRow("F1 on a button") << "button" << int(Qt::Key_F1) << 0 << 112 << 0;
    QTest::newRow("F5 in a text box") << "text" << int(Qt::Key_F5) << 0 << 116 << 0;
    QTest::newRow("F12 in the list") << "list" << int(Qt::Key_F12) << 0 << 123 << 0;
    QTest::newRow("shift F3 in a panel's button") << "panelbutton" << int(Qt::Key_F3) << int(Qt::ShiftModifier) << 114 << 1;
    QTest::newRow("ctrl F2 on a button") << "button" << int(Qt::Key_F2) << int(Qt::ControlModifier) << 113 << 2;
    QTest::newRow("letter in a text box") << "text" << int(Qt::Key_Q) << 0 << int('Q') << 0;
    QTest::newRow("Escape on the form") << "form" << int(Qt::Key_Escape) << 0 << 27 << 0;
  }
  void keysReachTheForm() {
    QFETCH(QString, focus);
    QFETCH(int, qtKey);
    QFETCH(int, modifiers);
    QFETCH(int, vbCode);
    QFETCH(int, shift);
    RecordingForm f;
    f.Show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QWidget* target = focus == "button" ? f.Command(1).widget()
                      : focus == "panelbutton" ? f.Command(2).widget()
                      : focus == "text" ? f.Text(1).widget()
                      : focus == "list" ? static_cast<QWidget*>(f.List)
                                        : static_cast<QWidget*>(&f);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    f.log.clear();
    QTest::keyClick(target, Qt::Key(qtKey), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f.log.count(QStringLiteral("KeyDown %1 %2").arg(vbCode).arg(shift)), 1);
    QCOMPARE(f.log.count(QStringLiteral("KeyUp %1 %2").arg(vbCode).arg(shift)), 1);
  }

  // A held key's repeats come as release-and-press pairs; only the real release is a KeyUp.
  void heldKeyRepeatsAreNoRelease() {
    RecordingForm f;
    f.Show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QWidget* target = f.Command(1).widget();
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    f.log.clear();
    QTest::sendKeyEvent(QTest::Press, target, Qt::Key_F1, QString(), Qt::NoModifier);
    for (int i = 0; i < 3; ++i) {
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier, QString(), true);
      QApplication::sendEvent(target, &release);
      QKeyEvent again(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier, QString(), true);
      QApplication::sendEvent(target, &again);
    }
    QCOMPARE(f.log.count(QStringLiteral("KeyUp 112 0")), 0);
    QTest::sendKeyEvent(QTest::Release, target, Qt::Key_F1, QString(), Qt::NoModifier);
    QCOMPARE(f.log.count(QStringLiteral("KeyUp 112 0")), 1);
  }

  // A key handler that lets events run (F11 and F12 wait for the boards) may see the key's
  // release before the press has travelled on from the focused control to its parents; the
  // press is still one press. A second tap of the same key is a new press.
  void aTapIsOnePressWhileTheHandlerLetsEventsRun_data() {
    QTest::addColumn<QString>("focus");
    QTest::newRow("button") << "button";
    QTest::newRow("button in a panel") << "panelbutton";
    QTest::newRow("the form itself") << "form";
  }
  void aTapIsOnePressWhileTheHandlerLetsEventsRun() {
    QFETCH(QString, focus);
    RecordingForm f;
    f.Show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QWidget* target = focus == "button"        ? f.Command(1).widget()
                      : focus == "panelbutton" ? f.Command(2).widget()
                                               : static_cast<QWidget*>(&f);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    f.keyDownLetsEventsRun = true;
    f.log.clear();
    for (int tap = 1; tap <= 2; ++tap) {
      QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_F12, Qt::NoModifier));
      QKeyEvent press(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
      QApplication::sendEvent(target, &press);
      QCOMPARE(f.log.count(QStringLiteral("KeyDown 123 0")), tap);
      QCOMPARE(f.log.count(QStringLiteral("KeyUp 123 0")), tap);
    }
  }

  void formCanTakeAKeyFromTheControl() {
    RecordingForm f;
    f.Show();
    f.Text(1).SetFocus();
    f.swallowKey = 'A';
    QTest::keyClicks(f.Text(1).widget(), "abA");  // lower case 'a' also has key code 'A'
    QCOMPARE(f.Text(1).Text(), QStringLiteral("b"));
  }

  void enterInATextBoxIs13() {
    RecordingForm f;
    f.Show();
    f.Text(1).SetFocus();
    QTest::keyClicks(f.Text(1).widget(), "x");
    QTest::keyClick(f.Text(1).widget(), Qt::Key_Return);
    QVERIFY(f.log.contains("Text_KeyPress 1 120"));
    QVERIFY(f.log.contains("Text_KeyPress 1 13"));
    QCOMPARE(f.Text(1).Text(), QStringLiteral("x"));
  }

  void mouseEventsCarryIndexAndTwips_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("expected");
    QTest::newRow("move over a button") << "command2" << QPoint(4, 6) << "Command_MouseMove 2 0 0 60 90";
    QTest::newRow("move over a panel") << "panel" << QPoint(1, 2) << "Panel_MouseMove 1 0 0 15 30";
  }
  void mouseEventsCarryIndexAndTwips() {
    QFETCH(QString, control);
    QFETCH(QPoint, at);
    QFETCH(QString, expected);
    RecordingForm f;
    f.Show();
    f.log.clear();
    QWidget* w = control == "panel" ? f.Panel(1).widget() : f.Command(2).widget();
    moveOver(w, at);
    QCOMPARE(f.log, QStringList{expected});  // and nothing reached the panel or form beneath
  }

  void pressAndReleaseOnAPicture_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<QString>("up");
    QTest::newRow("left, inside") << Qt::LeftButton << QPoint(10, 20) << "ImageBox_MouseUp 1 1 0 150 300";
    QTest::newRow("right button") << Qt::RightButton << QPoint(10, 20) << "ImageBox_MouseUp 1 2 0 150 300";
    QTest::newRow("released left of it") << Qt::LeftButton << QPoint(-3, 5) << "ImageBox_MouseUp 1 1 0 -45 75";
  }
  void pressAndReleaseOnAPicture() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(QString, up);
    RecordingForm f;
    f.Show();
    f.log.clear();
    pressOn(f.ImageBox(1).widget(), QPoint(2, 3), button);
    releaseOn(f.ImageBox(1).widget(), releaseAt, button);
    QCOMPARE(f.log, (QStringList{QStringLiteral("ImageBox_MouseDown 1 %1 0 30 45").arg(button == Qt::LeftButton ? 1 : 2), up}));
  }

  void buttonsClickByMouseAndAccelerator() {
    RecordingForm f;
    f.Show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    f.log.clear();
    QTest::mouseClick(f.Command(2).widget(), Qt::LeftButton);
    QTest::keyClick(&f, Qt::Key_S, Qt::AltModifier);  // the accelerator of "&Stop"
    QTRY_COMPARE(f.log.filter("Click"), (QStringList{"Command_Click 2", "Command_Click 1"}));
    f.Command(1).setEnabled(false);
    QTest::mouseClick(f.Command(1).widget(), Qt::LeftButton);
    QTest::qWait(150);
    QCOMPARE(f.log.filter("Click").size(), 2);
    QVERIFY(!f.Command(1).Enabled());
  }

  void closingAsksTheForm() {
    RecordingForm f;
    f.Show();
    f.close();
    QVERIFY(f.log.contains("QueryUnload"));
    QVERIFY(f.isVisible());
  }

  void textBoxLimits_data() {
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("no limit") << 0 << "Jansen" << "Jansen";
    QTest::newRow("limit 4") << 4 << "Jansen" << "Jans";
    QTest::newRow("limit 1") << 1 << "ab" << "a";
  }
  void textBoxLimits() {
    QFETCH(int, maxLength);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QWidget host;
    TextBox& t = createControl<TextBox>(&host, 0, 0, 100, 20);
    t.setMaxLength(maxLength);
    t.setPasswordChar(QStringLiteral("*"));
    QTest::keyClicks(&t, typed);
    QCOMPARE(t.Text(), kept);
    QCOMPARE(t.displayText(), QString(kept.size(), '*'));
  }

  void sortedListTakesAlphabeticalPlace() {
    QWidget host;
    ListBox& l = createControl<ListBox>(&host, 0, 0, 100, 100);
    l.setSorted(true);
    int clicks = 0;
    l.events().Click = [&](int) { ++clicks; };
    for (const char* s : {"H2b", "a1", "Bakker Piet", "bakker Anna", "A1"}) l.AddItem(QString::fromUtf8(s));
    QStringList lines;
    for (int i = 0; i < l.ListCount(); ++i) lines << l.List(i);
    QCOMPARE(lines, (QStringList{"a1", "A1", "bakker Anna", "Bakker Piet", "H2b"}));
    QCOMPARE(l.ListIndex(), -1);
    l.setListIndex(3);
    QCOMPARE(l.Text(), QStringLiteral("Bakker Piet"));
    QCOMPARE(clicks, 1);
    l.Clear();
    QCOMPARE(l.ListIndex(), -1);
    QCOMPARE(l.List(0), QString());
  }

  // The click handler reads the line just chosen, whichever way it was chosen: a handler that
  // fills fields from ListIndex must not show the line chosen before.
  void clickSeesTheLineChosen_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("mouse") << "mouse";
    QTest::newRow("arrow key") << "key";
    QTest::newRow("the program") << "program";
  }
  void clickSeesTheLineChosen() {
    QFETCH(QString, how);
    QWidget host;
    ListBox& l = createControl<ListBox>(&host, 0, 0, 100, 100);
    for (const char* s : {"3A", "3B", "3C"}) l.AddItem(QString::fromUtf8(s));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    l.setListIndex(0);
    QStringList seen;
    l.events().Click = [&](int) { seen << l.Text(); };
    if (how == "mouse") {
      const QPoint onSecondLine = l.visualItemRect(l.item(1)).center();
      QTest::mouseClick(l.viewport(), Qt::LeftButton, {}, onSecondLine);
    } else if (how == "key") {
      l.setFocus();
      QTest::keyClick(&l, Qt::Key_Down);
    } else {
      l.setListIndex(1);
    }
    QCOMPARE(seen, QStringList{QStringLiteral("3B")});
    QCOMPARE(l.ListIndex(), 1);
  }

  // Only a left press chooses a line; every button's press still reaches the handler.
  void onlyTheLeftButtonChoosesALine_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("chosen");
    QTest::newRow("left") << int(Qt::LeftButton) << 1;
    QTest::newRow("right") << int(Qt::RightButton) << -1;
    QTest::newRow("middle") << int(Qt::MiddleButton) << -1;
  }
  void onlyTheLeftButtonChoosesALine() {
    QFETCH(int, button);
    QFETCH(int, chosen);
    QWidget host;
    ListBox& l = createControl<ListBox>(&host, 0, 0, 100, 100);
    for (const char* s : {"3A", "3B", "3C"}) l.AddItem(QString::fromUtf8(s));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    int presses = 0;
    l.events().MouseDown = [&](int, int, int, float, float) { ++presses; };
    const QPoint onSecondLine = l.visualItemRect(l.item(1)).center();
    QTest::mousePress(l.viewport(), static_cast<Qt::MouseButton>(button), {}, onSecondLine);
    QTest::mouseRelease(l.viewport(), static_cast<Qt::MouseButton>(button), {}, onSecondLine);
    QCOMPARE(l.ListIndex(), chosen);
    QCOMPARE(presses, 1);
  }

  void timersTickOnlyWhileEnabled() {
    QObject owner;
    int ticks = 0;
    Timer t(&owner, 5, [&] { ++ticks; });
    QTest::qWait(30);
    QCOMPARE(ticks, 0);
    t.setEnabled(true);
    QTRY_VERIFY(ticks >= 2);
    t.setEnabled(false);
    const int stopped = ticks;
    QTest::qWait(30);
    QCOMPARE(ticks, stopped);
    t.setInterval(0);
    t.setEnabled(true);
    QTest::qWait(30);
    QCOMPARE(ticks, stopped);
    QVERIFY(t.Enabled());
  }

  void coloursAreBlueGreenRed_data() {
    QTest::addColumn<int>("vb");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("red") << 255 << QColor(255, 0, 0);
    QTest::newRow("yellow") << 0xFFFF << QColor(255, 255, 0);
    QTest::newRow("dark blue") << 0x400000 << QColor(0, 0, 64);
    QTest::newRow("button normal") << int(KleurKnopNormaal) << QColor(0xBF, 0xDB, 0xFF);
    QTest::newRow("button hover") << int(KleurKnopOnderMuis) << QColor(0xD5, 0xE5, 0xFA);
  }
  void coloursAreBlueGreenRed() {
    QFETCH(int, vb);
    QFETCH(QColor, colour);
    QCOMPARE(vbColor(vb), colour);
    QCOMPARE(vbColorOf(colour), vb);
  }

  void messageTextLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one line") << "Cijfer: 8" << "Cijfer: 8";
    QTest::newRow("two lines") << "a\rb" << "a\nb";
    QTest::newRow("empty line between") << "Je kunt niet verder terug.\r\rDit is het begin van de les."
                                        << "Je kunt niet verder terug.\n\nDit is het begin van de les.";
    QTest::newRow("trailing return") << "Klik eerst op OK.\r" << "Klik eerst op OK.\n";
    QTest::newRow("return and line feed is one break") << "a\r\nb" << "a\nb";
  }
  void messageTextLines() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(displayLines(text), shown);
  }

  void fontsAreSubstituted_data() {
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("got");
    QTest::newRow("Comic Sans MS") << "Comic Sans MS" << "Comic Neue";
    QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "DejaVu Sans";
  }
  void fontsAreSubstituted() {
    QFETCH(QString, asked);
    QFETCH(QString, got);
    QCOMPARE(QFontInfo(QFont(asked)).family(), got);
  }
};

QTEST_MAIN(TestFormEvents)
#include "tst_formevents.moc"
