#include "core/DialogParts.h"

#include "platform/Help.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace DialogParts {

HeadingBand AddHeadingBand(QWidget* form, int formWidthTwips, const QString& heading,
                           const QString& subHeading, int heightTwips, const HeadingNames& names) {
    HeadingBand band;
    band.lblHeadingBkg = new QLabel(form);
    band.lblHeadingBkg->setObjectName(names.background);
    band.lblHeadingBkg->setAutoFillBackground(true);
    QPalette white = band.lblHeadingBkg->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    band.lblHeadingBkg->setPalette(white);
    band.lblHeadingBkg->setGeometry(0, 0, Twips::toPixels(formWidthTwips),
                                    Twips::toPixels(heightTwips));

    band.lblHeading = new QLabel(heading, form);
    band.lblHeading->setObjectName(names.heading);
    QFont bold = band.lblHeading->font();
    bold.setBold(true);
    band.lblHeading->setFont(bold);
    band.lblHeading->setPalette(white);
    band.lblHeading->setGeometry(Twips::toPixels(240), Twips::toPixels(90),
                                 Twips::toPixels(formWidthTwips - 600), Twips::toPixels(255));

    band.lblSubHeading = new QLabel(subHeading, form);
    band.lblSubHeading->setObjectName(names.subHeading);
    band.lblSubHeading->setWordWrap(true);
    band.lblSubHeading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    band.lblSubHeading->setPalette(white);
    band.lblSubHeading->setGeometry(Twips::toPixels(480), Twips::toPixels(345),
                                    Twips::toPixels(formWidthTwips - 600),
                                    Twips::toPixels(heightTwips - 345));
    SizeHeadingBand(band, formWidthTwips);
    return band;
}

void SizeHeadingBand(const HeadingBand& band, int formWidthTwips) {
    band.lblHeadingBkg->resize(Twips::toPixels(formWidthTwips), band.lblHeadingBkg->height());
    band.lblSubHeading->resize(Twips::toPixels(formWidthTwips - 600), band.lblSubHeading->height());
}

void SetFormSize(QWidget* form, int widthTwips, int heightTwips) {
    form->setFixedSize(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
}

QIcon ProgramIcon(const QString& name) {
    const QString file = QCoreApplication::applicationDirPath() + "/icons/" + name + ".png";
    return QFileInfo::exists(file) ? QIcon(file) : QIcon();
}

QToolButton* PictureButton(QWidget* parent, const QString& name, const QString& icon,
                           const QString& tip, const QString& text) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    const QIcon picture = ProgramIcon(icon);
    if (!picture.isNull()) {
        button->setIcon(picture);
        button->setIconSize(QSize(16, 16));
    } else {
        button->setText(text);
    }
    return button;
}

QToolButton* HelpButton(QWidget* form, const QString& name, const QString& tip) {
    QToolButton* button = PictureButton(form, name, "help", tip, "?");
    QObject::connect(button, &QToolButton::clicked, form, [form] { Help::SendF1(form); });
    return button;
}

FootButtons AddFootButtons(QWidget* form, const QString& okName, const QString& cancelName,
                           const QString& helpName) {
    FootButtons foot;
    foot.ok = new QPushButton("&OK", form);
    foot.ok->setObjectName(okName);
    foot.ok->setDefault(true);
    foot.cancel = new QPushButton("&Cancel", form);
    foot.cancel->setObjectName(cancelName);
    foot.help = HelpButton(form, helpName);
    foot.row = new QHBoxLayout;
    foot.row->addWidget(foot.help);
    foot.row->addStretch();
    foot.row->addWidget(foot.ok);
    foot.row->addWidget(foot.cancel);
    return foot;
}

QSpinBox* UpDown(QWidget* parent, const QString& name, QLineEdit* buddy, int min, int max) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(min, max);
    spin->setFocusPolicy(Qt::NoFocus);
    // Only the arrows show: the number stands in the buddy.
    spin->setFixedWidth(18);
    if (QLineEdit* own = spin->findChild<QLineEdit*>())
        own->setVisible(false);
    // The arrows start from the number the buddy holds.
    auto follow = [spin](const QString& text) {
        bool ok = false;
        const int v = text.trimmed().toInt(&ok);
        const QSignalBlocker quiet(spin);
        spin->setValue(ok ? v : spin->minimum());
    };
    follow(buddy->text());
    QObject::connect(buddy, &QLineEdit::textChanged, spin, follow);
    QObject::connect(spin, &QSpinBox::valueChanged, buddy,
                     [buddy](int v) { buddy->setText(QString::number(v)); });
    return spin;
}

} // namespace DialogParts

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
