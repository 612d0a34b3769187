// The accessible side of the window.
#include "spoken.h"

#include "image_list.h"
#include "pay_table.h"

#include <QAccessibleWidget>

namespace spinzaro {

QString symbolWords(int entry)
{
    QString words;
    for (const char letter : symbolName(static_cast<Symbol>(entry))) {
        const QChar character = QLatin1Char(letter);
        if (character.isUpper())
            words += QLatin1Char(' ');
        words += character.toLower();
    }
    return words;
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

QString payRowWords(Label row, const QString& amount)
{
    const QString line = payLineWords(static_cast<int>(row) - static_cast<int>(Label::lbAmount_0));
    return line.isEmpty() ? amount : line + QStringLiteral(" pays ") + amount;
}

QString pictureWords(Picture picture)
{
    return pictures::words(picture);
}

Announcement::Announcement(QWidget* parent) : QWidget(parent)
{
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Announcement::announce(const QString& words)
{
    setAccessibleName(words);
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Announcement::withdraw()
{
    hide();
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
