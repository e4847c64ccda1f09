#include "framework/geometry.h"

#include <gtest/gtest.h>

namespace {

// A control's rectangle as the scrolled forms use it: where it shows now, taken
// back by the scroll position to where the form drew it, and the part of it that
// the client area still shows.
TEST(Geometry, ScrolledControlBackInFormCoordinatesAndItsVisiblePart)
{
    const CRect inForm(CPoint(40, 300), CSize(200, 30));
    const CPoint scroll(20, 280);
    const CRect shown = inForm - scroll;
    EXPECT_EQ(CRect(20, 20, 220, 50), shown);
    CRect back = shown;
    back.OffsetRect(scroll.x, scroll.y);
    EXPECT_EQ(inForm, back);
    EXPECT_EQ(inForm.Size(), back.Size());
    EXPECT_EQ(CSize(20, 280), inForm.TopLeft() - shown.TopLeft());

    const CRect client(0, 0, 150, 100);
    struct Case {
        CPoint scroll;
        CRect visible;
    } const cases[] = {
        {CPoint(20, 280), CRect(20, 20, 150, 50)},  // cut at the right edge
        {CPoint(0, 250), CRect(40, 50, 150, 80)},
        {CPoint(0, 200), CRect()},  // just below the client area: nothing
        {CPoint(0, 330), CRect()},  // just above it: nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.visible, (inForm - c.scroll) & client) << c.scroll.x << "," << c.scroll.y;
}

// In the metric mapping modes y grows upwards: a rectangle made from its device
// corners comes out upside down, empty until it is normalised, and normalised it
// has the size and the centre of the device rectangle, y negated.
TEST(Geometry, RectangleFromMetricCornersIsEmptyUntilNormalised)
{
    const CRect device(CPoint(100, 200), CSize(300, 150));
    const CPoint corners[2] = {CPoint(device.left, -device.top), CPoint(device.right, -device.bottom)};
    CRect metric(corners[0], corners[1]);
    EXPECT_TRUE(metric.IsRectEmpty());
    EXPECT_EQ(CSize(300, -150), metric.Size());
    metric.NormalizeRect();
    EXPECT_EQ(CRect(100, -350, 400, -200), metric);
    EXPECT_EQ(CSize(300, 150), metric.Size());
    const CPoint centre = device.CenterPoint();
    EXPECT_EQ(CPoint(centre.x, -centre.y), metric.CenterPoint());
    EXPECT_TRUE(metric.PtInRect(CPoint(100, -350)));
    EXPECT_FALSE(metric.PtInRect(CPoint(400, -200)));
}

TEST(Geometry, EmptyAndNullRectangles)
{
    struct Case {
        CRect rect;
        bool empty;
        bool null;
    };
    const Case cases[] = {
        {CRect(), true, true},
        {CRect(5, 5, 5, 10), true, false},     // no width
        {CRect(5, 5, 10, 5), true, false},     // no height
        {CRect(10, 5, 5, 10), true, false},    // inverted
        {CRect(0, 0, 1, 1), false, false},
        {CRect(-3, -3, -1, -1), false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.empty, c.rect.IsRectEmpty() != FALSE) << c.rect.left << "," << c.rect.top;
        EXPECT_EQ(c.null, c.rect.IsRectNull() != FALSE) << c.rect.left << "," << c.rect.top;
    }
}

TEST(Geometry, PointInRectangleExcludesRightAndBottomEdges)
{
    const CRect r(0, 0, 10, 5);
    struct Case {
        CPoint point;
        bool inside;
    };
    const Case cases[] = {
        {CPoint(0, 0), true},   {CPoint(9, 4), true},  {CPoint(10, 0), false}, {CPoint(0, 5), false},
        {CPoint(-1, 2), false}, {CPoint(5, -1), false}, {CPoint(5, 2), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.inside, r.PtInRect(c.point) != FALSE) << c.point.x << "," << c.point.y;
}

TEST(Geometry, MovingGrowingAndShrinking)
{
    CRect r(10, 10, 20, 30);
    r.OffsetRect(5, -5);
    EXPECT_EQ(CRect(15, 5, 25, 25), r);
    r.OffsetRect(CSize(-15, -5));
    EXPECT_EQ(CRect(0, 0, 10, 20), r);
    r.InflateRect(2, 3);
    EXPECT_EQ(CRect(-2, -3, 12, 23), r);
    r.DeflateRect(2, 3);
    EXPECT_EQ(CRect(0, 0, 10, 20), r);
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(-1, -2, 13, 24), r);
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(0, 0, 10, 20), r);
    r.MoveToXY(100, 200);
    EXPECT_EQ(CRect(100, 200, 110, 220), r);
    EXPECT_EQ(CRect(101, 199, 111, 219), r + CPoint(1, -1));
    EXPECT_EQ(CRect(99, 201, 109, 221), r - CSize(1, -1));
}

TEST(Geometry, NormalizeSwapsInvertedEdges)
{
    CRect r(30, 40, 10, 20);
    r.NormalizeRect();
    EXPECT_EQ(CRect(10, 20, 30, 40), r);
    CRect mixed(5, 40, 15, 20);
    mixed.NormalizeRect();
    EXPECT_EQ(CRect(5, 20, 15, 40), mixed);
}

TEST(Geometry, IntersectionAndUnion)
{
    struct Case {
        CRect a, b;
        bool intersects;
        CRect common;
        bool anyArea;
        CRect both;
    };
    const Case cases[] = {
        // overlapping
        {CRect(0, 0, 10, 10), CRect(5, 5, 20, 20), true, CRect(5, 5, 10, 10), true, CRect(0, 0, 20, 20)},
        // one inside the other
        {CRect(0, 0, 10, 10), CRect(2, 2, 4, 4), true, CRect(2, 2, 4, 4), true, CRect(0, 0, 10, 10)},
        // touching edges share no area
        {CRect(0, 0, 10, 10), CRect(10, 0, 20, 10), false, CRect(), true, CRect(0, 0, 20, 10)},
        // apart
        {CRect(0, 0, 1, 1), CRect(5, 5, 6, 6), false, CRect(), true, CRect(0, 0, 6, 6)},
        // an empty rectangle does not widen the union
        {CRect(50, 50, 50, 60), CRect(0, 0, 10, 10), false, CRect(), true, CRect(0, 0, 10, 10)},
        {CRect(0, 0, 10, 10), CRect(), false, CRect(), true, CRect(0, 0, 10, 10)},
        // both empty
        {CRect(3, 3, 3, 3), CRect(7, 7, 1, 1), false, CRect(), false, CRect()},
    };
    for (const Case& c : cases) {
        CRect common(99, 99, 99, 99);
        EXPECT_EQ(c.intersects, common.IntersectRect(c.a, c.b) != FALSE);
        EXPECT_EQ(c.common, common);
        EXPECT_EQ(c.common, c.a & c.b);
        CRect both(99, 99, 99, 99);
        EXPECT_EQ(c.anyArea, both.UnionRect(c.a, c.b) != FALSE);
        EXPECT_EQ(c.both, both);
        EXPECT_EQ(c.both, c.a | c.b);
    }
}

TEST(Geometry, IntersectionMayBeItsOwnArgument)
{
    CRect r(0, 0, 10, 10);
    r.IntersectRect(r, CRect(5, -5, 15, 5));
    EXPECT_EQ(CRect(5, 0, 10, 5), r);
    r.UnionRect(r, CRect(0, 0, 1, 1));
    EXPECT_EQ(CRect(0, 0, 10, 5), r);
}

}  // namespace
