#include "core/window/frmViewSource.h"

#include "core/Module1.h"
#include "platform/DHTMLEdit.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Settings.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

using Module1::AppKey;

namespace {

// A stored size of 5000 twips is the form's design size: never chosen by the user.
constexpr int DesignSize = 5000;
constexpr int ButtonWidth = 1335;
constexpr int ButtonHeight = 375;

int stored(const QString& key, const QString& fallback) {
    return Module1::LeadingNumber(GetSetting(AppKey, "Window", key, fallback), 32);
}

} // namespace

frmViewSource::frmViewSource(DHTMLEdit* editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setObjectName("frmViewSource");
    setWindowTitle("Source");
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);

    txtSource = new QPlainTextEdit(this);
    txtSource->setObjectName("txtSource");
    txtSource->move(Twips::toPixels(90), Twips::toPixels(120));
    cmdSave = new QPushButton("&Save", this);
    cmdSave->setObjectName("cmdSave");
    cmdSave->resize(Twips::toPixels(ButtonWidth), Twips::toPixels(ButtonHeight));
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->resize(Twips::toPixels(ButtonWidth), Twips::toPixels(ButtonHeight));
    // Enter makes a line in the source; no button takes it.
    cmdSave->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);

    connect(cmdSave, &QPushButton::clicked, this, &frmViewSource::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmViewSource::cmdCancel_Click);
    Form_Load();
}

int frmViewSource::windowLeft() const {
    return Twips::fromPixels(frameGeometry().x());
}
int frmViewSource::windowTop() const {
    return Twips::fromPixels(frameGeometry().y());
}
int frmViewSource::windowWidth() const {
    return Twips::fromPixels(isVisible() ? frameGeometry().width() : width());
}
int frmViewSource::windowHeight() const {
    return Twips::fromPixels(isVisible() ? frameGeometry().height() : height());
}

void frmViewSource::setOuterGeometry(int left, int top, int width, int height) {
    move(Twips::toPixels(left), Twips::toPixels(top));
    const QSize outer(Twips::toPixels(width), Twips::toPixels(height));
    resize(outer.expandedTo(QSize(1, 1)));
    // The window manager's frame is known only once the window is shown.
    pendingOuterSize_ = outer;
}

void frmViewSource::fitFrame() {
    // A window manager frames the window some time after it is shown; the outer size
    // asked for is met once the frame is known. Sized at once, the window would be as
    // large inside as it was outside when it closed, and grow by its frame every time.
    if (!pendingOuterSize_.isValid() || !isVisible())
        return;
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frame.width() <= 0 && frame.height() <= 0)
        return;
    const QSize inner = (pendingOuterSize_ - frame).expandedTo(QSize(1, 1));
    pendingOuterSize_ = QSize();
    resize(inner);
}

void frmViewSource::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fitFrame();
}

void frmViewSource::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    fitFrame();
}

void frmViewSource::Form_Load() {
    skipErrors([&] { setOuterGeometry(0, 0, DesignSize, DesignSize); });
    QApplication::setOverrideCursor(Qt::WaitCursor);
    int left = 0, top = 0, width = DesignSize, height = DesignSize;
    skipErrors([&] { left = stored("ViewSrcLeftXCoord", "0"); });
    skipErrors([&] { top = stored("ViewSrcLeftYCoord", "0"); });
    skipErrors([&] {
        const QRect screen = this->screen()->geometry();
        width = stored("ViewSrcWindowXSize", "5000");
        if (width == 0 || width == DesignSize)
            width = int(0.75 * Twips::fromPixels(screen.width()));
        height = stored("ViewSrcWindowYSize", "5000");
        if (height == 0 || height == DesignSize)
            height = int(0.75 * Twips::fromPixels(screen.height()));
    });
    skipErrors([&] { setOuterGeometry(left, top, width, height); });
    skipErrors([&] {
        // A whole page, its long lines unbroken.
        txtSource->setLineWrapMode(QPlainTextEdit::NoWrap);
        txtSource->setMaximumBlockCount(0);
        txtSource->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    });
    skipErrors([&] {
        txtSource->setPlainText(editor_->DocumentHTML());
        shownText_ = txtSource->toPlainText();
    });
    QApplication::restoreOverrideCursor();
}

void frmViewSource::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    fitFrame();
    Form_Resize();
}

void frmViewSource::Form_Resize() {
    const int width = windowWidth();
    const int height = windowHeight();
    // A window too small for the controls leaves them as they were.
    if (width - 350 > 0 && height - 1200 > 0)
        txtSource->resize(Twips::toPixels(width - 350), Twips::toPixels(height - 1200));
    if (height - 900 > 0 && width - 1500 > 0)
        cmdCancel->move(Twips::toPixels(width - 1500), Twips::toPixels(height - 900));
    if (height - 900 > 0 && width - 2950 > 0)
        cmdSave->move(Twips::toPixels(width - 2950), Twips::toPixels(height - 900));
}

void frmViewSource::cmdSave_Click() {
    const QString text = txtSource->toPlainText();
    // Unchanged, the page stays as it is, with its undo steps and its changed state;
    // edited, the edit is one undo step, and the page counts as changed.
    if (text != shownText_) {
        try {
            editor_->ApplyDocumentHTML(text);
        } catch (const PlatformError& e) {
            // The edit stays in the window: nothing the user typed is lost.
            MsgBox(e.Description, vb::vbCritical, QString(), this);
            return;
        }
    }
    accept();
}

void frmViewSource::cmdCancel_Click() {
    reject();
}

void frmViewSource::Form_Unload() {
    skipErrors(
        [&] { SaveSetting(AppKey, "Window", "ViewSrcLeftXCoord", QString::number(windowLeft())); });
    skipErrors(
        [&] { SaveSetting(AppKey, "Window", "ViewSrcLeftYCoord", QString::number(windowTop())); });
    skipErrors([&] {
        SaveSetting(AppKey, "Window", "ViewSrcWindowXSize", QString::number(windowWidth()));
    });
    skipErrors([&] {
        SaveSetting(AppKey, "Window", "ViewSrcWindowYSize", QString::number(windowHeight()));
    });
}

void frmViewSource::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    QDialog::done(result);
}
