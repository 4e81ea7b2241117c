#pragma once
// A 24-bit device-independent bitmap in memory: pixels as blue, green, red, rows stored bottom-up
// (the picture's bottom line first), each row padded to a multiple of 4 bytes. The JPEG writer
// hands these rows to the encoder as they are, without copying them.

#include <QtGlobal>
#include <vector>

class Picture;

class cDIBSection {
public:
    // Puts a copy of the picture on the clipboard as an image. The DIB form is refused with a
    // message. True when the clipboard took the picture.
    bool CopyToClipboard(bool bAsDIB) const;
    // Sets the header to the size and makes new pixels, all zero. False, and no pixels, when the
    // size is not positive or too large; the header keeps the size asked for.
    bool CreateDIB(qint32 lWidth, qint32 lHeight);
    // A copy of the picture at its own size, whatever its colour depth. An empty picture leaves
    // the instance without pixels.
    void CreateFromPicture(const Picture& picThis);
    // (Width x 3 + 3) And Not 3; raises 6 past 32 bits.
    qint32 BytesPerScanLine() const;
    // The header's size: it stays after ClearUp.
    qint32 Width() const { return m_width; }
    qint32 Height() const { return m_height; }
    // The first pixel byte (the bottom line's), or nullptr without pixels.
    uchar* DIBSectionBitsPtr() { return m_bits.empty() ? nullptr : m_bits.data(); }
    const uchar* DIBSectionBitsPtr() const { return m_bits.empty() ? nullptr : m_bits.data(); }
    // Releases the pixels.
    void ClearUp();

private:
    qint32 m_width = 0;
    qint32 m_height = 0;
    std::vector<uchar> m_bits;
};
