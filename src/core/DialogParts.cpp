#include "core/DialogParts.h"

#include "platform/FormFit.h"
#include "platform/Help.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>
#include <optional>

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
    FormFit::MarkBand(band.lblHeadingBkg, FormFit::BandPart::Background,
                      Twips::toPixels(heightTwips));
    FormFit::MarkBand(band.lblHeading, FormFit::BandPart::Heading, 0);
    FormFit::MarkBand(band.lblSubHeading, FormFit::BandPart::SubHeading, 0);
    SizeHeadingBand(band, formWidthTwips);
    return band;
}

void SizeHeadingBand(const HeadingBand& band, int formWidthTwips) {
    // A form grown to its texts keeps its band across its whole width.
    QWidget* form = band.lblHeadingBkg->parentWidget();
    const int width = qMax(Twips::toPixels(formWidthTwips), form ? form->width() : 0);
    band.lblHeadingBkg->resize(width, band.lblHeadingBkg->height());
    band.lblSubHeading->resize(width - Twips::toPixels(600), band.lblSubHeading->height());
}

QLabel* Label(QWidget* parent, const QString& text, const QString& name) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

QLineEdit* TextBox(QWidget* parent, const QString& name, const QString& tip) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    if (!tip.isEmpty())
        box->setToolTip(tip);
    return box;
}

void SetFormSize(QWidget* form, int widthTwips, int heightTwips) {
    FormFit::KeepFitted(form, Twips::toPixels(QSize(widthTwips, heightTwips)));
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
                           const QString& helpName, const QString& helpTip) {
    FootButtons foot;
    foot.ok = new QPushButton("&OK", form);
    foot.ok->setObjectName(okName);
    foot.ok->setDefault(true);
    foot.cancel = new QPushButton("&Cancel", form);
    foot.cancel->setObjectName(cancelName);
    foot.help = HelpButton(form, helpName, helpTip);
    foot.row = new QHBoxLayout;
    foot.row->addWidget(foot.help);
    foot.row->addStretch();
    foot.row->addWidget(foot.ok);
    foot.row->addWidget(foot.cancel);
    return foot;
}

namespace {
// A whole number typed into a spinner's buddy (blanks around it and leading zeros aside),
// taken to the nearest end of min..max when it lies beyond one, however many digits it
// has; nothing for any other text.
struct TypedNumber {
    int value = 0;
    bool beyondAnEnd = false;
};
std::optional<TypedNumber> typedNumber(const QString& text, int min, int max) {
    static const QRegularExpression whole(QStringLiteral("^\\s*([+-]?)0*(\\d+)\\s*$"));
    const QRegularExpressionMatch m = whole.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const bool negative = m.captured(1) == QLatin1String("-");
    const QString digits = m.captured(2);
    // Ten digits or more lie beyond every range a spinner has.
    const qlonglong magnitude = digits.size() < 10 ? digits.toLongLong() : qlonglong(1) << 40;
    const qlonglong v = negative ? -magnitude : magnitude;
    const qlonglong clamped = std::clamp<qlonglong>(v, min, max);
    return TypedNumber{int(clamped), clamped != v};
}

// The arrows of a spinner whose number stands in its buddy. A typed number beyond an end
// goes to that end (99999999999 and the up arrow give the maximum, never a number the
// arrows made of a failed reading); otherwise the arrows step from the typed number, or
// from the minimum when the box holds no number. Every step writes the buddy.
class UpDownArrows : public QSpinBox {
public:
    UpDownArrows(QWidget* parent, QLineEdit* buddy) : QSpinBox(parent), buddy_(buddy) {}
    void stepBy(int steps) override {
        const auto typed = buddy_ ? typedNumber(buddy_->text(), minimum(), maximum())
                                  : std::optional<TypedNumber>();
        if (typed && typed->beyondAnEnd)
            setValue(typed->value);
        else
            QSpinBox::stepBy(steps);
        if (buddy_)
            buddy_->setText(QString::number(value()));
    }

protected:
    // A number beyond an end leaves both arrows working: either takes it to that end.
    StepEnabled stepEnabled() const override {
        const auto typed = buddy_ ? typedNumber(buddy_->text(), minimum(), maximum())
                                  : std::optional<TypedNumber>();
        if (typed && typed->beyondAnEnd)
            return StepUpEnabled | StepDownEnabled;
        return QSpinBox::stepEnabled();
    }

private:
    QPointer<QLineEdit> buddy_;
};
} // namespace

QSpinBox* UpDown(QWidget* parent, const QString& name, QLineEdit* buddy, int min, int max) {
    auto* spin = new UpDownArrows(parent, buddy);
    spin->setObjectName(name);
    spin->setRange(min, max);
    spin->setFocusPolicy(Qt::NoFocus);
    // Only the arrows show: the number stands in the buddy.
    spin->setFixedWidth(18);
    if (QLineEdit* own = spin->findChild<QLineEdit*>())
        own->setVisible(false);
    // The arrows start from the number the buddy holds.
    auto follow = [spin](const QString& text) {
        const auto typed = typedNumber(text, spin->minimum(), spin->maximum());
        const QSignalBlocker quiet(spin);
        spin->setValue(typed ? typed->value : spin->minimum());
    };
    follow(buddy->text());
    QObject::connect(buddy, &QLineEdit::textChanged, spin, follow);
    QObject::connect(spin, &QSpinBox::valueChanged, buddy,
                     [buddy](int v) { buddy->setText(QString::number(v)); });
    return spin;
}

} // namespace DialogParts

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

ClickLabel* DialogParts::ColorLabel(QWidget* parent, const QString& name, const QString& caption,
                                    const QString& tip) {
    auto* l = new ClickLabel(caption, parent);
    l->setObjectName(name);
    l->setToolTip(tip);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAutoFillBackground(true);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
