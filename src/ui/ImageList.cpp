#include "ui/ImageList.h"

#include <QApplication>
#include <QStyle>

namespace scriptloom {

ImageList::ImageList(QObject* parent) : QObject(parent) {
    const QStyle* style = QApplication::style();
    images_ = {
        style->standardIcon(QStyle::SP_DirClosedIcon),
        style->standardIcon(QStyle::SP_DirOpenIcon),
        style->standardIcon(QStyle::SP_FileIcon),
        style->standardIcon(QStyle::SP_FileDialogDetailedView),
    };
}

QIcon ImageList::image(std::int16_t number) const {
    return number >= 1 && number <= count() ? images_[number - 1] : QIcon();
}

}  // namespace scriptloom
