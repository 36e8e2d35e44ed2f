#include "links/Usemap.h"

#include "core/CFile.h"
#include "core/DialogParts.h"
#include "platform/FormFit.h"
#include "core/Module1.h"
#include "links/HotspotPicture.h"
#include "links/ImageMap.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>

namespace {
constexpr int FormWidth = 8730;
constexpr int FormHeight = 5460;
constexpr int HeadingHeight = 1155;
constexpr int Page2Left = 2040;
constexpr int Page2RightMargin = 75;
constexpr int ColumnWidth = 1965;
constexpr int PictureLeft = 120;
constexpr int PictureTop = 840;
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& where) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(where);
    return label;
}

QPushButton* addButton(QWidget* parent, const QString& name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->resize(Twips::toPixels(ButtonWidth), Twips::toPixels(ButtonHeight));
    return button;
}

// The icons of the three shapes, drawn in black on white, 22 pixels square.
QPixmap shapeIcon(int shape) {
    QPixmap icon(22, 22);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    switch (shape) {
    case ImageMap::Circle:
        painter.drawEllipse(QPointF(11, 11), 7.5, 7.5);
        break;
    case ImageMap::Rectangle:
        painter.drawRect(QRectF(3.5, 5.5, 15, 11));
        break;
    default: {
        const QPointF corners[] = {{4, 17}, {6, 5}, {13, 8}, {18, 3}, {18, 17}};
        painter.drawPolygon(corners, 5);
        break;
    }
    }
    return icon;
}
} // namespace

Usemap::Usemap(QWidget* parent) : QDialog(parent) {
    setObjectName("Usemap");
    setWindowTitle("Image Map Wizard");
    setProperty("HelpContextID", 25);

    // The area list is a list box the user never sees.
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->hide();

    createColumn();
    createPage2();
    createPage1();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel1 = new QLabel(StatusBar1);
    StatusPanel1->setObjectName("StatusBar1_Panel1");
    StatusBar1->addWidget(StatusPanel1, 1);

    connectHandlers();
    Form_Load();
    fitToTexts();
}

void Usemap::fitToTexts() {
    // In a larger text the column and the first page grow to their captions, and the
    // window with them.
    const QSize column = FormFit::FitControls(Picture3);
    columnPx_ = qMax(Twips::toPixels(ColumnWidth), column.width());
    page2LeftPx_ = Twips::toPixels(Page2Left) + columnPx_ - Twips::toPixels(ColumnWidth);
    const int bandGrowth = FormFit::FitBand(Picture2[0], width());
    const QSize page = FormFit::FitControls(Picture2[0]);
    const QSize least = QSize(page.width(), qMax(page.height(), column.height()) + bandGrowth +
                                                StatusBar1->sizeHint().height());
    Picture2[1]->move(page2LeftPx_, 0);
    resize(size().expandedTo(least));
    Form_Resize();
}

