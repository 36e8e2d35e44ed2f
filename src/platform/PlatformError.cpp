#include "platform/PlatformError.h"

Q_LOGGING_CATEGORY(lcSkipped, "tessaly.skipped", QtWarningMsg)

namespace {

// The source file as the repository names it: the part from "src/" on.
QString sourceName(const char* path) {
    const QString file = QString::fromUtf8(path);
    const qsizetype at = file.lastIndexOf("/src/");
    return at < 0 ? file : file.mid(at + 1);
}

} // namespace

void traceSkipped(const std::source_location& where) noexcept {
    try {
        if (!lcSkipped().isDebugEnabled())
            return;
        const QString place = sourceName(where.file_name()) + ":" + QString::number(where.line());
        try {
            throw;
        } catch (const PlatformError& e) {
            qCDebug(lcSkipped).noquote() << place << "skipped" << e.Number << e.Description;
        } catch (const std::exception& e) {
            qCDebug(lcSkipped).noquote() << place << "skipped" << e.what();
        } catch (...) {
            qCDebug(lcSkipped).noquote() << place << "skipped an exception of unknown type";
        }
    } catch (...) {
        // Tracing must never turn a skipped failure into a new one.
    }
}
