#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTime>
#include <functional>

class QTimer;
class QWebEnginePage;

// The program's own copy of the page as of its latest change, from which the surface
// starts again when the page's render process ends. Loads and writes hand their page
// over as they happen; the user's changes are read from the page once it has been quiet
// for a moment, without waiting for the answer (the user types on meanwhile), in pieces
// of bounded size. A large page is read as rarely as its size needs: the quiet wanted
// grows with what the last read cost.
class PageKeeper : public QObject {
    Q_OBJECT
public:
    struct Copy {
        enum class Kind { None, File, Html };
        Kind kind = Kind::None;
        QByteArray html; // UTF-8; for Kind::Html
        bool dirty = false;
        QTime at; // the moment the page was as the copy holds it
    };

    // busy says when the surface is waiting on the page itself: a read then waits too.
    PageKeeper(QWebEnginePage* page, std::function<bool()> busy, QObject* parent = nullptr);

    // The page is its file, unchanged (after a load).
    void keepFile();
    // The page is html (after a write), changed or not.
    void keepHtml(const QString& html, bool dirty);
    // Nothing worth keeping (the blank page).
    void forget();
    // The page came back from copy: it holds what it held, as of when it did.
    void reinstate(const Copy& copy);
    // The page reports a change of the user's: read it once the page is quiet.
    void pageChanged();
    // The render process ended: a read on its way will not be answered.
    void renderProcessEnded();

    const Copy& copy() const { return copy_; }
    // Whether the copy holds the page's latest change (no change since, no read due).
    bool isCurrent() const { return !due_ && !reading_; }

    // Off, the page is never read (for measuring what the reads cost).
    void setEnabled(bool on);
    // What the last read cost, from its start to its last piece (ms); -1 before any.
    qint64 lastReadMs() const { return lastReadMs_; }

signals:
    // A read has brought the page's latest change.
    void copied();

private:
    void schedule();
    void startRead();
    void readPiece(int generation, qsizetype from, qsizetype length);
    void finishRead(int generation);
    void abandonRead();
    int quietMs() const;

    QWebEnginePage* page_;
    std::function<bool()> busy_;
    QTimer* quiet_;
    Copy copy_;
    bool enabled_ = true;
    bool due_ = false;     // a change came that the copy does not hold
    bool reading_ = false; // a read is on its way
    int generation_ = 0;   // each load, write and read start counts one
    QByteArray readingHtml_;
    bool readingDirty_ = false;
    int readingId_ = 0; // the text the page holds for the read on its way
    QTime readingAt_;
    QElapsedTimer readTime_;
    qint64 lastReadMs_ = -1;
};
