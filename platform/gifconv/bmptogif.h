#pragma once
// Stands in for the outside BMP-to-GIF converter: reads a BMP file and writes it as a GIF with a
// palette of at most 256 colours, in which the colours the caller names and the picture's flat
// colours stay exact as far as the palette has room (quantiser.h). One converter keeps its work
// memory from one picture to the next. A failure is reported as a flag and a reason text, never
// thrown. The GIF is written under a temporary name beside the target and renamed over it, so a
// failed conversion leaves an existing target as it was.

#include "quantiser.h"

#include <QString>
#include <QtGlobal>
#include <vector>

class BmpToGif {
public:
    // Each call replaces the outcome of the previous one. The pixels of `exactColours`
    // (&HBBGGRR) keep their colour in the GIF, whatever else the picture holds.
    void convert(const QString& bmpPath, const QString& gifPath,
                 const std::vector<qint32>& exactColours = {});

    bool failed() const { return m_failed; }
    // Why the last conversion failed; "" after a success.
    const QString& reason() const { return m_reason; }
    // The runtime's error number behind the failure (61 when the disk is full, ...), 0 when the
    // failure had none.
    int errorNumber() const { return m_errorNumber; }

private:
    bool m_failed = false;
    QString m_reason;
    int m_errorNumber = 0;
    Quantiser m_quantiser;
};
