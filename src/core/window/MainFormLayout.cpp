#include "core/window/MainForm.h"

#include "core/DialogParts.h"
#include "core/Module1.h"
#include "core/window/MainLayout.h"
#include "core/window/SplitterBar.h"
#include "platform/DHTMLEdit.h"
#include "platform/ListBar.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

// The window's layout: its geometry in twips, the toolbars, the shortcut bar's panel
// with its splitter, the editing surface and the status bar.

using namespace Module1;

namespace {

// The panel's width before any setting changes it.
constexpr int DesignBarWidth = 2400;
// Inside the panel: the title's height and where the list bar starts.
constexpr int TitleHeight = 285;
constexpr int ListBarTop = 330;

} // namespace

void MainForm::createShortcutBar() {
    picShortcutBar = new QWidget(client_);
    picShortcutBar->setObjectName("picShortcutBar");
    picShortcutBar->installEventFilter(this);
    picShortcutBar->resize(Twips::toPixels(DesignBarWidth), 300);

    lblShortcutBar = new QLabel(" Shortcut bar", picShortcutBar);
    lblShortcutBar->setObjectName("lblShortcutBar");
    lblShortcutBar->setAutoFillBackground(true);
    QPalette title = lblShortcutBar->palette();
    title.setColor(QPalette::Window, palette().color(QPalette::Active, QPalette::Highlight));
    title.setColor(QPalette::WindowText,
                   palette().color(QPalette::Active, QPalette::HighlightedText));
    lblShortcutBar->setPalette(title);
    lblShortcutBar->setGeometry(0, 0, 10, Twips::toPixels(TitleHeight));

    cmdCloseShortcutBar = new QToolButton(picShortcutBar);
    cmdCloseShortcutBar->setObjectName("cmdCloseShortcutBar");
    cmdCloseShortcutBar->setToolTip("Close the shortcut bar");
    cmdCloseShortcutBar->setAutoRaise(true);
    const QIcon close = DialogParts::ProgramIcon("close");
    if (close.isNull())
        cmdCloseShortcutBar->setText("x");
    else
        cmdCloseShortcutBar->setIcon(close);
    cmdCloseShortcutBar->resize(Twips::toPixels(200) + 2, Twips::toPixels(200) + 2);
    cmdCloseShortcutBar->move(0, 3);
    connect(cmdCloseShortcutBar, &QToolButton::clicked, this, &MainForm::cmdCloseShortcutBar_Click);
    cmdCloseShortcutBar->installEventFilter(this);

    SSListBar1 = new ListBar(picShortcutBar);
    SSListBar1->setObjectName("SSListBar1");
    SSListBar1->move(0, Twips::toPixels(ListBarTop));
    connect(SSListBar1, &ListBar::ItemClick, this,
            [this](const ListBar::Item& item) { SSListBar1_ItemClick(item.key); });

    VSplitter2 = new SplitterBar(picShortcutBar);
    VSplitter2->setObjectName("VSplitter2");
    VSplitter2->resize(Twips::toPixels(50), 300);
    connect(VSplitter2, &SplitterBar::dropped, this, [this](const QPoint& global) {
        const QPoint onSurface = DHTMLEdit1->mapFromGlobal(global);
        const QPoint onList = SSListBar1->mapFromGlobal(global);
        if (DHTMLEdit1->rect().contains(onSurface))
            DHTMLEdit1_DragDrop(VSplitter2, Twips::fromPixels(onSurface.x()),
                                Twips::fromPixels(onSurface.y()));
        else if (SSListBar1->rect().contains(onList))
            SSListBar1_DragDrop(VSplitter2, Twips::fromPixels(onList.x()),
                                Twips::fromPixels(onList.y()));
    });
}

void MainForm::createStatusBar() {
    StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
    StatusPanel1 = new QLabel("Current Block Formatting");
    StatusPanel1->setObjectName("StatusBar1_Panel1");
    StatusPanel1->setMinimumWidth(200);
    StatusPanel2 = new QLabel("Press F1 for Help");
    StatusPanel2->setObjectName("StatusBar1_Panel2");
    StatusBar1->addWidget(StatusPanel1);
    StatusBar1->addWidget(StatusPanel2, 1);
}

// ---- window geometry ---------------------------------------------------------------

namespace {
// The window's own rectangle, set before the window exists and read back exactly after.
QRect inner(const QWidget* w) {
    return w->geometry();
}
} // namespace

