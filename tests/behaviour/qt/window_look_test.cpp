// The three windows' look as only Qt's widgets and pixels show it, beside the behaviour table:
// their frames and icons, what a larger window shows, the colours, the calculator's display
// box, the labels' ink over what lies behind, the heading's lines, the pictures, and a
// screenshot of each for people to look at.
#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <vector>

#include "runtime/qt/appearance.h"
#include "tests/behaviour/qt/program_fixture.h"
#include "ui/Form1/Form1_description.h"
#include "ui/Form2/Form2_description.h"
#include "ui/frmcal/frmcal_description.h"

namespace tests::behaviour::qt {
namespace {

const QColor kDarkGrey(0x40, 0x40, 0x40);
const QColor kLavender(0xC0, 0xC0, 0xFF);
const QColor kCyanGrey(0xCB, 0xEB, 0xED);

QColor ButtonFace() {
  return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

// A label or frame with colours of its own; a label without a background is transparent.
struct LabelLook {
  const char* window;
  const char* control;
  const char* shows;
  QColor colour;
  bool sizesItself;
  QColor background = {};
};

// Built once the application exists: one colour is the platform's.
std::vector<LabelLook> Labels() {
  return {
      {"frmcal", "lblans", "the running result", Qt::white, false, kDarkGrey},
      {"frmcal", "LblSpc", "the marker", Qt::white, false, kDarkGrey},
      {"frmcal", "Frame1", "the frame's caption", QColor(0xE0, 0xE0, 0xE0), false, kDarkGrey},
      {"Form1", "Label1", "the heading", QColor(0x81, 0xAF, 0xE9), false},
      {"Form1", "Label2", "the name", kLavender, true},
      {"Form1", "Label5", "the house number", kLavender, true},
      {"Form1", "Label6", "the street", kLavender, true},
      {"Form1", "Label7", "the town", kLavender, true},
      {"Form1", "Label8", "the telephone number", kLavender, true},
      {"Form1", "Label3", "the e-mail address", QColor(0x80, 0x80, 0xFF), true},
      {"Form2", "Label3", "the telephone number",
       QApplication::palette().color(QPalette::Active, QPalette::ToolTipText), true},
      {"Form2", "Label2", "the school class", kCyanGrey, true},
      {"Form2", "Label1", "the examination", kCyanGrey, false},
      {"Form2", "Label4", "the school", kCyanGrey, true},
  };
}

QString RowName(const QString& window, const char* what) {
  const QString names[] = {"calculator: ", "about window: ", "details window: "};
  return names[window == "frmcal" ? 0 : window == "Form1" ? 1 : 2] + what;
}

const runtime::WindowDescription& DescriptionOf(const QString& window) {
  return window == "Form1" ? ui::Form1::kDescription : ui::Form2::kDescription;
}

QMap<QString, QRect> ControlBoxes(QMainWindow* window) {
  QMap<QString, QRect> boxes;
  for (QWidget* child :
       window->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    boxes[child->objectName()] = child->geometry();
  }
  return boxes;
}

}  // namespace

class WindowLookTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProgramFixture> program_;

  // The rows of the labels that `wanted` picks, for one check of each.
  static void LabelRows(bool (*wanted)(const LabelLook&)) {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QColor>("background");
    for (const LabelLook& label : Labels()) {
      if (wanted(label)) {
        QTest::newRow(qPrintable(RowName(label.window, label.shows)))
            << label.window << label.control << label.colour << label.background;
      }
    }
  }

  static void EachWindow() {
    QTest::addColumn<QString>("window");
    QTest::newRow("calculator") << "frmcal";
    QTest::newRow("about window") << "Form1";
    QTest::newRow("details window") << "Form2";
  }

 private slots:
  void init() {
    program_ = std::make_unique<ProgramFixture>();
    QVERIFY(program_->Start());
    ProgramFixture::PressF2();
    QVERIFY(QTest::qWaitForWindowActive(ProgramFixture::About()));
    ProgramFixture::ClickMoreDetails();
    QVERIFY(QTest::qWaitForWindowActive(ProgramFixture::Details()));
  }
  void cleanup() { program_.reset(); }

  // The frames.

