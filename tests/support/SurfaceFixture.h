#pragma once

// A test with the editing surface alone, shown, and a folder of its own for page files.

#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace TestSupport {

class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor.resize(800, 600);
        editor.show();
        ASSERT_TRUE(dir.isValid());
    }

    // Replaces the page with a body.
    void page(const QString& body) {
        editor.setDocumentHTML("<html><head></head><body>" + body + "</body></html>");
    }
    // A file of the test's folder holding bytes; its path.
    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        writeBytes(path, bytes);
        return path;
    }
    // The selected plain text.
    QString selected() { return editor.DOM().selection().createRange().Text(); }
    DHTMLEdit editor;
    QTemporaryDir dir;
};

} // namespace TestSupport
