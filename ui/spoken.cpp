// The words a screen reader hears of the window.
#include "spoken.h"

#include "pay_table.h"

#include <QCoreApplication>

#include <array>
#include <utility>

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

constexpr auto pictureTexts = std::to_array<std::pair<Picture, const char*>>({
    {Picture::imgMenu, QT_TRANSLATE_NOOP("Spoken", "pay table")},
    {Picture::imgCoins2, QT_TRANSLATE_NOOP("Spoken", "coins")},
    {Picture::img50bill, QT_TRANSLATE_NOOP("Spoken", "fifty-dollar bill")},
    {Picture::img100Bill, QT_TRANSLATE_NOOP("Spoken", "hundred-dollar bill")},
});

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
    for (const auto& [control, text] : pictureTexts)
        if (control == picture)
            return spoken(text);
    throw std::out_of_range("no words for image control " + std::string(controlName(picture)));
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

// The slot is heard by the caption the window shows under it.
QString coinSlotWords()
{
    return QCoreApplication::translate("Form1", "Coin Slot");
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

}  // namespace spinzaro
