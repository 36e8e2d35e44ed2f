#include "links/LinkGraph.h"

#include "core/CFile.h"
#include "core/DialogParts.h"
#include "core/Module1.h"
#include "links/ImageMarkup.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

// ---- the image browser's lists ------------------------------------------------------------

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (item)
            setPath(item->data(Qt::UserRole).toString());
    });
}

bool FolderList::setPath(const QString& path) {
    const QFileInfo info(QDir::fromNativeSeparators(path));
    if (path.isEmpty() || !info.isDir() || !info.isReadable())
        return false;
    const QString folder = QDir::cleanPath(info.absoluteFilePath());
    QStringList chain;
    for (QDir d(folder);;) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    const QStringList subfolders =
        QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);

    clear();
    int depth = 0;
    for (const QString& f : chain) {
        const QString name = depth == 0 ? QDir::toNativeSeparators(f) : QFileInfo(f).fileName();
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, this);
        item->setData(Qt::UserRole, f);
        ++depth;
    }
    setCurrentRow(count() - 1);
    for (const QString& s : subfolders) {
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + s, this);
        item->setData(Qt::UserRole, QDir(folder).filePath(s));
    }
    const bool moved = folder != path_;
    path_ = folder;
    if (moved)
        emit changed();
    return true;
}

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    // Thousands of names list at once; only a clicked one is ever opened.
    setUniformItemSizes(true);
}

QStringList FileList::FilesMatching(const QString& folder, const QString& pattern) {
    QStringList filters;
    for (const QString& p : pattern.split(';'))
        if (!p.trimmed().isEmpty())
            filters << p.trimmed();
    if (filters.isEmpty())
        return {};
    // Without QDir::CaseSensitive the patterns match in any letter case.
    return QDir(folder).entryList(filters, QDir::Files | QDir::Hidden | QDir::System,
                                  QDir::Name | QDir::IgnoreCase);
}

void FileList::setPath(const QString& path) {
    path_ = QDir::cleanPath(QDir::fromNativeSeparators(path));
    refresh();
}

void FileList::setPattern(const QString& pattern) {
    pattern_ = pattern;
    refresh();
}

void FileList::refresh() {
    const QSignalBlocker quiet(this);
    clear();
    if (!path_.isEmpty())
        addItems(FilesMatching(path_, pattern_));
}

// ---- the dialog ----------------------------------------------------------------------------

namespace {
constexpr int FormWidth = 8000;
constexpr int FormHeight = 4215;
constexpr int BrowserHeight = 7230;
const QSize PreviewBox(190, 150);

const QString LinkFilter = QStringLiteral(
    "All Files (*.*)|*.*|HTML Files (*.htm, *.html)|*.htm;*.html|ASP Files (*.asp)|*.asp|"
    "Graphics Files (*.jpeg, *.jpg, *.gif, *.png)|*.jpeg;*.jpg;*.gif;*.png|GIF Files "
    "(*.gif)|*.gif|JPEG Files (*.jpeg, *.jpg)|*.jpeg;*.jpg|AU Files (*.au)|*.au|WAV Files "
    "(*.wav)|*.wav");

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}
} // namespace

