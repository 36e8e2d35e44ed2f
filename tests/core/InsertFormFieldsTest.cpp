// The form fields of Insert > Form, byte for byte.
#include "core/window/FormFields.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace FormFields;

TEST(FormFieldMarkup, EveryFieldForAFixedNumber) {
    EXPECT_EQ(FormFieldMarkup(0, 42), "<input type=\"Text\" name=\"Text42\" id=\"Text42\">");
    EXPECT_EQ(FormFieldMarkup(1, 42),
              "<textarea  name=Textarea42 id=Textarea42 rows=5 cols=20></textarea>");
    EXPECT_EQ(FormFieldMarkup(3, 42),
              "<input type=\"Password\" name=\"Password42\" id=\"Password42\">");
    EXPECT_EQ(FormFieldMarkup(4, 42),
              "<input type=\"Checkbox\" name=\"Checkbox42\" id=\"Checkbox42\">");
    EXPECT_EQ(FormFieldMarkup(5, 42), "<input type=\"Radio\" name=\"Radio42\" id=\"Radio42\">");
    EXPECT_EQ(FormFieldMarkup(7, 42), "<input type=\"Hidden\" name=\"Hidden42\" id=\"Hidden42\">");
    EXPECT_EQ(FormFieldMarkup(8, 42),
              "<input type=\"Submit\" name=\"Submit42\" id=\"Submit42\" value=Submit>");
    EXPECT_EQ(FormFieldMarkup(9, 42), "<input type=\"Reset\" name=\"Reset42\" id=\"Reset42\">");
    EXPECT_EQ(FormFieldMarkup(10, 5000),
              "<input type=\"Button\" name=\"Button5000\" id=\"Button5000\" value=Button>");
}

TEST(FormFieldMarkup, IndexesWithoutAFieldGiveNothing) {
    for (int index : {-1, 2, 6, 11})
        EXPECT_EQ(FormFieldMarkup(index, 1), "") << index;
}

TEST(FormFieldNumber, DrawnFromOneTo5000) {
    QSet<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int n = DrawFieldNumber();
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 5000);
        seen << n;
    }
    // Reseeding from the clock still gives varied numbers.
    EXPECT_GT(seen.size(), 100);
}
