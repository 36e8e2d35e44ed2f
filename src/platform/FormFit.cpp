#include "platform/FormFit.h"

#include "platform/Twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QToolButton>
#include <algorithm>

namespace FormFit {

namespace {

const char* const DesignSize = "formFitDesign";
const char* const Role = "formFitBand";
const char* const BandDesign = "formFitBandDesign";
const char* const BandShown = "formFitBandShown";
const char* const Resizable = "formFitResizable";

// Where the heading band's labels stand, as designed (twips).
constexpr int HeadingTop = 90;
constexpr int SubHeadingTop = 345;
constexpr int BandTextInset = 600; // the texts are this much narrower than the form

struct Band {
    QLabel* background = nullptr;
    QLabel* heading = nullptr;
    QLabel* subHeading = nullptr;
};

Band bandOf(QWidget* form) {
    Band band;
    for (QLabel* label : form->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QVariant role = label->property(Role);
        if (!role.isValid())
            continue;
        switch (BandPart(role.toInt())) {
        case BandPart::Background:
            band.background = label;
            break;
        case BandPart::Heading:
            band.heading = label;
            break;
        case BandPart::SubHeading:
            band.subHeading = label;
            break;
        }
    }
    return band;
}

// Lays the band out across a form width wide, its texts as tall as they need; its height.
int fitBand(const Band& band, int width) {
    if (!band.background)
        return 0;
    const int textWidth = qMax(0, width - Twips::toPixels(BandTextInset));
    int bottom = band.background->property(BandDesign).toInt();
    int next = Twips::toPixels(SubHeadingTop);
    if (band.heading) {
        const int height = qMax(band.heading->height(), band.heading->sizeHint().height());
        band.heading->setGeometry(band.heading->x(), Twips::toPixels(HeadingTop), textWidth,
                                  height);
        next = qMax(next, band.heading->geometry().bottom() + 1);
    }
    if (band.subHeading) {
        const int designed = bottom - Twips::toPixels(SubHeadingTop);
        const int height = qMax(designed, band.subHeading->heightForWidth(textWidth));
        band.subHeading->setGeometry(band.subHeading->x(), next, textWidth, height);
        if (next + height > Twips::toPixels(SubHeadingTop) + designed)
            bottom = next + height + 4;
    }
    band.background->setGeometry(0, 0, width, bottom);
    return bottom;
}

bool fits(QWidget* w) {
    return !w->isWindow() && !w->property(Role).isValid();
}

QSize reflow(QWidget* container);

// What a control needs to show its text whole at its font; never less than it has.
QSize need(QWidget* w) {
    const QSize has = w->size();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return has;
        if (label->wordWrap())
            return {has.width(), qMax(has.height(), label->heightForWidth(has.width()))};
        return has.expandedTo(label->sizeHint());
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        if (button->text().isEmpty())
            return has;
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        opt.icon = button->icon();
        opt.iconSize = button->iconSize();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
        int text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
        if (!button->icon().isNull())
            text += button->iconSize().width() + 4;
        const int height = button->fontMetrics().height();
        return {has.width() + qMax(0, text - room.width()),
                has.height() + qMax(0, height - room.height())};
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        if (w->hasHeightForWidth())
            return {has.width(), qMax(has.height(), w->heightForWidth(has.width()))};
        return has.expandedTo(w->sizeHint());
    }
    if (auto* tool = qobject_cast<QToolButton*>(w)) {
        const bool textShown =
            !tool->text().isEmpty() &&
            (tool->icon().isNull() || tool->toolButtonStyle() != Qt::ToolButtonIconOnly);
        return textShown ? has.expandedTo(tool->sizeHint()) : has;
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox opt;
        opt.initFrom(combo);
        opt.editable = combo->isEditable();
        opt.frame = combo->hasFrame();
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                           QStyle::SC_ComboBoxEditField, combo);
        int widest = 0;
        for (int i = 0; i < combo->count(); ++i)
            widest = qMax(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
        const int margin = combo->isEditable() ? 4 : 2;
        return {has.width() + qMax(0, widest + margin - field.width()),
                qMax(has.height(), combo->sizeHint().height())};
    }
    if (qobject_cast<QLineEdit*>(w))
        // The text's height and the box's frame above and below it.
        return {has.width(), qMax(has.height(), w->fontMetrics().height() + 4)};
    if (qobject_cast<QTabBar*>(w))
        return has.expandedTo(w->sizeHint());
    if (QLayout* layout = w->layout()) {
        QSize least = layout->totalMinimumSize();
        if (layout->hasHeightForWidth())
            least.setHeight(qMax(least.height(), layout->totalHeightForWidth(has.width())));
        return has.expandedTo(least);
    }
    // Plain containers: group boxes, frames and pages that place their controls.
    const QMetaObject* kind = w->metaObject();
    if (kind == &QGroupBox::staticMetaObject || kind == &QFrame::staticMetaObject ||
        kind == &QWidget::staticMetaObject)
        return reflow(w);
    return has;
}

// Grows the controls of a container without a layout to their texts, moving what lies
// below a grown control down and what lies beside it to the right; the container's size
// then, with the margins it had around its controls.
QSize reflow(QWidget* container) {
    QList<QWidget*> kids;
    for (QWidget* w : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (fits(w))
            kids.append(w);
    if (kids.isEmpty())
        return container->size();
    std::stable_sort(kids.begin(), kids.end(), [](QWidget* a, QWidget* b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    auto extent = [&kids] {
        QPoint far(0, 0);
        for (QWidget* w : kids)
            far =
                QPoint(qMax(far.x(), w->geometry().right()), qMax(far.y(), w->geometry().bottom()));
        return far;
    };
    const QPoint before = extent();
    for (QWidget* w : kids) {
        const QRect old = w->geometry();
        const QSize wanted = need(w).expandedTo(old.size());
        const int dw = wanted.width() - old.width();
        const int dh = wanted.height() - old.height();
        if (dw == 0 && dh == 0)
            continue;
        for (QWidget* other : kids) {
            if (other == w)
                continue;
            const QRect o = other->geometry();
            if (dh > 0 && o.top() > old.bottom())
                other->move(o.x(), o.y() + dh);
            else if (dw > 0 && o.left() > old.right() && o.top() <= old.bottom() &&
                     o.bottom() >= old.top())
                other->move(o.x() + dw, o.y());
        }
        w->resize(wanted);
    }
    const QPoint after = extent();
    return container->size().expandedTo(container->size() + QSize(qMax(0, after.x() - before.x()),
                                                                  qMax(0, after.y() - before.y())));
}

class Keeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            Fit(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

void MarkBand(QWidget* label, BandPart part, int designHeightPixels) {
    label->setProperty(Role, int(part));
    if (part == BandPart::Background) {
        label->setProperty(BandDesign, designHeightPixels);
        label->setProperty(BandShown, designHeightPixels);
    }
}

void KeepFitted(QWidget* form, QSize designPixels, bool resizable) {
    form->setProperty(DesignSize, designPixels);
    form->setProperty(Resizable, resizable);
    if (resizable)
        form->resize(designPixels);
    else
        form->setFixedSize(designPixels);
    if (!form->property("formFitKept").toBool()) {
        form->setProperty("formFitKept", true);
        form->installEventFilter(new Keeper(form));
    }
}

namespace {
// A page of a stack counts only while it is in front; its wrapped texts at the stack's
// width are what every page needs, so that no tab or step is cut.
bool holdPages(QWidget* form) {
    bool grown = false;
    for (QStackedWidget* stack : form->findChildren<QStackedWidget*>()) {
        int tallest = 0;
        for (int i = 0; i < stack->count(); ++i) {
            QWidget* page = stack->widget(i);
            QLayout* layout = page->layout();
            if (!layout)
                continue;
            layout->activate();
            int height = layout->totalMinimumSize().height();
            if (layout->hasHeightForWidth())
                height = qMax(height, layout->totalHeightForWidth(stack->contentsRect().width()));
            tallest = qMax(tallest, height + stack->height() - stack->contentsRect().height());
        }
        if (tallest > stack->minimumHeight()) {
            stack->setMinimumHeight(tallest);
            grown = true;
        }
    }
    return grown;
}

void apply(QWidget* form, QSize size) {
    if (form->property(Resizable).toBool())
        form->resize(form->size().expandedTo(size));
    else
        form->setFixedSize(size);
}
} // namespace

void Fit(QWidget* form) {
    const QSize design = form->property(DesignSize).toSize();
    if (!design.isValid())
        return;
    // Once shown, a form only grows: its pages and steps keep one size.
    QSize size = design.expandedTo(form->isVisible() ? form->size() : design);
    const Band band = bandOf(form);
    if (QLayout* layout = form->layout()) {
        for (int pass = 0; pass < 2; ++pass) {
            layout->activate();
            size = size.expandedTo(layout->totalMinimumSize());
            const int shown = band.background ? band.background->property(BandShown).toInt() : 0;
            const int grown = band.background ? fitBand(band, size.width()) - shown : 0;
            if (grown != 0) {
                QMargins margins = layout->contentsMargins();
                margins.setTop(margins.top() + grown);
                layout->setContentsMargins(margins);
                band.background->setProperty(BandShown, shown + grown);
            }
            layout->invalidate();
            layout->activate();
            size = size.expandedTo(layout->totalMinimumSize());
            if (layout->hasHeightForWidth())
                size.setHeight(qMax(size.height(), layout->totalHeightForWidth(size.width())));
            apply(form, size);
            layout->activate();
            if (!holdPages(form))
                break;
        }
    } else {
        size = size.expandedTo(reflow(form));
        size.setHeight(size.height() + FitBand(form, size.width()));
        apply(form, size);
    }
    if (band.background)
        fitBand(band, size.width());
}

QSize FitControls(QWidget* container) {
    return reflow(container);
}

int FitBand(QWidget* container, int width) {
    const Band band = bandOf(container);
    if (!band.background)
        return 0;
    const int before = band.background->property(BandShown).toInt();
    const int grown = qMax(0, fitBand(band, width) - before);
    if (grown > 0) {
        for (QWidget* w : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (fits(w) && w->y() >= before - 1)
                w->move(w->x(), w->y() + grown);
        band.background->setProperty(BandShown, before + grown);
    }
    return grown;
}

} // namespace FormFit
