#include "effects/Pulldown.h"

#include "core/Module1.h"
#include "effects/PulldownURL.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int FormWidth = 7200;
constexpr int FormHeight = 6300;
constexpr int BandHeight = 855;
constexpr int HelpTopic = 53;

QPushButton* button(const QString& text, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QListWidget* list(const QString& name, QWidget* parent) {
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    return l;
}

// Sets a list's rows to texts, touching only the rows that differ, so the list keeps
// its place.
void setTexts(QListWidget* l, const QStringList& texts) {
    while (l->count() > texts.size())
        delete l->takeItem(l->count() - 1);
    for (int i = 0; i < texts.size(); ++i) {
        if (i < l->count()) {
            if (l->item(i)->text() != texts[i])
                l->item(i)->setText(texts[i]);
        } else {
            l->addItem(texts[i]);
        }
    }
}

void select(QListWidget* l, int row) {
    if (row >= 0 && row < l->count()) {
        l->setCurrentRow(row);
    } else {
        l->setCurrentRow(-1);
        l->clearSelection();
    }
}
} // namespace

Pulldown::Pulldown(QWidget* parent) : EffectDialog(parent) {
    setObjectName("Pulldown");
    setWindowTitle("Dropdown Menu");
    setProperty("HelpContextID", HelpTopic);
    DialogParts::SetFormSize(this, FormWidth, FormHeight);

    List1 = list("List1", this);
    List2 = list("List2", this);
    auto* label1 = new QLabel("Menu items:", this);
    label1->setObjectName("Label1");
    auto* label2 = new QLabel("Link to this URL:", this);
    label2->setObjectName("Label2");

    Command1 = button("&Add Menu item...", "Command1", this);
    cmdEdit = button("&Edit Menu item...", "cmdEdit", this);
    Command2 = button("&Remove Menu item", "Command2", this);
    Command3 = button("Add &separator", "Command3", this);
    cmdMoveUp = DialogParts::PictureButton(this, "cmdMoveUp", "up", "Move Up", "^");
    cmdMoveDown = DialogParts::PictureButton(this, "cmdMoveDown", "down", "Move Down", "v");

    auto* frame = new QGroupBox("Properties", this);
    frame->setObjectName("Frame1");
    Option1[0] = new QRadioButton("Display as a dropdown menu", frame);
    Option1[0]->setObjectName("Option1_0");
    Option1[1] = new QRadioButton("Display all menu items", frame);
    Option1[1]->setObjectName("Option1_1");
    auto* options = new QVBoxLayout(frame);
    options->addWidget(Option1[0]);
    options->addWidget(Option1[1]);
    auto* label3 = new QLabel("Target frame (optional, only if using Frames):", this);
    label3->setObjectName("Label3");
    label3->setWordWrap(true);
    cboTarget = new QComboBox(this);
    cboTarget->setObjectName("cboTarget");
    cboTarget->setEditable(true);
    cboTarget->setInsertPolicy(QComboBox::NoInsert);
    auto* target = new QVBoxLayout;
    target->addStretch();
    target->addWidget(label3);
    target->addWidget(cboTarget);
    auto* properties = new QHBoxLayout;
    properties->addWidget(frame);
    properties->addLayout(target, 1);

    cmdDone = button("&Done", "cmdDone", this);
    Command5 = button("&Cancel", "Command5", this);
    Command6 = DialogParts::HelpButton(this, "Command6", "Click here for help");

    auto* lists = new QGridLayout;
    lists->addWidget(label1, 0, 0);
    lists->addWidget(label2, 0, 1);
    lists->addWidget(List1, 1, 0);
    lists->addWidget(List2, 1, 1);
    auto* side = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(Command1), static_cast<QWidget*>(cmdEdit),
                       static_cast<QWidget*>(Command2), static_cast<QWidget*>(Command3)})
        side->addWidget(w);
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(cmdMoveUp);
    arrows->addWidget(cmdMoveDown);
    arrows->addStretch();
    side->addLayout(arrows);
    side->addStretch();
    lists->addLayout(side, 1, 2);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command6);
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    buttons->addWidget(Command5);
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(9, Twips::toPixels(BandHeight) + 6, 9, 9);
    main->addLayout(lists, 1);
    main->addLayout(properties);
    main->addLayout(buttons);

    band_ = DialogParts::AddHeadingBand(this, FormWidth, QString(), QString(), BandHeight);
    disableButtons();

    // A row chosen in one list is chosen in the other.
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) { select(List2, row); });
    connect(List2, &QListWidget::currentRowChanged, this, [this](int row) { select(List1, row); });
    List1->viewport()->installEventFilter(this);
    List2->viewport()->installEventFilter(this);

    connect(Command1, &QPushButton::clicked, this, &Pulldown::Command1_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &Pulldown::cmdEdit_Click);
    connect(Command2, &QPushButton::clicked, this, &Pulldown::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Pulldown::Command3_Click);
    connect(cmdMoveUp, &QToolButton::clicked, this, &Pulldown::cmdMoveUp_Click);
    connect(cmdMoveDown, &QToolButton::clicked, this, &Pulldown::cmdMoveDown_Click);
    connect(cmdDone, &QPushButton::clicked, this, &Pulldown::cmdDone_Click);
    connect(Command5, &QPushButton::clicked, this, &Pulldown::Command5_Click);
}

