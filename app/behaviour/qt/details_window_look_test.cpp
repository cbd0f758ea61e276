// The details window's look as only Qt's widgets and pixels show it, beside the behaviour
// table: its frame and icon, the picture cut off at the client area, the labels' fonts,
// colours and lines over it, and a screenshot for people to look at.
#include <QDir>
#include <QFontInfo>
#include <QPainter>

#include "app/behaviour/qt/program_fixture.h"
#include "runtime/qt/appearance.h"
#include "ui/Form2/Form2_description.h"

namespace app::behaviour::qt {
namespace {

const QSize kClientArea(407, 308);
const QColor kCyanGrey(0xCB, 0xEB, 0xED);

}  // namespace

class DetailsWindowLookTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Program> program_;
  QMainWindow* details_ = nullptr;

  [[nodiscard]] QMap<QString, QRect> ControlBoxes() const {
    QMap<QString, QRect> boxes;
    for (QWidget* child :
         details_->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      boxes[child->objectName()] = child->geometry();
    }
    return boxes;
  }

  [[nodiscard]] static QColor ButtonFace() {
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
  }

 private slots:
  void init() {
    program_ = std::make_unique<Program>();
    QVERIFY(program_->Start());
    Program::PressF2();
    QVERIFY(Program::About() != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(Program::About()));
    Program::ClickMoreDetails();
    details_ = Program::Details();
    QVERIFY(details_ != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(details_));
  }
  void cleanup() {
    program_.reset();
    details_ = nullptr;
  }

  // The frame.

  void TheTitleIsTheAuthorsFirstName() {
    const QString title = details_->windowTitle();
    QVERIFY(!title.isEmpty());
    QVERIFY(!title.contains(' '));
    // The about window gives the author's full name.
    const QString fullName = Control<QLabel>(Program::About(), "Label2")->text();
    QVERIFY2(fullName.startsWith(title + ' '), qPrintable(fullName));
  }

