#pragma once

#include "eventdata/Categories.h"

#include <QValidator>

// Holds a category box to the names the settings file can keep: a typed or
// pasted comma is refused as a letter is in a digit box.
class CategoryNameValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override { return isUserCategoryName(input) ? Acceptable : Invalid; }
};
