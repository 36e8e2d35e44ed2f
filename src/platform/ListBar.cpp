#include "platform/ListBar.h"

#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QVBoxLayout>

ListBar::ListBar(QWidget* parent) : QWidget(parent), layout_(new QVBoxLayout(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
}

void ListBar::setImageList(const QMap<QString, QIcon>& images) {
    images_ = images;
    for (Group& g : groups_)
        rebuildList(g);
}

int ListBar::addGroup(int position, const QString& key, const QString& caption) {
    position = qBound(1, position, int(groups_.size()) + 1);
    Group g;
    g.key = key;
    g.caption = caption;
    g.header = new QPushButton(caption, this);
    g.header->setObjectName("ListBarGroup_" + key);
    g.header->setFlat(false);
    g.list = new QListWidget(this);
    g.list->setObjectName("ListBarItems_" + key);
    g.list->setFrameShape(QFrame::NoFrame);
    QListWidget* list = g.list;
    connect(g.header, &QPushButton::clicked, this, [this, list] {
        for (int i = 0; i < groups_.size(); ++i)
            if (groups_[i].list == list)
                setCurrentGroup(i + 1);
    });
    connect(g.list, &QListWidget::itemClicked, this, [this, list](QListWidgetItem* it) {
        for (int i = 0; i < groups_.size(); ++i)
            if (groups_[i].list == list)
                clickItem(i + 1, list->row(it) + 1);
    });
    groups_.insert(position - 1, g);
    rebuildList(groups_[position - 1]);
    if (current_ == 0)
        current_ = 1;
    else if (position <= current_)
        ++current_;
    relayout();
    return position;
}

void ListBar::removeGroup(int position) {
    if (position < 1 || position > groups_.size())
        return;
    Group g = groups_.takeAt(position - 1);
    delete g.header;
    delete g.list;
    if (groups_.isEmpty())
        current_ = 0;
    else if (position < current_ || current_ > groups_.size())
        --current_;
    relayout();
}

int ListBar::groupCount() const {
    return int(groups_.size());
}

QString ListBar::groupKey(int position) const {
    return position >= 1 && position <= groups_.size() ? groups_[position - 1].key : QString();
}

QString ListBar::groupCaption(int position) const {
    return position >= 1 && position <= groups_.size() ? groups_[position - 1].caption : QString();
}

void ListBar::setGroupView(int position, View view) {
    if (position < 1 || position > groups_.size())
        return;
    groups_[position - 1].view = view;
    rebuildList(groups_[position - 1]);
}

int ListBar::addItem(int group, int position, const QString& key, const QString& text,
                     const QString& iconKey) {
    if (group < 1 || group > groups_.size())
        return 0;
    Group& g = groups_[group - 1];
    position = qBound(1, position, int(g.items.size()) + 1);
    g.items.insert(position - 1, Item{key, text, iconKey});
    rebuildList(g);
    return position;
}

void ListBar::setItemIcon(int group, int position, const QString& iconKey) {
    if (group < 1 || group > groups_.size())
        return;
    Group& g = groups_[group - 1];
    if (position < 1 || position > g.items.size())
        return;
    g.items[position - 1].iconKey = iconKey;
    rebuildList(g);
}

void ListBar::removeItem(int group, int position) {
    if (group < 1 || group > groups_.size())
        return;
    Group& g = groups_[group - 1];
    if (position < 1 || position > g.items.size())
        return;
    g.items.removeAt(position - 1);
    rebuildList(g);
}

int ListBar::itemCount(int group) const {
    return group >= 1 && group <= groups_.size() ? int(groups_[group - 1].items.size()) : 0;
}

ListBar::Item ListBar::item(int group, int position) const {
    if (group < 1 || group > groups_.size())
        return {};
    const Group& g = groups_[group - 1];
    return position >= 1 && position <= g.items.size() ? g.items[position - 1] : Item{};
}

int ListBar::currentGroup() const {
    return current_;
}

void ListBar::setCurrentGroup(int position) {
    if (position < 1 || position > groups_.size() || position == current_)
        return;
    current_ = position;
    relayout();
    emit currentGroupChanged(position);
}

void ListBar::clickItem(int group, int position) {
    if (group < 1 || group > groups_.size())
        return;
    const Group& g = groups_[group - 1];
    if (position < 1 || position > g.items.size())
        return;
    emit ItemClick(g.items[position - 1]);
}

void ListBar::rebuildList(Group& g) {
    g.list->clear();
    const bool large = g.view == LargeIcons;
    g.list->setViewMode(large ? QListView::IconMode : QListView::ListMode);
    g.list->setFlow(QListView::TopToBottom);
    g.list->setWrapping(false);
    g.list->setMovement(QListView::Static);
    g.list->setWordWrap(true);
    g.list->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
    g.list->setGridSize(QSize());
    for (const Item& item : g.items) {
        auto* w = new QListWidgetItem(images_.value(item.iconKey), item.text, g.list);
        w->setData(Qt::UserRole, item.key);
        w->setTextAlignment(large ? Qt::AlignHCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    }
    fitGrid(g);
}

void ListBar::fitGrid(Group& g) {
    if (g.view != LargeIcons)
        return;
    // Each cell is as wide as the bar and as tall as its longest caption needs, wrapped
    // under the picture in the bar's font.
    const int cellWidth = qMax(80, width() - 8);
    int cellHeight = 72;
    QStyleOptionViewItem option;
    option.initFrom(g.list);
    option.font = g.list->font();
    option.rect = QRect(0, 0, cellWidth, 72);
    option.decorationSize = g.list->iconSize();
    option.decorationPosition = QStyleOptionViewItem::Top;
    option.features |= QStyleOptionViewItem::WrapText;
    for (int row = 0; row < g.list->count(); ++row) {
        const QModelIndex index = g.list->model()->index(row, 0);
        cellHeight = qMax(cellHeight, g.list->itemDelegate()->sizeHint(option, index).height());
    }
    g.list->setGridSize(QSize(cellWidth, cellHeight));
}

void ListBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (Group& g : groups_)
        fitGrid(g);
}

void ListBar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        for (Group& g : groups_)
            fitGrid(g);
}

void ListBar::relayout() {
    while (layout_->count())
        layout_->takeAt(0);
    for (int i = 0; i < groups_.size(); ++i) {
        layout_->addWidget(groups_[i].header);
        const bool open = i + 1 == current_;
        if (open)
            layout_->addWidget(groups_[i].list, 1);
        groups_[i].list->setVisible(open);
    }
    if (current_ == 0)
        layout_->addStretch(1);
}
