// The About window: title, version and copyright over the maker's logo.
#pragma once

#include <QDialog>
#include <QString>
#include <QVersionNumber>

class QLabel;
class QPushButton;

namespace spinzaro {

// "Version 9.0": major and minor only, in plain decimal.
QString versionLine(const QVersionNumber& version);

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);

    // Loads the shared About window if none is loaded and shows it modally;
    // returns once it is closed, which unloads (destroys) it.
    static void showShared();
    static FrmAbout* shared();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void cmdOK_Click();

    QPixmap logo_;
    QLabel* lblTitle_;
    QLabel* lblVersion_;
    QLabel* lbCopyright_;
    QLabel* label2_;
    QPushButton* cmdOK_;
};

}  // namespace spinzaro
