// The real main window, headless: its layout, and whole rounds played with
// real clicks through the real timers.
#include "about.h"
#include "layout.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace spinzaro {
namespace {

TEST_F(Form1Test, IsLaidOutAsDesignedAndOpensWithTheFocusOnQuit)
{
    EXPECT_EQ(window.windowTitle(), "Spinzaro");
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.canvas()->size(), QSize(453, 459));
    for (const ControlDesign& design : mainWindowDesign()) {
        SCOPED_TRACE(design.name);
        const QWidget* widget = control(design.name);
        ASSERT_NE(widget, nullptr);
        const QRect box = toPixels(design.left, design.top, design.width, design.height);
        switch (design.kind) {
        case ControlKind::heading:
        case ControlKind::amount:
        case ControlKind::reelWindow:
        case ControlKind::picture:
            EXPECT_EQ(widget->pos(), box.topLeft());  // sized to their content
            break;
        case ControlKind::line: EXPECT_EQ(widget->geometry(), QRect(box.x(), box.y(), box.width(), 1)); break;
        default: EXPECT_EQ(widget->geometry(), box);
        }
    }
    EXPECT_EQ(control("imgMenu")->size(), QSize(50, 200));
    EXPECT_EQ(caption("Label1"), "Coin Slot");
    EXPECT_EQ(caption("lbSpinBet"), "$1.00");
    for (const char* blank : {"lbWin", "lbBet", "lbAhead", "lbAmount_1"})
        EXPECT_EQ(caption(blank), "") << blank;
    EXPECT_EQ(caption("lbAmount_0"), "$4.00");
    EXPECT_EQ(caption("lbAmount_7"), "$100.00");
    EXPECT_TRUE(control("imgMenu")->isVisible());
    for (const char* prize : {"imgCoins2", "img50bill", "img100Bill"})
        EXPECT_FALSE(control(prize)->isVisible()) << prize;
    for (int reel = 0; reel < reelCount; ++reel)
        EXPECT_FALSE(controls->reelShows(reel, 1) || controls->reelShows(reel, 8));

    auto* spin = control<QPushButton>("cmdSpin");
    EXPECT_TRUE(spin->text().isEmpty());
    EXPECT_FALSE(spin->icon().isNull());
    EXPECT_EQ(spin->cursor().hotSpot(), QPoint(12, 1));
    EXPECT_EQ(control("lbCoinSlot")->cursor().hotSpot(), QPoint(16, 16));
    EXPECT_EQ(control<QPushButton>("cmdQuit")->text(), "&Quit");
    EXPECT_TRUE(control("cmdQuit")->hasFocus());
    EXPECT_EQ(spin->accessibleName(), "Spin");
    EXPECT_EQ(control("cmdQuit")->accessibleName(), "Quit");
    EXPECT_EQ(control("lbCoinSlot")->accessibleName(), "Coin Slot");
    EXPECT_EQ(control("lbAhead")->accessibleName(), "Balance");

    const QList<QAction*> entries = window.menuBar()->actions();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.front()->objectName(), "frmAboutSlot");
    EXPECT_EQ(entries.front()->text(), "&About");
    EXPECT_EQ(entries.front()->menu(), nullptr);
}

TEST_F(Form1Test, TextFitsTheBoxesOfTheDesign)
{
    for (const ControlDesign& design : mainWindowDesign()) {
        if (design.kind != ControlKind::heading && design.kind != ControlKind::amount)
            continue;
        SCOPED_TRACE(design.name);
        const QLabel* label = control<QLabel>(design.name);
        const QRect box = toPixels(design.left, design.top, design.width, design.height);
        // Sized to its text, a label comes out near its design size.
        EXPECT_LE(label->height(), box.height() + 3);
        if (!label->text().isEmpty()) {
            EXPECT_LE(label->width(), box.width() * 5 / 4);
            EXPECT_GE(label->width(), box.width() * 3 / 4);
        }
    }
    for (const char* name : {"lbWin", "lbBet", "lbAhead"}) {
        const QLabel* box = control<QLabel>(name);
        EXPECT_LT(box->fontMetrics().horizontalAdvance("-$10000.00"), box->width() - 4) << name;
        EXPECT_LT(box->fontMetrics().height(), box->height()) << name;
    }
    const QLabel* stake = control<QLabel>("lbSpinBet");
    EXPECT_LT(stake->fontMetrics().horizontalAdvance("$5.00"), stake->width() - 4);
}

