#pragma once
// A picture as the runtime hands it out: the decoded image and its size in pixels.
// LoadPicture recognises BMP, JPG, GIF and WMF by content and raises 481 for anything
// else; SavePicture writes BMP. Metafiles are played out of the process (wmfrenderer.h): one that
// crashes the player or runs out of its time is 481 too, as is any picture past the limits of
// picturelimits.h. Bytes that failed once fail at once for the rest of the run.

#include <QByteArray>
#include <QImage>
#include <QString>

class Picture {
public:
    Picture() = default;
    explicit Picture(QImage image) : m_image(std::move(image)) {}

    bool isNull() const { return m_image.isNull(); }
    const QImage& image() const { return m_image; }
    int width() const { return m_image.width(); }   // pixels
    int height() const { return m_image.height(); } // pixels

private:
    QImage m_image;
};

// An empty path gives an empty picture. A missing file raises 53, bytes that are no
// picture raise 481.
Picture LoadPicture(const QString& path = {});
Picture loadPictureFromBytes(const QByteArray& bytes);
void SavePicture(const Picture& picture, const QString& path);
