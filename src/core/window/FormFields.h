#pragma once

#include <QString>

// The form fields of Insert > Form: fixed markup, no dialog. A field's name and id end
// in a number drawn at random for each insertion, so two fields rarely share a name.
namespace FormFields {

// The markup of the field at a menu index (0..10) with its number; "" for the indexes
// that have no field (2 and 6) and for any other index.
QString FormFieldMarkup(int index, int number);

// A fresh number from 1 to 5000, from a generator seeded from the clock.
int DrawFieldNumber();

} // namespace FormFields
