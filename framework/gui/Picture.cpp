#include "framework/gui/Picture.h"

#include <QGuiApplication>
#include <QPixmap>

namespace fw {
namespace {
int pictureReads = 0;
}

Picture::Picture(const QPixmap& pixmap) : pixmap_(std::make_unique<QPixmap>(pixmap)) {}
Picture::~Picture() = default;

int Picture::Width() const {
    return pixmap_->width();
}
int Picture::Height() const {
    return pixmap_->height();
}

std::shared_ptr<ResourceFile> ResourceFile::Application() {
    if (!QGuiApplication::instance()) return nullptr;
    static const auto file = std::make_shared<ResourceFile>();
    return file;
}

std::shared_ptr<Picture> ResourceFile::GetPicture(int id) const {
    ++pictureReads;
    QPixmap pixmap;
    if (!pixmap.load(QStringLiteral(":/pictures/%1.png").arg(id))) return nullptr;
    return std::make_shared<Picture>(pixmap);
}

int ResourceFile::PictureReads() {
    return pictureReads;
}

}  // namespace fw
