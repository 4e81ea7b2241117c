#pragma once
// A picture as the runtime hands it out: the decoded image and its size in pixels.
// LoadPicture recognises BMP, JPG, GIF and WMF by content and raises 481 for anything
// else; SavePicture writes BMP. Metafiles are played out of the process (wmfrenderer.h): one that
// crashes the player or runs out of its time is 481 too, as is any picture past the limits of
// picturelimits.h. Bytes that failed for a fault of their own (damaged, past a limit, out of time
// twice) fail at once for the rest of the run; a failure that may pass (a helper that could not
// start, a failed allocation, a first time-out) is tried again at the next load.

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
// The same for a picture the user has just chosen: decoded afresh even when its bytes failed
// before in this run, and no longer refused once they decode.
Picture loadChosenPicture(const QByteArray& bytes);
void SavePicture(const Picture& picture, const QString& path);
