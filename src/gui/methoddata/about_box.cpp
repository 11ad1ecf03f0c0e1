#include "methoddata/about_box.h"

#include <QLabel>
#include <cmath>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include "platform/command_guard.h"

TAboutBox* AboutBox = nullptr;

namespace {
const char* const version_text = "Version 4.206";
const char* const build_date_text = "\nJuly 7, 2010";
const char* const credit_text =
    "Data reduction for Method 5847 with recovery correction by boiling point and relative volatility.";
}  // namespace

QPixmap about_picture() {
    QPixmap picture(64, 64);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::darkGray, 1));
    p.drawLine(6, 58, 60, 58);  // time axis
    p.drawLine(6, 58, 6, 4);    // response axis
    QPainterPath trace(QPointF(6, 57));
    const double peaks[][3] = {{16, 40, 2.5}, {28, 18, 3.0}, {40, 32, 2.0}, {51, 46, 2.5}};
    for (int x = 6; x <= 60; ++x) {
        double y = 57;
        for (const auto& pk : peaks) {
            double d = (x - pk[0]) / pk[2];
            y -= (57 - pk[1]) * std::exp(-d * d);
        }
        trace.lineTo(x, y);
    }
    p.setPen(QPen(QColor(0, 70, 160), 1.5));
    p.drawPath(trace);
    p.setPen(QPen(QColor(190, 30, 30), 1, Qt::DashLine));
    p.drawLine(8, 50, 58, 14);  // the recovery trend through the internal standards
    return picture;
}

TAboutBox::TAboutBox() : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("AboutBox");
    setWindowTitle("About Quantilyzer");
    setFixedSize(236, 216);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(about_picture());
    Image1->setGeometry(16, 16, 64, 64);

    Label1 = new QLabel("Quantilyzer", this);
    Label1->setObjectName("Label1");
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    Label1->setFont(bold);
    Label1->setGeometry(96, 16, 130, 24);

    Label2 = new QLabel("Version 4.201", this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(96, 44, 130, 36);

    Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    Label3->setWordWrap(true);
    Label3->setGeometry(16, 92, 204, 72);

    BitBtn1 = new QPushButton("OK", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(80, 176, 75, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { run_command([this] { BitBtn1Click(); }); });

    FormCreate();
}

void TAboutBox::FormCreate() {
    Label2->setText(QString(version_text) + build_date_text);
    Label3->setText(credit_text);
}

void TAboutBox::BitBtn1Click() { accept(); }
