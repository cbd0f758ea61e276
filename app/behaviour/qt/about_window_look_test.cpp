// The about window's look as only Qt's widgets and pixels show it, beside the behaviour
// table: its frame, icon, fonts and colours, the heading's lines, the labels over the
// background, the picture, and a screenshot for people to look at.
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <utility>
#include <vector>

#include "app/behaviour/qt/program_fixture.h"
#include "runtime/qt/appearance.h"
#include "ui/Form1/Form1_description.h"

namespace app::behaviour::qt {
namespace {

const QColor kDarkGrey(0x40, 0x40, 0x40);
const QSize kClientArea(427, 295);

// The labels by what they show.
const std::vector<std::pair<const char*, const char*>> kLabels = {
    {"Label1", "the heading"},       {"Label2", "the name"}, {"Label5", "the house number"},
    {"Label6", "the street"},        {"Label7", "the town"}, {"Label8", "the telephone number"},
    {"Label3", "the e-mail address"}};

}  // namespace

class AboutWindowLookTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Program> program_;
  QMainWindow* about_ = nullptr;

  [[nodiscard]] QMap<QString, QRect> ControlBoxes() const {
    QMap<QString, QRect> boxes;
    for (QWidget* child :
         about_->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      boxes[child->objectName()] = child->geometry();
    }
    return boxes;
  }

 private slots:
  void init() {
    program_ = std::make_unique<Program>();
    QVERIFY(program_->Start());
    Program::PressF2();
    about_ = Program::About();
    QVERIFY(about_ != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(about_));
  }
  void cleanup() {
    program_.reset();
    about_ = nullptr;
  }

  // The frame.

