// The About window.
#include "about.h"

#include "design.h"
#include "identity.h"
#include "image_list.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace spinzaro {

namespace {

QPointer<FrmAbout> sharedAbout;

constexpr DesignBox clientBox{0, 0, 4728, 2436};
constexpr DesignBox okBox{2970, 1470, 780, 345};
// The labels' boxes: each is filled at load and sized to its text.
constexpr DesignBox titleBox{2550, 240, 1965, 405};
constexpr DesignBox versionBox{2795, 702, 1248, 312};
constexpr DesignBox webAddressBox{240, 1800, 1800, 195};
constexpr DesignBox copyrightBox{468, 2132, 3809, 169};

QLabel* designLabel(QWidget* parent, const char* name, DesignBox box, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(alignment);
    label->setGeometry(box.pixels());
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

// Sized to its text, keeping the centre of its design box.
void fitToText(QLabel* label, DesignBox box, const QString& text)
{
    label->setText(text);
    label->adjustSize();
    const QRect design = box.pixels();
    label->move(design.center().x() - label->width() / 2, design.top());
}

}  // namespace

QString versionLine(const QVersionNumber& version)
{
    return QCoreApplication::translate("FrmAbout", "Version %1.%2")
        .arg(version.majorVersion())
        .arg(version.minorVersion());
}

FrmAbout::FrmAbout(QWidget* parent)
    : QDialog(parent),
      logo_(artwork::draw(pictures::aboutLogo, parent ? parent->devicePixelRatioF() : qApp->devicePixelRatio()))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowIcon(artwork::icon(pictures::aboutIcon));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(clientBox.pixels().size());

    cmdOK_ = new QPushButton(QCoreApplication::translate("FrmAbout", "OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(okBox.pixels());
    cmdOK_->setDefault(true);
    lblTitle_ = designLabel(this, "lblTitle", titleBox, Qt::AlignCenter);
    lblTitle_->setFont(designFont("Arial Black", 144, QFont::Black));
    setColour(lblTitle_, QPalette::WindowText, Qt::black);
    lblVersion_ = designLabel(this, "lblVersion", versionBox, Qt::AlignCenter);
    lblVersion_->setFont(designFont("MS Sans Serif", 120));
    label2_ = designLabel(this, "Label2", webAddressBox, Qt::AlignLeft);
    label2_->setText(QString::fromUtf8(identity::webAddress));
    label2_->adjustSize();
    // A screen reader reads a dialog's loose texts of three words or more.
    label2_->setAccessibleName(QCoreApplication::translate("FrmAbout", "Web address: %1").arg(label2_->text()));
    lbCopyright_ = designLabel(this, "lbCopyright", copyrightBox, Qt::AlignCenter);

    // Only OK takes the focus; Esc closes the dialog as the cancel button would.
    for (QLabel* label : {lblTitle_, lblVersion_, lbCopyright_, label2_})
        label->setFocusPolicy(Qt::NoFocus);
    connect(cmdOK_, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    Form_Load();
}

void FrmAbout::Form_Load()
{
    const QString title = QCoreApplication::applicationName();
    setWindowTitle(QCoreApplication::translate("FrmAbout", "About %1").arg(title));
    fitToText(lblVersion_, versionBox, versionLine(QVersionNumber::fromString(QCoreApplication::applicationVersion())));
    lblVersion_->setAccessibleName(title + QLatin1Char(' ') + lblVersion_->text());
    fitToText(lblTitle_, titleBox, title);
    fitToText(lbCopyright_, copyrightBox, QString::fromUtf8(identity::copyright));
}

void FrmAbout::cmdOK_Click()
{
    accept();
}

void FrmAbout::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(0, 0, logo_);
}

FrmAbout* FrmAbout::shared()
{
    return sharedAbout;
}

void FrmAbout::showShared()
{
    // The active window when the menu entry is chosen is the main window: as
    // the dialog's parent it centres the dialog and keeps it off the taskbar.
    if (sharedAbout.isNull())
        sharedAbout = new FrmAbout(QApplication::activeWindow());
    sharedAbout->exec();
    delete sharedAbout;
}

}  // namespace spinzaro