LinkGraph::LinkGraph(QWidget* parent) : QDialog(parent) {
    setObjectName("LinkGraph");
    setWindowTitle("Insert Image");
    setProperty("HelpContextID", 2);

    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName("TabStrip1");
    TabStrip1->addTab(" Select Image ");
    TabStrip1->addTab(" Link to URL ");
    TabStrip1->addTab(" Layout ");
    pages_ = new QStackedWidget(this);
    pages_->setObjectName("TabStrip1Client");
    pages_->setFrameShape(QFrame::StyledPanel);
    pages_->addWidget(selectImagePage());
    pages_->addWidget(linkPage());
    pages_->addWidget(layoutPage());

    const DialogParts::FootButtons foot =
        DialogParts::AddFootButtons(this, "LgraphOK", "CANCELBUT");
    LgraphOK = foot.ok;
    CANCELBUT = foot.cancel;
    Command8 = foot.help;
    QHBoxLayout* buttons = foot.row;

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->setSpacing(0);
    main->addWidget(TabStrip1);
    main->addWidget(pages_, 1);
    main->addSpacing(6);
    main->addLayout(buttons);

    connect(TabStrip1, &QTabBar::currentChanged, this, &LinkGraph::TabStrip1_Click);
    connect(Combo1, &QComboBox::activated, this, &LinkGraph::Combo1_Click);
    connect(Command2, &QPushButton::clicked, this, &LinkGraph::Command2_Click);
    connect(cmdImageBrowser, &QPushButton::clicked, this, &LinkGraph::cmdImageBrowser_Click);
    connect(Drive1, &QComboBox::activated, this, &LinkGraph::Drive1_Change);
    connect(Dir1, &FolderList::changed, this, &LinkGraph::Dir1_Change);
    connect(File1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            File1_Click();
    });
    connect(Command1, &QToolButton::clicked, this, &LinkGraph::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &LinkGraph::Command5_Click);
    connect(LgraphOK, &QPushButton::clicked, this, &LinkGraph::LgraphOK_Click);
    connect(CANCELBUT, &QPushButton::clicked, this, &LinkGraph::CANCELBUT_Click);
    // What the user types is theirs: a failed picture does not empty it.
    connect(Text1, &QLineEdit::textEdited, this, [this] { widthFromPicture_ = false; });
    connect(Text2, &QLineEdit::textEdited, this, [this] { heightFromPicture_ = false; });

    // Form_Load
    DialogParts::SetFormSize(this, FormWidth, FormHeight);
    pages_->setCurrentIndex(0);
    AlignPart.clear();
    Module1::LastImageFile.clear();
    // The browser starts in the program's "images" folder; without one the lists stay
    // on the current folder.
    skipErrors([&] {
        const QSignalBlocker quiet(Dir1);
        File1->setPattern("*.jpg;*.gif ");
        Dir1->setPath(QDir::currentPath());
        File1->setPath(Dir1->Path());
    });
    skipErrors([&] { Dir1->setPath(programFolder() + "/images"); });
    Label15->setVisible(false);
    Label16->setVisible(false);
    Combo1->addItems({"None", "Top", "Middle", "Bottom(Default)", "Left", "Right", "Texttop",
                      "Absmiddle", "Baseline", "Absbottom"});
    Combo1->setCurrentIndex(-1);
    XimageLink->addItem("http://");
    XimageLink->setCurrentIndex(-1);
    XimageLink->setEditText(QString());
    GraphText->setFocus();
}

QWidget* LinkGraph::selectImagePage() {
    auto* page = new QWidget;
    page->setObjectName("Picture1_0");
    GraphText = new QLineEdit(page);
    GraphText->setObjectName("GraphText");
    Command2 = new QPushButton("Browse for image...", page);
    Command2->setObjectName("Command2");
    Command2->setAutoDefault(false);
    cmdImageBrowser = new QPushButton("&Use Image Browser >>", page);
    cmdImageBrowser->setObjectName("cmdImageBrowser");
    cmdImageBrowser->setAutoDefault(false);
    Label15 = DialogParts::Label(page, "Image width (pixels):", "Label15");
    Label16 = DialogParts::Label(page, "Image height (pixels):", "Label16");

    browser_ = new QWidget(page);
    browser_->setObjectName("ImageBrowser");
    Label13 = DialogParts::Label(browser_, "Select the image from the file list below:", "Label13");
    Drive1 = new QComboBox(browser_);
    Drive1->setObjectName("Drive1");
    Drive1->addItem(QDir::toNativeSeparators(QDir::rootPath()));
    Dir1 = new FolderList(browser_);
    Dir1->setObjectName("Dir1");
    File1 = new FileList(browser_);
    File1->setObjectName("File1");
    Picture2 = new QLabel(browser_);
    Picture2->setObjectName("Picture2");
    Picture2->setFixedSize(PreviewBox);
    Picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* browserGrid = new QGridLayout(browser_);
    browserGrid->setContentsMargins(0, 0, 0, 0);
    browserGrid->addWidget(Label13, 0, 0, 1, 3);
    browserGrid->addWidget(Drive1, 1, 0);
    browserGrid->addWidget(Dir1, 2, 0);
    browserGrid->addWidget(File1, 1, 1, 2, 1);
    browserGrid->addWidget(Picture2, 1, 2, 2, 1, Qt::AlignTop);
    browserGrid->setRowStretch(2, 1);
    browser_->setVisible(false);

    auto* layout = new QGridLayout(page);
    layout->addWidget(DialogParts::Label(page, "Enter filename of Image:", "Label12"), 0, 0, 1, 2);
    layout->addWidget(GraphText, 1, 0);
    layout->addWidget(Command2, 1, 1);
    auto* sizes = new QVBoxLayout;
    sizes->addWidget(Label15);
    sizes->addWidget(Label16);
    layout->addLayout(sizes, 2, 0);
    layout->addWidget(cmdImageBrowser, 2, 1, Qt::AlignTop);
    layout->addWidget(browser_, 3, 0, 1, 2);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(0, 1);
    return page;
}

