#include "frmClip.h"
#include "printedback.h"

FormInstance<FrmClip> frmClip;

FrmClip::FrmClip()
    : Form(QStringLiteral("frmClip")), picDone(*this, QStringLiteral("picDone")),
      picLargeSheet(*this, QStringLiteral("picLargeSheet")), picStore(*this, QStringLiteral("picStore")),
      picGet(*this, QStringLiteral("picGet")) {
    setCaption(QStringLiteral("Dummy form for Clipboard"));
    setScaleMode(vbPixels);

    picDone.setScaleMode(vbPixels);
    picDone.setBorderStyle(vbBSNone);
    picDone.setBackColor(kCardImagePaper);
}
