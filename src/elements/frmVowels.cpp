#include "elements/frmVowels.h"

#include "core/Module1.h"
#include "elements/CharacterGrids.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace {
constexpr int FormWidth = 7065;
constexpr int FormHeight = 3570;
// The highlight's size in pixels.
constexpr int ShapeWidth = 36;
constexpr int ShapeHeight = 24;
} // namespace

frmVowels::frmVowels(QWidget* owner) : QDialog(owner) {
    setObjectName("frmVowels");
    setWindowTitle("Special Characters");
    setModal(false);
    setMouseTracking(true);
    installEventFilter(this);

    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName("TabStrip1");
    TabStrip1->addTab(" Vowels ");
    TabStrip1->addTab(" Various ");
    TabStrip1->addTab(" Math ");
    TabStrip1->setMouseTracking(true);
    TabStrip1->installEventFilter(this);

    pages_ = new QStackedWidget(this);
    pages_->setObjectName("TabStrip1Client");
    pages_->setFrameShape(QFrame::StyledPanel);
    for (int i = 0; i < 3; ++i) {
        auto* page = new QWidget(pages_);
        page->setObjectName(QString("Picture4_%1").arg(i));
        page->setMouseTracking(true);
        page->installEventFilter(this);

        auto* picture = new QLabel(page);
        picture->setObjectName(QString("Picture%1").arg(i + 1));
        picture->setPixmap(QPixmap::fromImage(CharacterGrids::DrawGrid(i)));
        picture->setFixedSize(CharacterGrids::PictureSize(i));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->move(6, 6);
        picture->setCursor(Qt::PointingHandCursor);
        picture->installEventFilter(this);

        auto* shape = new QFrame(picture);
        shape->setObjectName(QString("ShapeSquare_%1").arg(i));
        shape->setFrameShape(QFrame::Box);
        shape->setLineWidth(2);
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
        shape->setStyleSheet("QFrame { color: #2050c0; background: transparent; }");
        shape->resize(ShapeWidth, ShapeHeight);
        shape->setVisible(i == 0);
        shape->move(-ShapeWidth, -ShapeHeight); // off the grid until the first click

        pages_->addWidget(page);
        Picture4 << page;
        Pictures << picture;
        ShapeSquare << shape;
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(0);
    layout->addWidget(TabStrip1);
    layout->addWidget(pages_, 1);

    connect(TabStrip1, &QTabBar::currentChanged, this, &frmVowels::TabStrip1_Click);

    // Form_Load
    skipErrors([&] { setFixedSize(Twips::toPixels(FormWidth), Twips::toPixels(FormHeight)); });
    skipErrors([&] { pages_->setCurrentIndex(0); });
}

void frmVowels::TabStrip1_Click(int index) {
    skipErrors([&] { pages_->setCurrentIndex(index); });
}

void frmVowels::InsertCharacter(const QString& text) {
    if (text.isEmpty())
        return;
    bool pasted = false;
    skipErrors([&] {
        Module1::PasteAtSelection(text);
        pasted = true;
    });
    // The confirmation tells only of a paste that happened.
    if (pasted)
        skipErrors([&] { MsgBox("The special character was inserted successfully."); });
}

void frmVowels::Picture_MouseUp(int page, int x, int y) {
    const QString text = CharacterGrids::CellText(page, x, y);
    if (page == CharacterGrids::Vowels)
        ShapeSquare[0]->move(x - ShapeSquare[0]->width() / 2, y - ShapeSquare[0]->height() / 2);
    InsertCharacter(text);
}

bool frmVowels::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const int page = Pictures.indexOf(qobject_cast<QLabel*>(watched));
        if (page >= 0) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            Picture_MouseUp(page, at.x(), at.y());
            return true;
        }
    } else if (event->type() == QEvent::MouseMove) {
        // Over the window, a page or the tab strip the pointer is the usual arrow again.
        if (watched == this || watched == TabStrip1 ||
            Picture4.contains(qobject_cast<QWidget*>(watched)))
            while (QApplication::overrideCursor())
                QApplication::restoreOverrideCursor();
    }
    return QDialog::eventFilter(watched, event);
}
