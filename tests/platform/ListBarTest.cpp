// The list bar's groups and items, numbered from 1, and the item clicks it reports.
#include "platform/ListBar.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(ListBar, GroupsAndItemsKeepTheirPositionsAsOthersComeAndGo) {
    ListBar bar;
    bar.addGroup(1, "Design", "Design");
    bar.addGroup(2, "Help", "Help");
    bar.addGroup(3, "Forms", "Forms");
    for (int i = 1; i <= 5; ++i)
        bar.addItem(3, i, QString("k%1").arg(i), QString("  item %1").arg(i), "button");
    bar.removeItem(3, 3);
    bar.removeItem(3, 4); // after the list closed up: the old fifth
    ASSERT_EQ(bar.itemCount(3), 3);
    EXPECT_EQ(bar.item(3, 1).key, "k1");
    EXPECT_EQ(bar.item(3, 2).key, "k2");
    EXPECT_EQ(bar.item(3, 3).key, "k4");

    bar.removeGroup(1);
    ASSERT_EQ(bar.groupCount(), 2);
    EXPECT_EQ(bar.groupKey(1), "Help");
    EXPECT_EQ(bar.groupCaption(2), "Forms");
    EXPECT_EQ(bar.currentGroup(), 1);
    EXPECT_EQ(bar.item(9, 1).key, ""); // out of range: nothing, no crash
}

TEST(ListBar, ClickReportsTheItemAndTheOpenGroupCanBeSet) {
    ListBar bar;
    bar.addGroup(1, "Help", "Help");
    bar.addGroup(2, "Forms", "Forms");
    bar.addItem(2, 1, "Checkbox", "  Checkbox", "checkbox");
    bar.setCurrentGroup(2);
    EXPECT_EQ(bar.currentGroup(), 2);
    bar.setCurrentGroup(7); // no such group: unchanged
    EXPECT_EQ(bar.currentGroup(), 2);

    QSignalSpy clicks(&bar, &ListBar::ItemClick);
    bar.clickItem(2, 1);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.first().first().value<ListBar::Item>().key, "Checkbox");
}