void Usemap::createPage1() {
    auto* page = new QFrame(this);
    page->setObjectName("Picture2_0");
    // Page 1 covers the left column.
    page->setAutoFillBackground(true);
    page->setMouseTracking(true);
    page->installEventFilter(this);
    Picture2.prepend(page);

    const DialogParts::HeadingBand band =
        DialogParts::AddHeadingBand(page, FormWidth, QString(), QString(), HeadingHeight);
    lblHeadingBkg = band.lblHeadingBkg;
    lblHeading = band.lblHeading;
    lblHeadingText = band.lblSubHeading;
    lblHeadingText->setObjectName("lblHeadingText");

    Label13 = addLabel(page, "Label13", "Select image:", Twips::toPixels(240, 1410, 3000, 255));
    Text8 = new QLineEdit(page);
    Text8->setObjectName("Text8");
    Text8->setToolTip("This is the filename of the image to be mapped");
    Text8->setGeometry(Twips::toPixels(240, 1680, 3705, 315));
    // Only Browse names the picture: a typed name would have no picture behind it.
    Text8->setReadOnly(true);
    Label13->setBuddy(Text8);
    Command7 = DialogParts::PictureButton(page, "Command7", "browse", "Browse for image...");
    Command7->setGeometry(Twips::toPixels(4005, 1665, 420, 345));

    Label1 = addLabel(page, "Label1", "Image map name:", Twips::toPixels(240, 2190, 3000, 255));
    Text1 = new QLineEdit(page);
    Text1->setObjectName("Text1");
    Text1->setToolTip("This is the name of the image map");
    Text1->setGeometry(Twips::toPixels(240, 2460, 3705, 315));
    Label1->setBuddy(Text1);

    Label2 = addLabel(page, "Label2", "Preview", Twips::toPixels(4800, 1410, 3000, 255));
    Picture5 = new QLabel(page);
    Picture5->setObjectName("Picture5");
    Picture5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture5->setGeometry(Twips::toPixels(4800, 1680, 3570, 2580));

    Command4 = addButton(page, "Command4", "Next >>");
    Command4->move(Twips::toPixels(5790), Twips::toPixels(4560));
    cmdCancel = addButton(page, "cmdCancel", "&Cancel");
    cmdCancel->move(Twips::toPixels(7155), Twips::toPixels(4560));

    setTabOrder(Text8, Command7);
    setTabOrder(Command7, Text1);
    setTabOrder(Text1, Command4);
    setTabOrder(Command4, cmdCancel);
}

void Usemap::createPage2() {
    auto* page = new QFrame(this);
    page->setObjectName("Picture2_1");
    page->setAutoFillBackground(true);
    page->setMouseTracking(true);
    page->installEventFilter(this);
    Picture2.append(page);

    Label7 = new QLabel(page);
    Label7->setObjectName("Label7");
    Label7->setAutoFillBackground(true);
    QPalette grey = Label7->palette();
    grey.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    Label7->setPalette(grey);
    Label7->setWordWrap(true);
    Label7->setMargin(Twips::toPixels(120));
    Label7->setGeometry(Twips::toPixels(0, 0, FormWidth - Page2Left - Page2RightMargin, 720));

    // The picture at its own size; a picture larger than the screen can be scrolled to.
    Picture1Scroll = new QScrollArea(page);
    Picture1Scroll->setObjectName("Picture1Scroll");
    Picture1Scroll->setFrameShape(QFrame::NoFrame);
    Picture1Scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1Scroll->setWidgetResizable(false);
    Picture1Scroll->viewport()->setMouseTracking(true);
    Picture1Scroll->viewport()->installEventFilter(this);
    Picture1 = new HotspotPicture;
    Picture1Scroll->setWidget(Picture1);
}

void Usemap::createColumn() {
    Picture3 = new QWidget(this);
    Picture3->setObjectName("Picture3");
    Picture3->setAutoFillBackground(true);
    QPalette dark = Picture3->palette();
    dark.setColor(QPalette::Window, QColor(128, 128, 128));
    Picture3->setPalette(dark);
    Picture3->setMouseTracking(true);
    Picture3->installEventFilter(this);

    Label4 =
        addLabel(Picture3, "Label4", "Select Area shape:", Twips::toPixels(120, 240, 1725, 255));
    const QStringList captions = {"Circle", "Rectangle", "Polygon"};
    for (int i = 0; i < 3; ++i) {
        const int top = 660 + i * 570;
        auto* icon = new ClickLabel(QString(), Picture3);
        icon->setObjectName(QString("Picture4_%1").arg(i));
        icon->setPixmap(shapeIcon(i));
        icon->setAlignment(Qt::AlignCenter);
        icon->setLineWidth(1);
        icon->setGeometry(Twips::toPixels(240, top, 360, 360));
        icon->setMouseTracking(true);
        icon->installEventFilter(this);
        Picture4 << icon;

        auto* caption = new ClickLabel(captions[i], Picture3);
        caption->setObjectName(QString("Label3_%1").arg(i));
        caption->setGeometry(Twips::toPixels(720, top + 45, 1125, 270));
        caption->setMouseTracking(true);
        caption->installEventFilter(this);
        Label3 << caption;
    }

    Command5 = addButton(Picture3, "Command5", "&Undo");
    Command5->setToolTip("Click here to undo the last operation");
    Command2 = addButton(Picture3, "Command2", "&Done");
    Command1 = addButton(Picture3, "Command1", "&Cancel");
    Command8 = DialogParts::HelpButton(this, "Command8", "Click here for help");
    Command8->setParent(Picture3);
    Command8->resize(Twips::toPixels(420), Twips::toPixels(ButtonHeight));
    for (QPushButton* b : {Command5, Command2, Command1})
        b->move(Twips::toPixels(660), b->y());
    Command8->move(Twips::toPixels(120), Command8->y());
}