void Pulldown::Form_Load() {
    band_.lblHeading->setText("Dropdown Menu");
    band_.lblSubHeading->setText(
        "Create dropdown menus with menu items that link to other Web pages.  Get started by "
        "clicking the 'Add Menu Item' button below.");
    DialogParts::SizeHeadingBand(band_, FormWidth);
    cboTarget->clear();
    cboTarget->addItems({"blank - Open in new window", "parent", "self", "top"});
    cboTarget->setEditText("self");
    Option1[0]->setChecked(true);
    Module1::PendingBodyStart.clear();
    Module1::PendingSnippet.clear();
}

void Pulldown::enableButtons() {
    for (QWidget* w : {static_cast<QWidget*>(cmdEdit), static_cast<QWidget*>(cmdMoveUp),
                       static_cast<QWidget*>(cmdMoveDown), static_cast<QWidget*>(Command2)})
        w->setEnabled(true);
}

void Pulldown::disableButtons() {
    for (QWidget* w : {static_cast<QWidget*>(cmdEdit), static_cast<QWidget*>(cmdMoveUp),
                       static_cast<QWidget*>(cmdMoveDown), static_cast<QWidget*>(Command2)})
        w->setEnabled(false);
}

JumpMenu::Rows Pulldown::rows() const {
    JumpMenu::Rows rows;
    for (int i = 0; i < List1->count(); ++i) {
        rows.texts.append(List1->item(i)->text());
        QListWidgetItem* url = List2->item(i);
        rows.urls.append(url ? url->text() : QString());
    }
    return rows;
}

int Pulldown::selectedRow() const {
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    return selected.isEmpty() ? -1 : List1->row(selected.first());
}

void Pulldown::showRows(const JumpMenu::Rows& rows, int selected) {
    setTexts(List1, rows.texts);
    setTexts(List2, rows.urls);
    select(List1, selected);
    select(List2, selected);
}

void Pulldown::showItemDialog(bool editMode) {
    PulldownURL dialog(this, editMode);
    dialog.exec();
}

void Pulldown::Command1_Click() {
    showItemDialog(false);
}

void Pulldown::cmdEdit_Click() {
    const QString refusal = JumpMenu::EditRefusal(rows(), selectedRow());
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vb::vbOKOnly, QString(), this);
        return;
    }
    showItemDialog(true);
}

void Pulldown::Command2_Click() {
    JumpMenu::Rows menu = rows();
    const int k = selectedRow();
    const QString refusal = JumpMenu::RemoveRefusal(menu, k);
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vb::vbOKOnly, QString(), this);
        return;
    }
    // The row that moves up into place k is selected; after the last row, none.
    showRows(menu, JumpMenu::Remove(menu, k));
    if (menu.count() == 0)
        disableButtons();
}

void Pulldown::Command3_Click() {
    JumpMenu::Rows menu = rows();
    JumpMenu::AppendSeparator(menu);
    showRows(menu, selectedRow());
    enableButtons();
}

void Pulldown::move(bool up) {
    JumpMenu::Rows menu = rows();
    const int k = selectedRow();
    const QString refusal =
        up ? JumpMenu::MoveUpRefusal(menu, k) : JumpMenu::MoveDownRefusal(menu, k);
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vb::vbOKOnly, QString(), this);
        return;
    }
    if (up)
        JumpMenu::MoveUp(menu, k);
    else
        JumpMenu::MoveDown(menu, k);
    // The moved row stays selected, so it can be moved on.
    showRows(menu, up ? k - 1 : k + 1);
}

void Pulldown::cmdMoveUp_Click() {
    move(true);
}

void Pulldown::cmdMoveDown_Click() {
    move(false);
}

void Pulldown::cmdDone_Click() {
    const JumpMenu::Rows menu = rows();
    const QString refusal = JumpMenu::DoneRefusal(menu);
    if (!refusal.isEmpty()) {
        MsgBox(refusal, vb::vbOKOnly, QString(), this);
        return;
    }
    const QString target = JumpMenu::TargetFrame(cboTarget->currentText());
    handOver(Code, JumpMenu::BuildForm(menu, Option1[1]->isChecked()),
             JumpMenu::BuildScript(target));
}

void Pulldown::Command5_Click() {
    reject();
}

bool Pulldown::eventFilter(QObject* watched, QEvent* event) {
    // A double-click on either list edits, also on an empty list (which says so).
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == List1->viewport() || watched == List2->viewport())) {
        // The click before it has chosen the row; edit once the double-click is over.
        QMetaObject::invokeMethod(this, &Pulldown::cmdEdit_Click, Qt::QueuedConnection);
        return true;
    }
    return EffectDialog::eventFilter(watched, event);
}