int MainForm::windowLeft() const {
    const QRect px = inner(this);
    return px.x() == givenPixels_.x() ? givenTwips_.x() : Twips::fromPixels(px.x());
}
int MainForm::windowTop() const {
    const QRect px = inner(this);
    return px.y() == givenPixels_.y() ? givenTwips_.y() : Twips::fromPixels(px.y());
}
int MainForm::windowWidth() const {
    const QRect px = inner(this);
    return px.width() == givenPixels_.width() ? givenTwips_.width() : Twips::fromPixels(px.width());
}
int MainForm::windowHeight() const {
    const QRect px = inner(this);
    return px.height() == givenPixels_.height() ? givenTwips_.height()
                                                : Twips::fromPixels(px.height());
}

// The layout rules count the frame in, as the window's outer size.
int MainForm::outerWidth() const {
    const QMargins frame = WindowPlacement::FrameMargins(this);
    return windowWidth() + Twips::fromPixels(frame.left() + frame.right());
}
int MainForm::outerHeight() const {
    const QMargins frame = WindowPlacement::FrameMargins(this);
    return windowHeight() + Twips::fromPixels(frame.top() + frame.bottom());
}

void MainForm::placeWindow(const QRect& twips) {
    // Before the window is shown its frame is unknown: the window's own rectangle goes
    // onto a screen now, and its frame once the window manager has drawn it.
    const QRect px = Twips::toPixels(twips);
    const QRect onto = WindowPlacement::OntoArea(px, WindowPlacement::AvailableAreas());
    setGeometry(QRect(onto.topLeft(), onto.size().expandedTo(QSize(200, 150))));
    givenPixels_ = inner(this);
    givenTwips_ = givenPixels_ == px ? twips : Twips::fromPixels(givenPixels_);
}

void MainForm::windowFramed(const QMargins& frame) {
    // Only the placement of start-up is finished here: a window that has been sized
    // since keeps what it was given. (The window manager may have moved it already.)
    if (inner(this).size() == givenPixels_.size() && !isMaximized() && !isFullScreen()) {
        const QRect outer = inner(this).marginsAdded(frame);
        const QRect onto = WindowPlacement::OntoArea(outer, WindowPlacement::AvailableAreas());
        if (onto != outer)
            placeWindow(Twips::fromPixels(onto.marginsRemoved(frame)));
    }
    // The layout counts the frame in.
    Form_Resize();
}

void MainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!startupError_.isEmpty())
        QTimer::singleShot(0, this, &MainForm::reportStartupError);
    if (!framedOnce_) {
        framedOnce_ = true;
        WindowPlacement::WhenFramed(this, [this](const QMargins& frame) { windowFramed(frame); });
    }
}

int MainForm::barWidth() const {
    return Twips::fromPixels(picShortcutBar->width());
}

void MainForm::setBarWidth(int twips) {
    picShortcutBar->resize(qMax(1, Twips::toPixels(twips)), picShortcutBar->height());
}

// ---- layout ----------------------------------------------------------------------------

void MainForm::layoutChrome() {
    const int width = client_->width();
    const bool beginner = Toolbar3->isVisibleTo(client_);
    QToolBar* upper = beginner ? Toolbar3 : Toolbar2;
    upper->setGeometry(0, 0, width, upper->height());
    Toolbar1->setGeometry(0, upper->height(), width, Toolbar1->height());
    const int top = Twips::toPixels(surfaceTop_);
    picShortcutBar->setGeometry(0, top, picShortcutBar->width(), qMax(0, client_->height() - top));
}

void MainForm::applySurfaceGeometry() {
    // The surface never reaches past the window's client area (the status bar and the
    // window's frame take their share of the window).
    QRect r = Twips::toPixels(QRect(surfaceLeft_, surfaceTop_, surfaceWidth_, surfaceHeight_));
    const QRect available(QPoint(0, 0), client_->size());
    r.setWidth(qMax(0, qMin(r.width(), available.width() - r.x())));
    r.setHeight(qMax(0, qMin(r.height(), available.height() - r.y())));
    DHTMLEdit1->setGeometry(r);
}

void MainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        layoutChrome();
        applySurfaceGeometry();
    } else if (watched == picShortcutBar && event->type() == QEvent::Resize) {
        picShortcutBar_Resize();
    } else if (watched == cmdCloseShortcutBar && event->type() == QEvent::MouseButtonRelease) {
        cmdCloseShortcutBar_MouseUp();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::Form_Resize() {
    if (isMinimized())
        return;
    surfaceWidth_ = MainLayout::SurfaceWidth(outerWidth(), barWidth(), ShortcutBarShown);
    surfaceHeight_ = MainLayout::SurfaceHeight(outerHeight());
    applySurfaceGeometry();
}

void MainForm::picShortcutBar_Resize() {
    if (!ShortcutBarShown)
        return;
    const int bar = barWidth();
    const MainLayout::Panel p =
        MainLayout::PanelParts(bar, Twips::fromPixels(picShortcutBar->height()), ListBarTop);
    lblShortcutBar->resize(qMax(0, Twips::toPixels(p.titleWidth)), lblShortcutBar->height());
    SSListBar1->setGeometry(0, Twips::toPixels(ListBarTop),
                            qMax(0, Twips::toPixels(p.listBarWidth)),
                            qMax(0, Twips::toPixels(p.listBarHeight)));
    VSplitter2->setGeometry(Twips::toPixels(splitterLeft_), 0, VSplitter2->width(),
                            Twips::toPixels(p.splitterHeight));
    surfaceLeft_ = MainLayout::SurfaceLeft(bar, true);
    cmdCloseShortcutBar->move(Twips::toPixels(p.closeButtonLeft), cmdCloseShortcutBar->y());
    if (!isMinimized()) {
        surfaceWidth_ = MainLayout::SurfaceWidth(outerWidth(), bar, true);
        surfaceHeight_ = MainLayout::SurfaceHeight(outerHeight());
    }
    applySurfaceGeometry();
}

void MainForm::DHTMLEdit1_DragDrop(QWidget* source, int x, int /*y*/) {
    if (!source || source->objectName() != "VSplitter2")
        return;
    const int width = MainLayout::WidthAfterDropOnSurface(barWidth(), x, outerWidth());
    if (width < 0)
        return;
    splitterLeft_ = MainLayout::SplitterLeftAfterDrag(width);
    surfaceLeft_ = MainLayout::SurfaceLeft(width, true);
    setBarWidth(width); // the panel's resize lays out the rest
    picShortcutBar_Resize();
}

void MainForm::SSListBar1_DragDrop(QWidget* source, int x, int /*y*/) {
    if (!source || source->objectName() != "VSplitter2")
        return;
    const int width = MainLayout::WidthAfterDropOnListBar(x);
    const int newWidth = width < 0 ? barWidth() : width;
    splitterLeft_ = MainLayout::SplitterLeftAfterDrag(newWidth);
    surfaceLeft_ = MainLayout::SurfaceLeft(newWidth, true);
    if (width >= 0)
        setBarWidth(width);
    picShortcutBar_Resize();
}

void MainForm::cmdCloseShortcutBar_Click() {
    ShortcutBarShown = false;
    SetShortcutBarVisible(false);
}

void MainForm::cmdCloseShortcutBar_MouseUp() {
    DHTMLEdit1->setFocus();
}

void MainForm::SetShortcutBarVisible(bool show) {
    ViewSub[4]->setChecked(show);
    ShortcutBarShown = show;
    picShortcutBar->setVisible(show);
    surfaceLeft_ = MainLayout::SurfaceLeft(barWidth(), show);
    surfaceWidth_ = MainLayout::SurfaceWidth(outerWidth(), barWidth(), show);
    applySurfaceGeometry();
    SaveSetting(AppKey, "Misc", "ShowShortcutBar", show ? "yes" : "no");
    if (show)
        picShortcutBar_Resize();
}

void MainForm::ApplyBeginnerToolbar() {
    const bool beginner = GetSetting(AppKey, "Misc", "BeginnerToolbar", "yes") == "yes";
    if (beginner) {
        Toolbar3->setVisible(true);
        Toolbar2->setVisible(false);
        // The surface starts below the toolbars, however tall a larger text makes them.
        surfaceTop_ = qMax(MainLayout::BeginnerSurfaceTop,
                           Twips::fromPixels(Toolbar3->height() + Toolbar1->height()));
        ViewSub[5]->setChecked(true);
        for (int button = 16; button <= 20; ++button) {
            Toolbar1Index[button - 1]->setVisible(true);
            Toolbar1Index[button - 1]->setEnabled(true);
        }
    } else {
        Toolbar2->setVisible(true);
        Toolbar3->setVisible(false);
        surfaceTop_ = qMax(MainLayout::StandardSurfaceTop,
                           Twips::fromPixels(Toolbar2->height() + Toolbar1->height()));
        ViewSub[5]->setChecked(false);
        for (int button = 15; button <= 20; ++button)
            Toolbar1Index[button - 1]->setVisible(false);
    }
    layoutChrome();
    applySurfaceGeometry();
}

void MainForm::DisableEditingControls() {
    FontCombo->setEditText(QString());
    FontCombo->setEnabled(false);
    FontSizeCombo->setCurrentIndex(-1);
    FontSizeCombo->setEnabled(false);
    for (QAction* button : Toolbar1Index)
        button->setEnabled(false);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