void Usemap::connectHandlers() {
    connect(Command7, &QToolButton::clicked, this, &Usemap::Command7_Click);
    connect(Command4, &QPushButton::clicked, this, &Usemap::Command4_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &Usemap::cmdCancel_Click);
    connect(Command1, &QPushButton::clicked, this, &Usemap::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Usemap::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &Usemap::Command5_Click);
    for (int i = 0; i < 3; ++i) {
        connect(Picture4[i], &ClickLabel::clicked, this, [this, i] { Picture4_Click(i); });
        connect(Label3[i], &ClickLabel::clicked, this, [this, i] { Label3_Click(i); });
    }
    connect(Picture1, &HotspotPicture::MouseDown, this, &Usemap::Picture1_MouseDown);
    connect(Picture1, &HotspotPicture::MouseMove, this, &Usemap::Picture1_MouseMove);
}

void Usemap::Form_Load() {
    skipErrors([&] {
        resize(Twips::toPixels(FormWidth), Twips::toPixels(FormHeight));
        Form_Resize();
    });
    skipErrors([&] {
        Picture2[0]->setFrameShape(QFrame::NoFrame);
        Picture2[0]->move(0, 0);
        Picture2[0]->raise();
        Picture2[1]->setFrameShape(QFrame::Box);
        Picture2[1]->setLineWidth(1);
        Picture2[1]->move(page2LeftPx_, 0);
        Picture2[1]->hide();
        Picture5->setFrameShape(QFrame::NoFrame);
    });
    for (ClickLabel* icon : Picture4) {
        icon->setProperty("Tag", "False");
        icon->setFrameShape(QFrame::NoFrame);
    }
    skipErrors([&] { Picture3_Resize(); });
    Label7->setText(ImageMap::ChooseShapeText);
    skipErrors([&] { Label7->resize(Picture2[1]->width(), Label7->height()); });
    StatusPanel1->clear();
    skipErrors([&] {
        DialogParts::SizeHeadingBand({lblHeadingBkg, lblHeading, lblHeadingText}, FormWidth);
    });
    lblHeading->setText("Create an Image Map: Select image and map name");
    lblHeadingText->setText(
        "An image map allows you to define different regions on a single image.  The regions "
        "can be linked to different Web pages.  To begin, select an image and type a name for "
        "your image map below.");
    Module1::ClickState = 1;
    Module1::VertexIndex = 0;
    Module1::PendingSnippet.clear();
    Module1::PendingBodyStart.clear();
    Text8->setFocus();
}

void Usemap::Command7_Click() {
    skipErrors([&] {
        CFile file;
        file.setOwner(this);
        file.BrowseForFile(CFile::Graphics);
        if (file.Filename().isEmpty())
            return;
        // A file that is no picture counts as no choice: the name and the picture shown
        // must stay a pair, or Done would give one file's name with another's size.
        const QImage picture = HotspotPicture::ReadPicture(file.PathAndFilename());
        if (picture.isNull()) {
            MsgBox(file.Filename() + " could not be opened as a picture.", vb::vbOKOnly, QString(),
                   this);
            return;
        }
        ImageFile = file.PathAndFilename();
        Text8->setText(file.Filename());
        Picture1->setPicture(picture);
        showPreview(picture);
    });
    Text1->setFocus();
}

