#pragma once
// The About box: the program's name, version and build date, and a credit text.
#include <QDialog>

class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
public:
    TAboutBox();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Image1;
    QPushButton* BitBtn1;

private:
    void FormCreate();
    void BitBtn1Click();
};

extern TAboutBox* AboutBox;

// The picture of the About box: a small chromatogram with a fitted recovery line.
QPixmap about_picture();