  void TheFrameIsSizableWithATaskBarEntry() {
    QVERIFY(details_->minimumSize() != details_->maximumSize());
    QCOMPARE(details_->windowType(), Qt::Window);
    const Qt::WindowFlags flags = details_->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!details_->isMinimized() && !details_->isMaximized());
    QVERIFY(details_->menuWidget() == nullptr);
  }

  void TheIconIsItsOwn() {
    const QIcon icon = details_->windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    const QImage own = icon.pixmap(32, 32).toImage();
    QVERIFY(own != Program::Calculator()->windowIcon().pixmap(32, 32).toImage());
    QVERIFY(own != Program::About()->windowIcon().pixmap(32, 32).toImage());
  }

  void ResizingMovesNothing_data() {
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<bool>("maximise");
    QTest::newRow("drag the frame wider and taller") << QSize(640, 480) << false;
    QTest::newRow("drag the frame smaller") << QSize(200, 150) << false;
    QTest::newRow("maximise") << QSize() << true;
  }
  void ResizingMovesNothing() {
    QFETCH(QSize, wanted);
    QFETCH(bool, maximise);
    const QMap<QString, QRect> before = ControlBoxes();
    if (maximise) {
      details_->showMaximized();
      QTRY_VERIFY(details_->centralWidget()->width() > kClientArea.width());
    } else {
      details_->resize(wanted);
      QCOMPARE(details_->centralWidget()->size(), wanted);
    }
    QCOMPARE(ControlBoxes(), before);
    // A larger window shows the button face to the right of and below the picture.
    const QImage shown = Snapshot(details_);
    if (shown.width() > 420 && shown.height() > 320) {
      QCOMPARE(shown.pixelColor(415, 100), ButtonFace());
      QCOMPARE(shown.pixelColor(100, 315), ButtonFace());
      QCOMPARE(shown.pixelColor(shown.width() - 1, shown.height() - 1), ButtonFace());
    }
  }

  // The picture.

  void ThePictureFillsTheWindowCutOffAtItsEdges() {
    QWidget* picture = Control(details_, "Image1");
    QCOMPARE(picture->geometry(), QRect(0, 0, 408, 312));
    const runtime::Control* row = runtime::FindControl(ui::Form2::kDescription, "Image1");
    QVERIFY(row != nullptr);
    const QImage source = runtime::qt::DecodePicture(row->picture);
    QCOMPARE(source.size(), QSize(1024, 768));
    // The client area shows the stretched picture's top-left part; the labels are left out
    // of the comparison.
    QImage stretched =
        source.scaled(picture->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .copy(QRect(QPoint(0, 0), kClientArea))
            .convertToFormat(QImage::Format_RGB32);
    QImage shown = Snapshot(details_);
    QCOMPARE(shown.size(), kClientArea);
    for (QImage* image : {&stretched, &shown}) {
      QPainter painter(image);
      for (const char* label : {"Label1", "Label2", "Label3", "Label4"}) {
        painter.fillRect(Control(details_, label)->geometry(), Qt::black);
      }
    }
    const double difference = MeanDifference(shown, stretched);
    QVERIFY2(difference < 4, qPrintable(QString("mean difference %1").arg(difference)));
  }

  // The labels.

  void SelfSizingLabelsTakeOneLineOfTheirText_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("the telephone number") << "Label3";
    QTest::newRow("the school class") << "Label2";
    QTest::newRow("the school") << "Label4";
  }
  void SelfSizingLabelsTakeOneLineOfTheirText() {
    QFETCH(QString, control);
    const QString problem = OneLineProblem(details_, Control<QLabel>(details_, control));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
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
    auto* label = Control<QLabel>(details_, "Label1");
    if (!text.isEmpty()) {
      runtime::SetTextChecked(program_->Registry().InstanceOf(WindowClass::Form2), "Label1",
                              text.toStdString());
      QCOMPARE(label->text(), text);
    }
    QCOMPARE(label->geometry(), QRect(8, 256, 57, 17));
    QVERIFY(label->wordWrap());
    QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    const std::vector<InkBand> bands = InkBands(ShowAndHide(details_, label), label->geometry());
    QCOMPARE(static_cast<int>(bands.size()), lines);
    // Each line starts at the box's left edge.
    QVERIFY(bands.front().left - label->x() <= 2);
  }

  void EveryLabelHasItsFont_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<double>("points");
    QTest::newRow("the telephone number") << "Label3" << 9.75;
    QTest::newRow("the school class") << "Label2" << 8.25;
    QTest::newRow("the examination") << "Label1" << 8.25;
    QTest::newRow("the school") << "Label4" << 8.25;
  }
  void EveryLabelHasItsFont() {
    QFETCH(QString, control);
    QFETCH(double, points);
    const QFont font = Control(details_, control)->font();
    QCOMPARE(font.family(), QString("MS Sans Serif"));
    QCOMPARE(font.pointSizeF(), points);
    const QFontInfo shown(font);
    QCOMPARE(shown.pointSizeF(), points);
    QVERIFY(!shown.bold() && !shown.italic() && !shown.underline() && !shown.strikeOut());
  }

  void LabelsHaveTheirTextColours_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("the telephone number in the tooltip text colour")
        << "Label3" << QApplication::palette().color(QPalette::Active, QPalette::ToolTipText);
    QTest::newRow("the school class cyan-grey") << "Label2" << kCyanGrey;
    QTest::newRow("the examination cyan-grey") << "Label1" << kCyanGrey;
    QTest::newRow("the school cyan-grey") << "Label4" << kCyanGrey;
  }
  void LabelsHaveTheirTextColours() {
    QFETCH(QString, control);
    QFETCH(QColor, colour);
    QCOMPARE(Control(details_, control)->palette().color(QPalette::WindowText), colour);
  }

  void LabelsShowThePictureAroundTheirGlyphs_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("the school class") << "Label2";
    QTest::newRow("the examination") << "Label1";
    QTest::newRow("the school") << "Label4";
    QTest::newRow("the telephone number") << "Label3";
  }
  void LabelsShowThePictureAroundTheirGlyphs() {
    QFETCH(QString, control);
    const QString problem = TransparencyProblem(details_, Control<QLabel>(details_, control));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
  }

  // What the user sees, for a person to look at.

  void ScreenshotOfTheWindow() {
    const QString path = QDir(PELLOMAR_SCREENSHOT_DIR).filePath("Form2.png");
    QVERIFY(details_->grab().save(path));
  }
};

}  // namespace app::behaviour::qt

QTEST_MAIN(app::behaviour::qt::DetailsWindowLookTest)
#include "details_window_look_test.moc"