  void TheFrameIsFixedOrSizable_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("sizable");
    QTest::newRow("about window: fixed, with a close box") << "Form1" << false;
    QTest::newRow("details window: sizable, with all three boxes") << "Form2" << true;
  }
  // Whether a frame is sizable and has a menu bar is the frame rows' to say; here, that a fixed
  // one offers no maximise box, and that each opens neither minimised nor maximised.
  void TheFrameIsFixedOrSizable() {
    QFETCH(QString, window);
    QFETCH(bool, sizable);
    QMainWindow* shown = FindWindow(window);
    const Qt::WindowFlags flags = shown->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), sizable);
    QVERIFY(!shown->isMinimized() && !shown->isMaximized());
  }

  void TheIconIsItsOwn_data() { EachWindow(); }
  void TheIconIsItsOwn() {
    QFETCH(QString, window);
    const QIcon icon = FindWindow(window)->windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    const QImage own = icon.pixmap(32, 32).toImage();
    for (const char* other : {"frmcal", "Form1", "Form2"}) {
      if (other != window) {
        QVERIFY2(own != FindWindow(other)->windowIcon().pixmap(32, 32).toImage(), other);
      }
    }
  }

  // A window made larger or smaller keeps every control in its place; where it grows beyond
  // what the description covers (the client area, the details window's picture), the window's
  // background shows.
  void ResizingMovesNothing_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("wanted");  // empty: maximised
    QTest::addColumn<QSize>("client");  // empty: whatever the screen gives
    QTest::addColumn<QPoint>("beyond");
    QTest::addColumn<QColor>("background");
    const QPoint afterCalculator(447, 306);
    const QPoint afterAbout(427, 295);
    const QPoint afterPicture(408, 312);
    QTest::newRow("calculator: maximise")
        << "frmcal" << QSize() << QSize() << afterCalculator << kDarkGrey;
    QTest::newRow("about window: drag the frame wider and taller")
        << "Form1" << QSize(640, 480) << QSize(427, 295) << afterAbout << kDarkGrey;
    QTest::newRow("about window: drag the frame smaller")
        << "Form1" << QSize(200, 150) << QSize(427, 295) << afterAbout << kDarkGrey;
    // A platform that ignores the fixed size may still maximise it.
    QTest::newRow("about window: maximised by the platform")
        << "Form1" << QSize() << QSize() << afterAbout << kDarkGrey;
    QTest::newRow("details window: drag the frame wider and taller")
        << "Form2" << QSize(640, 480) << QSize(640, 480) << afterPicture << ButtonFace();
    QTest::newRow("details window: drag the frame smaller")
        << "Form2" << QSize(200, 150) << QSize(200, 150) << afterPicture << ButtonFace();
    QTest::newRow("details window: maximise")
        << "Form2" << QSize() << QSize() << afterPicture << ButtonFace();
  }
  void ResizingMovesNothing() {
    QFETCH(QString, window);
    QFETCH(QSize, wanted);
    QFETCH(QSize, client);
    QFETCH(QPoint, beyond);
    QFETCH(QColor, background);
    QMainWindow* shown = FindWindow(window);
    const QMap<QString, QRect> before = ControlBoxes(shown);
    if (wanted.isEmpty()) {
      shown->showMaximized();
      QTRY_VERIFY(shown->isMaximized());
    } else {
      shown->resize(wanted);
    }
    if (!client.isEmpty()) {
      QCOMPARE(shown->centralWidget()->size(), client);
    }
    QCOMPARE(ControlBoxes(shown), before);
    const QImage image = Snapshot(shown);
    if (image.width() > beyond.x() + 8 && image.height() > beyond.y() + 8) {
      QCOMPARE(image.pixelColor(beyond.x() + 7, 100), background);
      QCOMPARE(image.pixelColor(100, beyond.y() + 3), background);
      QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), background);
    }
  }

  void TheBackgroundIsDarkGrey_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QPoint>("point");
    QTest::newRow("calculator: right of the frame") << "frmcal" << QPoint(440, 300);
    QTest::newRow("about window: between the heading and the picture")
        << "Form1" << QPoint(324, 60);
    QTest::newRow("about window: bottom-left corner") << "Form1" << QPoint(2, 293);
  }
  void TheBackgroundIsDarkGrey() {
    QFETCH(QString, window);
    QFETCH(QPoint, point);
    QCOMPARE(Snapshot(FindWindow(window)).pixelColor(point), kDarkGrey);
  }

  // The calculator's buttons and entry look as the platform draws them.
  void ButtonsAndTheEntryKeepThePlatformColours_data() {
    QTest::addColumn<QString>("control");
    for (const runtime::Control& control : ui::frmcal::kDescription.controls) {
      if (control.kind == runtime::ControlKind::PushButton ||
          control.kind == runtime::ControlKind::TextBox) {
        QTest::newRow(control.name.data()) << QString::fromUtf8(control.name);
      }
    }
  }
  void ButtonsAndTheEntryKeepThePlatformColours() {
    QFETCH(QString, control);
    QWidget* widget = ControlWidget(ProgramFixture::Calculator(), control);
    const QPalette platform = QApplication::palette(widget);
    for (const auto role : {QPalette::Button, QPalette::ButtonText, QPalette::Base, QPalette::Text,
                            QPalette::Window}) {
      QCOMPARE(widget->palette().color(role), platform.color(role));
    }
  }

  // The four lines frame the running result and the marker in the platform's highlight.
  void TheScreenShowsTheDisplayBox() {
    QMainWindow* calculator = ProgramFixture::Calculator();
    const QImage shown = Snapshot(calculator);
    const QColor highlight = QApplication::palette().color(QPalette::Highlight);
    for (const char* line : {"Line1", "Line2", "Line3", "Line4"}) {
      const QRect box = ControlWidget(calculator, line)->geometry();
      QCOMPARE(shown.pixelColor(box.topLeft()), highlight);
      QCOMPARE(shown.pixelColor(box.bottomRight()), highlight);
    }
    // Line4 runs over the right end of LblSpc, which lies over lblans' right end.
    QCOMPARE(shown.pixelColor(400, 90), highlight);
    QCOMPARE(shown.pixelColor(399, 90), kDarkGrey);
    // Inside the display box both labels fill their boxes with dark grey.
    QCOMPARE(shown.pixelColor(30, 80), kDarkGrey);
    QCOMPARE(shown.pixelColor(370, 80), kDarkGrey);
  }

  // The labels.

  void SelfSizingLabelsTakeOneLineOfTheirText_data() {
    LabelRows([](const LabelLook& label) { return label.sizesItself; });
  }
  void SelfSizingLabelsTakeOneLineOfTheirText() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    const QString problem =
        OneLineProblem(FindWindow(window), ControlWidget<QLabel>(FindWindow(window), control));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
  }

  void LabelsHaveTheirColours_data() {
    LabelRows([](const LabelLook&) { return true; });
  }
  void LabelsHaveTheirColours() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QColor, colour);
    QFETCH(QColor, background);
    const QPalette palette = ControlWidget(FindWindow(window), control)->palette();
    QCOMPARE(palette.color(QPalette::WindowText), colour);
    if (background.isValid()) {
      QCOMPARE(palette.color(QPalette::Window), background);
    }
  }

  void LabelsShowWhatLiesBehindAroundTheirGlyphs_data() {
    LabelRows([](const LabelLook& label) { return !label.background.isValid(); });
  }
  void LabelsShowWhatLiesBehindAroundTheirGlyphs() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    const QString problem =
        TransparencyProblem(FindWindow(window), ControlWidget<QLabel>(FindWindow(window), control));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
  }

  void TheHeadingBreaksIntoTwoCentredLines() {
    QMainWindow* about = ProgramFixture::About();
    auto* heading = ControlWidget<QLabel>(about, "Label1");
    QVERIFY(heading->wordWrap());
    QCOMPARE(heading->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QRect box = heading->geometry();
    const std::vector<InkBand> lines = InkBands(ShowAndHide(about, heading), box);
    QCOMPARE(lines.size(), std::size_t{2});
    const QFontMetrics metrics(heading->font());
    const QStringList words = {"Pellomar", "Cooperation"};
    for (std::size_t line = 0; line < lines.size(); ++line) {
      const InkBand& ink = lines[line];
      const QString& word = words[static_cast<qsizetype>(line)];
      const int leftMargin = ink.left - box.left();
      const int rightMargin = box.right() - ink.right;
      const QString where = QString("line %1 \"%2\": ink from %3 to %4")
                                .arg(line)
                                .arg(word)
                                .arg(ink.left)
                                .arg(ink.right);
      // One word a line, broken at the space, nothing of it cut off at the sides.
      QVERIFY2(qAbs(ink.right - ink.left + 1 - metrics.tightBoundingRect(word).width()) <= 3,
               qPrintable(where));
      QVERIFY2(leftMargin > 0 && rightMargin > 0, qPrintable(where));
      QVERIFY2(qAbs(leftMargin - rightMargin) <= 3, qPrintable(where));
    }
    QVERIFY(lines[1].bottom < box.bottom());
  }

  void TheExaminationLabelKeepsItsBox_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::newRow("the stored text on one line") << QString() << 1;
    QTest::newRow("a long text broken at its spaces")
        << "2009 A/L with distinction in mathematics and physics" << 2;
  }
  void TheExaminationLabelKeepsItsBox() {
    QFETCH(QString, text);
    QFETCH(int, lines);
    QMainWindow* details = ProgramFixture::Details();
    auto* label = ControlWidget<QLabel>(details, "Label1");
    if (!text.isEmpty()) {
      runtime::SetTextChecked(program_->Registry().InstanceOf(app::WindowClass::Form2), "Label1",
                              text.toStdString());
      QCOMPARE(label->text(), text);
    }
    QCOMPARE(label->geometry(), QRect(8, 256, 57, 17));
    QVERIFY(label->wordWrap());
    QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    const std::vector<InkBand> bands = InkBands(ShowAndHide(details, label), label->geometry());
    QCOMPARE(static_cast<int>(bands.size()), lines);
    // Each line starts at the box's left edge.
    QVERIFY(bands.front().left - label->x() <= 2);
  }

  // The pictures: each stretched to its box, the part inside the client area shown.

  void ThePictureIsStretchedToItsBox_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("source");
    QTest::newRow("about window: the logo in its corner") << "Form1" << QSize(337, 305);
    QTest::newRow("details window: the photo cut off at the edges") << "Form2" << QSize(1024, 768);
  }
  void ThePictureIsStretchedToItsBox() {
    QFETCH(QString, window);
    QFETCH(QSize, source);
    QMainWindow* shown = FindWindow(window);
    const QWidget* picture = ControlWidget(shown, "Image1");
    const runtime::Control* row = runtime::FindControl(DescriptionOf(window), "Image1");
    QVERIFY(row != nullptr);
    const QImage decoded = runtime::qt::DecodePicture(row->picture);
    QCOMPARE(decoded.size(), source);
    const QRect visible = picture->geometry() & shown->centralWidget()->rect();
    QImage stretched =
        decoded.scaled(picture->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .copy(visible.translated(-picture->pos()))
            .convertToFormat(QImage::Format_RGB32);
    QImage seen = Snapshot(shown).copy(visible);
    // Labels over the picture are left out of the comparison.
    for (QImage* image : {&stretched, &seen}) {
      QPainter painter(image);
      for (const QLabel* label : shown->centralWidget()->findChildren<QLabel*>()) {
        painter.fillRect(label->geometry().translated(-visible.topLeft()), Qt::black);
      }
    }
    const double difference = MeanDifference(seen, stretched);
    QVERIFY2(difference < 4, qPrintable(QString("mean difference %1").arg(difference)));
  }

  void MoreDetailsShowsItselfAsTheDefaultButton() {
    // More Details shows itself as the button Enter presses; Exit does not.
    QVERIFY(ControlWidget<QPushButton>(ProgramFixture::About(), "Command1")->isDefault());
    QVERIFY(!ControlWidget<QPushButton>(ProgramFixture::About(), "Command2")->isDefault());
  }

  // What the user sees, for a person to look at.

  void ScreenshotOfTheWindow_data() { EachWindow(); }
  void ScreenshotOfTheWindow() {
    QFETCH(QString, window);
    if (window == "frmcal") {
      for (const char* number : {"30", "12"}) {
        ProgramFixture::Type(number);
        ProgramFixture::Click(ProgramFixture::Calculator(), "cmdsum");
      }
      ProgramFixture::Type("7");
    }
    const QString path = QDir(PELLOMAR_SCREENSHOT_DIR).filePath(window + ".png");
    QVERIFY(FindWindow(window)->grab().save(path));
  }
};

}  // namespace tests::behaviour::qt

QTEST_MAIN(tests::behaviour::qt::WindowLookTest)
#include "window_look_test.moc"
