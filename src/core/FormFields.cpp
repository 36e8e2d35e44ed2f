#include "core/FormFields.h"

#include <QRandomGenerator>
#include <chrono>

namespace FormFields {

QString FormFieldMarkup(int index, int number) {
    const QString n = QString::number(number);
    if (index == 1)
        return "<textarea  name=Textarea" + n + " id=Textarea" + n + " rows=5 cols=20></textarea>";

    QString word;
    QString extra;
    switch (index) {
    case 0:
        word = "Text";
        break;
    case 3:
        word = "Password";
        break;
    case 4:
        word = "Checkbox";
        break;
    case 5:
        word = "Radio";
        break;
    case 7:
        word = "Hidden";
        break;
    case 8:
        word = "Submit";
        extra = " value=Submit";
        break;
    case 9:
        word = "Reset";
        break;
    case 10:
        word = "Button";
        extra = " value=Button";
        break;
    default:
        return {};
    }
    const QString q = QStringLiteral("\"");
    return "<input type=" + q + word + q + " name=" + q + word + n + q + " id=" + q + word + n + q +
           extra + ">";
}

int DrawFieldNumber() {
    // Reseeded from the clock for every field; the same number may come twice.
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    QRandomGenerator generator(static_cast<quint32>(now ^ (now >> 32)));
    return int(generator.generateDouble() * 5000 + 1);
}

} // namespace FormFields
