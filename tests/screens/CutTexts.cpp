#include "screens/CutTexts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>

namespace CutTexts {

namespace {

// The text as drawn: an "&" before a letter marks the access key and takes no room.
QString shown(const QString& text) {
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
        }
        out += text[i];
    }
    return out;
}

QString name(const QWidget* w) {
    QString path = w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
    return path;
}

void report(QStringList& cut, const QWidget* w, const QString& text, const QString& lack) {
    cut.append(QString("%1 \"%2\": %3").arg(name(w), text.simplified(), lack));
}

// Reports text when what it needs is wider or higher than what it has.
void reportIfShort(QStringList& cut, const QWidget* w, const QString& text, const QSize& need,
                   const QSize& has) {
    if (need.width() > has.width() || need.height() > has.height())
        report(cut, w, text,
               QString("needs %1x%2 px, has %3x%4")
                   .arg(need.width())
                   .arg(need.height())
                   .arg(has.width())
                   .arg(has.height()));
}

int textWidth(const QWidget* w, const QString& text) {
    int widest = 0;
    for (const QString& line : shown(text).split('\n'))
        widest = qMax(widest, w->fontMetrics().horizontalAdvance(line));
    return widest;
}

void label(QStringList& cut, QLabel* l) {
    const QString text = l->text();
    if (text.isEmpty() || !l->pixmap().isNull())
        return;
    if (l->wordWrap()) {
        const int need = l->heightForWidth(l->width());
        if (need > l->height())
            report(cut, l, text,
                   QString("needs %1 px of height, has %2").arg(need).arg(l->height()));
        return;
    }
    // The label's own measure: its text, margins, indent and frame.
    const QSize need = l->sizeHint();
    reportIfShort(cut, l, text, need, l->size());
}

void pushButton(QStringList& cut, QPushButton* b) {
    if (b->text().isEmpty())
        return;
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    if (b->isDefault())
        opt.features |= QStyleOptionButton::DefaultButton;
    if (b->autoDefault())
        opt.features |= QStyleOptionButton::AutoDefaultButton;
    if (b->isFlat())
        opt.features |= QStyleOptionButton::Flat;
    const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
    int need = textWidth(b, b->text());
    if (!b->icon().isNull())
        need += b->iconSize().width() + 4;
    if (need > room.width())
        report(cut, b, b->text(), QString("needs %1 px, has %2").arg(need).arg(room.width()));
    if (b->fontMetrics().height() > room.height())
        report(cut, b, b->text(),
               QString("needs %1 px of height, has %2")
                   .arg(b->fontMetrics().height())
                   .arg(room.height()));
}

void checkOrRadio(QStringList& cut, QAbstractButton* b, QStyle::SubElement contents) {
    if (b->text().isEmpty())
        return;
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    if (b->hasHeightForWidth()) {
        // A caption that wraps needs height, not width.
        const int need = b->heightForWidth(b->width());
        if (need > b->height())
            report(cut, b, b->text(),
                   QString("needs %1 px of height, has %2").arg(need).arg(b->height()));
        return;
    }
    const QRect room = b->style()->subElementRect(contents, &opt, b);
    // The style leaves a pixel or two of its own around the text.
    const int need = textWidth(b, b->text()) + 2;
    if (need > room.width())
        report(cut, b, b->text(), QString("needs %1 px, has %2").arg(need).arg(room.width()));
    if (b->fontMetrics().height() > b->height())
        report(cut, b, b->text(),
               QString("needs %1 px of height, has %2")
                   .arg(b->fontMetrics().height())
                   .arg(b->height()));
}

void toolButton(QStringList& cut, QToolButton* b) {
    const bool textShown = !b->text().isEmpty() &&
                           (b->icon().isNull() || b->toolButtonStyle() != Qt::ToolButtonIconOnly);
    if (!textShown)
        return;
    const QSize need = b->sizeHint();
    reportIfShort(cut, b, b->text(), need, b->size());
}

void groupBox(QStringList& cut, QGroupBox* g) {
    // The group's minimum holds its title and what the group's layout needs at least.
    const QSize need = g->minimumSizeHint();
    reportIfShort(cut, g, g->title(), need, g->size());
}

