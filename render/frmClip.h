#pragma once
// The hidden window that holds the output surface of the card images: each save composes
// its card (and back) on picDone and writes that, and GIF files go through BMP2GIF1.
// Created on first use and kept; it is never shown.

#include "forms/forminstance.h"
#include "forms/picturebox.h"
#include "gifconv/bmptogif.h"

class FrmClip : public Form {
    Q_OBJECT
public:
    FrmClip();

    PictureBox picDone;
    PictureBox picLargeSheet;
    PictureBox picStore;
    PictureBox picGet;
    BmpToGif BMP2GIF1;
};

extern FormInstance<FrmClip> frmClip;
