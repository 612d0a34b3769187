// The real main window, headless: its layout, and whole rounds played with
// real clicks through the real timers.
#include "about.h"
#include "design.h"
#include "widgets.h"
#include "window_fixture.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace spinzaro {
namespace {

using ::testing::ElementsAre;

TEST_F(Form1Test, EveryControlStandsWhereTheDesignPutsItInItsColoursAndItsTextFits)
{
    EXPECT_EQ(window.canvas()->size(), QSize(453, 459));  // 5436 x 5508 twips at 12 to the pixel
    EXPECT_EQ(window.canvas()->findChildren<QWidget*>().size(), mainWindowDesign().size());
    const QImage canvas = window.canvas()->grab().toImage();
    // The centre of a logical pixel of a control, counted from its top left
    // corner, in the grab's pixels.
    const auto colour = [&](const char* name, int x, int y) {
        const QPointF centre = QPointF(control(name)->geometry().topLeft() + QPoint(x, y)) + QPointF(0.5, 0.5);
        const QPointF pixel = centre * canvas.devicePixelRatio();
        return canvas.pixelColor(int(pixel.x()), int(pixel.y())).name().toStdString();
    };
    const auto name = [](const QColor& wanted) { return wanted.name().toStdString(); };
    for (const ControlDesign& design : mainWindowDesign()) {
        SCOPED_TRACE(design.name);
        const QWidget* widget = control(design.name);
        ASSERT_NE(widget, nullptr);
        const QRect box = pixelBox(design);
        EXPECT_EQ(widget->pos(), box.topLeft());
        if (design.colour != 0) {  // each line and outline at the middle of its left edge
            EXPECT_EQ(colour(design.name, 0, box.height() / 2), name(QColor(design.colour)));
        }
        // Headings and amounts are sized to their text from their box's top left corner.
        if (design.kind != ControlKind::heading && design.kind != ControlKind::amount) {
            EXPECT_EQ(widget->size(), box.size());
            continue;
        }
        EXPECT_LE(widget->height(), box.height() + 3);
        if (!caption(design.name).isEmpty()) {
            EXPECT_LE(widget->width(), box.width() * 5 / 4);
            EXPECT_GE(widget->width(), box.width() * 3 / 4);
        }
    }
    EXPECT_EQ(name(canvas.pixelColor(5, 60)), name(backgroundColour));
    EXPECT_EQ(colour("lbCoinSlot", 26, 4), name(coinSlotColour));
    EXPECT_EQ(colour("lbWin", 3, 13), name(boxGroundColour));  // blank at the start
    EXPECT_EQ(colour("lbWin", 0, 13), name(amountColour));
    EXPECT_EQ(colour("cmdQuit", 3, 3), name(quitFaceColour));
    EXPECT_EQ(colour("cmdQuit", 0, 10), name(quitEdgeColour.lighter()));  // raised, not flat
    for (const char* tally : {"lbWin", "lbBet", "lbAhead"}) {
        const QLabel* box = control<QLabel>(tally);
        EXPECT_LT(box->fontMetrics().horizontalAdvance("-$10000.00"), box->width() - 4) << tally;
        EXPECT_LT(box->fontMetrics().height(), box->height()) << tally;
    }
    const QLabel* stake = control<QLabel>("lbSpinBet");
    EXPECT_LT(stake->fontMetrics().horizontalAdvance("$5.00"), stake->width() - 4);
}

TEST_F(Form1Test, OpensReadyToPlayWithTheFocusOnQuit)
{
    // The icon and the pointers come once the first frame is painted.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.windowIcon().isNull(); }));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    for (const char* reel : {"imgSpinPix_0", "imgSpinPix_1", "imgSpinPix_2"})
        EXPECT_EQ(control<ReelWindow>(reel)->picture(), nullptr) << reel;
    // The reels step every 50 ms and a win pauses for a second; nothing runs yet.
    for (const auto& [name, interval] : {std::pair{"Timer1", 50}, {"Timer2", 50}, {"Timer3", 50}, {"tmrWait", 1000}}) {
        EXPECT_EQ(control<QTimer>(name)->interval(), interval) << name;
        EXPECT_FALSE(control<QTimer>(name)->isActive()) << name;
    }

    auto* spin = control<QPushButton>("cmdSpin");
    EXPECT_FALSE(spin->icon().isNull());
    EXPECT_EQ(spin->cursor().hotSpot(), QPoint(12, 1));
    EXPECT_EQ(control("lbCoinSlot")->cursor().hotSpot(), QPoint(16, 16));
    // The focus the window gives when it is active; a Wayland compositor, not
    // the window, decides when that is.
    EXPECT_EQ(window.focusWidget(), control("cmdQuit"));

    const QList<QAction*> entries = window.menuBar()->actions();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.front()->menu(), nullptr);

    // Space presses Quit, which has the focus, and the program ends.
    QSignalSpy ended(&window, &Form1::programEnded);
    QTest::keyClick(control("cmdQuit"), Qt::Key_Space);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(Form1Test, TheCoinSlotAndItsKeyRaiseTheStakeAndTheAmountsWidenToTheirText)
{
    for (int click = 0; click < 4; ++click)
        this->click("lbCoinSlot");
    EXPECT_EQ(caption("lbSpinBet"), "$5.00");
    const QLabel* widened = control<QLabel>("lbAmount_5");
    EXPECT_GT(widened->width(), 49);
    EXPECT_GE(widened->width(), widened->fontMetrics().horizontalAdvance(widened->text()));

    // A player without a mouse drops coins by key, whatever has the focus. Only an active
    // window gets keys; a compositor with no keyboard (headless Weston) activates none,
    // so its run leaves this test out.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isActiveWindow(); }, 2'000))
        << "the window was not given the keyboard";
    QTest::keyClick(control("cmdQuit"), Qt::Key_PageUp);
    EXPECT_EQ(caption("lbSpinBet"), "$1.00");  // after five dollars, one again
    QWidget* spin = control("cmdSpin");
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Plus);
    EXPECT_EQ(caption("lbAmount_7"), "$200.00");
    EXPECT_EQ(window.focusWidget(), spin) << "the slot stays out of the focus order";
    EXPECT_EQ(std::ranges::count(cues, "CoinSlot.wav"), 6);
    EXPECT_EQ(std::ranges::count(cues, "Spin.wav"), 0);

