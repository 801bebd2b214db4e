#include "window_services/effect_frames.h"

#include <QTest>

#include <vector>

using namespace radixon;

Q_DECLARE_METATYPE(radixon::EffectDirection)
Q_DECLARE_METATYPE(radixon::Rect)

namespace {

// Pixels of a width x height window covered by the rectangles, clipped to it.
std::vector<bool> pixels(const std::vector<Rect> &rects, int width, int height)
{
    std::vector<bool> on(static_cast<std::size_t>(width * height), false);
    for (const Rect &r : rects) {
        for (int y = std::max(0, r.top); y < std::min(height, r.bottom); ++y) {
            for (int x = std::max(0, r.left); x < std::min(width, r.right); ++x)
                on[static_cast<std::size_t>(y * width + x)] = true;
        }
    }
    return on;
}

const Rect Whole{0, 0, 300, 200};
const Rect Nothing{0, 0, 0, 0};

} // namespace

class TestEffectFrames : public QObject {
    Q_OBJECT

private slots:
    void firstAndLastFrames_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<EffectDirection>("direction");
        QTest::addColumn<Rect>("first");
        QTest::addColumn<Rect>("last");
        const char *names[] = {"left edge", "right edge", "top edge", "bottom edge", "top-left corner",
                               "bottom-left corner", "top-right corner", "bottom-right corner",
                               "vertical centre line", "horizontal centre line", "centred rectangle",
                               "centred square", "horizontal blinds", "vertical blinds"};
        for (int effect = 0; effect < EffectCount; ++effect) {
            // A 300 x 200 window is wider than tall: effect 11 ends as a centred 200 x 200 square.
            const Rect openLast = effect == 11 ? Rect{50, 0, 250, 200} : Whole;
            QTest::addRow("opening %s", names[effect]) << effect << EffectDirection::Open << Nothing << openLast;
            QTest::addRow("closing %s", names[effect]) << effect << EffectDirection::Close << Whole << Nothing;
        }
    }
    void firstAndLastFrames()
    {
        QFETCH(int, effect);
        QFETCH(EffectDirection, direction);
        QFETCH(Rect, first);
        QFETCH(Rect, last);
        const int frames = effectFrameCount(effect, 50);
        QCOMPARE(frames, effect >= 12 ? 26 : 51);
        const auto firstRegion = effectRegion(effect, direction, 0, 300, 200, 50);
        const auto lastRegion = effectRegion(effect, direction, frames - 1, 300, 200, 50);
        QCOMPARE(pixels(firstRegion, 300, 200), pixels({first}, 300, 200));
        QCOMPARE(pixels(lastRegion, 300, 200), pixels({last}, 300, 200));
        for (const Rect &r : lastRegion)
            QVERIFY(!r.isEmpty());
    }

    void middleFrames_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<EffectDirection>("direction");
        QTest::addColumn<int>("frame");
        QTest::addColumn<Rect>("expected");
        QTest::newRow("centred rectangle half open") << 10 << EffectDirection::Open << 25 << Rect{75, 50, 225, 150};
        QTest::newRow("centred rectangle half closed") << 10 << EffectDirection::Close << 25 << Rect{75, 50, 225, 150};
        QTest::newRow("bottom-left corner half open") << 5 << EffectDirection::Open << 25 << Rect{0, 100, 150, 200};
        QTest::newRow("top-right corner closing") << 6 << EffectDirection::Close << 10 << Rect{60, 0, 300, 160};
        QTest::newRow("vertical centre line opening") << 8 << EffectDirection::Open << 10 << Rect{120, 0, 180, 200};
        QTest::newRow("horizontal centre line closing") << 9 << EffectDirection::Close << 10 << Rect{0, 20, 300, 180};
    }
    void middleFrames()
    {
        QFETCH(int, effect);
        QFETCH(EffectDirection, direction);
        QFETCH(int, frame);
        QFETCH(Rect, expected);
        QCOMPARE(pixels(effectRegion(effect, direction, frame, 300, 200, 50), 300, 200),
                 pixels({expected}, 300, 200));
    }

    void roundsHalvesToEven_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("right");
        // 10 pixels in 4 steps: 2.5, 5, 7.5.
        QTest::newRow("2.5 goes down to 2") << 1 << 2;
        QTest::newRow("5 stays") << 2 << 5;
        QTest::newRow("7.5 goes up to 8") << 3 << 8;
    }
    void roundsHalvesToEven()
    {
        QFETCH(int, frame);
        QFETCH(int, right);
        const auto region = effectRegion(0, EffectDirection::Open, frame, 10, 10, 4);
        QCOMPARE(int(region.size()), 1);
        QCOMPARE(region.front(), (Rect{0, 0, right, 10}));
    }

    void closingHidesWhatOpeningShapeCovers()
    {
        const auto region = effectRegion(1, EffectDirection::Close, 10, 300, 200, 50);
        QCOMPARE(pixels(region, 300, 200), pixels({Rect{0, 0, 240, 200}}, 300, 200));
    }

    void blinds_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("frames");
        QTest::newRow("50 steps give 26 frames") << 12 << 50 << 26;
        QTest::newRow("7 steps: 3.5 rounds to 4") << 13 << 7 << 5;
        QTest::newRow("5 steps: 2.5 rounds to 2") << 12 << 5 << 3;
    }
    void blinds()
    {
        QFETCH(int, effect);
        QFETCH(int, steps);
        QFETCH(int, frames);
        QCOMPARE(effectFrameCount(effect, steps), frames);
    }

    void blindsPeriod_data()
    {
        QTest::addColumn<int>("effect");
        QTest::newRow("horizontal") << 12;
        QTest::newRow("vertical") << 13;
    }
    void blindsPeriod()
    {
        QFETCH(int, effect);
        const auto open = pixels(effectRegion(effect, EffectDirection::Open, 10, 300, 200, 50), 300, 200);
        const auto closed = pixels(effectRegion(effect, EffectDirection::Close, 10, 300, 200, 50), 300, 200);
        const int length = effect == 12 ? 200 : 300;
        for (int along = 0; along < length; ++along) {
            const int x = effect == 12 ? 150 : along;
            const int y = effect == 12 ? along : 100;
            const bool shown = along % 25 < 10;
            QCOMPARE(bool(open[static_cast<std::size_t>(y * 300 + x)]), shown);
            QCOMPARE(bool(closed[static_cast<std::size_t>(y * 300 + x)]), !shown);
        }
    }

    void invalidInput_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("frames");
        QTest::newRow("effect 14 has no frames") << 14 << 50 << 0;
        QTest::newRow("effect -1 has no frames") << -1 << 50 << 0;
        QTest::newRow("zero steps fail") << 10 << 0 << -1;
        QTest::newRow("zero steps fail for blinds") << 12 << 0 << -1;
    }
    void invalidInput()
    {
        QFETCH(int, effect);
        QFETCH(int, steps);
        QFETCH(int, frames);
        QCOMPARE(effectFrameCount(effect, steps), frames);
        QVERIFY(effectRegion(effect, EffectDirection::Open, 0, 300, 200, steps).empty());
    }
};

QTEST_APPLESS_MAIN(TestEffectFrames)
#include "tst_effect_frames.moc"
