#pragma once

#include <QIcon>
#include <QMap>
#include <QWidget>

class QListWidget;
class QPushButton;
class QVBoxLayout;

// A stack of named groups, one open at a time, each a column of icon items. Groups and
// items are numbered from 1, as the shortcut bar's contents are written.
class ListBar : public QWidget {
    Q_OBJECT
public:
    enum View { LargeIcons, SmallIcons };

    struct Item {
        QString key;
        QString text;
        QString iconKey;
    };

    explicit ListBar(QWidget* parent = nullptr);

    // The pictures that items name by icon key.
    void setImageList(const QMap<QString, QIcon>& images);

    // Adds a group at a position (1..count+1); returns its position.
    int addGroup(int position, const QString& key, const QString& caption);
    void removeGroup(int position);
    int groupCount() const;
    QString groupKey(int position) const;
    QString groupCaption(int position) const;
    void setGroupView(int position, View view);

    int addItem(int group, int position, const QString& key, const QString& text,
                const QString& iconKey = QString());
    void setItemIcon(int group, int position, const QString& iconKey);
    void removeItem(int group, int position);
    int itemCount(int group) const;
    Item item(int group, int position) const;

    // The open group (1-based; 0 when there is none).
    int currentGroup() const;
    void setCurrentGroup(int position);

    // Clicks an item as the user would (for tests and keyboard use).
    void clickItem(int group, int position);

signals:
    void ItemClick(const ListBar::Item& item);
    void currentGroupChanged(int position);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Group {
        QString key;
        QString caption;
        View view = LargeIcons;
        QPushButton* header = nullptr;
        QListWidget* list = nullptr;
        QList<Item> items;
    };

    void rebuildList(Group& group);
    void fitGrid(Group& group);
    void relayout();

    QVBoxLayout* layout_;
    QList<Group> groups_;
    QMap<QString, QIcon> images_;
    int current_ = 0;
};
Q_DECLARE_METATYPE(ListBar::Item)
