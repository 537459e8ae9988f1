#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <cstdint>

namespace scriptloom {

// The pictures of a tree, numbered from 1: 1 a closed folder (sections), 2 an open folder, 3 a
// document (entries), 4 a detail view. They are the style's standard icons, so the tree looks
// at home on every platform.
class ImageList : public QObject {
    Q_OBJECT

public:
    explicit ImageList(QObject* parent = nullptr);

    int count() const { return static_cast<int>(images_.size()); }
    // The picture with the given number, or an empty icon for a number outside the list.
    QIcon image(std::int16_t number) const;

private:
    QList<QIcon> images_;
};

}  // namespace scriptloom
