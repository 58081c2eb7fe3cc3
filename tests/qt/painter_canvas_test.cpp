// The QPainter canvas covers exactly the pixels the toolkit's canvas does:
// right and bottom edges exclusive, the pen inside the rectangle.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "qt/painter_canvas.h"

namespace hl::test {
namespace {

class QtPainterCanvasTest : public ::testing::Test {
 protected:
  QtPainterCanvasTest() : image(40, 40, QImage::Format_RGB32) { image.fill(Qt::white); }

  template <class Draw>
  void draw(Draw fn) {
    QPainter painter(&image);
    qt::QPainterCanvas canvas(painter, QFont());
    fn(canvas);
  }
  QColor at(int x, int y) const { return image.pixelColor(x, y); }

  QImage image;
};

TEST_F(QtPainterCanvasTest, FillRectLeavesTheRightAndBottomEdgesOut) {
  draw([](TCanvas& c) {
    c.brushColor = clBlue;
    c.fillRect({2, 3, 6, 8});
  });
  EXPECT_EQ(at(2, 3), QColor(Qt::blue));
  EXPECT_EQ(at(5, 7), QColor(Qt::blue));
  EXPECT_EQ(at(6, 7), QColor(Qt::white));
  EXPECT_EQ(at(5, 8), QColor(Qt::white));
}

TEST_F(QtPainterCanvasTest, RectangleOutlinesInsideAndFillsUnlessTheBrushIsClear) {
  const struct {
    TBrushStyle style;
    QColor inside;
  } cases[] = {{TBrushStyle::bsSolid, QColor(Qt::blue)}, {TBrushStyle::bsClear, QColor(Qt::white)}};
  for (const auto& c : cases) {
    image.fill(Qt::white);
    draw([&](TCanvas& canvas) {
      canvas.penColor = clRed;
      canvas.brushColor = clBlue;
      canvas.brushStyle = c.style;
      canvas.rectangle({1, 1, 11, 11});
    });
    EXPECT_EQ(at(1, 1), QColor(Qt::red));
    EXPECT_EQ(at(10, 10), QColor(Qt::red));
    EXPECT_EQ(at(11, 11), QColor(Qt::white));
    EXPECT_EQ(at(5, 5), c.inside);
  }
}

TEST_F(QtPainterCanvasTest, TextIsOpaqueOnTheBrushUnlessClear) {
  int width = 0, height = 0;
  draw([&](TCanvas& c) {
    c.brushColor = clLime;
    c.fontColor = clBlack;
    width = c.textWidth("  ");
    height = c.textHeight("  ");
    c.textOut(2, 2, "  ");
  });
  EXPECT_GT(width, 0);
  EXPECT_GT(height, 0);
  EXPECT_EQ(at(2, 2), QColor(Qt::green));
  EXPECT_EQ(at(2 + width, 2), QColor(Qt::white));

  image.fill(Qt::white);
  draw([](TCanvas& c) {
    c.brushColor = clLime;
    c.brushStyle = TBrushStyle::bsClear;
    c.textOut(2, 2, "  ");
  });
  EXPECT_EQ(at(2, 2), QColor(Qt::white));
}

TEST_F(QtPainterCanvasTest, LargerFontsMeasureLarger) {
  int small = 0, large = 0;
  draw([&](TCanvas& c) {
    c.fontSize = 8;
    small = c.textWidth("No.100");
    c.fontSize = 16;
    large = c.textWidth("No.100");
  });
  EXPECT_GT(large, small);
}

}  // namespace
}  // namespace hl::test
