#include "core/window/FormFields.h"

#include "core/Module1.h"

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
    // The quoted values go through the one attribute writer, as every generated attribute.
    return "<input" + Module1::FormatAttribute(" type=", word) +
           Module1::FormatAttribute(" name=", word + n) +
           Module1::FormatAttribute(" id=", word + n) + extra + ">";
}

int DrawFieldNumber() {
    // Reseeded from the clock for every field; the same number may come twice.
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    QRandomGenerator generator(static_cast<quint32>(now ^ (now >> 32)));
    return int(generator.generateDouble() * 5000 + 1);
}

} // namespace FormFields
