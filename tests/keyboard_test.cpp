// The real window played by keyboard alone: where the focus goes, what the
// focused object tells a screen reader, and how plainly the focus shows.
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cmath>

namespace spinzaro {
namespace {

struct KeyboardPlay : ::testing::Test, PlayedWindow {
    void SetUp() override
    {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.isActiveWindow(); }));
        watch = QObject::connect(qApp, &QApplication::focusChanged, [this](QWidget*, QWidget* now) {
            focusPath.push_back(now == nullptr ? "nothing" : now->objectName().toStdString());
        });
    }
    void TearDown() override { QObject::disconnect(watch); }
    // Through the window, as a keyboard's key reaches the focused control.
    void press(Qt::Key key) { QTest::keyClick(window.windowHandle(), key); }
    // What a screen reader reads of the focused object.
    QString focused(QAccessible::Text text) const
    {
        return QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(text);
    }

    // The last news a screen reader was notified of.
    QString said() const { return QAccessible::queryAccessibleInterface(control("notice"))->text(QAccessible::Name); }

    std::vector<std::string> focusPath;
    QMetaObject::Connection watch;
};

TEST_F(KeyboardPlay, AWinHoldsTheFocusOnItsNewsAndGivesItBackToSpinWhichPlaysOnWithSpace)
{
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), control("cmdSpin"));
    press(Qt::Key_Plus);
    EXPECT_EQ(said(), "Stake now $2.00");
    random->script({testkit::drawFor(Symbol::emblem)});
    press(Qt::Key_Space);
    ASSERT_TRUE(waitForEvaluation());
    EXPECT_EQ(caption("lbBet"), "$2.00");
    EXPECT_EQ(said(), "You lose. Balance -$2.00");

    random->script({testkit::drawFor(Symbol::bell)});
    press(Qt::Key_Space);
    ASSERT_TRUE(waitForEvaluation());
    ASSERT_FALSE(enabled("cmdSpin"));
    // Both buttons are disabled: the focus rests on an object named with the win.
    EXPECT_EQ(focused(QAccessible::Name), "You win $60.00 on bell bell bell. Balance $56.00");
    press(Qt::Key_Space);  // nothing to press meanwhile
    EXPECT_EQ(caption("lbBet"), "$4.00");

    ASSERT_TRUE(waitForSpin());
    EXPECT_EQ(focusPath, (std::vector<std::string>{"cmdSpin", "announcement", "cmdSpin"}));
    random->script({testkit::drawFor(Symbol::emblem)});
    press(Qt::Key_Space);
    ASSERT_TRUE(waitForEvaluation());
    EXPECT_EQ(caption("lbBet"), "$6.00");
}

// The colour's relative luminance, as contrast ratios count it.
double luminance(const QColor& colour)
{
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}
double contrast(const QColor& one, const QColor& other)
{
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

struct Mark {
    int width = 0;      // pixels the focus changes by 3:1 or more, in a row
    double beside = 0;  // the better contrast with a pixel beside them
};

// Along a row or column of a button grabbed with and without the focus, from
// its edge inwards: the first run of pixels the focus changes.
Mark markAcross(const QImage& focused, const QImage& unfocused, QPoint from, QPoint step)
{
    const auto inside = [&](QPoint point) { return focused.rect().contains(point); };
    const auto changed = [&](QPoint point) {
        return inside(point) && contrast(focused.pixelColor(point), unfocused.pixelColor(point)) >= 3.0;
    };
    QPoint at = from;
    while (inside(at) && !changed(at))
        at += step;
    const QPoint first = at;
    Mark mark;
    for (; changed(at); at += step)
        ++mark.width;
    for (const auto& [markPixel, besidePixel] : {std::pair{first, first - step}, {at - step, at}})
        if (mark.width > 0 && inside(besidePixel))
            mark.beside =
                std::max(mark.beside, contrast(focused.pixelColor(markPixel), focused.pixelColor(besidePixel)));
    return mark;
}

TEST_F(KeyboardPlay, EveryButtonShowsItsFocusWithAMarkTwoPixelsWideAndThreeToOneAgainstItsSurroundings)
{
    for (const char* name : {"cmdSpin", "cmdQuit"}) {
        SCOPED_TRACE(name);
        QWidget* button = control(name);
        control(name == std::string("cmdSpin") ? "cmdQuit" : "cmdSpin")->setFocus();
        const QImage unfocused = button->grab().toImage();
        button->setFocus();
        ASSERT_TRUE(button->hasFocus());
        const QImage focused = button->grab().toImage();
        ASSERT_EQ(focused.devicePixelRatio(), 1.0) << "measured at scale 1";
        const int middleX = focused.width() / 2;
        const int middleY = focused.height() / 2;
        const int right = focused.width() - 1;
        const int bottom = focused.height() - 1;
        for (const auto& [from, step] : {std::pair{QPoint(0, middleY), QPoint(1, 0)},
                                         {QPoint(right, middleY), QPoint(-1, 0)},
                                         {QPoint(middleX, 0), QPoint(0, 1)},
                                         {QPoint(middleX, bottom), QPoint(0, -1)}}) {
            const Mark mark = markAcross(focused, unfocused, from, step);
            EXPECT_GE(mark.width, 2) << "from " << from.x() << "," << from.y();
            EXPECT_GE(mark.beside, 3.0) << "from " << from.x() << "," << from.y();
        }
    }
}

}  // namespace
}  // namespace spinzaro
