#pragma once

#include <memory>
#include <string>

class QPixmap;

namespace fw {

// A picture held by the framework (button faces, canvas backdrops).
class Picture {
public:
    explicit Picture(const QPixmap& pixmap);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int Width() const;
    int Height() const;
    const QPixmap& Pixmap() const { return *pixmap_; }

private:
    std::unique_ptr<QPixmap> pixmap_;
};

// The application's own resource file. Picture resource n is the compiled-in Qt resource
// ":/pictures/<n>.png".
class ResourceFile {
public:
    // The application's resource file; nil when the run-time has no resources.
    static std::shared_ptr<ResourceFile> Application();

    // The picture of that number, read anew at each call; nil when there is none.
    std::shared_ptr<Picture> GetPicture(int id) const;

    // How many pictures have been read from the resources so far (tests check caching).
    static int PictureReads();
};

}  // namespace fw
