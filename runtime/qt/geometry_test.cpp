// Twips to pixels, and moving a window onto its screen.
#include "runtime/qt/geometry.h"

#include <QTest>

namespace runtime::qt {

class GeometryTest : public QObject {
  Q_OBJECT

 private slots:
  void TwipsBecomeTheNearestPixel_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("calculator client width 6705") << 6705 << 447;
    QTest::newRow("calculator client height 4590") << 4590 << 306;
    QTest::newRow("button width 850 rounds up from 56.7") << 850 << 57;
    QTest::newRow("line end 940 rounds up from 62.7") << 940 << 63;
    QTest::newRow("marker top 1120 rounds up from 74.7") << 1120 << 75;
    QTest::newRow("7 twips round down to nothing") << 7 << 0;
    QTest::newRow("8 twips round up to a pixel") << 8 << 1;
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("left of the origin") << -850 << -57;
  }
  void TwipsBecomeTheNearestPixel() {
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(TwipsToPixels(twips), pixels);
  }

  void BoxesConvertEdgeAndSizeAlike_data() {
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("Clear button, double height")
        << 4440 << 2520 << 1455 << 1575 << QRect(296, 168, 97, 105);
    QTest::newRow("answer label") << 285 << 1125 << 5250 << 435 << QRect(19, 75, 350, 29);
    QTest::newRow("empty box") << 120 << 120 << 0 << 0 << QRect(8, 8, 0, 0);
  }
  void BoxesConvertEdgeAndSizeAlike() {
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QRect, pixels);
    QCOMPARE(ToPixels(Box{left, top, width, height}), pixels);
  }

  void LinesCoverBothEndPoints_data() {
    QTest::addColumn<int>("x1");
    QTest::addColumn<int>("y1");
    QTest::addColumn<int>("x2");
    QTest::addColumn<int>("y2");
    QTest::addColumn<QRect>("bounds");
    QTest::newRow("level line drawn left to right")
        << 240 << 1560 << 6000 << 1560 << QRect(16, 104, 385, 1);
    QTest::newRow("level line drawn right to left")
        << 6000 << 960 << 240 << 960 << QRect(16, 64, 385, 1);
    QTest::newRow("upright line drawn upwards")
        << 240 << 1560 << 240 << 940 << QRect(16, 63, 1, 42);
    QTest::newRow("single point") << 300 << 300 << 300 << 300 << QRect(20, 20, 1, 1);
  }
  void LinesCoverBothEndPoints() {
    QFETCH(int, x1);
    QFETCH(int, y1);
    QFETCH(int, x2);
    QFETCH(int, y2);
    QFETCH(QRect, bounds);
    const LinePixels line = ToPixels(Segment{x1, y1, x2, y2});
    QCOMPARE(line.bounds, bounds);
    QCOMPARE(line.from, QPoint(TwipsToPixels(x1), TwipsToPixels(y1)));
    QCOMPARE(line.to, QPoint(TwipsToPixels(x2), TwipsToPixels(y2)));
  }

  void WindowsMoveOntoTheScreen_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("placed");
    const QRect screen(0, 0, 800, 600);
    QTest::newRow("fits: stays where asked")
        << QRect(270, 246, 447, 328) << screen << QRect(270, 246, 447, 328);
    QTest::newRow("past the right edge: moves left")
        << QRect(500, 100, 447, 328) << screen << QRect(353, 100, 447, 328);
    QTest::newRow("past the bottom: moves up")
        << QRect(270, 400, 447, 328) << screen << QRect(270, 272, 447, 328);
    QTest::newRow("above the top: moves down")
        << QRect(270, -20, 447, 328) << screen << QRect(270, 0, 447, 328);
    QTest::newRow("left of the screen: moves right")
        << QRect(-5, 100, 447, 328) << screen << QRect(0, 100, 447, 328);
    QTest::newRow("larger than the screen: top-left on it")
        << QRect(270, 246, 1000, 700) << screen << QRect(0, 0, 1000, 700);
    QTest::newRow("panel at the top of a second screen")
        << QRect(1500, 10, 447, 328) << QRect(1280, 32, 1024, 736) << QRect(1500, 32, 447, 328);
  }
  void WindowsMoveOntoTheScreen() {
    QFETCH(QRect, window);
    QFETCH(QRect, available);
    QFETCH(QRect, placed);
    QCOMPARE(PlaceOnScreen(window, available), placed);
  }
};

}  // namespace runtime::qt

QTEST_APPLESS_MAIN(runtime::qt::GeometryTest)
#include "geometry_test.moc"
