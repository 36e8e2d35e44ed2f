// The second page of the image-map wizard: choosing a shape, the clicks on the picture
// that draw it, the coordinates in the status bar, the icons' hover borders and Undo.
#include "core/DialogParts.h"
#include "core/Module1.h"
#include "links/HotspotPicture.h"
#include "links/ImageMap.h"
#include "links/Usemap.h"
#include "links/UsemapURL.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollArea>

namespace {
void setCaptionColor(QLabel* caption, const QColor& color) {
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, color);
    caption->setPalette(palette);
}

void setBorder(QFrame* icon, bool single) {
    icon->setFrameShape(single ? QFrame::Box : QFrame::NoFrame);
}
} // namespace

int Usemap::chosenShape() const {
    for (int i = 0; i < Picture4.size(); ++i)
        if (Picture4[i]->property("Tag").toString() == "True")
            return i;
    return -1;
}

void Usemap::Label3_Click(int index) {
    if (Module1::ClickState != 1) {
        // The shape in progress stays chosen; its next clicks continue it.
        skipErrors(
            [&] { MsgBox(ImageMap::ShapeInProgressMessage, vb::vbOKOnly, QString(), this); });
        return;
    }
    const QColor buttonText = QApplication::palette().color(QPalette::ButtonText);
    for (int i = 0; i < Picture4.size(); ++i) {
        setBorder(Picture4[i], false);
        Picture4[i]->setProperty("Tag", "False");
        setCaptionColor(Label3[i], buttonText);
    }
    Picture4[index]->setProperty("Tag", "True");
    setBorder(Picture4[index], true);
    setCaptionColor(Label3[index], QColor(255, 255, 0));
    SelectFieldType(index);
}

void Usemap::Picture4_Click(int index) {
    Label3_Click(index);
}

void Usemap::SelectFieldType(int index) {
    Label7->setText(ImageMap::FirstClickText(index));
    UsemapShapes(index);
}

void Usemap::UsemapShapes(int index) {
    Module1::AreaShape = ImageMap::ShapeName(index);
}

void Usemap::Picture1_MouseDown(QPointF at) {
    const int shape = chosenShape();
    if (shape < 0)
        return;
    ImageMap::ClickStep step;
    skipErrors([&] {
        step = ImageMap::Click(shape, at,
                               {Module1::ClickState, Module1::VertexIndex, Module1::HotspotPoints});
    });
    skipErrors([&] { Picture1->Draw(step.draw); });
    if (!step.label.isEmpty())
        Label7->setText(step.label);
    if (!step.message.isEmpty())
        skipErrors([&] { MsgBox(step.message, vb::vbOKOnly, QString(), this); });
    if (!step.opensAreaLink)
        return;
    skipErrors([&] {
        UsemapURL dialog(List1, this);
        dialog.exec();
    });
    // However the dialog ended, the shape is finished.
    Module1::ClickState = 1;
    Label7->setText(step.labelAfterLink);
}

void Usemap::Picture1_MouseMove(QPointF at) {
    if (QRectF(QPointF(0, 0), QSizeF(Picture1->pictureSize())).contains(at))
        StatusPanel1->setText(ImageMap::CoordinatesText(at));
    else
        StatusPanel1->clear();
}

void Usemap::Picture2_MouseMove(int /*index*/) {
    StatusPanel1->clear();
}

void Usemap::Label3_MouseMove(int index) {
    setBorder(Picture4[index], true);
}

void Usemap::Picture4_MouseMove(int index) {
    setBorder(Picture4[index], true);
}

void Usemap::Picture3_MouseMove() {
    for (ClickLabel* icon : Picture4)
        setBorder(icon, icon->property("Tag").toString() == "True");
}

void Usemap::Command5_Click() {
    if (List1->count() == 0)
        return;
    // Back to the picture as it was loaded: every outline goes.
    skipErrors([&] { Picture1->Reload(); });
    skipErrors([&] { delete List1->takeItem(List1->count() - 1); });
    skipErrors([&] { UsemapParse(); });
}

void Usemap::UsemapParse() {
    QStringList lines;
    lines.reserve(List1->count());
    for (int i = 0; i < List1->count(); ++i)
        lines << List1->item(i)->text();
    Picture1->Draw(ImageMap::UsemapParse(lines));
}

bool Usemap::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove)
        return QDialog::eventFilter(watched, event);
    for (int i = 0; i < Picture4.size(); ++i) {
        if (watched == Picture4[i]) {
            Picture4_MouseMove(i);
            return true;
        }
        if (watched == Label3[i]) {
            Label3_MouseMove(i);
            return true;
        }
    }
    if (watched == Picture3)
        Picture3_MouseMove();
    for (int i = 0; i < Picture2.size(); ++i)
        if (watched == Picture2[i])
            Picture2_MouseMove(i);
    // The room beside the picture is page 2 to the user.
    if (watched == Picture1Scroll->viewport())
        Picture2_MouseMove(1);
    return QDialog::eventFilter(watched, event);
}
