#include "mainwindow/CategoryPictures.h"

#include "widgets/PlainText.h"

#include <QIcon>
#include <QLabel>

namespace {

struct PictureFile {
    CategoryImage image;
    const char *objectName;
    const char *icon;
};

// clang-format off
constexpr PictureFile Pictures[] = {
    {CategoryImage::Birthday, "imageBirthday", ":/icons/category-birthday.svg"},
    {CategoryImage::Food, "imageFood", ":/icons/category-food.svg"},
    {CategoryImage::Misc, "imageMisc", ":/icons/category-misc.svg"},
    {CategoryImage::Meeting, "imageMeeting", ":/icons/category-meeting.svg"},
    {CategoryImage::SpecialEvent, "imageSpecialEvent", ":/icons/category-special-event.svg"},
    {CategoryImage::Deadline, "imageDeadline", ":/icons/category-deadline.svg"},
    {CategoryImage::NotableDate, "imageNotableDate", ":/icons/category-notable-date.svg"},
    {CategoryImage::NetEvent, "imageNetEvent", ":/icons/category-net-event.svg"},
    {CategoryImage::SportEvent, "imageSportEvent", ":/icons/category-sport-event.svg"},
    {CategoryImage::Holiday, "imageHoliday", ":/icons/category-holiday.svg"},
};
// clang-format on

constexpr int PictureSize = 16;

} // namespace

CategoryPictures::CategoryPictures(QWidget *parent) : QWidget(parent)
{
    setFixedSize(PictureSize, PictureSize);
    for (const PictureFile &file : Pictures) {
        auto *label = new QLabel(this);
        label->setObjectName(QLatin1String(file.objectName));
        label->setGeometry(0, 0, PictureSize, PictureSize);
        label->setPixmap(QIcon(QLatin1String(file.icon)).pixmap(PictureSize, PictureSize));
        label->hide();
        pictures_[file.image] = label;
    }
}

void CategoryPictures::showCategoryImage(const QString &category)
{
    const CategoryImage shown = categoryImageFor(category);
    if (categoryImageShowsName(shown))
        pictures_.at(shown)->setToolTip(plainToolTip(category));
    if (shown != CategoryImage::None)
        pictures_.at(shown)->setAccessibleName(category);
    for (const auto &[image, label] : pictures_)
        label->setVisible(image == shown);
}