QWidget* LinkGraph::linkPage() {
    auto* page = new QWidget;
    page->setObjectName("Picture1_1");
    auto* frame = new QGroupBox("Link", page);
    frame->setObjectName("Frame2");
    XimageLink = new QComboBox(frame);
    XimageLink->setObjectName("XimageLink");
    XimageLink->setEditable(true);
    XimageLink->setInsertPolicy(QComboBox::NoInsert);
    Command1 = DialogParts::PictureButton(frame, "Command1", "favorites",
                                          "Browse Internet Explorer Favorites...");
    Command5 = new QPushButton("Browse for file...", frame);
    Command5->setObjectName("Command5");
    Command5->setAutoDefault(false);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(
        DialogParts::Label(
            frame, "Type the URL of the Web page, image or file you wish to link to:", "Label1"),
        0, 0, 1, 3);
    grid->addWidget(XimageLink, 1, 0);
    grid->addWidget(Command1, 1, 1);
    grid->addWidget(Command5, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(2, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    return page;
}

QWidget* LinkGraph::layoutPage() {
    auto* page = new QWidget;
    page->setObjectName("Picture1_2");
    auto* frame = new QGroupBox("Layout", page);
    frame->setObjectName("Frame3");
    Combo1 = new QComboBox(frame);
    Combo1->setObjectName("Combo1");
    Combo1->setToolTip("This is the alignment of the image with surrounding text");
    Text1 = DialogParts::TextBox(frame, "Text1", "Width of the image in pixels");
    Text2 = DialogParts::TextBox(frame, "Text2", "Height of the image in pixels");
    Text3 = DialogParts::TextBox(frame, "Text3", "Width of border around image (in pixels)");
    Text3->setText("0");
    Text4 = DialogParts::TextBox(frame, "Text4",
                                 "Amount of clear space above and below the image (in pixels)");
    Text5 = DialogParts::TextBox(
        frame, "Text5", "Amount of clear space to the left and right of the image (in pixels)");
    UpDown3 = DialogParts::UpDown(frame, "UpDown3", Text3, 0, 20);
    UpDown2 = DialogParts::UpDown(frame, "UpDown2", Text4, 0, 100);
    UpDown1 = DialogParts::UpDown(frame, "UpDown1", Text5, 0, 100);

    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    grid->addWidget(DialogParts::Label(frame, "Alignment:", "Label2"), 0, 0);
    grid->addWidget(Combo1, 0, 1, 1, 2);
    grid->addWidget(DialogParts::Label(frame, "Image Width:", "Label3"), 1, 0);
    grid->addWidget(Text1, 1, 1);
    grid->addWidget(DialogParts::Label(frame, "Image Height:", "Label4"), 2, 0);
    grid->addWidget(Text2, 2, 1);
    grid->addWidget(DialogParts::Label(frame, "Border Width:", "Label5"), 0, 3);
    grid->addWidget(Text3, 0, 4);
    grid->addWidget(UpDown3, 0, 5);
    grid->addWidget(DialogParts::Label(frame, "Vertical Space:", "Label6"), 1, 3);
    grid->addWidget(Text4, 1, 4);
    grid->addWidget(UpDown2, 1, 5);
    grid->addWidget(DialogParts::Label(frame, "Horizontal Space:", "Label7"), 2, 3);
    grid->addWidget(Text5, 2, 4);
    grid->addWidget(UpDown1, 2, 5);
    grid->setRowStretch(3, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    return page;
}

void LinkGraph::TabStrip1_Click(int index) {
    skipErrors([&] { pages_->setCurrentIndex(index); });
    skipErrors([&] {
        switch (index) {
        case 0:
            GraphText->setFocus();
            break;
        case 1:
            XimageLink->setFocus();
            break;
        case 2:
            Text2->setFocus();
            break;
        default:
            break;
        }
    });
}

void LinkGraph::Combo1_Click() {
    AlignPart = ImageMarkup::AlignPartFor(Combo1->currentText());
}

void LinkGraph::showPicture(const QString& path) {
    const LoadedPicture picture = LoadPicture(path, PreviewBox);
    if (!picture.ok) {
        Picture2->clear();
        Label15->setVisible(false);
        Label16->setVisible(false);
        if (widthFromPicture_)
            Text1->clear();
        if (heightFromPicture_)
            Text2->clear();
        widthFromPicture_ = heightFromPicture_ = false;
        return;
    }
    Picture2->setPixmap(picture.preview);
    const QString width = QString::number(picture.size.width());
    const QString height = QString::number(picture.size.height());
    Label15->setVisible(true);
    Label16->setVisible(true);
    Label15->setText("Image width (pixels): " + QString(" ") + width);
    Label16->setText("Image height (pixels): " + QString(" ") + height);
    Text1->setText(width);
    Text2->setText(height);
    widthFromPicture_ = heightFromPicture_ = true;
}

void LinkGraph::Command2_Click() {
    skipErrors([&] {
        CFile file;
        file.setOwner(this);
        if (file.BrowseForFile(CFile::Graphics).isEmpty())
            return;
        const QString chosen = file.PathAndFilename();
        if (chosen.isEmpty())
            return;
        GraphText->setText(chosen);
        showPicture(chosen);
    });
    GraphText->setFocus();
}

void LinkGraph::cmdImageBrowser_Click() {
    browser_->setVisible(true);
    cmdImageBrowser->setVisible(false);
    skipErrors([&] { DialogParts::SetFormSize(this, FormWidth, BrowserHeight); });
    skipErrors([&] {
        if (QScreen* s = screen())
            move(x(),
                 s->geometry().top() + (s->geometry().height() - frameGeometry().height()) / 2);
    });
}

void LinkGraph::Drive1_Change() {
    // One drive only here: the folder list stays where it is.
}

void LinkGraph::Dir1_Change() {
    skipErrors([&] {
        File1->setPattern("*.gif;*.jpg");
        File1->setPath(Dir1->Path());
    });
}

void LinkGraph::File1_Click() {
    QListWidgetItem* item = File1->currentItem();
    if (!item)
        return;
    QString folder = File1->Path();
    if (!folder.endsWith('/') && !folder.endsWith('\\'))
        folder += '/';
    const QString full = QDir::toNativeSeparators(folder + item->text());
    const QString ending = full.right(3).toLower();
    if (ending != "gif" && ending != "jpg")
        return;
    skipErrors([&] { showPicture(full); });
    GraphText->setText(full);
    Module1::LastImageFile = full;
}

void LinkGraph::Command1_Click() {
    QString url;
    skipErrors([&] { url = Module1::GetFavoritesURL(); });
    // A cancelled pick keeps what the box holds.
    if (!url.isEmpty())
        XimageLink->setEditText(url);
    XimageLink->setFocus();
}

void LinkGraph::Command5_Click() {
    skipErrors([&] {
        CFile file;
        file.setOwner(this);
        file.setFilter(LinkFilter);
        file.BrowseForFile(CFile::Custom);
        if (!file.PathAndFilename().isEmpty())
            XimageLink->setEditText(file.PathAndFilename());
    });
    XimageLink->setFocus();
}

void LinkGraph::LgraphOK_Click() {
    if (GraphText->text().isEmpty()) {
        MsgBox("Please enter image filename in the box below.", vb::vbOKOnly, QString(), this);
        GraphText->setFocus();
        return;
    }
    ImageMarkup::ImageChoices c;
    c.file = GraphText->text();
    c.link = XimageLink->currentText();
    c.alignPart = AlignPart;
    c.width = Text1->text();
    c.height = Text2->text();
    c.border = Text3->text();
    c.vspace = Text4->text();
    c.hspace = Text5->text();
    const QString html = ImageMarkup::BuildImage(c);
    skipErrors([&] { Module1::PasteAtSelection(html); });
    accept();
}

void LinkGraph::CANCELBUT_Click() {
    reject();
}