void comboBox(QStringList& cut, QComboBox* c) {
    QStyleOptionComboBox opt;
    opt.initFrom(c);
    opt.editable = c->isEditable();
    opt.frame = c->hasFrame();
    opt.subControls = QStyle::SC_All;
    QRect field =
        c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
    // The entry is drawn a pixel in from each side; a line edit keeps two.
    const int margin = c->isEditable() ? 4 : 2;
    for (int i = 0; i < c->count(); ++i) {
        const QString item = c->itemText(i);
        const int need = c->fontMetrics().horizontalAdvance(item) + margin;
        if (need > field.width())
            report(cut, c, item, QString("needs %1 px, has %2").arg(need).arg(field.width()));
    }
    if (c->fontMetrics().height() > field.height())
        report(cut, c, c->currentText(),
               QString("needs %1 px of height, has %2")
                   .arg(c->fontMetrics().height())
                   .arg(field.height()));
}

void tabBar(QStringList& cut, QTabBar* t) {
    const int space = t->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, t);
    for (int i = 0; i < t->count(); ++i) {
        if (!t->isTabVisible(i))
            continue;
        const int need = textWidth(t, t->tabText(i)) + space;
        const int has = t->tabRect(i).width();
        if (need > has)
            report(cut, t, t->tabText(i), QString("needs %1 px, has %2").arg(need).arg(has));
    }
}

void itemView(QStringList& cut, QAbstractItemView* v) {
    QAbstractItemModel* model = v->model();
    if (!model)
        return;
    const auto* list = qobject_cast<QListView*>(v);
    const bool wraps = list && list->wordWrap();
    for (int row = 0; row < model->rowCount(v->rootIndex()); ++row) {
        const QModelIndex index = model->index(row, 0, v->rootIndex());
        const QString text = index.data(Qt::DisplayRole).toString();
        if (text.isEmpty() || (list && list->isRowHidden(row)))
            continue;
        QRect cell = v->visualRect(index);
        if (list && list->gridSize().isValid())
            cell.setSize(list->gridSize());
        QStyleOptionViewItem opt;
        opt.initFrom(v);
        opt.font = v->font();
        opt.rect = cell;
        opt.decorationSize = v->iconSize();
        if (list && list->viewMode() == QListView::IconMode)
            opt.decorationPosition = QStyleOptionViewItem::Top;
        if (wraps)
            opt.features |= QStyleOptionViewItem::WrapText;
        const QSize need = v->itemDelegate()->sizeHint(opt, index);
        // A list that scrolls sideways shows long entries whole by scrolling.
        const bool sideways = v->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff && !wraps;
        const int room = sideways ? need.width() : qMin(cell.width(), v->viewport()->width());
        reportIfShort(cut, v, text, need, QSize(room, cell.height()));
    }
}

} // namespace

QStringList In(QWidget* window) {
    QStringList cut;
    const QString title = window->windowTitle();
    // A window without a title of its own shows the program's file name in its frame.
    if (title.trimmed().isEmpty() || title == QCoreApplication::applicationName() ||
        title == QLatin1String("tessaly"))
        cut.append(QString("%1: the title is \"%2\"").arg(name(window), title));
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        if (auto* l = qobject_cast<QLabel*>(w))
            label(cut, l);
        else if (auto* b = qobject_cast<QPushButton*>(w))
            pushButton(cut, b);
        else if (auto* c = qobject_cast<QCheckBox*>(w))
            checkOrRadio(cut, c, QStyle::SE_CheckBoxContents);
        else if (auto* r = qobject_cast<QRadioButton*>(w))
            checkOrRadio(cut, r, QStyle::SE_RadioButtonContents);
        else if (auto* t = qobject_cast<QToolButton*>(w))
            toolButton(cut, t);
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            groupBox(cut, g);
        else if (auto* cb = qobject_cast<QComboBox*>(w))
            comboBox(cut, cb);
        else if (auto* tb = qobject_cast<QTabBar*>(w))
            tabBar(cut, tb);
        else if (auto* v = qobject_cast<QAbstractItemView*>(w))
            itemView(cut, v);
    }
    return cut;
}

} // namespace CutTexts
