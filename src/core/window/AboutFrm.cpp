#include "core/window/AboutFrm.h"

#include "core/DialogParts.h"
#include "core/Module1.h"
#include "core/window/WebAddresses.h"
#include "platform/PlatformError.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>

namespace {

void setTextColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    w->setPalette(p);
}

} // namespace

AboutFrm::AboutFrm(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutFrm");
    setWindowTitle("About Tessaly");
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);

    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(Twips::toPixels(0, 0, 7170, 3000));
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setAutoFillBackground(true);
    Picture1->setPalette(black);
    Picture1->setPixmap(QPixmap(QCoreApplication::applicationDirPath() + "/about.png"));
    Picture1->setMouseTracking(true);
    Picture1->installEventFilter(this);

    // The band under the artwork holds the version and the link.
    Picture3 = new QWidget(this);
    Picture3->setObjectName("Picture3");
    Picture3->setGeometry(Twips::toPixels(0, 3000, 7170, 1440));
    Picture3->setAutoFillBackground(true);

    Label1 = new QLabel("Version", Picture3);
    Label1->setObjectName("Label1");
    Label1->setGeometry(Twips::toPixels(240, 180, 900, 285));
    Label2 = new QLabel(Picture3);
    Label2->setObjectName("Label2");
    Label2->setGeometry(Twips::toPixels(1140, 180, 1200, 285));
    Label3 = new ClickLabel(WebAddresses::MakerHome, Picture3);
    Label3->setObjectName("Label3");
    Label3->setGeometry(Twips::toPixels(240, 600, 4200, 285));
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setMouseTracking(true);
    Label3->installEventFilter(this);
    for (QLabel* label : {Label1, Label2, static_cast<QLabel*>(Label3)})
        setTextColor(label, Qt::white);

    Command1 = new QPushButton("&OK", Picture3);
    Command1->setObjectName("Command1");
    Command1->setGeometry(Twips::toPixels(5640, 480, 1215, 375));
    Command1->setDefault(true);

    connect(Label3, &ClickLabel::clicked, this, &AboutFrm::Label3_Click);
    connect(Command1, &QPushButton::clicked, this, &AboutFrm::Command1_Click);

    Form_Load();
}

void AboutFrm::Form_Load() {
    skipErrors([&] { DialogParts::SetFormSize(this, 7170, 4440); });
    skipErrors([&] { Label2->setText("2.06"); });
    skipErrors([&] {
        QPalette p = Picture3->palette();
        p.setColor(QPalette::Window, Qt::black);
        Picture3->setPalette(p);
    });
}

void AboutFrm::setLinkColor(const QColor& color) {
    skipErrors([&] { setTextColor(Label3, color); });
}

void AboutFrm::Form_MouseMove() {
    setLinkColor(Qt::white);
}

void AboutFrm::Picture1_MouseMove() {
    setLinkColor(Qt::white);
}

void AboutFrm::Label3_MouseMove() {
    setLinkColor(QColor(0, 0, 255));
}

void AboutFrm::Label3_Click() {
    skipErrors([&] { Module1::ShellOpen(this, WebAddresses::MakerHome); });
}

void AboutFrm::Command1_Click() {
    accept();
}

void AboutFrm::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}

bool AboutFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == Label3) {
            Label3_MouseMove();
            // The move stops here: passed on, it would reach the form and whiten the
            // link again.
            return true;
        }
        if (watched == Picture1)
            Picture1_MouseMove();
    }
    return QDialog::eventFilter(watched, event);
}