    // A turning round has taken its stake: the key is refused like a click.
    spinOnto(Symbol::bell);
    ASSERT_FALSE(evaluated());
    QTest::keyClick(spin, Qt::Key_PageUp);
    ASSERT_TRUE(waitForEvaluation());
    EXPECT_EQ(caption("lbSpinBet"), "$2.00");
    EXPECT_EQ(caption("lbWin"), "$60.00");
}

// A win in the real window. Its reels show the symbol drawn from its source
// with as many pixels as the screen has (ctest runs this at scale 2 too), not
// blown up from 1x.
TEST_F(Form1Test, AWinPaysShowsItsPrizeAndHoldsBothButtonsForThePauseThatClosingEnds)
{
    click("lbCoinSlot");  // two dollars
    spinOnto(Symbol::cherries);
    ASSERT_TRUE(waitForEvaluation());
    EXPECT_EQ(caption("lbWin"), "$200.00");
    EXPECT_EQ(caption("lbAhead"), "$198.00");
    EXPECT_TRUE(visible("img100Bill"));
    EXPECT_FALSE(visible("imgMenu"));
    const auto opaque = [](const QPixmap& picture) { return picture.toImage().convertToFormat(QImage::Format_RGB32); };
    const int side = static_cast<int>(std::lround(48 * window.devicePixelRatioF()));
    const QString cherries = pictures::symbolSource(static_cast<int>(Symbol::cherries));
    EXPECT_EQ(opaque(control("imgSpinPix_0")->grab()), opaque(artwork::draw(cherries, 1.0, QSize(side, side))));
    EXPECT_FALSE(enabled("cmdSpin"));
    EXPECT_FALSE(enabled("cmdQuit"));
    click("cmdSpin");  // a disabled button takes no click
    EXPECT_EQ(caption("lbBet"), "$2.00");

    ASSERT_TRUE(waitForSpin());
    EXPECT_TRUE(enabled("cmdQuit"));
    EXPECT_THAT(cues, ElementsAre("CoinSlot.wav", "Spin.wav", "Police2.wav", "CoinsWin.wav"));

    // Closing the window ends the program, even during the pause.
    spinOnto(Symbol::wild);
    ASSERT_TRUE(waitForEvaluation());
    ASSERT_FALSE(enabled("cmdQuit"));
    QSignalSpy ended(&window, &Form1::programEnded);
    window.close();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(control<QTimer>("tmrWait")->isActive());
}

// In the window, at whatever scale the screen has (ctest runs this at several), the
// minus and equals signs between the tallies are equally thick, in whole pixels.
class DesignLinesTest : public ::testing::Test, public PlayedWindow {};
TEST_F(DesignLinesTest, LinesOfOneWidthAreEquallyThickAtTheScreensScale)
{
    // Drawn as onto the screen, from the window's top left corner (the
    // offscreen screen's own grab stops at the logical size).
    const QImage screen = window.grab().toImage();
    const qreal ratio = window.devicePixelRatioF();
    ASSERT_NEAR(screen.width(), window.width() * ratio, 1.0);
    for (const ControlDesign& design : mainWindowDesign()) {
        if (design.kind != ControlKind::line)
            continue;
        SCOPED_TRACE(design.name);
        const QWidget* line = control(design.name);
        const QPoint topLeft = line->mapTo(&window, QPoint());
        const int x = static_cast<int>((topLeft.x() + line->width() / 2 + 0.5) * ratio);
        int rows = 0;
        for (int y = static_cast<int>(topLeft.y() * ratio); y < (topLeft.y() + line->height()) * ratio; ++y)
            rows += screen.pixelColor(x, y) == QColor(design.colour) ? 1 : 0;
        EXPECT_EQ(rows, std::max(1L, std::lround(design.lineWidth * ratio))) << "at scale " << ratio;
    }
}

TEST_F(Form1Test, TheAboutWindowShowsTheProgramsIdentityAtEachOpeningAndThePauseEndsBehindIt)
{
    spinOnto(Symbol::bonus);
    ASSERT_TRUE(waitForEvaluation());
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        bool checked = false;
        // Checked once it is open, then closed.
        QTimer::singleShot(0, [&] {
            ASSERT_TRUE(
                QTest::qWaitFor([] { return FrmAbout::shared() != nullptr && FrmAbout::shared()->isVisible(); }));
            QDialog& about = *FrmAbout::shared();
            EXPECT_TRUE(QTest::qWaitFor([&] { return enabled("cmdSpin") && enabled("cmdQuit"); }));
            EXPECT_TRUE(about.isModal());
            EXPECT_EQ(about.windowTitle(), "About Spinzaro");  // loaded afresh at each opening
            EXPECT_EQ(about.size(), QSize(394, 203));
            QTest::keyClick(&about, key);
            checked = true;
        });
        window.menuBar()->actions().front()->trigger();
        EXPECT_TRUE(checked);
        EXPECT_EQ(FrmAbout::shared(), nullptr);  // unloaded on closing
    }
    EXPECT_EQ(cues.back(), "CoinsWin.wav");
}

}  // namespace
}  // namespace spinzaro
