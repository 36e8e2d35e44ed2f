// A failure skipped on purpose still leaves a trace: where, its code and its text.
#include "platform/PlatformError.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList traced;

void keepTrace(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (QByteArray(context.category) == "tessaly.skipped")
        traced << text;
}

} // namespace

TEST(SkippedFailure, IsTracedWithItsPlaceCodeAndText) {
    const QtMessageHandler before = qInstallMessageHandler(keepTrace);
    const int line = __LINE__ + 1;
    skipErrors([] { throw PlatformError(ErrorCode::AccessDenied, "Access denied"); });
    skipErrors([] { throw 42; });
    qInstallMessageHandler(before);

    ASSERT_EQ(traced.size(), 2) << qPrintable(traced.join('\n'));
    EXPECT_TRUE(
        traced[0].endsWith(QString("SkippedFailureTest.cpp:%1 skipped 70 Access denied").arg(line)))
        << qPrintable(traced[0]);
    EXPECT_TRUE(traced[1].contains(
        QString("SkippedFailureTest.cpp:%1 skipped an exception of unknown type").arg(line + 1)))
        << qPrintable(traced[1]);
}
