// A player without a mouse drops coins by key, as a click on the coin slot does.
#include "window_fixture.h"

#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace spinzaro {
namespace {

TEST_F(Form1Test, TheCoinKeyRaisesTheStakeWhateverHasTheFocusAndWaitsForTheReels)
{
    // Keys reach only the active window, and a compositor with no keyboard
    // (a headless Weston) activates none.
    window.activateWindow();
    if (!QTest::qWaitFor([&] { return window.isActiveWindow(); }, 2'000))
        GTEST_SKIP() << "the window was not given the keyboard";
    QWidget* quit = control("cmdQuit");
    ASSERT_EQ(window.focusWidget(), quit);
    const QString slotHelp = control("lbCoinSlot")->toolTip();
    const QString keyName = QKeySequence(Qt::Key_Insert).toString(QKeySequence::NativeText);
    EXPECT_TRUE(slotHelp.contains(keyName)) << slotHelp.toStdString();
    EXPECT_TRUE(control("lbCoinSlot")->accessibleDescription().contains(keyName));

    QTest::keyClick(quit, Qt::Key_Insert);
    EXPECT_EQ(caption("lbSpinBet"), "$2.00");
    EXPECT_EQ(caption("lbAmount_7"), "$200.00");
    EXPECT_EQ(window.focusWidget(), quit) << "the slot stays out of the focus order";

    // With the focus on Spin the key neither spins nor moves the focus, and
    // after five dollars the stake starts again at one, as clicks do.
    auto* spin = control<QPushButton>("cmdSpin");
    spin->setFocus();
    for (int press = 0; press < 4; ++press)
        QTest::keyClick(spin, Qt::Key_Plus);
    EXPECT_EQ(caption("lbSpinBet"), "$1.00");
    EXPECT_EQ(caption("lbAmount_7"), "$100.00");
    EXPECT_EQ(window.focusWidget(), spin);
    EXPECT_EQ(std::ranges::count(controls->cues, "CoinSlot.wav"), 5);
    EXPECT_EQ(std::ranges::count(controls->cues, "Spin.wav"), 0);

    // A turning round has taken its stake: the key is refused like a click.
    spinOnto(Symbol::bell);
    ASSERT_TRUE(control<QTimer>("Timer1")->isActive());
    QTest::keyClick(window.focusWidget(), Qt::Key_Insert);
    ASSERT_TRUE(waitForEvaluation());
    EXPECT_EQ(caption("lbSpinBet"), "$1.00");
    EXPECT_EQ(caption("lbWin"), "$30.00");
    EXPECT_EQ(std::ranges::count(controls->cues, "CoinSlot.wav"), 5);
}

}  // namespace
}  // namespace spinzaro