  void TheFrameIsFixedWithACloseBox() {
    QCOMPARE(about_->minimumSize(), about_->maximumSize());
    const Qt::WindowFlags flags = about_->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!about_->isMinimized() && !about_->isMaximized());
    QVERIFY(about_->menuWidget() == nullptr);
  }

  void DraggingTheFrameResizesAndMovesNothing_data() {
    QTest::addColumn<QSize>("wanted");
    QTest::newRow("drag the frame wider and taller") << QSize(640, 480);
    QTest::newRow("drag the frame smaller") << QSize(200, 150);
  }
  void DraggingTheFrameResizesAndMovesNothing() {
    QFETCH(QSize, wanted);
    const QMap<QString, QRect> before = ControlBoxes();
    about_->resize(wanted);
    QCOMPARE(about_->centralWidget()->size(), kClientArea);
    QCOMPARE(ControlBoxes(), before);
  }

  void AWindowGrownByThePlatformMovesNothing() {
    // A platform that ignores the fixed size may still maximise the window: the controls
    // keep their places and the dark grey background fills the rest.
    const QMap<QString, QRect> before = ControlBoxes();
    about_->showMaximized();
    QTRY_VERIFY(about_->isMaximized());
    QCOMPARE(ControlBoxes(), before);
    const QImage shown = Snapshot(about_);
    QCOMPARE(shown.pixelColor(shown.width() - 1, shown.height() - 1), kDarkGrey);
  }

  void TheIconIsItsOwn() {
    const QIcon icon = about_->windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    Program::ClickMoreDetails();
    QVERIFY(Program::Details() != nullptr);
    const QImage own = icon.pixmap(32, 32).toImage();
    QVERIFY(own != Program::Calculator()->windowIcon().pixmap(32, 32).toImage());
    QVERIFY(own != Program::Details()->windowIcon().pixmap(32, 32).toImage());
  }

  // The layout.

  void SelfSizingLabelsTakeOneLineOfTheirText_data() {
    QTest::addColumn<QString>("control");
    for (const auto& [control, shows] : kLabels) {
      if (QString(control) != "Label1") {
        QTest::newRow(shows) << control;
      }
    }
  }
  void SelfSizingLabelsTakeOneLineOfTheirText() {
    QFETCH(QString, control);
    const QString problem = OneLineProblem(about_, Control<QLabel>(about_, control));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
  }

  void EveryControlHasItsFont_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    // clang-format off
    QTest::newRow("Exit") << "Command2" << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("More Details") << "Command1" << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("the telephone number") << "Label8" << "Tahoma" << 18.0 << true;
    QTest::newRow("the e-mail address") << "Label3" << "Tahoma" << 11.25 << true;
    QTest::newRow("the town") << "Label7" << "Tahoma" << 14.25 << true;
    QTest::newRow("the street") << "Label6" << "Tahoma" << 14.25 << true;
    QTest::newRow("the house number") << "Label5" << "Tahoma" << 14.25 << true;
    QTest::newRow("the name") << "Label2" << "Tahoma" << 14.25 << true;
    QTest::newRow("the heading") << "Label1" << "Tahoma" << 27.75 << true;
    // clang-format on
  }
  void EveryControlHasItsFont() {
    QFETCH(QString, control);
    QFETCH(QString, face);
    QFETCH(double, points);
    QFETCH(bool, bold);
    const QFont font = Control(about_, control)->font();
    QCOMPARE(font.family(), face);
    QCOMPARE(font.pointSizeF(), points);
    // As shown, in whichever face stands in for the named one.
    const QFontInfo shown(font);
    QCOMPARE(shown.pointSizeF(), points);
    QCOMPARE(shown.bold(), bold);
    QVERIFY(!shown.italic() && !shown.underline() && !shown.strikeOut());
  }

  void LabelsHaveTheirTextColours_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("the telephone number lavender") << "Label8" << QColor(0xC0, 0xC0, 0xFF);
    QTest::newRow("the e-mail address blue-violet") << "Label3" << QColor(0x80, 0x80, 0xFF);
    QTest::newRow("the town lavender") << "Label7" << QColor(0xC0, 0xC0, 0xFF);
    QTest::newRow("the street lavender") << "Label6" << QColor(0xC0, 0xC0, 0xFF);
    QTest::newRow("the house number lavender") << "Label5" << QColor(0xC0, 0xC0, 0xFF);
    QTest::newRow("the name lavender") << "Label2" << QColor(0xC0, 0xC0, 0xFF);
    QTest::newRow("the heading steel blue") << "Label1" << QColor(0x81, 0xAF, 0xE9);
  }
  void LabelsHaveTheirTextColours() {
    QFETCH(QString, control);
    QFETCH(QColor, colour);
    QCOMPARE(Control(about_, control)->palette().color(QPalette::WindowText), colour);
  }

  void TheBackgroundIsDarkGrey() {
    const QImage shown = Snapshot(about_);
    // Between the heading and the picture, and in the bottom-left corner.
    QCOMPARE(shown.pixelColor(324, 60), kDarkGrey);
    QCOMPARE(shown.pixelColor(2, shown.height() - 2), kDarkGrey);
  }

  // The heading.

  void TheHeadingBreaksIntoTwoCentredLines() {
    auto* heading = Control<QLabel>(about_, "Label1");
    QVERIFY(heading->wordWrap());
    QCOMPARE(heading->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QRect box = heading->geometry();
    const std::vector<InkBand> lines = InkBands(ShowAndHide(about_, heading), box);
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

  // Labels over the background.

  void LabelsShowTheBackgroundAroundTheirGlyphs_data() {
    QTest::addColumn<QString>("control");
    for (const auto& [control, shows] : kLabels) {
      QTest::newRow(shows) << control;
    }
  }
  void LabelsShowTheBackgroundAroundTheirGlyphs() {
    QFETCH(QString, control);
    const QString problem = TransparencyProblem(about_, Control<QLabel>(about_, control));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
  }

  // The picture.

  void ThePictureIsStretchedToItsBox() {
    QWidget* picture = Control(about_, "Image1");
    const QRect box = picture->geometry();
    const runtime::Control* row = runtime::FindControl(ui::Form1::kDescription, "Image1");
    QVERIFY(row != nullptr);
    const QImage source = runtime::qt::DecodePicture(row->picture);
    QCOMPARE(source.size(), QSize(337, 305));
    const QImage shown = Snapshot(about_).copy(box);
    const QImage stretched =
        source.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    const double difference = MeanDifference(shown, stretched);
    QVERIFY2(difference < 4, qPrintable(QString("mean difference %1").arg(difference)));
  }

  // Focus and keys.

  void MoreDetailsShowsItselfAsTheDefaultButton() {
    // More Details shows itself as the button Enter presses; Exit does not.
    QVERIFY(Control<QPushButton>(about_, "Command1")->isDefault());
    QVERIFY(!Control<QPushButton>(about_, "Command2")->isDefault());
  }

  // What the user sees, for a person to look at.

  void ScreenshotOfTheWindow() {
    const QString path = QDir(PELLOMAR_SCREENSHOT_DIR).filePath("Form1.png");
    QVERIFY(about_->grab().save(path));
  }
};

}  // namespace app::behaviour::qt

QTEST_MAIN(app::behaviour::qt::AboutWindowLookTest)
#include "about_window_look_test.moc"