void Usemap::showPreview(const QImage& picture) {
    const QSize box = Picture5->size();
    QImage preview = picture;
    if (preview.width() > box.width() || preview.height() > box.height())
        preview = preview.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Picture5->setPixmap(QPixmap::fromImage(preview));
}

void Usemap::Command4_Click() {
    if (Text8->text().isEmpty()) {
        skipErrors([&] { MsgBox("Enter an image filename.", vb::vbOKOnly, QString(), this); });
        Text8->setFocus();
        return;
    }
    if (Text1->text().isEmpty()) {
        skipErrors(
            [&] { MsgBox("Enter a name for your image map.", vb::vbOKOnly, QString(), this); });
        Text1->setFocus();
        return;
    }
    Picture2[0]->hide();
    Picture2[1]->show();
    skipErrors([&] {
        // The screen less what the window's frame takes, so the whole window fits.
        const QSize frame = frameGeometry().size() - size();
        const QRect available = screen()->availableGeometry();
        const QSize screenTwips = (available.size() - frame) * Twips::PerPixel;
        const QRect place = ImageMap::WindowForPicture(
            size() * Twips::PerPixel, Picture1->pictureSize() * Twips::PerPixel, screenTwips);
        resize(Twips::toPixels(place.size()));
        move(available.topLeft() +
             QPoint(Twips::toPixels(place.left()), Twips::toPixels(place.top())));
    });
    Label3_Click(ImageMap::Rectangle);
}

void Usemap::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    skipErrors([&] { Form_Resize(); });
}

void Usemap::Form_Resize() {
    const int statusHeight = StatusBar1->sizeHint().height();
    StatusBar1->setGeometry(0, height() - statusHeight, width(), statusHeight);
    const int clientHeight = height() - statusHeight;
    const int windowTwips = width() * Twips::PerPixel;
    for (QFrame* page : Picture2)
        page->resize(width(), clientHeight);
    Picture2[1]->resize(width() - page2LeftPx_ - Twips::toPixels(Page2RightMargin), clientHeight);
    Label7->resize(Picture2[1]->width(), Label7->height());
    DialogParts::SizeHeadingBand({lblHeadingBkg, lblHeading, lblHeadingText}, windowTwips);
    const int border = Picture2[1]->frameWidth();
    Picture1Scroll->setGeometry(
        Twips::toPixels(PictureLeft), Twips::toPixels(PictureTop),
        qMax(0, Picture2[1]->width() - Twips::toPixels(PictureLeft) - border),
        qMax(0, clientHeight - Twips::toPixels(PictureTop) - border));
    Picture3->setGeometry(0, 0, columnPx_, clientHeight);
    Picture3_Resize();
}

void Usemap::Picture3_Resize() {
    const int column = Picture3->height() * Twips::PerPixel;
    auto heightOf = [](QWidget* w) { return w->height() * Twips::PerPixel; };
    const int cancelTop = column - heightOf(Command1) - 150;
    Command1->move(Command1->x(), Twips::toPixels(cancelTop));
    Command8->move(Command8->x(), Twips::toPixels(column - heightOf(Command8) - 150));
    const int doneTop = cancelTop - heightOf(Command2) - 100;
    Command2->move(Command2->x(), Twips::toPixels(doneTop));
    Command5->move(Command5->x(), Twips::toPixels(doneTop - heightOf(Command5) - 200));
}

void Usemap::Command2_Click() {
    ImageMap::MapChoices choices;
    choices.name = Text1->text();
    choices.imageFile = ImageFile;
    choices.size = Picture1->pictureSize();
    for (int i = 0; i < List1->count(); ++i)
        choices.areaLines << List1->item(i)->text();
    Module1::PendingSnippet = ImageMap::BuildImageMap(choices);
    accept();
}

void Usemap::cmdCancel_Click() {
    reject();
}

void Usemap::Command1_Click() {
    reject();
}
