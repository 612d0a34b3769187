// The accessible side of the window.
#include "spoken.h"

#include "image_list.h"
#include "pay_table.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QTimer>

namespace spinzaro {

namespace {

QString spoken(const char* text)
{
    return QCoreApplication::translate("Spoken", text);
}

// In the symbols' order, from entry 1.
constexpr std::array<const char*, symbolCount> symbolTexts = {
    QT_TRANSLATE_NOOP("Spoken", "single bar"), QT_TRANSLATE_NOOP("Spoken", "wild"),
    QT_TRANSLATE_NOOP("Spoken", "double bar"), QT_TRANSLATE_NOOP("Spoken", "bell"),
    QT_TRANSLATE_NOOP("Spoken", "bonus"),      QT_TRANSLATE_NOOP("Spoken", "cherries"),
    QT_TRANSLATE_NOOP("Spoken", "triple bar"), QT_TRANSLATE_NOOP("Spoken", "emblem"),
};

}  // namespace

QString symbolWords(int entry)
{
    return spoken(symbolTexts.at(static_cast<std::size_t>(entry) - 1));
}

QString payLineWords(int amountElement)
{
    for (const PayRow& row : payTable)
        if (row.amountLabel == amountElement) {
            const QString symbol = symbolWords(static_cast<int>(row.symbol));
            return QStringList{symbol, symbol, symbol}.join(QLatin1Char(' '));
        }
    return {};
}

QString payRowWords(int amountElement, const QString& amount)
{
    const QString line = payLineWords(amountElement);
    return line.isEmpty() ? amount : QCoreApplication::translate("Spoken", "%1 pays %2").arg(line, amount);
}

QString pictureWords(Picture picture)
{
    return pictures::words(picture);
}

QString reelWords(int reel, std::optional<int> entry)
{
    const QString symbol = entry ? symbolWords(*entry) : spoken(QT_TRANSLATE_NOOP("Spoken", "empty"));
    return QCoreApplication::translate("Spoken", "Reel %1: %2").arg(reel + 1).arg(symbol);
}

QString tallyWords(const QString& heading, const QString& amount)
{
    return heading + QLatin1Char(' ') + amount;
}

QString coinSlotWords()
{
    return QCoreApplication::translate("Spoken", "Coin Slot");
}

QString coinSlotTip(const QString& key)
{
    return QCoreApplication::translate("Spoken", "Drop a coin to raise the stake (%1 or +)").arg(key);
}

QString coinSlotDescription(const QString& key)
{
    return QCoreApplication::translate("Spoken", "Raises the stake by one dollar, after five back to one; key %1 or +")
        .arg(key);
}

QString spinWords()
{
    return QCoreApplication::translate("Spoken", "Spin");
}

QString quitWords()
{
    return QCoreApplication::translate("Spoken", "Quit");
}

Announcement::Announcement(QWidget* parent) : QWidget(parent)
{
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Announcement::prizeShown(bool visible)
{
    // The row and its amount come later in the same handler, so the words
    // wait until the handler is done.
    if (visible)
        QTimer::singleShot(0, this, &Announcement::announceWin);
    else
        hide();
}

void Announcement::rowShown(int amountElement, bool visible)
{
    if (visible)
        shownRow_ = amountElement;
    else if (shownRow_ == amountElement)
        shownRow_.reset();
}

void Announcement::amountWritten(int amountElement, const QString& amount)
{
    amounts_.at(static_cast<std::size_t>(amountElement)) = amount;
}

void Announcement::announceWin()
{
    const QString line = shownRow_ ? payLineWords(*shownRow_) : QString();
    if (line.isEmpty())
        return;
    const QString& amount = amounts_.at(static_cast<std::size_t>(*shownRow_));
    setAccessibleName(QCoreApplication::translate("Spoken", "You win %1 on %2").arg(amount, line));
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

namespace {

QAccessibleInterface* accessibleOf(const QString& className, QObject* object)
{
    if (className == QLatin1String("spinzaro::Announcement"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    return nullptr;
}

}  // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleOf);
        return true;
    }();
    (void)installed;
}

}  // namespace spinzaro
