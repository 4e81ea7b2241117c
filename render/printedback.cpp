#include "printedback.h"

#include "forms/picturebox.h"

void showBackAsPrinted(PictureBox& backBox) {
    backBox.setBorderStyle(vbFixedSingle);
    backBox.setScaleMode(vbPixels);
    backBox.setBackColor(kCardImagePaper);
}