TEST_F(Form1Test, TheCoinSlotCyclesTheStakeAndAmountLabelsWidenToTheirText)
{
    const int narrowWidth = control("lbAmount_7")->width();
    for (int click = 0; click < 4; ++click)
        this->click("lbCoinSlot");
    EXPECT_EQ(caption("lbSpinBet"), "$5.00");
    EXPECT_EQ(caption("lbAmount_5"), "$150.00");
    EXPECT_EQ(caption("lbAmount_7"), "$500.00");
    EXPECT_GE(control("lbAmount_7")->width(), narrowWidth);
    EXPECT_GT(control("lbAmount_5")->width(), toPixels(588));
    const QLabel* widened = control<QLabel>("lbAmount_5");
    EXPECT_GE(widened->width(), widened->fontMetrics().horizontalAdvance(widened->text()));
    click("lbCoinSlot");
    EXPECT_EQ(caption("lbSpinBet"), "$1.00");
    // A click elsewhere does nothing.
    click("Label1");
    click("imgMenu");
    EXPECT_EQ(caption("lbSpinBet"), "$1.00");
    EXPECT_EQ(controls->cues.size(), 5U);
}

TEST_F(Form1Test, AWinningRoundPaysShowsItsPrizeAndPausesForOneSecond)
{
    click("lbCoinSlot");  // two dollars
    QElapsedTimer clock;
    clock.start();
    spinOnto(Symbol::cherries);
    ASSERT_TRUE(waitFor([&] { return evaluated(); }));
    const qint64 spinMs = clock.elapsed();
    EXPECT_GE(spinMs, 140);
    EXPECT_LT(spinMs, 1000);
    EXPECT_EQ(caption("lbBet"), "$2.00");
    EXPECT_EQ(caption("lbWin"), "$200.00");
    EXPECT_EQ(caption("lbAhead"), "$198.00");
    EXPECT_TRUE(control("img100Bill")->isVisible());
    EXPECT_FALSE(control("imgMenu")->isVisible());
    for (int element = 0; element < amountLabelCount; ++element)
        EXPECT_EQ(control(("lbAmount_" + std::to_string(element)).c_str())->isVisible(), element == 7);
    EXPECT_EQ(caption("lbAmount_7"), "$200.00");
    EXPECT_TRUE(controls->reelShows(0, Symbol::cherries) && controls->reelShows(2, Symbol::cherries));
    EXPECT_FALSE(control("cmdSpin")->isEnabled());
    EXPECT_FALSE(control("cmdQuit")->isEnabled());
    // A disabled Spin button takes no click.
    click("cmdSpin");
    EXPECT_EQ(caption("lbBet"), "$2.00");

    clock.restart();
    ASSERT_TRUE(waitFor([&] { return control("cmdSpin")->isEnabled(); }));
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_TRUE(control("cmdQuit")->isEnabled());
    EXPECT_THAT(controls->cues, ::testing::ElementsAre("CoinSlot.wav", "Spin.wav", "Police2.wav", "CoinsWin.wav"));

    spinOnto(Symbol::emblem);
    ASSERT_TRUE(waitFor([&] { return evaluated(); }));
    EXPECT_EQ(caption("lbAhead"), "$196.00");
    EXPECT_FALSE(control("img100Bill")->isVisible());
    EXPECT_TRUE(control("imgMenu")->isVisible());
    EXPECT_TRUE(control("cmdSpin")->isEnabled());
}

