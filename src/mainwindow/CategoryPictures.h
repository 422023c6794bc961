#pragma once

#include "eventdata/Categories.h"

#include <QWidget>

#include <map>

class QLabel;

// The small picture beside the selected event that tells its category. All
// pictures lie on the same spot; at most one shows.
class CategoryPictures : public QWidget {
    Q_OBJECT

public:
    explicit CategoryPictures(QWidget *parent = nullptr);

    // "None" hides every picture.
    void showCategoryImage(const QString &category);

    QLabel *picture(CategoryImage image) const { return pictures_.at(image); }

private:
    std::map<CategoryImage, QLabel *> pictures_;
};