TEST_F(Form1Test, WhileTheReelsTurnTheStakeIsLocked)
{
    spinOnto(Symbol::bell);
    click("cmdSpin");
    click("lbCoinSlot");
    QTest::qWait(60);
    click("cmdSpin");
    click("lbCoinSlot");
    ASSERT_TRUE(waitFor([&] { return evaluated(); }));
    EXPECT_EQ(caption("lbBet"), "$1.00");
    EXPECT_EQ(caption("lbSpinBet"), "$1.00");
    EXPECT_EQ(caption("lbWin"), "$30.00");
    EXPECT_THAT(controls->cues, ::testing::ElementsAre("Spin.wav", "slotbell2.wav"));
}

TEST_F(Form1Test, EnablingARunningTimerKeepsItsSchedule)
{
    auto* timer1 = control<QTimer>("Timer1");
    controls->setEnabled(Timer::Timer1, true);
    QTest::qWait(30);
    const int remaining = timer1->remainingTime();
    controls->setEnabled(Timer::Timer1, true);
    EXPECT_LE(timer1->remainingTime(), remaining);
    EXPECT_LT(timer1->remainingTime(), 40);
    controls->setEnabled(Timer::Timer1, false);
    EXPECT_FALSE(timer1->isActive());
}

TEST_F(Form1Test, QuitEndsTheProgram)
{
    QSignalSpy ended(&window, &Form1::programEnded);
    // The focus starts on Quit, so Space presses it.
    QTest::keyClick(control("cmdQuit"), Qt::Key_Space);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(Form1Test, ClosingDuringThePauseEndsTheProgram)
{
    spinOnto(Symbol::wild);
    ASSERT_TRUE(waitFor([&] { return evaluated(); }));
    ASSERT_FALSE(control("cmdQuit")->isEnabled());
    QSignalSpy ended(&window, &Form1::programEnded);
    window.close();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(control<QTimer>("tmrWait")->isActive());
}

// Runs the check on the About window once it is open, then closes it.
void whenAboutOpens(const std::function<void(QDialog&)>& check)
{
    QTimer::singleShot(0, [check] {
        ASSERT_TRUE(waitFor([] { return FrmAbout::shared() != nullptr && FrmAbout::shared()->isVisible(); }));
        check(*FrmAbout::shared());
    });
}

TEST_F(Form1Test, TheAboutWindowShowsTheProgramsIdentityAtEachOpening)
{
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        bool checked = false;
        whenAboutOpens([&](QDialog& about) {
            EXPECT_TRUE(about.isModal());
            EXPECT_EQ(about.windowTitle(), "About Spinzaro");
            EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->text(), "Spinzaro");
            EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version 9.0");
            EXPECT_THAT(about.findChild<QLabel*>("lbCopyright")->text().toStdString(),
                        ::testing::HasSubstr("Spinzaro Games"));
            EXPECT_FALSE(about.findChild<QLabel*>("Label2")->text().isEmpty());
            EXPECT_EQ(about.size(), QSize(394, 203));
            QTest::keyClick(&about, key);
            checked = true;
        });
        window.menuBar()->actions().front()->trigger();
        EXPECT_TRUE(checked);
        EXPECT_EQ(FrmAbout::shared(), nullptr);  // unloaded on closing
    }
}

TEST_F(Form1Test, ThePauseEndsBehindAnOpenAboutWindow)
{
    spinOnto(Symbol::bonus);
    ASSERT_TRUE(waitFor([&] { return evaluated(); }));
    bool buttonsBack = false;
    whenAboutOpens([&](QDialog& about) {
        buttonsBack = waitFor([&] { return control("cmdSpin")->isEnabled() && control("cmdQuit")->isEnabled(); });
        QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(buttonsBack);
    EXPECT_EQ(controls->cues.back(), "CoinsWin.wav");
}

TEST(VersionLine, ShowsMajorAndMinorOnly)
{
    EXPECT_EQ(versionLine(QVersionNumber(9, 0, 0)), "Version 9.0");
    EXPECT_EQ(versionLine(QVersionNumber(9, 10)), "Version 9.10");
    EXPECT_EQ(versionLine(QVersionNumber(9, 5, 3)), "Version 9.5");
}

}  // namespace
}  // namespace spinzaro
